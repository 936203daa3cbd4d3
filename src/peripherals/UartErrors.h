#pragma once
// Status codes of the serial port layer and the texts the bar-code reader shows for them.

#include <string>

namespace uart {

inline constexpr int kOk = 0;
inline constexpr int kGeneralError = -1;
inline constexpr int kInvalidPort = -2;
inline constexpr int kPortInUse = -3;
inline constexpr int kOutOfMemory = -5;
inline constexpr int kIncorrectSetup = -6;
inline constexpr int kInvalidParity = -7;
inline constexpr int kNotInstalled = -14;
inline constexpr int kOldPlatform = -24;
inline constexpr int kIllegalBaudRate = -25;
inline constexpr int kIllegalParity = -26;
inline constexpr int kIllegalWordLength = -27;
inline constexpr int kIllegalStopBits = -28;

// Results of reading one character that are not a character. They never reach the open
// status table above, so they get values of their own.
inline constexpr int kNothingWaiting = -100;
inline constexpr int kLineError = -101; // parity, framing, overrun or a break on the line
inline constexpr int kPortLost = -102;  // the device went away (unplugged, hung up)

// The text shown when opening the port failed with this status.
std::string OpenErrorText(int status);

// Texts for what can go wrong after the port is open. A code received with a line error or
// with bytes no scanner sends is not put into a box: the user scans again.
inline constexpr const char* kDamagedCodeText =
    "The bar code reader sent a damaged code (parity or framing error).\nScan the code again.";
inline constexpr const char* kGarbageCodeText =
    "The bar code reader sent characters that are not part of a bar code.\nScan the code again.";
inline constexpr const char* kPortLostText =
    "The bar code reader port was closed or removed.\nCheck the reader and its port.";

} // namespace uart
