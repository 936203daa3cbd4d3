#include "platform/NamedLock.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// Opens the lock file without following links. In a shared sticky folder such as /tmp, creating
// over a file that another user owns is refused, so an existing file is opened without O_CREAT
// first; flock works on a read-only descriptor, so other users can share a file we created.
int OpenLockFile(const std::string& path) {
    constexpr int kFlags = O_RDONLY | O_CLOEXEC | O_NOFOLLOW;
    for (int attempt = 0; attempt < 3; ++attempt) {
        int fd = ::open(path.c_str(), kFlags);
        if (fd >= 0 || errno != ENOENT) {
            return fd;
        }
        fd = ::open(path.c_str(), kFlags | O_CREAT | O_EXCL, 0644);
        if (fd >= 0) {
            // Every user takes the lock through this file, whatever our umask left of its mode.
            ::fchmod(fd, 0644);
            return fd;
        }
        if (errno != EEXIST) {
            return fd;
        }
        // Another process created it between the two calls: open the existing one.
    }
    return -1;
}

// A folder we may create files in, where nobody but a file's owner (or the folder's owner, us or
// root) can remove it again: otherwise another user could delete a held lock file and take a
// fresh one under the same name.
bool IsSafeSharedFolder(const std::string& dir) {
    struct stat st {};
    if (::stat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) ||
        ::access(dir.c_str(), W_OK | X_OK) != 0) {
        return false;
    }
    if (st.st_uid != 0 && st.st_uid != ::geteuid()) {
        return false;
    }
    const bool othersWrite = (st.st_mode & (S_IWGRP | S_IWOTH)) != 0;
    return !othersWrite || (st.st_mode & S_ISVTX) != 0;
}

} // namespace

CNamedLock::CNamedLock(std::string name, std::string directory) : m_name(std::move(name)) {
    if (directory.empty()) {
        // "Global\" names guard resources of the whole machine, so they must not land in a
        // per-user runtime folder.
        directory = m_name.starts_with("Global\\") ? MachineDirectory() : DefaultDirectory();
    }
    m_path = directory + "/" + FileNameFor(m_name);
}

CNamedLock::~CNamedLock() {
    Release();
}

CNamedLock::Result CNamedLock::TryAcquire() {
    std::lock_guard lock(m_mutex);
    if (m_fd >= 0) {
        return Result::Acquired;
    }
    m_lastError = 0;
    int fd = OpenLockFile(m_path);
    if (fd < 0) {
        m_lastError = errno;
        return Result::Failed;
    }
    int rc;
    do {
        rc = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        const int err = errno;
        ::close(fd);
        if (err == EWOULDBLOCK) {
            return Result::HeldElsewhere;
        }
        m_lastError = err;
        return Result::Failed;
    }
    m_fd = fd;
    return Result::Acquired;
}

void CNamedLock::Release() {
    std::lock_guard lock(m_mutex);
    if (m_fd < 0) {
        return;
    }
    // The file stays: removing it would let a newcomer lock a fresh file while a waiter still
    // holds the old one open.
    ::flock(m_fd, LOCK_UN);
    ::close(m_fd);
    m_fd = -1;
}

std::string CNamedLock::DefaultDirectory() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && runtime[0] == '/') {
        return runtime;
    }
    return "/tmp";
}

std::string CNamedLock::MachineDirectory() {
    std::vector<std::string> candidates;
    if (const char* chosen = std::getenv(kDirectoryVariable); chosen != nullptr && *chosen != 0) {
        candidates.emplace_back(chosen);
    } else {
        candidates = {"/run/lock", "/tmp"};
    }
    for (const std::string& dir : candidates) {
        if (IsSafeSharedFolder(dir)) {
            return dir;
        }
    }
    return DefaultDirectory();
}

std::string CNamedLock::FileNameFor(const std::string& name) {
    std::string file = "cabrion-lock-";
    for (char c : name) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '_';
        file += plain ? c : '_';
    }
    return file;
}
