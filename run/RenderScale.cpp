// SPDX-License-Identifier: GPL-2.0-or-later
#include "run/RenderScale.h"

namespace {
int LargestFactorFor(int screenWidth, int screenHeight) {
    int factor = kMaxRenderScale;
    while (factor > 1 && (screenWidth / factor < 1 || screenHeight / factor < 2)) --factor;
    return factor;
}
}  // namespace

int ChooseRenderScale(int setting, int screenWidth, int screenHeight) {
    const int largest = LargestFactorFor(screenWidth, screenHeight);
    if (setting >= 1 && setting <= kMaxRenderScale) return setting < largest ? setting : largest;
    int factor = 1;
    while (factor < largest &&
           (screenWidth / factor > kAutomaticFieldWidth || screenHeight / factor > kAutomaticFieldHeight))
        ++factor;
    return factor;
}

FieldSize RenderFieldSize(int screenWidth, int screenHeight, int factor) {
    if (factor < 1) factor = 1;
    return FieldSize{screenWidth / factor, screenHeight / factor};
}

FieldSize FieldSizeFor(int screenWidth, int screenHeight, int renderScale) {
    return RenderFieldSize(screenWidth, screenHeight, ChooseRenderScale(renderScale, screenWidth, screenHeight));
}
