// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/Presets.h"
#include "settings/RegistryStore.h"
#include "settings/StoreFormat.h"

namespace {
// Where PasswordComesBack tries a password, beside the presets.
const char* const kPasswordCheckKey = "PasswordCheck";

bool DeleteTree(RegistryBackend& registry, const std::string& key) {
    int count = 0;
    while (registry.CountSubkeys(key, count) && count > 0) {
        std::string child;
        if (registry.SubkeyName(key, 0, child) != RegistryBackend::EnumResult::Ok) return false;
        if (!DeleteTree(registry, key + "\\" + child)) return false;
    }
    return registry.DeleteKey(key);
}
}  // namespace

int EnumPresets(int& cursor, std::string& name) {
    RegistryStore* store = RegistryStore::Instance();
    if (!store) return 0;
    RegistryBackend& registry = store->Backend();
    int count = 0;
    if (!registry.CreateKey(kPresetsKey) || !registry.CountSubkeys(kPresetsKey, count) || cursor < 0 ||
        cursor >= count)
        return 0;
    std::string found;
    if (registry.SubkeyName(kPresetsKey, cursor, found) != RegistryBackend::EnumResult::Ok) return 0;
    name = found;
    ++cursor;
    std::string skipped;
    while (cursor < count && registry.SubkeyName(kPresetsKey, cursor, skipped) == RegistryBackend::EnumResult::Failed)
        ++cursor;
    return 1;
}

int DeletePreset(const std::string& name) {
    RegistryStore* store = RegistryStore::Instance();
    if (!store || name.empty()) return 0;  // the default preset is "Presets" itself
    RegistryBackend& registry = store->Backend();
    int count = 0;
    const std::string key = PresetKeyPath(name);
    if (!registry.CreateKey(kPresetsKey) || !registry.CountSubkeys(key, count)) return 0;
    return DeleteTree(registry, key) ? 1 : 0;
}

int CyclePreset(Settings& settings) {
    int cycle = 0;
    settings.GetInt(SettingId::RunPresetCycle, cycle);
    if (cycle == 0) return 1;
    int k = 0;
    settings.GetInt(SettingId::PrevRunPreset, k);
    int count = 0;
    std::string name;
    for (int cursor = 0; EnumPresets(cursor, name);) ++count;
    k = count == 0 ? 0 : k % (count + 1);
    std::string chosen;
    if (count >= 1) {
        int cursor = 0;
        for (int position = 1; position <= count && EnumPresets(cursor, name); ++position) {
            chosen = name;
            if (position == k) break;
        }
    }
    if (!settings.SelectPreset(chosen)) return 0;
    settings.SetInt(SettingId::PrevRunPreset, k + 1);
    settings.Save();
    return 1;
}

bool PasswordComesBack(const std::string& password) {
    RegistryStore* store = RegistryStore::Instance();
    const std::string stored = ScramblePassword(password);
    if (!store || !store->WriteString(kPasswordCheckKey, "Password", stored)) return true;
    const std::string back = store->ReadString(kPasswordCheckKey, "Password", "");
    store->Backend().DeleteKey(kPasswordCheckKey);
    return back == stored;
}
