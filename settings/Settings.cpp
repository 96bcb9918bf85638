// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/Settings.h"
#include "settings/SettingsTable.h"

namespace {
bool IsOfType(int id, SettingType type) {
    const SettingDef* def = FindSettingDef(id);
    return def && def->type == type;
}
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
    for (int rank = 1; const SettingDef* def = SettingCopiedAt(rank); ++rank) {
        if (def->type == SettingType::Int) {
            int value = 0;
            if (!source.GetInt(def->id, value) || !SetInt(def->id, value)) return 0;
        } else {
            std::string value;
            if (!source.GetString(def->id, value) || !SetString(def->id, value)) return 0;
        }
    }
    return 1;
}
