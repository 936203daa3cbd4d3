#pragma once
// A lock shared by every program on the machine, named like a system-wide mutex: an advisory
// file lock on one lock file per name, released when the holder closes it or exits.

#include <mutex>
#include <string>

class CNamedLock {
public:
    // Lock files live in the directory; empty means $XDG_RUNTIME_DIR, else /tmp.
    explicit CNamedLock(std::string directory = {});
    ~CNamedLock();
    CNamedLock(const CNamedLock&) = delete;
    CNamedLock& operator=(const CNamedLock&) = delete;

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
