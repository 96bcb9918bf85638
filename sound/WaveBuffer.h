// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "platform/NonCopyable.h"
#include "sound/AudioDevice.h"
#include "sound/WaveData.h"

#include <memory>

// One wave in a buffer of the audio device. Destroying it stops the sound if
// it still plays, then releases the buffer.
class CWaveBuffer : private NonCopyable {
public:
    ~CWaveBuffer();

    // Makes a device buffer in the wave's format and size; 0 when refused.
    int Create(CAudioDevice& device, const WaveData& wave);
    // Copies the wave's samples into the buffer; 0 when that fails.
    int Fill(const WaveData& wave);
    int HasBuffer() const { return m_pBuffer != nullptr; }

    int GetStatus(int& playing);
    int Play(int looped);
    int Stop();

private:
    std::unique_ptr<CAudioBuffer> m_pBuffer;
};
