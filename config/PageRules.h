// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <string>
#include <vector>

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
