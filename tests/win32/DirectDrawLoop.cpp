// SPDX-License-Identifier: GPL-2.0-or-later
// The least a full-screen 8-bit DirectDraw program does: a window, the
// screen's own size at 8 bits, a primary surface with a palette, and every
// 25 ms a Lock, a fill and an Unlock; until a key is pressed or it is ended.
// scripts/measure-memory.sh runs it beside the saver to tell what the
// system's DirectDraw itself grows by from what the saver does.
// Exit code 0 after a key, 1 when DirectDraw will not give the screen.
#include <windows.h>
#include <ddraw.h>

#include <cstring>

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
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = LoopWindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = "DirectDrawLoop";
    RegisterClassA(&windowClass);
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    const HWND window = CreateWindowExA(WS_EX_TOPMOST, "DirectDrawLoop", "DirectDrawLoop", WS_POPUP | WS_VISIBLE, 0,
                                        0, width, height, nullptr, nullptr, instance, nullptr);
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
    if (!window || !directDraw ||
        FAILED(directDraw->SetCooperativeLevel(window, DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN)) ||
        FAILED(directDraw->SetDisplayMode(width, height, 8)) ||
        FAILED(directDraw->CreateSurface(&description, &primary, nullptr)) ||
        FAILED(directDraw->CreatePalette(DDPCAPS_8BIT | DDPCAPS_ALLOW256, entries, &palette, nullptr)) ||
        FAILED(primary->SetPalette(palette)))
        return 1;
    for (unsigned frame = 0;; ++frame) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) return 0;
            DispatchMessageA(&message);
        }
        std::memset(&description, 0, sizeof description);
        description.dwSize = sizeof description;
        if (SUCCEEDED(primary->Lock(nullptr, &description, DDLOCK_WAIT, nullptr))) {
            auto* rows = static_cast<BYTE*>(description.lpSurface);
            for (int y = 0; y < height; ++y) std::memset(rows + y * description.lPitch, (frame + y) & 255, width);
            primary->Unlock(nullptr);
        }
        Sleep(25);
    }
}
