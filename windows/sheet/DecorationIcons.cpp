// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/sheet/DecorationIcons.h"

#include "config/ImageResample.h"

#include <cstdint>
#include <new>
#include <vector>

namespace {
// The side of the largest drawing in the icon files, which is shrunk to each
// box (the files also hold a 32-pixel drawing for the system's own use).
constexpr int kDrawingSide = 96;

// A 32-bit picture (0xAARRGGBB, rows top to bottom) of `side` x `side`.
BITMAPINFO PictureFormat(int side) {
    BITMAPINFO format{};
    format.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), side, -side, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    return format;
}

// Icon `id` at `side` pixels, shrunk smoothly from its largest drawing (the
// system's own stretching of icons draws seams into them); null on failure.
HICON IconAtSide(int id, int side) {
    HICON drawing = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON,
                                                  kDrawingSide, kDrawingSide, LR_DEFAULTCOLOR));
    if (!drawing) return nullptr;
    ICONINFO parts{};
    const bool split = GetIconInfo(drawing, &parts) != FALSE;
    HICON icon = nullptr;
    HBITMAP colours = nullptr, mask = nullptr;
    try {
        std::vector<std::uint32_t> source(static_cast<std::size_t>(kDrawingSide) * kDrawingSide, 0);
        BITMAPINFO format = PictureFormat(kDrawingSide);
        HDC screen = GetDC(nullptr);
        const bool read = split && parts.hbmColor &&
                          GetDIBits(screen, parts.hbmColor, 0, kDrawingSide, source.data(), &format, DIB_RGB_COLORS) ==
                              kDrawingSide;
        ReleaseDC(nullptr, screen);
        void* bits = nullptr;
        BITMAPINFO target = PictureFormat(side);
        if (read) colours = CreateDIBSection(nullptr, &target, DIB_RGB_COLORS, &bits, nullptr, 0);
        // Transparency comes from the colours' alpha; the mask stays empty.
        const std::vector<BYTE> empty(static_cast<std::size_t>((side + 15) / 16 * 2) * side, 0);
        if (colours && bits) mask = CreateBitmap(side, side, 1, 1, empty.data());
        if (mask) {
            ResampleSquare(source.data(), kDrawingSide, static_cast<std::uint32_t*>(bits), side);
            GdiFlush();
            ICONINFO made{TRUE, 0, 0, mask, colours};
            icon = CreateIconIndirect(&made);
        }
    } catch (const std::bad_alloc&) {
        icon = nullptr;  // no room for the pictures: the box keeps the icon it has
    }
    if (colours) DeleteObject(colours);
    if (mask) DeleteObject(mask);
    if (parts.hbmColor) DeleteObject(parts.hbmColor);
    if (parts.hbmMask) DeleteObject(parts.hbmMask);
    DestroyIcon(drawing);
    return icon;
}
}  // namespace

void CDecorationIcons::Fit(HWND dialog) {
    Release();
    for (HWND box = GetWindow(dialog, GW_CHILD); box && m_nCount < kMaxIcons; box = GetWindow(box, GW_HWNDNEXT)) {
        char name[16] = {};
        GetClassNameA(box, name, sizeof name);
        if (lstrcmpiA(name, "Static") != 0 || (GetWindowLongA(box, GWL_STYLE) & SS_TYPEMASK) != SS_ICON) continue;
        RECT client;
        GetClientRect(box, &client);
        const int side = client.right < client.bottom ? client.right : client.bottom;
        HICON icon = side > 0 ? IconAtSide(GetDlgCtrlID(box), side) : nullptr;
        if (!icon) continue;
        // The icon the box loaded by itself is shared by the system: not ours to free.
        SendMessageA(box, STM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
        m_hBoxes[m_nCount] = box;
        m_hIcons[m_nCount] = icon;
        ++m_nCount;
    }
}

void CDecorationIcons::Release() {
    for (int k = 0; k < m_nCount; ++k) {
        if (IsWindow(m_hBoxes[k])) SendMessageA(m_hBoxes[k], STM_SETIMAGE, IMAGE_ICON, 0);
        DestroyIcon(m_hIcons[k]);
        m_hBoxes[k] = nullptr;
        m_hIcons[k] = nullptr;
    }
    m_nCount = 0;
}
