// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/DesktopLayer.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {
const std::uint8_t* PixelAt(const DesktopImage& image, int x, int y) {
    return &image.bgr[(static_cast<std::size_t>(y) * image.width + x) * 3];
}

std::uint8_t* PixelAt(DesktopImage& image, int x, int y) {
    return &image.bgr[(static_cast<std::size_t>(y) * image.width + x) * 3];
}

// First source line of target line `i` when scaling by `step`.
int SpanStart(int i, float step, int limit) {
    return std::min(static_cast<int>(static_cast<float>(i) * step), limit);
}

void AreaAverage(const DesktopImage& screen, float sx, float sy, DesktopImage& out) {
    for (int y = 0; y < out.height; ++y) {
        const int y0 = SpanStart(y, sy, screen.height - 1), y1 = std::max(SpanStart(y + 1, sy, screen.height), y0 + 1);
        for (int x = 0; x < out.width; ++x) {
            const int x0 = SpanStart(x, sx, screen.width - 1), x1 = std::max(SpanStart(x + 1, sx, screen.width), x0 + 1);
            unsigned sums[3] = {0, 0, 0};
            for (int v = y0; v < y1; ++v)
                for (int u = x0; u < x1; ++u)
                    for (int c = 0; c < 3; ++c) sums[c] += PixelAt(screen, u, v)[c];
            const unsigned count = static_cast<unsigned>((x1 - x0) * (y1 - y0));
            for (int c = 0; c < 3; ++c) PixelAt(out, x, y)[c] = static_cast<std::uint8_t>(sums[c] / count);
        }
    }
}

// Source line and 8-bit weight of the next line for target line `i`; the
// last target line takes weight 0.
struct Sample {
    int first, second;
    int weight;
};

Sample BilinearSample(int i, float step, int targetCount, int sourceCount) {
    const float t = static_cast<float>(static_cast<float>(i) * step) - 0.5f;
    const int u = static_cast<int>(t);
    Sample s;
    s.first = std::min(u, sourceCount - 1);
    s.second = std::min(u + 1, sourceCount - 1);
    s.weight = i == targetCount - 1 ? 0 : static_cast<std::uint8_t>(static_cast<int>((t - static_cast<float>(u)) * 255.0f));
    return s;
}

void Mix(const std::uint8_t* a, const std::uint8_t* b, int weight, std::uint8_t* out) {
    if (weight == 0) std::memcpy(out, a, 3);
    else if (weight == 255) std::memcpy(out, b, 3);
    else
        for (int c = 0; c < 3; ++c) out[c] = static_cast<std::uint8_t>((a[c] * (256 - weight) + b[c] * weight) >> 8);
}

void Bilinear(const DesktopImage& screen, float sx, float sy, DesktopImage& out) {
    for (int y = 0; y < out.height; ++y) {
        const Sample row = BilinearSample(y, sy, out.height, screen.height);
        for (int x = 0; x < out.width; ++x) {
            const Sample column = BilinearSample(x, sx, out.width, screen.width);
            std::uint8_t top[3], bottom[3];
            Mix(PixelAt(screen, column.first, row.first), PixelAt(screen, column.second, row.first), column.weight, top);
            if (row.weight != 0)
                Mix(PixelAt(screen, column.first, row.second), PixelAt(screen, column.second, row.second), column.weight,
                    bottom);
            Mix(top, bottom, row.weight, PixelAt(out, x, y));
        }
    }
}
}  // namespace

DesktopImage ScaleDesktop(const DesktopImage& screen, int width, int height) {
    DesktopImage out;
    out.width = width;
    out.height = height;
    out.bgr.assign(static_cast<std::size_t>(width) * height * 3, 0);
    if (screen.width < 1 || screen.height < 1) return out;
    const float sx = static_cast<float>(screen.width) / static_cast<float>(width);
    const float sy = static_cast<float>(screen.height) / static_cast<float>(height);
    if (width < screen.width && height < screen.height && sx > 1.5f) AreaAverage(screen, sx, sy, out);
    else if (width == screen.width && height == screen.height) out.bgr = screen.bgr;
    else Bilinear(screen, sx, sy, out);
    return out;
}

