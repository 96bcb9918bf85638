// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/posix/FileHiveRegistry.h"
#include "settings/RegHiveFormat.h"
#include "settings/posix/FileLock.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Temporary files of a save are named after the hive with this and six letters.
const char* const kTemporaryInfix = ".tmp.";

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

void MakeFolders(const std::string& folder) {
    for (std::size_t slash = folder.find('/', 1); ; slash = folder.find('/', slash + 1)) {
        mkdir(folder.substr(0, slash).c_str(), 0700);
        if (slash == std::string::npos) break;
    }
}

bool WriteAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t written = write(fd, text.data() + done, text.size() - done);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        done += static_cast<std::size_t>(written);
    }
    return true;
}

enum class HiveRead { Missing, Unreadable, Read };

HiveRead ReadHiveFile(const std::string& path, std::string& text) {
    // Not blocking: a pipe put where the hive belongs must not hang the reader.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT ? HiveRead::Missing : HiveRead::Unreadable;
    struct stat info {};
    HiveRead result = fstat(fd, &info) == 0 && S_ISREG(info.st_mode) ? HiveRead::Read : HiveRead::Unreadable;
    char buffer[4096];
    while (result == HiveRead::Read) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) result = HiveRead::Unreadable;
        if (got <= 0) break;
        text.append(buffer, static_cast<std::size_t>(got));
    }
    close(fd);
    return result;
}
}  // namespace

FileHiveRegistry::FileHiveRegistry(std::string path, std::string rootPath)
    : m_sPath(std::move(path)), m_sRootPath(std::move(rootPath)) {}

std::string FileHiveRegistry::DefaultPath() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && *config) return std::string(config) + "/emberlux/registry.reg";
    const char* home = std::getenv("HOME");
    return std::string(home && *home ? home : ".") + "/.config/emberlux/registry.reg";
}

bool FileHiveRegistry::OpenApplicationKey() { return Reload(false); }

void FileHiveRegistry::Refresh() { Reload(false); }

bool FileHiveRegistry::Reload(bool locked) {
    std::string text;
    switch (ReadHiveFile(m_sPath, text)) {
    case HiveRead::Unreadable:
        return false;
    case HiveRead::Missing:  // a missing hive is an empty one
        Root() = Key();
        m_Loaded.reset();
        return true;
    case HiveRead::Read:
        break;
    }
    if (m_Loaded && *m_Loaded == text) return true;
    Key tree;
    std::string error;
    if (ParseHive(text, m_sRootPath, tree, error)) {
        Root() = std::move(tree);
        m_Loaded = std::move(text);
        return true;
    }
    // Only the holder of the lock may move the file, or it could move aside
    // a good hive that another process has saved in the meantime.
    if (!locked) {
        FileLock lock(m_sPath + ".lock");
        if (lock.Held()) return Reload(true);
    }
    Root() = Key();
    m_Loaded.reset();
    const std::string kept = m_sPath + ".bad";
    if (locked && std::rename(m_sPath.c_str(), kept.c_str()) == 0) {
        std::fprintf(stderr, "emberlux: %s is not a settings file (%s); kept it as %s and started with empty settings\n",
                     m_sPath.c_str(), error.c_str(), kept.c_str());
    } else if (text != m_sRefused) {
        std::fprintf(stderr, "emberlux: %s is not a settings file (%s); started with empty settings\n", m_sPath.c_str(),
                     error.c_str());
        m_sRefused = text;
    }
    return true;
}

void FileHiveRegistry::RemoveStaleTemporaryFiles() const {
    // Under the lock no live writer has a temporary file: any there is left
    // over from a writer that died.
    const std::string folder = FolderOf(m_sPath);
    const std::string prefix = NameOf(m_sPath) + kTemporaryInfix;
    DIR* listing = opendir(folder.c_str());
    if (!listing) return;
    while (const dirent* entry = readdir(listing)) {
        const std::string name = entry->d_name;
        if (name.size() == prefix.size() + 6 && name.compare(0, prefix.size(), prefix) == 0)
            unlink((folder + "/" + name).c_str());
    }
    closedir(listing);
}

bool FileHiveRegistry::ApplyEdit(const std::function<Edit()>& edit) {
    MakeFolders(FolderOf(m_sPath));
    FileLock lock(m_sPath + ".lock");
    if (!lock.Held()) return false;
    RemoveStaleTemporaryFiles();
    return Reload(true) && MemoryRegistry::ApplyEdit(edit);
}

bool FileHiveRegistry::Commit() {
    std::string temporary = m_sPath + kTemporaryInfix + "XXXXXX";
    const int fd = mkostemp(&temporary[0], O_CLOEXEC);
    if (fd < 0) return false;
    std::string text = SerializeHive(Root(), m_sRootPath);
    const bool saved = WriteAll(fd, text) && fsync(fd) == 0;
    const bool closed = close(fd) == 0;
    if (saved && closed && std::rename(temporary.c_str(), m_sPath.c_str()) == 0) {
        m_Loaded = std::move(text);
        return true;
    }
    unlink(temporary.c_str());
    return false;
}
