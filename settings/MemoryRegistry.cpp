// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/MemoryRegistry.h"
#include "settings/TextSplit.h"

#include <cctype>

bool SameRegistryName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::vector<std::string> SplitKeyPath(const std::string& path) { return SplitNonEmpty(path, '\\'); }

MemoryRegistry::Key* MemoryRegistry::Key::Find(const std::string& child) const {
    for (const auto& key : subkeys)
        if (SameRegistryName(key->name, child)) return key.get();
    return nullptr;
}

MemoryRegistry::Key& MemoryRegistry::Key::FindOrAdd(const std::string& child) {
    if (Key* existing = Find(child)) return *existing;
    subkeys.push_back(std::make_unique<Key>());
    subkeys.back()->name = child;
    return *subkeys.back();
}

RegistryValue* MemoryRegistry::Key::FindValue(const std::string& valueName) {
    for (auto& entry : values)
        if (SameRegistryName(entry.first, valueName)) return &entry.second;
    return nullptr;
}

MemoryRegistry::Key MemoryRegistry::Key::Clone() const {
    Key copy;
    copy.name = name;
    copy.values = values;
    for (const auto& key : subkeys) copy.subkeys.push_back(std::make_unique<Key>(key->Clone()));
    return copy;
}

MemoryRegistry::Key* MemoryRegistry::FindKey(const std::string& path) const {
    const Key* key = &m_Root;
    for (const std::string& part : SplitKeyPath(path))
        if (!(key = key->Find(part))) return nullptr;
    return const_cast<Key*>(key);
}

MemoryRegistry::Key* MemoryRegistry::MakeKey(const std::string& path) {
    Key* key = &m_Root;
    for (const std::string& part : SplitKeyPath(path)) key = &key->FindOrAdd(part);
    return key;
}

bool MemoryRegistry::ApplyEdit(const std::function<Edit()>& edit) {
    Key before = m_Root.Clone();
    const Edit result = edit();
    if (result == Edit::Unchanged || (result == Edit::Changed && Commit())) return true;
    m_Root = std::move(before);
    return false;
}

bool MemoryRegistry::QueryValue(const std::string& key, const std::string& name, RegistryValue& value) {
    Refresh();
    Key* found = FindKey(key);
    RegistryValue* stored = found ? found->FindValue(name) : nullptr;
    if (!stored || stored->data.size() > kMaxRegistryValueBytes) return false;
    value = *stored;
    return true;
}

bool MemoryRegistry::SetValue(const std::string& key, const std::string& name, const RegistryValue& value) {
    return ApplyEdit([&] {
        Key* target = MakeKey(key);
        RegistryValue* stored = target->FindValue(name);
        if (!stored) {
            target->values.emplace_back(name, value);
        } else {
            if (stored->type == value.type && stored->data == value.data) return Edit::Unchanged;
            *stored = value;
        }
        return Edit::Changed;
    });
}

bool MemoryRegistry::CreateKey(const std::string& key) {
    return ApplyEdit([&] {
        if (FindKey(key)) return Edit::Unchanged;
        MakeKey(key);
        return Edit::Changed;
    });
}

bool MemoryRegistry::CountSubkeys(const std::string& key, int& count) {
    Refresh();
    const Key* found = FindKey(key);
    if (!found) return false;
    count = static_cast<int>(found->subkeys.size());
    return true;
}

RegistryBackend::EnumResult MemoryRegistry::SubkeyName(const std::string& key, int index, std::string& name) {
    Refresh();
    const Key* found = FindKey(key);
    if (!found || index < 0 || static_cast<std::size_t>(index) >= found->subkeys.size()) return EnumResult::Failed;
    const std::string& child = found->subkeys[static_cast<std::size_t>(index)]->name;
    if (child.size() >= 256) return EnumResult::NameTooLong;
    name = child;
    return EnumResult::Ok;
}

bool MemoryRegistry::DeleteKey(const std::string& key) {
    std::vector<std::string> parts = SplitKeyPath(key);
    if (parts.empty()) return false;
    const std::string last = parts.back();
    parts.pop_back();
    return ApplyEdit([&] {
        Key* parent = &m_Root;
        for (const std::string& part : parts)
            if (!(parent = parent->Find(part))) return Edit::Refused;
        for (auto it = parent->subkeys.begin(); it != parent->subkeys.end(); ++it) {
            if (!SameRegistryName((*it)->name, last)) continue;
            if (!(*it)->subkeys.empty()) return Edit::Refused;
            parent->subkeys.erase(it);
            return Edit::Changed;
        }
        return Edit::Refused;
    });
}
