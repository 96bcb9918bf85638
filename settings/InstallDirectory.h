// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "settings/RegistryBackend.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

// The folder of the installed program's data (its "Palettes" folder), ending
// in a separator. Tried in order: `InstallPath` of the user's application key;
// `InstallPath` of the machine-wide application key, which installers write
// so that every user of the machine finds the palettes; the first system data
// folder holding a "Palettes" folder; the program file's own folder. A value
// counts only when it is not empty and shorter than 256 characters.
std::string GetInstallDirectory();

// Where GetInstallDirectory looks beyond the user's own store.
struct MachineInstallSources {
    // Opens the machine-wide application key for reading; null (or a null
    // result) where the platform has none.
    std::function<std::unique_ptr<RegistryBackend>()> openRegistry;
    // Folders of data installed for every user, each ending in a separator,
    // in order of preference.
    std::vector<std::string> dataFolders;
};

// This platform's sources: HKEY_LOCAL_MACHINE on Windows; the system data
// folders elsewhere.
MachineInstallSources PlatformInstallSources();

// Replaces the platform's sources (tests); an empty `openRegistry` and no
// folders restore them.
void SetMachineInstallSources(MachineInstallSources sources);
