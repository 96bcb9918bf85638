// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "settings/Settings.h"

#include <cstdint>
#include <string>
#include <vector>

// The options shared by the programs that run the fire, about the record they
// run on and its randomness: --load [PRESET], --set NAME=VALUE and --seed S.
// The argument after --load is a preset name unless it begins with a dash.
struct SettingOptions {
    bool load = false;         // --load: start from a stored record
    bool namedPreset = false;  // ... the preset named in presetName, else the current one
    std::string presetName;
    std::vector<std::string> assignments;  // every NAME=VALUE, in order
    bool hasSeed = false;
    std::uint32_t seed = 0;
};

enum class OptionTaken { No, Yes, Bad };

// When argv[i] is one of the shared options, takes it with its value and
// moves i to the last argument used. Bad leaves one line in `error`; a --set
// is checked here so that nothing runs on a mistyped command line.
OptionTaken TakeSettingOption(int argc, const char* const* argv, int& i, SettingOptions& options, std::string& error);

// Checks a NAME=VALUE assignment (known name, a number for a number) and
// appends it to the options; false with one line in `error`.
bool AddSettingAssignment(SettingOptions& options, const std::string& assignment, std::string& error);

// Loads the record --load names: the preset given, or the store's current one.
int LoadChosenRecord(const SettingOptions& options, Settings& settings);

// Applies one NAME=VALUE assignment by registry value name: integers in
// decimal (may be negative), strings verbatim with the two characters \n
// standing for a line feed.
bool ApplySettingAssignment(Settings& settings, const std::string& assignment, std::string& error);
bool ApplySettingAssignments(Settings& settings, const std::vector<std::string>& assignments, std::string& error);

// A decimal whole number from min to max, nothing else in the text.
bool ParseWholeNumber(const std::string& text, long long min, long long max, long long& out);
