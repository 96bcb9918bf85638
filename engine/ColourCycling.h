// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "palette/FirePalette.h"

#include <cstdint>

// Hue in degrees (0..360), saturation and lightness (0..1), single precision.
struct HslColour {
    float hue;
    float saturation;
    float lightness;
};

HslColour RgbToHsl(std::uint8_t red, std::uint8_t green, std::uint8_t blue);
void HslToRgb(const HslColour& colour, std::uint8_t& red, std::uint8_t& green, std::uint8_t& blue);

// Turns every entry around the hue circle: by `frame` degrees plus a fixed
// offset of 100 x sin((i + 1) x 0.01) for entry i.
void CyclePaletteHues(FirePalette& palette, long long frame);
