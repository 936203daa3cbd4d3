// The cost of choosing a pre-defined sector configuration in the wizard: placing it on the
// scheme grid and applying it, which recreates the combiners and rebuilds every cable.

#include <benchmark/benchmark.h>

#include "model/BtsConfiguration.h"
#include "model/SiteKODA.h"
#include "rules/KodaConfigMaster.h"
#include "rules/SectorConfigKODAMaster.h"

namespace {

void BM_PlaceAndApply(benchmark::State& state) {
    const int index = static_cast<int>(state.range(0));
    CBtsConfiguration::Drop();
    CSiteKODA site;
    const CSectorConfigKODAMaster sectors;
    for (auto _ : state) {
        CKodaConfigMaster grid(site);
        grid.Clear();
        sectors.PlaceOnGrid(index, kBand1800, grid);
        grid.Apply(kBand1800);
        benchmark::DoNotOptimize(site.GetConfiguration(kSelectCandidate)->Cables().size());
    }
    state.SetLabel(sectors.Name(index));
    CBtsConfiguration::Drop();
}
BENCHMARK(BM_PlaceAndApply)->DenseRange(1, 16);

} // namespace
