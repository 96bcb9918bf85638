// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "platform/PixelScreen.h"
#include "run/FramePresenter.h"
#include "run/PixelFrameWriter.h"

#include <memory>

// Presents frames as finished 32-bit pictures on a pixel screen: each frame
// is looked up, scaled and overlaid on the processor straight into the
// picture the window system shows, with no copy in between.
class PixelPresenter : public FramePresenter {
public:
    explicit PixelPresenter(std::unique_ptr<PixelScreen> screen) : m_pScreen(std::move(screen)) {}

    int Open(const PresentSizes& sizes, const FirePalette& palette) override;
    void SetPalette(const FirePalette& palette) override { m_Writer.SetPalette(palette); }
    int Present(const std::uint8_t* frame, const char* overlay) override;
    void Close() override;
    const char* Way() const override { return m_pScreen->Way(); }

private:
    std::unique_ptr<PixelScreen> m_pScreen;
    PixelFrameWriter m_Writer;
    bool m_bOpen = false;
};
