// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/CrtRandom.h"
#include "engine/RandomTable.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

TEST(CrtRandom, ReproducesTheMicrosoftRuntimeSequence) {
    CrtRandom crt(1);
    const int expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358};
    for (int value : expected) EXPECT_EQ(crt.Next(), value);
    crt.Seed(0xFFFFFFFFu);
    for (int i = 0; i < 1000; ++i) {
        const int value = crt.Next();
        ASSERT_GE(value, 0);
        ASSERT_LE(value, 32767);
    }
}

namespace {
// The generator's values a table filled from `seed` takes, in order.
std::vector<int> ValuesFromSeed(std::uint32_t seed) {
    CrtRandom crt(seed);
    std::vector<int> values(RandomTable::kSize);
    for (int& value : values) value = crt.Next();
    return values;
}

// A table filled from `seed` (on the heap: it is 128 kB).
std::unique_ptr<RandomTable> TableFromSeed(std::uint32_t seed) {
    auto table = std::make_unique<RandomTable>();
    CrtRandom crt(seed);
    table->Fill(crt);
    return table;
}
}  // namespace

TEST(RandomTable, FillTakesSuccessiveValuesAndTheCursorLast) {
    const std::vector<int> values = ValuesFromSeed(7);
    const auto table = TableFromSeed(7);
    EXPECT_EQ(table->Cursor(), static_cast<std::uint32_t>(values[RandomTable::kSize - 1]));
    // Draws start at the cursor's index and walk the table in order.
    const std::uint32_t start = table->Cursor();
    for (int i = 0; i < 5; ++i) {
        const std::uint32_t index = (start + i) & 0x7FFF;
        const int expected = index == 32767 ? static_cast<int>(start + i) : values[index];
        EXPECT_EQ(table->Draw(), expected);
    }
    EXPECT_EQ(table->Cursor(), start + 5);
}

TEST(RandomTable, DrawAtIndex32767ReturnsTheCursorItself) {
    const auto table = TableFromSeed(3);
    table->SetCursor(0x12347FFFu);
    EXPECT_EQ(table->Draw(), 0x12347FFF);
    EXPECT_EQ(table->Cursor(), 0x12348000u);
}

TEST(RandomTable, ALongRunNeverYieldsANegativeDraw) {
    const auto table = TableFromSeed(3);
    // Past 2^31 draws the cursor's own value would be negative as a signed int.
    table->SetCursor(0xFFFF7FFFu);
    EXPECT_EQ(table->Draw(), 0x7FFF7FFF);
    table->SetCursor(0xFFFFFFFFu);
    EXPECT_EQ(table->Draw(), 0x7FFFFFFF);
    EXPECT_EQ(table->Cursor(), 0u) << "the cursor wraps without overflow";
    EXPECT_GE(table->Draw(), 0);
}

TEST(RandomTable, DrawsAcross2To31And2To32FollowAPlainUnsignedCursor) {
    const std::vector<int> entries = ValuesFromSeed(11);
    const auto table = TableFromSeed(11);
    // The model: a plain 32-bit unsigned cursor; at index 32767 the draw is
    // the cursor's low 31 bits, elsewhere the table entry.
    for (const std::uint32_t crossing : {0x80000000u, 0u}) {
        std::uint32_t model = crossing - 3 * RandomTable::kSize - 5;
        table->SetCursor(model);
        for (int i = 0; i < 6 * RandomTable::kSize + 10; ++i, ++model) {
            const std::uint32_t index = model & 0x7FFF;
            const int expected = index == 0x7FFF ? static_cast<int>(model & 0x7FFFFFFF) : entries[index];
            ASSERT_EQ(table->Draw(), expected) << "at cursor " << model;
        }
        EXPECT_EQ(table->Cursor(), model);
    }
}
