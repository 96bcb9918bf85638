// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What the benchmarks share: the time of a memcpy of the same bytes, which
// each pass is reported against, and fields of random heat.
#include "engine/FirePasses.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <ctime>
#include <random>
#include <vector>

// The processor time of this thread, which other busy programs on the
// machine disturb less than the wall clock.
inline double ThreadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + 1e-9 * static_cast<double>(now.tv_nsec);
}

// Other busy programs on a shared machine only ever slow a run down, so the
// fastest of many runs is the measure: of single memcpys, and of single
// iterations of a pass.

// Seconds of the fastest memcpy of `bytes` over at least 0.2 s of copies.
inline double MemcpySeconds(std::size_t bytes) {
    std::vector<std::uint8_t> from(bytes, 1), to(bytes);
    const double start = ThreadSeconds();
    double fastest = 1e9, now = start;
    do {
        const double before = now;
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
        now = ThreadSeconds();
        if (now - before < fastest) fastest = now - before;
    } while (now - start < 0.2);
    return fastest;
}

// What a saver's pass meets 25 ms after the last frame: its data pushed
// out of the caches, here by copying more than they hold.
inline void EvictCaches() {
    static std::vector<std::uint8_t> from(64 << 20, 1), to(64 << 20);
    std::memcpy(to.data(), from.data(), to.size());
    benchmark::ClobberMemory();
}

// Runs `work` for every iteration; reports the processor time of the
// fastest iteration ("fastest_us") and it as a multiple of the fastest
// memcpy of `bytes` ("xMemcpy"). With `everyFrame`, frames of a fire that
// differ in their work, the mean of all iterations counts instead. With
// `coldCaches` each iteration starts with the caches evicted (untimed).
template <class Work>
void TimeAgainstMemcpy(benchmark::State& state, std::size_t bytes, Work work, bool everyFrame = false,
                       bool coldCaches = false) {
    double start = ThreadSeconds();
    double fastest = 1e9;
    for (auto _ : state) {
        if (coldCaches) {
            const double evicting = ThreadSeconds();
            EvictCaches();
            start += ThreadSeconds() - evicting;
        }
        const double before = ThreadSeconds();
        work();
        benchmark::ClobberMemory();
        const double took = ThreadSeconds() - before;
        if (took < fastest) fastest = took;
    }
    const double mean = (ThreadSeconds() - start) / static_cast<double>(state.iterations());
    const double measure = everyFrame ? mean : fastest;
    state.counters[everyFrame ? "mean_us" : "fastest_us"] = 1e6 * measure;
    state.counters["xMemcpy"] = measure / MemcpySeconds(bytes);
}

// The passes of the level given as the benchmark's first argument; null (and
// the benchmark skipped) when the processor lacks it.
inline const FirePasses* PassesOf(benchmark::State& state) {
    const PassLevel level = static_cast<PassLevel>(state.range(0));
    const FirePasses* passes = FirePassesOf(level);
    if (passes) state.SetLabel(PassLevelName(level));
    else state.SkipWithError("this processor lacks the level");
    return passes;
}

inline std::vector<std::uint8_t> RandomBytes(std::size_t count, int limit, unsigned seed) {
    std::mt19937 generator(seed);
    std::uniform_int_distribution<int> value(0, limit);
    std::vector<std::uint8_t> bytes(count);
    for (std::uint8_t& byte : bytes) byte = static_cast<std::uint8_t>(value(generator));
    return bytes;
}

// Every level at each of the two screen sizes of the pass benchmarks.
inline void LevelsAndSizes(benchmark::internal::Benchmark* benchmark) {
    for (int level = 0; level <= static_cast<int>(PassLevel::Avx512); ++level) {
        benchmark->Args({level, 1920, 1080});
        benchmark->Args({level, 3840, 2160});
    }
}
