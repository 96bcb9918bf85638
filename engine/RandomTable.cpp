// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/RandomTable.h"
#include "engine/CrtRandom.h"

namespace {
int g_entries[RandomTable::kSize - 1];
std::uint32_t g_cursor = 0;
}  // namespace

namespace RandomTable {
void Fill() {
    for (int& entry : g_entries) entry = CrtRand();
    g_cursor = static_cast<std::uint32_t>(CrtRand());
}

int Draw() {
    const std::uint32_t index = g_cursor & 0x7FFF;
    const int value = index == kSize - 1 ? static_cast<int>(g_cursor & 0x7FFFFFFF) : g_entries[index];
    ++g_cursor;
    return value;
}

std::uint32_t Cursor() { return g_cursor; }
void SetCursor(std::uint32_t cursor) { g_cursor = cursor; }
}  // namespace RandomTable
