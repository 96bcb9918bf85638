#pragma once
#include "settings/MemoryRegistry.h"

// The registry of platforms without one: a text hive in the Registry Editor's
// format. Every change is saved at once through a temporary file in the same
// folder that is flushed and renamed over the old one, so a crash or a full
// disk during a save never loses the settings that were there.
class FileHiveRegistry : public MemoryRegistry {
public:
    FileHiveRegistry(std::string path, std::string rootPath);

    // Loads the hive. A file that is not a hive is kept aside with a ".bad"
    // suffix (one line on stderr) and the store starts empty; a file that
    // exists but cannot be read gives no store at all.
    bool OpenApplicationKey() override;

    // $XDG_CONFIG_HOME/emberlux/registry.reg, or ~/.config/emberlux/registry.reg.
    static std::string DefaultPath();

protected:
    bool Commit() override;

private:
    std::string m_sPath;
    std::string m_sRootPath;
};
