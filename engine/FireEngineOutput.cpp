// The engine's desktop layer at work: the paper burn, the switch-off of the
// desktop once it has burnt, and the output with or without the desktop.
#include "engine/DesktopLayer.h"
#include "engine/FireEngine.h"
#include "engine/GlowSpot.h"
#include "engine/RandomTable.h"

#include <cstring>

namespace {
constexpr int kBurnEndFront = -32;
}

void CFireEngine::PaperBurnPass() {
    const int front = m_nBurnFront;
    for (int y = 0; y < m_nHeight; ++y) {
        const int o = (front + y) & 1;
        for (int k = 0; k < m_nWidth; k += 2) {
            const int x = o + k;
            if (x >= m_nWidth) continue;
            const std::size_t i = static_cast<std::size_t>(y) * m_nWidth + x;
            const int diff = m_BurnMap[i] - front;
            if (diff < 0 || diff >= 8) continue;
            if (m_BackgroundLayer[i] > 0) --m_BackgroundLayer[i];
            if (RandomTable::Draw() % 10 == 1) {
                const int s = RandomTable::Draw();
                DrawSpot(m_FireField.data(), m_nWidth, m_nHeight, k, y, s % 25 + 25, 7 - 2 * diff, 1);
            }
        }
    }
    if (m_nFrame % 2 != 0) --m_nBurnFront;
    if (m_nBurnFront == kBurnEndFront) --m_nBurnRoundsLeft;
}

void CFireEngine::SwitchDesktopOff() {
    if (SharedPendingSwitchOff()) {
        m_nFadeScreen = 0;
        SharedPendingSwitchOff() = 0;
    }
    if (m_nFadeScreen != 0 && m_bPaperBurn && m_nBurnRoundsLeft == -1) {
        SharedPendingSwitchOff() = 1;
        m_bPaletteChanged = 1;
        const int fade = m_nFadeScreen;
        m_nFadeScreen = 0;
        LoadPalette();
        m_nFadeScreen = fade;
    }
}

int CFireEngine::RenderTo(std::uint8_t* dest) {
    if (m_nFadeScreen != 0) MixDesktop(m_FireField.data(), m_BackgroundLayer.data(), m_nWidth, m_nHeight, dest);
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
