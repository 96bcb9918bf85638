// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "palette/FirePalette.h"
#include "platform/NonCopyable.h"
#include "run/FrameConversion.h"
#include "run/FramePresenter.h"
#include "run/PixelFrameWriter.h"

#include <windows.h>

#include <cstdint>
#include <vector>

// Draws indexed frames into a window through GDI. On a true-colour display
// the frame is turned into 32-bit pixels here (faster than GDI converts an
// 8-bit DIB), scaled up smoothly when the field is smaller than the output,
// and copied in one call. On a palettized display GDI maps an 8-bit DIB's
// colour table once instead of every pixel, so an unscaled field goes out as
// that. The window's DC and every buffer are taken when it opens: a frame
// allocates nothing and creates no GDI object. An overlay is drawn on the
// 32-bit pictures only.
class GdiPresenter : public FramePresenter, private NonCopyable {
public:
    explicit GdiPresenter(HWND window = nullptr) : m_hWnd(window) {}
    ~GdiPresenter() override { Close(); }

    // The window the next Open draws into.
    void SetWindow(HWND window) { m_hWnd = window; }
    // 0 when the DC or memory cannot be had.
    int Open(const PresentSizes& sizes, const FirePalette& palette) override;
    void SetPalette(const FirePalette& palette) override;
    int Present(const std::uint8_t* frame, const char* overlay) override;
    // Gives the DC back; until the next Open nothing is drawn.
    void Close() override;
    const char* Way() const override { return m_bIndexed ? "GDI, 8-bit DIB" : "GDI, 32-bit pixels"; }

private:
    bool OpenIndexed();
    bool OpenPixels();
    int PresentIndexed(const std::uint8_t* frame);
    int PresentPixels(const std::uint8_t* frame, const char* overlay);
    bool Scaled() const { return m_nFieldWidth != m_nOutputWidth || m_nFieldHeight != m_nOutputHeight; }

    HWND m_hWnd = nullptr;
    HDC m_hWindowDC = nullptr;
    bool m_bIndexed = false;
    int m_nOutputWidth = 0, m_nOutputHeight = 0, m_nFieldWidth = 0, m_nFieldHeight = 0;
    // BITMAPINFOHEADER, and the 256 colours of an indexed frame.
    std::vector<std::uint8_t> m_BitmapInfo;
    // Indexed: rows padded to 4 bytes when the width needs it.
    std::vector<std::uint8_t> m_Staging;
    // Pixels: the output's, and what writes them.
    std::vector<std::uint32_t> m_OutputPixels;
    PixelFrameWriter m_Writer;
};
