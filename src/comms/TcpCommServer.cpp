#include "comms/TcpCommServer.h"

#include "comms/ConnectParams.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

CTcpCommServer::CTcpCommServer(const SLinkTimings& timings)
    : CStreamCommServer(timings.exchangeTimeout), m_connectTimeout(timings.connectTimeout) {}

void CTcpCommServer::OnClosedByPeer() {
    SetError(kMajorRemote, kMinorAbisLink, "The BTS closed the connection");
}

int CTcpCommServer::Open(const std::string& target) {
    const std::string host = CConnectParams::LookupText(target, "HOST");
    const std::string port = CConnectParams::LookupText(target, "TCPPORT");
    if (host.empty() || port.empty()) {
        SetError(kMajorRemote, kMinorBadTarget,
                 "The target names no HOST= and TCPPORT= to reach the BTS: " + target);
        return -1;
    }
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (const int rc = ::getaddrinfo(host.c_str(), port.c_str(), &hints, &found); rc != 0) {
        SetError(kMajorRemote, kMinorHostUnknown,
                 "Cannot find " + host + ":" + port + ": " + ::gai_strerror(rc));
        return -1;
    }
    int fd = -1;
    std::string failure = "no address";
    bool refused = false;
    const auto deadline = Clock::now() + m_connectTimeout;
    for (addrinfo* a = found; a && fd < 0; a = a->ai_next) {
        fd = ::socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC | SOCK_NONBLOCK, a->ai_protocol);
        if (fd < 0) {
            failure = std::strerror(errno);
            continue;
        }
        int rc = ::connect(fd, a->ai_addr, a->ai_addrlen);
        if (rc != 0 && errno == EINPROGRESS) {
            if (WaitReady(fd, POLLOUT, deadline)) {
                int err = 0;
                socklen_t len = sizeof err;
                ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &err, &len);
                rc = err == 0 ? 0 : -1;
                errno = err;
            } else {
                ::close(fd);
                ::freeaddrinfo(found);
                return -1;
            }
        }
        if (rc != 0) {
            refused = refused || errno == ECONNREFUSED;
            failure = std::strerror(errno);
            ::close(fd);
            fd = -1;
        }
    }
    ::freeaddrinfo(found);
    if (fd < 0) {
        // Major and minor both 0 is how a remote BTS that refuses the connection is told apart.
        SetError(refused ? 0 : kMajorRemote, refused ? 0 : kMinorIo,
                 "Cannot connect to " + host + ":" + port + ": " + failure);
        return -1;
    }
    const int one = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    return fd;
}
