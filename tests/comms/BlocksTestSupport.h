#pragma once
// Configurations for the stored-block tests: a site's first candidate with combiners added.

#include <memory>

#include "model/DataBaseKODA.h"
#include "model/SiteKODA.h"
#include "model/UnitKTrx.h"
#include "model/UnitsKODA.h"

namespace blocks_test {

inline CUnit* AddUnit(CDataBaseKODA& db, int kind, int number, int typeId = 0) {
    auto unit = CSiteKODA::CreateUnitOfKind(kind);
    unit->SetNumber(number);
    if (typeId != 0) {
        unit->SetType(typeId);
    }
    CUnit* raw = unit.get();
    db.AddUnit(std::move(unit));
    return raw;
}

inline CUnitKTrx* Trx(CDataBaseKODA& db, int number) {
    return db.Find<CUnitKTrx>(kUnitKindTrx, number);
}

// A copy of a new site's first candidate (twelve TRXs, straight cross-connection).
inline std::unique_ptr<CDataBaseKODA> FirstCandidate() {
    CSiteKODA site;
    auto db = std::make_unique<CDataBaseKODA>();
    db->CopyFrom(site.TemplateConfiguration());
    return db;
}

} // namespace blocks_test
