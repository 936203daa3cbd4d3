#pragma once
// Decoding of the small integer references that cable fields hold: combiner port ids, TX path
// ids and multicoupler ids name a unit kind, its displayed number and the port or input used.

#include "model/UnitTypeRecord.h"

// Where a reference points. `port` is 1 or 2 for a combiner (DDU port a/b, RTC main/div) and
// 1-3 for the input A-C of a WBT; 0 where the unit has only one.
struct SCableTarget {
    int kind = kUnitKindNone;
    int displayed = 0;
    int port = 0;
    bool operator==(const SCableTarget&) const = default;
};

namespace cableref {

constexpr int kExternalKettraPort = 17;
constexpr int kExternalOrvikPort = 18;
// TX path ids below this name a WBC by its number; from here on a WBT input.
constexpr int kFirstWbtPathId = 25;

// DDU k: 2k-1 (a), 2k (b); RTC k: 2k+11 (main), 2k+12 (div); 17/18 the external cabinets.
bool DecodeCombinerPort(int id, SCableTarget& out);
int CombinerPortId(int kind, int displayed, int port);

// 1-24 a WBC; from 25 on WBT ((v-24)/3 rounded up) with input A, B or C.
bool DecodeTxPath(int id, SCableTarget& out);
int WbtPathId(int wbt, int input);

// 1-6 a Multicoupler 2-way, 7-12 a Multicoupler 6-way id - 6.
bool DecodeMulticoupler(int id, SCableTarget& out);

} // namespace cableref
