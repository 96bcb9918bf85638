// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// Sums the sounds that play into one stream of 16-bit samples, for outputs
// that take a single stream (the SDL device). Each voice holds its sound in
// the output's own format. Not thread-safe: the device locks around it.
class SampleMixer {
public:
    // A new silent voice; its number stays valid until it is removed.
    int AddVoice();
    void RemoveVoice(int voice);
    void SetSamples(int voice, std::vector<std::int16_t> samples);

    // Starts a voice from where it stands (its start once it has played to
    // the end); a looped voice wraps around until it is stopped.
    void Play(int voice, bool looped);
    // Stops a voice where it stands.
    void Stop(int voice);
    bool IsPlaying(int voice) const;

    // Makes room to mix `count` samples at a time without allocating.
    bool Reserve(std::size_t count);
    // Fills `out` with the sum of the playing voices, clipped to 16 bits,
    // and moves them on.
    void Mix(std::int16_t* out, std::size_t count);

private:
    struct Voice {
        bool used = false;
        bool playing = false;
        bool looped = false;
        std::size_t position = 0;
        std::vector<std::int16_t> samples;
    };
    std::vector<Voice> m_Voices;
    std::vector<std::int32_t> m_Sum;
};
