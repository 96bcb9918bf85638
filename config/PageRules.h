// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "settings/SettingsReader.h"

#include <cstddef>
#include <initializer_list>
#include <string>
#include <vector>

// A page's member that shows an integer setting.
struct IntSetting {
    int id;
    int& value;
};
// Reads `count` settings into their members in order. By default the first
// refused read stops the others and gives 0; `eachOnItsOwn` tries every one
// (a refused read keeps its member's value) and gives 1.
int ReadIntSettings(const SettingsReader& reader, const IntSetting* settings, std::size_t count, bool eachOnItsOwn);
// Writes the members into the settings, the same way.
int WriteIntSettings(SettingsWriter& writer, const IntSetting* settings, std::size_t count, bool eachOnItsOwn);
inline int ReadIntSettings(const SettingsReader& reader, std::initializer_list<IntSetting> settings) {
    return ReadIntSettings(reader, settings.begin(), settings.size(), false);
}
inline int WriteIntSettings(SettingsWriter& writer, std::initializer_list<IntSetting> settings) {
    return WriteIntSettings(writer, settings.begin(), settings.size(), false);
}

// Value labels beside the sliders.
std::string FormatValueLabel(int value);                  // "%d"
std::string FormatRangeLabel(int minimum, int maximum);   // "%d-%d"
std::string FormatPercentOrOff(int percent);              // "Off" for 0, else "%d%%"

// The Min and Max rule of the firework size sliders: after the minimum
// slider moved (`minimumMoved`), a smaller maximum follows it up; after the
// maximum moved, a greater minimum follows it down.
void ApplyMinMaxRule(bool minimumMoved, int& minimum, int& maximum);

// The text page's list and the FireText setting: each line followed by "\n".
std::vector<std::string> FireTextToLines(const std::string& text);
std::string LinesToFireText(const std::vector<std::string>& lines);

// The record keeps at most this many bytes of FireText.
constexpr std::size_t kMaxFireTextLength = 255;

// Whether `line` can be appended to `lines` without the stored text growing
// past kMaxFireTextLength.
bool FitsInFireText(const std::vector<std::string>& lines, const std::string& line);
