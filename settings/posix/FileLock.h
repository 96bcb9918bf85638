// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
#include "platform/NonCopyable.h"

#include <string>

// An exclusive advisory lock (flock) on a file, created when missing, held
// until the object goes. The kernel drops it when the holding process dies,
// so a lock of a killed process never blocks anyone. On a file system that
// has no locks the object holds the file unlocked.
class FileLock : private NonCopyable {
public:
    explicit FileLock(const std::string& path);
    ~FileLock();

    // False when the lock file could not be opened, or locking it failed.
    bool Held() const { return m_nFd >= 0; }

private:
    int m_nFd = -1;
};
