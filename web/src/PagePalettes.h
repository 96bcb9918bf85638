// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "platform/DesktopImage.h"

#include <cstdint>
#include <string>
#include <vector>

// The palette files of the page's palette folder, by name, sorted.
std::vector<std::string> PaletteFileNames(const std::string& folder);

// Puts a palette file the user opened into the palette folder, named after
// it (letters, digits and spaces kept; ".pal" added). Refuses anything but
// 768 bytes, with the reason in `why`; the path written in `path`.
bool AddPaletteFile(const std::string& folder, const std::string& fileName, const std::string& bytes,
                    std::string& path, std::string& why);

// A picture of red, green, blue, alpha pixels, top row first, as the savers'
// photograph of the screen (blue, green, red, bottom row first); empty when
// memory runs out.
DesktopImage DesktopFromRgba(const std::uint8_t* rgba, int width, int height);
