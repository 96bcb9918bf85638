// SPDX-License-Identifier: GPL-2.0-or-later
#include "web/src/StoredHiveRegistry.h"
#include "settings/RegHiveFormat.h"

bool StoredHiveRegistry::OpenApplicationKey() {
    m_sLoaded.clear();
    Root() = Key();
    Refresh();
    return true;
}

void StoredHiveRegistry::Refresh() {
    std::string text = m_Store.Read();
    if (text == m_sLoaded) return;
    Key tree;
    m_sRefusal.clear();
    if (!text.empty() && !ParseHive(text, m_sRootPath, tree, m_sRefusal)) tree = Key();
    Root() = std::move(tree);
    m_sLoaded = std::move(text);
}

bool StoredHiveRegistry::ApplyEdit(const std::function<Edit()>& edit) {
    Refresh();
    return MemoryRegistry::ApplyEdit(edit);
}

bool StoredHiveRegistry::Commit() {
    std::string text = SerializeHive(Root(), m_sRootPath);
    if (!m_Store.Keep(text)) return false;
    m_sLoaded = std::move(text);
    return true;
}
