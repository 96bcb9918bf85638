// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/rules/PreviewPalette.h"
#include "palette/PaletteFile.h"

void PreviewPalette::Start(const FirePalette& source, const FirePalette& shown, int blend) {
    std::lock_guard<std::mutex> lock(m_Lock);
    m_Source = source;
    m_Shown = shown;
    m_nBlend = blend;
}

int PreviewPalette::Replace(const FirePalette& palette) {
    std::lock_guard<std::mutex> lock(m_Lock);
    m_Source = palette;
    m_Shown = palette;
    return m_nBlend ? ApplyDesktopBlend(m_Shown, m_nBlend) : 1;
}

const FirePalette& PreviewPalette::ForFrame(int engineBlend) {
    std::lock_guard<std::mutex> lock(m_Lock);
    if (m_nBlend && engineBlend == 0) {
        m_nBlend = 0;
        m_Shown = m_Source;
    }
    m_Frame = m_Shown;
    return m_Frame;
}
