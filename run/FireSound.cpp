// SPDX-License-Identifier: GPL-2.0-or-later
#include "run/FireSound.h"
#include "settings/SettingIds.h"

#include <new>

void FireSound::Start(const SettingsReader& settings) {
    int background = 0, explosions = 0, volume = 0;
    settings.GetInt(SettingId::BackgroundSoundEnable, background);
    settings.GetInt(SettingId::ExplosionSoundEnable, explosions);
    settings.GetInt(SettingId::SoundVolume, volume);
    if (!background || volume == 0 || g_bMute || m_pPlayer) return;
    std::unique_ptr<CSoundPlayer> player(new (std::nothrow) CSoundPlayer(m_pMakeDevice));
    if (player && player->Init(explosions) && player->StartBackground()) m_pPlayer = std::move(player);
}

void FireSound::PlayExplosion(int draw) {
    if (m_pPlayer) m_pPlayer->PlayExplosion(draw);
}
