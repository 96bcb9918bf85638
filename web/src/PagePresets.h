// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "settings/Settings.h"

#include <string>
#include <vector>

// The page's presets, run as the configuration sheet's preset list and
// toolbar run them, on the page's record and the process's store.

// The names of the stored presets, in the store's order (the default preset,
// which has no name, not among them).
std::vector<std::string> StoredPresetNames();
// Save: the record into its current preset, written at once.
int SavePreset(Settings& record);
// Save as: checks the name as the sheet's prompt does (1 or 0 with the reason
// in `why`), then writes the record as that preset, which becomes current.
int SavePresetAs(Settings& record, const std::string& name, std::string& why);
// Delete: the default preset becomes current and is loaded, then the old
// current preset is removed; nothing happens while the default is current.
int DeleteCurrentPreset(Settings& record);
// Random: moving on to the next preset at each visit, stored at once, with the
// cycle's count started again.
int SetPresetCycling(Settings& record, int on);
