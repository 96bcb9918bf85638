// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/sheet/SharedBackground.h"

#include "config/BackgroundRules.h"
#include "windows/sheet/ConfigResource.h"

#include <commctrl.h>

namespace {
int g_nUsers = 0;
HBITMAP g_hBitmap = nullptr;
HDC g_hMemoryDc = nullptr;
HGDIOBJ g_hPreviousBitmap = nullptr;
int g_nWidth = 0, g_nHeight = 0;
double g_dScaleX = 1.5, g_dScaleY = 1.625;
// One tile of the picture at the current scale, for controls that paint
// their own background; made when first asked for.
HBRUSH g_hTileBrush = nullptr;

void DropTileBrush() {
    if (g_hTileBrush) DeleteObject(g_hTileBrush);
    g_hTileBrush = nullptr;
}

void SetScale(double x, double y) {
    if (x == g_dScaleX && y == g_dScaleY) return;
    g_dScaleX = x;
    g_dScaleY = y;
    DropTileBrush();
}

bool Unscaled() { return g_dScaleX == 1.0 && g_dScaleY == 1.0; }

SIZE TileSize() {
    if (Unscaled()) return SIZE{g_nWidth, g_nHeight};
    return SIZE{TileSide(g_nWidth, g_dScaleX), TileSide(g_nHeight, g_dScaleY)};
}

void FreePicture() {
    DropTileBrush();
    if (g_hMemoryDc) {
        SelectObject(g_hMemoryDc, g_hPreviousBitmap);
        DeleteDC(g_hMemoryDc);
    }
    if (g_hBitmap) DeleteObject(g_hBitmap);
    g_hMemoryDc = nullptr;
    g_hBitmap = nullptr;
    g_hPreviousBitmap = nullptr;
    g_nWidth = g_nHeight = 0;
}

int LoadPicture() {
    g_hBitmap = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_BACKGROUND),
                                                IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!g_hBitmap) return 0;
    HDC screen = GetDC(nullptr);
    g_hMemoryDc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    if (!g_hMemoryDc) {
        FreePicture();
        return 0;
    }
    g_hPreviousBitmap = SelectObject(g_hMemoryDc, g_hBitmap);

    BITMAPINFO header{};
    header.bmiHeader.biSize = sizeof header.bmiHeader;
    GetDIBits(g_hMemoryDc, g_hBitmap, 0, 0, nullptr, &header, DIB_RGB_COLORS);
    if (header.bmiHeader.biBitCount != 8 || header.bmiHeader.biWidth <= 0 || header.bmiHeader.biHeight == 0) {
        // Painting needs the size; a picture of another depth is not used.
        FreePicture();
        return 0;
    }
    RGBQUAD table[256];
    const UINT entries = GetDIBColorTable(g_hMemoryDc, 0, 256, table);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const TintColour faceColour{GetRValue(face), GetGValue(face), GetBValue(face)};
    for (UINT i = 0; i < entries; ++i) {
        const TintColour c = TintedEntry(static_cast<int>(i), faceColour);
        table[i] = RGBQUAD{static_cast<BYTE>(c.blue), static_cast<BYTE>(c.green), static_cast<BYTE>(c.red), 0};
    }
    SetDIBColorTable(g_hMemoryDc, 0, entries, table);
    g_nWidth = header.bmiHeader.biWidth;
    g_nHeight = header.bmiHeader.biHeight < 0 ? -header.bmiHeader.biHeight : header.bmiHeader.biHeight;
    return 1;
}
}  // namespace

int AcquireBackground() {
    if (g_nUsers == 0 && !LoadPicture()) return 0;
    ++g_nUsers;
    return 1;
}

void ReleaseBackground() {
    if (g_nUsers <= 0) return;
    if (--g_nUsers == 0) FreePicture();
}

