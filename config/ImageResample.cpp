// SPDX-License-Identifier: GPL-2.0-or-later
#include "config/ImageResample.h"

#include <algorithm>
#include <cmath>

namespace {
// The part of source pixel k that lies in [from, to).
double Coverage(int k, double from, double to) { return std::max(0.0, std::min(to, k + 1.0) - std::max(from, 1.0 * k)); }

std::uint32_t Channel(std::uint32_t pixel, int shift) { return (pixel >> shift) & 0xFF; }

std::uint32_t ToByte(double value) { return static_cast<std::uint32_t>(std::lround(std::min(255.0, std::max(0.0, value)))); }
}  // namespace

void ResampleSquare(const std::uint32_t* source, int sourceSide, std::uint32_t* target, int targetSide) {
    if (sourceSide <= 0 || targetSide <= 0) return;
    const double step = static_cast<double>(sourceSide) / targetSide;
    for (int y = 0; y < targetSide; ++y) {
        const double top = y * step, bottom = (y + 1) * step;
        for (int x = 0; x < targetSide; ++x) {
            const double left = x * step, right = (x + 1) * step;
            double area = 0, alpha = 0, red = 0, green = 0, blue = 0;
            const int lastRow = std::min(sourceSide - 1, static_cast<int>(std::ceil(bottom)) - 1);
            const int lastColumn = std::min(sourceSide - 1, static_cast<int>(std::ceil(right)) - 1);
            for (int row = static_cast<int>(top); row <= lastRow; ++row) {
                const double rowPart = Coverage(row, top, bottom);
                for (int column = static_cast<int>(left); column <= lastColumn; ++column) {
                    const double part = rowPart * Coverage(column, left, right);
                    const std::uint32_t pixel = source[row * sourceSide + column];
                    const double weight = part * Channel(pixel, 24);
                    area += part;
                    alpha += weight;
                    red += weight * Channel(pixel, 16);
                    green += weight * Channel(pixel, 8);
                    blue += weight * Channel(pixel, 0);
                }
            }
            std::uint32_t result = 0;
            if (alpha > 0)
                result = ToByte(alpha / area) << 24 | ToByte(red / alpha) << 16 | ToByte(green / alpha) << 8 |
                         ToByte(blue / alpha);
            target[y * targetSide + x] = result;
        }
    }
}
