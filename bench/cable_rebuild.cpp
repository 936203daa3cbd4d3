// Rebuilding every cable of a fully cabled twelve-transceiver candidate: the cable states are
// recomputed after every edit and undo, so this is paid on each of them.

#include <benchmark/benchmark.h>

#include "model/BtsConfiguration.h"
#include "model/SiteKODA.h"
#include "model/UnitKTrx.h"
#include "model/UnitsKODA.h"

namespace {

template <class T> void Add(CDataBaseKODA& db, int number) {
    auto unit = std::make_unique<T>();
    unit->SetNumber(number);
    db.AddUnit(std::move(unit));
}

// 12 TRXs in pairs on six WBCs, the WBCs on six DDUs, RX main and diversity through two
// Multicoupler 6-way, and twelve antennas with their MHAs.
void Equip(CSiteKODA& site) {
    CDataBaseKODA& db = *site.GetKODA(kSelectCandidate);
    for (const auto& unit : db.Units()) {
        unit->SetUpgrade(false);
    }
    for (int n = 1; n <= 6; ++n) {
        Add<CUnitKDDU>(db, 2 * n - 1);
        Add<CUnitKWBC>(db, n);
    }
    Add<CUnitKMC6>(db, 1);
    Add<CUnitKMC6>(db, 2);
    for (int n = 1; n <= 12; ++n) {
        STrxCabling& c = db.Find<CUnitKTrx>(kUnitKindTrx, n)->Cabling();
        const int pair = (n + 1) / 2;
        c.txPath1 = pair;
        c.txCombinerId = 2 * pair - 1;
        c.rxMainMulticoupler = n <= 6 ? 7 : 8;
        c.rxCombinerId = n <= 6 ? 1 : 3;
        c.rxDiversityMulticoupler = n <= 6 ? 7 : 8;
        c.rxDiversityCombiner = n <= 6 ? 2 : 4;
        db.Antenna(n)->SetConnectedCombiner(n);
    }
}

void BM_RebuildAllCables(benchmark::State& state) {
    CBtsConfiguration::Drop();
    CSiteKODA site;
    Equip(site);
    CCableGuy& guy = *site.CableGuy();
    guy.RecomputeCableStates(kSelectCandidate);
    state.counters["cables"] = static_cast<double>(site.GetKODA(kSelectCandidate)->Cables().size());
    for (auto _ : state) {
        guy.RecomputeCableStates(kSelectCandidate);
        benchmark::DoNotOptimize(site.GetKODA(kSelectCandidate)->Cables().data());
    }
}
BENCHMARK(BM_RebuildAllCables)->Unit(benchmark::kMicrosecond);

} // namespace
