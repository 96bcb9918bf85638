#include "saver/FrameUpscaler.h"

#include <cstring>
#include <new>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {
// Result pixels are stretched four at a time; tables and rows are padded to that.
constexpr int kGroup = 4;

int Padded(int count) { return (count + kGroup - 1) / kGroup * kGroup; }

std::uint32_t Blend(std::uint32_t a, std::uint32_t b, int weight) {
    std::uint32_t out = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const std::uint32_t ca = (a >> shift) & 0xFF, cb = (b >> shift) & 0xFF;
        out |= ((ca * static_cast<std::uint32_t>(256 - weight) + cb * static_cast<std::uint32_t>(weight)) >> 8) << shift;
    }
    return out;
}

#if defined(__SSE2__)
// Four channels of two pixels in 16-bit lanes: (a x (256 - w) + b x w) >> 8.
__m128i BlendLanes(__m128i a, __m128i b, __m128i weights) {
    const __m128i inverse = _mm_sub_epi16(_mm_set1_epi16(256), weights);
    return _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(a, inverse), _mm_mullo_epi16(b, weights)), 8);
}
#endif

void BlendRows(const std::uint32_t* top, const std::uint32_t* bottom, int weight, int count, std::uint32_t* out) {
    int x = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128(), weights = _mm_set1_epi16(static_cast<short>(weight));
    for (; x + 4 <= count; x += 4) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(top + x));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bottom + x));
        const __m128i low = BlendLanes(_mm_unpacklo_epi8(a, zero), _mm_unpacklo_epi8(b, zero), weights);
        const __m128i high = BlendLanes(_mm_unpackhi_epi8(a, zero), _mm_unpackhi_epi8(b, zero), weights);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x), _mm_packus_epi16(low, high));
    }
#endif
    for (; x < count; ++x) out[x] = Blend(top[x], bottom[x], weight);
}
}  // namespace

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
    for (std::size_t i = static_cast<std::size_t>(destCount); i < taps.size(); ++i) taps[i] = taps[i - 1];
}

bool FrameUpscaler::Prepare(int sourceWidth, int sourceHeight, int destWidth, int destHeight) {
    m_nSourceWidth = m_nSourceHeight = m_nDestWidth = m_nDestHeight = 0;
    if (sourceWidth < 1 || sourceHeight < 1 || destWidth < 1 || destHeight < 1) return false;
    const std::size_t padded = static_cast<std::size_t>(Padded(destWidth));
    try {
        m_Columns.assign(padded, Tap{});
        m_Rows.assign(static_cast<std::size_t>(destHeight), Tap{});
        m_ColumnWeights.assign(padded * 4, 0);
        m_PaddedSource.assign(static_cast<std::size_t>(sourceWidth) + 1, 0);
        for (std::vector<std::uint32_t>& row : m_Stretched) row.assign(padded, 0);
    } catch (const std::bad_alloc&) {
        return false;
    }
    MakeTaps(sourceWidth, destWidth, m_Columns);
    MakeTaps(sourceHeight, destHeight, m_Rows);
    for (std::size_t i = 0; i < m_ColumnWeights.size(); ++i)
        m_ColumnWeights[i] = static_cast<std::uint16_t>(m_Columns[i / 4].weight);
    m_nStretchedRow[0] = m_nStretchedRow[1] = -1;
    m_nSourceWidth = sourceWidth;
    m_nSourceHeight = sourceHeight;
    m_nDestWidth = destWidth;
    m_nDestHeight = destHeight;
    return true;
}

void FrameUpscaler::Stretch(const std::uint32_t* source, std::uint32_t* out) {
    const int count = static_cast<int>(m_Columns.size());
    const Tap* taps = m_Columns.data();
    int x = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    // Two result pixels: their two source pairs interleaved, first pixels
    // apart from second ones, each widened to 16 bits.
    auto pair = [&](int p) {
        const __m128i a = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(source + taps[p].first));
        const __m128i b = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(source + taps[p + 1].first));
        const __m128i both = _mm_unpacklo_epi32(a, b);
        const __m128i weights = _mm_loadu_si128(reinterpret_cast<const __m128i*>(&m_ColumnWeights[4 * static_cast<std::size_t>(p)]));
        return BlendLanes(_mm_unpacklo_epi8(both, zero), _mm_unpackhi_epi8(both, zero), weights);
    };
    for (; x < count; x += 4) _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x), _mm_packus_epi16(pair(x), pair(x + 2)));
#endif
    for (; x < count; ++x) out[x] = Blend(source[taps[x].first], source[taps[x].first + 1], taps[x].weight);
}

const std::uint32_t* FrameUpscaler::StretchedRow(const std::uint8_t* source, std::ptrdiff_t sourceStride, int y) {
    // Neighbouring rows differ in parity, so the two rows a result row blends never share a slot.
    const int slot = y & 1;
    std::uint32_t* row = m_Stretched[slot].data();
    if (m_nStretchedRow[slot] != y) {
        std::memcpy(m_PaddedSource.data(), source + y * sourceStride, 4 * static_cast<std::size_t>(m_nSourceWidth));
        m_PaddedSource[static_cast<std::size_t>(m_nSourceWidth)] = m_PaddedSource[static_cast<std::size_t>(m_nSourceWidth) - 1];
        Stretch(m_PaddedSource.data(), row);
        m_nStretchedRow[slot] = y;
    }
    return row;
}

void FrameUpscaler::Scale(const std::uint8_t* source, std::ptrdiff_t sourceStride, std::uint8_t* dest,
                          std::ptrdiff_t destStride) {
    // A new frame: what was stretched belongs to the last one.
    m_nStretchedRow[0] = m_nStretchedRow[1] = -1;
    for (int y = 0; y < m_nDestHeight; ++y) {
        const Tap tap = m_Rows[static_cast<std::size_t>(y)];
        std::uint32_t* out = reinterpret_cast<std::uint32_t*>(dest + y * destStride);
        const std::uint32_t* top = StretchedRow(source, sourceStride, tap.first);
        if (tap.weight == 0) std::memcpy(out, top, 4 * static_cast<std::size_t>(m_nDestWidth));
        else BlendRows(top, StretchedRow(source, sourceStride, tap.first + 1), tap.weight, m_nDestWidth, out);
    }
}
