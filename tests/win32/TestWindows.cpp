// SPDX-License-Identifier: GPL-2.0-or-later
#include "tests/win32/TestWindows.h"
#include "tests/ScratchRegistry.h"

namespace {
const char* const kScratchName = "WindowTests";
}  // namespace

HostWindow::HostWindow(int width, int height) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "EmberluxTestHost";
    RegisterClassA(&windowClass);
    // A pop-up without a frame: its client area is the whole window.
    m_hWnd = CreateWindowA("EmberluxTestHost", "host", WS_POPUP | WS_CLIPCHILDREN | WS_VISIBLE, 50, 50, width,
                           height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

HostWindow::~HostWindow() {
    if (m_hWnd) DestroyWindow(m_hWnd);
}

RECT HostWindow::Client() const {
    RECT client{};
    GetClientRect(m_hWnd, &client);
    return client;
}

int HostWindow::Children() const {
    int count = 0;
    for (HWND child = GetWindow(m_hWnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) ++count;
    return count;
}

void WindowTest::SetUp() {
    RecordedMessages().clear();
    TestHeap::Reset();
    RegistryStore::SetBackendFactory(ScratchPlatformRegistry(kScratchName));
}

void WindowTest::TearDown() {
    TestHeap::Reset();
    RegistryStore::SetBackendFactory(nullptr);
    RemoveScratchPlatformRegistry(kScratchName);
}
