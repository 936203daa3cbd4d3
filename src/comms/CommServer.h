#pragma once
// The communication service: opens a link to one BTS and exchanges single frames on it. Error
// details keep the service's major/minor codes, which the transaction server translates into
// reports.

#include <cstdint>
#include <string>
#include <vector>

using CommResult = uint32_t;
constexpr CommResult kCommOk = 0;
constexpr CommResult kCommFailed = 0x80004005u;
constexpr CommResult kCommNotSupported = 0x8004020Au;
constexpr CommResult kCommNotRunning = 0x80040246u;

inline bool CommSucceeded(CommResult r) {
    return r == kCommOk;
}

// Minor codes that the link reacts to.
constexpr long kMinorPortInUse = 3000;
constexpr long kMinorAbisLink = 2016;
// Our own transports' other minor codes.
constexpr long kMinorNoDevice = 3001;
constexpr long kMinorPortSetup = 3002;
constexpr long kMinorIo = 3003;
constexpr long kMinorTimeout = 3004;
constexpr long kMinorBadTarget = 2001;
constexpr long kMinorHostUnknown = 2002;
constexpr long kMinorNetTimeout = 2004;
constexpr long kMinorInterrupted = 2005;
constexpr long kMajorLocal = 1;
constexpr long kMajorRemote = 2;

class CCommServer {
public:
    virtual ~CCommServer() = default;

    virtual CommResult Connect(const std::string& target) = 0;
    virtual void Disconnect() = 0;
    // Sends one frame and returns the next frame for this client.
    virtual CommResult Exchange(const std::string& address, const std::vector<uint8_t>& frame,
                                std::vector<uint8_t>& reply) = 0;
    // Details of the last failure; false when the service cannot tell.
    virtual bool GetLastErrorInfo(long& major, long& minor, unsigned long& location,
                                  std::string& reason) = 0;
    // Makes a blocked call return with a failure, and every later call too. Safe from any
    // thread: this is how a stopping link gets its thread back promptly.
    virtual void Interrupt() = 0;
};
