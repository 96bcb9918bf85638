// SPDX-License-Identifier: GPL-2.0-or-later
#include "palette/PaletteFolder.h"
#include "palette/FirePalette.h"
#include "platform/FolderListing.h"
#include "platform/Paths.h"

std::vector<std::string> EnumPaletteFiles(const std::string& folder) {
    std::vector<std::string> names;
    for (const FolderEntry& entry : ListPaletteFolder(folder))
        if (entry.size == static_cast<std::uint64_t>(kPaletteFileSize)) names.push_back(entry.name);
    return names;
}

std::string PalettePathAt(const std::string& folder, const std::vector<std::string>& names, int position) {
    if (position < 1 || static_cast<std::size_t>(position) > names.size()) return std::string();
    return folder + names[static_cast<std::size_t>(position) - 1];
}

int PalettePositionOf(const std::vector<std::string>& names, const std::string& path) {
    if (path.empty()) return 0;
    const std::string name = FileNameOf(path);
    for (std::size_t i = 0; i < names.size(); ++i)
        if (SameFileName(names[i], name)) return static_cast<int>(i) + 1;
    return -1;
}
