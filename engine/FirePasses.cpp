// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/FirePasses.h"
#include "engine/PassTables.h"

#include <cstring>
#include <initializer_list>

namespace {
#if (defined(__x86_64__) || defined(__i386__)) && defined(__GNUC__)
bool ProcessorHasSsse3() { return __builtin_cpu_supports("ssse3") != 0; }
bool ProcessorHasAvx2() { return __builtin_cpu_supports("avx2") != 0; }
bool ProcessorHasAvx512() {
    return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
           __builtin_cpu_supports("avx512vbmi");
}
#elif defined(__EMSCRIPTEN__)
// WebAssembly SIMD carries the SSSE3 unit; a browser without it loads no module at all.
bool ProcessorHasSsse3() { return true; }
bool ProcessorHasAvx2() { return false; }
bool ProcessorHasAvx512() { return false; }
#else
bool ProcessorHasSsse3() { return false; }
bool ProcessorHasAvx2() { return false; }
bool ProcessorHasAvx512() { return false; }
#endif

const char* const kLevelNames[] = {"scalar", "sse2", "ssse3", "avx2", "avx512"};
constexpr int kLevelCount = sizeof kLevelNames / sizeof kLevelNames[0];
}  // namespace

// The units built for wider instructions are only entered on processors that
// have them. The processor is asked once; the answer never changes.
const FirePasses& BestFirePasses() {
    static const FirePasses* const best = [] {
        for (PassLevel level : {PassLevel::Avx512, PassLevel::Avx2, PassLevel::Ssse3, PassLevel::Sse2})
            if (const FirePasses* passes = FirePassesOf(level)) return passes;
        return ScalarFirePasses();
    }();
    return *best;
}

const FirePasses* FirePassesOf(PassLevel level) {
    switch (level) {
    case PassLevel::Scalar: return ScalarFirePasses();
    case PassLevel::Sse2: return Sse2FirePasses();
    case PassLevel::Ssse3: return ProcessorHasSsse3() ? Ssse3FirePasses() : nullptr;
    case PassLevel::Avx2: return ProcessorHasAvx2() ? Avx2FirePasses() : nullptr;
    case PassLevel::Avx512: return ProcessorHasAvx512() ? Avx512FirePasses() : nullptr;
    }
    return nullptr;
}

PassLevel BestPassLevel() { return BestFirePasses().level; }

const char* PassLevelName(PassLevel level) { return kLevelNames[static_cast<int>(level)]; }

bool ParsePassLevel(const char* name, PassLevel& level) {
    for (int i = 0; i < kLevelCount; ++i)
        if (std::strcmp(name, kLevelNames[i]) == 0) {
            level = static_cast<PassLevel>(i);
            return true;
        }
    return false;
}
