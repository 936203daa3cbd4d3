#include "model/CableReferences.h"

namespace cableref {

bool DecodeCombinerPort(int id, SCableTarget& out) {
    if (id >= 1 && id <= 12) {
        out = {kUnitKindDdu, (id + 1) / 2, id % 2 == 1 ? 1 : 2};
        return true;
    }
    if (id >= 13 && id <= 16) {
        out = {kUnitKindRtc, (id - 11) / 2, id % 2 == 1 ? 1 : 2};
        return true;
    }
    if (id == kExternalKettraPort || id == kExternalOrvikPort) {
        out = {kUnitKindExternal, 1, id};
        return true;
    }
    return false;
}

int CombinerPortId(int kind, int displayed, int port) {
    switch (kind) {
    case kUnitKindDdu:
        return 2 * displayed - 2 + port;
    case kUnitKindRtc:
        return 2 * displayed + 10 + port;
    default:
        return 0;
    }
}

bool DecodeTxPath(int id, SCableTarget& out) {
    if (id <= 0) {
        return false;
    }
    if (id < kFirstWbtPathId) {
        out = {kUnitKindWbc, id, 0};
        return true;
    }
    const int r = id - 24;
    const int wbt = r % 3 != 0 ? r / 3 + 1 : r / 3;
    const int input = r % 3 != 0 ? r % 3 : 3;
    out = {kUnitKindWbt, wbt, input};
    return true;
}

int WbtPathId(int wbt, int input) {
    return 24 + 3 * (wbt - 1) + input;
}

bool DecodeMulticoupler(int id, SCableTarget& out) {
    if (id >= 7 && id <= 12) {
        out = {kUnitKindMc6, id - 6, 0};
        return true;
    }
    if (id >= 1 && id <= 6) {
        out = {kUnitKindMc2, id, 0};
        return true;
    }
    return false;
}

} // namespace cableref
