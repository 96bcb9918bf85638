// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "engine/ExplosionSink.h"
#include "platform/NonCopyable.h"
#include "settings/SettingsReader.h"
#include "sound/SoundPlayer.h"

#include <memory>

// The sound of one fire: the looping crackle while it burns and the
// explosions of its fireworks, as far as its settings and the mute flag let
// it make any. Started once the engine is built; hand it to the engine as its
// explosion sink. Every sound stops when it goes.
class FireSound : public ExplosionSink, private NonCopyable {
public:
    explicit FireSound(AudioDeviceFactory makeDevice = CreatePlatformAudioDevice) : m_pMakeDevice(makeDevice) {}

    // Opens the player and starts the crackle when the settings ask for sound
    // (BackgroundSoundEnable, at a SoundVolume above 0) and nothing is muted;
    // explosions sound only beside the crackle, when ExplosionSoundEnable.
    // A device that cannot be had leaves the fire silent.
    void Start(const SettingsReader& settings);
    // Whether the crackle plays.
    bool Playing() const { return m_pPlayer != nullptr; }

    bool PlaysExplosions() const override { return m_pPlayer && m_pPlayer->PlaysExplosions(); }
    void PlayExplosion(int draw) override;

private:
    AudioDeviceFactory m_pMakeDevice;
    std::unique_ptr<CSoundPlayer> m_pPlayer;
};
