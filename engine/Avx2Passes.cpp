// SPDX-License-Identifier: GPL-2.0-or-later
// The passes with 32-byte AVX2 vectors. This unit alone is built with AVX2
// (where the build allows it), and runs only when the processor has it.
#include "engine/PassTables.h"

#if defined(__AVX2__)
#include "engine/SimdKernels.h"

#include <immintrin.h>

namespace {
struct Avx2 {
    using V = __m256i;
    static constexpr int kBytes = 32;

    static V Load(const void* p) { return _mm256_loadu_si256(static_cast<const V*>(p)); }
    static void Store(void* p, V v) { _mm256_storeu_si256(static_cast<V*>(p), v); }
    static V Zero() { return _mm256_setzero_si256(); }
    static V Set1(int byte) { return _mm256_set1_epi8(static_cast<char>(byte)); }
    static V Broadcast32(std::uint32_t word) { return _mm256_set1_epi32(static_cast<int>(word)); }
    static V SetSums(int value) { return _mm256_set1_epi16(static_cast<short>(value)); }
    static V And(V a, V b) { return _mm256_and_si256(a, b); }
    static V AndNot(V a, V b) { return _mm256_andnot_si256(a, b); }
    static V Or(V a, V b) { return _mm256_or_si256(a, b); }
    static V Xor(V a, V b) { return _mm256_xor_si256(a, b); }
    static V AddBytes(V a, V b) { return _mm256_add_epi8(a, b); }
    static V SubBytes(V a, V b) { return _mm256_sub_epi8(a, b); }
    static V SubsBytes(V a, V b) { return _mm256_subs_epu8(a, b); }
    static V AddWords32(V a, V b) { return _mm256_add_epi32(a, b); }
    static V AvgBytes(V a, V b) { return _mm256_avg_epu8(a, b); }
    static V MinBytes(V a, V b) { return _mm256_min_epu8(a, b); }
    static V CmpEqBytes(V a, V b) { return _mm256_cmpeq_epi8(a, b); }
    static std::uint32_t MoveMask(V v) { return static_cast<std::uint32_t>(_mm256_movemask_epi8(v)); }
    static bool AllZero(V v) { return _mm256_testz_si256(v, v) != 0; }
    static std::uint32_t FirstWord(V v) {
        return static_cast<std::uint32_t>(_mm_cvtsi128_si32(_mm256_castsi256_si128(v)));
    }
    // Byte-lane sums of the 32-bit words up to and including each word: in
    // each 128-bit half, then the low half's total added to the high half.
    static V PrefixWords(V v) {
        v = _mm256_add_epi8(v, _mm256_slli_si256(v, 4));
        v = _mm256_add_epi8(v, _mm256_slli_si256(v, 8));
        return _mm256_add_epi8(v, _mm256_shuffle_epi32(_mm256_permute2x128_si256(v, v, 0x08), 0xFF));
    }
    static V BroadcastLastWord(V v) { return _mm256_permutevar8x32_epi32(v, _mm256_set1_epi32(7)); }
    // Plain loads: a gather instruction is slower here on the processors measured.
    static V GatherLayer(const std::uint8_t* layer, V fire) {
        alignas(32) std::uint32_t heat[8];
        _mm256_store_si256(reinterpret_cast<V*>(heat), fire);
        std::uint32_t words[8];
        for (int j = 0; j < 8; ++j) std::memcpy(&words[j], layer + 4 * j + ((heat[j] & 0xFF) >> 2), 4);
        return _mm256_loadu_si256(reinterpret_cast<const V*>(words));
    }
    static V LoadWidened(const std::uint8_t* p) {
        return _mm256_cvtepu8_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)));
    }
    static V AddSums(V a, V b) { return _mm256_add_epi16(a, b); }
    static V GreaterSums(V a, V b) { return _mm256_cmpgt_epi16(a, b); }
    static V MaxSums(V a, V b) { return _mm256_max_epi16(a, b); }
    static void StoreNarrowed(std::uint8_t* p, V sums) {
        const __m128i low = _mm256_castsi256_si128(sums), high = _mm256_extracti128_si256(sums, 1);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p), _mm_packus_epi16(low, high));
    }
};

// Four channels of four pixels in 16-bit lanes: (a x (256 - w) + b x w) >> 8.
__m256i BlendLanes(__m256i a, __m256i b, __m256i weights) {
    const __m256i inverse = _mm256_sub_epi16(_mm256_set1_epi16(256), weights);
    return _mm256_srli_epi16(_mm256_add_epi16(_mm256_mullo_epi16(a, inverse), _mm256_mullo_epi16(b, weights)), 8);
}

