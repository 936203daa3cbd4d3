#include "files/ReportUnits.h"

#include "model/DataBaseKODA.h"

namespace ReportUnits {

namespace {

const CUnit* NotUpgrade(const CUnit* unit) {
    return unit != nullptr && !unit->IsUpgrade() ? unit : nullptr;
}

} // namespace

const CUnit* Present(const CDataBaseKODA& db, int kind, int number) {
    return NotUpgrade(db.FindUnit(kind, number));
}

const CUnit* PresentByDisplayedNumber(const CDataBaseKODA& db, int kind, int displayedNumber) {
    return NotUpgrade(db.FindUnitByDisplayedNumber(kind, displayedNumber));
}

const CUnit* Combiner(const CDataBaseKODA& db, int portId) {
    if (portId >= 1 && portId <= 12) {
        return PresentByDisplayedNumber(db, kUnitKindDdu, (portId - 1) / 2 + 1);
    }
    if (portId >= 13 && portId <= 16) {
        return PresentByDisplayedNumber(db, kUnitKindRtc, (portId - 13) / 2 + 1);
    }
    return nullptr;
}

const char* ExternalCabinetName(int portId) {
    if (portId == 17) {
        return "External Kettra";
    }
    if (portId == 18) {
        return "External Orvik";
    }
    return nullptr;
}

const CUnit* Multicoupler(const CDataBaseKODA& db, int id) {
    if (id >= 1 && id <= 6) {
        return PresentByDisplayedNumber(db, kUnitKindMc2, id);
    }
    if (id >= 7 && id <= 12) {
        return PresentByDisplayedNumber(db, kUnitKindMc6, id - 6);
    }
    return nullptr;
}

const CUnit* TxPathUnit(const CDataBaseKODA& db, int id) {
    if (id >= 1 && id < 25) {
        return PresentByDisplayedNumber(db, kUnitKindWbc, id);
    }
    if (id >= 25) {
        const int offset = id - 24;
        const int number = offset % 3 != 0 ? offset / 3 + 1 : offset / 3;
        return PresentByDisplayedNumber(db, kUnitKindWbt, number);
    }
    return nullptr;
}

} // namespace ReportUnits
