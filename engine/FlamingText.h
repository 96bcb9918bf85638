// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "engine/FrameSource.h"

#include <cstdint>
#include <string>
#include <vector>

struct FlamingTextOptions {
    int speed;       // FireTextSpeed
    int burnType;    // 0 Burning, 1 Golden, 2 Smoking, anything else draws nothing
    int trajectory;  // 2 the wandering path, anything else the ring
    int sequence;    // 1 random, anything else serial
};

// Lines of text written in heat, letter by letter, along an elliptic ring
// around the screen centre or along a wandering figure; one line per turn.
class CFlamingText {
public:
    // `oemText` holds the lines, each ended by a line feed, in the code page
    // of the font `fontId`; a font that cannot be found draws blank glyphs.
    CFlamingText(CFrameSource* engine, const std::string& oemText, int fontId, const FlamingTextOptions& options);

    void Start();
    // Counts the frame, switches lines once per turn and turns the ring; always 1.
    int Advance();
    void Draw();

    const std::vector<std::string>& Lines() const { return m_Lines; }
    const std::string& CurrentLine() const { return m_sCurrentLine; }
    double Phase() const { return m_dPhase; }
    double PhaseStep() const { return m_dPhaseStep; }

private:
    void ChooseLine(bool keepSerialIndex);
    void DrawColumn(const std::uint8_t* glyph, int column, int x, double baseY, double s);
    void DrawPixel(const std::uint8_t* glyph, int row, int column, int x, int y, double s);

    std::uint8_t m_Font[4096] = {};
    std::string m_sCurrentLine;
    std::vector<std::string> m_Lines;
    CFrameSource* m_pEngine;
    FieldView m_Field;
    double m_dPhase = 0;
    double m_dPhaseStep = 0;
    int m_nLineIndex = 0;
    int m_nSequence = 0;
    int m_nSpeed = 0;
    int m_nBurnType = 0;
    int m_nTrajectory = 0;
};

// Whether a lit pixel of an 8 x 16 glyph lies inside its letter: the pixels
// above, above-left, above-right and below are lit (outside the glyph counts
// as unlit). The Burning text throws a tongue of heat above the others.
bool IsLetterInterior(const std::uint8_t* glyph, int row, int column);
