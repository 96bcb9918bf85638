// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Registry value types as the Windows registry numbers them.
namespace RegistryType {
constexpr std::uint32_t String = 1;  // REG_SZ, stored with its terminating zero byte
constexpr std::uint32_t Binary = 3;  // REG_BINARY
constexpr std::uint32_t Dword = 4;   // REG_DWORD, 4 bytes little-endian
}  // namespace RegistryType

struct RegistryValue {
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
};

// Largest value the store reads back; writes of larger strings are refused.
constexpr std::size_t kMaxRegistryValueBytes = 64 * 1024;

// The keys and values below the application key, on one platform. Key paths
// are relative to the application key, separated by backslashes; the empty
// path is the application key itself. Names compare without regard to case.
class RegistryBackend {
public:
    enum class EnumResult { Ok, NameTooLong, Failed };

    virtual ~RegistryBackend() = default;
    // Opens the application key, creating it when it is missing.
    virtual bool OpenApplicationKey() = 0;
    // Reads a value of an existing key; never creates a key.
    virtual bool QueryValue(const std::string& key, const std::string& name, RegistryValue& value) = 0;
    // Writes a value, creating every missing key on the path.
    virtual bool SetValue(const std::string& key, const std::string& name, const RegistryValue& value) = 0;
    virtual bool CreateKey(const std::string& key) = 0;
    virtual bool CountSubkeys(const std::string& key, int& count) = 0;
    // The name of subkey `index` of `key`; names of 256 bytes or more do not fit.
    virtual EnumResult SubkeyName(const std::string& key, int index, std::string& name) = 0;
    // Deletes a key that has no subkeys left.
    virtual bool DeleteKey(const std::string& key) = 0;
};
