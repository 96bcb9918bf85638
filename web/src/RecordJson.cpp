// SPDX-License-Identifier: GPL-2.0-or-later
#include "web/src/RecordJson.h"
#include "platform/Paths.h"
#include "settings/SettingsTable.h"
#include "tools/settings/SettingsDescriptions.h"
#include "web/src/Json.h"

std::string RecordJson(const Settings& record) {
    std::string out = "{";
    for (const SettingDef& def : kSettingDefs) {
        if (!OfferedBeyondWindows(def)) continue;
        if (out.size() > 1) out += ',';
        out += JsonString(def.valueName) + ':';
        const std::string value = StringOf(record, def.id);
        if (def.type == SettingType::Int) out += std::to_string(IntOf(record, def.id));
        else out += JsonString(def.id == SettingId::Palette ? FileNameOf(value) : value);
    }
    return out + "}";
}
