#include "rules/SearchApply.h"

#include <vector>

#include "files/SiteRecords.h"
#include "model/BtsConfiguration.h"
#include "model/SiteKODA.h"
#include "model/UnitKTrx.h"

namespace {

bool NotDetected(const CUnit& unit) {
    return unit.IsUpgrade() || unit.IsIdle();
}

// Whether a transceiver of the candidate is cabled to the DDU or RTC.
bool TrxCabledTo(CDataBase& db, const CUnit& combiner) {
    const int endpoint = combiner.OwnReference();
    for (int n = 1; n <= 12; ++n) {
        const auto* trx = db.Find<CUnitKTrx>(kUnitKindTrx, n);
        if (trx == nullptr) {
            continue;
        }
        const STrxCabling& c = trx->Cabling();
        if (c.txCombinerId == endpoint || c.rxCombinerId == endpoint ||
            c.rxDiversityCombiner == endpoint) {
            return true;
        }
    }
    return false;
}

void RestrictCombiners(CSiteKODA& site, CDataBase* bts, int kind, int count,
                       bool onlyAutodetected) {
    CDataBase* db = site.GetConfiguration(kSelectCandidate);
    for (int n = 1; n <= count; ++n) {
        // An upgrade unit of the BTS counts as present here; only the idle mark does not.
        const CUnit* present = bts != nullptr ? bts->FindUnitByDisplayedNumber(kind, n) : nullptr;
        if (present != nullptr && !present->IsIdle()) {
            continue;
        }
        CUnit* unit = db->FindUnitByDisplayedNumber(kind, n);
        if (unit == nullptr) {
            continue;
        }
        if (onlyAutodetected && !TrxCabledTo(*db, *unit)) {
            site.ReleaseUnitCabling(*unit);
            site.RemoveUnit(unit, kSelectCandidate);
        } else {
            unit->SetIdle(true);
        }
    }
}

// Marks idle the multicouplers and wideband units no transceiver uses, and clears the mark on
// the ones in use.
void RefreshCombinerUsage(CSiteKODA& site) {
    CDataBase* db = site.GetConfiguration(kSelectCandidate);
    for (const auto& unit : db->Units()) {
        const int kind = unit->Kind();
        if (kind == kUnitKindMc2 || kind == kUnitKindMc6 || kind == kUnitKindWbc ||
            kind == kUnitKindWbt) {
            unit->SetIdle(false);
        }
    }
    site.RemoveOrMarkIdleCombiners(1, kSelectCandidate);
}

void TakeBtsBands(CSiteKODA& site, CDataBase* bts) {
    site.SetBand(bts != nullptr ? bts->Band() : kBand900, kSelectCandidate, false);
    if (bts == nullptr) {
        return;
    }
    CDataBase* db = site.GetConfiguration(kSelectCandidate);
    for (int n = 1; n <= 12; ++n) {
        const CUnit* reported = bts->FindUnit(kUnitKindTrx, n);
        if (reported == nullptr || NotDetected(*reported) || reported->Band() == 0) {
            continue;
        }
        if (CUnit* trx = db->FindUnit(kUnitKindTrx, n)) {
            trx->ApplyBand(reported->Band() | (reported->IsEdge() ? kEdgeAll : 0));
        }
    }
}

} // namespace

void ClearCandidateForSearch(CSiteKODA& site) {
    CDataBase* db = site.GetConfiguration(kSelectCandidate);
    if (db == nullptr) {
        return;
    }
    std::vector<CUnit*> units;
    for (const auto& unit : db->Units()) {
        if (unit->Kind() != kUnitKindBoi) {
            units.push_back(unit.get());
        }
    }
    for (CUnit* unit : units) {
        if (unit->KeepWhenRemoved()) {
            unit->SetUpgrade(true);
            unit->SetIdle(false);
            site.ReleaseUnitCabling(*unit);
        } else {
            site.RemoveUnit(unit, kSelectCandidate);
        }
    }
    db->ClearCables();
    // Antenna records outlive the units they named; left alone, the previous configuration's
    // antenna settings would show through wherever the next one has none.
    if (auto* orvik = site.GetKODA(kSelectCandidate)) {
        for (int n = 1; n <= CDataBaseKODA::kAntennas; ++n) {
            CAntenna* antenna = orvik->Antenna(n);
            antenna->SetConnectedCombiner(0);
            antenna->SetSecondConnection(0);
            antenna->SetDualBand(0);
            antenna->SetMhaType(1);
            antenna->SetCositeMha(0);
            antenna->SetAttenuation(CAntenna::kAttenuationNotGiven);
        }
    }
}

void RestrictCandidateToBts(CSiteKODA& site, bool onlyAutodetected) {
    CDataBase* db = site.GetConfiguration(kSelectCandidate);
    CDataBase* bts = CBtsConfiguration::Get();
    if (db == nullptr) {
        return;
    }
    if (bts != nullptr) {
        for (int n = 1; n <= 12; ++n) {
            const CUnit* reported = bts->FindUnit(kUnitKindTrx, n);
            CUnit* trx = db->FindUnit(kUnitKindTrx, n);
            if (reported == nullptr || !NotDetected(*reported) || trx == nullptr) {
                continue;
            }
            if (onlyAutodetected) {
                site.ReleaseUnitCabling(*trx);
                trx->SetUpgrade(true);
            } else {
                trx->SetIdle(true);
            }
        }
    }
    RestrictCombiners(site, bts, kUnitKindDdu, 6, onlyAutodetected);
    RestrictCombiners(site, bts, kUnitKindRtc, 2, onlyAutodetected);
    if (bts != nullptr) {
        for (int n = 1; n <= 6; ++n) {
            const CUnit* reported = bts->FindUnitByDisplayedNumber(kUnitKindBb2, n);
            CUnit* bb2 = db->FindUnitByDisplayedNumber(kUnitKindBb2, n);
            if (reported == nullptr || !NotDetected(*reported) || bb2 == nullptr) {
                continue;
            }
            if (onlyAutodetected) {
                bb2->SetUpgrade(true);
            } else {
                bb2->SetIdle(true);
            }
        }
    }
    // Removed combiners leave references behind on the transceivers; the cables follow them
    // before the wideband units are judged.
    site.CableGuy()->RecomputeCableStates(kSelectCandidate);
    site.RemoveOrMarkIdleCombiners(onlyAutodetected ? 0 : 1, kSelectCandidate);
}

bool ApplyFoundConfiguration(CSiteKODA& site, const CSCFSite* record,
                             const SApplyOptions& options) {
    ClearCandidateForSearch(site);
    bool loaded = true;
    if (record != nullptr) {
        loaded = BuildSiteFromRecord(site, *record, 0);
        if (!loaded) {
            ClearCandidateForSearch(site);
        } else {
            RestrictCandidateToBts(site, options.onlyAutodetected);
        }
    }
    RefreshCombinerUsage(site);
    TakeBtsBands(site, CBtsConfiguration::Get());
    site.CableGuy()->RecomputeCableStates(kSelectCandidate);
    return loaded;
}
