// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "run/FramePresenter.h"

#include <cstdint>
#include <vector>

struct FirePasses;

// The presenter of the page: it keeps the frame it is handed and the palette
// as red, green, blue, alpha quads for the page's scripts, which draw them
// with WebGL (the palette as a texture) or on a 2D canvas (FrameRgba).
class PageFrames : public FramePresenter {
public:
    int Open(const PresentSizes& sizes, const FirePalette& palette) override;
    void SetPalette(const FirePalette& palette) override;
    int Present(const std::uint8_t* frame, const char* overlay) override;
    void Close() override { m_pFrame = nullptr; }
    const char* Way() const override { return "the page's canvas"; }

    const std::uint8_t* Frame() const { return m_pFrame; }
    const PresentSizes& Sizes() const { return m_Sizes; }
    const std::uint8_t* PaletteRgba() const { return m_PaletteRgba; }
    // Whether the palette changed since the last call.
    bool TakePaletteChanged();
    // The frame as red, green, blue, alpha pixels, looked up with `passes`.
    const std::uint8_t* FrameRgba(const FirePasses& passes);

private:
    PresentSizes m_Sizes;
    const std::uint8_t* m_pFrame = nullptr;
    std::vector<std::uint32_t> m_FrameRgba;
    std::uint32_t m_PaletteWords[256] = {};
    std::uint8_t m_PaletteRgba[1024] = {};
    bool m_bPaletteChanged = false;
};
