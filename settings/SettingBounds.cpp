// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/SettingBounds.h"
#include "settings/SettingIds.h"

namespace {
const SettingBounds kBounds[] = {
    {SettingId::SparklesCount, 0, 5000},  // the sheet has no control for it; the Linux settings offer this much
    {SettingId::FireBallCount, 0, 20},
    {SettingId::FireWorkCount, 0, 40},
    {SettingId::FireBallInFireWorkMax, 0, 100},
    {SettingId::FireBallInFireWorkMin, 0, 100},
    {SettingId::FadeScreen, 0, 100},
    {SettingId::BackgroundSoundEnable, 0, 1},
    {SettingId::UseDirectX, 0, 1},
    {SettingId::TransitionOn, 0, 1},
    {SettingId::ExplosionSoundEnable, 0, 1},
    {SettingId::WaveLength, 0, 100},
    {SettingId::WaveSpeed, -50, 50},
    {SettingId::WaveEnable, 0, 1},
    {SettingId::SoundVolume, 0, 100},
    {SettingId::OlympicRings, 0, 1},
    {SettingId::CycleColors, 0, 1},
    {SettingId::FadeBottom, 0, 1},
    {SettingId::FireTextEnable, 0, 1},
    {SettingId::FireTextBurnType, 0, 2},
    {SettingId::FireTextOrbit, 0, 2},
    {SettingId::FireTextSpeed, 10, 255},
    {SettingId::PaperBurn, 0, 1},
    {SettingId::TextSequence, 0, 1},
    {SettingId::RunPresetCycle, 0, 1},
    {SettingId::RenderScale, 0, 4},
};
}  // namespace

const SettingBounds* FindSettingBounds(int id) {
    for (const SettingBounds& bounds : kBounds)
        if (bounds.id == id) return &bounds;
    return nullptr;
}
