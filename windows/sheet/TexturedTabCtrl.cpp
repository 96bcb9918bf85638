// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/sheet/TexturedTabCtrl.h"

#include <commctrl.h>

int CTexturedTabCtrl::Attach(HWND tab) {
    Detach();
    if (!tab || !SetWindowSubclass(tab, SubclassProc, 1, reinterpret_cast<DWORD_PTR>(this))) return 0;
    m_hWnd = tab;
    return 1;
}

void CTexturedTabCtrl::Detach() {
    if (m_hWnd) RemoveWindowSubclass(m_hWnd, SubclassProc, 1);
    m_hWnd = nullptr;
}

LRESULT CALLBACK CTexturedTabCtrl::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                               DWORD_PTR data) {
    auto* self = reinterpret_cast<CTexturedTabCtrl*>(data);
    if (message == WM_ERASEBKGND) {
        PaintAnchoredBackground(window, reinterpret_cast<HDC>(wParam), GetParent(window));
        return 1;
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, SubclassProc, 1);
        if (self) self->m_hWnd = nullptr;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}
