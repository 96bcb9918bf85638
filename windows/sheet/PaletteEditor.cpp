// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/sheet/PaletteEditor.h"

#include "config/DpiRules.h"
#include "config/PaletteBrush.h"
#include "windows/sheet/ConfigResource.h"
#include "windows/sheet/WindowDpi.h"

namespace {
constexpr const char* kEditorClass = "EmberluxPaletteEditor";
constexpr int kButtonHeight = 18;  // at 96 DPI

bool RegisterEditorClass() {
    WNDCLASSA existing;
    if (GetClassInfoA(GetModuleHandleA(nullptr), kEditorClass, &existing)) return true;
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;  // replaced per window once the object is bound
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_CROSS);
    wc.lpszClassName = kEditorClass;
    return RegisterClassA(&wc) != 0;
}
}  // namespace

CPaletteEditor::~CPaletteEditor() {
    if (m_hWnd) {
        SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, 0);
        DestroyWindow(m_hWnd);
    }
}

int CPaletteEditor::Create(DWORD style, const RECT& rect, HWND parent, int id) {
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(parent, WM_GETFONT, 0, 0));
    if (!font || !RegisterEditorClass()) return 0;
    HDC screen = GetDC(nullptr);
    PALETTEENTRY system[256] = {};
    GetSystemPaletteEntries(screen, 0, 256, system);
    ReleaseDC(nullptr, screen);
    for (int i = 0; i < 256; ++i)
        m_Palette.entries[i] = PaletteEntry{system[i].peRed, system[i].peGreen, system[i].peBlue, 0};

    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    m_nButtonHeight = ScaleToDpi(kButtonHeight, WindowDpi(parent));
    m_hWnd = CreateWindowExA(0, kEditorClass, "", style | WS_CHILD | WS_CLIPCHILDREN, rect.left, rect.top, width,
                             height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             GetModuleHandleA(nullptr), nullptr);
    if (!m_hWnd) return 0;
    SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WindowProc));
    SendMessageA(m_hWnd, WM_SIZE, 0, MAKELPARAM(width, height));

    static const char* const kNames[4] = {"Red", "Green", "Blue", "All"};
    const int quarter = width / 4;
    for (int k = 0; k < 4; ++k) {
        const int left = k * quarter, right = k == 3 ? width : (k + 1) * quarter;
        m_hButtons[k] = CreateWindowExA(0, "BUTTON", kNames[k],
                                        WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON | BS_PUSHLIKE, left,
                                        height - m_nButtonHeight, right - left, m_nButtonHeight, m_hWnd,
                                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_EDITOR_RED + k)),
                                        GetModuleHandleA(nullptr), nullptr);
        if (!m_hButtons[k]) return 0;
        SendMessageA(m_hButtons[k], WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    SendMessageA(m_hButtons[3], BM_SETCHECK, BST_CHECKED, 0);
    return 1;
}

void CPaletteEditor::Repaint() {
    if (!m_hWnd) return;
    InvalidateRect(m_hWnd, nullptr, FALSE);
    UpdateWindow(m_hWnd);
}

void CPaletteEditor::SetPalette(const FirePalette& palette) {
    m_Palette = palette;
    Repaint();
    m_nModified = 0;
}

int CPaletteEditor::GetPalette(FirePalette& dest) const {
    dest = m_Palette;
    return 1;
}

int CPaletteEditor::GetChannel() const {
    for (int k = 0; k < 3; ++k)
        if (m_hButtons[k] && SendMessageA(m_hButtons[k], BM_GETCHECK, 0, 0) == BST_CHECKED) return k;
    return 3;
}

void CPaletteEditor::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hWnd, &paint);
    RECT strip = m_rcStrip, curves = m_rcCurves;
    DrawEdge(dc, &strip, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    DrawEdge(dc, &curves, EDGE_SUNKEN, BF_RECT | BF_ADJUST | BF_MIDDLE);
    const int width = strip.right - strip.left;
    const int depth = curves.bottom - curves.top;
    for (int x = strip.left; x < strip.right && width > 0; ++x) {
        const PaletteEntry& entry = m_Palette.entries[StripEntryIndex(x, width)];
        HBRUSH brush = CreateSolidBrush(RGB(entry.red, entry.green, entry.blue));
        RECT column{x, strip.top, x + 1, strip.bottom};
        FillRect(dc, &column, brush);
        DeleteObject(brush);
        if (depth <= 0 || x < curves.left || x >= curves.right) continue;
        SetPixelV(dc, x, curves.bottom - depth * entry.red / 255, RGB(255, 0, 0));
        SetPixelV(dc, x, curves.bottom - depth * entry.green / 255, RGB(0, 255, 0));
        SetPixelV(dc, x, curves.bottom - depth * entry.blue / 255, RGB(0, 0, 255));
    }
    EndPaint(m_hWnd, &paint);
}

void CPaletteEditor::OnDrag(int x, int y) {
    int centre = 0, level = 0;
    if (!PointToCentreAndLevel(x, y, m_rcCurves.left, m_rcCurves.top, m_rcCurves.right, m_rcCurves.bottom, centre,
                               level))
        return;  // no curves area to edit in
    ApplyBrush(m_Palette, GetChannel(), centre, level);
    Repaint();
    m_nModified = 1;
}

LRESULT CPaletteEditor::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE: {
        const int cx = LOWORD(lParam), cy = HIWORD(lParam), caption = GetSystemMetrics(SM_CYCAPTION);
        m_rcStrip = RECT{0, 0, cx, caption};
        m_rcCurves = RECT{0, caption + 1, cx, cy - m_nButtonHeight};
        return 0;
    }
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_ENABLE:
        for (HWND button : m_hButtons)
            if (button) EnableWindow(button, wParam ? TRUE : FALSE);
        return 0;
    case WM_LBUTTONDOWN:
        SetCapture(m_hWnd);
        OnDrag(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        return 0;
    case WM_MOUSEMOVE:
        if (wParam & MK_LBUTTON) OnDrag(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        return 0;
    case WM_LBUTTONUP:
        ReleaseCapture();
        return 0;
    }
    return DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CALLBACK CPaletteEditor::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<CPaletteEditor*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        self->m_hWnd = nullptr;
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        return DefWindowProcA(window, message, wParam, lParam);
    }
    return self->OnMessage(message, wParam, lParam);
}
