// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "platform/NonCopyable.h"

#include <windows.h>

// The icons that decorate a page, each loaded at the size of its box. The
// templates give every icon static the icon's resource number as its control
// id and keep its box (SS_CENTERIMAGE), so the icon follows the dialog's font
// and DPI rather than the system's icon size.
class CDecorationIcons : private NonCopyable {
public:
    ~CDecorationIcons() { Release(); }

    // Shows in every icon static of `dialog` its icon at the box's size
    // (the smaller side of the box); a box whose icon cannot be loaded at
    // that size keeps the one it has.
    void Fit(HWND dialog);
    // Takes the icons back from their boxes and frees them.
    void Release();

private:
    static constexpr int kMaxIcons = 16;
    HWND m_hBoxes[kMaxIcons] = {};
    HICON m_hIcons[kMaxIcons] = {};
    int m_nCount = 0;
};
