// SPDX-License-Identifier: GPL-2.0-or-later
// The least a full-screen program does to show a new frame every 25 ms, until
// a key is pressed or it is ended; what the system's drawing costs and grows
// by on its own, which scripts/measure-cpu.sh and scripts/measure-memory.sh
// set beside the saver's:
//   PresentLoop directdraw: the screen's own size at 8 bits through
//     DirectDraw, a primary surface with a palette; each frame a Lock, a fill
//     and an Unlock;
//   PresentLoop gdi: a window over the screen; each frame every pixel of a
//     32-bit frame of the screen's size is written, then drawn with
//     SetDIBitsToDevice.
// Exit code 0 after a key, 1 when the screen cannot be had, 2 for a bad argument.
#include <windows.h>
#include <ddraw.h>

#include <cstdint>
#include <cstring>
#include <new>
#include <vector>

namespace {
LRESULT CALLBACK LoopWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN) PostQuitMessage(0);
    return DefWindowProcA(window, message, wParam, lParam);
}

LPDIRECTDRAW CreateDirectDraw() {
    using CreateFunction = HRESULT(WINAPI*)(GUID*, LPDIRECTDRAW*, IUnknown*);
    const HMODULE library = LoadLibraryA("ddraw.dll");
    auto create = library ? reinterpret_cast<CreateFunction>(
                                reinterpret_cast<void*>(GetProcAddress(library, "DirectDrawCreate")))
                          : nullptr;
    LPDIRECTDRAW directDraw = nullptr;
    return create && SUCCEEDED(create(nullptr, &directDraw, nullptr)) ? directDraw : nullptr;
}

// Pumps the window's messages; false once a key has asked to end.
bool KeepRunning() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) return false;
        DispatchMessageA(&message);
    }
    return true;
}

int LoopDirectDraw(HWND window, int width, int height) {
    LPDIRECTDRAW directDraw = CreateDirectDraw();
    DDSURFACEDESC description;
    std::memset(&description, 0, sizeof description);
    description.dwSize = sizeof description;
    description.dwFlags = DDSD_CAPS;
    description.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE;
    LPDIRECTDRAWSURFACE primary = nullptr;
    PALETTEENTRY entries[256];
    for (int i = 0; i < 256; ++i)
        entries[i] = PALETTEENTRY{static_cast<BYTE>(i), static_cast<BYTE>(i / 2), 0, 0};
    LPDIRECTDRAWPALETTE palette = nullptr;
    if (!directDraw || FAILED(directDraw->SetCooperativeLevel(window, DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN)) ||
        FAILED(directDraw->SetDisplayMode(width, height, 8)) ||
        FAILED(directDraw->CreateSurface(&description, &primary, nullptr)) ||
        FAILED(directDraw->CreatePalette(DDPCAPS_8BIT | DDPCAPS_ALLOW256, entries, &palette, nullptr)) ||
        FAILED(primary->SetPalette(palette)))
        return 1;
    for (unsigned frame = 0; KeepRunning(); ++frame) {
        std::memset(&description, 0, sizeof description);
        description.dwSize = sizeof description;
        if (SUCCEEDED(primary->Lock(nullptr, &description, DDLOCK_WAIT, nullptr))) {
            auto* rows = static_cast<BYTE*>(description.lpSurface);
            for (int y = 0; y < height; ++y) std::memset(rows + y * description.lPitch, (frame + y) & 255, width);
            primary->Unlock(nullptr);
        }
        Sleep(25);
    }
    return 0;
}

int LoopGdi(HWND window, int width, int height) {
    const HDC dc = GetWindowDC(window);
    std::vector<std::uint32_t> pixels;
    try {
        pixels.resize(static_cast<std::size_t>(width) * height);
    } catch (const std::bad_alloc&) {
        return 1;
    }
    if (!dc) return 1;
    BITMAPINFO header{};
    header.bmiHeader.biSize = sizeof header.bmiHeader;
    header.bmiHeader.biWidth = width;
    header.bmiHeader.biHeight = -height;
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = 32;
    header.bmiHeader.biCompression = BI_RGB;
    for (std::uint32_t frame = 0; KeepRunning(); ++frame) {
        for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = frame * 0x010101u + static_cast<std::uint32_t>(i);
        SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(width), static_cast<DWORD>(height), 0, 0, 0,
                          static_cast<UINT>(height), pixels.data(), &header, DIB_RGB_COLORS);
        Sleep(25);
    }
    ReleaseDC(window, dc);
    return 0;
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    const bool directDraw = std::strcmp(commandLine, "directdraw") == 0;
    if (!directDraw && std::strcmp(commandLine, "gdi") != 0) return 2;
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = LoopWindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = "PresentLoop";
    RegisterClassA(&windowClass);
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    const HWND window = CreateWindowExA(WS_EX_TOPMOST, "PresentLoop", "PresentLoop", WS_POPUP | WS_VISIBLE, 0, 0,
                                        width, height, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    return directDraw ? LoopDirectDraw(window, width, height) : LoopGdi(window, width, height);
}
