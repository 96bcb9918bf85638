// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct FolderEntry {
    std::string name;  // name and extension, as the file system gives them
    std::uint64_t size;
};

// The files of `folder` (ending in a separator) whose names match `*.pal`,
// ignoring case, in the order the file system enumerates them. A missing
// folder yields nothing.
std::vector<FolderEntry> ListPaletteFolder(const std::string& folder);

// Whether `path` names an existing folder.
bool FolderExists(const std::string& path);

// Whether two file names are the same name for this platform's file system
// (case ignored, multi-byte characters respected).
bool SameFileName(const std::string& a, const std::string& b);
