#include "sim/SimServer.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

namespace {
constexpr int kPartialFrameMs = 1000;
}

CSimServer::CSimServer(SSimScenario scenario)
    : m_bts(std::move(scenario)), m_stopFd(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

CSimServer::~CSimServer() {
    Stop();
    for (int fd : {m_listenFd, m_masterFd, m_slaveFd, m_stopFd}) {
        if (fd >= 0) {
            ::close(fd);
        }
    }
}

int CSimServer::FramesAnswered() const {
    std::lock_guard lock(m_mutex);
    return m_bts.FramesAnswered();
}

int CSimServer::SpeedCode() const {
    std::lock_guard lock(m_mutex);
    return m_bts.SpeedCode();
}

frame::Bytes CSimServer::LastRequest() const {
    std::lock_guard lock(m_mutex);
    return m_bts.LastRequest();
}

int CSimServer::BlocksReceived() const {
    std::lock_guard lock(m_mutex);
    return m_bts.Store().BlocksReceived();
}

void CSimServer::QueueUplink(frame::Bytes message) {
    std::lock_guard lock(m_mutex);
    m_bts.QueueUplink(std::move(message));
}

bool CSimServer::ListenTcp(const std::string& host, int port, std::string& error) {
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<uint16_t>(port));
    if (::inet_pton(AF_INET, host.c_str(), &addr.sin_addr) != 1) {
        error = "not an IPv4 address: " + host;
        return false;
    }
    m_listenFd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    const int one = 1;
    ::setsockopt(m_listenFd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    if (::bind(m_listenFd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
        ::listen(m_listenFd, 4) != 0) {
        error =
            "cannot listen on " + host + ":" + std::to_string(port) + ": " + std::strerror(errno);
        ::close(m_listenFd);
        m_listenFd = -1;
        return false;
    }
    socklen_t len = sizeof addr;
    ::getsockname(m_listenFd, reinterpret_cast<sockaddr*>(&addr), &len);
    m_port = ntohs(addr.sin_port);
    return true;
}

bool CSimServer::OpenPty(std::string& error) {
    m_masterFd = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_masterFd < 0 || ::grantpt(m_masterFd) != 0 || ::unlockpt(m_masterFd) != 0) {
        error = std::string("cannot open a pseudo-terminal: ") + std::strerror(errno);
        return false;
    }
    char name[128];
    if (::ptsname_r(m_masterFd, name, sizeof name) != 0) {
        error = "cannot name the pseudo-terminal";
        return false;
    }
    m_ptyPath = name;
    // Holding the other side open keeps the terminal alive between clients, and raw mode keeps
    // the line discipline from echoing or translating frame bytes.
    m_slaveFd = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios tio{};
    if (m_slaveFd < 0 || ::tcgetattr(m_slaveFd, &tio) != 0) {
        error = "cannot open " + m_ptyPath;
        return false;
    }
    ::cfmakeraw(&tio);
    ::tcsetattr(m_slaveFd, TCSANOW, &tio);
    ::fcntl(m_masterFd, F_SETFL, ::fcntl(m_masterFd, F_GETFL) | O_NONBLOCK);
    return true;
}

void CSimServer::Start() {
    m_thread = std::thread([this] { Run(); });
}

void CSimServer::Stop() {
    m_stop = true;
    const uint64_t one = 1;
    [[maybe_unused]] auto n = ::write(m_stopFd, &one, sizeof one);
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

bool CSimServer::WaitStop(int ms) {
    pollfd p{m_stopFd, POLLIN, 0};
    ::poll(&p, 1, ms);
    return m_stop.load();
}

void CSimServer::Run() {
    if (m_masterFd >= 0) {
        RunPty();
    } else {
        RunTcp();
    }
}

void CSimServer::RunTcp() {
    while (!m_stop.load()) {
        if (m_listenFd < 0) {
            WaitStop(-1);
            return;
        }
        pollfd fds[2] = {{m_listenFd, POLLIN, 0}, {m_stopFd, POLLIN, 0}};
        if (::poll(fds, 2, -1) <= 0 || fds[1].revents) {
            continue;
        }
        const int fd = ::accept4(m_listenFd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) {
            continue;
        }
        const int one = 1;
        ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
        ++m_clients;
        {
            std::lock_guard lock(m_mutex);
            m_bts.NewConnection();
        }
        const End end = Serve(fd, true);
        // A BTS that takes no further connection stops listening before the client can see
        // the drop: closed the other way round, a quick reconnect lands in the backlog and is
        // reset instead of refused.
        if (end == End::Dropped) {
            std::lock_guard lock(m_mutex);
            if (m_bts.Scenario().faults.refuseAfterDrop) {
                ::close(m_listenFd);
                m_listenFd = -1;
            }
        }
        ::close(fd);
    }
}

void CSimServer::RunPty() {
    ++m_clients;
    if (Serve(m_masterFd, false) == End::Dropped) {
        // A serial line that goes away: the device disappears with it.
        ::close(m_masterFd);
        ::close(m_slaveFd);
        m_masterFd = m_slaveFd = -1;
    }
    WaitStop(-1);
}

int CSimServer::ReadExact(int fd, uint8_t* data, size_t size, int partialTimeoutMs) {
    size_t got = 0;
    while (got < size) {
        const ssize_t n = ::read(fd, data + got, size - got);
        if (n > 0) {
            got += static_cast<size_t>(n);
            continue;
        }
        if (n == 0) {
            return -1;
        }
        if (errno == EIO) {
            // No client on the terminal yet: look again shortly.
            if (WaitStop(10)) {
                return -2;
            }
            continue;
        }
        if (errno != EAGAIN && errno != EINTR) {
            return -1;
        }
        pollfd fds[2] = {{fd, POLLIN, 0}, {m_stopFd, POLLIN, 0}};
        const int r = ::poll(fds, 2, got > 0 ? partialTimeoutMs : -1);
        if (m_stop.load()) {
            return -2;
        }
        if (r == 0) {
            return 0; // half a frame and then nothing: forget it
        }
    }
    return 1;
}

bool CSimServer::WriteAll(int fd, const uint8_t* data, size_t size) {
    while (size > 0) {
        // A client that has gone must not end the simulator with SIGPIPE.
        ssize_t n = ::send(fd, data, size, MSG_NOSIGNAL);
        if (n < 0 && errno == ENOTSOCK) {
            n = ::write(fd, data, size);
        }
        if (n > 0) {
            data += n;
            size -= static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
            pollfd fds[2] = {{fd, POLLOUT, 0}, {m_stopFd, POLLIN, 0}};
            ::poll(fds, 2, 1000);
            if (m_stop.load()) {
                return false;
            }
            continue;
        }
        return false;
    }
    return true;
}

CSimServer::End CSimServer::Serve(int fd, bool stream) {
    (void)stream;
    while (!m_stop.load()) {
        uint8_t header[4];
        int r = ReadExact(fd, header, 1, kPartialFrameMs);
        if (r == 1) {
            r = ReadExact(fd, header + 1, 3, kPartialFrameMs);
        }
        if (r == -2) {
            return End::Stopped;
        }
        if (r < 0) {
            return End::Left;
        }
        if (r == 0) {
            continue;
        }
        frame::Bytes in(header, header + 4);
        in.resize(4 + frame::BodyLength(header[3]));
        r = ReadExact(fd, in.data() + 4, in.size() - 4, kPartialFrameMs);
        if (r == -2) {
            return End::Stopped;
        }
        if (r < 0) {
            return End::Left;
        }
        if (r == 0) {
            continue;
        }
        CSimBts::Answer answer;
        int delay = 0;
        {
            std::lock_guard lock(m_mutex);
            answer = m_bts.HandleFrame(in);
            delay = m_bts.Scenario().faults.replyDelayMs + answer.delayMs;
        }
        if (answer.action == CSimBts::Action::Close) {
            return End::Dropped;
        }
        if (answer.action == CSimBts::Action::Silent) {
            continue;
        }
        if (delay > 0 && WaitStop(delay)) {
            return End::Stopped;
        }
        if (!WriteAll(fd, answer.frame.data(), answer.frame.size())) {
            return End::Left;
        }
    }
    return End::Stopped;
}
