// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/win32/Win32Registry.h"
#include "platform/NonCopyable.h"

namespace {
// An open subkey, closed when it goes out of scope.
class OpenKey : private NonCopyable {
public:
    ~OpenKey() {
        if (m_key) RegCloseKey(m_key);
    }
    HKEY* Out() { return &m_key; }
    HKEY Get() const { return m_key; }

private:
    HKEY m_key = nullptr;
};

bool Create(HKEY parent, const std::string& key, REGSAM access, OpenKey& out) {
    return RegCreateKeyExA(parent, key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, out.Out(),
                           nullptr) == ERROR_SUCCESS;
}

bool OpenForReading(HKEY parent, const std::string& key, OpenKey& out) {
    return RegOpenKeyExA(parent, key.c_str(), 0, KEY_READ, out.Out()) == ERROR_SUCCESS;
}
}  // namespace

Win32Registry::Win32Registry(std::string applicationKey, Hive hive)
    : m_sApplicationKey(std::move(applicationKey)), m_eHive(hive) {}

Win32Registry::~Win32Registry() {
    if (m_hKey) RegCloseKey(m_hKey);
}

bool Win32Registry::OpenApplicationKey() {
    const char* key = m_sApplicationKey.c_str();
    if (m_eHive == Hive::LocalMachineReadOnly)
        return RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_READ | KEY_WOW64_64KEY, &m_hKey) == ERROR_SUCCESS;
    return RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_ALL_ACCESS, &m_hKey) == ERROR_SUCCESS ||
           RegCreateKeyExA(HKEY_CURRENT_USER, key, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                           &m_hKey, nullptr) == ERROR_SUCCESS ||
           RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_READ, &m_hKey) == ERROR_SUCCESS;
}

bool Win32Registry::QueryValue(const std::string& key, const std::string& name, RegistryValue& value) {
    OpenKey sub;
    if (!OpenForReading(m_hKey, key, sub)) return false;
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(sub.Get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        size > kMaxRegistryValueBytes)
        return false;
    std::vector<std::uint8_t> data(size);
    if (RegQueryValueExA(sub.Get(), name.c_str(), nullptr, &type, size ? data.data() : nullptr, &size) !=
        ERROR_SUCCESS)
        return false;
    data.resize(size);
    value.type = type;
    value.data = std::move(data);
    return true;
}

bool Win32Registry::SetValue(const std::string& key, const std::string& name, const RegistryValue& value) {
    OpenKey sub;
    if (!Create(m_hKey, key, KEY_WRITE, sub)) return false;
    return RegSetValueExA(sub.Get(), name.c_str(), 0, value.type, value.data.data(),
                          static_cast<DWORD>(value.data.size())) == ERROR_SUCCESS;
}

bool Win32Registry::CreateKey(const std::string& key) {
    OpenKey sub;
    return Create(m_hKey, key, KEY_READ | KEY_CREATE_SUB_KEY | KEY_SET_VALUE, sub);
}

bool Win32Registry::CountSubkeys(const std::string& key, int& count) {
    OpenKey sub;
    DWORD subkeys = 0;
    if (!OpenForReading(m_hKey, key, sub) ||
        RegQueryInfoKeyA(sub.Get(), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, nullptr, nullptr, nullptr,
                         nullptr, nullptr) != ERROR_SUCCESS)
        return false;
    count = static_cast<int>(subkeys);
    return true;
}

RegistryBackend::EnumResult Win32Registry::SubkeyName(const std::string& key, int index, std::string& name) {
    OpenKey sub;
    if (!OpenForReading(m_hKey, key, sub)) return EnumResult::Failed;
    char buffer[256];
    DWORD length = sizeof buffer;
    const LONG result = RegEnumKeyExA(sub.Get(), static_cast<DWORD>(index), buffer, &length, nullptr, nullptr,
                                      nullptr, nullptr);
    if (result == ERROR_MORE_DATA) return EnumResult::NameTooLong;
    if (result != ERROR_SUCCESS) return EnumResult::Failed;
    name.assign(buffer, length);
    return EnumResult::Ok;
}

bool Win32Registry::DeleteKey(const std::string& key) {
    return RegDeleteKeyA(m_hKey, key.c_str()) == ERROR_SUCCESS;
}
