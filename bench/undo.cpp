// The cost of one undo step on a fully equipped candidate: every edit the user makes pays it.

#include <benchmark/benchmark.h>

#include "model/BtsConfiguration.h"
#include "model/SiteKODA.h"
#include "model/UnitKTrx.h"
#include "model/UnitsKODA.h"

namespace {

template <class T> void Add(CSiteKODA& site, int number, int typeId) {
    auto unit = std::make_unique<T>();
    unit->SetType(typeId);
    unit->SetNumber(number);
    site.AddUnit(std::move(unit), false, kSelectCandidate);
}

// 12 TRXs, 6 DDUs, 6 BB2s, 2 Multicoupler 6-way, 12 WBCs and 12 MHAs, all in use, with a TX
// cable per transceiver.
void Equip(CSiteKODA& site) {
    CDataBaseKODA& db = *site.GetKODA(kSelectCandidate);
    for (const auto& unit : db.Units()) {
        unit->SetUpgrade(false);
    }
    for (int n = 1; n <= 6; ++n) {
        Add<CUnitKDDU>(site, 2 * n - 1, 44);
    }
    Add<CUnitKMC6>(site, 1, 36);
    Add<CUnitKMC6>(site, 2, 36);
    for (int n = 1; n <= 12; ++n) {
        Add<CUnitKWBC>(site, n, 47);
        auto* trx = db.Find<CUnitKTrx>(kUnitKindTrx, n);
        auto* wbc = db.FindUnit(kUnitKindWbc, n);
        trx->Cabling().txPath1 = n;
        trx->Cabling().txCombinerId = n;
        db.AddCable(std::make_unique<CCabling>(trx, kConnTxOut, 1, wbc, kConnTxIn, 1));
        db.Antenna(n)->SetConnectedCombiner(n);
    }
}

void BM_PushUndoStep(benchmark::State& state) {
    CBtsConfiguration::Drop();
    CSiteKODA site;
    Equip(site);
    for (auto _ : state) {
        site.PushUndoStep("Set TX Cabling");
        benchmark::DoNotOptimize(site.GetConfiguration(kSelectCandidate));
    }
    state.counters["units"] =
        static_cast<double>(site.GetConfiguration(kSelectCandidate)->Units().size());
}
BENCHMARK(BM_PushUndoStep)->Unit(benchmark::kMicrosecond);

} // namespace
