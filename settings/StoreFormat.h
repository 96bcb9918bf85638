// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <cstddef>
#include <string>

// How the settings lie in the store: the root key, one subkey of it per named
// preset, and the password scrambled.

// The key of the application-wide values and the default preset.
constexpr const char* kPresetsKey = "Presets";

// Named presets are subkeys of "Presets"; the default preset (the empty name)
// keeps its values in "Presets" itself.
std::string PresetKeyPath(const std::string& presetName);

// The stored form of the password: each byte XOR the key A7 E3 9C D5 B1 at
// its position mod 5; its own inverse.
std::string ScramblePassword(const std::string& text);

// The longest password the dialogs accept.
constexpr std::size_t kMaxPasswordLength = 255;

// Whether the store can keep a password whole: not too long, and no byte that
// equals the key byte at its position (it would scramble to a zero byte and
// cut the stored password short).
bool IsStorablePassword(const std::string& password);
