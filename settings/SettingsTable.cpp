// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/SettingsTable.h"
#include "settings/SettingIds.h"

#include <cstring>

namespace {
constexpr SettingType I = SettingType::Int;
constexpr SettingType S = SettingType::String;
constexpr SettingScope Root = SettingScope::Root;
constexpr SettingScope Preset = SettingScope::Preset;
}  // namespace

const SettingDef kSettingDefs[kSettingDefCount] = {
    // id                                 value name               type scope   initial      load default
    {SettingId::XRes,                     "XRes",                  I, Root,   0, nullptr,    0, nullptr},
    {SettingId::YRes,                     "YRes",                  I, Root,   0, nullptr,    0, nullptr},
    {SettingId::SparklesCount,            "SparklesCount",         I, Preset, 500, nullptr,  500, nullptr},
    {SettingId::FireBallCount,            "FireBallCount",         I, Preset, 0, nullptr,    6, nullptr},
    {SettingId::FireWorkCount,            "FireWorkCount",         I, Preset, 0, nullptr,    6, nullptr},
    {SettingId::FireBallInFireWorkMax,    "FireBallInFireWorkMax", I, Preset, 0, nullptr,    80, nullptr},
    {SettingId::FireBallInFireWorkMin,    "FireBallInFireWorkMin", I, Preset, 0, nullptr,    10, nullptr},
    {SettingId::FadeScreen,               "FadeScreen",            I, Preset, 0, nullptr,    2, nullptr},
    {SettingId::ResolutionIsCurrent,      nullptr,                 I, SettingScope::Derived, 0, nullptr, 0, nullptr},
    {SettingId::BackgroundSoundEnable,    "BackgroundSoundEnable", I, Preset, 0, nullptr,    1, nullptr},
    {SettingId::Password,                 "Password",              S, Root,   0, "",         0, ""},
    {SettingId::UseDirectX,               "UseDirectX",            I, Root,   1, nullptr,    1, nullptr},
    {SettingId::TransitionOn,             "TransitionOn",          I, Preset, 1, nullptr,    1, nullptr},
    {SettingId::Palette,                  "Palette",               S, Preset, 0, "",         0, ""},
    {SettingId::CurrentPreset,            "CurrentPreset",         S, Root,   0, "Default preset", 0, ""},
    {SettingId::ExplosionSoundEnable,     "ExplosionSoundEnable",  I, Preset, 1, nullptr,    1, nullptr},
    {SettingId::WaveLength,               "WaveLength",            I, Preset, 19, nullptr,   19, nullptr},
    {SettingId::WaveSpeed,                "WaveSpeed",             I, Preset, 63, nullptr,   63, nullptr},
    {SettingId::WaveEnable,               "WaveEnable",            I, Preset, 1, nullptr,    1, nullptr},
    {SettingId::SoundVolume,              "SoundVolume",           I, Root,   50, nullptr,   50, nullptr},
    {SettingId::OlympicRings,             "OlympicRings",          I, Preset, 1, nullptr,    1, nullptr},
    {SettingId::CycleColors,              "CycleColors",           I, Preset, 0, nullptr,    0, nullptr},
    {SettingId::FadeBottom,               "FadeBottom",            I, Preset, 0, nullptr,    0, nullptr},
    {SettingId::FireTextEnable,           "FireTextEnable",        I, Preset, 0, nullptr,    1, nullptr},
    {SettingId::FireText,                 "FireText",              S, Preset, 0, "",         0, ""},
    {SettingId::FireTextBurnType,         "FireTextBurnType",      I, Preset, 0, nullptr,    0, nullptr},
    {SettingId::FireTextOrbit,            "FireTextOrbit",         I, Preset, 1, nullptr,    1, nullptr},
    {SettingId::FireTextSpeed,            "FireTextSpeed",         I, Preset, 50, nullptr,   50, nullptr},
    {SettingId::PaperBurn,                "PaperBurn",             I, Preset, 1, nullptr,    1, nullptr},
    {SettingId::TextSequence,             "TextSequence",          I, Preset, 0, nullptr,    0, nullptr},
    {SettingId::RunPresetCycle,           "RunPresetCycle",        I, Root,   1, nullptr,    1, nullptr},
    {SettingId::PrevRunPreset,            "PrevRunPreset",         I, Root,   0, nullptr,    0, nullptr},
    {SettingId::RenderScale,              "RenderScale",           I, Root,   0, nullptr,    0, nullptr},
};

const SettingDef* FindSettingDef(int id) {
    for (const SettingDef& def : kSettingDefs)
        if (def.id == id) return &def;
    return nullptr;
}

const SettingDef* FindSettingDefByName(const char* valueName) {
    for (const SettingDef& def : kSettingDefs)
        if (def.valueName && std::strcmp(def.valueName, valueName) == 0) return &def;
    return nullptr;
}
