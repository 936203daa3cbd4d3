// Reading and writing a site configuration file of 10,000 full configurations (full cabinets,
// every block), and the peak memory that reading it takes.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

#include "files/AtomicFile.h"
#include "files/SiteConfigFile.h"

namespace {

constexpr int kConfigurations = 10000;

std::unique_ptr<CSCFSite> FullSite(int n) {
    auto s = std::make_unique<CSCFSite>();
    s->name = "Site " + std::to_string(n);
    s->siteType = s->siteTypeRead = kSiteTypeOrvik;
    s->siteId = "ID-" + std::to_string(n);
    s->description = "Generated configuration with every block filled";
    s->implRound = 1;
    s->implOrder = n;
    s->dropOffPoint = "Gate";
    s->valid = 1;
    s->autoConfMode = 0;
    s->dataRoute = s->ipAddress = s->defaultGateway = s->networkId = "10.1.2.3";
    s->latitude = s->longitude = s->groundHeight = "12.5";
    s->commissioningReport = "Report";
    s->bcfId = static_cast<std::uint16_t>(n);
    s->bcfName = "BCF";
    s->bcfAddress = "Street 1";
    s->bcfType = s->bcfTypeRead = kBcfTypeOrvik;
    s->bcfClockSync = 1;
    s->omLinkNumber = s->omBitRate = s->omPcmSlot = s->omPcmInterface = 3;
    s->omTimeSlot = s->omSubTimeSlot = 2;
    CSCFCabinet cab;
    cab.cabinetNumber = 1;
    cab.cabinetType = 2;
    cab.lteInstalled = cab.vswrMonitored = cab.wcdmaUpgrade = 1;
    cab.mrcSupportWbc = 1;
    cab.configDescription = "Full cabinet";
    for (int u = 1; u <= 20; ++u)
        cab.units.push_back({100 + u, u, u % 3});
    for (int i = 1; i <= 24; ++i)
        cab.inputs.push_back({i, 1, 2, "Input " + std::to_string(i), true});
    for (int o = 1; o <= 6; ++o)
        cab.outputs.push_back({o, 1, -1, "Output " + std::to_string(o), false});
    for (int t = 1; t <= 12; ++t)
        cab.trxCablings.push_back({t, t, t, 1010 + (t % 7), 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, t});
    for (int a = 1; a <= 12; ++a)
        cab.antennas.push_back({a, 2, 150 + a, 1, a, 3, 1});
    s->cabinets.push_back(std::move(cab));
    for (int b = 1; b <= 3; ++b)
        s->btsList.push_back({std::to_string(b), "Sector", 1, 2});
    for (int t = 1; t <= 12; ++t) {
        CSCFNetworkTrx trx{t, std::to_string(1 + (t - 1) / 4), t % 3, "1 2 3 4", 1, 2, 3, 4, 5, 6,
                           7};
        s->networkTrxs.push_back(trx);
    }
    CSCFSiteTre& tre = s->tre;
    tre.equipmentName = "TRE";
    tre.treType = tre.treMode = tre.trunetDisable = tre.trunetSpeed = 1;
    tre.ccFile = "cc.txt";
    for (int u = 0; u < 3; ++u) {
        CSCFSiteTreUnit unit{1100 + u, u + 1, {}};
        for (int i = 1; i <= 2; ++i)
            unit.interfaces.push_back({i, "E1", "Cable", 1, 0});
        tre.units.push_back(unit);
    }
    tre.management = {1, 2, 3, 9600, "bus", 1, 2, 3, 4, 5, 6, 7};
    tre.syncs = {{1, 2, 3, 4, 5}, {2, 3, 4, 5, 6}};
    tre.hops.push_back({"Hop", "H1", 1, 2, 1203, 1, "23 GHz", 8, 20, "T", 1, "1-4"});
    return s;
}

const std::string& Text() {
    static const std::string text = [] {
        CSiteConfigFile f;
        for (int n = 0; n < kConfigurations; ++n)
            f.AddSite(FullSite(n));
        return f.WriteToString();
    }();
    return text;
}

// Written once and removed when the benchmark ends: it is a few hundred megabytes.
struct CBenchFile {
    CBenchFile() : path("/tmp/cabrion-bench-" + std::to_string(::getpid()) + ".hwc") {
        WriteFileAtomically(path, Text());
    }
    ~CBenchFile() { std::remove(path.c_str()); }
    std::string path;
};

const std::string& FilePath() {
    static const CBenchFile file;
    return file.path;
}

void BM_ReadFromMemory(benchmark::State& state) {
    const std::string& text = Text();
    for (auto _ : state) {
        CSiteConfigFile f;
        f.ReadBytes(text);
        if (f.HasErrors() || f.Sites().size() != kConfigurations)
            state.SkipWithError("generated file did not read back cleanly");
        benchmark::DoNotOptimize(f);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

void BM_ReadFromDisk(benchmark::State& state) {
    const std::string& path = FilePath();
    for (auto _ : state) {
        CSiteConfigFile f(path);
        benchmark::DoNotOptimize(f);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Text().size()));
}

// What validate does: the problems alone, on the threads given (0: one per processor).
void BM_ReadProblemsFromDisk(benchmark::State& state) {
    const std::string& path = FilePath();
    for (auto _ : state) {
        CSiteConfigFile f;
        if (!f.ReadFileProblems(path, static_cast<unsigned>(state.range(0))) || f.HasErrors())
            state.SkipWithError("generated file did not read back cleanly");
        benchmark::DoNotOptimize(f);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Text().size()));
}

void BM_WriteToMemory(benchmark::State& state) {
    CSiteConfigFile f;
    f.ReadBytes(Text());
    for (auto _ : state) {
        std::string out = f.WriteToString();
        benchmark::DoNotOptimize(out);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Text().size()));
}

