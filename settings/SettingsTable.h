// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <cstddef>

// The one definition of every setting: id, registry value name, type, scope,
// the value after construction and the default used when loading finds nothing.
enum class SettingType { Int, String };
enum class SettingScope { Root, Preset, Derived };

struct SettingDef {
    int id;
    const char* valueName;  // null for the derived id 8, which is never stored
    SettingType type;
    SettingScope scope;
    int initialInt;
    const char* initialString;
    int loadDefaultInt;
    const char* loadDefaultString;
};

// Every id from 0 to 33 but the unassigned 12.
constexpr std::size_t kSettingDefCount = 33;
extern const SettingDef kSettingDefs[kSettingDefCount];

// The definition of `id`, or null when the id is not assigned.
const SettingDef* FindSettingDef(int id);
// The definition stored under a registry value name, or null.
const SettingDef* FindSettingDefByName(const char* valueName);
