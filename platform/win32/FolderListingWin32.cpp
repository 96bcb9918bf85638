// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/FolderListing.h"

#include <windows.h>

std::vector<FolderEntry> ListPaletteFolder(const std::string& folder) {
    std::vector<FolderEntry> entries;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "*.pal").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return entries;
    do {
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        const std::uint64_t size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        entries.push_back(FolderEntry{data.cFileName, size});
    } while (FindNextFileA(find, &data));
    FindClose(find);
    return entries;
}

bool SameFileName(const std::string& a, const std::string& b) {
    return CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) == CSTR_EQUAL;
}

bool FolderExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}
