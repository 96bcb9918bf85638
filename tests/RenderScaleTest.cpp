// SPDX-License-Identifier: GPL-2.0-or-later
#include "run/FrameConversion.h"
#include "run/FrameUpscaler.h"
#include "run/RenderScale.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <vector>

TEST(RenderScale, AutomaticKeepsScreensUpTo1920By1200AtFullSize) {
    EXPECT_EQ(ChooseRenderScale(0, 1920, 1200), 1);
    EXPECT_EQ(ChooseRenderScale(0, 1366, 768), 1);
    EXPECT_EQ(ChooseRenderScale(0, 1920, 1201), 2) << "one line too many";
    EXPECT_EQ(ChooseRenderScale(0, 2560, 1440), 2);
    EXPECT_EQ(ChooseRenderScale(0, 3840, 2160), 2);
    EXPECT_EQ(ChooseRenderScale(0, 5120, 2880), 3);
    EXPECT_EQ(ChooseRenderScale(0, 7680, 4320), 4);
    EXPECT_EQ(ChooseRenderScale(0, 15360, 8640), 4) << "never past the largest factor";
}

TEST(RenderScale, SetFactorsHoldAndStrayValuesAreAutomatic) {
    for (int factor = 1; factor <= kMaxRenderScale; ++factor) EXPECT_EQ(ChooseRenderScale(factor, 3840, 2160), factor);
    EXPECT_EQ(ChooseRenderScale(1, 7680, 4320), 1) << "a set factor is not second-guessed";
    for (int stray : {-1, 5, 100, -2147483647 - 1}) EXPECT_EQ(ChooseRenderScale(stray, 3840, 2160), 2) << stray;
    // A factor never leaves the field below the engine's 1 x 2.
    EXPECT_EQ(ChooseRenderScale(4, 7, 7), 3);
    EXPECT_EQ(ChooseRenderScale(4, 1, 100), 1);
    EXPECT_EQ(ChooseRenderScale(3, 100, 3), 1);
    EXPECT_EQ(ChooseRenderScale(0, 0, 0), 1);
    const FieldSize field = RenderFieldSize(2561, 1441, 2);
    EXPECT_EQ(field.width, 1280);
    EXPECT_EQ(field.height, 720);
}

namespace {
using Frame = std::vector<std::uint32_t>;

Frame Scaled(const Frame& source, int sw, int sh, int dw, int dh) {
    FrameUpscaler upscaler;
    EXPECT_TRUE(upscaler.Prepare(sw, sh, dw, dh));
    Frame out(static_cast<std::size_t>(dw) * dh, 0xDEADBEEF);
    upscaler.Scale(reinterpret_cast<const std::uint8_t*>(source.data()), 4 * sw,
                   reinterpret_cast<std::uint8_t*>(out.data()), 4 * dw);
    return out;
}

Frame RandomFrame(int width, int height, unsigned seed) {
    std::mt19937 random(seed);
    Frame frame(static_cast<std::size_t>(width) * height);
    for (std::uint32_t& pixel : frame) pixel = static_cast<std::uint32_t>(random());
    return frame;
}

int Channel(std::uint32_t pixel, int c) { return static_cast<int>((pixel >> (8 * c)) & 0xFF); }
}  // namespace

TEST(FrameUpscaler, CopiesAtTheSameSizeAndKeepsTheCorners) {
    for (const auto& size : {std::pair<int, int>{1, 1}, {3, 2}, {17, 9}, {64, 5}}) {
        const Frame source = RandomFrame(size.first, size.second, 1);
        EXPECT_EQ(Scaled(source, size.first, size.second, size.first, size.second), source);
    }
    const int sw = 13, sh = 7;
    const Frame source = RandomFrame(sw, sh, 2);
    for (const auto& size : {std::pair<int, int>{26, 14}, {39, 21}, {52, 28}, {33, 19}, {14, 8}}) {
        const int dw = size.first, dh = size.second;
        const Frame out = Scaled(source, sw, sh, dw, dh);
        EXPECT_EQ(out[0], source[0]);
        EXPECT_EQ(out[static_cast<std::size_t>(dw) - 1], source[static_cast<std::size_t>(sw) - 1]);
        EXPECT_EQ(out[static_cast<std::size_t>(dh - 1) * dw], source[static_cast<std::size_t>(sh - 1) * sw]);
        EXPECT_EQ(out.back(), source.back()) << dw << " x " << dh;
    }
}

