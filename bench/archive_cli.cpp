// cabrion-cli on an archive folder: `check` and `dossier` over FILES site configuration files of
// ten configurations each, made from the two samples when the benchmark starts. Wall time per
// run, and the largest resident size of the run (KiB), which has to stay flat as the archive
// grows: compare the counters of the two sizes.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The configuration lines of a sample: from its site name up to the end mark.
std::string SiteBlock(const std::string& file) {
    const std::size_t from = file.find("\\SITE_NAME");
    const std::size_t to = file.find("\\EOF");
    return file.substr(from, to - from);
}

std::string Renamed(std::string block, const std::string& name) {
    const std::size_t at = block.find('"');
    const std::size_t end = block.find('"', at + 1);
    return block.replace(at + 1, end - at - 1, name);
}

fs::path ArchiveDir(int files) {
    return fs::temp_directory_path() /
           ("cabrion-bench-archive-" + std::to_string(::getpid()) + "-" + std::to_string(files));
}

// FILES files of ten configurations each, made once per size.
fs::path Archive(int files) {
    const fs::path dir = ArchiveDir(files);
    if (fs::exists(dir)) {
        return dir;
    }
    fs::create_directories(dir);
    const fs::path samples = fs::path(CABRION_SOURCE_DIR) / "docs" / "samples";
    const std::string harbour = ReadAll(samples / "harbour-4x3.hwc");
    const std::string blocks[] = {SiteBlock(harbour),
                                  SiteBlock(ReadAll(samples / "chapel-2x3.hwc"))};
    const std::string head = harbour.substr(0, harbour.find("\\SITE_NAME"));
    for (int f = 0; f < files; ++f) {
        std::string text = head;
        for (int c = 0; c < 10; ++c) {
            text += Renamed(blocks[c % 2], "Site " + std::to_string(f) + "-" + std::to_string(c));
        }
        text += "\\EOF                      \r\n";
        std::ofstream(dir / ("site" + std::to_string(f) + ".hwc"), std::ios::binary) << text;
    }
    return dir;
}

// Runs cabrion-cli with its output thrown away; the wall time, and the child's peak size.
double RunCli(const std::vector<std::string>& args, long& maxRssKiB, int& rc) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        std::vector<char*> argv;
        const std::string program = std::string(CABRION_BINARY_DIR) + "/programs/cabrion-cli";
        argv.push_back(const_cast<char*>(program.c_str()));
        for (const std::string& a : args) {
            argv.push_back(const_cast<char*>(a.c_str()));
        }
        argv.push_back(nullptr);
        std::freopen("/dev/null", "w", stdout);
        std::freopen("/dev/null", "w", stderr);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    rc = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    maxRssKiB = usage.ru_maxrss;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void Measure(benchmark::State& state, const std::vector<std::string>& args) {
    long rss = 0;
    int rc = 0;
    for (auto _ : state) {
        state.SetIterationTime(RunCli(args, rss, rc));
    }
    state.counters["configurations"] = static_cast<double>(state.range(0) * 10);
    state.counters["maxRssKiB"] = static_cast<double>(rss);
    if (rc != 0) {
        state.SkipWithError("cabrion-cli did not exit with 0");
    }
}

void BM_CheckArchive(benchmark::State& state) {
    const fs::path dir = Archive(static_cast<int>(state.range(0)));
    Measure(state, {"check", dir.string(), "--quiet"});
}

void BM_DossierArchive(benchmark::State& state) {
    const fs::path dir = Archive(static_cast<int>(state.range(0)));
    const fs::path out = dir.string() + "-pdf";
    Measure(state, {"dossier", dir.string(), "-o", out.string()});
    fs::remove_all(out);
}

} // namespace

BENCHMARK(BM_CheckArchive)
    ->Arg(100)
    ->Arg(1000)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kSecond);
BENCHMARK(BM_DossierArchive)
    ->Arg(100)
    ->Arg(1000)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    for (int files : {100, 1000}) {
        std::error_code ec;
        fs::remove_all(ArchiveDir(files), ec);
    }
    return 0;
}
