// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "settings/Settings.h"

#include <string>
#include <vector>

// A preset file in the Registry Editor's format (REGEDIT4, the keys of the
// Windows registry), as the savers keep their presets: regedit imports it on
// Windows, and on Linux it can be the hive file itself or be pasted into it.

// The preset settings of the record under its preset's key (the default
// preset's values go into "Presets" itself); the palette by its file name.
std::string ExportPresetFile(const Settings& settings);

// Copies every preset of a preset file (the default preset's values in
// "Presets", each named preset below it) into the process's store, preset
// settings only; anything else in the file is left out. Returns the names
// copied ("" for the default preset), in file order; none, with the reason in
// `error`, when the text is no hive, holds no preset or the store refuses.
std::vector<std::string> ImportPresetFile(const std::string& text, std::string& error);
