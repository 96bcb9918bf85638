// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/CrtRandom.h"
#include "engine/RandomTable.h"

#include <gtest/gtest.h>

#include <vector>

TEST(CrtRandom, ReproducesTheMicrosoftRuntimeSequence) {
    CrtSrand(1);
    const int expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358};
    for (int value : expected) EXPECT_EQ(CrtRand(), value);
    CrtSrand(0xFFFFFFFFu);
    for (int i = 0; i < 1000; ++i) {
        const int value = CrtRand();
        ASSERT_GE(value, 0);
        ASSERT_LE(value, 32767);
    }
}

namespace {
// Fills the table from `seed` and returns the generator's values it took, in order.
std::vector<int> FillFromSeed(std::uint32_t seed) {
    CrtSrand(seed);
    std::vector<int> values(RandomTable::kSize);
    for (int& value : values) value = CrtRand();
    CrtSrand(seed);
    RandomTable::Fill();
    return values;
}
}  // namespace

TEST(RandomTable, FillTakesSuccessiveValuesAndTheCursorLast) {
    const std::vector<int> values = FillFromSeed(7);
    EXPECT_EQ(RandomTable::Cursor(), static_cast<std::uint32_t>(values[RandomTable::kSize - 1]));
    // Draws start at the cursor's index and walk the table in order.
    const std::uint32_t start = RandomTable::Cursor();
    for (int i = 0; i < 5; ++i) {
        const std::uint32_t index = (start + i) & 0x7FFF;
        const int expected = index == 32767 ? static_cast<int>(start + i) : values[index];
        EXPECT_EQ(RandomTable::Draw(), expected);
    }
    EXPECT_EQ(RandomTable::Cursor(), start + 5);
}

TEST(RandomTable, DrawAtIndex32767ReturnsTheCursorItself) {
    CrtSrand(3);
    RandomTable::Fill();
    RandomTable::SetCursor(0x12347FFFu);
    EXPECT_EQ(RandomTable::Draw(), 0x12347FFF);
    EXPECT_EQ(RandomTable::Cursor(), 0x12348000u);
}

TEST(RandomTable, ALongRunNeverYieldsANegativeDraw) {
    CrtSrand(3);
    RandomTable::Fill();
    // Past 2^31 draws the cursor's own value would be negative as a signed int.
    RandomTable::SetCursor(0xFFFF7FFFu);
    EXPECT_EQ(RandomTable::Draw(), 0x7FFF7FFF);
    RandomTable::SetCursor(0xFFFFFFFFu);
    EXPECT_EQ(RandomTable::Draw(), 0x7FFFFFFF);
    EXPECT_EQ(RandomTable::Cursor(), 0u) << "the cursor wraps without overflow";
    EXPECT_GE(RandomTable::Draw(), 0);
}

TEST(RandomTable, DrawsAcross2To31And2To32FollowAPlainUnsignedCursor) {
    const std::vector<int> entries = FillFromSeed(11);
    // The model: a plain 32-bit unsigned cursor; at index 32767 the draw is
    // the cursor's low 31 bits, elsewhere the table entry.
    for (const std::uint32_t crossing : {0x80000000u, 0u}) {
        std::uint32_t model = crossing - 3 * RandomTable::kSize - 5;
        RandomTable::SetCursor(model);
        for (int i = 0; i < 6 * RandomTable::kSize + 10; ++i, ++model) {
            const std::uint32_t index = model & 0x7FFF;
            const int expected = index == 0x7FFF ? static_cast<int>(model & 0x7FFFFFFF) : entries[index];
            ASSERT_EQ(RandomTable::Draw(), expected) << "at cursor " << model;
        }
        EXPECT_EQ(RandomTable::Cursor(), model);
    }
}
