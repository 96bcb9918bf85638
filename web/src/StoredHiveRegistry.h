// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "settings/MemoryRegistry.h"

#include <string>

// Where the page keeps its settings between visits: the browser's storage,
// which other tabs of the page share.
class HiveStore {
public:
    virtual ~HiveStore() = default;
    // The stored text of the whole hive; empty when nothing is stored.
    virtual std::string Read() = 0;
    // Keeps the text of the whole hive; false when it could not be kept.
    virtual bool Keep(const std::string& text) = 0;
};

// The page's registry: the hive in the Registry Editor's format that the
// Linux saver keeps in a file, here kept whole in the browser's storage. As
// with the file, every read picks up what another tab stored, and every
// change is made to the stored hive as it is now, so no tab loses another's
// changes; a change the storage refuses is not made. A stored text that is
// not a hive leaves the registry empty, and the reason is kept.
class StoredHiveRegistry : public MemoryRegistry {
public:
    StoredHiveRegistry(std::string rootPath, HiveStore& store) : m_sRootPath(std::move(rootPath)), m_Store(store) {}

    bool OpenApplicationKey() override;
    // Why the stored text was not a hive, when it was not.
    const std::string& Refusal() const { return m_sRefusal; }

protected:
    bool ApplyEdit(const std::function<Edit()>& edit) override;
    bool Commit() override;
    void Refresh() override;

private:
    std::string m_sRootPath;
    HiveStore& m_Store;
    std::string m_sLoaded;  // the text the tree was read from or kept as
    std::string m_sRefusal;
};
