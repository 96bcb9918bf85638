// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// Numbers of the settings; id 12 is not assigned.
namespace SettingId {
enum : int {
    XRes = 0,
    YRes = 1,
    SparklesCount = 2,
    FireBallCount = 3,
    FireWorkCount = 4,
    FireBallInFireWorkMax = 5,
    FireBallInFireWorkMin = 6,
    FadeScreen = 7,
    ResolutionIsCurrent = 8,
    BackgroundSoundEnable = 9,
    Password = 10,
    UseDirectX = 11,
    TransitionOn = 13,
    Palette = 14,
    CurrentPreset = 15,
    ExplosionSoundEnable = 16,
    WaveLength = 17,
    WaveSpeed = 18,
    WaveEnable = 19,
    SoundVolume = 20,
    OlympicRings = 21,
    CycleColors = 22,
    FadeBottom = 23,
    FireTextEnable = 24,
    FireText = 25,
    FireTextBurnType = 26,
    FireTextOrbit = 27,
    FireTextSpeed = 28,
    PaperBurn = 29,
    TextSequence = 30,
    RunPresetCycle = 31,
    PrevRunPreset = 32,
    RenderScale = 33,
    Count = 34
};
}
