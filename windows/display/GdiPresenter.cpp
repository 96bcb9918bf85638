// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/display/GdiPresenter.h"
#include "windows/display/DrawnFrame.h"

#include <new>

namespace {
BITMAPINFO* Header(std::vector<std::uint8_t>& bytes) { return reinterpret_cast<BITMAPINFO*>(bytes.data()); }

// A top-down DIB header: row 0 is the top of the screen.
bool MakeHeader(std::vector<std::uint8_t>& bytes, int width, int height, int bitCount, int colours) {
    try {
        bytes.assign(sizeof(BITMAPINFOHEADER) + static_cast<std::size_t>(colours) * sizeof(RGBQUAD), 0);
    } catch (const std::bad_alloc&) {
        return false;
    }
    BITMAPINFOHEADER& header = Header(bytes)->bmiHeader;
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = -height;
    header.biPlanes = 1;
    header.biBitCount = static_cast<WORD>(bitCount);
    header.biCompression = BI_RGB;
    header.biSizeImage = static_cast<DWORD>(width * height * (bitCount / 8));
    header.biClrUsed = static_cast<DWORD>(colours);
    return true;
}
}  // namespace

int GdiPresenter::Open(const PresentSizes& sizes, const FirePalette& palette) {
    Close();
    m_nOutputWidth = sizes.outputWidth;
    m_nOutputHeight = sizes.outputHeight;
    m_nFieldWidth = sizes.fieldWidth;
    m_nFieldHeight = sizes.fieldHeight;
    // The window's DC is kept for the run: taking one per frame asks the
    // system for the window's visible region every time.
    m_hWindowDC = GetWindowDC(m_hWnd);
    if (!m_hWindowDC) return 0;
    m_bIndexed = !Scaled() && GetDeviceCaps(m_hWindowDC, BITSPIXEL) <= 8;
    if (!(m_bIndexed ? OpenIndexed() : OpenPixels())) {
        Close();
        return 0;
    }
    SetPalette(palette);
    return 1;
}

bool GdiPresenter::OpenIndexed() {
    try {
        if (m_nFieldWidth % 4)
            m_Staging.assign(static_cast<std::size_t>(DibStride(m_nFieldWidth)) * m_nFieldHeight, 0);
    } catch (const std::bad_alloc&) {
        return false;
    }
    return MakeHeader(m_BitmapInfo, m_nFieldWidth, m_nFieldHeight, 8, 256);
}

bool GdiPresenter::OpenPixels() {
    try {
        m_OutputPixels.assign(static_cast<std::size_t>(m_nOutputWidth) * m_nOutputHeight, 0);
    } catch (const std::bad_alloc&) {
        return false;
    }
    if (!m_Writer.Prepare(PresentSizes{m_nFieldWidth, m_nFieldHeight, m_nOutputWidth, m_nOutputHeight})) return false;
    return MakeHeader(m_BitmapInfo, m_nOutputWidth, m_nOutputHeight, 32, 0);
}

void GdiPresenter::SetPalette(const FirePalette& palette) {
    if (m_bIndexed) PaletteToDibColours(palette, reinterpret_cast<std::uint8_t*>(Header(m_BitmapInfo)->bmiColors));
    else m_Writer.SetPalette(palette);
}

int GdiPresenter::Present(const std::uint8_t* frame, const char* overlay) {
    if (!m_hWindowDC) return 0;
    return m_bIndexed ? PresentIndexed(frame) : PresentPixels(frame, overlay);
}

int GdiPresenter::PresentIndexed(const std::uint8_t* frame) {
    const std::uint8_t* bits = frame;
    if (!m_Staging.empty()) {
        CopyRows(frame, m_nFieldWidth, m_nFieldHeight, m_Staging.data(), DibStride(m_nFieldWidth));
        bits = m_Staging.data();
    }
    const int lines = SetDIBitsToDevice(m_hWindowDC, 0, 0, static_cast<DWORD>(m_nFieldWidth),
                                        static_cast<DWORD>(m_nFieldHeight), 0, 0, 0, static_cast<UINT>(m_nFieldHeight),
                                        bits, Header(m_BitmapInfo), DIB_RGB_COLORS);
    ShowDrawnFrame();
    return lines > 0 ? 1 : 0;
}

int GdiPresenter::PresentPixels(const std::uint8_t* frame, const char* overlay) {
    auto* output = reinterpret_cast<std::uint8_t*>(m_OutputPixels.data());
    const std::ptrdiff_t outputStride = 4 * static_cast<std::ptrdiff_t>(m_nOutputWidth);
    m_Writer.Write(frame, overlay, output, outputStride);
    const int lines = SetDIBitsToDevice(m_hWindowDC, 0, 0, static_cast<DWORD>(m_nOutputWidth),
                                        static_cast<DWORD>(m_nOutputHeight), 0, 0, 0,
                                        static_cast<UINT>(m_nOutputHeight), m_OutputPixels.data(),
                                        Header(m_BitmapInfo), DIB_RGB_COLORS);
    ShowDrawnFrame();
    return lines > 0 ? 1 : 0;
}

void GdiPresenter::Close() {
    if (m_hWindowDC) ReleaseDC(m_hWnd, m_hWindowDC);
    m_hWindowDC = nullptr;
}
