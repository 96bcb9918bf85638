// SPDX-License-Identifier: GPL-2.0-or-later
#include "web/src/PresetFile.h"
#include "platform/Paths.h"
#include "settings/MemoryRegistry.h"
#include "settings/StoreFormat.h"
#include "settings/RegHiveFormat.h"
#include "settings/RegistryStore.h"
#include "settings/SettingsTable.h"

namespace {
const std::string kRootPath = std::string("HKEY_CURRENT_USER\\") + kApplicationKeyPath;

bool IsPresetValue(const std::string& name) {
    const SettingDef* def = FindSettingDefByName(name.c_str());
    return def && def->scope == SettingScope::Preset;
}

// Copies the preset values of `key` into the store's preset `name`; false when
// it has none or a write is refused.
bool CopyPreset(const MemoryRegistry::Key& key, const std::string& name, RegistryBackend& store, bool& refused) {
    bool copied = false;
    for (const auto& value : key.values) {
        if (!IsPresetValue(value.first)) continue;
        if (!store.SetValue(PresetKeyPath(name), value.first, value.second)) refused = true;
        copied = true;
    }
    return copied;
}
}  // namespace

std::string ExportPresetFile(const Settings& settings) {
    RegistryStore scratch(std::make_unique<MemoryRegistry>());
    std::string name;
    settings.GetPresetName(name);
    for (const SettingDef& def : kSettingDefs) {
        if (def.scope != SettingScope::Preset) continue;
        const std::string value = StringOf(settings, def.id);
        if (def.type == SettingType::Int) scratch.WriteInt(PresetKeyPath(name), def.valueName, IntOf(settings, def.id));
        else scratch.WriteString(PresetKeyPath(name), def.valueName, def.id == SettingId::Palette ? FileNameOf(value) : value);
    }
    return SerializeHive(static_cast<MemoryRegistry&>(scratch.Backend()).Root(), kRootPath);
}

std::vector<std::string> ImportPresetFile(const std::string& text, std::string& error) {
    std::vector<std::string> names;
    MemoryRegistry::Key tree;
    if (!ParseHive(text, kRootPath, tree, error)) {
        error = "this is not a preset file (" + error + ")";
        return names;
    }
    RegistryStore* store = RegistryStore::Instance();
    const MemoryRegistry::Key* presets = tree.Find("Presets");
    if (!store || !presets) {
        error = store ? "this file holds no preset of Emberlux!" : "the settings cannot be opened";
        return names;
    }
    bool refused = false;
    if (CopyPreset(*presets, "", store->Backend(), refused)) names.push_back("");
    for (const auto& preset : presets->subkeys)
        if (CopyPreset(*preset, preset->name, store->Backend(), refused)) names.push_back(preset->name);
    if (refused) error = "the browser's storage did not take every preset";
    else if (names.empty()) error = "this file holds no preset of Emberlux!";
    if (refused) names.clear();
    return names;
}
