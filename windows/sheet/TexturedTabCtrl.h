// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "platform/NonCopyable.h"
#include "windows/sheet/SharedBackground.h"

#include <windows.h>

// Paints the shared background behind the tabs of the sheet's tab control,
// anchored at the sheet's client origin.
class CTexturedTabCtrl : private NonCopyable {
public:
    ~CTexturedTabCtrl() { Detach(); }

    int Attach(HWND tab);
    void Detach();
    HWND Handle() const { return m_hWnd; }

private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR data);
    CBackgroundRef m_Background;
    HWND m_hWnd = nullptr;
};
