// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/InstallDirectory.h"
#include "settings/RegistryStore.h"
#include "settings/win32/Win32Registry.h"

std::unique_ptr<RegistryBackend> CreatePlatformRegistry() {
    return std::make_unique<Win32Registry>(kApplicationKeyPath);
}

MachineInstallSources PlatformInstallSources() {
    return MachineInstallSources{
        [] { return std::make_unique<Win32Registry>(kApplicationKeyPath, Win32Registry::Hive::LocalMachineReadOnly); },
        {}};
}
