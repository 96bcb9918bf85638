// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/GlowSpot.h"
#include "engine/FirePasses.h"
#include "engine/PassTables.h"

const std::uint8_t kGlowStamp[9][9] = {
    {0, 0, 46, 77, 107, 77, 46, 0, 0},
    {0, 46, 129, 181, 198, 186, 129, 46, 0},
    {46, 129, 210, 244, 251, 248, 223, 129, 46},
    {77, 183, 245, 255, 255, 255, 251, 205, 77},
    {111, 198, 251, 255, 255, 255, 254, 220, 129},
    {101, 186, 247, 255, 255, 255, 253, 209, 77},
    {46, 129, 218, 249, 254, 252, 233, 129, 46},
    {0, 46, 129, 195, 214, 204, 129, 46, 0},
    {0, 0, 46, 77, 116, 77, 46, 0, 0},
};

namespace {
// The 5 x 5 glow: the stamp's even rows and columns.
struct SmallGlow {
    std::uint8_t entries[5][9] = {};
    SmallGlow() {
        for (int r = 0; r < 5; ++r)
            for (int c = 0; c < 5; ++c) entries[r][c] = kGlowStamp[2 * r][2 * c];
    }
};
const SmallGlow kSmallGlow;

int Cut(int value) { return value < kHeatCeiling ? value : kHeatCeiling; }

// Single pixels of shapes 1 and 2: additive sums are cut, plain writes keep the low byte.
void PutPixel(std::uint8_t* field, int width, int height, int x, int y, int amount, int additive) {
    if (x < 0 || y < 0 || x >= width || y >= height) return;
    std::uint8_t& pixel = field[y * width + x];
    pixel = static_cast<std::uint8_t>(additive ? Cut(pixel + amount) : amount);
}
}  // namespace

void StampGlowScalar(std::uint8_t* corner, int width, const std::uint8_t (*stamp)[9], int size, int value,
                     int additive) {
    for (int r = 0; r < size; ++r)
        for (int c = 0; c < size; ++c)
            if (stamp[r][c]) {
                std::uint8_t& pixel = corner[r * width + c];
                const int amount = (stamp[r][c] * value) >> 8;
                pixel = static_cast<std::uint8_t>(Cut(additive ? pixel + amount : amount));
            }
}

void DrawSpot(const FirePasses& passes, std::uint8_t* field, int width, int height, int x, int y, int value, int shape, int additive) {
    if (shape == 0) return;
    if (shape == 1) {
        PutPixel(field, width, height, x, y, value, additive);
        return;
    }
    if (shape == 2) {
        PutPixel(field, width, height, x, y, value, additive);
        PutPixel(field, width, height, x + 1, y, value >> 1, additive);
        PutPixel(field, width, height, x - 1, y, value >> 1, additive);
        PutPixel(field, width, height, x, y + 1, value >> 1, additive);
        PutPixel(field, width, height, x, y - 1, value >> 1, additive);
        return;
    }
    if (x < 4 || x >= width - 4 || y < 4 || y >= height - 4 || value <= 0) return;
    const FirePasses::StampGlowPass stamp = passes.stampGlow;
    if (shape >= 5) stamp(field + (y - 4) * width + (x - 4), width, kGlowStamp, 9, value, additive);
    else stamp(field + (y - 3) * width + (x - 3), width, kSmallGlow.entries, 5, value, additive);
}

void AddGlow(const FirePasses& passes, std::uint8_t* field, int width, int x, int y, int heat) {
    passes.stampGlow(field + y * width + x, width, kGlowStamp, 9, heat, 1);
}
