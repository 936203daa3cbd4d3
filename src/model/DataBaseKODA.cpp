#include "model/DataBaseKODA.h"

#include "model/CabinetKODA.h"

namespace {

int g_defaultCableColouring = 0;

bool InCombinerColumn(int kind) {
    return kind == kUnitKindDdu || kind == kUnitKindWbc || kind == kUnitKindRtc ||
           kind == kUnitKindWbt;
}

bool InMulticouplerColumn(int kind) {
    return kind == kUnitKindMc2 || kind == kUnitKindMc6;
}

} // namespace

int ColumnFirstPlace(const CUnit& unit) {
    const int n = unit.Number();
    // Numbers outside the column occupy nothing (and cannot overflow the arithmetic below).
    if (n < 1 || n > CDataBaseKODA::kPlaces) {
        return CDataBaseKODA::kPlaces + 1;
    }
    if (unit.Kind() == kUnitKindMc6 && n == 3) {
        return 9;
    }
    if (unit.Kind() == kUnitKindRtc || unit.Kind() == kUnitKindMc6) {
        return n * 6 - 5;
    }
    return n;
}

CDataBaseKODA::CDataBaseKODA() : m_cableColouring(g_defaultCableColouring) {}

std::unique_ptr<CDataBase> CDataBaseKODA::CreateEmpty() const {
    return std::make_unique<CDataBaseKODA>();
}

void CDataBaseKODA::SetDefaultCableColouring(int option) {
    g_defaultCableColouring = option;
}

void CDataBaseKODA::RebuildOccupancyMaps() {
    m_multicouplerMap.fill(0);
    m_combinerMap.fill(0);
    for (const auto& unit : Units()) {
        if (unit->Owner() != nullptr || unit->IsUpgrade()) {
            continue;
        }
        std::array<int, kPlaces>* map = nullptr;
        if (InCombinerColumn(unit->Kind())) {
            map = &m_combinerMap;
        } else if (InMulticouplerColumn(unit->Kind())) {
            map = &m_multicouplerMap;
        } else {
            continue;
        }
        const int first = ColumnFirstPlace(*unit);
        for (int i = 0; i < unit->Width(); ++i) {
            const int place = first + i;
            if (place >= 1 && place <= kPlaces) {
                (*map)[place - 1] = i == 0 ? unit->Kind() : kContinuation;
            }
        }
    }
}

int CDataBaseKODA::TransferStatus(int step) const {
    return step >= 1 && step <= 3 ? m_transferStatus[step - 1] : 0;
}

void CDataBaseKODA::SetTransferStatus(int step, int status) {
    if (step >= 1 && step <= 3) {
        m_transferStatus[step - 1] = status;
    }
}

bool CDataBaseKODA::TransferPending(int step) const {
    return step >= 1 && step <= 3 && m_transferPending[step - 1];
}

void CDataBaseKODA::SetTransferPending(int step, bool pending) {
    if (step >= 1 && step <= 3) {
        m_transferPending[step - 1] = pending;
    }
}

const char* CDataBaseKODA::ClockSyncText(int mode) {
    switch (mode) {
    case 0:
        return "Auto Detect Off";
    case 1:
        return "Autodetect On";
    case 2:
        return "LMU is Master";
    default:
        return "LMU is Master in chain";
    }
}

std::string CDataBaseKODA::SummaryLine() const {
    std::string line = CCabinetKODA::TypeName(m_cabinet.cabinetType);
    line += ", Clock Sync. is ";
    line += ClockSyncText(m_cabinet.clockSync);
    if (m_cabinet.lte == 1) {
        line += ", LTE is in use";
    }
    if (m_cabinet.wcdma == 1) {
        line += ", WCDMA upgrade is in use";
    }
    if (m_cabinet.mrc == 1) {
        line += ", MRC support with WBC in use";
    }
    return line;
}

CAntenna* CDataBaseKODA::Antenna(int number) {
    return number >= 1 && number <= kAntennas ? &m_antennas[number - 1] : nullptr;
}

const CAntenna* CDataBaseKODA::Antenna(int number) const {
    return number >= 1 && number <= kAntennas ? &m_antennas[number - 1] : nullptr;
}

std::string CDataBaseKODA::AntennaAttenuationText(int number) const {
    const CAntenna* antenna = Antenna(number);
    if (antenna == nullptr || FindUnit(kUnitKindMha, number) == nullptr) {
        return "Invalid unit";
    }
    return antenna->AttenuationText();
}

void CDataBaseKODA::CopyFamilySettings(const CDataBase& other) {
    const auto* o = dynamic_cast<const CDataBaseKODA*>(&other);
    if (o == nullptr) {
        return;
    }
    m_antennas = o->m_antennas;
    m_cabinet = o->m_cabinet;
    m_cableColouring = o->m_cableColouring;
}
