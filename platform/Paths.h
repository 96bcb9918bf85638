// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <string>

// Folder separator of the platform's paths and the palette folder's name with it.
#ifdef _WIN32
#define EMBERLUX_PATH_SEPARATOR "\\"
#else
#define EMBERLUX_PATH_SEPARATOR "/"
#endif

constexpr const char* kPathSeparator = EMBERLUX_PATH_SEPARATOR;
constexpr const char* kPaletteFolderName = "Palettes" EMBERLUX_PATH_SEPARATOR;

// True for the characters that end a folder in a path of this platform.
inline bool IsPathSeparator(char c) {
#ifdef _WIN32
    return c == '\\' || c == '/' || c == ':';
#else
    return c == '/';
#endif
}

// The file name and extension of a path.
inline std::string FileNameOf(const std::string& path) {
    std::size_t start = path.size();
    while (start > 0 && !IsPathSeparator(path[start - 1])) --start;
    return path.substr(start);
}
