// SPDX-License-Identifier: GPL-2.0-or-later
#include "sound/SampleMixer.h"

#include <algorithm>
#include <new>

int SampleMixer::AddVoice() {
    for (std::size_t i = 0; i < m_Voices.size(); ++i)
        if (!m_Voices[i].used) {
            m_Voices[i] = Voice{};
            m_Voices[i].used = true;
            return static_cast<int>(i);
        }
    try {
        m_Voices.emplace_back();
    } catch (const std::bad_alloc&) {
        return -1;
    }
    m_Voices.back().used = true;
    return static_cast<int>(m_Voices.size()) - 1;
}

void SampleMixer::RemoveVoice(int voice) { m_Voices[voice] = Voice{}; }

void SampleMixer::SetSamples(int voice, std::vector<std::int16_t> samples) {
    m_Voices[voice].samples = std::move(samples);
    m_Voices[voice].position = 0;
}

void SampleMixer::Play(int voice, bool looped) {
    Voice& v = m_Voices[voice];
    v.playing = !v.samples.empty();
    v.looped = looped;
}

void SampleMixer::Stop(int voice) { m_Voices[voice].playing = false; }

bool SampleMixer::IsPlaying(int voice) const { return m_Voices[voice].playing; }

bool SampleMixer::Reserve(std::size_t count) {
    try {
        if (m_Sum.size() < count) m_Sum.resize(count);
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

void SampleMixer::Mix(std::int16_t* out, std::size_t count) {
    if (!Reserve(count)) {
        std::fill(out, out + count, std::int16_t{0});
        return;
    }
    std::fill(m_Sum.begin(), m_Sum.begin() + static_cast<std::ptrdiff_t>(count), 0);
    for (Voice& voice : m_Voices) {
        for (std::size_t i = 0; i < count && voice.playing; ++i) {
            m_Sum[i] += voice.samples[voice.position];
            if (++voice.position < voice.samples.size()) continue;
            voice.position = 0;
            voice.playing = voice.looped;
        }
    }
    for (std::size_t i = 0; i < count; ++i)
        out[i] = static_cast<std::int16_t>(std::clamp(m_Sum[i], std::int32_t{-32768}, std::int32_t{32767}));
}
