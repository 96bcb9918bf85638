// SPDX-License-Identifier: GPL-2.0-or-later
// The way frames reach a screen: which presenter a place gets, the fire fed
// to a presenter, and the presenter of 32-bit pictures over a screen in memory.
#include "run/FireFeed.h"
#include "run/FrameRateOverlay.h"
#include "run/FrameUpscaler.h"
#include "run/PixelPresenter.h"
#include "linux/PresenterChoice.h"
#include "tests/TestSupport.h"
#include "tools/frames/Fnv1a.h"

#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {
using Kind = PresenterKind;

std::vector<Kind> Order(bool x11, bool foreignWindow, bool graphicsCard) {
    PresentingPlace place;
    place.x11 = x11;
    place.foreignWindow = foreignWindow;
    place.graphicsCard = graphicsCard;
    const PresenterOrder order = PresentersToTry(place);
    return std::vector<Kind>(order.kinds, order.kinds + order.count);
}

// A picture in memory, rows padded past the width so a writer that ignores
// the stride shows.
class MemoryScreen : public PixelScreen {
public:
    static constexpr std::uint32_t kUntouched = 0x5A5A5A5Au;

    int Resize(int w, int h) override {
        if (refuse) return 0;
        width = w;
        height = h;
        pixels.assign(static_cast<std::size_t>(w + 3) * h, kUntouched);
        return 1;
    }
    std::uint8_t* BeginPicture() override {
        ++begun;
        return pixels.empty() ? nullptr : reinterpret_cast<std::uint8_t*>(pixels.data());
    }
    std::ptrdiff_t Stride() const override { return 4 * static_cast<std::ptrdiff_t>(width + 3); }
    int Show() override {
        ++shown;
        return 1;
    }
    void Release() override { pixels.clear(); }
    const char* Way() const override { return "memory"; }

    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * (width + 3) + x]; }

    bool refuse = false;
    int width = 0, height = 0, begun = 0, shown = 0;
    std::vector<std::uint32_t> pixels;
};

FirePalette Ramp(int shift) {
    FirePalette palette{};
    for (int i = 0; i < 256; ++i)
        palette.entries[i] = PaletteEntry{static_cast<std::uint8_t>(i + shift), static_cast<std::uint8_t>(255 - i),
                                          static_cast<std::uint8_t>(i * 7), 0x99};
    return palette;
}

// The pixel IndexedToPixels makes of a palette entry: blue, green, red, 0 in memory order.
std::uint32_t PixelOf(const FirePalette& palette, int index) {
    const PaletteEntry& entry = palette.entries[index];
    return static_cast<std::uint32_t>(entry.blue) | static_cast<std::uint32_t>(entry.green) << 8 |
           static_cast<std::uint32_t>(entry.red) << 16;
}

PresentSizes Sizes(int fieldWidth, int fieldHeight, int outputWidth, int outputHeight) {
    PresentSizes sizes;
    sizes.fieldWidth = fieldWidth;
    sizes.fieldHeight = fieldHeight;
    sizes.outputWidth = outputWidth;
    sizes.outputHeight = outputHeight;
    return sizes;
}

// Keeps the hash of every frame it is handed and of the palette it holds then,
// as emberlux-frames --hash prints them.
class RecordingPresenter : public FramePresenter {
public:
    int Open(const PresentSizes& sizes, const FirePalette& palette) override {
        m_Sizes = sizes;
        m_Palette = palette;
        return 1;
    }
    void SetPalette(const FirePalette& palette) override { m_Palette = palette; }
    int Present(const std::uint8_t* frame, const char*) override {
        std::uint8_t colours[768];
        for (int i = 0; i < 256; ++i) {
            colours[3 * i] = m_Palette.entries[i].red;
            colours[3 * i + 1] = m_Palette.entries[i].green;
            colours[3 * i + 2] = m_Palette.entries[i].blue;
        }
        char line[80];
        std::snprintf(line, sizeof line, "frame %d %016" PRIx64 " %016" PRIx64 "\n", ++m_nFrames,
                      Fnv1a64(frame, static_cast<std::size_t>(m_Sizes.fieldWidth) * m_Sizes.fieldHeight),
                      Fnv1a64(colours, sizeof colours));
        lines += line;
        return 1;
    }
    void Close() override {}
    const char* Way() const override { return "recording"; }

