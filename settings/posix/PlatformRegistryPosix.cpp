// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/InstallDirectory.h"
#include "settings/RegistryStore.h"
#include "settings/posix/FileHiveRegistry.h"

std::unique_ptr<RegistryBackend> CreatePlatformRegistry() {
    return std::make_unique<FileHiveRegistry>(FileHiveRegistry::DefaultPath(),
                                              std::string("HKEY_CURRENT_USER\\") + kApplicationKeyPath);
}

// No machine-wide registry here: the palettes installed for every user are in
// the data folder of the installation prefix, or of the system's packages.
MachineInstallSources PlatformInstallSources() {
    MachineInstallSources sources{nullptr, {EMBERLUX_SYSTEM_DATA_DIR}};
    const std::string packaged = "/usr/share/emberlux/";
    if (sources.dataFolders.front() != packaged) sources.dataFolders.push_back(packaged);
    return sources;
}
