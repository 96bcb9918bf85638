// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <string>
#include <vector>

// The names (name and extension) of the palette files of `folder`: files
// matching "*.pal" of exactly 768 bytes, in enumeration order, unsorted.
std::vector<std::string> EnumPaletteFiles(const std::string& folder);

// The path of the palette at `position` (counting from 1) of a listed set of
// names, or an empty string when there is no such position.
std::string PalettePathAt(const std::string& folder, const std::vector<std::string>& names, int position);

// The position of `path` among listed names: 0 for the empty path (the
// built-in palette), k for the first name matching the path's file name and
// extension (case ignored, folders ignored), -1 when none matches.
int PalettePositionOf(const std::vector<std::string>& names, const std::string& path);