TEST(FrameUpscaler, StaysWithinItsNeighboursAndFollowsARamp) {
    // Every result channel lies between the smallest and largest source value
    // of the 2 x 2 block around it, so it lies within the source's range.
    const int sw = 11, sh = 6, dw = 37, dh = 17;
    const Frame source = RandomFrame(sw, sh, 3);
    const Frame out = Scaled(source, sw, sh, dw, dh);
    for (int c = 0; c < 4; ++c) {
        int low = 255, high = 0;
        for (std::uint32_t pixel : source) {
            low = std::min(low, Channel(pixel, c));
            high = std::max(high, Channel(pixel, c));
        }
        for (std::uint32_t pixel : out) {
            EXPECT_GE(Channel(pixel, c), low);
            EXPECT_LE(Channel(pixel, c), high);
        }
    }
    // A ramp rising left to right and top to bottom rises (never falls) in the result.
    Frame ramp(static_cast<std::size_t>(sw) * sh);
    for (int y = 0; y < sh; ++y)
        for (int x = 0; x < sw; ++x) ramp[static_cast<std::size_t>(y) * sw + x] = static_cast<std::uint32_t>(20 * x + 10 * y) * 0x01010101u;
    const Frame up = Scaled(ramp, sw, sh, dw, dh);
    for (int y = 0; y < dh; ++y)
        for (int x = 1; x < dw; ++x) ASSERT_GE(up[static_cast<std::size_t>(y) * dw + x] & 0xFF, up[static_cast<std::size_t>(y) * dw + x - 1] & 0xFF);
    for (int y = 1; y < dh; ++y)
        for (int x = 0; x < dw; ++x) ASSERT_GE(up[static_cast<std::size_t>(y) * dw + x] & 0xFF, up[static_cast<std::size_t>(y - 1) * dw + x] & 0xFF);
    // Doubling puts each result pixel a quarter of the way between two source pixels.
    const Frame pair = {0, 0x80808080u};
    const Frame doubled = Scaled(pair, 2, 1, 4, 1);
    EXPECT_EQ(doubled, (Frame{0, 0x20202020u, 0x60606060u, 0x80808080u}));
}

TEST(FrameUpscaler, WritesOnlyItsRowsWithEitherStrideAndScalesFramesOneAfterAnother) {
    // Odd sizes, a destination with padding between rows, and a bottom-up one.
    const int sw = 5, sh = 3, dw = 13, dh = 7, stride = dw + 3;
    FrameUpscaler upscaler;
    ASSERT_TRUE(upscaler.Prepare(sw, sh, dw, dh));
    Frame padded(static_cast<std::size_t>(stride) * dh, 0xA5A5A5A5u), bottomUp(static_cast<std::size_t>(dw) * dh);
    for (unsigned seed : {4u, 5u}) {
        const Frame source = RandomFrame(sw, sh, seed);
        const Frame expected = Scaled(source, sw, sh, dw, dh);
        upscaler.Scale(reinterpret_cast<const std::uint8_t*>(source.data()), 4 * sw,
                       reinterpret_cast<std::uint8_t*>(padded.data()), 4 * stride);
        upscaler.Scale(reinterpret_cast<const std::uint8_t*>(source.data()), 4 * sw,
                       reinterpret_cast<std::uint8_t*>(&bottomUp[static_cast<std::size_t>(dh - 1) * dw]), -4 * dw);
        for (int y = 0; y < dh; ++y)
            for (int x = 0; x < stride; ++x) {
                const std::uint32_t pixel = padded[static_cast<std::size_t>(y) * stride + x];
                if (x >= dw) {
                    ASSERT_EQ(pixel, 0xA5A5A5A5u) << "padding is left alone";
                    continue;
                }
                const std::uint32_t want = expected[static_cast<std::size_t>(y) * dw + x];
                ASSERT_EQ(pixel, want) << "seed " << seed;
                ASSERT_EQ(bottomUp[static_cast<std::size_t>(dh - 1 - y) * dw + x], want);
            }
    }
    EXPECT_FALSE(upscaler.Prepare(0, 3, 10, 10));
}

