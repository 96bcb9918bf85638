// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/TempDirectory.h"

#include <windows.h>

std::string GetTemporaryDirectory() {
    char path[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathA(sizeof path, path);
    if (length == 0 || length > MAX_PATH) return ".\\";
    return std::string(path, length);
}
