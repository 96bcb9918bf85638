// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "settings/Settings.h"

#include <string>

// The settings table as the page's panel is generated from it: for every
// setting the page offers (those of the address, and Random), its name,
// type, scope, bounds and the value of a new installation.
std::string SettingsTableJson();

// The record's values of the settings the page offers, by name; the palette
// by its file name.
std::string RecordJson(const Settings& record);
