// The stream transports on their own: framing on the byte stream and their error codes.
#include "comms/SerialCommServer.h"
#include "comms/TcpCommServer.h"
#include "platform/SerialPortNames.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

// A listening socket on a loopback port that the test drives by hand.
struct Listener {
    Listener() {
        fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
        ::listen(fd, 1);
        socklen_t len = sizeof a;
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
        port = ntohs(a.sin_port);
    }
    ~Listener() { ::close(fd); }
    std::string Target() const { return "HOST=127.0.0.1,TCPPORT=" + std::to_string(port); }
    int fd;
    int port;
};

SLinkTimings Short() {
    SLinkTimings t;
    t.exchangeTimeout = 300ms;
    t.connectTimeout = 300ms;
    return t;
}

} // namespace

TEST(Transport, TcpFramesAreDelimitedByTheirLengthByte) {
    Listener l;
    CTcpCommServer server(Short());
    ASSERT_EQ(server.Connect(l.Target()), kCommOk);
    const int peer = ::accept(l.fd, nullptr, nullptr);
    ASSERT_GE(peer, 0);
    // Two answers in one write, the second with a full 256-byte body.
    std::vector<uint8_t> wire = {0x80, 0x80, 0, 2, 0xAA, 0xBB, 0x80, 0x80, 0, 0};
    wire.resize(wire.size() + 256, 0x5C);
    ASSERT_EQ(::write(peer, wire.data(), wire.size()), static_cast<ssize_t>(wire.size()));
    std::vector<uint8_t> reply;
    ASSERT_EQ(server.Exchange("", {0x80, 0x80, 0, 1, 0}, reply), kCommOk);
    EXPECT_EQ(reply, (std::vector<uint8_t>{0x80, 0x80, 0, 2, 0xAA, 0xBB}));
    ASSERT_EQ(server.Exchange("", {0x80, 0x80, 0, 1, 0}, reply), kCommOk);
    EXPECT_EQ(reply.size(), 260u);
    uint8_t got[10];
    EXPECT_EQ(::read(peer, got, sizeof got), 10);

    // The peer goes away: failures with the remote-link code, and no SIGPIPE on later writes.
    ::close(peer);
    long major = 0, minor = 0;
    unsigned long location = 0;
    std::string reason;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(server.Exchange("", {0x80, 0x80, 0, 1, 0}, reply), kCommFailed);
        EXPECT_TRUE(reply.empty());
    }
    ASSERT_TRUE(server.GetLastErrorInfo(major, minor, location, reason));
    EXPECT_EQ(major, kMajorRemote);
    EXPECT_TRUE(minor == kMinorAbisLink || minor == kMinorIo) << minor << " " << reason;
}

TEST(Transport, TcpTimeoutInterruptAndBadTargets) {
    Listener l;
    CTcpCommServer server(Short());
    ASSERT_EQ(server.Connect(l.Target()), kCommOk);
    std::vector<uint8_t> reply;
    long major = 0, minor = 0;
    unsigned long location = 0;
    std::string reason;
    // Nobody answers.
    EXPECT_EQ(server.Exchange("", {0x80, 0x80, 0, 1, 0}, reply), kCommFailed);
    server.GetLastErrorInfo(major, minor, location, reason);
    EXPECT_EQ(minor, kMinorNetTimeout);

    // An interrupt from another thread ends a blocked exchange and every later call.
    SLinkTimings slow;
    CTcpCommServer blocked(slow);
    ASSERT_EQ(blocked.Connect(l.Target()), kCommOk);
    std::thread stopper([&] {
        std::this_thread::sleep_for(50ms);
        blocked.Interrupt();
    });
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(blocked.Exchange("", {0x80, 0x80, 0, 1, 0}, reply), kCommFailed);
    EXPECT_LT(std::chrono::steady_clock::now() - start, slow.exchangeTimeout);
    stopper.join();
    EXPECT_EQ(blocked.Connect(l.Target()), kCommFailed);

    EXPECT_EQ(server.Connect("BSCID=1,BCFID=2"), kCommFailed);
    server.GetLastErrorInfo(major, minor, location, reason);
    EXPECT_EQ(minor, kMinorBadTarget);
    EXPECT_EQ(server.Exchange("", {0x80, 0x80, 0, 1, 0}, reply), kCommFailed);
}

TEST(Transport, SerialPortsThatCannotBeUsed) {
    long major = 0, minor = 0;
    unsigned long location = 0;
    std::string reason;
    CSerialCommServer missing(Short(), [](int) { return std::string("/nonexistent/ttyX"); });
    EXPECT_EQ(missing.Connect("WP=COM,PORT=1,SPEED=9600"), kCommFailed);
    missing.GetLastErrorInfo(major, minor, location, reason);
    EXPECT_EQ(major, kMajorLocal);
    EXPECT_EQ(minor, kMinorNoDevice);
    EXPECT_NE(reason.find("/nonexistent/ttyX"), std::string::npos);

    CSerialCommServer notATty(Short(), [](int) { return std::string("/dev/null"); });
    EXPECT_EQ(notATty.Connect("WP=COM,PORT=1,SPEED=9600"), kCommFailed);
    notATty.GetLastErrorInfo(major, minor, location, reason);
    EXPECT_EQ(minor, kMinorPortSetup);

    EXPECT_EQ(missing.Connect("WP=COM,SPEED=9600"), kCommFailed);
    missing.GetLastErrorInfo(major, minor, location, reason);
    EXPECT_EQ(minor, kMinorNoDevice);

    ::setenv("CABRION_COM42", "/dev/pts/99", 1);
    EXPECT_EQ(CSerialPortNames().DevicePath(42), "/dev/pts/99");
    ::unsetenv("CABRION_COM42");
    EXPECT_EQ(CSerialPortNames().DevicePath(42), "/dev/ttyUSB9");
}