int PaintBackground(HDC dc, const RECT& rect, POINT origin) {
    if (!g_hMemoryDc || g_nWidth <= 0 || g_nHeight <= 0) return 0;
    const bool unscaled = Unscaled();
    const SIZE tile = TileSize();
    const int tileWidth = tile.cx, tileHeight = tile.cy;
    if (!unscaled) SetStretchBltMode(dc, COLORONCOLOR);
    for (int y = FirstTile(rect.top, origin.y, tileHeight); y < rect.bottom; y += tileHeight)
        for (int x = FirstTile(rect.left, origin.x, tileWidth); x < rect.right; x += tileWidth) {
            if (unscaled)
                BitBlt(dc, x, y, g_nWidth, g_nHeight, g_hMemoryDc, 0, 0, SRCCOPY);
            else
                StretchBlt(dc, x, y, tileWidth, tileHeight, g_hMemoryDc, 0, 0, g_nWidth, g_nHeight, SRCCOPY);
        }
    return 1;
}

void ComputeDialogScale(HWND window) {
    RECT units{0, 0, 1000, 1000};
    if (!MapDialogRect(window, &units)) return;
    SetScale(units.right * (1.0 / 1500.0), units.bottom * (1.0 / 1625.0));
}

void FitBackgroundTo(int width, int height) {
    if (width <= 0 || height <= 0) return;
    SetScale(FitScale(width, 469), FitScale(height, 432));
}

int PaintAnchoredBackground(HWND window, HDC dc, HWND anchor) {
    RECT client;
    GetClientRect(window, &client);
    POINT origin{0, 0};
    if (anchor && anchor != window) MapWindowPoints(window, anchor, &origin, 1);
    return PaintBackground(dc, client, origin);
}

namespace {
HBRUSH TileBrush() {
    if (g_hTileBrush || !g_hMemoryDc || g_nWidth <= 0 || g_nHeight <= 0) return g_hTileBrush;
    const SIZE tile = TileSize();
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, tile.cx, tile.cy);
    HDC dc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    if (bitmap && dc) {
        HGDIOBJ previous = SelectObject(dc, bitmap);
        PaintBackground(dc, RECT{0, 0, tile.cx, tile.cy}, POINT{0, 0});
        SelectObject(dc, previous);
        g_hTileBrush = CreatePatternBrush(bitmap);
    }
    if (dc) DeleteDC(dc);
    if (bitmap) DeleteObject(bitmap);
    return g_hTileBrush;
}

// Trackbars and icons fill their whole box with the brush their parent
// answers, so they get the picture itself rather than a see-through brush.
bool FillsOwnBackground(HWND control) {
    char name[32] = {};
    GetClassNameA(control, name, sizeof name);
    if (lstrcmpiA(name, TRACKBAR_CLASSA) == 0) return true;
    return lstrcmpiA(name, "Static") == 0 && (GetWindowLongA(control, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
}
}  // namespace

HBRUSH AnchoredBackgroundBrush(HDC dc, HWND control) {
    HBRUSH brush = TileBrush();
    if (!brush) return nullptr;
    POINT origin{0, 0};
    MapWindowPoints(control, GetAncestor(control, GA_ROOT), &origin, 1);
    const SIZE tile = TileSize();
    SetBrushOrgEx(dc, BrushOrigin(origin.x, tile.cx), BrushOrigin(origin.y, tile.cy), nullptr);
    return brush;
}

HBRUSH TexturedControlColour(UINT message, HDC dc, HWND control) {
    if (GetWindowLongA(control, GWL_EXSTYLE) & WS_EX_TRANSPARENT) {
        SetBkMode(dc, TRANSPARENT);
        return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    }
    if (message == WM_CTLCOLORSTATIC && FillsOwnBackground(control)) {
        if (HBRUSH picture = AnchoredBackgroundBrush(dc, control)) return picture;
    }
    if (message == WM_CTLCOLOREDIT) SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    SetBkMode(dc, OPAQUE);
    return nullptr;
}
