// SPDX-License-Identifier: GPL-2.0-or-later
// The passes with 16-byte SSE2 vectors, the baseline of every x86 build.
#include "engine/PassTables.h"

#if defined(__SSE2__)
#include "engine/SimdKernels.h"

#include <emmintrin.h>

namespace {
struct Sse2 {
    using V = __m128i;
    static constexpr int kBytes = 16;

    static V Load(const void* p) { return _mm_loadu_si128(static_cast<const V*>(p)); }
    static void Store(void* p, V v) { _mm_storeu_si128(static_cast<V*>(p), v); }
    static V Zero() { return _mm_setzero_si128(); }
    static V Set1(int byte) { return _mm_set1_epi8(static_cast<char>(byte)); }
    static V Broadcast32(std::uint32_t word) { return _mm_set1_epi32(static_cast<int>(word)); }
    static V SetSums(int value) { return _mm_set1_epi16(static_cast<short>(value)); }
    static V And(V a, V b) { return _mm_and_si128(a, b); }
    static V AndNot(V a, V b) { return _mm_andnot_si128(a, b); }
    static V Or(V a, V b) { return _mm_or_si128(a, b); }
    static V Xor(V a, V b) { return _mm_xor_si128(a, b); }
    static V AddBytes(V a, V b) { return _mm_add_epi8(a, b); }
    static V SubBytes(V a, V b) { return _mm_sub_epi8(a, b); }
    static V SubsBytes(V a, V b) { return _mm_subs_epu8(a, b); }
    static V AddWords32(V a, V b) { return _mm_add_epi32(a, b); }
    static V AvgBytes(V a, V b) { return _mm_avg_epu8(a, b); }
    static V MinBytes(V a, V b) { return _mm_min_epu8(a, b); }
    static V CmpEqBytes(V a, V b) { return _mm_cmpeq_epi8(a, b); }
    static std::uint32_t MoveMask(V v) { return static_cast<std::uint32_t>(_mm_movemask_epi8(v)); }
    static bool AllZero(V v) { return _mm_movemask_epi8(_mm_cmpeq_epi8(v, _mm_setzero_si128())) == 0xFFFF; }
    static std::uint32_t FirstWord(V v) { return static_cast<std::uint32_t>(_mm_cvtsi128_si32(v)); }
    // Byte-lane sums of the 32-bit words up to and including each word.
    static V PrefixWords(V v) {
        v = _mm_add_epi8(v, _mm_slli_si128(v, 4));
        return _mm_add_epi8(v, _mm_slli_si128(v, 8));
    }
    static V BroadcastLastWord(V v) { return _mm_shuffle_epi32(v, 0xFF); }
    // The four desktop words of the mixed output, each read further right by
    // the first heat byte of its group divided by four.
    static V GatherLayer(const std::uint8_t* layer, V fire) {
        alignas(16) std::uint32_t heat[4];
        _mm_store_si128(reinterpret_cast<V*>(heat), fire);
        std::uint32_t words[4];
        for (int j = 0; j < 4; ++j) std::memcpy(&words[j], layer + 4 * j + ((heat[j] & 0xFF) >> 2), 4);
        return _mm_loadu_si128(reinterpret_cast<const V*>(words));
    }
    static V LoadWidened(const std::uint8_t* p) {
        return _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const V*>(p)), _mm_setzero_si128());
    }
    static V AddSums(V a, V b) { return _mm_add_epi16(a, b); }
    static V GreaterSums(V a, V b) { return _mm_cmpgt_epi16(a, b); }
    static V MaxSums(V a, V b) { return _mm_max_epi16(a, b); }
    static void StoreNarrowed(std::uint8_t* p, V sums) {
        _mm_storel_epi64(reinterpret_cast<V*>(p), _mm_packus_epi16(sums, sums));
    }
};

}  // namespace

void LookUpWordsSse2(const std::uint8_t* indexes, std::size_t count, const std::uint32_t* table, std::uint32_t* out) {
    std::size_t i = 0;
    for (; i + 4 <= count; i += 4) {
        std::uint32_t index;
        std::memcpy(&index, indexes + i, 4);
        const __m128i words = _mm_setr_epi32(static_cast<int>(table[index & 0xFF]), static_cast<int>(table[(index >> 8) & 0xFF]),
                                       static_cast<int>(table[(index >> 16) & 0xFF]), static_cast<int>(table[index >> 24]));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), words);
    }
    LookUpWordsScalar(indexes + i, count - i, table, out + i);
}

namespace {
// Four channels of two pixels in 16-bit lanes: (a x (256 - w) + b x w) >> 8.
__m128i BlendLanes(__m128i a, __m128i b, __m128i weights) {
    const __m128i inverse = _mm_sub_epi16(_mm_set1_epi16(256), weights);
    return _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(a, inverse), _mm_mullo_epi16(b, weights)), 8);
}

