// SPDX-License-Identifier: GPL-2.0-or-later
#include "web/src/SettingsJson.h"
#include "palette/PaletteFolder.h"
#include "settings/SettingBounds.h"
#include "settings/SettingsTable.h"
#include "web/src/AddressSettings.h"
#include "web/src/Json.h"

namespace {
bool IsOffered(const SettingDef& def) { return IsAddressSetting(def.id) || def.id == SettingId::RunPresetCycle; }

std::string ValueJson(const SettingDef& def, const Settings& record) {
    if (def.type == SettingType::Int) {
        int value = 0;
        record.GetInt(def.id, value);
        return std::to_string(value);
    }
    std::string value;
    record.GetString(def.id, value);
    return JsonString(def.id == SettingId::Palette ? FileNameOf(value) : value);
}
}  // namespace

std::string SettingsTableJson() {
    Settings fresh;
    fresh.ResetToLoadDefaults();
    std::string out = "[";
    for (const SettingDef& def : kSettingDefs) {
        if (!IsOffered(def)) continue;
        if (out.size() > 1) out += ',';
        out += "{\"id\":" + std::to_string(def.id) + ",\"name\":" + JsonString(def.valueName) + ",\"type\":\"" +
               (def.type == SettingType::Int ? "int" : "string") + "\",\"scope\":\"" +
               (def.scope == SettingScope::Preset ? "preset" : "root") + "\",\"default\":" + ValueJson(def, fresh);
        if (const SettingBounds* bounds = FindSettingBounds(def.id))
            out += ",\"min\":" + std::to_string(bounds->min) + ",\"max\":" + std::to_string(bounds->max);
        out += '}';
    }
    return out + "]";
}

std::string RecordJson(const Settings& record) {
    std::string out = "{";
    for (const SettingDef& def : kSettingDefs) {
        if (!IsOffered(def)) continue;
        if (out.size() > 1) out += ',';
        out += JsonString(def.valueName) + ':' + ValueJson(def, record);
    }
    return out + "}";
}
