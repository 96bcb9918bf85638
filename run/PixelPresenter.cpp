// SPDX-License-Identifier: GPL-2.0-or-later
#include "run/PixelPresenter.h"

int PixelPresenter::Open(const PresentSizes& sizes, const FirePalette& palette) {
    m_bOpen = m_Writer.Prepare(sizes) && m_pScreen->Resize(sizes.outputWidth, sizes.outputHeight);
    m_Writer.SetPalette(palette);
    return m_bOpen ? 1 : 0;
}

int PixelPresenter::Present(const std::uint8_t* frame, const char* overlay) {
    if (!m_bOpen) return 0;
    std::uint8_t* picture = m_pScreen->BeginPicture();
    if (!picture) return 0;
    m_Writer.Write(frame, overlay, picture, m_pScreen->Stride());
    return m_pScreen->Show();
}

void PixelPresenter::Close() {
    m_bOpen = false;
    m_pScreen->Release();
}
