// SPDX-License-Identifier: GPL-2.0-or-later
// The engine's desktop layer at work: the paper burn, the switch-off of the
// desktop once it has burnt, and the output with or without the desktop.
#include "engine/DesktopLayer.h"
#include "engine/FireEngine.h"
#include "engine/FirePasses.h"
#include "engine/GlowSpot.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr int kBurnEndFront = -32;
}

void CFireEngine::PaperBurnPass() {
    // Pixels burn while the front is at most 7 below their burn time; in
    // each row every other column is visited, alternating with the front.
    const int front = m_nBurnFront;
    const int lo = std::max(front, 0), hi = std::min(front + 8, 256);
    for (int y = 0; y < m_nHeight && lo < hi; ++y) {
        const int o = (front + y) & 1;
        const std::size_t row = static_cast<std::size_t>(y) * m_nWidth;
        const int burning = m_BurnBlocks.FindInRange(Passes(), m_BurnMap.data(), y, o, lo, hi - lo, m_BurnColumns.data());
        for (int j = 0; j < burning; ++j) {
            const int x = m_BurnColumns[static_cast<std::size_t>(j)], k = x - o;
            const std::size_t i = row + static_cast<std::size_t>(x);
            const int diff = m_BurnMap[i] - front;
            if (m_BackgroundLayer[i] > 0) --m_BackgroundLayer[i];
            if (Draw() % 10 == 1) {
                const int s = Draw();
                DrawSpot(Passes(), m_FireField.data(), m_nWidth, m_nHeight, k, y, s % 25 + 25, 7 - 2 * diff, 1);
            }
        }
    }
    if (m_nFrame % 2 != 0) --m_nBurnFront;
    if (m_nBurnFront == kBurnEndFront) --m_nBurnRoundsLeft;
}

void CFireEngine::SwitchDesktopOff() {
    int& pending = Shared().pendingSwitchOff;
    if (pending) {
        m_nFadeScreen = 0;
        pending = 0;
    }
    if (m_nFadeScreen != 0 && m_bPaperBurn && m_nBurnRoundsLeft == -1) {
        pending = 1;
        m_bPaletteChanged = 1;
        const int fade = m_nFadeScreen;
        m_nFadeScreen = 0;
        LoadPalette();
        m_nFadeScreen = fade;
    }
}

int CFireEngine::RenderTo(std::uint8_t* dest) {
    if (m_nFadeScreen != 0) Passes().mixDesktop(m_FireField.data(), m_BackgroundLayer.data(), m_nWidth, m_nHeight, dest);
    else std::memcpy(dest, m_FireField.data(), static_cast<std::size_t>(m_nWidth) * m_nHeight);
    return 1;
}

int CFireEngine::CopyPalette(FirePalette& dest) const {
    dest = m_Palette;
    return 1;
}

int CFireEngine::TakePaletteChanged() {
    const int changed = m_bPaletteChanged;
    m_bPaletteChanged = 0;
    return changed;
}
