#include "files/ConfigSummary.h"

#include "model/CableReferences.h"
#include "model/DataBaseKODA.h"
#include "model/UnitKTrx.h"

namespace {

std::array<int, 3> PortsOf(const STrxCabling& c, int kind) {
    switch (kind) {
    case kCablingTx:
        return {c.txPath1, c.txPath2, c.txCombinerId};
    case kCablingRxMain:
        return {c.rxMainMulticoupler, c.rxMainPath2, c.rxCombinerId};
    default:
        return {c.rxDiversityMulticoupler, c.rxDiversityPath2, c.rxDiversityCombiner};
    }
}

bool AnySet(const std::array<int, 3>& ports) {
    return ports[0] > 0 || ports[1] > 0 || ports[2] > 0;
}

bool TouchesUpgradeUnit(const CCabling& cable) {
    return (cable.Start() != nullptr && cable.Start()->IsUpgrade()) ||
           (cable.End() != nullptr && cable.End()->IsUpgrade());
}

// A multicoupler's cable to a transceiver whose path has no combiner yet: the candidate shows it
// while the user draws, but the path is not cabled, so it is not counted on either side.
bool IsUnfedRxCable(const CCabling& cable, int kind) {
    const CUnit* start = cable.Start();
    if ((kind != kCablingRxMain && kind != kCablingRxDiv) || start == nullptr ||
        (start->Kind() != kUnitKindMc2 && start->Kind() != kUnitKindMc6)) {
        return false;
    }
    const auto* trx = dynamic_cast<const CUnitKTrx*>(cable.End());
    if (trx == nullptr) {
        return false;
    }
    const int combiner =
        kind == kCablingRxMain ? trx->Cabling().rxCombinerId : trx->Cabling().rxDiversityCombiner;
    SCableTarget target;
    return combiner <= 0 || !cableref::DecodeCombinerPort(combiner, target);
}

} // namespace

bool IsCablingUnitKind(int kind) {
    return kind == kUnitKindDdu || kind == kUnitKindMc2 || kind == kUnitKindMc6 ||
           kind == kUnitKindWbc || kind == kUnitKindRtc || kind == kUnitKindWbt;
}

SConfigSummary SConfigSummary::Of(const CDataBaseKODA* db) {
    SConfigSummary s;
    for (int n = 1; n <= 12; ++n) {
        s.cross.channel[n - 1] = n;
    }
    if (db == nullptr) {
        return s;
    }
    s.exists = true;
    s.hasCabinet = db->Cabinet(0) != nullptr;

    for (const auto& unit : db->Units()) {
        if (unit->IsUpgrade() || unit->IsShownOnly() || unit->Kind() == kUnitKindExternal) {
            continue;
        }
        s.units.push_back({unit->Kind(), unit->Number(), unit->TypeId()});
        if (IsCablingUnitKind(unit->Kind())) {
            ++s.cablingUnits;
        }
        const auto* trx = dynamic_cast<const CUnitKTrx*>(unit.get());
        if (trx == nullptr) {
            continue;
        }
        ++s.trxUnits;
        const int n = trx->Number();
        if (n < 1 || n > 12) {
            continue;
        }
        ++s.cabling.trxUnits;
        s.cross.channel[n - 1] = trx->Bb2Id();
        s.cross.straightThrough = s.cross.straightThrough && trx->Bb2Id() == n;
        for (int kind = kCablingTx; kind <= kCablingRxDiv; ++kind) {
            const auto ports = PortsOf(trx->Cabling(), kind);
            s.cabling.ports[kind - 1][n - 1] = ports;
            if (AnySet(ports)) {
                ++s.cabling.trxWithCabling[kind - 1];
            }
        }
    }

    for (const auto& cable : db->Cables()) {
        const int kind = cable->CableClass();
        if (kind >= kCablingTx && kind <= kCablingRxDiv && !cable->IsMarker() &&
            !TouchesUpgradeUnit(*cable) && !IsUnfedRxCable(*cable, kind)) {
            ++s.cabling.cables[kind - 1];
        }
    }

    for (int a = 1; a <= CDataBaseKODA::kAntennas; ++a) {
        const CAntenna* antenna = db->Antenna(a);
        s.antennas.connection[a - 1] = antenna->ConnectedCombiner();
        s.antennas.mhaType[a - 1] = antenna->MhaType();
        s.antennas.attenuation[a - 1] = antenna->Attenuation();
        if (antenna->ConnectedCombiner() > 0) {
            ++s.antennas.connected;
        }
        const int plain = antenna->MhaType(true);
        if (plain == 2 || plain == 3 || plain == 7) {
            ++s.antennas.withMha;
        }
    }
    return s;
}

bool SConfigSummary::CablingEqual(const SConfigSummary& other, int kind) const {
    const int i = kind - 1;
    return cabling.trxWithCabling[i] == other.cabling.trxWithCabling[i] &&
           cabling.cables[i] == other.cabling.cables[i] &&
           cabling.ports[i] == other.cabling.ports[i];
}
