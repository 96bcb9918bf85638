// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <climits>

struct MousePoint {
    int x, y;
};

// The reference of the mouse test before one has been taken: no point of the
// virtual screen (monitors left of or above the primary have negative
// coordinates, so (-1, -1) can be a real position).
constexpr MousePoint kNoMouseReference{INT_MIN, INT_MIN};

// Whether a mouse movement to `point` ends the run: never in the first
// 1000 ms; the first movement after that only records the reference; later a
// movement of more than 15 pixels on either axis from the reference does.
bool MouseMoveCloses(long long millisecondsSinceStart, MousePoint& reference, MousePoint point);
