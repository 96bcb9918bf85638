// SPDX-License-Identifier: GPL-2.0-or-later
// One full-screen saver window, made as the run makes each of its windows.
#include "windows/saver/CinderwellWnd.h"
#include "windows/saver/FullScreenRun.h"
#include "tests/win32/TestWindows.h"

#include <new>

namespace {
class OneMonitor : public MonitorList {
public:
    int Enumerate(std::vector<MonitorArea>& monitors) override {
        monitors.push_back(MonitorArea{0, 0, 320, 200, true});
        return 1;
    }
};

class SaverWindow : public WindowTest {
protected:
    SaverWindow() {
        plan.area = MonitorArea{0, 0, 64, 48, true};
        plan.outputWidth = plan.fieldWidth = 64;
        plan.outputHeight = plan.fieldHeight = 48;
        plan.primary = true;
        settings.SetInt(SettingId::TransitionOn, 0);
    }
    SharedEngineState shared{1};
    FullScreenRun run{shared};
    WindowPlan plan;
    Settings settings;
};
}  // namespace

TEST_F(SaverWindow, AFailingEngineFailsCreationWithItsMessageAndTheObjectGoesOnce) {
    // A field of no size: the engine cannot be built.
    plan.fieldWidth = plan.fieldHeight = 0;
    TestHeap::KeepFreedBlocks(true);
    CCinderwellWnd* window = CCinderwellWnd::New(run, plan, shared);
    ASSERT_NE(window, nullptr);
    const BOOL created = window->Create(settings);
    TestHeap::KeepFreedBlocks(false);
    EXPECT_FALSE(created);
    EXPECT_TRUE(TestHeap::WasFreed(window)) << "the object outlived its window";
    EXPECT_EQ(TestHeap::DoubleFrees(), 0);
    EXPECT_EQ(RecordedMessages(), std::vector<std::string>{"m_pCinderwell initialization's fault."});
}

TEST_F(SaverWindow, NoMemoryToMakeAWindowGivesNoWindowAndNoException) {
    ExpectEachAllocationFailureGivesNull([this] { return CCinderwellWnd::New(run, plan, shared); });
}

TEST_F(SaverWindow, NoMemoryForAWindowsEngineEndsTheRunWithItsMessage) {
    OneMonitor monitors;
    EXPECT_FALSE(StartedWhileAllocationsOfSizeFail(sizeof(CFireEngine), [&] { return run.Start(monitors); }));
    EXPECT_EQ(RecordedMessages(), std::vector<std::string>{"Error memory allocating for CCinderwellWnd."});
}
