// SPDX-License-Identifier: GPL-2.0-or-later
#include "sound/WaveBuffer.h"

CWaveBuffer::~CWaveBuffer() {
    int playing = 0;
    if (m_pBuffer && m_pBuffer->GetStatus(playing) && playing) m_pBuffer->Stop();
    m_pBuffer.reset();
}

int CWaveBuffer::Create(CAudioDevice& device, const WaveData& wave) {
    m_pBuffer = device.CreateBuffer(wave.format, wave.nSize);
    return HasBuffer();
}

int CWaveBuffer::Fill(const WaveData& wave) { return m_pBuffer && m_pBuffer->Fill(wave.pSamples, wave.nSize); }

int CWaveBuffer::GetStatus(int& playing) {
    playing = 0;
    return m_pBuffer && m_pBuffer->GetStatus(playing);
}

int CWaveBuffer::Play(int looped) { return m_pBuffer && m_pBuffer->Play(looped); }

int CWaveBuffer::Stop() { return m_pBuffer && m_pBuffer->Stop(); }
