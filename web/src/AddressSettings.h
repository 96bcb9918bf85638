// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "settings/Settings.h"

#include <string>
#include <vector>

// The page's address carries the settings of the fire that differ from a new
// installation's, as "Name=Value" pairs joined by "&" after the "#" (for
// example "FireWorkCount=12&CycleColors=1"), each value percent-encoded. So a
// link shares a fire.

// Whether the address carries a setting: every one the savers beyond Windows
// offer (the look and sound of the fire: the settings of a preset, the render
// scale, Mute) but Random, which is the browser's own store's; not the store's
// other values, nor the password.
bool IsAddressSetting(int id);

// The address text of the record: its address settings that differ from a new
// installation's, in table order; the palette by its file name.
std::string AddressOfSettings(const Settings& settings);

// Applies the pairs of an address text (without its "#") to the record, in
// order. A number outside a setting's offered range is clamped, a string too long is
// cut, and a value of the wrong type or an unknown name is dropped; each such
// repair leaves one notice. A palette names a file of `paletteFolder`.
std::vector<std::string> ApplyAddressSettings(const std::string& address, const std::string& paletteFolder,
                                              Settings& settings);
