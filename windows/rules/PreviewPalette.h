// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "palette/FirePalette.h"

#include <mutex>

// The palette a preview draws with. The window's thread hands in palettes
// being edited while the drawing thread converts frames with it; each side
// copies the 1024 bytes under a lock, so a frame never sees half a palette.
class PreviewPalette {
public:
    // The engine's palette at set-up: as read from its source, and as the
    // engine shows it with `blend` percent of the desktop mixed in.
    void Start(const FirePalette& source, const FirePalette& shown, int blend);
    // Window's thread: shows `palette` with the desktop blend now in force.
    int Replace(const FirePalette& palette);
    // Drawing thread: the palette of the next frame. `engineBlend` is the
    // engine's blend now: once the paper has burnt and the engine shows no
    // desktop, the palette drops the blend too.
    const FirePalette& ForFrame(int engineBlend);

private:
    std::mutex m_Lock;
    FirePalette m_Source{};  // as given, before the desktop blend
    FirePalette m_Shown{};
    int m_nBlend = 0;  // the desktop blend in m_Shown
    FirePalette m_Frame{};  // the drawing thread's own copy
};
