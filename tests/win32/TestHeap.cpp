// SPDX-License-Identifier: GPL-2.0-or-later
#include "tests/win32/TestHeap.h"

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {
std::atomic<std::size_t> g_nFailSize{0};
std::atomic<int> g_nFailCountdown{-1};
std::atomic<bool> g_bChosenFailed{false};
std::atomic<bool> g_bKeepFreed{false};
std::atomic<int> g_nDoubleFrees{0};
std::atomic<long long> g_nLive{0};

// The freed blocks kept while KeepFreedBlocks is on, under a spin lock (a
// lock that allocates could not guard the allocator).
constexpr int kMaxKept = 4096;
const void* g_Kept[kMaxKept];
int g_nKept = 0;
std::atomic_flag g_KeptLock = ATOMIC_FLAG_INIT;

struct KeptLock {
    KeptLock() {
        while (g_KeptLock.test_and_set(std::memory_order_acquire)) {
        }
    }
    ~KeptLock() { g_KeptLock.clear(std::memory_order_release); }
};

bool IsKept(const void* block) {
    for (int i = 0; i < g_nKept; ++i)
        if (g_Kept[i] == block) return true;
    return false;
}

bool ShouldFail(std::size_t size) {
    if (size != 0 && size == g_nFailSize) return true;
    if (g_nFailCountdown.load() < 0) return false;
    if (g_nFailCountdown.fetch_sub(1) != 0) return false;
    g_bChosenFailed = true;
    return true;
}

void* Allocate(std::size_t size) {
    if (ShouldFail(size)) return nullptr;
    void* block = std::malloc(size ? size : 1);
    if (block) ++g_nLive;
    return block;
}

void Free(void* block) {
    if (!block) return;
    if (g_bKeepFreed) {
        KeptLock lock;
        if (IsKept(block)) {
            ++g_nDoubleFrees;
            return;
        }
        if (g_nKept < kMaxKept) {
            std::memset(block, 0, _msize(block));
            g_Kept[g_nKept++] = block;
            --g_nLive;
            return;
        }
    }
    --g_nLive;
    std::free(block);
}
}  // namespace

namespace TestHeap {
void FailAllocationsOf(std::size_t size) { g_nFailSize = size; }
void FailAllocationAfter(int count) {
    g_bChosenFailed = false;
    g_nFailCountdown = count;
}
bool ChosenAllocationFailed() { return g_bChosenFailed; }
void KeepFreedBlocks(bool on) { g_bKeepFreed = on; }
bool WasFreed(const void* block) {
    KeptLock lock;
    return IsKept(block);
}
int DoubleFrees() { return g_nDoubleFrees; }
long long LiveBlocks() { return g_nLive; }
void Reset() {
    g_nFailSize = 0;
    g_nFailCountdown = -1;
    g_bChosenFailed = false;
    g_bKeepFreed = false;
    g_nDoubleFrees = 0;
    // The kept blocks stay allocated: a test may still hold their addresses.
    KeptLock lock;
    g_nKept = 0;
}
}  // namespace TestHeap

void* operator new(std::size_t size) {
    if (void* block = Allocate(size)) return block;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void operator delete(void* block) noexcept { Free(block); }
void operator delete[](void* block) noexcept { Free(block); }
void operator delete(void* block, std::size_t) noexcept { Free(block); }
void operator delete[](void* block, std::size_t) noexcept { Free(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { Free(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { Free(block); }
