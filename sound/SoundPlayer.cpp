// SPDX-License-Identifier: GPL-2.0-or-later
#include "sound/SoundPlayer.h"

#include "platform/MessageBox.h"

#include <new>

std::atomic<int> g_bMute{0};

namespace {
std::atomic<void*> g_pMainWindow{nullptr};

// The wave resources in list order: the background loop, then three copies
// of each explosion so that one sound can play over itself.
constexpr int kWaveOrder[] = {144, 145, 145, 145, 146, 146, 146, 147, 147, 147};
constexpr int kBackground = 0;
constexpr int kFirstExplosion = 1;
constexpr int kExplosionCount = 9;
}  // namespace

void ShowSoundMessage(void* window, const char* text) { ShowMessageBox(window, text, MessageIcon::None); }

void CSoundPlayer::SetMainWindow(void* window) { g_pMainWindow = window; }

void* CSoundPlayer::MainWindow() { return g_pMainWindow; }

CSoundPlayer::CSoundPlayer(AudioDeviceFactory makeDevice, SoundMessageSink showMessage)
    : m_pMakeDevice(makeDevice), m_pShowMessage(showMessage), m_InitThread(std::this_thread::get_id()) {}

CSoundPlayer::~CSoundPlayer() {
    for (int position = 0; position < BufferCount(); ++position) Stop(position);
    for (auto& buffer : m_Buffers) buffer.reset();
    m_Buffers.clear();
    m_pDirectSound.reset();
}

int CSoundPlayer::Fail(const char* text) const {
    // A box on the render or preview thread would hang the saver behind its
    // topmost window, so only the Init thread shows one.
    if (m_pShowMessage && std::this_thread::get_id() == m_InitThread) m_pShowMessage(MainWindow(), text);
    return 0;
}

int CSoundPlayer::Init(int explosionsOn) {
    m_InitThread = std::this_thread::get_id();
    if (g_bMute) return 1;
    m_bExplosions = explosionsOn;
    if (m_pMakeDevice) m_pDirectSound = m_pMakeDevice();
    if (!m_pDirectSound) return 0;
    if (!m_pDirectSound->Create()) {
        m_pDirectSound.reset();
        return 0;
    }
    if (!m_pDirectSound->SetCooperativeLevel(MainWindow())) return 0;
    for (int id : kWaveOrder) LoadWave(id);
    return 1;
}

int CSoundPlayer::LoadWave(int id) {
    if (!m_pDirectSound) return Fail("Error - DS - Audio not initialized");
    std::unique_ptr<CWaveBuffer> buffer(new (std::nothrow) CWaveBuffer);
    if (!buffer) return 0;
    WaveData wave{};
    if (!FindWave(id, wave)) return 0;
    if (!buffer->Create(*m_pDirectSound, wave)) {
        Fail("Error - DS - CreateSoundBuffer");
    } else if (!buffer->Fill(wave)) {
        Fail("Error - DS - Reading Data");  // kept: it plays whatever the buffer holds
    }
    if (!buffer->HasBuffer()) return 0;
    try {
        m_Buffers.push_back(std::move(buffer));
    } catch (const std::bad_alloc&) {
        return 0;
    }
    return 1;
}

int CSoundPlayer::Play(int position, int looped) {
    if (position < 0 || position >= BufferCount()) return Fail("Error - DS - Invalid buffer selection index");
    CWaveBuffer& buffer = *m_Buffers[position];
    int playing = 0;
    if (!buffer.GetStatus(playing)) return Fail("Error - DS - GetStatus");
    if (!playing) buffer.Play(looped);
    return 1;
}

int CSoundPlayer::Stop(int position) {
    if (position < 0 || position >= BufferCount()) return Fail("Error - DS - Invalid buffer selection index");
    CWaveBuffer& buffer = *m_Buffers[position];
    int playing = 0;
    if (!buffer.GetStatus(playing)) return Fail("Error - DS - GetStatus");
    if (playing && !buffer.Stop()) return Fail("Error - DS - Stop");
    return 1;
}

int CSoundPlayer::StartBackground() {
    if (g_bMute) return 1;
    return Play(kBackground, 1);
}

int CSoundPlayer::StopBackground() {
    if (g_bMute) return 1;
    return Stop(kBackground);
}

int CSoundPlayer::PlayExplosion(int draw) {
    if (!PlaysExplosions()) return 1;
    return Play(draw % kExplosionCount + kFirstExplosion, 0);
}
