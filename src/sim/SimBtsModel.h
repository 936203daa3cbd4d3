#pragma once
// What the simulated BTS reports about itself: its type, units and their states, the texts it
// gives for each unit, and the changes it makes on its own after a while.

#include <cstdint>
#include <string>
#include <vector>

#include <nlohmann/json_fwd.hpp>

struct SSimUnit {
    std::string kind = "TRX"; // TRX, DDU, BB2, RTC or TRE
    int index = 1;
    int band = 1800; // TRX only: 900, 1800, 1900 or 800
    int state = 0;   // state byte of its device status
    std::string typeText;
    std::string serial;
    std::string product;
    bool edge = false; // TRX only: reported as an EDGE transceiver
};

struct SSimEvent {
    int afterMs = 0; // after link-up
    std::string kind = "BCF";
    int index = 1;
    int state = -1; // a new state byte, or -1
    bool lost = false;
    int alarm = -1; // alarm number, or -1
    int severity = 1;
    int level = 1;
};

struct SSimBtsModel {
    int type = 19;    // 17, 18, 19, 20 and 22 are Orvik BTS types the program supports
    int variant = -1; // 200-206, or -1 to leave it out
    int swLevel = 31;
    int bcfState = 4; // Commissioning
    std::vector<SSimUnit> units;
    std::vector<SSimEvent> events;

    // A supported BTS with the BOI, BB2 1-6, TRX 1-12 (1800), DDU 1-6 and its BCF in
    // "Commissioning".
    static SSimBtsModel Default();
};

// The object code and index under which the BTS names a unit; false for an unknown kind.
bool SimObjectCode(const std::string& kind, int index, int& code, int& btsIndex);
// Reads the "bts" section; false with a message.
bool ParseSimBtsModel(const nlohmann::json& section, SSimBtsModel& model, std::string& error);

namespace simmsg {
using Bytes = std::vector<uint8_t>;
Bytes BtsReported(const SSimBtsModel& model);
Bytes InformationStatus(const SSimBtsModel& model);
Bytes DeviceStatus(const SSimBtsModel& model);
// Device status of one object; a lost one when `lost`.
Bytes OneStatus(int code, int index, bool lost, int state);
Bytes Alarm(int code, int index, int number, int severity, int level);
// Identities of every unit, then the answer for one unit's attributes.
Bytes Identities(const SSimBtsModel& model);
Bytes Attributes(const SSimBtsModel& model, int objectClass, int btsIndex);
} // namespace simmsg
