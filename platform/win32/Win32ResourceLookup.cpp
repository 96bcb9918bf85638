// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/Resources.h"

#include <windows.h>

bool FindBuiltInResource(const char* type, int id, ResourceData& out) {
    HRSRC info = FindResourceA(nullptr, MAKEINTRESOURCEA(id), type);
    if (!info) return false;
    HGLOBAL handle = LoadResource(nullptr, info);
    if (!handle) return false;
    const void* bytes = LockResource(handle);
    if (!bytes) return false;
    out = ResourceData{static_cast<const unsigned char*>(bytes), SizeofResource(nullptr, info)};
    return true;
}
