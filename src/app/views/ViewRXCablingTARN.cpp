#include "app/views/ViewRXCablingTARN.h"

#include <algorithm>
#include <set>
#include <utility>

#include "app/views/ViewBaseTARN.h"
#include "model/Cabling.h"
#include "model/DataBase.h"
#include "model/UnitsTARN.h"

namespace {

// The RX diversity input sits at the left end of a transceiver front, so that the pair cables
// loop down the free side of the cabinet.
SPoint DiversityInput(const SSceneUnit& unit) {
    return {unit.rect.left, (unit.rect.top + unit.rect.bottom) / 2};
}

} // namespace

CViewRXCablingTARN::CViewRXCablingTARN(CViewBaseTARN& manager)
    : CViewPageBase(manager,
                    {kViewRxCablingTARN,
                     kName,
                     "RX Div.\nPairs",
                     307,
                     32784,
                     {"Transceiver", "RX Diversity Pair"},
                     {}},
                    kGroupRxDiv),
      m_selmo(manager) {}

bool CViewRXCablingTARN::Shows(const CUnit& unit) const {
    return unit.Family() == EUnitFamily::Selmo;
}

void CViewRXCablingTARN::AddCables(SCabinetScene& scene) const {
    const CUnit* selected = Manager().SelectedUnit();
    const bool onlySelected = Manager().ShowOnlySelectedCabling() && selected != nullptr;
    std::vector<SSceneCable> plain;
    std::vector<SSceneCable> chosen;
    // Both ends of a pair name each other: each pair is drawn once.
    std::set<std::pair<int, int>> drawn;
    for (const SSceneUnit& end : scene.units) {
        const auto* trx = dynamic_cast<const CUnitTTRX*>(end.unit);
        const CUnitTTRX* partner = trx != nullptr ? m_selmo.PartnerOf(*trx) : nullptr;
        const SSceneUnit* other = partner != nullptr ? scene.Find(partner) : nullptr;
        if (other == nullptr) {
            continue;
        }
        const std::pair<int, int> key = std::minmax(trx->Number(), partner->Number());
        if (!drawn.insert(key).second) {
            continue;
        }
        SSceneCable cable;
        cable.from = DiversityInput(end);
        cable.to = DiversityInput(*other);
        cable.cableType = kCableRxDiv;
        cable.selected = selected != nullptr && (selected == trx || selected == partner);
        cable.colour = Manager().CableColourOrWhite(CableGroup(), cable.selected);
        cable.width = cable.selected ? 2.4 : 1.6;
        (cable.selected ? chosen : plain).push_back(cable);
    }
    if (!onlySelected) {
        scene.cables.insert(scene.cables.end(), plain.begin(), plain.end());
    }
    scene.cables.insert(scene.cables.end(), chosen.begin(), chosen.end());
}

void CViewRXCablingTARN::FillList(SListContent& content) const {
    CDataBase* db = Manager().ShownAny();
    if (db == nullptr) {
        return;
    }
    std::vector<const CUnitTTRX*> trxs;
    for (const auto& u : db->Units()) {
        if (const auto* trx = dynamic_cast<const CUnitTTRX*>(u.get()); trx && IsUnitShown(*trx)) {
            trxs.push_back(trx);
        }
    }
    std::stable_sort(trxs.begin(), trxs.end(), [](const CUnitTTRX* a, const CUnitTTRX* b) {
        return a->Number() < b->Number();
    });
    for (const CUnitTTRX* trx : trxs) {
        SListRow row;
        row.unitKind = trx->Kind();
        row.unitNumber = trx->Number();
        row.cells.push_back(CViewBaseTARN::UnitLabel(*trx));
        if (const CUnitTTRX* partner = m_selmo.PartnerOf(*trx)) {
            row.cells.push_back(CViewBaseTARN::UnitLabel(*partner));
        } else if (trx->HasDiversityPair() && trx->DiversityPair() != trx->Number()) {
            // A file may name a transceiver it does not hold; the list says so rather than
            // hiding the pair.
            row.cells.push_back("Transceiver " + std::to_string(trx->DiversityPair()) +
                                " (missing)");
        } else {
            row.cells.push_back(kNoPartner);
        }
        content.rows.push_back(std::move(row));
    }
}
