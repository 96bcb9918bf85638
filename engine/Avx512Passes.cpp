// SPDX-License-Identifier: GPL-2.0-or-later
// The AVX2 passes with the palette look-up in 64-byte AVX-512 vectors: the
// palette stays in registers as four byte tables, one per channel, read by
// two-register byte permutes (VBMI). This unit alone is built with AVX-512
// (where the build allows it), and runs only when the processor has it.
#include "engine/PassTables.h"

#if defined(__AVX512F__) && defined(__AVX512BW__) && defined(__AVX512VBMI__)

#include <immintrin.h>

namespace {
// One channel of the palette: byte `channel` of the 256 words, as four
// vectors of 64 entries.
struct ChannelTable {
    __m512i quarter[4];
};

ChannelTable ChannelOf(const std::uint32_t* table, int channel) {
    // Bytes 4 j + channel of 32 words (two vectors): the first half of the
    // result from one pair of vectors, the second from the next.
    alignas(64) std::uint8_t picks[64];
    for (int j = 0; j < 64; ++j) picks[j] = static_cast<std::uint8_t>(4 * (j % 32) + channel);
    const __m512i pick = _mm512_load_si512(picks);
    ChannelTable out;
    for (int q = 0; q < 4; ++q) {
        const std::uint32_t* words = table + 64 * q;
        const __m512i low = _mm512_permutex2var_epi8(_mm512_loadu_si512(words), pick, _mm512_loadu_si512(words + 16));
        const __m512i high =
            _mm512_permutex2var_epi8(_mm512_loadu_si512(words + 32), pick, _mm512_loadu_si512(words + 48));
        out.quarter[q] = _mm512_mask_blend_epi8(0xFFFFFFFF00000000ULL, low, high);
    }
    return out;
}

// The channel's bytes of 64 indexes: bit 7 of an index picks the upper two
// quarters, bit 6 the quarter of a pair, bits 0-5 the byte.
__m512i LookUp(const ChannelTable& table, __m512i indexes, __mmask64 upper) {
    return _mm512_mask_blend_epi8(upper, _mm512_permutex2var_epi8(table.quarter[0], indexes, table.quarter[1]),
                                  _mm512_permutex2var_epi8(table.quarter[2], indexes, table.quarter[3]));
}

// The channels of 64 pixels are interleaved by unpacking within 128-bit
// lanes, which leaves word 4 q + r of lane L in the place of pixel
// 16 q + 4 L + r; the indexes are put in that order first (it is its own inverse).
__m512i LaneOrder() {
    alignas(64) std::uint8_t order[64];
    for (int lane = 0; lane < 4; ++lane)
        for (int q = 0; q < 4; ++q)
            for (int r = 0; r < 4; ++r) order[16 * lane + 4 * q + r] = static_cast<std::uint8_t>(16 * q + 4 * lane + r);
    return _mm512_load_si512(order);
}

void LookUpWordsAvx512(const std::uint8_t* indexes, std::size_t count, const std::uint32_t* table, std::uint32_t* out) {
    std::size_t i = 0;
    if (count >= 64) {
        const ChannelTable channels[4] = {ChannelOf(table, 0), ChannelOf(table, 1), ChannelOf(table, 2),
                                          ChannelOf(table, 3)};
        const __m512i order = LaneOrder();
        for (; i + 64 <= count; i += 64) {
            // The zero-masked permute keeping every lane: the plain form reads
            // an undefined vector that the compiler warns about.
            const __m512i index = _mm512_maskz_permutexvar_epi8(~0ULL, order, _mm512_loadu_si512(indexes + i));
            const __mmask64 upper = _mm512_movepi8_mask(index);
            const __m512i c0 = LookUp(channels[0], index, upper), c1 = LookUp(channels[1], index, upper);
            const __m512i c2 = LookUp(channels[2], index, upper), c3 = LookUp(channels[3], index, upper);
            const __m512i low01 = _mm512_unpacklo_epi8(c0, c1), high01 = _mm512_unpackhi_epi8(c0, c1);
            const __m512i low23 = _mm512_unpacklo_epi8(c2, c3), high23 = _mm512_unpackhi_epi8(c2, c3);
            _mm512_storeu_si512(out + i, _mm512_unpacklo_epi16(low01, low23));
            _mm512_storeu_si512(out + i + 16, _mm512_unpackhi_epi16(low01, low23));
            _mm512_storeu_si512(out + i + 32, _mm512_unpacklo_epi16(high01, high23));
            _mm512_storeu_si512(out + i + 48, _mm512_unpackhi_epi16(high01, high23));
        }
    }
    LookUpWordsScalar(indexes + i, count - i, table, out + i);
}
}  // namespace

const FirePasses* Avx512FirePasses() {
    const FirePasses* avx2 = Avx2FirePasses();
    if (!avx2) return nullptr;
    static const FirePasses passes = [avx2] {
        FirePasses table = *avx2;
        table.level = PassLevel::Avx512;
        table.lookUpWords = LookUpWordsAvx512;
        return table;
    }();
    return &passes;
}
#else
const FirePasses* Avx512FirePasses() { return nullptr; }
#endif
