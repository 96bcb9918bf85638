// SPDX-License-Identifier: GPL-2.0-or-later
// The full-screen fire through DirectDraw, paused again and again as for the
// password dialog: each round presents frames, shows the system palette and
// then makes the password dialog over the screen, and destroys it. Under Wine
// the frames are drawn by a thread of Wine's own, and a window made while
// that thread still draws can deadlock the program in Xlib: this program then
// hangs, so the script that runs it gives it a deadline.
// Prints "made N windows over the paused fire", or why it could not start.
#include "palette/FirePalette.h"
#include "resources/win32/resource.h"
#include "tests/win32/ScreenWindow.h"
#include "windows/display/DisplayOutput.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {
constexpr int kRounds = 300;
constexpr int kFramesARound = 4;  // still being drawn when the dialog is made, unless the pause waits

int Say(const char* text) {
    std::printf("%s\n", text);
    std::fflush(stdout);
    return 1;
}

INT_PTR CALLBACK OnlyInit(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

void HandPendingMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    const HWND screen = MakeScreenWindow(instance, "PausedFireHost", DefWindowProcA);
    if (!screen) return Say("no window for the fire");
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    FirePalette fire{}, system{};
    for (int i = 0; i < 256; ++i) fire.entries[i] = PaletteEntry{static_cast<std::uint8_t>(i), 0, 0, 0};
    DisplayOutput output;
    output.Prepare(screen, true, true, system);
    if (!output.Open(PresentSizes{width, height, width, height}, fire) || std::strcmp(output.Way(), "DirectDraw") != 0)
        return Say("no DirectDraw");
    std::vector<std::uint8_t> frame(static_cast<std::size_t>(width) * height);
    for (int round = 0; round < kRounds; ++round) {
        for (int k = 0; k < kFramesARound; ++k) {
            std::fill(frame.begin(), frame.end(), static_cast<std::uint8_t>(round + k));
            output.Present(frame.data(), nullptr);
        }
        output.ShowSystemPalette();
        const HWND dialog = CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_PASSWORD), screen, OnlyInit, 0);
        if (!dialog) return Say("no window over the fire");
        ShowWindow(dialog, SW_SHOW);
        HandPendingMessages();
        DestroyWindow(dialog);
        output.ShowFirePalette();
    }
    output.Close();
    std::printf("made %d windows over the paused fire\n", kRounds);
    std::fflush(stdout);
    return 0;
}
