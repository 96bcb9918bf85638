// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "palette/FirePalette.h"
#include "platform/NonCopyable.h"

#include <windows.h>

// A child control showing a palette as a colour strip over three level
// curves, with four channel buttons (Red, Green, Blue, All) along its bottom.
// Dragging with the left button pulls the selected channel toward the
// pointer's level around the pointer's entry.
class CPaletteEditor : private NonCopyable {
public:
    ~CPaletteEditor();

    // Creates the window (always a clipping child) and its buttons; 0 when a
    // part cannot be made or the parent has no font.
    int Create(DWORD style, const RECT& rect, HWND parent, int id);
    HWND Handle() const { return m_hWnd; }

    // Shows `palette` and clears the modified mark.
    void SetPalette(const FirePalette& palette);
    int GetPalette(FirePalette& dest) const;
    // 0 Red, 1 Green, 2 Blue, 3 All.
    int GetChannel() const;
    int IsModified() const { return m_nModified; }
    void SetModified(int modified) { m_nModified = modified; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnPaint();
    void OnDrag(int x, int y);
    void Repaint();

    HWND m_hWnd = nullptr;
    HWND m_hButtons[4] = {};
    int m_nButtonHeight = 0;  // of the channel buttons along the bottom, for the DPI
    FirePalette m_Palette{};
    RECT m_rcCurves{}, m_rcStrip{};
    int m_nModified = 0;
};
