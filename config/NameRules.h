// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <string>
#include <vector>

// Names the user types for palette files and presets, and the preset list.

constexpr std::size_t kMaxPaletteNameLength = 64;
constexpr std::size_t kMaxPresetNameLength = 200;

// A palette name becomes a file name: only ASCII letters, digits and spaces,
// at least one letter or digit, not one of the reserved device names (CON,
// NUL, COM1...), at most kMaxPaletteNameLength characters. 1 when acceptable;
// otherwise 0 with the reason in `why`.
int CheckPaletteName(const std::string& name, std::string& why);

// A preset name becomes a registry key name: no backslash, not too long.
int CheckPresetName(const std::string& name, std::string& why);

// The text of the preset list's first entry, which stands for the default preset.
extern const char* const kDefaultPresetEntry;

// The entry of `entries` to select for the record's preset name: the first one
// beginning with the name, letters compared without regard to case; -1 when none.
int PresetEntryToSelect(const std::vector<std::string>& entries, const std::string& presetName);

// The preset name an entry stands for: the default entry (exact text) is the
// empty name, every other entry its own text.
std::string PresetNameOfEntry(const std::string& entry);
