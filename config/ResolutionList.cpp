// SPDX-License-Identifier: GPL-2.0-or-later
#include "config/ResolutionList.h"

#include <cstdio>

std::vector<DisplaySize> OfferedDisplaySizes(const std::vector<DisplaySize>& reported, int listResult,
                                             bool useDirectX) {
    if (!useDirectX || listResult <= 0) return {{640, 480}, {800, 600}, {1024, 768}};
    return reported;
}

std::string DisplaySizeLabel(const DisplaySize& size) {
    char text[32];
    std::snprintf(text, sizeof text, "%dx%d", size.first, size.second);
    return text;
}

int ResolutionEntryToSelect(const std::vector<DisplaySize>& offered, bool isCurrent, int xRes, int yRes) {
    if (isCurrent) return 0;
    for (std::size_t k = 0; k < offered.size(); ++k)
        if (offered[k].first == xRes && offered[k].second == yRes) return static_cast<int>(k) + 1;
    return 0;
}
