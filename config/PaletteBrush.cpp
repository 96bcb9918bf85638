// SPDX-License-Identifier: GPL-2.0-or-later
#include "config/PaletteBrush.h"

#include <algorithm>
#include <cmath>

double BrushWeight(int distance) {
    if (distance < -kBrushRadius || distance > kBrushRadius) return 0.0;
    const double half = (std::cos(distance * 3.1415926535898 * 0.05) + 1.0) * 0.5;
    return half * half * half;
}

int PointToCentreAndLevel(int x, int y, int left, int top, int right, int bottom, int& centre, int& level) {
    if (right - left <= 0 || bottom - top <= 0) return 0;
    // Truncation toward zero, then the clamp: positions outside the area
    // (the mouse is captured while dragging) land on the ends.
    const int c = static_cast<int>(static_cast<double>(x - left) / (right - left) * 255.0);
    const int l = static_cast<int>(static_cast<double>(bottom - y) / (bottom - top) * 255.0);
    centre = std::clamp(c, 0, 255);
    level = std::clamp(l, 0, 255);
    return 1;
}

static void PullToward(std::uint8_t& value, int level, double weight) {
    value = static_cast<std::uint8_t>(value + static_cast<int>((level - value) * weight));
}

void ApplyBrush(FirePalette& palette, int channel, int centre, int level) {
    const int first = std::max(0, centre - kBrushRadius);
    const int last = std::min(255, centre + kBrushRadius);
    for (int i = first; i <= last; ++i) {
        const double weight = BrushWeight(i - centre);
        PaletteEntry& entry = palette.entries[i];
        if (channel == 0 || channel == 3) PullToward(entry.red, level, weight);
        if (channel == 1 || channel == 3) PullToward(entry.green, level, weight);
        if (channel == 2 || channel == 3) PullToward(entry.blue, level, weight);
    }
}

int StripEntryIndex(int x, int width) {
    if (width <= 0) return 0;
    const long long scaled = 255LL * x;
    // Floor division, also for columns left of the strip.
    long long index = scaled / width;
    if (scaled % width != 0 && scaled < 0) --index;
    return static_cast<int>(std::clamp<long long>(index - 1, 0, 255));
}
