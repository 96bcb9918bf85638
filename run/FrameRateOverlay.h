// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <cstddef>
#include <cstdint>

// Counts the frames shown and gives their rate over the last whole second.
class FrameRateMeter {
public:
    void CountFrame(long long nowMilliseconds);
    // Frames per second; 0 until a second has passed.
    double Rate() const { return m_dRate; }

private:
    long long m_nSecondStart = -1;
    int m_nFrames = 0;
    double m_dRate = 0;
};

// Writes `text` in the built-in 8 x 16 font into 32-bit pixels (rows `pitch`
// bytes apart), white on a black box whose top-left corner is at (x, y), each
// font pixel `scale` x `scale` screen pixels; what falls outside is left out.
void DrawOverlayText(std::uint32_t* pixels, int width, int height, int pitch, int x, int y, int scale,
                     const char* text);

// A line of text in the top-left corner, scaled to stay readable on large frames.
void DrawOverlay(std::uint32_t* pixels, int width, int height, int pitch, const char* text);

// The line the frame rate shows: the rate and how the frames reach the screen
// ("40.0 fps, MIT-SHM"), cut to fit `size` bytes.
void FormatFrameRate(double rate, const char* way, char* text, std::size_t size);
