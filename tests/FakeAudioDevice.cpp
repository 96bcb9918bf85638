// SPDX-License-Identifier: GPL-2.0-or-later
#include "tests/FakeAudioDevice.h"

FakeAudio* g_pFake = nullptr;

namespace {
class CFakeBuffer final : public CAudioBuffer {
public:
    explicit CFakeBuffer(int index) : m_nIndex(index) {}
    ~CFakeBuffer() override { Log("release"); }
    int Fill(const unsigned char* samples, std::uint32_t size) override {
        return samples && size == g_pFake->sizes[m_nIndex] && !g_pFake->bFailFill;
    }
    int GetStatus(int& playing) override {
        playing = g_pFake->playing[m_nIndex];
        return !g_pFake->bFailStatus;
    }
    int Play(int looped) override {
        g_pFake->playing[m_nIndex] = 1;
        Log("play", looped ? " loop" : "");
        return 1;
    }
    int Stop() override {
        Log("stop");
        if (!g_pFake->bFailStop) g_pFake->playing[m_nIndex] = 0;
        return !g_pFake->bFailStop;
    }

private:
    void Log(const char* what, const char* tail = "") {
        g_pFake->log.push_back(std::string(what) + " " + std::to_string(m_nIndex) + tail);
    }
    int m_nIndex;
};

class CFakeDevice final : public CAudioDevice {
public:
    ~CFakeDevice() override { g_pFake->log.push_back("release device"); }
    int Create() override { return !g_pFake->bFailCreate; }
    int SetCooperativeLevel(void* window) override {
        g_pFake->pWindow = window;
        return !g_pFake->bFailCooperative;
    }
    std::unique_ptr<CAudioBuffer> CreateBuffer(const WaveFormat& format, std::uint32_t size) override {
        if (size == g_pFake->nRefusedSize) return nullptr;
        g_pFake->sizes.push_back(size);
        g_pFake->formats.push_back(format);
        g_pFake->playing.push_back(0);
        return std::make_unique<CFakeBuffer>(static_cast<int>(g_pFake->sizes.size()) - 1);
    }
};

}  // namespace

std::unique_ptr<CAudioDevice> MakeFakeDevice() {
    ++g_pFake->nDevices;
    return std::make_unique<CFakeDevice>();
}

