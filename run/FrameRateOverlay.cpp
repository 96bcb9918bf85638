// SPDX-License-Identifier: GPL-2.0-or-later
#include "run/FrameRateOverlay.h"
#include "platform/Resources.h"

#include <cstdio>
#include <cstring>

namespace {
constexpr int kFontId = 159;  // the Western OEM font
constexpr int kGlyphWidth = 8, kGlyphHeight = 16;
constexpr std::uint32_t kInk = 0xFFFFFFFFu, kPaper = 0xFF000000u;

// A rectangle of one colour, cut to the frame.
void Fill(std::uint32_t* pixels, int width, int height, int pitch, int x, int y, int w, int h, std::uint32_t colour) {
    for (int row = y < 0 ? 0 : y; row < y + h && row < height; ++row) {
        std::uint32_t* line = reinterpret_cast<std::uint32_t*>(reinterpret_cast<std::uint8_t*>(pixels) +
                                                              static_cast<long long>(row) * pitch);
        for (int column = x < 0 ? 0 : x; column < x + w && column < width; ++column) line[column] = colour;
    }
}
}  // namespace

void FrameRateMeter::CountFrame(long long nowMilliseconds) {
    if (m_nSecondStart < 0) m_nSecondStart = nowMilliseconds;
    ++m_nFrames;
    const long long elapsed = nowMilliseconds - m_nSecondStart;
    if (elapsed < 1000) return;
    m_dRate = 1000.0 * m_nFrames / static_cast<double>(elapsed);
    m_nSecondStart = nowMilliseconds;
    m_nFrames = 0;
}

void DrawOverlayText(std::uint32_t* pixels, int width, int height, int pitch, int x, int y, int scale,
                     const char* text) {
    ResourceData font{};
    if (!FindBuiltInResource("FIREFONT", kFontId, font) || font.size < 256 * kGlyphHeight) return;
    const int length = static_cast<int>(std::strlen(text));
    const int margin = scale * 2;
    Fill(pixels, width, height, pitch, x, y, length * kGlyphWidth * scale + 2 * margin,
         kGlyphHeight * scale + 2 * margin, kPaper);
    for (int i = 0; i < length; ++i) {
        const unsigned char* glyph = font.bytes + kGlyphHeight * static_cast<unsigned char>(text[i]);
        for (int row = 0; row < kGlyphHeight; ++row)
            for (int column = 0; column < kGlyphWidth; ++column)
                if ((glyph[row] >> (7 - column)) & 1)
                    Fill(pixels, width, height, pitch, x + margin + (i * kGlyphWidth + column) * scale,
                         y + margin + row * scale, scale, scale, kInk);
    }
}

void DrawOverlay(std::uint32_t* pixels, int width, int height, int pitch, const char* text) {
    const int scale = height >= 720 ? 2 : 1;
    DrawOverlayText(pixels, width, height, pitch, 4 * scale, 4 * scale, scale, text);
}

void FormatFrameRate(double rate, const char* way, char* text, std::size_t size) {
    std::snprintf(text, size, "%.1f fps, %s", rate, way);
}
