#include "settings/posix/FileHiveRegistry.h"
#include "settings/RegHiveFormat.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
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
}  // namespace

FileHiveRegistry::FileHiveRegistry(std::string path, std::string rootPath)
    : m_sPath(std::move(path)), m_sRootPath(std::move(rootPath)) {}

std::string FileHiveRegistry::DefaultPath() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && *config) return std::string(config) + "/emberlux/registry.reg";
    const char* home = std::getenv("HOME");
    return std::string(home && *home ? home : ".") + "/.config/emberlux/registry.reg";
}

bool FileHiveRegistry::OpenApplicationKey() {
    std::FILE* file = std::fopen(m_sPath.c_str(), "rb");
    if (!file) return errno == ENOENT;  // a missing hive is an empty one
    std::string text;
    char buffer[4096];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;) text.append(buffer, got);
    const bool readError = std::ferror(file) != 0;
    std::fclose(file);
    if (readError) return false;
    std::string error;
    if (ParseHive(text, m_sRootPath, Root(), error)) return true;
    const std::string kept = m_sPath + ".bad";
    std::rename(m_sPath.c_str(), kept.c_str());
    std::fprintf(stderr, "emberlux: %s is not a settings file (%s); kept it as %s and started with empty settings\n",
                 m_sPath.c_str(), error.c_str(), kept.c_str());
    Root() = Key();
    return true;
}

bool FileHiveRegistry::Commit() {
    const std::string folder = FolderOf(m_sPath);
    MakeFolders(folder);
    std::string temporary = m_sPath + ".XXXXXX";
    const int fd = mkstemp(&temporary[0]);
    if (fd < 0) return false;
    const bool saved = WriteAll(fd, SerializeHive(Root(), m_sRootPath)) && fsync(fd) == 0;
    const bool closed = close(fd) == 0;
    if (saved && closed && std::rename(temporary.c_str(), m_sPath.c_str()) == 0) return true;
    unlink(temporary.c_str());
    return false;
}
