// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "settings/RegistryBackend.h"

#include <functional>
#include <memory>

// A registry held in memory: the backend of the unit tests, and the tree the
// file hive of other platforms loads into and saves from.
class MemoryRegistry : public RegistryBackend {
public:
    struct Key {
        std::string name;
        std::vector<std::pair<std::string, RegistryValue>> values;
        std::vector<std::unique_ptr<Key>> subkeys;
        Key* Find(const std::string& child) const;
        Key& FindOrAdd(const std::string& child);
        RegistryValue* FindValue(const std::string& valueName);
        Key Clone() const;
    };

    bool OpenApplicationKey() override { return true; }
    bool QueryValue(const std::string& key, const std::string& name, RegistryValue& value) override;
    bool SetValue(const std::string& key, const std::string& name, const RegistryValue& value) override;
    bool CreateKey(const std::string& key) override;
    bool CountSubkeys(const std::string& key, int& count) override;
    EnumResult SubkeyName(const std::string& key, int index, std::string& name) override;
    bool DeleteKey(const std::string& key) override;

    Key& Root() { return m_Root; }
    const Key& Root() const { return m_Root; }

protected:
    enum class Edit { Refused, Unchanged, Changed };
    // Runs one edit of the tree; a change is kept only when Commit saves it,
    // otherwise the tree is put back as it was. A backend that keeps the tree
    // elsewhere brings it up to date first, and keeps others out meanwhile.
    virtual bool ApplyEdit(const std::function<Edit()>& edit);
    // Called after every change; a backend that keeps the tree elsewhere
    // saves it here and returns false when it could not.
    virtual bool Commit() { return true; }
    // Called before every read: a backend that others may change picks up
    // their changes here.
    virtual void Refresh() {}

private:
    Key* FindKey(const std::string& path) const;
    Key* MakeKey(const std::string& path);

    Key m_Root;
};

// The parts of a backslash-separated key path; empty parts are dropped.
std::vector<std::string> SplitKeyPath(const std::string& path);
bool SameRegistryName(const std::string& a, const std::string& b);
