#include "peripherals/SerialPort.h"

#include "peripherals/UartErrors.h"

#include <cctype>
#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

struct SpeedRow {
    long rate;
    speed_t code;
};

constexpr SpeedRow kSpeeds[] = {{50, B50},        {75, B75},       {110, B110},     {134, B134},
                                {150, B150},      {200, B200},     {300, B300},     {600, B600},
                                {1200, B1200},    {1800, B1800},   {2400, B2400},   {4800, B4800},
                                {9600, B9600},    {19200, B19200}, {38400, B38400}, {57600, B57600},
                                {115200, B115200}};

} // namespace

speed_t CSerialPort::SpeedCode(long bitsPerSecond) {
    for (const auto& row : kSpeeds) {
        if (row.rate == bitsPerSecond) {
            return row.code;
        }
    }
    return 0;
}

int CSerialPort::StatusFromErrno(int err) {
    switch (err) {
    case ENOENT:
    case ENOTDIR:
    case ENXIO:
    case ENODEV:
    case ENOTTY:
        return uart::kNotInstalled;
    case EBUSY:
    case EWOULDBLOCK:
        return uart::kPortInUse;
    case ENOMEM:
        return uart::kOutOfMemory;
    default:
        // Missing permission lands here too: "in use" would send the user looking for
        // another program instead of at the device's group.
        return uart::kGeneralError;
    }
}

std::unique_ptr<CSerialPort> CSerialPort::Open(const std::string& devicePath,
                                               const SSerialLine& line) {
    std::unique_ptr<CSerialPort> port(new CSerialPort());
    if (devicePath.empty()) {
        port->m_status = uart::kNotInstalled;
        return port;
    }
    const int fd = ::open(devicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        port->m_status = StatusFromErrno(errno);
        return port;
    }
    // Exclusive like the BTS link's serial transport, so that the two never share a line.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        port->m_status = uart::kPortInUse;
        return port;
    }
    if (::tcgetattr(fd, &port->m_saved) != 0) {
        ::close(fd);
        port->m_status = uart::kNotInstalled;
        return port;
    }
    port->m_savedValid = true;
    port->m_fd = fd;
    port->m_status = port->Configure(line);
    if (port->m_status != uart::kOk) {
        ::tcsetattr(fd, TCSANOW, &port->m_saved);
        ::close(fd);
        port->m_fd = -1;
    } else {
        ::ioctl(fd, TIOCEXCL);
        // What waited before the line was set up was read under other settings: no code.
        ::tcflush(fd, TCIFLUSH);
    }
    return port;
}

int CSerialPort::Configure(const SSerialLine& line) {
    const speed_t speed = SpeedCode(line.speed);
    if (line.speed > 115200 || speed == 0) {
        return uart::kIllegalBaudRate;
    }
    const char parity = static_cast<char>(std::toupper(static_cast<unsigned char>(line.parity)));
    if (parity != 'E' && parity != 'M' && parity != 'N' && parity != 'O' && parity != 'S') {
        return uart::kIllegalParity;
    }
    if (line.stopBits != 1 && line.stopBits != 2) {
        return uart::kIllegalStopBits;
    }
    if (line.dataBits < 5 || line.dataBits > 8) {
        return uart::kIllegalWordLength;
    }
    termios tio = m_saved;
    ::cfmakeraw(&tio);
    tio.c_cflag |= CLOCAL | CREAD;
    tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | CSTOPB | PARENB | PARODD | CMSPAR | CRTSCTS);
    static constexpr tcflag_t kSizes[] = {CS5, CS6, CS7, CS8};
    tio.c_cflag |= kSizes[line.dataBits - 5];
    if (line.stopBits == 2) {
        tio.c_cflag |= CSTOPB;
    }
    switch (parity) {
    case 'E':
        tio.c_cflag |= PARENB;
        break;
    case 'O':
        tio.c_cflag |= PARENB | PARODD;
        break;
    case 'M':
        tio.c_cflag |= PARENB | PARODD | CMSPAR;
        break;
    case 'S':
        tio.c_cflag |= PARENB | CMSPAR;
        break;
    default:
        break;
    }
    // Damaged characters arrive marked in the data instead of silently as NUL or dropped, so
    // that a scan with a line error can be told apart from a good one.
    tio.c_iflag &= ~static_cast<tcflag_t>(IGNPAR | IGNBRK | BRKINT | ISTRIP | IXON | IXOFF);
    tio.c_iflag |= INPCK | PARMRK;
    tio.c_cc[VSTART] = 17;
    tio.c_cc[VSTOP] = 19;
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    ::cfsetispeed(&tio, speed);
    ::cfsetospeed(&tio, speed);
    if (::tcsetattr(m_fd, TCSANOW, &tio) != 0) {
        return StatusFromErrno(errno);
    }
    return uart::kOk;
}

CSerialPort::~CSerialPort() {
    Close();
}

void CSerialPort::MarkLost() {
    m_lost = true;
    m_status = uart::kPortLost;
}

void CSerialPort::Fill() {
    if (m_fd < 0 || m_lost) {
        return;
    }
    pollfd p{m_fd, POLLIN, 0};
    if (::poll(&p, 1, 0) <= 0) {
        return;
    }
    if ((p.revents & POLLIN) != 0) {
        std::uint8_t buffer[kQueueSize];
        const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
        if (n > 0) {
            m_input.Feed(buffer, static_cast<std::size_t>(n));
            return;
        }
        if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
            return;
        }
        // A terminal in raw mode with nothing to read answers EAGAIN; end of file or an I/O
        // error means the other end is gone.
        MarkLost();
        return;
    }
    if ((p.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) {
        MarkLost();
    }
}

bool CSerialPort::ReceiveQueueEmpty() {
    if (m_input.Empty()) {
        Fill();
    }
    return m_input.Empty();
}

int CSerialPort::ReadChar() {
    if (ReceiveQueueEmpty()) {
        return m_lost ? uart::kPortLost : uart::kNothingWaiting;
    }
    return m_input.Take();
}

int CSerialPort::Close() {
    if (m_fd < 0) {
        return uart::kOk;
    }
    int lines = TIOCM_DTR | TIOCM_RTS;
    ::ioctl(m_fd, TIOCMBIC, &lines); // pseudo-terminals have no modem lines: not an error
    ::ioctl(m_fd, TIOCNXCL);
    if (m_savedValid && !m_lost) {
        ::tcsetattr(m_fd, TCSANOW, &m_saved);
    }
    const int result = ::close(m_fd) == 0 ? uart::kOk : StatusFromErrno(errno);
    m_fd = -1;
    m_input.Clear();
    return result;
}
