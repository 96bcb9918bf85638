// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "settings/Settings.h"
#include "settings/SettingsTable.h"

#include <gtest/gtest.h>

#include <string>

// What the page's tests share: a record of a new installation, a value for
// every setting that is not its new-installation value, and a comparison of
// records setting by setting.
inline Settings NewInstallationRecord() {
    Settings settings;
    settings.ResetToLoadDefaults();
    settings.SetInt(SettingId::FireTextEnable, 0);  // a new installation has no text to burn
    return settings;
}

// Within the setting's range; strings with the bytes an address or a hive must carry.
inline void SetUnusualValue(Settings& settings, const SettingDef& def, const std::string& paletteFolder) {
    if (def.id == SettingId::Palette) {
        settings.SetString(def.id, paletteFolder + "Molten Gold.pal");
    } else if (def.type == SettingType::String) {
        settings.SetString(def.id, "A&B=C %41 #1\n\"two\" \\ \xC3\xA9\n");
    } else {
        const int initial = IntOf(settings, def.id);
        const int other = initial == def.minValue ? def.maxValue : def.minValue;
        settings.SetInt(def.id, def.HasBounds() ? other : (initial == 1 ? 0 : 1));
    }
}

inline void ExpectSameSetting(const Settings& expected, const Settings& actual, const SettingDef& def) {
    if (def.type == SettingType::Int) EXPECT_EQ(IntOf(expected, def.id), IntOf(actual, def.id)) << def.valueName;
    else EXPECT_EQ(StringOf(expected, def.id), StringOf(actual, def.id)) << def.valueName;
}
