// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// Scales 32-bit frames (four bytes a pixel) from one size to another with
// bilinear interpolation in 8-bit fixed point, pixel centres aligned: at the
// same size it copies, and the corner pixels of the source are the corners
// of the result. Each row of the source is stretched across once, then every
// row of the result is blended from the two stretched rows around it. The
// tables and row buffers are made once per pair of sizes, so scaling a frame
// allocates nothing.
class FrameUpscaler {
public:
    // Prepares for a source of sourceWidth x sourceHeight and a result of
    // destWidth x destHeight; false when a side is below 1 or memory runs out.
    bool Prepare(int sourceWidth, int sourceHeight, int destWidth, int destHeight);
    // Rows start `sourceStride` and `destStride` bytes apart (a negative
    // stride walks up from a bottom row); both frames start on 4-byte
    // boundaries. Only after a successful Prepare.
    void Scale(const std::uint8_t* source, std::ptrdiff_t sourceStride, std::uint8_t* dest,
               std::ptrdiff_t destStride);
    // The same result for a frame of 8-bit indexes (rows SourceWidth() bytes
    // apart) shown through `colours` (256 pixels). Each source row is looked
    // up when it is first needed, so no 32-bit source frame is written and
    // read back.
    void ScaleIndexed(const std::uint8_t* indexes, const std::uint32_t* colours, std::uint8_t* dest,
                      std::ptrdiff_t destStride);

    int SourceWidth() const { return m_nSourceWidth; }
    int SourceHeight() const { return m_nSourceHeight; }
    int DestWidth() const { return m_nDestWidth; }
    int DestHeight() const { return m_nDestHeight; }

private:
    // Where one result column or row samples: the first of its two source
    // pixels and the weight (0..255) of the second.
    struct Tap {
        int first;
        int weight;
    };
    static void MakeTaps(int sourceCount, int destCount, std::vector<Tap>& taps);
    // RowOf(y) gives the 32-bit pixels of source row y.
    template <class RowOf>
    void ScaleRows(const RowOf& rowOf, std::uint8_t* dest, std::ptrdiff_t destStride);
    template <class RowOf>
    const std::uint32_t* StretchedRow(const RowOf& rowOf, int y);

    int m_nSourceWidth = 0, m_nSourceHeight = 0, m_nDestWidth = 0, m_nDestHeight = 0;
    std::vector<Tap> m_Rows;
    std::vector<int> m_ColumnFirst;              // per result column, its first source column
    std::vector<std::uint16_t> m_ColumnWeights;  // per result column, its weight in each of 4 channels
    std::vector<std::uint32_t> m_Stretched[2];   // two stretched rows, tagged with their source row
    std::vector<std::uint32_t> m_SourceRow;      // an indexed source row looked up
    int m_nStretchedRow[2] = {-1, -1};
    int m_nBlendedColumns = 0;     // the result columns before the first one held at the last source pixel
    bool m_bDoublesWidth = false;  // exactly twice as wide: the fixed taps of doublePixelRow
};