// The whole save: text, temporary file, fsync, rename.
void BM_SaveToDisk(benchmark::State& state) {
    CSiteConfigFile f;
    f.ReadBytes(Text());
    const std::string path = FilePath() + ".saved";
    for (auto _ : state) {
        if (!f.Write(path))
            state.SkipWithError("save failed");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Text().size()));
    std::remove(path.c_str());
}

long StatusKb(const char* key) {
    FILE* status = std::fopen("/proc/self/status", "r");
    if (status == nullptr)
        return 0;
    char line[256];
    long kb = 0;
    const std::size_t keyLength = std::strlen(key);
    while (std::fgets(line, sizeof line, status) != nullptr)
        if (std::strncmp(line, key, keyLength) == 0)
            kb = std::atol(line + keyLength);
    std::fclose(status);
    return kb;
}

// Run as a fresh process (this program started again with the file in the environment), so
// that no memory freed earlier by the generator can hide what reading takes.
struct CPeakChild {
    CPeakChild() {
        const char* path = std::getenv("CABRION_BENCH_READ_PEAK");
        if (path == nullptr)
            return;
        const long before = StatusKb("VmRSS:");
        long grown = 0;
        {
            CSiteConfigFile f(path);
            benchmark::DoNotOptimize(f);
            grown = StatusKb("VmHWM:") - before;
        }
        std::printf("%ld\n", grown * 1024L);
        std::fflush(stdout);
        ::_exit(0);
    }
} peakChild;

void BM_ReadPeakMemory(benchmark::State& state) {
    const std::string& path = FilePath();
    const double fileBytes = static_cast<double>(Text().size());
    double peak = 0;
    for (auto _ : state) {
        const std::string cmd =
            "CABRION_BENCH_READ_PEAK='" + path + "' /proc/" + std::to_string(::getpid()) + "/exe";
        FILE* child = ::popen(cmd.c_str(), "r");
        long grown = 0;
        if (child == nullptr || std::fscanf(child, "%ld", &grown) != 1)
            state.SkipWithError("child did not report");
        if (child != nullptr)
            ::pclose(child);
        peak = static_cast<double>(grown);
    }
    state.counters["file_MB"] = fileBytes / 1e6;
    state.counters["peak_MB"] = peak / 1e6;
    state.counters["peak_per_file_size"] = peak / fileBytes;
}

BENCHMARK(BM_ReadFromMemory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadFromDisk)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadProblemsFromDisk)->Arg(1)->Arg(0)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteToMemory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveToDisk)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadPeakMemory)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
