// SPDX-License-Identifier: GPL-2.0-or-later
#include "web/src/PagePresets.h"
#include "config/NameRules.h"
#include "settings/Presets.h"
#include "settings/StoreFormat.h"
#include "settings/RegistryStore.h"
#include "settings/SettingsTable.h"

std::vector<std::string> StoredPresetNames() {
    std::vector<std::string> names;
    std::string name;
    for (int cursor = 0; EnumPresets(cursor, name);) names.push_back(name);
    return names;
}

int SavePreset(Settings& record) {
    std::string name;
    record.GetPresetName(name);
    return record.SaveAs(name);
}

int SavePresetAs(Settings& record, const std::string& name, std::string& why) {
    if (!CheckPresetName(name, why)) return 0;
    if (record.SaveAs(name)) return 1;
    why = "The preset could not be stored.";
    return 0;
}

int DeleteCurrentPreset(Settings& record) {
    std::string name;
    record.GetPresetName(name);
    if (name.empty() || !record.SelectPreset("")) return 0;
    return DeletePreset(name);
}

int SetPresetCycling(Settings& record, int on) {
    record.SetInt(SettingId::RunPresetCycle, on ? 1 : 0);
    record.SetInt(SettingId::PrevRunPreset, 0);
    RegistryStore* store = RegistryStore::Instance();
    return store && store->WriteInt(kPresetsKey, FindSettingDef(SettingId::RunPresetCycle)->valueName, on ? 1 : 0) &&
           store->WriteInt(kPresetsKey, FindSettingDef(SettingId::PrevRunPreset)->valueName, 0);
}
