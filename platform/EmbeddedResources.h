// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <cstddef>

// The table of resources compiled into the program on platforms without
// Win32 resources; generated from resources/ by the build.
struct EmbeddedResource {
    const char* type;
    int id;
    const unsigned char* bytes;
    std::size_t size;
};

extern const EmbeddedResource kEmbeddedResources[];
extern const int kEmbeddedResourceCount;