    std::string lines;

private:
    PresentSizes m_Sizes;
    FirePalette m_Palette{};
    int m_nFrames = 0;
};
}  // namespace

TEST(PresenterChoice, AGraphicsCardScalesAndTheProcessorWritesFinishedPixelsWhereThereIsNone) {
    EXPECT_EQ(Order(true, false, true), (std::vector<Kind>{Kind::Renderer, Kind::X11Image, Kind::SoftwareRenderer}));
    EXPECT_EQ(Order(true, false, false), (std::vector<Kind>{Kind::X11Image, Kind::SoftwareRenderer}))
        << "a renderer in software clears, copies and scales the whole window every frame";
    for (bool graphicsCard : {false, true})
        EXPECT_EQ(Order(true, true, graphicsCard), (std::vector<Kind>{Kind::X11Image, Kind::SoftwareRenderer}))
            << "another program's window may have no visual for OpenGL";
    for (bool graphicsCard : {false, true})
        EXPECT_EQ(Order(false, false, graphicsCard), (std::vector<Kind>{Kind::Renderer, Kind::SoftwareRenderer}))
            << "without X11 SDL draws";
}

TEST(PresenterChoice, RasterisersOnTheProcessorAreToldFromGraphicsCards) {
    for (const char* software : {"llvmpipe (LLVM 15.0.6, 256 bits)", "Gallium 0.4 on softpipe",
                                 "Google SwiftShader", "Mesa X11 Software Rasterizer", "LLVMPIPE"})
        EXPECT_TRUE(IsSoftwareRasteriser(software)) << software;
    for (const char* card : {"AMD Radeon RX 580 Series (polaris10, LLVM 15.0.6, DRM 3.49, 6.1.0)",
                             "Mesa Intel(R) UHD Graphics 620 (KBL GT2)", "NVIDIA GeForce GTX 1060/PCIe/SSE2", "",
                             "llvm", static_cast<const char*>(nullptr)})
        EXPECT_FALSE(IsSoftwareRasteriser(card)) << (card ? card : "(none)");
}

TEST(PixelPresenter, WritesTheFrameThroughThePaletteIntoThePictureWithItsStride) {
    auto owned = std::make_unique<MemoryScreen>();
    MemoryScreen& screen = *owned;
    PixelPresenter presenter(std::move(owned));
    EXPECT_EQ(presenter.Present(nullptr, nullptr), 0) << "nothing before Open";
    const FirePalette first = Ramp(0), second = Ramp(40);
    ASSERT_EQ(presenter.Open(Sizes(5, 3, 5, 3), first), 1);
    EXPECT_STREQ(presenter.Way(), "memory");
    std::vector<std::uint8_t> frame(15);
    for (std::size_t i = 0; i < frame.size(); ++i) frame[i] = static_cast<std::uint8_t>(17 * i);
    ASSERT_EQ(presenter.Present(frame.data(), nullptr), 1);
    EXPECT_EQ(screen.begun, 1) << "it waits for the screen before it writes";
    EXPECT_EQ(screen.shown, 1);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(screen.At(x, y), x < 5 ? PixelOf(first, frame[static_cast<std::size_t>(5 * y + x)])
                                             : MemoryScreen::kUntouched)
                << x << ", " << y;
    presenter.SetPalette(second);
    ASSERT_EQ(presenter.Present(frame.data(), nullptr), 1);
    EXPECT_EQ(screen.At(4, 2), PixelOf(second, frame[14])) << "the next frame shows the new palette";
    presenter.Close();
    EXPECT_TRUE(screen.pixels.empty()) << "closing gives the picture back";
    EXPECT_EQ(presenter.Present(frame.data(), nullptr), 0);
}

