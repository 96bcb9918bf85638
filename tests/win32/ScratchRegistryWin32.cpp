// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/win32/Win32Registry.h"
#include "tests/ScratchRegistry.h"

namespace {
std::string ScratchKey(const std::string& name) { return "Software\\EmberluxTests\\" + name; }
}  // namespace

RegistryStore::BackendFactory ScratchPlatformRegistry(const std::string& name) {
    RemoveScratchPlatformRegistry(name);
    const std::string key = ScratchKey(name);
    return [key] { return std::make_unique<Win32Registry>(key); };
}

void RemoveScratchPlatformRegistry(const std::string& name) {
    RegDeleteTreeA(HKEY_CURRENT_USER, ScratchKey(name).c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, ScratchKey(name).c_str());
}
