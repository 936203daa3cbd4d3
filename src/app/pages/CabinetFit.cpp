#include "app/pages/CabinetFit.h"

#include <memory>

#include "model/CabinetKODA.h"
#include "model/DataBaseKODA.h"
#include "model/SiteKODA.h"
#include "model/Unit.h"

std::vector<CUnit*> UnitsWithoutPlace(const CDataBaseKODA& db, int cabinetType) {
    std::vector<CUnit*> units;
    const std::unique_ptr<CCabinetKODA> target = CCabinetKODA::Create(cabinetType);
    const CCabinet* current = db.Cabinet(0);
    if (!target || current == nullptr) {
        return units;
    }
    for (const auto& unit : db.Units()) {
        if (unit->IsUpgrade() || unit->IsShownOnly() || unit->Owner() != nullptr ||
            current->PlaceIndex(*unit) < 0 || target->PlaceIndex(*unit) >= 0) {
            continue;
        }
        units.push_back(unit.get());
    }
    return units;
}

std::string DropQuestion(const CDataBaseKODA& db, int cabinetType) {
    const std::vector<CUnit*> units = UnitsWithoutPlace(db, cabinetType);
    if (units.empty()) {
        return {};
    }
    std::string names;
    for (const CUnit* unit : units) {
        names += (names.empty() ? "" : ", ") + unit->DisplayName();
    }
    return std::string("The ") + CCabinetKODA::TypeName(cabinetType) +
           " cabinet has no place for these units:\n" + names +
           "\nThey will be removed from the configuration. Change the cabinet type anyway?";
}

void DropUnits(CSiteKODA& site, const std::vector<CUnit*>& units) {
    for (CUnit* unit : units) {
        site.ReleaseUnitCabling(*unit);
        site.RemoveUnit(unit, kSelectCandidate);
    }
    if (CDataBaseKODA* db = site.GetKODA(kSelectCandidate)) {
        db->RebuildOccupancyMaps();
    }
    if (CCableGuy* guy = site.CableGuy(); guy != nullptr && !units.empty()) {
        guy->RecomputeCableStates(kSelectCandidate);
    }
}
