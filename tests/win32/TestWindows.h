// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "platform/NonCopyable.h"
#include "tests/win32/RecordedMessages.h"
#include "tests/win32/TestHeap.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <new>

// A top-level window with a client area of the given size, destroyed with
// the object: the host a preview is made in.
class HostWindow : private NonCopyable {
public:
    HostWindow(int width, int height);
    ~HostWindow();
    HWND Handle() const { return m_hWnd; }
    RECT Client() const;
    // The child windows it holds now.
    int Children() const;

private:
    HWND m_hWnd = nullptr;
};

// Every window test starts with no recorded message, the test heap off and
// a scratch registry of its own; it turns the heap off again when it ends.
class WindowTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

// What `start` returns while every allocation of `size` bytes fails; it must
// end without an exception.
template <class Start>
bool StartedWhileAllocationsOfSizeFail(std::size_t size, Start start) {
    TestHeap::FailAllocationsOf(size);
    bool started = false, threw = false;
    try {
        started = start();
    } catch (const std::bad_alloc&) {
        threw = true;
    }
    TestHeap::Reset();
    EXPECT_FALSE(threw) << "it ended with an exception";
    return started;
}

// Makes an object with `make` while each of its allocations fails in turn
// (the first, then the second, ...) until an attempt needs no more: every
// failure must give null, throw nothing and leave nothing allocated.
template <class Make>
void ExpectEachAllocationFailureGivesNull(Make make) {
    for (int chosen = 0;; ++chosen) {
        const long long live = TestHeap::LiveBlocks();
        TestHeap::FailAllocationAfter(chosen);
        decltype(make()) object = nullptr;
        bool threw = false;
        try {
            object = make();
        } catch (const std::bad_alloc&) {
            threw = true;
        }
        const bool failed = TestHeap::ChosenAllocationFailed();
        TestHeap::Reset();
        const long long left = TestHeap::LiveBlocks() - live;
        if (!failed) {
            EXPECT_NE(object, nullptr);
            delete object;
            return;
        }
        EXPECT_FALSE(threw) << "allocation " << chosen << " failed with an exception";
        EXPECT_EQ(object, nullptr) << "allocation " << chosen << " failed, and yet an object came";
        EXPECT_EQ(left, 0) << "allocation " << chosen << " failed and left blocks behind";
        if (threw || object) return;
    }
}
