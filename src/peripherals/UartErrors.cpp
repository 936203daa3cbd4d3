#include "peripherals/UartErrors.h"

namespace uart {

std::string OpenErrorText(int status) {
    switch (status) {
    case kIllegalStopBits:
        return "Illegal Stop Bits. Check UART settings.";
    case kIllegalWordLength:
        return "Illegal Word Length. Check UART settings.";
    case kIllegalParity:
        return "Illegal parity. Check UART settings.";
    case kIllegalBaudRate:
        return "Illegal Baud Rate. Check UART settings.";
    case kNotInstalled:
        return "COM port type not 8250 or incorrectly installed. Cannot initalize COM Port.";
    case kInvalidParity:
        return "Invalid parity. Check UART settings.";
    case kIncorrectSetup:
        return "Incorrect setup. Check UART settings.";
    case kOutOfMemory:
        return "Insufficient memory to initalize COM Port.";
    case kPortInUse:
        return "COM port already in use. Use different port.";
    case kInvalidPort:
        return "Invalid port. Check UART settings.";
    case kGeneralError:
        return "General error in the initalization of COM Port.";
    default:
        return "Unexpected error in the initalization of COM Port.";
    }
}

} // namespace uart
