// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/RegistryStore.h"

#include <algorithm>
#include <cstring>

namespace {
std::unique_ptr<RegistryStore>& ProcessStore() {
    static std::unique_ptr<RegistryStore> store;
    return store;
}

RegistryStore::BackendFactory& Factory() {
    static RegistryStore::BackendFactory factory;
    return factory;
}
}  // namespace

RegistryStore* RegistryStore::Instance() {
    std::unique_ptr<RegistryStore>& store = ProcessStore();
    if (!store) {
        std::unique_ptr<RegistryBackend> backend = Factory() ? Factory()() : CreatePlatformRegistry();
        if (backend && backend->OpenApplicationKey()) store.reset(new RegistryStore(std::move(backend)));
    }
    return store.get();
}

void RegistryStore::SetBackendFactory(BackendFactory factory) {
    Release();
    Factory() = std::move(factory);
}

void RegistryStore::Release() { ProcessStore().reset(); }

int RegistryStore::ReadInt(const std::string& subkey, const std::string& name, int defaultValue) {
    RegistryValue value;
    if (!m_pBackend->QueryValue(subkey, name, value) || value.data.size() > 4) return defaultValue;
    std::uint8_t bytes[4];
    std::memcpy(bytes, &defaultValue, 4);
    std::copy(value.data.begin(), value.data.end(), bytes);
    return static_cast<int>(bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<std::uint32_t>(bytes[3]) << 24);
}

std::string RegistryStore::ReadString(const std::string& subkey, const std::string& name,
                                      const std::string& defaultValue) {
    RegistryValue value;
    if (!m_pBackend->QueryValue(subkey, name, value)) return defaultValue;
    const auto end = std::find(value.data.begin(), value.data.end(), std::uint8_t{0});
    return std::string(value.data.begin(), end);
}

int RegistryStore::WriteInt(const std::string& subkey, const std::string& name, int value) {
    const auto bits = static_cast<std::uint32_t>(value);
    RegistryValue dword{RegistryType::Dword,
                        {std::uint8_t(bits), std::uint8_t(bits >> 8), std::uint8_t(bits >> 16), std::uint8_t(bits >> 24)}};
    return m_pBackend->SetValue(subkey, name, dword) ? 1 : 0;
}

int RegistryStore::WriteString(const std::string& subkey, const std::string& name, const std::string& text) {
    if (text.size() + 1 > kMaxRegistryValueBytes) return 0;
    RegistryValue string{RegistryType::String, std::vector<std::uint8_t>(text.begin(), text.end())};
    string.data.push_back(0);
    return m_pBackend->SetValue(subkey, name, string) ? 1 : 0;
}
