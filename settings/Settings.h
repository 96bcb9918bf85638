// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "settings/SettingIds.h"
#include "settings/SettingsReader.h"

#include <string>

// The one configuration record. Values are addressed by id; the id-to-type
// mapping comes from the settings table. The record clamps nothing.
class Settings : public SettingsReader, public SettingsWriter {
public:
    // A record holding the Initial column of the settings table.
    Settings();

    int GetInt(int id, int& out) const override;
    int GetString(int id, std::string& out) const override;
    int SetInt(int id, int value) override;
    int SetString(int id, const std::string& value) override;

    // Copies every assignable id from `source` in a fixed order; stops at the
    // first refusal and returns 0 (ids copied before keep their new values).
    int CopyFrom(const SettingsReader& source);

    // Sets every id to the default that loading uses when the store holds nothing.
    void ResetToLoadDefaults();

    // The registry operations, through the process's RegistryStore.
    // Load reads the named preset (or the store's current one) with the load
    // defaults for whatever is missing, then applies the load normalisations.
    int Load();
    int Load(const std::string& presetName);
    // Writes the whole record into the current preset and the root values;
    // stops at the first failed write. A password the store cannot keep whole
    // is refused before anything is written.
    int Save();
    // Loads the named preset; on failure falls back to the store's current one.
    int SelectPreset(const std::string& name);
    // Saves the record as the named preset, which becomes the current one.
    int SaveAs(const std::string& name);
    int GetPresetName(std::string& name) const;

private:
    int m_ints[SettingId::Count];
    std::string m_strings[SettingId::Count];
};