void ConvertToGreyLevels(const DesktopImage& scaled, bool fadeBottom, std::uint8_t* layer) {
    const int width = scaled.width, height = scaled.height;
    int carry = 0;
    for (int y = 0; y < height; ++y) {
        const int fade = 255 * y / height;
        for (int x = 0; x < width; ++x) {
            const std::uint8_t* p = PixelAt(scaled, x, height - 1 - y);
            const int grey = (p[0] + p[1] + p[2]) / 3;
            int level = grey >> 5;
            if (fadeBottom) {
                const int v = grey - fade + carry;
                level = std::clamp(v >> 5, 0, 7);
                carry = v & 31;
            }
            layer[y * width + x] = static_cast<std::uint8_t>(level);
        }
    }
}

namespace {
struct PlasmaTarget {
    CrtRandom& crt;
    std::uint8_t* map;
    int width, height;
};

void Plasma(const PlasmaTarget& target, int x0, int y0, int x1, int y1, int c0, int c1, int c2, int c3) {
    const int mx = (x0 + x1) / 2, my = (y0 + y1) / 2;
    int m = (c0 + c1 + c2 + c3) >> 2;
    const int spanX = std::abs(x1 - x0);
    if (spanX != 0) m += target.crt.Next() % spanX - spanX / 2;
    m = std::clamp(m, 0, 255);
    if (x1 - x0 <= 1 && y1 - y0 <= 1) {
        if (x0 < target.width && y0 < target.height) target.map[y0 * target.width + x0] = static_cast<std::uint8_t>(m);
        return;
    }
    Plasma(target, x0, y0, mx, my, c0, (c0 + c1) / 2, m, (c0 + c3) / 2);
    Plasma(target, mx, y0, x1, my, (c0 + c1) / 2, c1, (c1 + c2) / 2, m);
    Plasma(target, mx, my, x1, y1, m, (c1 + c2) / 2, c2, (c2 + c3) / 2);
    Plasma(target, x0, my, mx, y1, (c0 + c3) / 2, m, (c2 + c3) / 2, c3);
}
}  // namespace

void BuildBurnMap(SharedEngineState& shared, std::uint8_t* burnMap, int width, int height) {
    int r[4];
    for (int& draw : r) draw = shared.random.Draw();
    const int r0 = r[0], r1 = r[1], r2 = r[2], r3 = r[3];
    Plasma(PlasmaTarget{shared.crt, burnMap, width, height}, 0, 0, width, height, r3 % 255, r2 % 255, r1 % 255, r0 % 255);
}

namespace {
std::uint32_t LoadWord(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

void StoreWord(std::uint8_t* p, std::uint32_t word) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(word >> (8 * i));
}
}  // namespace

std::uint32_t MixDesktopWords(const std::uint8_t* fire, const std::uint8_t* layer, int words, std::uint32_t carry,
                              std::uint8_t* dest) {
    for (int i = 0; i < 4 * words; i += 4) {
        const std::uint32_t f = LoadWord(fire + i);
        const std::uint32_t d = LoadWord(layer + i + ((f & 0xFF) >> 2));
        const std::uint32_t s = f + carry;
        carry = s & 0x07070707u;
        StoreWord(dest + i, (s & 0xF8F8F8F8u) + d);
    }
    return carry;
}

void MixDesktop(const std::uint8_t* fire, const std::uint8_t* layer, int width, int height, std::uint8_t* dest) {
    std::uint32_t carry = 0;
    const int mixed = width & ~3;  // the last width mod 4 pixels of a row are not mixed
    for (int y = 0; y < height - 1; ++y) {
        const std::size_t row = static_cast<std::size_t>(y) * width;
        carry = MixDesktopWords(fire + row, layer + row, mixed / 4, carry, dest + row);
        std::memcpy(dest + row + mixed, fire + row + mixed, static_cast<std::size_t>(width - mixed));
    }
    const std::size_t last = static_cast<std::size_t>(height - 1) * width;
    std::memcpy(dest + last, fire + last, static_cast<std::size_t>(width));
}
