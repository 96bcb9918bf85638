// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <string>

// Read side of a settings record: typed getters addressed by setting id.
// Each returns 1 and writes `out` for a known id of that type, 0 otherwise.
class SettingsReader {
public:
    virtual ~SettingsReader() = default;
    virtual int GetInt(int id, int& out) const = 0;
    virtual int GetString(int id, std::string& out) const = 0;
};

// The value of `id`, or `fallback` (an empty string) where the reader has none.
inline int IntOf(const SettingsReader& settings, int id, int fallback = 0) {
    int value = fallback;
    settings.GetInt(id, value);
    return value;
}

inline std::string StringOf(const SettingsReader& settings, int id) {
    std::string value;
    settings.GetString(id, value);
    return value;
}

// Write side of a settings record: typed setters addressed by setting id.
class SettingsWriter {
public:
    virtual ~SettingsWriter() = default;
    virtual int SetInt(int id, int value) = 0;
    virtual int SetString(int id, const std::string& value) = 0;
};
