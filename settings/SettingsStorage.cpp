// SPDX-License-Identifier: GPL-2.0-or-later
// Load, Save and the preset selection of the settings record.
#include "platform/Paths.h"
#include "settings/InstallDirectory.h"
#include "settings/LoadNormalisation.h"
#include "settings/RegistryStore.h"
#include "settings/Settings.h"
#include "settings/SettingsTable.h"
#include "settings/StoreFormat.h"

namespace {

// Where Load finds the display size and the install directory.
class StoreEnvironment : public LoadEnvironment {
public:
    DisplaySize GetDisplaySize() const override { return ::GetDisplaySize(); }
    std::string GetInstallDirectory() const override { return ::GetInstallDirectory(); }
};
}  // namespace

int Settings::Load() {
    RegistryStore* store = RegistryStore::Instance();
    if (!store) return 0;
    return Load(store->ReadString(kPresetsKey, "CurrentPreset", ""));
}

int Settings::Load(const std::string& presetName) {
    RegistryStore* store = RegistryStore::Instance();
    if (!store) return 0;
    SetString(SettingId::CurrentPreset, presetName);
    const std::string presetKey = PresetKeyPath(presetName);
    for (const SettingDef& def : kSettingDefs) {
        if (def.scope == SettingScope::Derived || def.id == SettingId::CurrentPreset) continue;
        const std::string key = def.scope == SettingScope::Root ? kPresetsKey : presetKey;
        if (def.type == SettingType::Int) SetInt(def.id, store->ReadInt(key, def.valueName, def.loadDefaultInt));
        else SetString(def.id, store->ReadString(key, def.valueName, def.loadDefaultString));
    }
    SetString(SettingId::Password, ScramblePassword(m_strings[SettingId::Password]));
    NormaliseLoadedSettings(*this, StoreEnvironment());
    return 1;
}

int Settings::Save() {
    RegistryStore* store = RegistryStore::Instance();
    if (!store || !IsStorablePassword(m_strings[SettingId::Password])) return 0;
    const std::string presetKey = PresetKeyPath(m_strings[SettingId::CurrentPreset]);
    for (int rank = 1; const SettingDef* saved = SettingSavedAt(rank); ++rank) {
        const SettingDef& def = *saved;
        const int id = def.id;
        const std::string key = def.scope == SettingScope::Root ? kPresetsKey : presetKey;
        if (id == SettingId::FireBallInFireWorkMax) NormaliseBurstBounds(*this);
        int written = 0;
        if (id == SettingId::XRes || id == SettingId::YRes) {
            // "Current" resolution stays current: the display may change before the next run.
            written = store->WriteInt(key, def.valueName, m_ints[SettingId::ResolutionIsCurrent] ? 0 : m_ints[id]);
        } else if (id == SettingId::Palette) {
            written = store->WriteString(key, def.valueName, FileNameOf(m_strings[id]));
        } else if (id == SettingId::Password) {
            written = store->WriteString(key, def.valueName, ScramblePassword(m_strings[id]));
        } else if (def.type == SettingType::Int) {
            written = store->WriteInt(key, def.valueName, m_ints[id]);
        } else {
            written = store->WriteString(key, def.valueName, m_strings[id]);
        }
        if (!written) return 0;
    }
    return 1;
}

int Settings::SelectPreset(const std::string& name) {
    const std::string previous = m_strings[SettingId::CurrentPreset];
    SetString(SettingId::CurrentPreset, name);
    if (Load(name)) return 1;
    SetString(SettingId::CurrentPreset, previous);
    Load();
    return 0;
}

int Settings::SaveAs(const std::string& name) {
    const std::string previous = m_strings[SettingId::CurrentPreset];
    SetString(SettingId::CurrentPreset, name);
    if (name == previous) return Save();
    if (Save()) return 1;
    SetString(SettingId::CurrentPreset, previous);
    return 0;
}

int Settings::GetPresetName(std::string& name) const {
    name = m_strings[SettingId::CurrentPreset];
    return 1;
}
