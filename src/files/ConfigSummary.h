#pragma once
// The counts and cable references of one Orvik configuration that summaries show and compare.
// Upgrade units are planned, not installed, and are left out of every count.

#include <array>
#include <vector>

#include "files/HWInfoFile.h"

class CDataBaseKODA;

// Cabling kinds, as cable classes number them.
enum ECablingKind : int {
    kCablingTx = 1,
    kCablingRxMain = 2,
    kCablingRxDiv = 3,
};

struct SCablingSummary {
    int trxUnits = 0;
    // Indexed by cabling kind - 1.
    std::array<int, 3> trxWithCabling{};
    std::array<int, 3> cables{};
    // Per TRX 1-12 and kind: TX path 1, path 2, combiner; RX multicoupler, path 2, combiner.
    std::array<std::array<std::array<int, 3>, 12>, 3> ports{};
};

struct SCrossConnectionSummary {
    // Per TRX 1-12 the BB2 channel; an absent TRX counts as using its own number.
    std::array<int, 12> channel{};
    bool straightThrough = true;
};

struct SAntennaSummary {
    int connected = 0;
    int withMha = 0;
    std::array<int, 12> connection{};
    std::array<int, 12> mhaType{};
    std::array<int, 12> attenuation{};
};

struct SUnitKey {
    int kind = 0;
    int number = 0;
    int typeId = 0;
    bool operator==(const SUnitKey&) const = default;
};

struct SConfigSummary {
    bool exists = false;
    bool hasCabinet = false;
    SCablingSummary cabling;
    SCrossConnectionSummary cross;
    SAntennaSummary antennas;
    int trxUnits = 0;
    int cablingUnits = 0;
    // The installed units in configuration order, for telling unit lists apart.
    std::vector<SUnitKey> units;

    static SConfigSummary Of(const CDataBaseKODA* db);
    bool CablingEqual(const SConfigSummary& other, int kind) const;
};

// Unit kinds that carry cabling: DDU, both multicouplers, WBC, RTC and WBT.
bool IsCablingUnitKind(int kind);
