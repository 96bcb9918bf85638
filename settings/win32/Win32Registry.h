#pragma once
#include "settings/RegistryBackend.h"

#include <windows.h>

// The current user's registry below one application key.
class Win32Registry : public RegistryBackend {
public:
    explicit Win32Registry(std::string applicationKey);
    ~Win32Registry() override;
    Win32Registry(const Win32Registry&) = delete;
    Win32Registry& operator=(const Win32Registry&) = delete;

    // Opens the key with full access, else creates it, else (a key the user
    // may read but not write) opens it for reading.
    bool OpenApplicationKey() override;
    bool QueryValue(const std::string& key, const std::string& name, RegistryValue& value) override;
    bool SetValue(const std::string& key, const std::string& name, const RegistryValue& value) override;
    bool CreateKey(const std::string& key) override;
    bool CountSubkeys(const std::string& key, int& count) override;
    EnumResult SubkeyName(const std::string& key, int index, std::string& name) override;
    bool DeleteKey(const std::string& key) override;

private:
    std::string m_sApplicationKey;
    HKEY m_hKey = nullptr;
};
