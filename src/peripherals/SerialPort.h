#pragma once
// The serial port layer under the bar-code reader: opens a terminal device exclusively in raw
// mode with the requested line settings, and reads what arrived without ever waiting. Every
// failure is a status code of uart:: (see UartErrors.h), never an exception.

#include "peripherals/MarkedInput.h"

#include <memory>
#include <string>
#include <termios.h>

struct SSerialLine {
    long speed = 9600; // bits per second
    char parity = 'N'; // N, E, O, M or S, either case
    int dataBits = 8;
    int stopBits = 1;
};

class CSerialPort {
public:
    // Queue size of the receive side; reads never take more than this at once.
    static constexpr int kQueueSize = 1050;

    // Always returns a port; its Status() is 0 when the device is open and configured, else the
    // error code (and nothing is held open).
    static std::unique_ptr<CSerialPort> Open(const std::string& devicePath,
                                             const SSerialLine& line);

    ~CSerialPort();
    CSerialPort(const CSerialPort&) = delete;
    CSerialPort& operator=(const CSerialPort&) = delete;

    int Status() const { return m_status; }
    bool IsOpen() const { return m_fd >= 0; }
    // True after the device went away while open (hang-up, unplugged adapter, read error).
    bool Lost() const { return m_lost; }

    // True when no character is waiting. Takes what the driver holds into the port's queue.
    bool ReceiveQueueEmpty();
    // The next character (0-255), uart::kLineError for one received damaged,
    // uart::kNothingWaiting or uart::kPortLost.
    int ReadChar();
    // Drops DTR and RTS, gives the line back as it was found and closes it; 0 or an error code.
    int Close();

    // The status for an errno of open or configure.
    static int StatusFromErrno(int err);
    // The termios speed for a rate, or 0 when the line cannot run at it.
    static speed_t SpeedCode(long bitsPerSecond);

private:
    CSerialPort() = default;
    int Configure(const SSerialLine& line);
    void Fill();
    void MarkLost();

    int m_fd = -1;
    int m_status = 0;
    bool m_lost = false;
    bool m_savedValid = false;
    termios m_saved{};
    CMarkedInput m_input;
};
