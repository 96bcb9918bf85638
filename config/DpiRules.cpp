// SPDX-License-Identifier: GPL-2.0-or-later
#include "config/DpiRules.h"

int ScaleToDpi(int pixels, int dpi) {
    if (dpi <= 0) dpi = kDefaultDpi;
    const long long scaled = static_cast<long long>(pixels) * dpi;
    const long long half = kDefaultDpi / 2;
    return static_cast<int>(scaled >= 0 ? (scaled + half) / kDefaultDpi : -((-scaled + half) / kDefaultDpi));
}

int PickImageSide(const int* sides, int count, int wanted) {
    int best = 0, smallest = 0;
    for (int k = 0; k < count; ++k) {
        if (smallest == 0 || sides[k] < smallest) smallest = sides[k];
        if (sides[k] <= wanted && sides[k] > best) best = sides[k];
    }
    return best ? best : smallest;
}

int ToolStripResource(int baseId, int side) { return side == kToolImageSides[0] ? baseId : baseId * 100 + side; }
