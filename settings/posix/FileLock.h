#pragma once
#include <string>

// An exclusive advisory lock (flock) on a file, created when missing, held
// until the object goes. The kernel drops it when the holding process dies,
// so a lock of a killed process never blocks anyone.
class FileLock {
public:
    explicit FileLock(const std::string& path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // False when the lock file could not be opened or locked.
    bool Held() const { return m_nFd >= 0; }

private:
    int m_nFd = -1;
};
