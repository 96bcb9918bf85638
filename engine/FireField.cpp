// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/FireField.h"
#include "engine/GlowSpot.h"
#include "engine/RandomTable.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int kSubFramesPerTarget = 7;
}

void FeedBottom(std::uint8_t* field, int width, int height, const std::uint8_t* previous,
                const std::uint8_t* target, std::uint8_t* current, int subFrame) {
    std::uint8_t* bottom = field + static_cast<std::size_t>(height - 1) * width;
    std::uint8_t* above = bottom - width;
    for (int x = 0; x < width; ++x) {
        const int v = previous[x] + (target[x] - previous[x]) / kSubFramesPerTarget * subFrame;
        current[x] = static_cast<std::uint8_t>((v * v) >> 8);
        bottom[x] = current[x];
        above[x] = std::max(above[x], current[x]);
    }
}

void AverageUpward(std::uint8_t* field, int width, int height) {
    // The left neighbour of column 0 is the last byte of the same row (not yet
    // updated), the right neighbour of the last column the first byte of the
    // row two below (already updated, or the zero spare row).
    for (int y = height - 2; y >= 0; --y) {
        std::uint8_t* row = field + static_cast<std::size_t>(y) * width;
        const std::uint8_t* below = row + width;
        for (int x = 0; x < width; ++x)
            row[x] = static_cast<std::uint8_t>((below[x - 1] + below[x] + below[x + 1] + row[x]) >> 2);
    }
}

void FillTargetRow(RandomTable& random, std::uint8_t* target, int lo, int hi, int left, int right) {
    const int d = hi - lo;
    const int m = ((left & 255) + (right & 255)) / 2 + random.Draw() % (6 * d + 1) - d;
    if (d <= 1) {
        target[lo] = m >= 253 ? 253 : static_cast<std::uint8_t>(m);
        return;
    }
    const int mid = (lo + hi) / 2;
    FillTargetRow(random, target, lo, mid, left, m);
    FillTargetRow(random, target, mid, hi, m, right);
}

void ApplyWaves(std::uint8_t* target, int width, int waveLength, int waveSpeed, long long frame) {
    const double k = (waveLength + 10) * 0.0333333333333333 * width;
    if (k == 0) return;
    const double w = 1 / k;
    const double s = static_cast<double>(waveSpeed) / width;
    const double n = static_cast<double>(frame);
    for (int x = 0; x < width; ++x) {
        const double a = std::sin(w * x + s * n) * 0.4 + 0.6;
        const double b = std::sin(7.3 * w * x - 1.9 * s * n) * 0.4 + 0.5;
        const double raised = (a + b) * target[x];
        if (raised >= kHeatCeiling) target[x] = kHeatCeiling;
        else if (raised >= 0) target[x] = static_cast<std::uint8_t>(static_cast<int>(raised));
        // anything else is not a number: the row stays as it was
    }
}
