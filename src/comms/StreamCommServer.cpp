#include "comms/StreamCommServer.h"

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

CStreamCommServer::CStreamCommServer(std::chrono::milliseconds exchangeTimeout)
    : m_timeout(exchangeTimeout), m_wakeFd(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

CStreamCommServer::~CStreamCommServer() {
    Disconnect();
    if (m_wakeFd >= 0) {
        ::close(m_wakeFd);
    }
}

ssize_t CStreamCommServer::WriteSome(int fd, const uint8_t* data, size_t size) {
    // A peer that has gone must show as an error, not as SIGPIPE ending the program.
    const ssize_t n = ::send(fd, data, size, MSG_NOSIGNAL);
    if (n < 0 && errno == ENOTSOCK) {
        return ::write(fd, data, size);
    }
    return n;
}

void CStreamCommServer::SetError(long major, long minor, std::string reason) {
    m_major = major;
    m_minor = minor;
    m_reason = std::move(reason);
}

bool CStreamCommServer::GetLastErrorInfo(long& major, long& minor, unsigned long& location,
                                         std::string& reason) {
    major = m_major;
    minor = m_minor;
    location = 0;
    reason = m_reason;
    return true;
}

void CStreamCommServer::Interrupt() {
    m_interrupted = true;
    if (m_wakeFd >= 0) {
        const uint64_t one = 1;
        [[maybe_unused]] auto n = ::write(m_wakeFd, &one, sizeof one);
    }
}

CommResult CStreamCommServer::Connect(const std::string& target) {
    Disconnect();
    if (Interrupted()) {
        SetError(MajorCode(), kMinorInterrupted, "The connection is being closed");
        return kCommFailed;
    }
    m_fd = Open(target);
    if (m_fd < 0) {
        return kCommFailed;
    }
    SetError(0, 0, {});
    return kCommOk;
}

void CStreamCommServer::Disconnect() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

bool CStreamCommServer::WaitReady(int fd, short events, Clock::time_point deadline) {
    for (;;) {
        if (Interrupted()) {
            SetError(MajorCode(), kMinorInterrupted, "The connection is being closed");
            return false;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            SetError(MajorCode(), MajorCode() == kMajorLocal ? kMinorTimeout : kMinorNetTimeout,
                     "The BTS did not answer in time");
            return false;
        }
        pollfd fds[2] = {{fd, events, 0}, {m_wakeFd, POLLIN, 0}};
        const int n = ::poll(fds, 2, static_cast<int>(left.count()));
        if (n < 0 && errno != EINTR) {
            SetError(MajorCode(), kMinorIo, std::strerror(errno));
            return false;
        }
        if (n > 0 && fds[0].revents != 0) {
            return true;
        }
    }
}

bool CStreamCommServer::WriteAll(const uint8_t* data, size_t size, Clock::time_point deadline) {
    while (size > 0) {
        const ssize_t n = WriteSome(m_fd, data, size);
        if (n > 0) {
            data += n;
            size -= static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
            if (!WaitReady(m_fd, POLLOUT, deadline)) {
                return false;
            }
            continue;
        }
        if (n < 0 && (errno == EPIPE || errno == ECONNRESET)) {
            OnClosedByPeer();
        } else {
            SetError(MajorCode(), kMinorIo, n < 0 ? std::strerror(errno) : "Nothing written");
        }
        return false;
    }
    return true;
}

bool CStreamCommServer::ReadExact(uint8_t* data, size_t size, Clock::time_point deadline) {
    while (size > 0) {
        const ssize_t n = ::read(m_fd, data, size);
        if (n > 0) {
            data += n;
            size -= static_cast<size_t>(n);
            continue;
        }
        if (n == 0 || (errno == ECONNRESET || errno == EIO)) {
            // EIO is how a pseudo-terminal reports that its other side went away.
            OnClosedByPeer();
            return false;
        }
        if (errno == EAGAIN || errno == EINTR) {
            if (!WaitReady(m_fd, POLLIN, deadline)) {
                return false;
            }
            continue;
        }
        SetError(MajorCode(), kMinorIo, std::strerror(errno));
        return false;
    }
    return true;
}

CommResult CStreamCommServer::Exchange(const std::string&, const std::vector<uint8_t>& frame,
                                       std::vector<uint8_t>& reply) {
    reply.clear();
    if (m_fd < 0) {
        SetError(MajorCode(), kMinorIo, "Not connected");
        return kCommFailed;
    }
    const auto deadline = Clock::now() + m_timeout;
    if (!WriteAll(frame.data(), frame.size(), deadline)) {
        return kCommFailed;
    }
    uint8_t header[4];
    if (!ReadExact(header, sizeof header, deadline)) {
        return kCommFailed;
    }
    const size_t body = header[3] == 0 ? 256 : header[3];
    reply.assign(header, header + 4);
    reply.resize(4 + body);
    if (!ReadExact(reply.data() + 4, body, deadline)) {
        reply.clear();
        return kCommFailed;
    }
    return kCommOk;
}
