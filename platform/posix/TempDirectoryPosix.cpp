// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/TempDirectory.h"

#include <cstdlib>

std::string GetTemporaryDirectory() {
    const char* dir = std::getenv("TMPDIR");
    std::string path = dir && *dir ? dir : "/tmp";
    if (path.back() != '/') path += '/';
    return path;
}
