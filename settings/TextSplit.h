// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <string>
#include <vector>

// The pieces of `text` between `separator`s, in order, the empty ones kept or
// left out.
inline std::vector<std::string> Split(const std::string& text, char separator, bool keepEmpty) {
    std::vector<std::string> pieces;
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t end = text.find(separator, start);
        if (end == std::string::npos) end = text.size();
        if (keepEmpty || end > start) pieces.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return pieces;
}

// The non-empty pieces: the lines of a FireText value, the parts of a registry key path.
inline std::vector<std::string> SplitNonEmpty(const std::string& text, char separator) {
    return Split(text, separator, false);
}
