// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "tests/win32/RecordedMessages.h"
#include "tests/win32/TestHeap.h"

#include <windows.h>

#include <gtest/gtest.h>

// A top-level window with a client area of the given size, destroyed with
// the object: the host a preview is made in.
class HostWindow {
public:
    HostWindow(int width, int height);
    ~HostWindow();
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;
    HWND Handle() const { return m_hWnd; }
    RECT Client() const;
    // The child windows it holds now.
    int Children() const;

private:
    HWND m_hWnd = nullptr;
};

// Every window test starts with no recorded message and the test heap off,
// and turns the heap off again when it ends.
class WindowTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};
