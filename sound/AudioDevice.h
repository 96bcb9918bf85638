// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <cstdint>
#include <memory>

// The sample format of a wave, as its header gives it.
struct WaveFormat {
    int bStereo;  // two or more channels
    std::uint32_t nSampleRate;
    std::uint16_t nBlockAlign;
    std::uint16_t nBitsPerSample;
};

// One sound held by the audio device. Destroying it releases it.
class CAudioBuffer {
public:
    virtual ~CAudioBuffer() = default;
    // Copies the samples in (lock, copy, unlock); 0 when the lock or unlock fails.
    virtual int Fill(const unsigned char* samples, std::uint32_t size) = 0;
    // Sets playing to 1 while the sound plays; 0 when the status cannot be read.
    virtual int GetStatus(int& playing) = 0;
    virtual int Play(int looped) = 0;
    virtual int Stop() = 0;
};

// The sound output of the system. Destroying it releases it; its buffers
// must be destroyed first.
class CAudioDevice {
public:
    virtual ~CAudioDevice() = default;
    // Opens the default output; 0 when there is none.
    virtual int Create() = 0;
    // Shares the output with other programs, on behalf of `window` (may be null).
    virtual int SetCooperativeLevel(void* window) = 0;
    // A new buffer of `size` bytes in the format; null when the device refuses.
    virtual std::unique_ptr<CAudioBuffer> CreateBuffer(const WaveFormat& format, std::uint32_t size) = 0;
};

using AudioDeviceFactory = std::unique_ptr<CAudioDevice> (*)();

// The device of this platform: DirectSound on Windows, a device that never
// opens elsewhere. Null only when out of memory.
std::unique_ptr<CAudioDevice> CreatePlatformAudioDevice();
