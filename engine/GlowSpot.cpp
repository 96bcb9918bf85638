#include "engine/GlowSpot.h"

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
int Cut(int value) { return value < kHeatCeiling ? value : kHeatCeiling; }

// Single pixels of shapes 1 and 2: additive sums are cut, plain writes keep the low byte.
void PutPixel(std::uint8_t* field, int width, int height, int x, int y, int amount, int additive) {
    if (x < 0 || y < 0 || x >= width || y >= height) return;
    std::uint8_t& pixel = field[y * width + x];
    pixel = static_cast<std::uint8_t>(additive ? Cut(pixel + amount) : amount);
}

void PutGlowPixel(std::uint8_t& pixel, int amount, int additive) {
    pixel = static_cast<std::uint8_t>(Cut(additive ? pixel + amount : amount));
}
}  // namespace

void DrawSpot(std::uint8_t* field, int width, int height, int x, int y, int value, int shape, int additive) {
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
    if (shape >= 5) {
        for (int r = 0; r < 9; ++r)
            for (int c = 0; c < 9; ++c)
                if (kGlowStamp[r][c])
                    PutGlowPixel(field[(y - 4 + r) * width + (x - 4 + c)], (kGlowStamp[r][c] * value) >> 8, additive);
        return;
    }
    for (int r = 0; r < 9; r += 2)
        for (int c = 0; c < 9; c += 2)
            if (kGlowStamp[r][c])
                PutGlowPixel(field[(y - 3 + r / 2) * width + (x - 3 + c / 2)], (kGlowStamp[r][c] * value) >> 8, additive);
}

void AddGlow(std::uint8_t* field, int width, int x, int y, int heat) {
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c)
            if (kGlowStamp[r][c]) {
                std::uint8_t& pixel = field[(y + r) * width + (x + c)];
                pixel = static_cast<std::uint8_t>(Cut(pixel + ((kGlowStamp[r][c] * heat) >> 8)));
            }
}
