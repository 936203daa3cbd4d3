#include "app/views/ViewTexts.h"

#include "files/ReportUnits.h"
#include "model/DataBaseKODA.h"
#include "model/Unit.h"

namespace ViewTexts {

std::string Combiner(const CDataBaseKODA& db, int portId) {
    if (const char* external = ReportUnits::ExternalCabinetName(portId)) {
        return external;
    }
    const CUnit* unit = ReportUnits::Combiner(db, portId);
    return unit != nullptr ? CatalogueName(*unit, portId) : "-";
}

std::string Multicoupler(const CDataBaseKODA& db, int id) {
    const CUnit* unit = ReportUnits::Multicoupler(db, id);
    return unit != nullptr ? CatalogueName(*unit) : "-";
}

std::string TxPath(const CDataBaseKODA& db, int id) {
    const CUnit* unit = ReportUnits::TxPathUnit(db, id);
    return unit != nullptr ? CatalogueName(*unit, id >= 25 ? id : -1) : "-";
}

std::string Bb2Half(const CDataBaseKODA& db, int bb2Id) {
    if (bb2Id < 1 || bb2Id > 12) {
        return "-";
    }
    const CUnit* unit = ReportUnits::Present(db, kUnitKindBb2, (bb2Id - 1) / 2 + 1);
    return unit != nullptr ? CatalogueName(*unit, bb2Id) : "-";
}

namespace {

bool DetectedDiffers(const CUnit& unit) {
    const std::string& reported = unit.ReportedTypeText();
    return !reported.empty() && reported != unit.TypeCode();
}

} // namespace

std::string CatalogueName(const CUnit& unit, int portIndex) {
    std::string name = unit.DisplayName(portIndex);
    if (!DetectedDiffers(unit)) {
        return name;
    }
    // Names begin with the type code text, inside the brackets of an upgrade or idle unit.
    const std::string& reported = unit.ReportedTypeText();
    const std::size_t at = name.starts_with('(') ? 1 : 0;
    if (name.compare(at, reported.size(), reported) == 0) {
        name.replace(at, reported.size(), unit.TypeCode());
    }
    return name;
}

std::string UnitName(const CUnit& unit) {
    return DetectedDiffers(unit)
               ? CatalogueName(unit) + " (detected " + unit.ReportedTypeText() + ")"
               : unit.DisplayName();
}

const char* YesNo(bool value) {
    return value ? "Yes" : "No";
}

} // namespace ViewTexts
