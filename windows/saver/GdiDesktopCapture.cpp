// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/saver/GdiDesktopCapture.h"

#include <windows.h>

#include <cstring>
#include <new>

namespace {
// The GDI objects of one capture, released on every path.
struct CaptureObjects {
    HDC screen = nullptr;
    HDC memory = nullptr;
    HBITMAP section = nullptr;
    HGDIOBJ previous = nullptr;
    ~CaptureObjects() {
        if (previous) SelectObject(memory, previous);
        if (section) DeleteObject(section);
        if (memory) DeleteDC(memory);
        if (screen) ReleaseDC(nullptr, screen);
    }
};
}  // namespace

int GdiDesktopCapture::Capture(DesktopImage& image) {
    CaptureObjects gdi;
    gdi.screen = GetDC(nullptr);
    if (!gdi.screen) return 0;
    const int width = m_Area.width, height = m_Area.height;
    gdi.memory = CreateCompatibleDC(gdi.screen);
    if (!gdi.memory || width < 1 || height < 1) return 0;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // bottom-up
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    gdi.section = CreateDIBSection(gdi.screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!gdi.section || !bits) return 0;
    gdi.previous = SelectObject(gdi.memory, gdi.section);
    if (!BitBlt(gdi.memory, 0, 0, width, height, gdi.screen, m_Area.left, m_Area.top, SRCCOPY)) return 0;
    GdiFlush();
    // Section rows are padded to 4 bytes; the image keeps them 3 x width apart.
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) & ~static_cast<std::size_t>(3);
    try {
        image.bgr.resize(static_cast<std::size_t>(width) * height * 3);
    } catch (const std::bad_alloc&) {
        return 0;
    }
    for (int y = 0; y < height; ++y)
        std::memcpy(&image.bgr[static_cast<std::size_t>(y) * width * 3], static_cast<std::uint8_t*>(bits) + y * stride,
                    static_cast<std::size_t>(width) * 3);
    image.width = width;
    image.height = height;
    return 1;
}
