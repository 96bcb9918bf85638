// SPDX-License-Identifier: GPL-2.0-or-later
#include "web/src/StoredHiveRegistry.h"
#include "settings/RegHiveFormat.h"

bool StoredHiveRegistry::Load(const std::string& text, std::string& error) {
    Key tree;
    if (!text.empty() && !ParseHive(text, m_sRootPath, tree, error)) {
        Root() = Key();
        return false;
    }
    Root() = std::move(tree);
    return true;
}

bool StoredHiveRegistry::Commit() { return m_Store.Keep(SerializeHive(Root(), m_sRootPath)); }
