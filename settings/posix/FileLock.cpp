// SPDX-License-Identifier: GPL-2.0-or-later
#include "settings/posix/FileLock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

FileLock::FileLock(const std::string& path) {
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return;
    int locked;
    while ((locked = flock(fd, LOCK_EX)) != 0 && errno == EINTR) {
    }
    // A file system without locks must not stop every save: go on unlocked there.
    if (locked == 0 || errno == ENOLCK || errno == EOPNOTSUPP || errno == ENOSYS) m_nFd = fd;
    else close(fd);
}

FileLock::~FileLock() {
    if (m_nFd >= 0) close(m_nFd);
}
