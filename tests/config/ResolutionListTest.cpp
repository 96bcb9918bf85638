// SPDX-License-Identifier: GPL-2.0-or-later
// The display sizes the left panel offers and which entry it selects.
#include "config/ResolutionList.h"

#include <gtest/gtest.h>

namespace {
const std::vector<DisplaySize> kStandard{{640, 480}, {800, 600}, {1024, 768}};
const std::vector<DisplaySize> kReported{{320, 200}, {1280, 1024}};
}  // namespace

TEST(ResolutionList, StandardSizesWithoutDirectXOrWithoutAList) {
    EXPECT_EQ(OfferedDisplaySizes(kReported, 2, false), kStandard);
    EXPECT_EQ(OfferedDisplaySizes({}, -1, true), kStandard);
    EXPECT_EQ(OfferedDisplaySizes({}, 0, true), kStandard);
    EXPECT_EQ(OfferedDisplaySizes(kReported, 2, true), kReported);
}

TEST(ResolutionList, LabelsAndSelection) {
    EXPECT_EQ(DisplaySizeLabel({800, 600}), "800x600");
    EXPECT_EQ(ResolutionEntryToSelect(kStandard, false, 800, 600), 2);
    EXPECT_EQ(ResolutionEntryToSelect(kStandard, true, 800, 600), 0);   // "Current" wins
    EXPECT_EQ(ResolutionEntryToSelect(kStandard, false, 1366, 768), 0); // not offered: "Current"
    EXPECT_EQ(ResolutionEntryToSelect({}, false, 640, 480), 0);
}
