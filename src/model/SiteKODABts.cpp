// Building the configuration currently in BTS from the objects the BTS reports.

#include <cstdint>

#include "model/BtsConfiguration.h"
#include "model/CabinetKODA.h"
#include "model/SiteKODA.h"

namespace {

// The unit kind behind a reported object class; 0 for classes that change nothing.
int KindOfObjectClass(int objectClass) {
    switch (objectClass) {
    case 1:
    case 10:
        return kUnitKindBoi;
    case 4:
        return kUnitKindTrx;
    case 5:
        return kUnitKindTre;
    case 6:
        return kUnitKindPwr;
    case 11:
        return kUnitKindBb2;
    case 12:
        return kUnitKindRtc;
    case 13:
        return kUnitKindDdu;
    default:
        return 0;
    }
}

} // namespace

void CSiteKODA::UnitReportedByBts(int objectClass, int number, const CLogicalUnit* reported) {
    const bool showBts = ShowsBts();
    SetShowBts(true);
    if (CBtsConfiguration::Get() == nullptr) {
        ResetBtsConfiguration();
        CBtsConfiguration::Get()->SetBand(Candidate()->Band());
    }
    if (objectClass == 0) {
        ResetBtsConfiguration();
        // A fresh start shows the candidate again.
        SetShowBts(false);
        return;
    }
    const int kind = KindOfObjectClass(objectClass);
    auto* bts = dynamic_cast<CDataBaseKODA*>(CBtsConfiguration::Get());
    if (kind == 0 || bts == nullptr) {
        SetShowBts(showBts);
        return;
    }
    if (kind == kUnitKindBoi) {
        number = 1;
    }
    CUnit* unit =
        kind == kUnitKindDdu
            ? bts->FindUnitByDisplayedNumber(kind, static_cast<int>((int64_t{number} - 1) / 2 + 1))
            : bts->FindUnit(kind, number);
    if (unit == nullptr && number != 0) {
        auto created = CreateUnitOfKind(kind);
        created->SetNumber(number);
        unit = created.get();
        bts->AddUnit(std::move(created));
    }
    if (bts->Cabinet(0) == nullptr) {
        bts->SetMainCabinet(CCabinetKODA::Create(kCabinetIndoor));
    }
    if (unit != nullptr) {
        unit->SetUpgrade(false);
        unit->SetIdle(false);
        if (unit->LogicalKind() != 0) {
            CLogicalUnit* logical = CreateLogicalUnit(unit->LogicalKind(), unit, kSelectBts);
            if (logical != nullptr && reported != nullptr) {
                logical->SetState(reported->State());
            }
        }
        const int band = bts->Band();
        unit->AdaptToBand(band == kBandAny || band == 15 ? kBand900 : band);
    }
    // Only a report that starts afresh may change what the view shows.
    SetShowBts(showBts);
}
