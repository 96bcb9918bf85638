// SPDX-License-Identifier: GPL-2.0-or-later
#include "run/CloseRules.h"

#include <cstdlib>

bool MouseMoveCloses(long long millisecondsSinceStart, MousePoint& reference, MousePoint point) {
    constexpr long long kGraceMs = 1000;
    constexpr int kThreshold = 15;
    if (millisecondsSinceStart <= kGraceMs) return false;
    if (reference.x == kNoMouseReference.x && reference.y == kNoMouseReference.y) {
        reference = point;
        return false;
    }
    if (point.x == reference.x && point.y == reference.y) return false;
    return std::abs(reference.x - point.x) > kThreshold || std::abs(reference.y - point.y) > kThreshold;
}
