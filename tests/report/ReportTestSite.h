#pragma once
// A small Orvik site for report and summary tests: starts from the new-site candidate (twelve
// planned transceivers, planned BB2s and MHAs) and installs what a test asks for.

#include <memory>

#include "model/BtsConfiguration.h"
#include "model/CabinetKODA.h"
#include "model/SiteKODA.h"
#include "model/UnitKTrx.h"
#include "model/UnitsKODA.h"

class ReportTestSite {
public:
    ReportTestSite() { CBtsConfiguration::Drop(); }
    ~ReportTestSite() { CBtsConfiguration::Drop(); }

    CSiteKODA& Site() { return m_site; }
    CDataBaseKODA& Candidate() { return *m_site.GetKODA(kSelectCandidate); }

    // Installs planned transceiver n (its BB2 channel stays n) and gives it a TX combiner.
    CUnitKTrx& Trx(int n, int txCombiner = 0) {
        auto* trx = Candidate().Find<CUnitKTrx>(kUnitKindTrx, n);
        trx->SetUpgrade(false);
        trx->Cabling().txCombinerId = txCombiner;
        return *trx;
    }
    // Installs a planned unit or adds a new one, of the catalogue type when one is given.
    CUnit& Unit(int kind, int number, int typeId = 0) {
        CUnit* unit = Candidate().FindUnit(kind, number);
        if (unit != nullptr) {
            unit->SetUpgrade(false);
        } else {
            auto created = CSiteKODA::CreateUnitOfKind(kind);
            created->SetNumber(number);
            unit = created.get();
            Candidate().AddUnit(std::move(created));
        }
        if (typeId != 0) {
            unit->SetType(typeId);
        }
        return *unit;
    }
    // The configuration currently in BTS becomes a copy of the candidate as it is now.
    CDataBaseKODA& CopyToBts() {
        auto bts = std::make_unique<CDataBaseKODA>();
        bts->CopyFrom(Candidate());
        for (int step = 1; step <= 3; ++step) {
            bts->SetTransferStatus(step, 1);
        }
        CDataBaseKODA* raw = bts.get();
        CBtsConfiguration::Set(std::move(bts));
        return *raw;
    }

private:
    CSiteKODA m_site;
};
