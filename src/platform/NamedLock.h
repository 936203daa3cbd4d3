#pragma once
// A named lock shared by every process of the machine: the first holder keeps it until it
// releases it or ends, and every other attempt fails at once. Used to decide which running copy
// may write settings and to keep two links off the same BTS.

#include <mutex>
#include <string>

class CNamedLock {
public:
    enum class Result {
        Acquired,      // this object holds the lock now
        HeldElsewhere, // another holder (process or object) has it
        Failed,        // the lock file could not be opened; nothing is held
    };

    // The lock file lives in `directory`; an empty directory means the machine-wide folder for
    // names that begin with "Global\" and the default lock directory for all others.
    explicit CNamedLock(std::string name, std::string directory = {});
    ~CNamedLock();
    CNamedLock(const CNamedLock&) = delete;
    CNamedLock& operator=(const CNamedLock&) = delete;

    // Never blocks. Calling it again while holding the lock returns Acquired. Both may be called
    // from any thread: a link thread lets go of its connection's lock when it ends.
    Result TryAcquire();
    void Release();
    bool IsHeld() const {
        std::lock_guard lock(m_mutex);
        return m_fd >= 0;
    }

    const std::string& Name() const { return m_name; }
    // The file that carries the lock; names may hold any character, the file name never does.
    const std::string& Path() const { return m_path; }
    // errno of the last Failed result, 0 otherwise.
    int LastError() const { return m_lastError; }

    // Names the machine-wide lock folder instead of the system's (for tests).
    static constexpr const char* kDirectoryVariable = "CABRION_LOCK_DIR";
    // $XDG_RUNTIME_DIR when set and absolute, else /tmp.
    static std::string DefaultDirectory();
    // The folder every user of the machine shares for locks: $CABRION_LOCK_DIR when set, else
    // /run/lock, else /tmp; the first one in which this user may create lock files and nobody
    // but its owner or root may remove them. When none is, the default lock directory.
    static std::string MachineDirectory();
    // The lock file name for a lock name: characters other than letters, digits, '.', '-' and
    // '_' become '_' so that names such as "Global\X" stay inside the directory.
    static std::string FileNameFor(const std::string& name);

private:
    std::string m_name;
    std::string m_path;
    mutable std::mutex m_mutex;
    int m_fd = -1;
    int m_lastError = 0;
};
