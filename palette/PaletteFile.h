// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "palette/FirePalette.h"

#include <string>

// Reads 768 bytes of red, green, blue triples from a palette file into bytes
// 0..2 of the entries; bytes past the end of a short file read as 255 and the
// spare bytes are left as they were. Returns 0, leaving `dest` unchanged,
// when the file cannot be opened.
int ReadPalette(FirePalette& dest, const std::string& path);

// The same from the built-in resource of type "PALETTE" with `resourceId`;
// returns 0 when the resource cannot be found.
int ReadPalette(FirePalette& dest, int resourceId);

enum class PaletteWriteMode {
    NewFile,       // create the file or empty an existing one
    ExistingFile,  // overwrite the first 768 bytes of an existing file
};

// Writes bytes 0..2 of every entry. Returns 1 when all 768 bytes were written;
// on failure a new file is deleted, an existing one is left as far as it got.
int WritePaletteFile(const std::string& path, const FirePalette& palette, PaletteWriteMode mode);

// Rebuilds the palette as 32 fire colours (entries 8g) times 8 desktop
// brightness steps of 32 x percent / 100 per component, limited to 255.
int ApplyDesktopBlend(FirePalette& palette, int percent);
