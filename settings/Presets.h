// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "settings/Settings.h"

#include <string>

// The operations on named presets, above the record: listing, deleting and
// moving on to the next one at each run.

// Delivers the next preset name in the store's order and advances `cursor`
// (start at 0); 0 when there are no more.
int EnumPresets(int& cursor, std::string& name);

// Removes a named preset's key with everything below it, depth first.
int DeletePreset(const std::string& name);

// Moves a loaded record on to the next preset at each saver run: counter k
// chooses the k-th preset (k of 0 the last), stores k + 1 and saves.
int CyclePreset(Settings& settings);

// Whether the store gives the password back byte for byte: its stored form
// is written to a scratch key beside "Presets", read back as Load reads it,
// and the key removed. On a double-byte code page the scrambled bytes can end
// in a lone lead byte, which the registry's text conversion does not keep.
// True when the store cannot be written at all: saving then fails and says so.
bool PasswordComesBack(const std::string& password);
