// SPDX-License-Identifier: GPL-2.0-or-later
#include "run/PixelFrameWriter.h"
#include "run/FrameRateOverlay.h"

bool PixelFrameWriter::Prepare(const PresentSizes& sizes) {
    m_Sizes = PresentSizes{};
    if (sizes.fieldWidth < 1 || sizes.fieldHeight < 1 || sizes.outputWidth < 1 || sizes.outputHeight < 1) return false;
    if (sizes.Scaled() &&
        !m_Upscaler.Prepare(sizes.fieldWidth, sizes.fieldHeight, sizes.outputWidth, sizes.outputHeight))
        return false;
    m_Sizes = sizes;
    return true;
}

void PixelFrameWriter::Write(const std::uint8_t* frame, const char* overlay, std::uint8_t* dest,
                             std::ptrdiff_t destStride) {
    if (m_Sizes.Scaled()) m_Upscaler.ScaleIndexed(frame, m_Pixels.pixels, dest, destStride);
    else IndexedToPixels(frame, m_Sizes.fieldWidth, m_Sizes.fieldHeight, m_Pixels, dest, destStride);
    if (overlay)
        DrawOverlay(reinterpret_cast<std::uint32_t*>(dest), m_Sizes.outputWidth, m_Sizes.outputHeight,
                    static_cast<int>(destStride), overlay);
}