void BlendPixelRowsSse2(const std::uint32_t* top, const std::uint32_t* bottom, int weight, int count, std::uint32_t* out) {
    const __m128i zero = _mm_setzero_si128(), weights = _mm_set1_epi16(static_cast<short>(weight));
    int x = 0;
    for (; x + 4 <= count; x += 4) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(top + x));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bottom + x));
        const __m128i low = BlendLanes(_mm_unpacklo_epi8(a, zero), _mm_unpacklo_epi8(b, zero), weights);
        const __m128i high = BlendLanes(_mm_unpackhi_epi8(a, zero), _mm_unpackhi_epi8(b, zero), weights);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x), _mm_packus_epi16(low, high));
    }
    BlendPixelRowsScalar(top + x, bottom + x, weight, count - x, out + x);
}

// Two result pixels: their two source pairs interleaved, first pixels apart
// from second ones, each widened to 16 bits.
__m128i StretchTwo(const std::uint32_t* row, const int* first, const std::uint16_t* weights) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i a = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(row + first[0]));
    const __m128i b = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(row + first[1]));
    const __m128i both = _mm_unpacklo_epi32(a, b);
    return BlendLanes(_mm_unpacklo_epi8(both, zero), _mm_unpackhi_epi8(both, zero),
                      _mm_loadu_si128(reinterpret_cast<const __m128i*>(weights)));
}

void StretchPixelRowSse2(const std::uint32_t* row, const int* first, const std::uint16_t* weights, int count,
                         std::uint32_t* out) {
    int x = 0;
    for (; x + 4 <= count; x += 4)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x),
                         _mm_packus_epi16(StretchTwo(row, first + x, weights + 4 * x),
                                          StretchTwo(row, first + x + 2, weights + 4 * x + 8)));
    StretchPixelRowScalar(row, first + x, weights + 4 * x, count - x, out + x);
}
// Four pairs at a time: the pixels and their right neighbours, blended both
// ways, then interleaved.
void DoublePixelRowSse2(const std::uint32_t* row, int pairs, std::uint32_t* out) {
    const __m128i zero = _mm_setzero_si128(), quarter = _mm_set1_epi16(64), threeQuarters = _mm_set1_epi16(192);
    int k = 0;
    for (; k + 4 <= pairs; k += 4) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + k));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + k + 1));
        const __m128i aLow = _mm_unpacklo_epi8(a, zero), aHigh = _mm_unpackhi_epi8(a, zero);
        const __m128i bLow = _mm_unpacklo_epi8(b, zero), bHigh = _mm_unpackhi_epi8(b, zero);
        const __m128i nearLeft = _mm_packus_epi16(BlendLanes(aLow, bLow, quarter), BlendLanes(aHigh, bHigh, quarter));
        const __m128i nearRight =
            _mm_packus_epi16(BlendLanes(aLow, bLow, threeQuarters), BlendLanes(aHigh, bHigh, threeQuarters));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 2 * k), _mm_unpacklo_epi32(nearLeft, nearRight));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 2 * k + 4), _mm_unpackhi_epi32(nearLeft, nearRight));
    }
    DoublePixelRowScalar(row + k, pairs - k, out + 2 * k);
}
}  // namespace

// Eight columns of a glow row at a time (the ninth alone), reading and
// writing no byte outside the glow's columns but the 3 right of a 5-wide one.
void StampGlowSse2(std::uint8_t* corner, int width, const std::uint8_t (*stamp)[9], int size, int value,
                   int additive) {
    if (value < 1 || value > 256) {  // amounts must fit 16-bit products and bytes
        StampGlowScalar(corner, width, stamp, size, value, additive);
        return;
    }
    const __m128i zero = _mm_setzero_si128(), factor = _mm_set1_epi16(static_cast<short>(value));
    const __m128i ceiling = _mm_set1_epi8(static_cast<char>(247));
    const __m128i columns = _mm_set_epi64x(0, size >= 8 ? -1LL : static_cast<long long>((1ULL << (8 * size)) - 1));
    for (int r = 0; r < size; ++r) {
        std::uint8_t* row = corner + r * width;
        const __m128i entries = _mm_and_si128(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(stamp[r])), columns);
        const __m128i amount =
            _mm_packus_epi16(_mm_srli_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(entries, zero), factor), 8), zero);
        const __m128i old = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(row));
        const __m128i lit = _mm_min_epu8(additive ? _mm_adds_epu8(old, amount) : amount, ceiling);
        const __m128i unlit = _mm_cmpeq_epi8(entries, zero);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(row), _mm_or_si128(_mm_and_si128(unlit, old), _mm_andnot_si128(unlit, lit)));
    }
    if (size > 8) {
        // The ninth column: the stamp's last entry of each row.
        std::uint8_t column[9][9] = {};
        for (int r = 0; r < size; ++r) column[r][0] = stamp[r][8];
        StampGlowScalar(corner + 8, width, column, size, value, additive);
    }
}

const FirePasses* Sse2FirePasses() {
    static const FirePasses passes = {PassLevel::Sse2,
                                      simd_kernels::AverageUpward<Sse2>,
                                      RemapUnrolled,
                                      false,
                                      simd_kernels::MixDesktop<Sse2>,
                                      simd_kernels::FindInRange<Sse2>,
                                      LookUpWordsSse2,
                                      BlendPixelRowsSse2,
                                      StretchPixelRowSse2,
                                      DoublePixelRowSse2,
                                      StampGlowSse2,
                                      simd_kernels::BestRays<Sse2>};
    return &passes;
}
#else
const FirePasses* Sse2FirePasses() { return nullptr; }
#endif
