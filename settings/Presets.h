// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "settings/InstallDirectory.h"  // GetInstallDirectory, for the users of presets
#include "settings/Settings.h"

#include <string>

// Named presets are subkeys of "Presets"; the default preset (the empty name)
// keeps its values in "Presets" itself.
std::string PresetKeyPath(const std::string& presetName);

// Delivers the next preset name in the store's order and advances `cursor`
// (start at 0); 0 when there are no more.
int EnumPresets(int& cursor, std::string& name);

// Removes a named preset's key with everything below it, depth first.
int DeletePreset(const std::string& name);

// Moves a loaded record on to the next preset at each saver run: counter k
// chooses the k-th preset (k of 0 the last), stores k + 1 and saves.
int CyclePreset(Settings& settings);

// The stored form of the password: each byte XOR the key A7 E3 9C D5 B1 at
// its position mod 5; its own inverse.
std::string ScramblePassword(const std::string& text);

// The longest password the dialogs accept.
constexpr std::size_t kMaxPasswordLength = 255;

// Whether the store can keep a password whole: not too long, and no byte that
// equals the key byte at its position (it would scramble to a zero byte and
// cut the stored password short).
bool IsStorablePassword(const std::string& password);

// Whether the store gives the password back byte for byte: its stored form
// is written to a scratch key beside "Presets", read back as Load reads it,
// and the key removed. On a double-byte code page the scrambled bytes can end
// in a lone lead byte, which the registry's text conversion does not keep.
// True when the store cannot be written at all: saving then fails and says so.
bool PasswordComesBack(const std::string& password);
