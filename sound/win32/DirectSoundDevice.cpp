// SPDX-License-Identifier: GPL-2.0-or-later
#include "sound/AudioDevice.h"

#include <windows.h>
#include <mmsystem.h>
#include <dsound.h>

#include <cstring>
#include <new>

namespace {
using DirectSoundCreateFunction = HRESULT(WINAPI*)(LPCGUID, LPDIRECTSOUND*, LPUNKNOWN);

// Controls asked for on every buffer: frequency, pan and volume (0xE0).
constexpr DWORD kBufferFlags = DSBCAPS_CTRLFREQUENCY | DSBCAPS_CTRLPAN | DSBCAPS_CTRLVOLUME;

// The buffers are described with the original, short description: 20 bytes
// on 32-bit Windows (its pointer member makes it 24 on 64-bit).
static_assert(sizeof(void*) != 4 || sizeof(DSBUFFERDESC1) == 20, "DSBUFFERDESC1 is 20 bytes on 32-bit Windows");

class CDirectSoundBuffer final : public CAudioBuffer {
public:
    explicit CDirectSoundBuffer(IDirectSoundBuffer* buffer) : m_pBuffer(buffer) {}
    ~CDirectSoundBuffer() override { m_pBuffer->Release(); }

    int Fill(const unsigned char* samples, std::uint32_t size) override {
        void* first = nullptr;
        void* second = nullptr;
        DWORD firstSize = 0;
        DWORD secondSize = 0;
        if (FAILED(m_pBuffer->Lock(0, size, &first, &firstSize, &second, &secondSize, DSBLOCK_FROMWRITECURSOR)))
            return 0;
        // The locked span may wrap around the end of the buffer into a second region.
        const DWORD head = firstSize < size ? firstSize : size;
        if (first) std::memcpy(first, samples, head);
        const DWORD rest = size - head;
        if (second) std::memcpy(second, samples + head, secondSize < rest ? secondSize : rest);
        return SUCCEEDED(m_pBuffer->Unlock(first, firstSize, second, secondSize)) ? 1 : 0;
    }

    int GetStatus(int& playing) override {
        DWORD status = 0;
        if (FAILED(m_pBuffer->GetStatus(&status))) return 0;
        playing = (status & DSBSTATUS_PLAYING) != 0;
        return 1;
    }

    int Play(int looped) override { return SUCCEEDED(m_pBuffer->Play(0, 0, looped ? DSBPLAY_LOOPING : 0)) ? 1 : 0; }
    int Stop() override { return SUCCEEDED(m_pBuffer->Stop()) ? 1 : 0; }

private:
    IDirectSoundBuffer* m_pBuffer;
};

class CDirectSoundDevice final : public CAudioDevice {
public:
    ~CDirectSoundDevice() override {
        if (m_pDirectSound) m_pDirectSound->Release();
        if (m_hLibrary) FreeLibrary(m_hLibrary);
    }

    // dsound.dll is loaded at run time so that a system without it simply has no sound.
    int Create() override {
        if (m_pDirectSound) return 1;
        if (!m_hLibrary) m_hLibrary = LoadLibraryA("dsound.dll");
        if (!m_hLibrary) return 0;
        const FARPROC proc = GetProcAddress(m_hLibrary, "DirectSoundCreate");
        if (!proc) return 0;
        const auto create = reinterpret_cast<DirectSoundCreateFunction>(reinterpret_cast<void (*)()>(proc));
        IDirectSound* directSound = nullptr;
        if (FAILED(create(nullptr, &directSound, nullptr)) || !directSound) return 0;
        m_pDirectSound = directSound;
        return 1;
    }

    int SetCooperativeLevel(void* window) override {
        if (!m_pDirectSound) return 0;
        return SUCCEEDED(m_pDirectSound->SetCooperativeLevel(static_cast<HWND>(window), DSSCL_PRIORITY)) ? 1 : 0;
    }

    std::unique_ptr<CAudioBuffer> CreateBuffer(const WaveFormat& format, std::uint32_t size) override {
        if (!m_pDirectSound) return nullptr;
        WAVEFORMATEX wave{};
        wave.wFormatTag = WAVE_FORMAT_PCM;
        wave.nChannels = format.bStereo ? 2 : 1;
        wave.nSamplesPerSec = format.nSampleRate;
        wave.nAvgBytesPerSec = format.nSampleRate * format.nBlockAlign;
        wave.nBlockAlign = format.nBlockAlign;
        wave.wBitsPerSample = format.nBitsPerSample;
        wave.cbSize = 0;
        DSBUFFERDESC1 description{};
        description.dwSize = sizeof description;
        description.dwFlags = kBufferFlags;
        description.dwBufferBytes = size;
        description.lpwfxFormat = &wave;
        IDirectSoundBuffer* buffer = nullptr;
        if (FAILED(m_pDirectSound->CreateSoundBuffer(reinterpret_cast<LPCDSBUFFERDESC>(&description), &buffer,
                                                     nullptr)) ||
            !buffer)
            return nullptr;
        std::unique_ptr<CAudioBuffer> wrapped(new (std::nothrow) CDirectSoundBuffer(buffer));
        if (!wrapped) buffer->Release();
        return wrapped;
    }

private:
    HMODULE m_hLibrary = nullptr;
    IDirectSound* m_pDirectSound = nullptr;
};
}  // namespace

std::unique_ptr<CAudioDevice> CreatePlatformAudioDevice() {
    return std::unique_ptr<CAudioDevice>(new (std::nothrow) CDirectSoundDevice);
}
