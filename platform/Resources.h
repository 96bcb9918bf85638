// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <cstddef>

struct ResourceData {
    const unsigned char* bytes;
    std::size_t size;
};

// Looks up a built-in resource of the program by its type name ("PALETTE",
// "FIREFONT", ...) and numeric id. Returns false when there is none.
bool FindBuiltInResource(const char* type, int id, ResourceData& out);
