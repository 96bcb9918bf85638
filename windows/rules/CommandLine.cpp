// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/rules/CommandLine.h"

#include <cctype>
#include <cstdlib>

SaverMode ParseSaverMode(const std::string& commandLine) {
    if (commandLine.empty()) return SaverMode::Configure;
    if (commandLine.size() < 2 || (commandLine[0] != '/' && commandLine[0] != '-')) return SaverMode::Unknown;
    switch (std::tolower(static_cast<unsigned char>(commandLine[1]))) {
    case 'c': return SaverMode::Configure;
    case 's': return SaverMode::FullScreen;
    case 'p': return SaverMode::Preview;
    case 'a': return SaverMode::ChangePassword;
    default: return SaverMode::Unknown;
    }
}

bool ParsePreviewHandle(const char* argument, unsigned long long& handle) {
    if (!argument || !std::isdigit(static_cast<unsigned char>(*argument))) return false;
    char* end = nullptr;
    handle = std::strtoull(argument, &end, 10);
    return *end == '\0' && handle != 0;
}
