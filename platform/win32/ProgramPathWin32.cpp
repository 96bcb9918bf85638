// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/ProgramPath.h"

#include <windows.h>

std::string GetProgramDirectory() {
    char path[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return ".\\";
    std::string full(path, length);
    return full.substr(0, full.find_last_of("\\/:") + 1);
}
