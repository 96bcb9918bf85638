#include "config/win32/SharedBackground.h"

#include "config/BackgroundRules.h"
#include "config/win32/ConfigResource.h"

namespace {
int g_nUsers = 0;
HBITMAP g_hBitmap = nullptr;
HDC g_hMemoryDc = nullptr;
HGDIOBJ g_hPreviousBitmap = nullptr;
int g_nWidth = 0, g_nHeight = 0;
double g_dScaleX = 1.5, g_dScaleY = 1.625;

void FreePicture() {
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
    const bool unscaled = g_dScaleX == 1.0 && g_dScaleY == 1.0;
    const int tileWidth = unscaled ? g_nWidth : TileSide(g_nWidth, g_dScaleX);
    const int tileHeight = unscaled ? g_nHeight : TileSide(g_nHeight, g_dScaleY);
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
    g_dScaleX = units.right * (1.0 / 1500.0);
    g_dScaleY = units.bottom * (1.0 / 1625.0);
}

void FitBackgroundTo(int width, int height) {
    if (width <= 0 || height <= 0) return;
    g_dScaleX = width * (1.0 / 469.0);
    g_dScaleY = height * (1.0 / 432.0);
}

int PaintAnchoredBackground(HWND window, HDC dc, HWND anchor) {
    RECT client;
    GetClientRect(window, &client);
    POINT origin{0, 0};
    if (anchor && anchor != window) MapWindowPoints(window, anchor, &origin, 1);
    return PaintBackground(dc, client, origin);
}

HBRUSH TexturedControlColour(UINT message, HDC dc, HWND control) {
    if (GetWindowLongA(control, GWL_EXSTYLE) & WS_EX_TRANSPARENT) {
        SetBkMode(dc, TRANSPARENT);
        return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    }
    if (message == WM_CTLCOLOREDIT) SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    SetBkMode(dc, OPAQUE);
    return nullptr;
}
