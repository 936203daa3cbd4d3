// The report of a fully equipped twelve-TRX configuration, as the wizard's last page builds it
// and the file write expands it; and the summary recount that every view change triggers.
#include <benchmark/benchmark.h>

#include <memory>

#include "files/ConfigInfoKODA.h"
#include "files/ConfigurationReportKODA.h"
#include "model/BtsConfiguration.h"
#include "model/SiteKODA.h"
#include "model/UnitKTrx.h"

namespace {

std::unique_ptr<CSiteKODA> TwelveTrxSite() {
    auto site = std::make_unique<CSiteKODA>();
    CDataBaseKODA& db = *site->GetKODA(kSelectCandidate);
    for (int n = 1; n <= 6; ++n) {
        auto ddu = CSiteKODA::CreateUnitOfKind(kUnitKindDdu);
        ddu->SetNumber(n);
        ddu->SetType(44);
        db.AddUnit(std::move(ddu));
        db.FindUnit(kUnitKindBb2, n)->SetUpgrade(false);
    }
    for (int n = 1; n <= 12; ++n) {
        auto* trx = db.Find<CUnitKTrx>(kUnitKindTrx, n);
        trx->SetUpgrade(false);
        // Cross-connected in pairs so that the per-channel lines are written.
        trx->SetBb2Id(n % 2 == 1 ? n + 1 : n - 1);
        trx->Cabling().txCombinerId = n;
        trx->Cabling().rxCombinerId = n;
        trx->Cabling().rxDiversityCombiner = n % 2 == 1 ? n + 1 : n - 1;
        db.FindUnit(kUnitKindMha, n)->SetUpgrade(false);
        db.Antenna(n)->SetConnectedCombiner(n);
        db.Antenna(n)->SetMhaType(3);
    }
    auto bts = std::make_unique<CDataBaseKODA>();
    bts->CopyFrom(db);
    CBtsConfiguration::Set(std::move(bts));
    return site;
}

void BM_ReportTwelveTrx(benchmark::State& state) {
    auto site = TwelveTrxSite();
    for (auto _ : state) {
        CConfigurationReportKODA report;
        report.WriteHeader("site.hwc", "Twelve");
        report.WriteBody(*site);
        std::string bytes = report.Buffer().FileBytes();
        benchmark::DoNotOptimize(bytes);
    }
    CBtsConfiguration::Drop();
}
BENCHMARK(BM_ReportTwelveTrx)->Unit(benchmark::kMicrosecond);

void BM_SummaryTwelveTrx(benchmark::State& state) {
    auto site = TwelveTrxSite();
    for (auto _ : state) {
        CConfigInfoKODA info(site.get());
        info.Recompute();
        auto rows = info.DifferenceRows();
        benchmark::DoNotOptimize(rows);
    }
    CBtsConfiguration::Drop();
}
BENCHMARK(BM_SummaryTwelveTrx)->Unit(benchmark::kMicrosecond);

} // namespace
