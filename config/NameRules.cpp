// SPDX-License-Identifier: GPL-2.0-or-later
#include "config/NameRules.h"

#include <cctype>

const char* const kDefaultPresetEntry = "-- Default --";

static char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

static bool IsReservedDeviceName(const std::string& name) {
    std::string upper;
    for (char c : name) upper += Upper(c);
    while (!upper.empty() && upper.back() == ' ') upper.pop_back();  // the file system drops them
    if (upper == "CON" || upper == "PRN" || upper == "AUX" || upper == "NUL") return true;
    return upper.size() == 4 && (upper.compare(0, 3, "COM") == 0 || upper.compare(0, 3, "LPT") == 0) &&
           upper[3] >= '1' && upper[3] <= '9';
}

int CheckPaletteName(const std::string& name, std::string& why) {
    bool hasLetterOrDigit = false;
    for (char c : name) {
        const bool letterOrDigit = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        if (!letterOrDigit && c != ' ') {
            why = "A palette name may contain only letters, digits and spaces.";
            return 0;
        }
        hasLetterOrDigit = hasLetterOrDigit || letterOrDigit;
    }
    if (!hasLetterOrDigit) {
        why = "Please type a name for the palette.";
        return 0;
    }
    if (name.size() > kMaxPaletteNameLength) {
        why = "The palette name is too long.";
        return 0;
    }
    if (IsReservedDeviceName(name)) {
        why = "This name is reserved by the system. Please choose another one.";
        return 0;
    }
    return 1;
}

int CheckPresetName(const std::string& name, std::string& why) {
    if (name.find('\\') != std::string::npos) {
        why = "A preset name cannot contain a backslash (\\).";
        return 0;
    }
    if (name.size() > kMaxPresetNameLength) {
        why = "The preset name is too long.";
        return 0;
    }
    return 1;
}

int PresetEntryToSelect(const std::vector<std::string>& entries, const std::string& presetName) {
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const std::string& entry = entries[k];
        if (entry.size() < presetName.size()) continue;
        bool same = true;
        for (std::size_t i = 0; i < presetName.size() && same; ++i) same = Upper(entry[i]) == Upper(presetName[i]);
        if (same) return static_cast<int>(k);
    }
    return -1;
}

std::string PresetNameOfEntry(const std::string& entry) { return entry == kDefaultPresetEntry ? std::string() : entry; }
