// SPDX-License-Identifier: GPL-2.0-or-later
#include "linux/RunPlan.h"
#include "run/MonitorLayout.h"
#include "run/RenderScale.h"
#include "run/ScreenPlan.h"
#include "linux/SdlMonitorList.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {
// The size of an ordinary window, cut down to fit the monitor.
constexpr int kWindowWidth = 800, kWindowHeight = 600;

MonitorArea AreaOf(const X11Place& place) { return MonitorArea{place.left, place.top, place.width, place.height, false}; }

std::string WindowName(unsigned long window) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%lx", window);
    return text;
}

// Each monitor's part of one photograph of the screen, taken now.
void PhotographMonitors(const X11Display* x11, const std::vector<MonitorArea>& monitors,
                        std::vector<ScreenPlan>& screens) {
    const MonitorArea screen = VirtualScreen(monitors);
    DesktopImage shot;
    X11Place taken;
    if (!x11 || !x11->Photograph(X11Place{screen.left, screen.top, screen.width, screen.height}, shot, taken)) return;
    for (std::size_t i = 0; i < monitors.size(); ++i)
        CropDesktop(shot, AreaOf(taken), monitors[i], screens[i].desktop);
}

// The window's part of the screenshot the host saved on it; empty when there is none.
void TakeHostScreenshot(const X11Display& x11, unsigned long window, const X11Place& place, DesktopImage& part) {
    DesktopImage shot;
    if (!x11.SavedScreenshot(window, shot)) return;
    const MonitorArea area = AreaOf(place);
    CropDesktop(shot, ScreenshotPlacement(shot.width, shot.height, area), area, part);
}

bool PlanMonitors(const SaverOptions& options, const X11Display* x11, RunPlan& plan, std::string& error) {
    std::vector<MonitorArea> reported;
    SdlMonitorList(x11).Enumerate(reported);
    std::vector<MonitorArea> monitors = ScreensToCover(reported);
    if (monitors.empty()) {
        error = "the display reports no monitor";
        return false;
    }
    if (options.mode == OutputMode::Window) {
        MonitorArea& primary = monitors.front();
        primary.width = std::min(primary.width, kWindowWidth);
        primary.height = std::min(primary.height, kWindowHeight);
        monitors.resize(1);
    }
    // One window per monitor at its own size, planned as every saver plans a
    // full-screen run; the field each burns is chosen when it opens, from the
    // run's record (an ordinary window can change size later).
    const std::vector<WindowPlan> windows =
        PlanFullScreen(monitors, 0, 0, monitors.front().width, monitors.front().height, 0, kRenderScaleAutomatic);
    plan.screens.resize(windows.size());
    for (std::size_t i = 0; i < windows.size(); ++i) {
        ScreenPlan& screen = plan.screens[i];
        screen.left = windows[i].area.left;
        screen.top = windows[i].area.top;
        screen.width = windows[i].outputWidth;
        screen.height = windows[i].outputHeight;
        screen.fullScreen = options.mode == OutputMode::FullScreen;
        screen.sound = windows[i].primary;
    }
    PhotographMonitors(x11, monitors, plan.screens);
    plan.cyclePresets = options.mode == OutputMode::FullScreen;
    return true;
}

bool PlanForeignWindow(const SaverOptions& options, const X11Display* x11, RunPlan& plan, std::string& error) {
    if (!x11) {
        error = "drawing into another window needs an X display";
        return false;
    }
    unsigned long window = options.windowId;
    bool host = options.mode == OutputMode::WindowId;
    if (options.mode == OutputMode::Root) {
        const char* named = std::getenv("XSCREENSAVER_WINDOW");
        host = named && ParseWindowId(named, window);
        if (!host) window = x11->Root();
    }
    X11Place place;
    if (!x11->WindowPlace(window, place)) {
        error = "there is no window " + WindowName(window) + " to draw into";
        return false;
    }
    ScreenPlan screen;
    screen.left = place.left;
    screen.top = place.top;
    screen.width = place.width;
    screen.height = place.height;
    screen.foreignWindow = window;
    if (host) {
        TakeHostScreenshot(*x11, window, place, screen.desktop);
    } else {
        X11Place taken;
        x11->Photograph(place, screen.desktop, taken);
    }
    // Under the host the instance at the screen's origin speaks for all; a
    // window of another program (a settings dialog's preview) stays silent.
    const bool primary = options.mode == OutputMode::Root && place.left == 0 && place.top == 0;
    screen.sound = primary;
    plan.cyclePresets = primary;
    plan.watchedWindow = host ? window : 0;
    plan.screens.push_back(std::move(screen));
    return true;
}
}  // namespace

bool PlanRun(const SaverOptions& options, const X11Display* x11, RunPlan& plan, std::string& error) {
    if (options.mode == OutputMode::FullScreen || options.mode == OutputMode::Window)
        return PlanMonitors(options, x11, plan, error);
    return PlanForeignWindow(options, x11, plan, error);
}
