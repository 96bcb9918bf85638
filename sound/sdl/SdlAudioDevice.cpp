// SPDX-License-Identifier: GPL-2.0-or-later
// The audio device of the native Linux saver: one SDL output stream into
// which the sounds that play are mixed. No audio device means silence.
#include "sound/AudioDevice.h"
#include "platform/NonCopyable.h"
#include "sound/SampleMixer.h"

#include <SDL.h>
#include <dlfcn.h>

#include <cstring>
#include <new>

namespace {
// The output format: the rate of the built-in sounds, 16-bit mono, so that
// they need no resampling; SDL converts to whatever the hardware takes.
constexpr int kOutputRate = 11025;
constexpr Uint16 kOutputFrames = 512;

class CSdlAudioDevice;

void IgnoreAlsaMessage(const char*, int, const char*, int, const char*, ...) {}

// On a machine without a sound card the ALSA library, which SDL may try,
// prints a screenful of errors; a missing card only means silence here. The
// library stays loaded, so SDL's own loading of it finds it so configured.
void QuietenAlsa() {
    using ErrorHandler = void (*)(const char*, int, const char*, int, const char*, ...);
    void* alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL);
    if (!alsa) return;
    const auto setHandler = reinterpret_cast<int (*)(ErrorHandler)>(dlsym(alsa, "snd_lib_error_set_handler"));
    if (setHandler) setHandler(IgnoreAlsaMessage);
}

class CSdlAudioBuffer final : public CAudioBuffer {
public:
    CSdlAudioBuffer(CSdlAudioDevice& device, const WaveFormat& format, int voice)
        : m_Device(device), m_Format(format), m_nVoice(voice) {}
    ~CSdlAudioBuffer() override;

    int Fill(const unsigned char* samples, std::uint32_t size) override;
    int GetStatus(int& playing) override;
    int Play(int looped) override;
    int Stop() override;

private:
    CSdlAudioDevice& m_Device;
    WaveFormat m_Format;
    int m_nVoice;
};

class CSdlAudioDevice final : public CAudioDevice {
public:
    ~CSdlAudioDevice() override {
        if (m_Device) SDL_CloseAudioDevice(m_Device);
        if (m_bInitialised) SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }

    int Create() override {
        if (m_Device) return 1;
        if (!m_bInitialised) {
            QuietenAlsa();
            if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return 0;
            m_bInitialised = true;
        }
        SDL_AudioSpec wanted{};
        wanted.freq = kOutputRate;
        wanted.format = AUDIO_S16SYS;
        wanted.channels = 1;
        wanted.samples = kOutputFrames;
        wanted.callback = &CSdlAudioDevice::Callback;
        wanted.userdata = this;
        if (!m_Mixer.Reserve(kOutputFrames)) return 0;
        m_Device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &m_Spec, 0);
        if (!m_Device) return 0;
        SDL_PauseAudioDevice(m_Device, 0);
        return 1;
    }

    int SetCooperativeLevel(void*) override { return m_Device ? 1 : 0; }

    std::unique_ptr<CAudioBuffer> CreateBuffer(const WaveFormat& format, std::uint32_t) override {
        if (!m_Device) return nullptr;
        Lock lock(*this);
        const int voice = m_Mixer.AddVoice();
        if (voice < 0) return nullptr;
        std::unique_ptr<CAudioBuffer> buffer(new (std::nothrow) CSdlAudioBuffer(*this, format, voice));
        if (!buffer) m_Mixer.RemoveVoice(voice);
        return buffer;
    }

    // Holds off the output thread while the mixer is touched.
    class Lock : private NonCopyable {
    public:
        explicit Lock(CSdlAudioDevice& device) : m_Device(device.m_Device) { SDL_LockAudioDevice(m_Device); }
        ~Lock() { SDL_UnlockAudioDevice(m_Device); }

    private:
        SDL_AudioDeviceID m_Device;
    };

    SampleMixer& Mixer() { return m_Mixer; }
    const SDL_AudioSpec& Format() const { return m_Spec; }

private:
    static void SDLCALL Callback(void* userdata, Uint8* stream, int length) {
        auto* device = static_cast<CSdlAudioDevice*>(userdata);
        device->m_Mixer.Mix(reinterpret_cast<std::int16_t*>(stream), static_cast<std::size_t>(length) / 2);
    }

    bool m_bInitialised = false;
    SDL_AudioDeviceID m_Device = 0;
    SDL_AudioSpec m_Spec{};
    SampleMixer m_Mixer;
};

CSdlAudioBuffer::~CSdlAudioBuffer() {
    CSdlAudioDevice::Lock lock(m_Device);
    m_Device.Mixer().RemoveVoice(m_nVoice);
}

int CSdlAudioBuffer::Fill(const unsigned char* samples, std::uint32_t size) {
    const SDL_AudioFormat source = m_Format.nBitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16LSB;
    const SDL_AudioSpec& output = m_Device.Format();
    SDL_AudioCVT convert;
    if (SDL_BuildAudioCVT(&convert, source, m_Format.bStereo ? 2 : 1, static_cast<int>(m_Format.nSampleRate),
                          output.format, output.channels, output.freq) < 0)
        return 0;
    std::vector<std::int16_t> converted;
    try {
        std::vector<Uint8> work(static_cast<std::size_t>(size) * static_cast<std::size_t>(convert.len_mult));
        std::memcpy(work.data(), samples, size);
        convert.buf = work.data();
        convert.len = static_cast<int>(size);
        if (SDL_ConvertAudio(&convert) != 0) return 0;
        converted.resize(static_cast<std::size_t>(convert.len_cvt) / 2);
        std::memcpy(converted.data(), work.data(), converted.size() * 2);
    } catch (const std::bad_alloc&) {
        return 0;
    }
    CSdlAudioDevice::Lock lock(m_Device);
    m_Device.Mixer().SetSamples(m_nVoice, std::move(converted));
    return 1;
}

int CSdlAudioBuffer::GetStatus(int& playing) {
    CSdlAudioDevice::Lock lock(m_Device);
    playing = m_Device.Mixer().IsPlaying(m_nVoice);
    return 1;
}

int CSdlAudioBuffer::Play(int looped) {
    CSdlAudioDevice::Lock lock(m_Device);
    m_Device.Mixer().Play(m_nVoice, looped != 0);
    return 1;
}

int CSdlAudioBuffer::Stop() {
    CSdlAudioDevice::Lock lock(m_Device);
    m_Device.Mixer().Stop(m_nVoice);
    return 1;
}
}  // namespace

std::unique_ptr<CAudioDevice> CreatePlatformAudioDevice() {
    return std::unique_ptr<CAudioDevice>(new (std::nothrow) CSdlAudioDevice);
}
