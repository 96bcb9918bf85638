// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "palette/FirePalette.h"

// The palette editor's mouse rules: where a pointer lands in the curves area,
// how the brush pulls the entries around it, which entry a strip column shows.

constexpr int kBrushRadius = 20;  // the brush covers 2 * 20 + 1 entries

// The share of the way an entry `distance` entries from the centre moves:
// ((cos(d * pi / 20) + 1) / 2)^3; 1 at the centre, 0 from 20 on.
double BrushWeight(int distance);

// Maps a pointer (x, y) inside the curves rectangle (left, top, right, bottom)
// to the centre entry and the level, both clamped to 0..255. Returns 0 and
// leaves the outputs alone when the rectangle has no width or no height.
int PointToCentreAndLevel(int x, int y, int left, int top, int right, int bottom, int& centre, int& level);

// Pulls the selected components (channel 0 red, 1 green, 2 blue, 3 all) of
// the entries within the brush radius of `centre` toward `level`.
void ApplyBrush(FirePalette& palette, int channel, int centre, int level);

// The entry shown by strip column x of a strip `width` pixels wide:
// floor(255 * x / width) - 1, kept within 0..255 (0 for an empty strip).
int StripEntryIndex(int x, int width);
