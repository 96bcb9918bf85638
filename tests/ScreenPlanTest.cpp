// SPDX-License-Identifier: GPL-2.0-or-later
#include "run/ScreenPlan.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {
MonitorArea Area(int left, int top, int width, int height, bool primary = false) {
    return MonitorArea{left, top, width, height, primary};
}

std::vector<WindowPlan> Plan(const std::vector<MonitorArea>& reported, int xRes = 800, int yRes = 600,
                             int useDirectX = 1, int renderScale = 0) {
    return PlanFullScreen(ScreensToCover(reported), 1024, 768, xRes, yRes, useDirectX, renderScale);
}

void ExpectCoversItsMonitorThroughGdi(const WindowPlan& plan, const MonitorArea& monitor) {
    EXPECT_EQ(plan.area.left, monitor.left);
    EXPECT_EQ(plan.area.top, monitor.top);
    EXPECT_EQ(plan.outputWidth, monitor.width);
    EXPECT_EQ(plan.outputHeight, monitor.height);
    EXPECT_EQ(plan.fieldWidth, monitor.width);
    EXPECT_EQ(plan.fieldHeight, monitor.height);
    EXPECT_FALSE(plan.useDirectX);
    EXPECT_FALSE(plan.mayChangeMode);
}
}  // namespace

TEST(PlanFullScreen, OneMonitorKeepsTheConfiguredModeAndOutputPath) {
    const auto plans = Plan({Area(0, 0, 1024, 768, true)}, 800, 600, 1);
    ASSERT_EQ(plans.size(), 1u);
    EXPECT_EQ(plans[0].area.width, 1024);
    EXPECT_EQ(plans[0].outputWidth, 800);
    EXPECT_EQ(plans[0].fieldHeight, 600);
    EXPECT_TRUE(plans[0].primary);
    EXPECT_TRUE(plans[0].useDirectX);
    EXPECT_TRUE(plans[0].mayChangeMode);
    EXPECT_FALSE(Plan({Area(0, 0, 1024, 768, true)}, 800, 600, 0)[0].useDirectX);
}

TEST(PlanFullScreen, NoMonitorReportedMeansThePrimaryScreen) {
    const auto plans = Plan({});
    ASSERT_EQ(plans.size(), 1u);
    EXPECT_EQ(plans[0].area.width, 1024);
    EXPECT_EQ(plans[0].area.height, 768);
    EXPECT_TRUE(plans[0].primary);
}

TEST(PlanFullScreen, SeveralMonitorsEachGetTheirOwnFireAtTheirOwnSize) {
    const std::vector<std::vector<MonitorArea>> layouts = {
        {Area(0, 0, 800, 600, true), Area(800, 0, 640, 480)},       // side by side, different sizes
        {Area(0, 0, 1920, 1080, true), Area(0, -1080, 1920, 1080)},  // one above the other
        {Area(-1280, 0, 1280, 1024), Area(0, 0, 1920, 1200, true)},  // one left of the primary
        {Area(0, 0, 800, 600, true), Area(800, 0, 800, 600), Area(-800, -100, 800, 600)},
    };
    for (const auto& layout : layouts) {
        const auto plans = Plan(layout, 640, 480, 1);
        ASSERT_EQ(plans.size(), layout.size());
        EXPECT_TRUE(plans[0].primary) << "the primary comes first";
        int primaries = 0;
        for (const WindowPlan& plan : plans) {
            primaries += plan.primary;
            const auto monitor = std::find_if(layout.begin(), layout.end(), [&](const MonitorArea& m) {
                return m.left == plan.area.left && m.top == plan.area.top;
            });
            ASSERT_NE(monitor, layout.end());
            ExpectCoversItsMonitorThroughGdi(plan, *monitor);
        }
        EXPECT_EQ(primaries, 1);
    }
}

TEST(PlanFullScreen, TheFieldIsTheOutputDividedByTheRenderScale) {
    // Automatic keeps a screen up to 1920 x 1200 at full size, with DirectDraw allowed.
    auto plans = Plan({Area(0, 0, 1920, 1200, true)}, 1920, 1200, 1, 0);
    EXPECT_EQ(plans[0].fieldWidth, 1920);
    EXPECT_EQ(plans[0].fieldHeight, 1200);
    EXPECT_TRUE(plans[0].useDirectX);
    // A larger one burns a smaller field, scaled up through GDI; the display mode may still change.
    plans = Plan({Area(0, 0, 1024, 768, true)}, 3840, 2160, 1, 0);
    EXPECT_EQ(plans[0].outputWidth, 3840);
    EXPECT_EQ(plans[0].outputHeight, 2160);
    EXPECT_EQ(plans[0].fieldWidth, 1920);
    EXPECT_EQ(plans[0].fieldHeight, 1080);
    EXPECT_FALSE(plans[0].useDirectX);
    EXPECT_TRUE(plans[0].mayChangeMode);
    // A chosen factor holds on a small screen too, rounding each side down.
    plans = Plan({Area(0, 0, 1366, 768, true)}, 1366, 768, 1, 3);
    EXPECT_EQ(plans[0].fieldWidth, 455);
    EXPECT_EQ(plans[0].fieldHeight, 256);
    EXPECT_FALSE(plans[0].useDirectX);
    EXPECT_TRUE(Plan({Area(0, 0, 1366, 768, true)}, 1366, 768, 1, 1)[0].useDirectX) << "Full keeps DirectDraw";

    // Several monitors: each its own factor for its own size.
    plans = Plan({Area(0, 0, 3840, 2160, true), Area(3840, 0, 1920, 1080)}, 640, 480, 1, 0);
    ASSERT_EQ(plans.size(), 2u);
    EXPECT_EQ(plans[0].fieldWidth, 1920);
    EXPECT_EQ(plans[0].fieldHeight, 1080);
    EXPECT_EQ(plans[1].fieldWidth, 1920);
    EXPECT_EQ(plans[1].fieldHeight, 1080);
    plans = Plan({Area(0, 0, 800, 600, true), Area(800, 0, 640, 480)}, 640, 480, 1, 2);
    EXPECT_EQ(plans[0].fieldWidth, 400);
    EXPECT_EQ(plans[1].fieldHeight, 240);
}
