// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/ColourCycling.h"

#include <algorithm>
#include <cmath>

// Every step is rounded to single precision, in the order written.
HslColour RgbToHsl(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    const int r = red, g = green, b = blue;
    const int max = std::max({r, g, b});
    const int min = std::min({r, g, b});
    HslColour colour{0.0f, 0.0f, static_cast<float>(max + min) / 510.0f};
    if (max == min) return colour;
    const float d = static_cast<float>(max - min);
    colour.saturation = colour.lightness <= 0.5f ? d / static_cast<float>(max + min)
                                                 : d / static_cast<float>(510 - max - min);
    if (max == r) {
        colour.hue = 60.0f * (6.0f + static_cast<float>(g - b) / d);
        if (colour.hue > 360.0f) colour.hue -= 360.0f;
    }
    if (max == g) colour.hue = 60.0f * (2.0f + static_cast<float>(b - r) / d);
    if (max == b) colour.hue = 60.0f * (4.0f + static_cast<float>(r - g) / d);
    return colour;
}

namespace {
float HueToComponent(float p, float q, float h) {
    if (h < 0.0f) h += 360.0f;
    else if (h > 360.0f) h -= 360.0f;
    if (h < 60.0f) return p + ((q - p) * h) / 60.0f;
    if (h < 180.0f) return q;
    if (h < 240.0f) return p + ((q - p) * (240.0f - h)) / 60.0f;
    return p;
}

std::uint8_t ToByte(float v) { return static_cast<std::uint8_t>(static_cast<int>(v * 255.0f)); }
}  // namespace

void HslToRgb(const HslColour& colour, std::uint8_t& red, std::uint8_t& green, std::uint8_t& blue) {
    const float l = colour.lightness, s = colour.saturation;
    if (s == 0.0f) {
        red = green = blue = ToByte(l);
        return;
    }
    const float q = l <= 0.5f ? l * (1.0f + s) : (l + s) - l * s;
    const float p = 2.0f * l - q;
    red = ToByte(HueToComponent(p, q, colour.hue + 120.0f));
    green = ToByte(HueToComponent(p, q, colour.hue));
    blue = ToByte(HueToComponent(p, q, colour.hue - 120.0f));
}

void CyclePaletteHues(FirePalette& palette, long long frame) {
    for (int i = 0; i < 256; ++i) {
        PaletteEntry& entry = palette.entries[i];
        HslColour colour = RgbToHsl(entry.red, entry.green, entry.blue);
        const float turned = colour.hue + static_cast<float>(frame);
        const double shifted = static_cast<double>(turned) + 100 * std::sin((i + 1) * 0.01);
        colour.hue = static_cast<float>(static_cast<long long>(shifted) % 360);
        HslToRgb(colour, entry.red, entry.green, entry.blue);
    }
}
