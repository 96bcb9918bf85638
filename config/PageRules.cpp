// SPDX-License-Identifier: GPL-2.0-or-later
#include "config/PageRules.h"
#include "settings/TextSplit.h"

#include <cstdio>

std::string FormatValueLabel(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    return text;
}

std::string FormatRangeLabel(int minimum, int maximum) {
    char text[32];
    std::snprintf(text, sizeof text, "%d-%d", minimum, maximum);
    return text;
}

std::string FormatPercentOrOff(int percent) {
    if (percent == 0) return "Off";
    char text[16];
    std::snprintf(text, sizeof text, "%d%%", percent);
    return text;
}

void ApplyMinMaxRule(bool minimumMoved, int& minimum, int& maximum) {
    if (minimumMoved) {
        if (maximum < minimum) maximum = minimum;
    } else if (minimum > maximum) {
        minimum = maximum;
    }
}

std::vector<std::string> FireTextToLines(const std::string& text) { return SplitNonEmpty(text, '\n'); }

std::string LinesToFireText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

bool FitsInFireText(const std::vector<std::string>& lines, const std::string& line) {
    return LinesToFireText(lines).size() + line.size() + 1 <= kMaxFireTextLength;
}

int ReadIntSettings(const SettingsReader& reader, const IntSetting* settings, std::size_t count, bool eachOnItsOwn) {
    for (std::size_t i = 0; i < count; ++i)
        if (!reader.GetInt(settings[i].id, settings[i].value) && !eachOnItsOwn) return 0;
    return 1;
}

int WriteIntSettings(SettingsWriter& writer, const IntSetting* settings, std::size_t count, bool eachOnItsOwn) {
    for (std::size_t i = 0; i < count; ++i)
        if (!writer.SetInt(settings[i].id, settings[i].value) && !eachOnItsOwn) return 0;
    return 1;
}
