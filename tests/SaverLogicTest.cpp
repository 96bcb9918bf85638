// SPDX-License-Identifier: GPL-2.0-or-later
#include "run/CloseRules.h"
#include "windows/rules/CommandLine.h"
#include "run/FrameConversion.h"
#include "run/InputRules.h"

#include <gtest/gtest.h>

#include <vector>

TEST(CommandLine, OnlyTheFirstTwoCharactersChooseTheMode) {
    EXPECT_EQ(ParseSaverMode(""), SaverMode::Configure);
    EXPECT_EQ(ParseSaverMode("/c"), SaverMode::Configure);
    EXPECT_EQ(ParseSaverMode("/c:1234"), SaverMode::Configure);
    EXPECT_EQ(ParseSaverMode("/s"), SaverMode::FullScreen);
    EXPECT_EQ(ParseSaverMode("/S"), SaverMode::FullScreen);
    EXPECT_EQ(ParseSaverMode("-s"), SaverMode::FullScreen);
    EXPECT_EQ(ParseSaverMode("/saver please"), SaverMode::FullScreen);
    EXPECT_EQ(ParseSaverMode("/p 1234"), SaverMode::Preview);
    EXPECT_EQ(ParseSaverMode("-A"), SaverMode::ChangePassword);
    for (const char* line : {"s", " /s", "/x", "/", "x/s", "\\s"}) EXPECT_EQ(ParseSaverMode(line), SaverMode::Unknown) << line;
}

TEST(CommandLine, ThePreviewHandleIsADecimalNumber) {
    unsigned long long handle = 0;
    EXPECT_TRUE(ParsePreviewHandle("1234", handle));
    EXPECT_EQ(handle, 1234u);
    EXPECT_FALSE(ParsePreviewHandle(nullptr, handle));
    EXPECT_FALSE(ParsePreviewHandle("", handle));
    EXPECT_FALSE(ParsePreviewHandle("0", handle));
    EXPECT_FALSE(ParsePreviewHandle("12ab", handle));
    EXPECT_FALSE(ParsePreviewHandle("-5", handle));
}

TEST(MouseMoveCloses, WaitsASecondThenTakesAReferenceThenNeedsSixteenPixels) {
    MousePoint reference = kNoMouseReference;
    EXPECT_FALSE(MouseMoveCloses(1000, reference, {500, 500}));
    EXPECT_EQ(reference.x, kNoMouseReference.x) << "nothing is recorded in the first second";
    EXPECT_FALSE(MouseMoveCloses(1001, reference, {100, 100}));
    EXPECT_EQ(reference.x, 100);
    EXPECT_FALSE(MouseMoveCloses(2000, reference, {115, 85}));
    EXPECT_FALSE(MouseMoveCloses(2000, reference, {100, 100}));
    EXPECT_TRUE(MouseMoveCloses(2000, reference, {116, 100}));
    EXPECT_TRUE(MouseMoveCloses(2000, reference, {100, 84}));
    EXPECT_EQ(reference.x, 100) << "the reference stays where it was taken";
}

TEST(MouseMoveCloses, PositionsLeftOfAndAboveThePrimaryMonitorCount) {
    MousePoint reference = kNoMouseReference;
    EXPECT_FALSE(MouseMoveCloses(2000, reference, {-1, -1}));
    EXPECT_FALSE(MouseMoveCloses(2000, reference, {-10, -1})) << "(-1, -1) is a reference like any other";
    EXPECT_TRUE(MouseMoveCloses(2000, reference, {-17, -1}));
}

TEST(FrameConversion, DibRowsArePaddedToFourBytes) {
    EXPECT_EQ(DibStride(1366), 1368);
    EXPECT_EQ(DibStride(1024), 1024);
    const std::uint8_t frame[] = {1, 2, 3, 4, 5, 6};  // 3 x 2
    std::vector<std::uint8_t> staged(8, 0xEE);
    CopyRows(frame, 3, 2, staged.data(), DibStride(3));
    EXPECT_EQ(staged, (std::vector<std::uint8_t>{1, 2, 3, 0xEE, 4, 5, 6, 0xEE}));
}

TEST(FrameConversion, PaletteColoursAndThePreviewsBottomUpPixels) {
    FirePalette palette{};
    palette.entries[7] = PaletteEntry{10, 20, 30, 99};
    palette.entries[9] = PaletteEntry{1, 2, 3, 0};
    std::vector<std::uint8_t> colours(1024);
    PaletteToDibColours(palette, colours.data());
    EXPECT_EQ(std::vector<std::uint8_t>(colours.begin() + 28, colours.begin() + 32),
              (std::vector<std::uint8_t>{30, 20, 10, 0}));
    const std::uint8_t indexes[] = {7, 9};  // 1 x 2: top 7, bottom 9
    std::vector<std::uint8_t> pixels(8, 0x55);
    IndexedToBottomUpRgb(indexes, 1, 2, palette, pixels.data());
    EXPECT_EQ(pixels, (std::vector<std::uint8_t>{3, 2, 1, 0, 30, 20, 10, 0}))
        << "the bottom row comes first and the fourth byte is 0";
}

TEST(InputEndsRun, FullScreenAnyInputAWindowItsControlsAHostNothing) {
    const UserInput pressed[] = {UserInput::Key, UserInput::QuitKey, UserInput::Click, UserInput::CloseWindow};
    const MousePoint origin{0, 0};
    for (UserInput input : pressed) {
        MousePoint reference = kNoMouseReference;
        EXPECT_TRUE(InputEndsRun(OutputMode::FullScreen, input, 0, reference, origin));
        EXPECT_EQ(InputEndsRun(OutputMode::Window, input, 5000, reference, origin),
                  input == UserInput::QuitKey || input == UserInput::CloseWindow);
        EXPECT_FALSE(InputEndsRun(OutputMode::Root, input, 5000, reference, origin));
        EXPECT_FALSE(InputEndsRun(OutputMode::WindowId, input, 5000, reference, origin));
    }
    MousePoint reference = kNoMouseReference;
    EXPECT_FALSE(InputEndsRun(OutputMode::FullScreen, UserInput::Motion, 500, reference, {300, 300}));
    EXPECT_FALSE(InputEndsRun(OutputMode::FullScreen, UserInput::Motion, 1500, reference, {900, 300}))
        << "the first movement after the grace period takes the reference";
    EXPECT_FALSE(InputEndsRun(OutputMode::FullScreen, UserInput::Motion, 1600, reference, {915, 315}));
    EXPECT_TRUE(InputEndsRun(OutputMode::FullScreen, UserInput::Motion, 1700, reference, {884, 300}))
        << "16 pixels to the left, on a monitor left of the first";
    EXPECT_FALSE(InputEndsRun(OutputMode::Window, UserInput::Motion, 5000, reference, {0, 0}));
}
