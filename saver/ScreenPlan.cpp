#include "saver/ScreenPlan.h"

std::vector<WindowPlan> PlanFullScreen(const std::vector<MonitorArea>& screens, int fallbackWidth, int fallbackHeight,
                                       int xRes, int yRes, int useDirectX) {
    std::vector<WindowPlan> plans;
    if (screens.size() <= 1) {
        WindowPlan plan;
        plan.area = screens.empty() ? MonitorArea{0, 0, fallbackWidth, fallbackHeight, true} : screens[0];
        plan.outputWidth = plan.fieldWidth = xRes;
        plan.outputHeight = plan.fieldHeight = yRes;
        plan.primary = true;
        plan.useDirectX = useDirectX != 0;
        plan.mayChangeMode = true;
        plans.push_back(plan);
        return plans;
    }
    for (const MonitorArea& screen : screens) {
        WindowPlan plan;
        plan.area = screen;
        plan.outputWidth = plan.fieldWidth = screen.width;
        plan.outputHeight = plan.fieldHeight = screen.height;
        plan.primary = screen.primary;
        plans.push_back(plan);
    }
    return plans;
}
