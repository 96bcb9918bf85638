// SPDX-License-Identifier: GPL-2.0-or-later
#include "run/ScreenPlan.h"
#include "run/RenderScale.h"

namespace {
WindowPlan PlanWindow(const MonitorArea& area, int outputWidth, int outputHeight, int renderScale) {
    WindowPlan plan;
    plan.area = area;
    plan.outputWidth = outputWidth;
    plan.outputHeight = outputHeight;
    const FieldSize field = FieldSizeFor(outputWidth, outputHeight, renderScale);
    plan.fieldWidth = field.width;
    plan.fieldHeight = field.height;
    plan.primary = area.primary;
    return plan;
}
}  // namespace

std::vector<WindowPlan> PlanFullScreen(const std::vector<MonitorArea>& screens, int fallbackWidth, int fallbackHeight,
                                       int xRes, int yRes, int useDirectX, int renderScale) {
    std::vector<WindowPlan> plans;
    if (screens.size() <= 1) {
        MonitorArea area = screens.empty() ? MonitorArea{0, 0, fallbackWidth, fallbackHeight, true} : screens[0];
        area.primary = true;
        WindowPlan plan = PlanWindow(area, xRes, yRes, renderScale);
        const bool scaled = plan.fieldWidth != xRes || plan.fieldHeight != yRes;
        plan.useDirectX = useDirectX != 0 && !scaled;
        plan.mayChangeMode = true;
        plans.push_back(plan);
        return plans;
    }
    for (const MonitorArea& screen : screens) plans.push_back(PlanWindow(screen, screen.width, screen.height, renderScale));
    return plans;
}
