// SPDX-License-Identifier: GPL-2.0-or-later
// The audio device of the browser: each buffer is a voice of the page's Web
// Audio output (Module.audio, web/audio.js), which plays it through a buffer
// source of its own, so the browser mixes the sounds. Without that output
// (under Node) there is no device, and the fire runs silent.
#include "sound/AudioDevice.h"

#include <emscripten.h>

#include <new>

namespace {
EM_JS(int, WebAudioPresent, (), { return Module.audio ? 1 : 0; });
EM_JS(int, WebAudioAddVoice, (int channels, int rate, int bits), {
    return Module.audio.addVoice(channels, rate, bits);
});
EM_JS(void, WebAudioRemoveVoice, (int voice), { Module.audio.removeVoice(voice); });
EM_JS(int, WebAudioFill, (int voice, const unsigned char* samples, unsigned size), {
    return Module.audio.fill(voice, HEAPU8.subarray(samples, samples + size)) ? 1 : 0;
});
EM_JS(void, WebAudioPlay, (int voice, int looped), { Module.audio.play(voice, looped != 0); });
EM_JS(void, WebAudioStop, (int voice), { Module.audio.stop(voice); });
EM_JS(int, WebAudioPlaying, (int voice), { return Module.audio.playing(voice) ? 1 : 0; });

class CWebAudioBuffer final : public CAudioBuffer {
public:
    explicit CWebAudioBuffer(int voice) : m_nVoice(voice) {}
    ~CWebAudioBuffer() override { WebAudioRemoveVoice(m_nVoice); }

    int Fill(const unsigned char* samples, std::uint32_t size) override { return WebAudioFill(m_nVoice, samples, size); }
    int GetStatus(int& playing) override {
        playing = WebAudioPlaying(m_nVoice);
        return 1;
    }
    int Play(int looped) override {
        WebAudioPlay(m_nVoice, looped);
        return 1;
    }
    int Stop() override {
        WebAudioStop(m_nVoice);
        return 1;
    }

private:
    int m_nVoice;
};

class CWebAudioDevice final : public CAudioDevice {
public:
    int Create() override { return WebAudioPresent(); }
    int SetCooperativeLevel(void*) override { return 1; }
    std::unique_ptr<CAudioBuffer> CreateBuffer(const WaveFormat& format, std::uint32_t) override {
        const int voice = WebAudioAddVoice(format.bStereo ? 2 : 1, static_cast<int>(format.nSampleRate),
                                           format.nBitsPerSample);
        if (voice < 0) return nullptr;
        std::unique_ptr<CAudioBuffer> buffer(new (std::nothrow) CWebAudioBuffer(voice));
        if (!buffer) WebAudioRemoveVoice(voice);
        return buffer;
    }
};
}  // namespace

std::unique_ptr<CAudioDevice> CreatePlatformAudioDevice() {
    return std::unique_ptr<CAudioDevice>(new (std::nothrow) CWebAudioDevice);
}
