#pragma once
// The judgement of one cable by the rule book: what is wrong, how bad it is and what to do.

#include <string>

class CUnit;

enum EVerdictSeverity : int {
    kSeverityOk = 1,
    kSeverityWarning = 2,
    kSeverityCritical = 3,
};

struct SVerdict {
    int code = -1;
    int severity = -1;
    std::string message;
    std::string action;
    int reserved1 = 0;
    int reserved2 = 0;
    // The port of the multicoupler or RTC that serves the transceiver, 1-based.
    int port = 0;
    const CUnit* unitA = nullptr;
    const CUnit* unitB = nullptr;
};

// "OK", "Warning" or "Critical"; empty for anything else.
const char* SeverityWord(int severity);
