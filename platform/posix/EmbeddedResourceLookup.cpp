// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/EmbeddedResources.h"
#include "platform/Resources.h"

#include <cstring>

bool FindBuiltInResource(const char* type, int id, ResourceData& out) {
    for (int i = 0; i < kEmbeddedResourceCount; ++i) {
        const EmbeddedResource& r = kEmbeddedResources[i];
        if (r.id == id && std::strcmp(r.type, type) == 0) {
            out = ResourceData{r.bytes, r.size};
            return true;
        }
    }
    return false;
}
