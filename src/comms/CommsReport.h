#pragma once
// What the BTS link tells the rest of the program: a kind (connection state) and a code that
// names a message.

#include <string>

class CCommsReport {
public:
    enum Kind {
        kNoConnection = 0,
        kConnected = 1,
        kStartingRemote = 2,
        kStartingLocal = 3,
        kInformation = 4,
    };
    enum Code {
        kNone = 0,
        kSpeedChanged = 1,
        kServiceNotSupported = 2,
        kServiceNotRunning = 3,
        kBufferOverrun = 4,
        kServerNotFound = 5,
        kZ9csNotFound = 6,
        kUnknownError = 7,
        kMmiServerRunning = 8,
        kComPortInUse = 9,
        kReason = 10,
        kRemoteBlockedByLocal = 11,
        kRemoteEndedByLocal = 12,
        kRemoteRefused = 13,
        kAbisProblem = 14,
        kRemoteFailed = 15,
        kRemoteDuplicate = 16,
    };
    static constexpr int kCodeCount = 17;

    CCommsReport(int kind, int code) : m_kind(kind), m_code(code) {}
    // Codes 1 and 10 carry a text made for this one report.
    CCommsReport(int kind, int code, std::string text)
        : m_kind(kind), m_code(code), m_text(std::move(text)) {}

    int Kind() const { return m_kind; }
    int Code() const { return m_code; }
    // The text shown for the code: the report's own for codes 1 and 10, else the fixed one.
    std::string Text() const;

    // The fixed text of a code; empty for 0, 1, 10 and codes outside the table.
    static std::string FixedText(int code);
    // "Communication speed changed to %s." for the given speed text.
    static std::string SpeedChangedText(const std::string& speedText);

private:
    int m_kind;
    int m_code;
    std::string m_text;
};
