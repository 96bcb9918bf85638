// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <windows.h>

// Asks for the saver's password before the full-screen run ends (dialog 145).
class CPasswordDlg {
public:
    explicit CPasswordDlg(HWND parent) : m_hParent(parent) {}
    // IDOK when the typed password matches the stored one exactly, IDCANCEL otherwise.
    INT_PTR DoModal();

private:
    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    HWND m_hParent;
};
