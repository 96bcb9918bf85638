// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <cstdint>

// One colour of the palette, laid out as the platform's palette entry.
struct PaletteEntry {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    std::uint8_t spare;  // carries no colour; never stored in a palette file
};

// 256 colours, entry i the colour of heat value i; copied whole as 1024 bytes.
struct FirePalette {
    PaletteEntry entries[256];
};
static_assert(sizeof(FirePalette) == 1024, "a palette is one 1024-byte block");

constexpr int kBuiltInPaletteId = 135;
constexpr int kPaletteFileSize = 768;
