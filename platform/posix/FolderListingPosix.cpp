// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/FolderListing.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

namespace {
bool HasPalExtension(const std::string& name) {
    return name.size() >= 4 && strcasecmp(name.c_str() + name.size() - 4, ".pal") == 0;
}
}  // namespace

std::vector<FolderEntry> ListPaletteFolder(const std::string& folder) {
    std::vector<FolderEntry> entries;
    DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) return entries;
    while (const dirent* item = readdir(dir)) {
        const std::string name = item->d_name;
        struct stat info {};
        if (!HasPalExtension(name) || stat((folder + name).c_str(), &info) != 0 || !S_ISREG(info.st_mode))
            continue;
        entries.push_back(FolderEntry{name, static_cast<std::uint64_t>(info.st_size)});
    }
    closedir(dir);
    return entries;
}

bool SameFileName(const std::string& a, const std::string& b) {
    return strcasecmp(a.c_str(), b.c_str()) == 0;
}

bool FolderExists(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}
