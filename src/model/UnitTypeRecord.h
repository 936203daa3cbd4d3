#pragma once
// One row of a unit type catalogue: what a unit type is called, which bands it serves and
// whether it is EDGE-capable.

#include <cstdint>

// Unit kinds (catalogue categories) shared by the whole model.
enum EUnitKind : int {
    kUnitKindNone = 0,
    kUnitKindTrx = 1,
    kUnitKindBoi = 2,
    kUnitKindBb2 = 3,
    kUnitKindPwr = 4,
    kUnitKindTre = 5,
    kUnitKindDdu = 6,
    kUnitKindBtr = 7,
    kUnitKindMc2 = 8,
    kUnitKindMc6 = 9,
    kUnitKindWbc = 10,
    kUnitKindMha = 11,
    kUnitKindRtc = 12,
    kUnitKindInterface = 13, // Selmo only
    kUnitKindFan = 14,       // Selmo only
    kUnitKindExternal = 15,  // Orvik external cabinets, Selmo outer units
    kUnitKindWbt = 16,
};

// Band mask bits and the EDGE marks carried above them in a band value.
constexpr int kBand900 = 1;
constexpr int kBand1800 = 2;
constexpr int kBand1900 = 4;
constexpr int kBand800 = 8;
constexpr int kBandLowSet = 9;  // 800 and 900: low-band multicouplers and combiners
constexpr int kBandHighSet = 6; // 1800 and 1900
constexpr int kBandMaskBits = 0x7F;
constexpr int kEdgeAll = 0x80;
constexpr int kEdgeSome = 0x100;
constexpr int kBandAny = 65535; // generic catalogue rows

// EDGE capability of a row.
constexpr int kEdgeCapNone = 1;
constexpr int kEdgeCapEdge = 2;
constexpr int kEdgeCapEither = 3;

struct UnitTypeRecord {
    int32_t category;
    int32_t typeId;
    char code[8];
    int32_t band;
    int32_t edge;
    char description[32];
    int32_t reserved;
};

enum class EUnitFamily { Orvik, Selmo };