void BlendPixelRowsAvx2(const std::uint32_t* top, const std::uint32_t* bottom, int weight, int count, std::uint32_t* out) {
    const __m256i zero = _mm256_setzero_si256(), weights = _mm256_set1_epi16(static_cast<short>(weight));
    int x = 0;
    for (; x + 8 <= count; x += 8) {
        const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(top + x));
        const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(bottom + x));
        const __m256i low = BlendLanes(_mm256_unpacklo_epi8(a, zero), _mm256_unpacklo_epi8(b, zero), weights);
        const __m256i high = BlendLanes(_mm256_unpackhi_epi8(a, zero), _mm256_unpackhi_epi8(b, zero), weights);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + x), _mm256_packus_epi16(low, high));
    }
    BlendPixelRowsScalar(top + x, bottom + x, weight, count - x, out + x);
}

// Four result pixels, two in each half: as StretchTwo of the SSE2 level.
__m256i StretchFour(const std::uint32_t* row, const int* first, const std::uint16_t* weights) {
    auto pairs = [&](int p) {
        return _mm_unpacklo_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(row + first[p])),
                                  _mm_loadl_epi64(reinterpret_cast<const __m128i*>(row + first[p + 1])));
    };
    const __m256i both = _mm256_inserti128_si256(_mm256_castsi128_si256(pairs(0)), pairs(2), 1);
    const __m256i zero = _mm256_setzero_si256();
    return BlendLanes(_mm256_unpacklo_epi8(both, zero), _mm256_unpackhi_epi8(both, zero),
                      _mm256_loadu_si256(reinterpret_cast<const __m256i*>(weights)));
}

void StretchPixelRowAvx2(const std::uint32_t* row, const int* first, const std::uint16_t* weights, int count,
                         std::uint32_t* out) {
    int x = 0;
    for (; x + 8 <= count; x += 8) {
        // Packing works in halves: pixels 0-1 and 4-5, then 2-3 and 6-7.
        const __m256i packed =
            _mm256_packus_epi16(StretchFour(row, first + x, weights + 4 * x), StretchFour(row, first + x + 4, weights + 4 * x + 16));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + x), _mm256_permute4x64_epi64(packed, 0xD8));
    }
    StretchPixelRowScalar(row, first + x, weights + 4 * x, count - x, out + x);
}
// Eight pairs at a time, as at the SSE2 level; each 128-bit half holds four
// pairs, put back in order at the end.
void DoublePixelRowAvx2(const std::uint32_t* row, int pairs, std::uint32_t* out) {
    const __m256i zero = _mm256_setzero_si256(), quarter = _mm256_set1_epi16(64),
                  threeQuarters = _mm256_set1_epi16(192);
    int k = 0;
    for (; k + 8 <= pairs; k += 8) {
        const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(row + k));
        const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(row + k + 1));
        const __m256i aLow = _mm256_unpacklo_epi8(a, zero), aHigh = _mm256_unpackhi_epi8(a, zero);
        const __m256i bLow = _mm256_unpacklo_epi8(b, zero), bHigh = _mm256_unpackhi_epi8(b, zero);
        const __m256i nearLeft =
            _mm256_packus_epi16(BlendLanes(aLow, bLow, quarter), BlendLanes(aHigh, bHigh, quarter));
        const __m256i nearRight =
            _mm256_packus_epi16(BlendLanes(aLow, bLow, threeQuarters), BlendLanes(aHigh, bHigh, threeQuarters));
        const __m256i first = _mm256_unpacklo_epi32(nearLeft, nearRight);
        const __m256i second = _mm256_unpackhi_epi32(nearLeft, nearRight);
        auto* pixels = reinterpret_cast<__m256i*>(out + 2 * k);
        _mm256_storeu_si256(pixels, _mm256_permute2x128_si256(first, second, 0x20));
        _mm256_storeu_si256(pixels + 1, _mm256_permute2x128_si256(first, second, 0x31));
    }
    DoublePixelRowScalar(row + k, pairs - k, out + 2 * k);
}
}  // namespace

const FirePasses* Avx2FirePasses() {
    static const FirePasses passes = {PassLevel::Avx2,
                                      simd_kernels::AverageUpward<Avx2>,
                                      RemapShuffled,
                                      true,
                                      simd_kernels::MixDesktop<Avx2>,
                                      simd_kernels::FindInRange<Avx2>,
                                      LookUpWordsSse2,
                                      BlendPixelRowsAvx2,
                                      StretchPixelRowAvx2,
                                      DoublePixelRowAvx2,
                                      StampGlowSse2,
                                      simd_kernels::BestRays<Avx2>};
    return &passes;
}
#else
const FirePasses* Avx2FirePasses() { return nullptr; }
#endif
