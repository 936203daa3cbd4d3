#include "model/CableConnectors.h"

#include "model/Connector.h"
#include "model/DataBase.h"
#include "model/Unit.h"

namespace {

bool HasNoConnectors(const CUnit& unit) {
    return unit.Kind() == kUnitKindExternal;
}

int LastIndexOf(const CUnit& unit, int kind) {
    int last = 0;
    for (const SConnector& c : unit.Connectors()) {
        if (c.kind == kind && c.index > last) {
            last = c.index;
        }
    }
    return last;
}

// The output end of a combiner or multicoupler on an RX path.
bool RxOutput(CUnit& unit, int port, bool diversity, SCableEnd& out) {
    out.unit = &unit;
    switch (unit.Kind()) {
    case kUnitKindDdu:
        // Each DDU port has two RX outputs, shared by the main and diversity paths.
        out.kind = kConnRxMainOut;
        out.first = port == 2 ? 3 : 1;
        out.last = out.first + 1;
        return true;
    case kUnitKindRtc:
        if (port == 2) {
            out.kind = kConnRxDivOut;
            out.first = out.last = 1;
        } else {
            out.kind = kConnRxMainOut;
            out.first = 1;
            out.last = 2;
        }
        return true;
    case kUnitKindMc2:
    case kUnitKindMc6:
        out.kind = diversity ? kConnRxDivOut : kConnRxMainOut;
        out.first = 1;
        out.last = LastIndexOf(unit, out.kind);
        return true;
    case kUnitKindExternal:
        out.kind = diversity ? kConnRxDivOut : kConnRxMainOut;
        return true;
    default:
        return false;
    }
}

bool TxInput(CUnit& unit, int port, SCableEnd& out) {
    out.unit = &unit;
    out.kind = kConnTxIn;
    switch (unit.Kind()) {
    case kUnitKindWbc:
        out.first = 1;
        out.last = 2;
        return true;
    case kUnitKindWbt:
        // Inputs A, B and C are the three two-input combiners of the unit.
        if (port < 1 || port > 3) {
            return false;
        }
        out.first = 2 * port - 1;
        out.last = 2 * port;
        return true;
    case kUnitKindDdu:
        out.first = out.last = port == 2 ? 2 : 1;
        return true;
    case kUnitKindRtc:
        out.first = 1;
        out.last = LastIndexOf(unit, kConnTxIn);
        return true;
    case kUnitKindExternal:
        return true;
    default:
        return false;
    }
}

bool TxOutput(CUnit& unit, int port, SCableEnd& out) {
    out.unit = &unit;
    out.kind = kConnTxOut;
    switch (unit.Kind()) {
    case kUnitKindTrx:
    case kUnitKindWbc:
        return true;
    case kUnitKindWbt:
        if (port >= 1 && port <= 3) {
            out.first = out.last = port;
        } else {
            out.last = 3;
        }
        return true;
    default:
        return false;
    }
}

bool RxInput(CUnit& unit, bool diversity, SCableEnd& out) {
    const int k = unit.Kind();
    if (k != kUnitKindTrx && k != kUnitKindMc2 && k != kUnitKindMc6) {
        return false;
    }
    out.unit = &unit;
    out.kind = diversity ? kConnRxDivIn : kConnRxMainIn;
    return true;
}

bool AntennaPort(CUnit& unit, int port, SCableEnd& out) {
    out.unit = &unit;
    out.kind = kConnCombinerAntenna;
    switch (unit.Kind()) {
    case kUnitKindDdu:
    case kUnitKindRtc:
        out.first = out.last = port == 2 ? 2 : 1;
        return true;
    case kUnitKindExternal:
        return true;
    default:
        return false;
    }
}

} // namespace

bool CableEnds(int cableType, CUnit& source, int sourcePort, CUnit& target, int targetPort,
               SCableEnd& start, SCableEnd& end) {
    switch (cableType) {
    case kCableTx:
        return TxOutput(source, sourcePort, start) && TxInput(target, targetPort, end);
    case kCableRxMain:
    case kCableRxDiv: {
        const bool diversity = cableType == kCableRxDiv;
        return RxOutput(target, targetPort, diversity, start) && RxInput(source, diversity, end);
    }
    case kCableAntenna:
        if (source.Kind() != kUnitKindMha || !AntennaPort(target, targetPort, start)) {
            return false;
        }
        end.unit = &source;
        end.kind = kConnMhaAntenna;
        return true;
    default:
        return false;
    }
}

int FreeIndex(const CDataBase& db, const SCableEnd& end, bool atStart) {
    if (HasNoConnectors(*end.unit)) {
        return 1;
    }
    for (int index = end.first; index <= end.last; ++index) {
        if (end.unit->FindConnector(end.kind, index) == nullptr) {
            continue;
        }
        bool used = false;
        for (const auto& cable : db.Cables()) {
            if (cable->IsMarker()) {
                continue;
            }
            used = atStart ? cable->Start() == end.unit && cable->StartKind() == end.kind &&
                                 cable->StartIndex() == index
                           : cable->End() == end.unit && cable->EndKind() == end.kind &&
                                 cable->EndIndex() == index;
            if (used) {
                break;
            }
        }
        if (!used) {
            return index;
        }
    }
    return -1;
}

CCabling* ExistingCable(const CDataBase& db, const SCableEnd& start, const SCableEnd& end) {
    for (const auto& cable : db.Cables()) {
        if (!cable->IsMarker() && cable->Start() == start.unit && cable->End() == end.unit &&
            cable->StartKind() == start.kind && cable->EndKind() == end.kind &&
            start.Accepts(cable->StartIndex()) && end.Accepts(cable->EndIndex())) {
            return cable.get();
        }
    }
    return nullptr;
}

int MarkIndex(const CUnit& combiner, int port) {
    if (combiner.Kind() == kUnitKindDdu || combiner.Kind() == kUnitKindRtc) {
        return port == 2 ? 2 : 1;
    }
    return 1;
}
