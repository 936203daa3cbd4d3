// Cost of building, saving and reading back the plan of a fully equipped cabinet (12 TRXs,
// 12 antennas, every unit class), the largest plan one configuration gives.

#include "files/HWInfoFile.h"
#include "files/xml/ReadXML.h"
#include "files/xml/XMLPlanWriter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <unistd.h>

namespace {

CSCFSite FullSite() {
    CSCFSite site;
    site.name = "Full";
    site.bcfType = kBcfTypeOrvik;
    CSCFCabinet cabinet;
    cabinet.cabinetType = 1;
    for (int slot = 1; slot <= 3; ++slot) {
        cabinet.units.push_back({30, slot, -1});
        cabinet.units.push_back({46, slot, -1});
        cabinet.units.push_back({43, slot, slot});
    }
    for (int n = 1; n <= 12; ++n) {
        CSCFTrxCabling trx;
        trx.trxNumber = n;
        trx.trxUnitTypeId = 1014;
        trx.txCon = n;
        cabinet.trxCablings.push_back(trx);
        cabinet.antennas.push_back({n, 5, 150, 0, n, 0, 0});
        cabinet.units.push_back({51, n, -1});
    }
    site.cabinets.push_back(cabinet);
    return site;
}

std::string BenchPath() {
    return (std::filesystem::temp_directory_path() /
            ("cabrion_bench_plan_" + std::to_string(::getpid()) + ".ewb"))
        .string();
}

void BM_WriteNewPlan(benchmark::State& state) {
    CSCFSite site = FullSite();
    CHWInfoFile passive;
    const std::string path = BenchPath();
    for (auto _ : state) {
        std::remove(path.c_str());
        CXML_NodeFile file(path);
        benchmark::DoNotOptimize(WriteXMLPlan(file, site, site.cabinets[0], &passive));
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_WriteNewPlan)->Unit(benchmark::kMicrosecond);

void BM_LoadAndReadPlan(benchmark::State& state) {
    CSCFSite site = FullSite();
    const std::string path = BenchPath();
    {
        CXML_NodeFile file(path);
        WriteXMLPlan(file, site, site.cabinets[0], nullptr);
    }
    for (auto _ : state) {
        CXML_NodeFile file(path);
        CXMLError error;
        CHWInfoFile passive;
        benchmark::DoNotOptimize(ReadXMLPlan(file, {}, &passive, error));
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_LoadAndReadPlan)->Unit(benchmark::kMicrosecond);

} // namespace
