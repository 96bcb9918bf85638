// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/posix/FileHiveRegistry.h"
#include "tests/ScratchRegistry.h"
#include "tests/TestSupport.h"

RegistryStore::BackendFactory ScratchPlatformRegistry(const std::string& name) {
    const std::string path = FreshTestFolder("hive-" + name) + "registry.reg";
    return [path] {
        return std::make_unique<FileHiveRegistry>(path, "HKEY_CURRENT_USER\\Software\\Norvane\\Emberlux!");
    };
}

void RemoveScratchPlatformRegistry(const std::string&) {}
