#pragma once
// Which connectors a cable between two units may use, and which of them are still free in a
// configuration: the connector side of making cables.

#include "model/CableReferences.h"

class CDataBase;
class CCabling;
class CUnit;

// One end of a cable to be made: the unit, the connector kind and the range of indexes that
// serve the reference. Units without connectors (the external cabinets) take any number of
// cables on index 1.
struct SCableEnd {
    CUnit* unit = nullptr;
    int kind = 0;
    int first = 1;
    int last = 1;
    bool Accepts(int index) const { return index >= first && index <= last; }
};

// The two ends of a cable of the type between `source` and `target` (the end nearer the
// antenna). `targetPort` is the combiner port or WBT input the reference names, `sourcePort`
// the WBT input through which a TX path reached a WBT source. False when the pair cannot be
// cabled with that type.
bool CableEnds(int cableType, CUnit& source, int sourcePort, CUnit& target, int targetPort,
               SCableEnd& start, SCableEnd& end);

// The first index of the end that no cable of the configuration uses; -1 when all are taken.
int FreeIndex(const CDataBase& db, const SCableEnd& end, bool atStart);

// The cable already running between the two ends on acceptable connectors, if any.
CCabling* ExistingCable(const CDataBase& db, const SCableEnd& start, const SCableEnd& end);

// The connector index of the state mark a marker cable of the type ends at on a combiner.
int MarkIndex(const CUnit& combiner, int port);
