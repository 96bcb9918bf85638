// SPDX-License-Identifier: GPL-2.0-or-later
#include "web/src/PageFrames.h"
#include "engine/FirePasses.h"

#include <cstring>
#include <new>

int PageFrames::Open(const PresentSizes& sizes, const FirePalette& palette) {
    m_pFrame = nullptr;
    try {
        m_FrameRgba.assign(static_cast<std::size_t>(sizes.fieldWidth) * sizes.fieldHeight, 0);
    } catch (const std::bad_alloc&) {
        return 0;
    }
    m_Sizes = sizes;
    SetPalette(palette);
    return 1;
}

void PageFrames::SetPalette(const FirePalette& palette) {
    for (int i = 0; i < 256; ++i) {
        const PaletteEntry& entry = palette.entries[i];
        std::uint8_t* rgba = m_PaletteRgba + 4 * i;
        rgba[0] = entry.red;
        rgba[1] = entry.green;
        rgba[2] = entry.blue;
        rgba[3] = 255;
        std::memcpy(&m_PaletteWords[i], rgba, 4);
    }
    m_bPaletteChanged = true;
}

int PageFrames::Present(const std::uint8_t* frame, const char*) {
    m_pFrame = frame;
    return 1;
}

bool PageFrames::TakePaletteChanged() {
    const bool changed = m_bPaletteChanged;
    m_bPaletteChanged = false;
    return changed;
}

const std::uint8_t* PageFrames::FrameRgba(const FirePasses& passes) {
    if (m_pFrame) passes.lookUpWords(m_pFrame, m_FrameRgba.size(), m_PaletteWords, m_FrameRgba.data());
    return reinterpret_cast<const std::uint8_t*>(m_FrameRgba.data());
}
