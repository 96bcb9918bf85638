// SPDX-License-Identifier: GPL-2.0-or-later
// The SSE2 passes with the turbulence remap by byte shuffles, which SSSE3
// adds. This unit alone is built with SSSE3, and runs only where the
// processor has it; 16-byte vectors need no more stack alignment than SSE2.
#include "engine/PassTables.h"

#if defined(__SSSE3__)
#include <tmmintrin.h>

namespace {
constexpr std::size_t kPrefetchRuns = 256;

// The pixels of a run that pick window w, its bytes shuffled into place (the
// others get 0 from the shuffle's top bit).
__m128i PickedFrom(const std::uint8_t* window, __m128i bytes, __m128i windows, int w) {
    const __m128i others = _mm_andnot_si128(_mm_cmpeq_epi8(windows, _mm_set1_epi8(static_cast<char>(w << 4))),
                                            _mm_set1_epi8(static_cast<char>(0x80)));
    return _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(window)), _mm_or_si128(bytes, others));
}
}  // namespace

void RemapShuffled(const std::uint8_t* field, const int* map, const ShuffleRunsView* runs, std::size_t count,
                   std::uint8_t* out) {
    if (!runs || runs->runs != count / 16) {
        RemapUnrolled(field, map, nullptr, count, out);
        return;
    }
    const std::size_t runCount = runs->runs;
    const std::uint8_t* windowCounts = runs->windowCounts;
    const std::uint8_t* picks = runs->picks;
    const std::int32_t* start = runs->windowStarts;
    const __m128i byteBits = _mm_set1_epi8(0x0F), windowBits = _mm_set1_epi8(static_cast<char>(0xF0));
    // A run's windows lie up to ten rows above or below it: more streams
    // than the processor's prefetcher follows, and between frames the field
    // leaves the cache. So two windows listed kShuffleWindows x kPrefetchRuns
    // starts on, which belong to a run at most kPrefetchRuns ahead, are
    // fetched early; that nearly halves a remap from a cold cache.
    constexpr std::size_t kAhead = kShuffleWindows * kPrefetchRuns;
    const std::size_t prefetchedRuns = runCount > kPrefetchRuns ? runCount - kPrefetchRuns : 0;
    for (std::size_t r = 0; r < runCount; ++r) {
        if (r < prefetchedRuns) {
            _mm_prefetch(reinterpret_cast<const char*>(field + start[kAhead]), _MM_HINT_T0);
            _mm_prefetch(reinterpret_cast<const char*>(field + start[kAhead + kShuffleWindows - 1]), _MM_HINT_T0);
        }
        const __m128i pick = _mm_loadu_si128(reinterpret_cast<const __m128i*>(picks + 16 * r));
        const __m128i bytes = _mm_and_si128(pick, byteBits), windows = _mm_and_si128(pick, windowBits);
        __m128i pixels = _mm_or_si128(
            _mm_or_si128(PickedFrom(field + start[0], bytes, windows, 0), PickedFrom(field + start[1], bytes, windows, 1)),
            _mm_or_si128(PickedFrom(field + start[2], bytes, windows, 2), PickedFrom(field + start[3], bytes, windows, 3)));
        const int windowCount = windowCounts[r];
        for (int w = kShuffleWindows; w < windowCount; ++w)
            pixels = _mm_or_si128(pixels, PickedFrom(field + start[w], bytes, windows, w));
        start += windowCount;
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 16 * r), pixels);
    }
    const std::size_t done = 16 * runs->runs;
    RemapScalar(field, map + done, nullptr, count - done, out + done);
}

const FirePasses* Ssse3FirePasses() {
    static const FirePasses passes = [] {
        FirePasses table = *Sse2FirePasses();
        table.level = PassLevel::Ssse3;
        table.remap = RemapShuffled;
        table.shufflesRuns = true;
        return table;
    }();
    return &passes;
}
#else
const FirePasses* Ssse3FirePasses() { return nullptr; }
#endif
