#pragma once
// The lock that keeps a second program (or connection) off the BTS a link is using: one
// machine-wide lock per name, an advisory file lock released when the holder closes it or
// exits. One object is retaken for each new connection and may be closed from the link thread.

#include <mutex>
#include <string>

class CRemoteConnectionLock {
public:
    // Lock files live in the directory; empty means $XDG_RUNTIME_DIR, else /tmp.
    explicit CRemoteConnectionLock(std::string directory = {});
    ~CRemoteConnectionLock();
    CRemoteConnectionLock(const CRemoteConnectionLock&) = delete;
    CRemoteConnectionLock& operator=(const CRemoteConnectionLock&) = delete;

    // Releases any lock held so far, then takes the named one. False when another holder has
    // it (or its file cannot be made); nothing is held then.
    bool Take(const std::string& name);
    // Safe from any thread: a link thread releases the lock when it ends.
    void Close();
    bool IsHeld() const;

    // The lock file for a name: characters that cannot be in a file name become "_".
    std::string PathFor(const std::string& name) const;

private:
    std::string m_directory;
    mutable std::mutex m_mutex;
    int m_fd = -1;
};
