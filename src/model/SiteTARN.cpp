#include "model/SiteTARN.h"

CUnitTTRX* CSiteTARN::FindTrx(int number, int selector) {
    CDataBase* db = GetConfiguration(selector);
    return db != nullptr ? db->Find<CUnitTTRX>(kUnitKindTrx, number) : nullptr;
}

namespace {

// Leaves the transceiver that was paired with this one without a pair, unless it names
// another transceiver (a file may carry one-sided pairs; those are not this one's to clear).
void ReleasePartner(CSiteTARN& site, const CUnitTTRX& trx, int selector) {
    if (!trx.HasDiversityPair()) {
        return;
    }
    CUnitTTRX* partner = site.FindTrx(trx.DiversityPair(), selector);
    if (partner != nullptr && partner != &trx && partner->DiversityPair() == trx.Number()) {
        partner->SetDiversityPair(CUnitTTRX::kNoPair);
    }
}

} // namespace

bool CSiteTARN::SetDiversityPair(int trx, int pair, int selector) {
    CUnitTTRX* unit = FindTrx(trx, selector);
    if (unit == nullptr) {
        return false;
    }
    if (pair <= 0 || pair == trx) {
        ReleasePartner(*this, *unit, selector);
        unit->SetDiversityPair(CUnitTTRX::kNoPair);
        return true;
    }
    CUnitTTRX* partner = FindTrx(pair, selector);
    if (partner == nullptr) {
        return false;
    }
    ReleasePartner(*this, *unit, selector);
    ReleasePartner(*this, *partner, selector);
    unit->SetDiversityPair(pair);
    partner->SetDiversityPair(trx);
    return true;
}

int CSiteTARN::ClearDiversityPairs(int selector) {
    CDataBase* db = GetConfiguration(selector);
    if (db == nullptr) {
        return 0;
    }
    int cleared = 0;
    for (const auto& u : db->Units()) {
        if (auto* trx = dynamic_cast<CUnitTTRX*>(u.get());
            trx != nullptr && trx->HasDiversityPair()) {
            trx->SetDiversityPair(CUnitTTRX::kNoPair);
            ++cleared;
        }
    }
    return cleared;
}
