// SPDX-License-Identifier: GPL-2.0-or-later
// The settings hive as a user or another program may leave it: whatever
// parses saves and parses back to the same keys and values, and a record
// loads from it, cycles its presets and saves into it.
#include "settings/MemoryRegistry.h"
#include "settings/Presets.h"
#include "settings/RegHiveFormat.h"
#include "settings/RegistryStore.h"
#include "settings/Settings.h"

#include <cstdlib>

namespace {
const std::string kRoot = "HKEY_CURRENT_USER\\Software\\Norvane\\Emberlux!";

bool SameTree(const MemoryRegistry::Key& a, const MemoryRegistry::Key& b) {
    if (a.name != b.name || a.values.size() != b.values.size() || a.subkeys.size() != b.subkeys.size()) return false;
    for (std::size_t i = 0; i < a.values.size(); ++i)
        if (a.values[i].first != b.values[i].first || a.values[i].second.type != b.values[i].second.type ||
            a.values[i].second.data != b.values[i].second.data)
            return false;
    for (std::size_t i = 0; i < a.subkeys.size(); ++i)
        if (!SameTree(*a.subkeys[i], *b.subkeys[i])) return false;
    return true;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    MemoryRegistry::Key tree;
    std::string error;
    if (!ParseHive(text, kRoot, tree, error)) return 0;
    MemoryRegistry::Key again;
    if (!ParseHive(SerializeHive(tree, kRoot), kRoot, again, error) || !SameTree(tree, again)) std::abort();

    RegistryStore::SetBackendFactory([&tree] {
        auto registry = std::make_unique<MemoryRegistry>();
        registry->Root() = tree.Clone();
        return registry;
    });
    Settings settings;
    if (settings.Load()) {
        CyclePreset(settings);
        settings.Save();
    }
    RegistryStore::SetBackendFactory(nullptr);
    return 0;
}
