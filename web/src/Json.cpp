// SPDX-License-Identifier: GPL-2.0-or-later
#include "web/src/Json.h"

#include <cstdio>

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + '"';
}

std::string JsonStringList(const std::vector<std::string>& texts) {
    std::string out = "[";
    for (const std::string& text : texts) out += (out.size() > 1 ? "," : "") + JsonString(text);
    return out + "]";
}
