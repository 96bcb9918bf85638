// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "settings/MemoryRegistry.h"

#include <string>

// Where the page keeps its settings between visits: the browser's storage.
class HiveStore {
public:
    virtual ~HiveStore() = default;
    // Keeps the text of the whole hive; false when it could not be kept.
    virtual bool Keep(const std::string& text) = 0;
};

// The page's registry: the hive in the Registry Editor's format that the
// Linux saver keeps in a file, here kept whole in the browser's storage after
// every change. A change the storage refuses is not made.
class StoredHiveRegistry : public MemoryRegistry {
public:
    StoredHiveRegistry(std::string rootPath, HiveStore& store) : m_sRootPath(std::move(rootPath)), m_Store(store) {}

    // Starts from a stored text (empty when nothing is stored). A text that is
    // not a hive leaves the registry empty: false, with the reason in `error`.
    bool Load(const std::string& text, std::string& error);

protected:
    bool Commit() override;

private:
    std::string m_sRootPath;
    HiveStore& m_Store;
};
