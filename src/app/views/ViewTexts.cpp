#include "app/views/ViewTexts.h"

#include "files/ReportUnits.h"
#include "model/DataBaseKODA.h"

namespace ViewTexts {

std::string Combiner(const CDataBaseKODA& db, int portId) {
    if (const char* external = ReportUnits::ExternalCabinetName(portId)) {
        return external;
    }
    const CUnit* unit = ReportUnits::Combiner(db, portId);
    return unit != nullptr ? unit->DisplayName(portId) : "-";
}

std::string Multicoupler(const CDataBaseKODA& db, int id) {
    const CUnit* unit = ReportUnits::Multicoupler(db, id);
    return unit != nullptr ? unit->DisplayName() : "-";
}

std::string TxPath(const CDataBaseKODA& db, int id) {
    const CUnit* unit = ReportUnits::TxPathUnit(db, id);
    return unit != nullptr ? unit->DisplayName(id >= 25 ? id : -1) : "-";
}

std::string Bb2Half(const CDataBaseKODA& db, int bb2Id) {
    if (bb2Id < 1 || bb2Id > 12) {
        return "-";
    }
    const CUnit* unit = ReportUnits::Present(db, kUnitKindBb2, (bb2Id - 1) / 2 + 1);
    return unit != nullptr ? unit->DisplayName(bb2Id) : "-";
}

const char* YesNo(bool value) {
    return value ? "Yes" : "No";
}

} // namespace ViewTexts
