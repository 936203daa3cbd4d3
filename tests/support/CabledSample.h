#pragma once
// The cabled twelve-transceiver site that view, picture and benchmark code draws: three
// sectors of four transceivers on wide band combiners, duplexers and multicouplers, as the
// wizard builds them from a pre-defined sector configuration, completed with baseband, power,
// transmission, masthead amplifiers and antennas.

#include <memory>
#include <string>

#include "model/BtsConfiguration.h"
#include "model/DataBaseKODA.h"
#include "model/SiteKODA.h"
#include "model/UnitKTrx.h"
#include "model/UnitsKODA.h"
#include "rules/ConfigLists.h"
#include "rules/KodaConfigMaster.h"
#include "rules/SectorConfigKODAMaster.h"

namespace testsupport {

inline constexpr const char* kSampleSector = "4+4+4 (2:1)";
inline constexpr int kSampleBand = 2;

// Builds the sector configuration into the site's candidate; false when the rules refuse it.
inline bool BuildSector(CSiteKODA& site, const std::string& sector = kSampleSector,
                        int band = kSampleBand) {
    CSectorConfigKODAMaster sectors;
    const int index = sectors.FindByName(sector);
    if (index < 1) {
        return false;
    }
    CKodaConfigMaster grid(site);
    sectors.Select(index);
    if (!sectors.PlaceOnGrid(index, band, grid)) {
        return false;
    }
    grid.Apply(band);
    CTableVector shown;
    sectors.ShowAndApplyBand(index, band, shown, grid);
    return true;
}

// Installs the planned units the sector configuration leaves out, so that every kind of front
// shows in the picture.
inline void CompleteSample(CSiteKODA& site) {
    CDataBaseKODA& db = *site.GetKODA(kSelectCandidate);
    for (const auto& u : db.Units()) {
        const int k = u->Kind();
        if (k == kUnitKindBb2 || k == kUnitKindPwr || k == kUnitKindTre || k == kUnitKindBoi ||
            (k == kUnitKindMha && u->Number() <= 6)) {
            u->SetUpgrade(false);
        }
    }
    const auto add = [&](int kind, int number) {
        if (db.FindUnit(kind, number) == nullptr) {
            auto unit = CSiteKODA::CreateUnitOfKind(kind);
            unit->SetNumber(number);
            unit->ApplyBand(kSampleBand);
            db.AddUnit(std::move(unit));
        }
        db.FindUnit(kind, number)->SetUpgrade(false);
    };
    for (int n = 1; n <= 3; ++n) {
        add(kUnitKindPwr, n);
    }
    for (int n = 1; n <= 2; ++n) {
        add(kUnitKindTre, n);
    }
    add(kUnitKindBoi, 1);
    // Antennas on the ports of the sectors' duplexers (displayed numbers 1, 3 and 5).
    static constexpr int kPorts[6] = {1, 2, 5, 6, 9, 10};
    for (int i = 1; i <= 6; ++i) {
        CAntenna* a = db.Antenna(i);
        if (a->ConnectedCombiner() == 0) {
            a->SetConnectedCombiner(kPorts[i - 1]);
        }
        a->SetMhaType(i % 3 == 0 ? 3 : 2);
        a->SetAttenuation(150 + 25 * i);
    }
    site.CableGuy()->RebuildCables(kSelectCandidate, 0);
}

// The configuration currently in BTS: the candidate as the BTS reports it, with one
// transceiver fewer and an extra transmission unit, so that the two differ.
inline CDataBaseKODA& MakeBtsConfiguration(CSiteKODA& site) {
    auto bts = std::make_unique<CDataBaseKODA>();
    bts->CopyFrom(*site.GetKODA(kSelectCandidate));
    if (CUnit* trx = bts->FindUnit(kUnitKindTrx, 12)) {
        bts->DeleteUnit(trx);
    }
    auto tre = CSiteKODA::CreateUnitOfKind(kUnitKindTre);
    tre->SetNumber(4);
    bts->AddUnit(std::move(tre));
    for (int step = 1; step <= 3; ++step) {
        bts->SetTransferStatus(step, 1);
    }
    CDataBaseKODA* raw = bts.get();
    CBtsConfiguration::Set(std::move(bts));
    site.CableGuy()->RebuildCables(kSelectBts, 0);
    return *raw;
}

} // namespace testsupport
