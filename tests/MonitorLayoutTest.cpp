// SPDX-License-Identifier: GPL-2.0-or-later
#include "run/MonitorLayout.h"

#include <gtest/gtest.h>

namespace {
MonitorArea Area(int left, int top, int width, int height, bool primary = false) {
    return MonitorArea{left, top, width, height, primary};
}

std::vector<int> Lefts(const std::vector<MonitorArea>& screens) {
    std::vector<int> lefts;
    for (const MonitorArea& area : screens) lefts.push_back(area.left);
    return lefts;
}

// A photograph whose every pixel tells where it was taken: blue = x, green = screen line.
DesktopImage Shot(int width, int height) {
    DesktopImage shot;
    shot.width = width;
    shot.height = height;
    for (int row = 0; row < height; ++row)
        for (int x = 0; x < width; ++x) {
            shot.bgr.push_back(static_cast<std::uint8_t>(x));
            shot.bgr.push_back(static_cast<std::uint8_t>(height - 1 - row));
            shot.bgr.push_back(7);
        }
    return shot;
}
}  // namespace

TEST(ScreensToCover, OneMonitorStaysAsItIs) {
    const auto screens = ScreensToCover({Area(0, 0, 1024, 768, true)});
    ASSERT_EQ(screens.size(), 1u);
    EXPECT_TRUE(screens[0].primary);
    EXPECT_EQ(screens[0].width, 1024);
}

TEST(ScreensToCover, PrimaryFirstThenLeftToRightThenTopToBottom) {
    // Side by side, one on the left at negative coordinates, one above.
    const auto screens = ScreensToCover(
        {Area(800, 0, 640, 480), Area(-1280, -200, 1280, 1024), Area(0, 0, 800, 600, true), Area(0, -600, 800, 600)});
    ASSERT_EQ(screens.size(), 4u);
    EXPECT_EQ(Lefts(screens), (std::vector<int>{0, -1280, 0, 800}));
    EXPECT_TRUE(screens[0].primary);
    EXPECT_EQ(screens[0].top, 0);
    EXPECT_EQ(screens[2].top, -600) << "the one above the primary";
    for (std::size_t i = 1; i < screens.size(); ++i) EXPECT_FALSE(screens[i].primary);
}

TEST(ScreensToCover, DropsEmptyAndMirroredAreasAndAlwaysHasOnePrimary) {
    EXPECT_TRUE(ScreensToCover({}).empty());
    EXPECT_TRUE(ScreensToCover({Area(0, 0, 0, 600), Area(5, 5, 640, -1)}).empty());
    const auto mirrored = ScreensToCover({Area(0, 0, 800, 600, true), Area(0, 0, 800, 600)});
    EXPECT_EQ(mirrored.size(), 1u);
    // Nobody said which is primary: the one at the origin is.
    const auto unmarked = ScreensToCover({Area(800, 0, 640, 480), Area(0, 0, 800, 600)});
    ASSERT_EQ(unmarked.size(), 2u);
    EXPECT_EQ(unmarked[0].left, 0);
    EXPECT_TRUE(unmarked[0].primary);
    EXPECT_FALSE(unmarked[1].primary);
    // Two claim it: only the first keeps it.
    const auto twice = ScreensToCover({Area(800, 0, 640, 480, true), Area(0, 0, 800, 600, true)});
    EXPECT_EQ(twice[0].left, 800);
    EXPECT_FALSE(twice[1].primary);
}

TEST(VirtualScreen, HoldsEveryMonitor) {
    const MonitorArea all = VirtualScreen({Area(0, 0, 800, 600), Area(800, 0, 640, 480), Area(-300, -100, 300, 900)});
    EXPECT_EQ(all.left, -300);
    EXPECT_EQ(all.top, -100);
    EXPECT_EQ(all.width, 1740);
    EXPECT_EQ(all.height, 900);
    EXPECT_EQ(VirtualScreen({}).width, 0);
}

TEST(CropDesktop, EachMonitorGetsItsOwnPartBottomRowFirst) {
    // Virtual screen: primary 4x3 at (0,0), a 2x2 monitor to its right, one 4x2 above it.
    const MonitorArea screen = VirtualScreen({Area(0, 0, 4, 3), Area(4, 0, 2, 2), Area(0, -2, 4, 2)});
    ASSERT_EQ(screen.top, -2);
    const DesktopImage shot = Shot(screen.width, screen.height);  // screen lines 0..4 = virtual y -2..2

    DesktopImage right;
    ASSERT_EQ(CropDesktop(shot, screen, Area(4, 0, 2, 2), right), 1);
    ASSERT_EQ(right.width, 2);
    ASSERT_EQ(right.bgr.size(), 12u);
    // Row 0 is the monitor's bottom line, virtual y 1, photograph line 3.
    EXPECT_EQ(right.bgr[0], 4);
    EXPECT_EQ(right.bgr[1], 3);
    EXPECT_EQ(right.bgr[3], 5);
    EXPECT_EQ(right.bgr[6 + 1], 2) << "row 1 is the monitor's top line";

    DesktopImage above;
    ASSERT_EQ(CropDesktop(shot, screen, Area(0, -2, 4, 2), above), 1);
    EXPECT_EQ(above.bgr[1], 1);
    EXPECT_EQ(above.bgr[12 + 1], 0);
}

TEST(CropDesktop, WhatThePhotographLacksIsBlack) {
    const DesktopImage shot = Shot(4, 3);
    DesktopImage part;
    ASSERT_EQ(CropDesktop(shot, Area(0, 0, 4, 3), Area(2, 1, 4, 4), part), 1);
    EXPECT_EQ(part.bgr.size(), 48u);
    // Bottom two rows lie below the photograph; the top rows' right halves beyond it.
    for (int i = 0; i < 24; ++i) EXPECT_EQ(part.bgr[i], 0) << i;
    EXPECT_EQ(part.bgr[24], 2);
    EXPECT_EQ(part.bgr[25], 2);
    EXPECT_EQ(part.bgr[24 + 6], 0);
    EXPECT_EQ(CropDesktop(shot, Area(0, 0, 4, 3), Area(0, 0, 0, 3), part), 0);
}

TEST(ScreenshotPlacement, TheHostsShotOfOneMonitorOrOfTheWholeScreen) {
    // The host photographed only the window on the second monitor: it lies on the window.
    const MonitorArea window = Area(4, 0, 2, 2);
    const MonitorArea own = ScreenshotPlacement(2, 2, window);
    EXPECT_EQ(own.left, 4);
    EXPECT_EQ(own.top, 0);
    const DesktopImage small = Shot(2, 2);
    DesktopImage part;
    ASSERT_EQ(CropDesktop(small, own, window, part), 1);
    EXPECT_EQ(part.bgr, small.bgr);

    // A settings dialog saved the whole screen: the window takes its own part.
    const MonitorArea whole = ScreenshotPlacement(6, 3, window);
    EXPECT_EQ(whole.left, 0);
    EXPECT_EQ(whole.top, 0);
    ASSERT_EQ(CropDesktop(Shot(6, 3), whole, window, part), 1);
    EXPECT_EQ(part.bgr[0], 4) << "bottom-left pixel of the window is column 4 of the screen";
    EXPECT_EQ(part.bgr[1], 1);

    // A shot smaller than the window (the window grew since) sits in its middle.
    const MonitorArea centred = ScreenshotPlacement(2, 2, Area(10, 20, 6, 4));
    EXPECT_EQ(centred.left, 12);
    EXPECT_EQ(centred.top, 21);
}
