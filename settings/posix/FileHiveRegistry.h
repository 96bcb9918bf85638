// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "settings/MemoryRegistry.h"

#include <optional>

// The registry of platforms without one: a text hive in the Registry Editor's
// format, which several processes may share (a saver run cycling presets
// while the settings are being edited).
//
// Every change is a read-modify-write under an exclusive lock on a lock file
// beside the hive: the file is read again when another process has replaced
// it, the change is applied, and the hive is saved through a temporary file
// in the same folder that is flushed and renamed over the old one. So no
// process loses another's changes, and a crash, a kill or a full disk during
// a save never loses the settings that were there. Temporary files that a
// killed writer left behind are removed by the next change. Reads pick up
// what other processes saved.
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
    bool ApplyEdit(const std::function<Edit()>& edit) override;
    bool Commit() override;
    void Refresh() override;

private:
    // Brings the tree up to date with the file; false when the file exists
    // but cannot be read. `locked`: this process holds the hive's lock.
    bool Reload(bool locked);
    void RemoveStaleTemporaryFiles() const;

    std::string m_sPath;
    std::string m_sRootPath;
    std::optional<std::string> m_Loaded;  // the text the tree was read from or saved as
    std::string m_sRefused;               // the last text reported as no hive
};
