// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "settings/RegistryBackend.h"

#include <functional>
#include <memory>
#include <string>

// The process's hold on the application key: typed value access below it.
// Reads never create keys and open them for reading only; writes create
// every missing key on the path.
class RegistryStore {
public:
    using BackendFactory = std::function<std::unique_ptr<RegistryBackend>()>;

    // The process's store, opening (or creating) the application key on first
    // use; null when the key can be neither opened nor created (the next call
    // tries again).
    static RegistryStore* Instance();
    // Where the store's backend comes from: the platform's registry unless
    // tests or tools say otherwise (an empty factory restores the platform's).
    static void SetBackendFactory(BackendFactory factory);
    // Closes the application key (at the end of the program).
    static void Release();

    // The default when the value is missing or unreadable; a value shorter
    // than 4 bytes fills the low bytes of the default.
    int ReadInt(const std::string& subkey, const std::string& name, int defaultValue);
    // The value up to its first zero byte; the default when it is missing.
    std::string ReadString(const std::string& subkey, const std::string& name, const std::string& defaultValue);
    int WriteInt(const std::string& subkey, const std::string& name, int value);
    // Refuses strings the store could not read back whole (64 KiB or more).
    int WriteString(const std::string& subkey, const std::string& name, const std::string& text);

    RegistryBackend& Backend() { return *m_pBackend; }

    explicit RegistryStore(std::unique_ptr<RegistryBackend> backend) : m_pBackend(std::move(backend)) {}

private:
    std::unique_ptr<RegistryBackend> m_pBackend;
};

// The application key's path below HKEY_CURRENT_USER.
constexpr const char* kApplicationKeyPath = "Software\\Norvane\\Emberlux!";

// The backend of this platform: the registry on Windows, a text hive elsewhere.
std::unique_ptr<RegistryBackend> CreatePlatformRegistry();
