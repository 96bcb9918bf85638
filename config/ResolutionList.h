// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <string>
#include <utility>
#include <vector>

// The display sizes the left panel offers: the palettized modes reported by
// the display when DirectX is used and the list succeeded, else the three
// standard sizes.
using DisplaySize = std::pair<int, int>;
std::vector<DisplaySize> OfferedDisplaySizes(const std::vector<DisplaySize>& reported, int listResult,
                                             bool useDirectX);

// "%dx%d" of a size.
std::string DisplaySizeLabel(const DisplaySize& size);

// The entry to select in the list ("Current" is entry 0, size k is entry k+1):
// 0 when the record says "current" or no offered size equals xRes x yRes.
int ResolutionEntryToSelect(const std::vector<DisplaySize>& offered, bool isCurrent, int xRes, int yRes);
