// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "platform/NonCopyable.h"
#include "sound/AudioDevice.h"
#include "sound/WaveBuffer.h"

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

// Set when no sound may be made: the preview, or the configuration's Mute box.
extern std::atomic<int> g_bMute;

// Shows one of the player's error messages, owned by `window`.
using SoundMessageSink = void (*)(void* window, const char* text);

// Shows the message in a message box (without an icon).
void ShowSoundMessage(void* window, const char* text);

// Plays the looping background crackle and the explosions of the fireworks.
// Its sounds are addressed by their position in the list Init builds: the
// background first, then the explosions.
class CSoundPlayer : private NonCopyable {
public:
    explicit CSoundPlayer(AudioDeviceFactory makeDevice = CreatePlatformAudioDevice,
                          SoundMessageSink showMessage = ShowSoundMessage);
    // Stops every sound, releases the buffers, then the device.
    ~CSoundPlayer();

    // The window that owns the audio device and the error messages (null: none).
    static void SetMainWindow(void* window);
    static void* MainWindow();

    // Opens the device and loads the sounds; 0 when no audio device can be
    // used. Muted, it does nothing and succeeds. Messages are shown only on
    // the thread that called Init; elsewhere failures are silent.
    int Init(int explosionsOn);
    int StartBackground();
    int StopBackground();
    // Whether PlayExplosion would play: explosions are on and nothing is muted.
    bool PlaysExplosions() const { return m_bExplosions && !g_bMute; }
    // Plays the explosion sound that `draw` picks (when PlaysExplosions).
    int PlayExplosion(int draw);

    // Loads the wave resource `id` and appends it to the list; 0 when it fails.
    int LoadWave(int id);
    // Plays the sound at `position` unless it already plays.
    int Play(int position, int looped);
    // Stops the sound at `position` if it plays.
    int Stop(int position);
    int BufferCount() const { return static_cast<int>(m_Buffers.size()); }

private:
    // Shows `text` when on the Init thread; returns 0 either way.
    int Fail(const char* text) const;

    AudioDeviceFactory m_pMakeDevice;
    SoundMessageSink m_pShowMessage;
    std::thread::id m_InitThread;
    int m_bExplosions = 1;
    std::unique_ptr<CAudioDevice> m_pDirectSound;
    std::vector<std::unique_ptr<CWaveBuffer>> m_Buffers;
};
