// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "sound/AudioDevice.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// An audio device that plays nothing and records what it was asked to do,
// and which of its calls fail, in the FakeAudio that g_pFake points to.
struct FakeAudio {
    int bFailCreate = 0, bFailCooperative = 0, bFailFill = 0, bFailStatus = 0, bFailStop = 0;
    std::uint32_t nRefusedSize = 0;  // CreateBuffer refuses buffers of this size
    int nDevices = 0;
    void* pWindow = nullptr;
    std::vector<std::uint32_t> sizes;  // of every buffer made, in order
    std::vector<WaveFormat> formats;
    std::vector<int> playing;
    std::vector<std::string> log;  // "play 3 loop", "stop 3", "release 3", "release device"
};
extern FakeAudio* g_pFake;

// Makes a fake device (counted in g_pFake->nDevices).
std::unique_ptr<CAudioDevice> MakeFakeDevice();
