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
    static V GatherLayer(const std::uint8_t* layer, V fire) {
        const V shift = _mm256_srli_epi32(_mm256_and_si256(fire, _mm256_set1_epi32(0xFF)), 2);
        const V offset = _mm256_add_epi32(shift, _mm256_setr_epi32(0, 4, 8, 12, 16, 20, 24, 28));
        return _mm256_i32gather_epi32(reinterpret_cast<const int*>(layer), offset, 1);
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

// The low bytes of four gathers of eight 32-bit words, in order.
__m256i LowBytesInOrder(__m256i a, __m256i b, __m256i c, __m256i d) {
    const __m256i low = _mm256_set1_epi32(0xFF);
    const __m256i ab = _mm256_packus_epi32(_mm256_and_si256(a, low), _mm256_and_si256(b, low));
    const __m256i cd = _mm256_packus_epi32(_mm256_and_si256(c, low), _mm256_and_si256(d, low));
    return _mm256_permutevar8x32_epi32(_mm256_packus_epi16(ab, cd), _mm256_setr_epi32(0, 4, 1, 5, 2, 6, 3, 7));
}

__m256i GatherBytes(const std::uint8_t* field, const int* map) {
    return _mm256_i32gather_epi32(reinterpret_cast<const int*>(field),
                                  _mm256_loadu_si256(reinterpret_cast<const __m256i*>(map)), 1);
}

void RemapAvx2(const std::uint8_t* field, const int* map, std::size_t count, std::uint8_t* out) {
    std::size_t i = 0;
    for (; i + 32 <= count; i += 32) {
        const __m256i bytes = LowBytesInOrder(GatherBytes(field, map + i), GatherBytes(field, map + i + 8),
                                              GatherBytes(field, map + i + 16), GatherBytes(field, map + i + 24));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i), bytes);
    }
    RemapScalar(field, map + i, count - i, out + i);
}

void LookUpWordsAvx2(const std::uint8_t* indexes, std::size_t count, const std::uint32_t* table, std::uint32_t* out) {
    const int* words = reinterpret_cast<const int*>(table);
    std::size_t i = 0;
    for (; i + 8 <= count; i += 8) {
        const __m256i index = _mm256_cvtepu8_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(indexes + i)));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i), _mm256_i32gather_epi32(words, index, 4));
    }
    LookUpWordsScalar(indexes + i, count - i, table, out + i);
}
}  // namespace

const FirePasses* Avx2FirePasses() {
    static const FirePasses passes = {PassLevel::Avx2,
                                      simd_kernels::AverageUpward<Avx2>,
                                      RemapAvx2,
                                      simd_kernels::MixDesktop<Avx2>,
                                      simd_kernels::FindInRange<Avx2>,
                                      LookUpWordsAvx2,
                                      simd_kernels::BestRays<Avx2>};
    return &passes;
}
#else
const FirePasses* Avx2FirePasses() { return nullptr; }
#endif
