// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "sound/AudioDevice.h"

#include <cstddef>
#include <cstdint>

// A wave resource: its format and where its samples are.
struct WaveData {
    WaveFormat format;
    const unsigned char* pSamples;
    std::uint32_t nSize;
};

// Reads the header fields the player uses, at their fixed offsets in the
// canonical 44-byte header; the samples follow it. 0 when the bytes are
// shorter than the header or the data size runs past their end.
int ReadWave(const unsigned char* bytes, std::size_t size, WaveData& out);

// Finds the built-in wave resource `id` (type "WAVE") and reads it; 0 when
// there is none or it cannot be read.
int FindWave(int id, WaveData& out);
