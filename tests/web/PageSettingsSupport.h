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
        int initial = 0;
        settings.GetInt(def.id, initial);
        const int other = initial == def.minValue ? def.maxValue : def.minValue;
        settings.SetInt(def.id, def.HasBounds() ? other : (initial == 1 ? 0 : 1));
    }
}

inline void ExpectSameSetting(const Settings& expected, const Settings& actual, const SettingDef& def) {
    if (def.type == SettingType::Int) {
        int a = 0, b = 0;
        expected.GetInt(def.id, a);
        actual.GetInt(def.id, b);
        EXPECT_EQ(a, b) << def.valueName;
    } else {
        std::string a, b;
        expected.GetString(def.id, a);
        actual.GetString(def.id, b);
        EXPECT_EQ(a, b) << def.valueName;
    }
}
