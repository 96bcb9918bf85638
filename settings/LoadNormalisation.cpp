// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/LoadNormalisation.h"
#include "platform/Paths.h"

void NormaliseBurstBounds(Settings& settings) {
    const int max = IntOf(settings, SettingId::FireBallInFireWorkMax);
    const int min = IntOf(settings, SettingId::FireBallInFireWorkMin);
    if (max < min) {
        settings.SetInt(SettingId::FireBallInFireWorkMax, min);
        settings.SetInt(SettingId::FireBallInFireWorkMin, max);
    }
}

void NormaliseTextSwitch(Settings& settings) {
    if (IntOf(settings, SettingId::FireTextEnable) != 0 && StringOf(settings, SettingId::FireText).empty())
        settings.SetInt(SettingId::FireTextEnable, 0);
}

void NormaliseLoadedSettings(Settings& settings, const LoadEnvironment& environment) {
    if (IntOf(settings, SettingId::XRes) == 0 || IntOf(settings, SettingId::YRes) == 0) {
        const DisplaySize display = environment.GetDisplaySize();
        settings.SetInt(SettingId::XRes, display.width);
        settings.SetInt(SettingId::YRes, display.height);
        settings.SetInt(SettingId::ResolutionIsCurrent, 1);
    } else {
        settings.SetInt(SettingId::ResolutionIsCurrent, 0);
    }
    NormaliseBurstBounds(settings);
    NormaliseTextSwitch(settings);
    const std::string name = StringOf(settings, SettingId::Palette);
    settings.SetString(SettingId::Palette,
                       name.empty() ? std::string() : environment.GetInstallDirectory() + kPaletteFolderName + name);
}
