// SPDX-License-Identifier: GPL-2.0-or-later
#include "web/src/AddressSettings.h"
#include "config/PageRules.h"
#include "platform/Paths.h"
#include "settings/LoadNormalisation.h"
#include "run/SettingOptions.h"
#include "settings/SettingsTable.h"
#include "tools/settings/SettingsDescriptions.h"

#include <climits>

namespace {
bool IsUnreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
           c == '.' || c == '~' || c == '!';
}

std::string PercentEncoded(const std::string& text) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : text) {
        if (IsUnreserved(c)) {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
    }
    return out;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// A "%" without two hexadecimal digits after it stands for itself.
std::string PercentDecoded(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int high = i + 2 < text.size() && text[i] == '%' ? HexDigit(text[i + 1]) : -1;
        const int low = high >= 0 ? HexDigit(text[i + 2]) : -1;
        if (low >= 0) {
            out += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(separator, start)) != std::string::npos; start = end + 1)
        parts.push_back(text.substr(start, end - start));
    parts.push_back(text.substr(start));
    return parts;
}

// A new installation's record: the load defaults, normalised as a load does.
Settings NewInstallation() {
    Settings settings;
    settings.ResetToLoadDefaults();
    NormaliseTextSwitch(settings);
    return settings;
}

void ApplyNumber(const SettingDef& def, const std::string& value, Settings& settings,
                 std::vector<std::string>& notices) {
    long long number = 0;
    if (!ParseWholeNumber(value, INT_MIN, INT_MAX, number)) {
        notices.push_back(std::string(def.valueName) + " wants a whole number, not \"" + value + "\": left out");
        return;
    }
    const int lowest = LowestOffered(def), highest = HighestOffered(def);
    if (number < lowest || number > highest) {
        const int clamped = number < lowest ? lowest : highest;
        notices.push_back(std::string(def.valueName) + " goes from " + std::to_string(lowest) + " to " +
                          std::to_string(highest) + ": " + value + " became " + std::to_string(clamped));
        number = clamped;
    }
    settings.SetInt(def.id, static_cast<int>(number));
}

void ApplyText(const SettingDef& def, std::string value, const std::string& paletteFolder, Settings& settings,
               std::vector<std::string>& notices) {
    if (def.id == SettingId::Palette) {
        value = value.empty() ? value : paletteFolder + FileNameOf(value);
    } else if (value.size() > kMaxFireTextLength) {
        notices.push_back(std::string(def.valueName) + " keeps at most " + std::to_string(kMaxFireTextLength) +
                          " bytes: the rest was cut");
        value.resize(kMaxFireTextLength);
    }
    settings.SetString(def.id, value);
}
}  // namespace

bool IsAddressSetting(int id) {
    const SettingDef* def = FindSettingDef(id);
    return def && OfferedBeyondWindows(*def) && id != SettingId::RunPresetCycle;
}

std::string AddressOfSettings(const Settings& settings) {
    const Settings fresh = NewInstallation();
    std::string address;
    for (const SettingDef& def : kSettingDefs) {
        if (!IsAddressSetting(def.id)) continue;
        std::string value;
        if (def.type == SettingType::Int) {
            if (IntOf(settings, def.id) == IntOf(fresh, def.id)) continue;
            value = std::to_string(IntOf(settings, def.id));
        } else {
            value = StringOf(settings, def.id);
            if (value == StringOf(fresh, def.id)) continue;
            if (def.id == SettingId::Palette) value = FileNameOf(value);
        }
        if (!address.empty()) address += '&';
        address += std::string(def.valueName) + '=' + PercentEncoded(value);
    }
    return address;
}

std::vector<std::string> ApplyAddressSettings(const std::string& address, const std::string& paletteFolder,
                                              Settings& settings) {
    std::vector<std::string> notices;
    for (const std::string& pair : Split(address, '&')) {
        if (pair.empty()) continue;
        const std::size_t equals = pair.find('=');
        const std::string name = PercentDecoded(pair.substr(0, equals));
        const SettingDef* def = FindSettingDefByName(name.c_str());
        if (!def || !IsAddressSetting(def->id) || equals == std::string::npos) {
            notices.push_back("\"" + name + "\" is no setting of the fire: left out");
            continue;
        }
        const std::string value = PercentDecoded(pair.substr(equals + 1));
        if (def->type == SettingType::Int) ApplyNumber(*def, value, settings, notices);
        else ApplyText(*def, value, paletteFolder, settings, notices);
    }
    return notices;
}
