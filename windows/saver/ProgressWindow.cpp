// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/saver/ProgressWindow.h"
#include "resources/win32/resource.h"

#include <commctrl.h>

namespace {
INT_PTR CALLBACK ProgressProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

// Lets the window paint while the map is computed on the same thread.
void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}
}  // namespace

void ProgressWindow::Begin(int rows) {
    m_hWnd = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_PROGRESS), nullptr, ProgressProc, 0);
    if (!m_hWnd) return;
    ShowWindow(m_hWnd, SW_SHOWNOACTIVATE);
    SendDlgItemMessageA(m_hWnd, IDC_PROGRESS, PBM_SETRANGE32, 0, rows);
    PumpMessages();
}

void ProgressWindow::Row(int y) {
    if (!m_hWnd) return;
    SendDlgItemMessageA(m_hWnd, IDC_PROGRESS, PBM_SETPOS, static_cast<WPARAM>(y), 0);
    PumpMessages();
}

void ProgressWindow::End() {
    if (m_hWnd) DestroyWindow(m_hWnd);
    m_hWnd = nullptr;
}
