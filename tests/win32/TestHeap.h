// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <cstddef>

// The window tests' own operator new and delete, which a test can make fail
// allocations or keep freed blocks to catch a use after free. Everything is
// off until a test turns it on; Reset turns it all off again.
namespace TestHeap {
// From now on every allocation of exactly `size` bytes fails (0: none).
void FailAllocationsOf(std::size_t size);
// The allocation `count` allocations from now fails (0: the next one), no other.
void FailAllocationAfter(int count);
// Whether the allocation chosen by FailAllocationAfter has come and failed.
bool ChosenAllocationFailed();
// While on, a freed block is filled with zeros and never handed out again, so
// a read of a freed object sees zeros, and a block freed twice is counted.
void KeepFreedBlocks(bool on);
bool WasFreed(const void* block);
int DoubleFrees();
// Blocks allocated and not yet freed (a freed block that is kept counts as freed).
long long LiveBlocks();
void Reset();
}  // namespace TestHeap
