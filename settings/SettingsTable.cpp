// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/SettingsTable.h"
#include "settings/SettingIds.h"

#include "settings/TextSplit.h"

#include <cstring>

namespace {
constexpr SettingType I = SettingType::Int;
constexpr SettingType S = SettingType::String;
constexpr SettingScope Root = SettingScope::Root;
constexpr SettingScope Preset = SettingScope::Preset;
}  // namespace

// Beside each setting its place in the orders of Save and CopyFrom (the burst
// bounds are exchanged just before FireBallInFireWorkMax is written; a copy
// stops at the first id its source refuses), then the sheet's control.
// SparklesCount has no control on the sheet; the native saver offers it up to
// 5000. The display size, DirectX and the password are the Windows saver's.
const SettingDef kSettingDefs[kSettingDefCount] = {
    // id, value name, type, scope, initial, load default, lowest, highest, save, copy,
    // {page, control, box, heading, label, low label, high label, choices, Windows only}
    {SettingId::XRes, "XRes", I, Root, 0, nullptr, 0, nullptr, 0, 0, 1, 1,
     {SettingPage::General, SettingControlKind::Resolution, "Global Settings", nullptr, "Display Resolution", nullptr, nullptr, nullptr, true}},
    {SettingId::YRes, "YRes", I, Root, 0, nullptr, 0, nullptr, 0, 0, 2, 2,
     {SettingPage::General, SettingControlKind::Resolution, "Global Settings", nullptr, "Display Resolution", nullptr, nullptr, nullptr, true}},
    {SettingId::SparklesCount, "SparklesCount", I, Preset, 500, nullptr, 500, nullptr, 0, 5000, 3, 3,
     {SettingPage::None, SettingControlKind::Slider, nullptr, nullptr, "Sparkles", "None", "Many", nullptr, false}},
    {SettingId::FireBallCount, "FireBallCount", I, Preset, 0, nullptr, 6, nullptr, 0, 20, 4, 4,
     {SettingPage::Effects, SettingControlKind::Slider, "Fireworks & Effects", nullptr, "Number of \"fireballs\"", "Less", "More", nullptr, false}},
    {SettingId::FireWorkCount, "FireWorkCount", I, Preset, 0, nullptr, 6, nullptr, 0, 40, 5, 5,
     {SettingPage::Effects, SettingControlKind::Slider, "Fireworks & Effects", nullptr, "Number of Fireworks", "Less", "More", nullptr, false}},
    {SettingId::FireBallInFireWorkMax, "FireBallInFireWorkMax", I, Preset, 0, nullptr, 80, nullptr, 0, 100, 7, 6,
     {SettingPage::Effects, SettingControlKind::Slider, "Fireworks & Effects", "Firework Size", "Max", nullptr, nullptr, nullptr, false}},
    {SettingId::FireBallInFireWorkMin, "FireBallInFireWorkMin", I, Preset, 0, nullptr, 10, nullptr, 0, 100, 8, 7,
     {SettingPage::Effects, SettingControlKind::Slider, "Fireworks & Effects", "Firework Size", "Min", nullptr, nullptr, nullptr, false}},
    {SettingId::FadeScreen, "FadeScreen", I, Preset, 0, nullptr, 2, nullptr, 0, 100, 6, 8,
     {SettingPage::Palette, SettingControlKind::Slider, "Color palette", nullptr, "Desktop Screen", "Off", "100%", nullptr, false}},
    {SettingId::ResolutionIsCurrent, nullptr, I, SettingScope::Derived, 0, nullptr, 0, nullptr, 0, 0, 0, 9,
     {SettingPage::None, SettingControlKind::None, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, false}},
    {SettingId::BackgroundSoundEnable, "BackgroundSoundEnable", I, Preset, 0, nullptr, 1, nullptr, 0, 1, 9, 10,
     {SettingPage::Flames, SettingControlKind::Check, "Fire Settings", nullptr, "Burning Flames Sound", nullptr, nullptr, nullptr, false}},
    {SettingId::Password, "Password", S, Root, 0, "", 0, "", 0, 0, 32, 31,
     {SettingPage::General, SettingControlKind::Password, "Global Settings", nullptr, "Password Protection", nullptr, nullptr, nullptr, true}},
    {SettingId::UseDirectX, "UseDirectX", I, Root, 1, nullptr, 1, nullptr, 0, 1, 10, 11,
     {SettingPage::General, SettingControlKind::Check, "Global Settings", nullptr, "Use Microsoft DirectX mode", nullptr, nullptr, nullptr, true}},
    {SettingId::TransitionOn, "TransitionOn", I, Preset, 1, nullptr, 1, nullptr, 0, 1, 12, 14,
     {SettingPage::Flames, SettingControlKind::Slider, "Fire Settings", nullptr, "Turbulence Effects", "Off", "On", nullptr, false}},
    {SettingId::Palette, "Palette", S, Preset, 0, "", 0, "", 0, 0, 30, 30,
     {SettingPage::Palette, SettingControlKind::PaletteFile, "Color palette", nullptr, nullptr, nullptr, nullptr, nullptr, false}},
    {SettingId::CurrentPreset, "CurrentPreset", S, Root, 0, "Default preset", 0, "", 0, 0, 31, 32,
     {SettingPage::General, SettingControlKind::Preset, "Themes", nullptr, nullptr, nullptr, nullptr, nullptr, false}},
    {SettingId::ExplosionSoundEnable, "ExplosionSoundEnable", I, Preset, 1, nullptr, 1, nullptr, 0, 1, 13, 15,
     {SettingPage::Effects, SettingControlKind::Check, "Fireworks & Effects", nullptr, "Blasts Sound", nullptr, nullptr, nullptr, false}},
    {SettingId::WaveLength, "WaveLength", I, Preset, 19, nullptr, 19, nullptr, 0, 100, 14, 16,
     {SettingPage::Flames, SettingControlKind::Slider, "Fire Settings", nullptr, "Wave Length", nullptr, nullptr, nullptr, false}},
    {SettingId::WaveSpeed, "WaveSpeed", I, Preset, 63, nullptr, 63, nullptr, -50, 50, 15, 17,
     {SettingPage::Flames, SettingControlKind::Slider, "Fire Settings", nullptr, "Wave Speed", nullptr, nullptr, nullptr, false}},
    {SettingId::WaveEnable, "WaveEnable", I, Preset, 1, nullptr, 1, nullptr, 0, 1, 16, 18,
     {SettingPage::Flames, SettingControlKind::Slider, "Fire Settings", nullptr, "Fire Waves", "Off", "On", nullptr, false}},
    {SettingId::SoundVolume, "SoundVolume", I, Root, 50, nullptr, 50, nullptr, 0, 100, 17, 19,
     {SettingPage::General, SettingControlKind::ClearedCheck, "Global Settings", nullptr, "Mute", nullptr, nullptr, nullptr, false}},
    {SettingId::OlympicRings, "OlympicRings", I, Preset, 1, nullptr, 1, nullptr, 0, 1, 18, 20,
     {SettingPage::Effects, SettingControlKind::Check, "Fireworks & Effects", nullptr, "New Year\nSight!", nullptr, nullptr, nullptr, false}},
    {SettingId::CycleColors, "CycleColors", I, Preset, 0, nullptr, 0, nullptr, 0, 1, 27, 27,
     {SettingPage::Palette, SettingControlKind::Check, "Color palette", nullptr, "Cycle fire colors (fullscreen only)", nullptr, nullptr, nullptr, false}},
    {SettingId::FadeBottom, "FadeBottom", I, Preset, 0, nullptr, 0, nullptr, 0, 1, 28, 28,
     {SettingPage::Palette, SettingControlKind::Check, "Color palette", nullptr, "Fade Bottom", nullptr, nullptr, nullptr, false}},
    {SettingId::FireTextEnable, "FireTextEnable", I, Preset, 0, nullptr, 1, nullptr, 0, 1, 19, 21,
     {SettingPage::Text, SettingControlKind::Check, "Flaming Text", nullptr, "Enable Burning Text", nullptr, nullptr, nullptr, false}},
    {SettingId::FireText, "FireText", S, Preset, 0, "", 0, "", 0, 0, 24, 33,
     {SettingPage::Text, SettingControlKind::Lines, "Flaming Text", nullptr, "Text string(s):", nullptr, nullptr, nullptr, false}},
    {SettingId::FireTextBurnType, "FireTextBurnType", I, Preset, 0, nullptr, 0, nullptr, 0, 2, 20, 22,
     {SettingPage::Text, SettingControlKind::Choice, "Flaming Text", "Flaming method", nullptr, nullptr, nullptr, "Burning|Golden|Smoking", false}},
    {SettingId::FireTextOrbit, "FireTextOrbit", I, Preset, 1, nullptr, 1, nullptr, 0, 2, 21, 23,
     {SettingPage::Text, SettingControlKind::Choice, "Flaming Text", "Trajectory", nullptr, nullptr, nullptr, "|3D Ring|Arbitrary", false}},
    {SettingId::FireTextSpeed, "FireTextSpeed", I, Preset, 50, nullptr, 50, nullptr, 10, 255, 22, 24,
     {SettingPage::Text, SettingControlKind::Slider, "Flaming Text", "Trajectory", nullptr, "Slow", "Fast", nullptr, false}},
    {SettingId::PaperBurn, "PaperBurn", I, Preset, 1, nullptr, 1, nullptr, 0, 1, 23, 12,
     {SettingPage::Effects, SettingControlKind::Check, "Fireworks & Effects", nullptr, "Burning Paper!", nullptr, nullptr, nullptr, false}},
    {SettingId::TextSequence, "TextSequence", I, Preset, 0, nullptr, 0, nullptr, 0, 1, 29, 13,
     {SettingPage::Text, SettingControlKind::Choice, "Flaming Text", nullptr, "Sequence:", nullptr, nullptr, "Serial|Random", false}},
    {SettingId::RunPresetCycle, "RunPresetCycle", I, Root, 1, nullptr, 1, nullptr, 0, 1, 26, 25,
     {SettingPage::General, SettingControlKind::Check, "Themes", nullptr, "Random", nullptr, nullptr, nullptr, false}},
    {SettingId::PrevRunPreset, "PrevRunPreset", I, Root, 0, nullptr, 0, nullptr, 0, 0, 25, 26,
     {SettingPage::None, SettingControlKind::None, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, false}},
    {SettingId::RenderScale, "RenderScale", I, Root, 0, nullptr, 0, nullptr, 0, 4, 11, 29,
     {SettingPage::General, SettingControlKind::Choice, "Global Settings", nullptr, "Detail", nullptr, nullptr, "Automatic|Full|Half|Third|Quarter", false}},
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

const SettingDef* SettingSavedAt(int rank) {
    for (const SettingDef& def : kSettingDefs)
        if (def.saveRank == rank) return rank > 0 ? &def : nullptr;
    return nullptr;
}

const SettingDef* SettingCopiedAt(int rank) {
    for (const SettingDef& def : kSettingDefs)
        if (def.copyRank == rank) return rank > 0 ? &def : nullptr;
    return nullptr;
}

std::vector<std::string> SettingChoices(const SettingDef& def) {
    if (!def.control.choices) return {};
    return Split(def.control.choices, '|', true);
}

std::string SettingLabel(const SettingDef& def) {
    const SettingControl& control = def.control;
    std::string label = control.heading ? control.heading : "";
    if (control.label) label += (label.empty() ? "" : " ") + std::string(control.label);
    if (label.empty() && control.box) label = control.box;
    if (!label.empty() && label.back() == ':') label.pop_back();
    return label;
}

const char* SettingPageTitle(SettingPage page) {
    switch (page) {
    case SettingPage::General: return "General";
    case SettingPage::Effects: return "Effects";
    case SettingPage::Flames: return "Flames";
    case SettingPage::Palette: return "Color Palette";
    case SettingPage::Text: return "Burning Text";
    case SettingPage::None: break;
    }
    return nullptr;
}
