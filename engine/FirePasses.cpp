#include "engine/FirePasses.h"
#include "engine/PassTables.h"

#include <atomic>
#include <cstring>

namespace {
bool ProcessorHasAvx2() {
#if (defined(__x86_64__) || defined(__i386__)) && defined(__GNUC__)
    return __builtin_cpu_supports("avx2") != 0;
#else
    return false;
#endif
}

const FirePasses* BestPasses() {
    if (ProcessorHasAvx2())
        if (const FirePasses* avx2 = Avx2FirePasses()) return avx2;
    if (const FirePasses* sse2 = Sse2FirePasses()) return sse2;
    return ScalarFirePasses();
}

// Chosen once; the render threads only read it.
std::atomic<const FirePasses*> g_pActive{nullptr};

const char* const kLevelNames[] = {"scalar", "sse2", "avx2"};
}  // namespace

const FirePasses& ActiveFirePasses() {
    const FirePasses* passes = g_pActive.load(std::memory_order_acquire);
    if (!passes) {
        passes = BestPasses();
        g_pActive.store(passes, std::memory_order_release);
    }
    return *passes;
}

const FirePasses* FirePassesOf(PassLevel level) {
    switch (level) {
    case PassLevel::Scalar: return ScalarFirePasses();
    case PassLevel::Sse2: return Sse2FirePasses();
    case PassLevel::Avx2: return ProcessorHasAvx2() ? Avx2FirePasses() : nullptr;
    }
    return nullptr;
}

PassLevel BestPassLevel() { return BestPasses()->level; }

bool UsePassLevel(PassLevel level) {
    const FirePasses* passes = FirePassesOf(level);
    if (!passes) return false;
    g_pActive.store(passes, std::memory_order_release);
    return true;
}

const char* PassLevelName(PassLevel level) { return kLevelNames[static_cast<int>(level)]; }

bool ParsePassLevel(const char* name, PassLevel& level) {
    for (int i = 0; i < 3; ++i)
        if (std::strcmp(name, kLevelNames[i]) == 0) {
            level = static_cast<PassLevel>(i);
            return true;
        }
    return false;
}
