#include "comms/RemoteConnectionLock.h"

#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

CRemoteConnectionLock::CRemoteConnectionLock(std::string directory)
    : m_directory(std::move(directory)) {
    if (m_directory.empty()) {
        const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        m_directory = (runtime && *runtime) ? runtime : "/tmp";
    }
}

CRemoteConnectionLock::~CRemoteConnectionLock() {
    Close();
}

std::string CRemoteConnectionLock::PathFor(const std::string& name) const {
    std::string file = "cabrion-";
    for (char c : name) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                           (c >= '0' && c <= '9') || c == '_' || c == '-' || c == '.';
        file += plain ? c : '_';
    }
    return m_directory + "/" + file + ".lock";
}

bool CRemoteConnectionLock::IsHeld() const {
    std::lock_guard lock(m_mutex);
    return m_fd >= 0;
}

bool CRemoteConnectionLock::Take(const std::string& name) {
    Close();
    std::lock_guard lock(m_mutex);
    const int fd = ::open(PathFor(name).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        return false;
    }
    // flock locks belong to the open file description, so a second holder inside this process
    // is refused just like one in another program.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    return true;
}

void CRemoteConnectionLock::Close() {
    std::lock_guard lock(m_mutex);
    if (m_fd >= 0) {
        ::flock(m_fd, LOCK_UN);
        ::close(m_fd);
        m_fd = -1;
    }
}
