// SPDX-License-Identifier: GPL-2.0-or-later
#include "run/FrameUpscaler.h"
#include "engine/FirePasses.h"

#include <algorithm>
#include <cstring>
#include <new>

void FrameUpscaler::MakeTaps(int sourceCount, int destCount, std::vector<Tap>& taps) {
    // Result pixel i looks at source position (i + 1/2) x source / dest - 1/2,
    // in 1/256 of a pixel, held at the first and last source pixel.
    for (int i = 0; i < destCount; ++i) {
        const long long numerator = (static_cast<long long>(2 * i + 1) * sourceCount - destCount) * 256;
        const long long position = numerator <= 0 ? 0 : numerator / (2LL * destCount);
        Tap tap{static_cast<int>(position >> 8), static_cast<int>(position & 255)};
        if (tap.first >= sourceCount - 1) tap = Tap{sourceCount - 1, 0};
        taps[static_cast<std::size_t>(i)] = tap;
    }
}

bool FrameUpscaler::Prepare(int sourceWidth, int sourceHeight, int destWidth, int destHeight) {
    m_nSourceWidth = m_nSourceHeight = m_nDestWidth = m_nDestHeight = 0;
    if (sourceWidth < 1 || sourceHeight < 1 || destWidth < 1 || destHeight < 1) return false;
    const std::size_t columns = static_cast<std::size_t>(destWidth);
    std::vector<Tap> taps;
    try {
        taps.resize(columns);
        m_Rows.assign(static_cast<std::size_t>(destHeight), Tap{});
        m_ColumnFirst.assign(columns, 0);
        m_ColumnWeights.assign(columns * 4, 0);
        for (std::vector<std::uint32_t>& row : m_Stretched) row.assign(columns, 0);
        m_SourceRow.assign(static_cast<std::size_t>(sourceWidth), 0);
    } catch (const std::bad_alloc&) {
        return false;
    }
    MakeTaps(sourceWidth, destWidth, taps);
    MakeTaps(sourceHeight, destHeight, m_Rows);
    for (std::size_t x = 0; x < columns; ++x) {
        m_ColumnFirst[x] = taps[x].first;
        for (std::size_t lane = 0; lane < 4; ++lane)
            m_ColumnWeights[4 * x + lane] = static_cast<std::uint16_t>(taps[x].weight);
    }
    // The taps only move right, so the columns held at the last pixel come last.
    m_nBlendedColumns = static_cast<int>(
        std::find_if(taps.begin(), taps.end(), [&](const Tap& tap) { return tap.first == sourceWidth - 1; }) -
        taps.begin());
    m_bDoublesWidth = destWidth == 2 * sourceWidth && sourceWidth > 1;
    m_nStretchedRow[0] = m_nStretchedRow[1] = -1;
    m_nSourceWidth = sourceWidth;
    m_nSourceHeight = sourceHeight;
    m_nDestWidth = destWidth;
    m_nDestHeight = destHeight;
    return true;
}

template <class RowOf>
const std::uint32_t* FrameUpscaler::StretchedRow(const RowOf& rowOf, int y) {
    // Neighbouring rows differ in parity, so the two rows a result row blends never share a slot.
    const int slot = y & 1;
    std::uint32_t* row = m_Stretched[slot].data();
    if (m_nStretchedRow[slot] != y) {
        // The columns that blend two source pixels read them in place; the
        // rest lie on the last source pixel, which has no right neighbour.
        const std::uint32_t* pixels = rowOf(y);
        if (m_bDoublesWidth) {
            // At twice the width the taps are fixed: each pair of neighbours
            // gives two pixels, a quarter and three quarters of the way across.
            BestFirePasses().doublePixelRow(pixels, m_nSourceWidth - 1, row + 1);
            row[0] = pixels[0];
        } else {
            BestFirePasses().stretchPixelRow(pixels, m_ColumnFirst.data(), m_ColumnWeights.data(),
                                               m_nBlendedColumns, row);
        }
        std::fill(row + m_nBlendedColumns, row + m_nDestWidth, pixels[m_nSourceWidth - 1]);
        m_nStretchedRow[slot] = y;
    }
    return row;
}

template <class RowOf>
void FrameUpscaler::ScaleRows(const RowOf& rowOf, std::uint8_t* dest, std::ptrdiff_t destStride) {
    // A new frame: what was stretched belongs to the last one.
    m_nStretchedRow[0] = m_nStretchedRow[1] = -1;
    const FirePasses& passes = BestFirePasses();
    for (int y = 0; y < m_nDestHeight; ++y) {
        const Tap tap = m_Rows[static_cast<std::size_t>(y)];
        std::uint32_t* out = reinterpret_cast<std::uint32_t*>(dest + y * destStride);
        const std::uint32_t* top = StretchedRow(rowOf, tap.first);
        if (tap.weight == 0) std::memcpy(out, top, 4 * static_cast<std::size_t>(m_nDestWidth));
        else passes.blendPixelRows(top, StretchedRow(rowOf, tap.first + 1), tap.weight, m_nDestWidth, out);
    }
}

void FrameUpscaler::Scale(const std::uint8_t* source, std::ptrdiff_t sourceStride, std::uint8_t* dest,
                          std::ptrdiff_t destStride) {
    ScaleRows([&](int y) { return reinterpret_cast<const std::uint32_t*>(source + y * sourceStride); }, dest,
              destStride);
}

void FrameUpscaler::ScaleIndexed(const std::uint8_t* indexes, const std::uint32_t* colours, std::uint8_t* dest,
                                 std::ptrdiff_t destStride) {
    const FirePasses& passes = BestFirePasses();
    const std::size_t width = static_cast<std::size_t>(m_nSourceWidth);
    ScaleRows(
        [&](int y) {
            passes.lookUpWords(indexes + static_cast<std::size_t>(y) * width, width, colours, m_SourceRow.data());
            return static_cast<const std::uint32_t*>(m_SourceRow.data());
        },
        dest, destStride);
}
