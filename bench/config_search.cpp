// The configuration search over a large archive: 1,000 files holding 10,000 configurations,
// searched for a BTS that detected six transceivers. Target: under 2 s, under 200 MB peak.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <sys/resource.h>
#include <unistd.h>

#include "rules/ConfigSearch.h"
#include "support/SearchArchive.h"

namespace {

constexpr int kFiles = 1000;
constexpr int kPerFile = 10;

// A configuration as the field keeps them: 2-12 transceivers in pairs on DDUs, sometimes an
// RTC, and antenna lines after the cabling.
searchtest::SStoredConfig RandomConfig(std::mt19937& rng, int id) {
    const int trxCount = std::uniform_int_distribution<int>(2, 12)(rng);
    std::vector<int> trxs;
    std::vector<searchtest::SUnitEntry> units;
    std::vector<std::pair<int, int>> tx;
    for (int n = 1; n <= trxCount; ++n) {
        trxs.push_back(n);
        tx.push_back({n, 2 * ((n + 1) / 2) - 1});
    }
    for (int d = 1; d <= (trxCount + 1) / 2 && d <= 6; ++d) {
        units.push_back(searchtest::Ddu(2 * d - 1, d));
    }
    if (id % 7 == 0) {
        units.push_back(searchtest::Rtc(1));
    }
    for (int m = 1; m <= trxCount; ++m) {
        units.push_back({50, m, -1}); // a masthead amplifier per antenna
    }
    return {"Site " + std::to_string(id), trxs, units, 6, 3, tx};
}

std::string AntennaLines(int count) {
    std::string t;
    for (int a = 1; a <= count; ++a) {
        t += searchtest::Line("CAB_ANTENNA", std::to_string(a));
        t += searchtest::Line("CAB_ANT_MHA", "3");
        t += searchtest::Line("CAB_ANT_UNIT_CON", std::to_string(a));
        t += searchtest::Line("CAB_ANT_CBL_ATTEN", "+1.90");
        t += searchtest::Line("CAB_ANT_COSITE_MHA", "0");
    }
    return t;
}

const std::string& Archive() {
    static const std::string folder = [] {
        char pattern[] = "/tmp/cabrion-bench-search-XXXXXX";
        std::string dir = ::mkdtemp(pattern);
        std::mt19937 rng(21);
        for (int f = 0; f < kFiles; ++f) {
            std::string text = "Generated archive file\r\n" + searchtest::Line("VERSION", "3.00");
            for (int c = 0; c < kPerFile; ++c) {
                const auto config = RandomConfig(rng, f * kPerFile + c);
                text += searchtest::ConfigText(config);
                text += AntennaLines(static_cast<int>(config.trxs.size()));
            }
            text += searchtest::Line("EOF", "");
            searchtest::WriteFile(dir + "/site" + std::to_string(f) + ".hwc", text);
        }
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(Archive(), ec);
        });
        return dir;
    }();
    return folder;
}

void BM_SearchArchive(benchmark::State& state) {
    const std::string& folder = Archive();
    SBtsProfile bts;
    for (int n = 1; n <= 6; ++n) {
        bts.trx[n] = true;
    }
    for (int d = 1; d <= 3; ++d) {
        bts.ddu[d] = true;
    }
    std::size_t found = 0;
    int examined = 0;
    for (auto _ : state) {
        const SSearchResult r = SearchFolder(folder, bts);
        found = r.found.size();
        examined = r.configurationsExamined;
        benchmark::DoNotOptimize(found);
    }
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    state.counters["found"] = static_cast<double>(found);
    state.counters["examined"] = examined;
    std::uintmax_t bytes = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        bytes += entry.file_size();
    }
    state.counters["archive_MB"] = static_cast<double>(bytes) / (1024.0 * 1024.0);
    state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}
BENCHMARK(BM_SearchArchive)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