TEST(PixelPresenter, ScalesToTheOutputAndDrawsTheOverlayOnIt) {
    auto owned = std::make_unique<MemoryScreen>();
    MemoryScreen& screen = *owned;
    PixelPresenter presenter(std::move(owned));
    const FirePalette palette = Ramp(3);
    std::vector<std::uint8_t> frame(64 * 24);
    for (std::size_t i = 0; i < frame.size(); ++i) frame[i] = static_cast<std::uint8_t>(i * 29 + i / 64);
    ASSERT_EQ(presenter.Open(Sizes(64, 24, 160, 60), palette), 1);
    EXPECT_EQ(screen.width, 160);
    EXPECT_EQ(screen.height, 60);
    ASSERT_EQ(presenter.Present(frame.data(), "99"), 1);

    PixelPalette pixels;
    PaletteToPixels(palette, pixels);
    FrameUpscaler upscaler;
    ASSERT_TRUE(upscaler.Prepare(64, 24, 160, 60));
    std::vector<std::uint32_t> expected(160 * 60);
    upscaler.ScaleIndexed(frame.data(), pixels.pixels, reinterpret_cast<std::uint8_t*>(expected.data()), 4 * 160);
    DrawOverlay(expected.data(), 160, 60, 4 * 160, "99");
    int overlaid = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 160; ++x) {
            ASSERT_EQ(screen.At(x, y), expected[static_cast<std::size_t>(160 * y + x)]) << x << ", " << y;
            overlaid += screen.At(x, y) == 0xFFFFFFFFu;
        }
    EXPECT_GT(overlaid, 20) << "the overlay's ink is in the picture";

    // The window grows: the same field fills the new size.
    ASSERT_EQ(presenter.Open(Sizes(64, 24, 64, 24), palette), 1);
    ASSERT_EQ(presenter.Present(frame.data(), nullptr), 1);
    EXPECT_EQ(screen.At(63, 23), PixelOf(palette, frame.back()));
}

TEST(PixelPresenter, AScreenThatCannotBeHadPresentsNothing) {
    auto owned = std::make_unique<MemoryScreen>();
    owned->refuse = true;
    MemoryScreen& screen = *owned;
    PixelPresenter presenter(std::move(owned));
    const std::vector<std::uint8_t> frame(8 * 4);
    EXPECT_EQ(presenter.Open(Sizes(8, 4, 8, 4), Ramp(0)), 0);
    EXPECT_EQ(presenter.Present(frame.data(), nullptr), 0);
    EXPECT_EQ(screen.shown, 0);
    screen.refuse = false;
    EXPECT_EQ(presenter.Open(Sizes(8, 0, 8, 4), Ramp(0)), 0) << "a field of no rows";
    EXPECT_EQ(presenter.Open(Sizes(8, 4, 8, 4), Ramp(0)), 1);
    EXPECT_EQ(presenter.Present(frame.data(), nullptr), 1);
}

TEST(FireFeed, APresenterIsHandedExactlyTheFramesAndPalettesOfTheEngine) {
    // The independent model's run with colour cycling, whose palette changes every frame.
    auto run = FreshRun(2);
    Settings settings = DefaultSettings(1, 1);
    settings.SetInt(SettingId::TransitionOn, 0);
    settings.SetInt(SettingId::OlympicRings, 0);
    settings.SetInt(SettingId::CycleColors, 1);
    settings.SetInt(SettingId::FadeScreen, 0);
    settings.SetInt(SettingId::WaveSpeed, -30);
    settings.SetInt(SettingId::FireBallCount, 12);
    FireFeed feed(*run);
    ASSERT_TRUE(feed.Build(settings, FieldSize{128, 96}, FireSetUp{}));
    RecordingPresenter presenter;
    presenter.Open(Sizes(128, 96, 128, 96), feed.Palette());
    for (int k = 0; k < 80; ++k) ASSERT_EQ(feed.Feed(presenter, nullptr), 1);
    EXPECT_EQ(presenter.lines, ReadWholeFile(TestDataPath("vectors/core-cycling.txt")));
}

TEST(FireFeed, NoEngineFeedsNothing) {
    auto run = FreshRun();
    FireFeed feed(*run);
    EXPECT_FALSE(feed.Build(DefaultSettings(1, 1), FieldSize{16, 1}, FireSetUp{})) << "one row is too few";
    EXPECT_FALSE(feed.Burning());
    RecordingPresenter presenter;
    EXPECT_EQ(feed.Feed(presenter, nullptr), 0);
    EXPECT_TRUE(presenter.lines.empty());
}
