#pragma once
// What the simulated BTS is and how it misbehaves, read from a JSON scenario file.

#include "sim/SimBtsModel.h"
#include <cstdint>

#include <map>
#include <optional>
#include <string>
#include <vector>

struct SSimReply {
    std::vector<uint8_t> message; // its id bytes are replaced by the request's
    size_t size = 0;              // padded up to this size with a counting pattern
    std::vector<std::vector<uint8_t>> uplinkBefore; // sent ahead of the reply
};

// One fault at one configuration block request (a generic request, counted from 1 over the
// simulator's life, retries included), so that a test can break a transfer at a chosen step.
struct SSimBlockFault {
    enum class Kind { None, Drop, Delay, Corrupt, Silence, Status, Oversize };
    Kind kind = Kind::None;
    int request = 0; // the n-th block request
    int value = 0;   // Delay: milliseconds; Status: the link status value
};

// "KIND@N" or "KIND@N:VALUE", KIND one of drop, delay, corrupt, silence, status, oversize;
// delay and status need their value. False on anything else.
bool ParseSimBlockFault(const std::string& text, SSimBlockFault& out);

struct SSimFaults {
    int closeAfterFrames = 0;     // drop the connection after answering this many frames
    bool refuseAfterDrop = false; // and take no further connection
    int replyDelayMs = 0;         // before every answer
    int corruptFrame = 0;         // garble the body of the n-th answer (1-based)
    int silentAfterFrames = 0;    // stop answering after this many frames
    int statusAfterFrames = -1;   // answer polls with statusValue once this many were answered
    int statusValue = 0;
    int statusTimes = 0; // how many polls get statusValue; 0: all of them
    SSimBlockFault blockFault;
};

struct SSimScenario {
    std::string name = "Orvik BTS";
    int linkStatus = 0x20;
    std::vector<std::vector<uint8_t>> uplink; // unsolicited messages, in order
    // Sent again to every new client (a new connection, or a speed request on a serial line),
    // as a BTS reports itself to each one.
    std::vector<std::vector<uint8_t>> reportOnConnect;
    std::map<uint8_t, SSimReply> replies; // by request type
    SSimFaults faults;
    // Configuration blocks the BTS holds at start, by operation code (0 first file, 1 passive
    // units, 3 second file, 4 cross-connection block).
    std::map<int, std::vector<uint8_t>> stored;
    // When set, the BTS reports itself after link-up and answers hardware, autodetect and
    // cross-connection requests from it.
    std::optional<SSimBtsModel> bts;
};

// Parses hex bytes, blanks allowed between them; false on anything else.
bool ParseHex(const std::string& text, std::vector<uint8_t>& out);

// Reads a scenario; false with a message naming the problem.
bool LoadSimScenario(const std::string& path, SSimScenario& scenario, std::string& error);
bool ParseSimScenario(const std::string& json, SSimScenario& scenario, std::string& error);
