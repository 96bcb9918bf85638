// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/FlamingText.h"
#include "engine/GlowSpot.h"
#include "platform/Resources.h"
#include "settings/TextSplit.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {
constexpr int kWanderingPath = 2;
constexpr int kRandomSequence = 1;
constexpr double kRingTurn = 6.283185;
constexpr double kWanderingTurn = 1.283185;

bool GlyphBit(const std::uint8_t* glyph, int row, int column) {
    if (row < 0 || row > 15 || column < 0 || column > 7) return false;
    return (glyph[row] >> (7 - column)) & 1;
}
}  // namespace

bool IsLetterInterior(const std::uint8_t* glyph, int row, int column) {
    return GlyphBit(glyph, row - 1, column) && GlyphBit(glyph, row - 1, column - 1) &&
           GlyphBit(glyph, row - 1, column + 1) && GlyphBit(glyph, row + 1, column);
}

CFlamingText::CFlamingText(CFrameSource* engine, const std::string& oemText, int fontId,
                           const FlamingTextOptions& options)
    : m_pEngine(engine), m_nSequence(options.sequence), m_nSpeed(options.speed), m_nBurnType(options.burnType),
      m_nTrajectory(options.trajectory) {
    m_Lines = SplitNonEmpty(oemText, '\n');
    if (m_nTrajectory == kWanderingPath) m_nSpeed = std::max(1, static_cast<int>(m_nSpeed * 0.2222222222222222));
    m_dPhaseStep = m_nSpeed * 0.02 * 0.007;
    ResourceData font{};
    if (FindBuiltInResource("FIREFONT", fontId, font))
        std::memcpy(m_Font, font.bytes, std::min(font.size, sizeof m_Font));
}

void CFlamingText::ChooseLine(bool keepSerialIndex) {
    if (m_Lines.empty()) return;
    const int count = static_cast<int>(m_Lines.size());
    if (m_nSequence == kRandomSequence) m_nLineIndex = m_pEngine->Draw() % count;
    else if (!keepSerialIndex) m_nLineIndex = m_nLineIndex + 1 < count ? m_nLineIndex + 1 : 0;
    else if (m_nLineIndex >= count) m_nLineIndex = 0;
    m_sCurrentLine = m_Lines[static_cast<std::size_t>(m_nLineIndex)];
}

void CFlamingText::Start() {
    ChooseLine(true);
    FetchFireField(*m_pEngine, m_Field);
    m_dPhase = m_nTrajectory == kWanderingPath ? (m_pEngine->Draw() % 628) * 0.01 : 0;
}

int CFlamingText::Advance() {
    long long& counter = m_pEngine->Shared().lineSwitchCounter;
    ++counter;
    // A step of 0 (or a turn too long to count) never switches; a counter
    // inherited above the threshold from an earlier text switches at once.
    if (m_dPhaseStep != 0) {
        const double turns = (m_nTrajectory == kWanderingPath ? kWanderingTurn : kRingTurn) / m_dPhaseStep;
        if (turns >= 1 && turns < 9.0e18 && counter >= static_cast<long long>(turns)) {
            counter = 0;
            ChooseLine(false);
        }
    }
    m_dPhase += m_dPhaseStep;
    return 1;
}

void CFlamingText::Draw() {
    if (!m_Field.pixels) return;
    FetchFireField(*m_pEngine, m_Field);  // the engine may have moved its field since Start
    const int w = m_Field.width, h = m_Field.height;
    const double phi = m_dPhase;
    const bool wandering = m_nTrajectory == kWanderingPath;
    double a = 1, b = 1;
    if (wandering) {
        const double t = (std::sin(phi * 0.1) + 1) * 0.5;
        a = 5 * t + 1;
        b = 7 * t + 1;
    }
    double theta = 0;
    for (char character : m_sCurrentLine) {
        const std::uint8_t* glyph = m_Font + 16 * static_cast<unsigned char>(character);
        for (int j = 0; j < 8; ++j) {
            double s, c, baseY;
            if (wandering) {
                s = std::sin(a * phi + theta);
                c = std::cos(b * phi + theta);
                baseY = std::trunc(h / 2 + s * 0.22727272727272727 * h);
            } else {
                s = std::sin(theta + phi);
                c = std::cos(theta + phi);
                baseY = std::trunc(h / 2 + s * 0.45454545454545453 * h);
            }
            const int x = static_cast<int>(w / 2 + c * 0.45454545454545453 * w);
            DrawColumn(glyph, j, x, baseY, s);
            theta = theta - 0.016 * (s * 0.5 + 1);
        }
        theta = theta - 0.026;
    }
}

void CFlamingText::DrawColumn(const std::uint8_t* glyph, int column, int x, double baseY, double s) {
    const double scale = s * 0.5 + 1;
    for (int row = 15; row >= 0; --row) {
        const int k = 15 - row;
        const int y = static_cast<int>(baseY - 6 * k * scale);
        if (GlyphBit(glyph, row, column)) DrawPixel(glyph, row, column, x, y, s);
    }
}

void CFlamingText::DrawPixel(const std::uint8_t* glyph, int row, int column, int x, int y, double s) {
    std::uint8_t* field = m_Field.pixels;
    const int w = m_Field.width, h = m_Field.height;
    const int shape = static_cast<int>(4 * (s + 1));
    switch (m_nBurnType) {
    case 0: {
        if (!IsLetterInterior(glyph, row, column)) DrawSpot(m_pEngine->Passes(), field, w, h, x, static_cast<int>(y - 6 * (s + 1)), 100, shape, 0);
        const int burning = static_cast<int>(4 * (s + 1) + 1);
        DrawSpot(m_pEngine->Passes(), field, w, h, x, y, 60 + m_pEngine->Draw() % 25, burning, 1);
        DrawSpot(m_pEngine->Passes(), field, w, h, x, static_cast<int>(y + 3 * (s + 1)), 60 + m_pEngine->Draw() % 25, burning, 1);
        break;
    }
    case 1:
        DrawSpot(m_pEngine->Passes(), field, w, h, x, y, 90, shape, 0);
        DrawSpot(m_pEngine->Passes(), field, w, h, x, y + 3, 90, shape, 1);
        break;
    case 2:
        DrawSpot(m_pEngine->Passes(), field, w, h, x, y, 80 + m_pEngine->Draw() % 20, shape, 0);
        break;
    default:
        break;
    }
}
