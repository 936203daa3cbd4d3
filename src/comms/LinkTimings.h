#pragma once
// The waits of the BTS link. The defaults are the ones the BTS and its users expect; tests
// shrink them so that failure paths run in milliseconds.

#include <chrono>

struct SLinkTimings {
    using ms = std::chrono::milliseconds;
    ms idlePoll{100};          // between polls while nothing is pending
    ms busyPoll{1};            // while a reply or a file transfer is pending
    ms threadStart{10000};     // for the link thread to open the service
    ms threadStop{6000};       // for the link thread to end when the server goes
    ms replyBase{5000};        // reply time-out at high speed; x2 up to 38400, x4 up to 19200
    ms speedChangeStep{500};   // an exchange waits for a speed change in these steps...
    int speedChangeSteps = 12; // ...at most this many times
    ms reconnectPause{2000};   // before reconnecting at 9600 after a failure
    ms speedSwitchPause{1000}; // between disconnect and connect when the speed changes
    ms afterReconnect{300};    // settle time after a reconnect
    ms reportDrainLimit{5000}; // how long error handling waits for queued reports to be taken
    ms exchangeTimeout{5000};  // one frame on the wire; the transport gives up after this
    ms connectTimeout{5000};   // opening a TCP connection
    std::chrono::seconds fileWatchdog{20};

    // Every wait divided by the factor: for tests that drive failure paths.
    static SLinkTimings Scaled(int divisor);
};
