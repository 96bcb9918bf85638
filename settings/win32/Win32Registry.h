// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "platform/NonCopyable.h"
#include "settings/RegistryBackend.h"

#include <windows.h>

// The registry below one application key: the current user's, or the
// machine-wide one that installers write (read only, and always its 64-bit
// view, where a 64-bit installer's values are, whichever build reads it).
class Win32Registry : public RegistryBackend, private NonCopyable {
public:
    enum class Hive { CurrentUser, LocalMachineReadOnly };

    explicit Win32Registry(std::string applicationKey, Hive hive = Hive::CurrentUser);
    ~Win32Registry() override;

    // Opens the user's key with full access, else creates it, else (a key the
    // user may read but not write) opens it for reading. The machine-wide key
    // is only ever opened for reading, and never created.
    bool OpenApplicationKey() override;
    bool QueryValue(const std::string& key, const std::string& name, RegistryValue& value) override;
    bool SetValue(const std::string& key, const std::string& name, const RegistryValue& value) override;
    bool CreateKey(const std::string& key) override;
    bool CountSubkeys(const std::string& key, int& count) override;
    EnumResult SubkeyName(const std::string& key, int index, std::string& name) override;
    bool DeleteKey(const std::string& key) override;

private:
    std::string m_sApplicationKey;
    Hive m_eHive;
    HKEY m_hKey = nullptr;
};
