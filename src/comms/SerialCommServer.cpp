#include "comms/SerialCommServer.h"

#include "comms/ConnectParams.h"
#include "platform/SerialPortNames.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

speed_t TermiosSpeed(int baud) {
    switch (baud) {
    case 19200:
        return B19200;
    case 38400:
        return B38400;
    case 57600:
        return B57600;
    case 115200:
        return B115200;
    default:
        return B9600;
    }
}

} // namespace

CSerialCommServer::CSerialCommServer(const SLinkTimings& timings, ComPortResolver resolver)
    : CStreamCommServer(timings.exchangeTimeout), m_resolver(std::move(resolver)) {
    if (!m_resolver) {
        m_resolver = [](int com) { return CSerialPortNames().DevicePath(com); };
    }
}

void CSerialCommServer::OnClosedByPeer() {
    SetError(kMajorLocal, kMinorIo, "The serial line was closed");
}

int CSerialCommServer::Open(const std::string& target) {
    const long com = CConnectParams::LookupValue(target, "PORT");
    if (com < 1) {
        SetError(kMajorLocal, kMinorNoDevice, "The target names no COM port: " + target);
        return -1;
    }
    const std::string path = m_resolver(static_cast<int>(com));
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int err = errno;
        SetError(kMajorLocal, err == EBUSY ? kMinorPortInUse : kMinorNoDevice,
                 "Cannot open COM" + std::to_string(com) + " (" + path +
                     "): " + std::strerror(err));
        return -1;
    }
    // Another program (or connection) holding the port keeps it: the port is in use.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        SetError(kMajorLocal, kMinorPortInUse,
                 "COM" + std::to_string(com) + " (" + path + ") is in use");
        return -1;
    }
    termios tio{};
    if (::tcgetattr(fd, &tio) != 0) {
        const int err = errno;
        ::close(fd);
        SetError(kMajorLocal, kMinorPortSetup,
                 path + " is not a serial port: " + std::string(std::strerror(err)));
        return -1;
    }
    ::cfmakeraw(&tio);
    tio.c_cflag |= CLOCAL | CREAD;
    tio.c_cflag &= ~static_cast<tcflag_t>(CRTSCTS | CSTOPB | PARENB);
    const speed_t speed =
        TermiosSpeed(std::atoi(CConnectParams::LookupText(target, "SPEED").c_str()));
    ::cfsetispeed(&tio, speed);
    ::cfsetospeed(&tio, speed);
    if (::tcsetattr(fd, TCSANOW, &tio) != 0) {
        const int err = errno;
        ::close(fd);
        SetError(kMajorLocal, kMinorPortSetup,
                 "Cannot set up " + path + ": " + std::string(std::strerror(err)));
        return -1;
    }
    ::tcflush(fd, TCIOFLUSH);
    return fd;
}