TEST(FrameUpscaler, AnIndexedFrameScalesAsItsPixelsDo) {
    // Doubled, stretched unevenly and from a single pixel; each upscaler
    // scales two frames, so no row of the first is taken for the second.
    std::mt19937 random(6);
    PixelPalette colours;
    for (std::uint32_t& pixel : colours.pixels) pixel = static_cast<std::uint32_t>(random());
    for (const auto& sizes : {std::array<int, 4>{13, 7, 26, 14}, {11, 6, 37, 17}, {1, 1, 3, 2}}) {
        const int sw = sizes[0], sh = sizes[1], dw = sizes[2], dh = sizes[3];
        FrameUpscaler upscaler;
        ASSERT_TRUE(upscaler.Prepare(sw, sh, dw, dh));
        for (int frame = 0; frame < 2; ++frame) {
            std::vector<std::uint8_t> indexes(static_cast<std::size_t>(sw) * sh);
            for (std::uint8_t& index : indexes) index = static_cast<std::uint8_t>(random());
            Frame pixels(indexes.size());
            IndexedToPixels(indexes.data(), sw, sh, colours, reinterpret_cast<std::uint8_t*>(pixels.data()), 4 * sw);
            Frame out(static_cast<std::size_t>(dw) * dh);
            upscaler.ScaleIndexed(indexes.data(), colours.pixels, reinterpret_cast<std::uint8_t*>(out.data()), 4 * dw);
            ASSERT_EQ(out, Scaled(pixels, sw, sh, dw, dh)) << sw << " x " << sh << " to " << dw << " x " << dh;
        }
    }
}

TEST(FrameConversion, IndexedFramesBecomePixelsThroughThePalette) {
    FirePalette palette{};
    for (int i = 0; i < 256; ++i)
        palette.entries[i] = PaletteEntry{static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i),
                                          static_cast<std::uint8_t>(i * 7), 0x77};
    PixelPalette pixels;
    PaletteToPixels(palette, pixels);
    const int width = 37, height = 3, stride = 4 * (width + 2);
    std::vector<std::uint8_t> frame(static_cast<std::size_t>(width) * height);
    for (std::size_t i = 0; i < frame.size(); ++i) frame[i] = static_cast<std::uint8_t>(i * 13);
    std::vector<std::uint32_t> out(static_cast<std::size_t>(stride / 4) * height, 0xEEEEEEEEu);
    IndexedToPixels(frame.data(), width, height, pixels, reinterpret_cast<std::uint8_t*>(out.data()), stride);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < stride / 4; ++x) {
            const std::uint8_t* pixel = reinterpret_cast<const std::uint8_t*>(&out[static_cast<std::size_t>(y) * (stride / 4) + x]);
            if (x >= width) {
                EXPECT_EQ(pixel[0], 0xEE) << "past the row";
                continue;
            }
            const PaletteEntry& colour = palette.entries[frame[static_cast<std::size_t>(y) * width + x]];
            EXPECT_EQ(pixel[0], colour.blue);
            EXPECT_EQ(pixel[1], colour.green);
            EXPECT_EQ(pixel[2], colour.red);
            EXPECT_EQ(pixel[3], 0);
        }
}
