// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/Settings.h"
#include "settings/SettingsTable.h"

namespace {
bool IsOfType(int id, SettingType type) {
    const SettingDef* def = FindSettingDef(id);
    return def && def->type == type;
}

const int kCopyIntOrder[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 29, 30, 13, 16, 17, 18, 19,
                             20, 21, 24, 26, 27, 28, 31, 32, 22, 23, 33};
const int kCopyStringOrder[] = {14, 10, 15, 25};
}  // namespace

Settings::Settings() : m_ints{} {
    for (const SettingDef& def : kSettingDefs) {
        if (def.type == SettingType::Int) m_ints[def.id] = def.initialInt;
        else m_strings[def.id] = def.initialString;
    }
}

void Settings::ResetToLoadDefaults() {
    for (const SettingDef& def : kSettingDefs) {
        if (def.type == SettingType::Int) m_ints[def.id] = def.loadDefaultInt;
        else m_strings[def.id] = def.loadDefaultString;
    }
}

int Settings::GetInt(int id, int& out) const {
    if (!IsOfType(id, SettingType::Int)) return 0;
    out = m_ints[id];
    return 1;
}

int Settings::GetString(int id, std::string& out) const {
    if (!IsOfType(id, SettingType::String)) return 0;
    out = m_strings[id];
    return 1;
}

int Settings::SetInt(int id, int value) {
    if (!IsOfType(id, SettingType::Int)) return 0;
    m_ints[id] = value;
    return 1;
}

int Settings::SetString(int id, const std::string& value) {
    if (!IsOfType(id, SettingType::String)) return 0;
    m_strings[id] = value;
    return 1;
}

int Settings::CopyFrom(const SettingsReader& source) {
    for (int id : kCopyIntOrder) {
        int value = 0;
        if (!source.GetInt(id, value) || !SetInt(id, value)) return 0;
    }
    for (int id : kCopyStringOrder) {
        std::string value;
        if (!source.GetString(id, value) || !SetString(id, value)) return 0;
    }
    return 1;
}
