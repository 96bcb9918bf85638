// SPDX-License-Identifier: GPL-2.0-or-later
// The paper burn's search by blocks against a search of whole rows.
#include "engine/BurnBlocks.h"
#include "engine/DesktopLayer.h"
#include "engine/FirePasses.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

TEST(BurnBlocks, FindTheSameColumnsAsAWholeRowSearch) {
    // Plasma, whose blocks hold few values, and noise, whose blocks hold all;
    // at widths around the block size and every front of a burn.
    std::mt19937 random(7);
    const FirePasses& scalar = *FirePassesOf(PassLevel::Scalar);
    for (int width : {1, 2, 31, 32, 33, 64, 95, 200, 1366})
        for (bool plasma : {true, false}) {
            const int height = 5;
            std::vector<std::uint8_t> map(static_cast<std::size_t>(width) * height);
            if (plasma) {
                auto run = FreshRun(static_cast<std::uint32_t>(width));
                BuildBurnMap(*run, map.data(), width, height);
            } else {
                for (std::uint8_t& value : map) value = static_cast<std::uint8_t>(random());
            }
            BurnBlocks blocks;
            ASSERT_TRUE(blocks.Build(map.data(), width, height));
            std::vector<int> expected(static_cast<std::size_t>(width)), found(static_cast<std::size_t>(width));
            for (int lo = 0; lo < 256; ++lo)
                for (int span : {1, 8})
                    for (int y = 0; y < height; ++y) {
                        const int s = std::min(span, 256 - lo), parity = (lo + y) & 1;
                        const int count = scalar.findInRange(&map[static_cast<std::size_t>(y) * width], width, parity,
                                                             lo, s, expected.data());
                        ASSERT_EQ(blocks.FindInRange(BestFirePasses(), map.data(), y, parity, lo, s, found.data()), count)
                            << width << " from " << lo;
                        ASSERT_TRUE(std::equal(expected.begin(), expected.begin() + count, found.begin()))
                            << width << " from " << lo;
                    }
        }
}
