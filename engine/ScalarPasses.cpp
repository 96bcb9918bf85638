// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/DesktopLayer.h"
#include "engine/FireField.h"
#include "engine/PassTables.h"

void RemapScalar(const std::uint8_t* field, const int* map, const ShuffleRunsView*, std::size_t count,
                 std::uint8_t* out) {
    for (std::size_t i = 0; i < count; ++i) out[i] = field[map[i]];
}

void RemapUnrolled(const std::uint8_t* field, const int* map, const ShuffleRunsView*, std::size_t count,
                   std::uint8_t* out) {
    std::size_t i = 0;
    for (; i + 4 <= count; i += 4) {
        // Four loads before the stores, which could otherwise alias the map.
        const std::uint8_t a = field[map[i]], b = field[map[i + 1]], c = field[map[i + 2]], d = field[map[i + 3]];
        out[i] = a;
        out[i + 1] = b;
        out[i + 2] = c;
        out[i + 3] = d;
    }
    RemapScalar(field, map + i, nullptr, count - i, out + i);
}

int FindInRangeScalar(const std::uint8_t* row, int width, int parity, int lo, int span, int* columns) {
    int found = 0;
    for (int x = parity; x < width; x += 2)
        if (row[x] - lo >= 0 && row[x] - lo < span) columns[found++] = x;
    return found;
}

void LookUpWordsScalar(const std::uint8_t* indexes, std::size_t count, const std::uint32_t* table,
                       std::uint32_t* out) {
    for (std::size_t i = 0; i < count; ++i) out[i] = table[indexes[i]];
}

namespace {
std::uint32_t BlendPixels(std::uint32_t a, std::uint32_t b, std::uint32_t weight) {
    std::uint32_t out = 0;
    for (int shift = 0; shift < 32; shift += 8)
        out |= ((((a >> shift) & 0xFF) * (256 - weight) + ((b >> shift) & 0xFF) * weight) >> 8) << shift;
    return out;
}
}  // namespace

void BlendPixelRowsScalar(const std::uint32_t* top, const std::uint32_t* bottom, int weight, int count,
                          std::uint32_t* out) {
    for (int x = 0; x < count; ++x) out[x] = BlendPixels(top[x], bottom[x], static_cast<std::uint32_t>(weight));
}

void StretchPixelRowScalar(const std::uint32_t* row, const int* first, const std::uint16_t* weights, int count,
                           std::uint32_t* out) {
    for (int x = 0; x < count; ++x) out[x] = BlendPixels(row[first[x]], row[first[x] + 1], weights[4 * x]);
}

void DoublePixelRowScalar(const std::uint32_t* row, int pairs, std::uint32_t* out) {
    for (int k = 0; k < pairs; ++k) {
        out[2 * k] = BlendPixels(row[k], row[k + 1], 64);
        out[2 * k + 1] = BlendPixels(row[k], row[k + 1], 192);
    }
}

const FirePasses* ScalarFirePasses() {
    static const FirePasses passes = {PassLevel::Scalar,    AverageUpward,        RemapScalar,
                                      false,                MixDesktop,           FindInRangeScalar,
                                      LookUpWordsScalar,    BlendPixelRowsScalar, StretchPixelRowScalar,
                                      DoublePixelRowScalar, StampGlowScalar,      nullptr};
    return &passes;
}
