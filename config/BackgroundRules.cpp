// SPDX-License-Identifier: GPL-2.0-or-later
#include "config/BackgroundRules.h"

static int Blend(int from, int to, int step, int steps) {
    return from + static_cast<int>(static_cast<double>(step) / steps * (to - from));
}

TintColour TintedEntry(int index, const TintColour& face) {
    if (index < 192)
        return {Blend(0, face.red, index, 192), Blend(0, face.green, index, 192), Blend(0, face.blue, index, 192)};
    const int k = index - 192;
    return {Blend(face.red, 255, k, 64), Blend(face.green, 255, k, 64), Blend(face.blue, 255, k, 64)};
}

int TileSide(int pixels, double scale) {
    const int side = static_cast<int>(pixels * scale + 1e-6);
    return side < 1 ? 1 : side;
}

double FitScale(int areaSide, int pictureSide) { return pictureSide > 0 ? areaSide * (1.0 / pictureSide) : 1.0; }

int FirstTile(int rectStart, int origin, int tile) {
    int first = rectStart - origin;
    if (tile < 1) tile = 1;
    if (first < rectStart) first += (rectStart - first) / tile * tile;
    return first;
}

int BrushOrigin(int origin, int tile) {
    if (tile < 1) return 0;
    const int rest = origin % tile;  // in (-tile, tile)
    return rest <= 0 ? -rest : tile - rest;
}
