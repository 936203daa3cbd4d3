// One request/reply exchange (600 bytes out in three chunks, 300 bytes back in two) through the
// link thread against the simulated BTS on loopback, and the cost of an idle link.
#include "comms/CommsClient.h"
#include "comms/CommsReport.h"
#include "comms/CommunicationBTS.h"
#include "sim/SimServer.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <thread>

namespace {

using namespace std::chrono_literals;

struct UpClient : CCommsClient {
    explicit UpClient(CCommunicationBTS& hub) : CCommsClient(hub) {}
    void OnReport(const CCommsReport& r) override {
        up = up || r.Kind() == CCommsReport::kConnected;
    }
    bool up = false;
};

struct Link {
    Link() : client(hub) {
        SSimScenario s;
        SSimReply reply;
        reply.message = {0xF0, 0x00, 0x00, 0x00};
        reply.size = 300;
        s.replies[0xEC] = reply;
        sim = std::make_unique<CSimServer>(s);
        std::string error;
        sim->ListenTcp("127.0.0.1", 0, error);
        sim->Start();
        std::string dir = (std::filesystem::temp_directory_path() / "cabrion-benchXXXXXX").string();
        ::mkdtemp(dir.data());
        hub.SetLockDirectory(dir);
        hub.SetSettings({1, 1});
        hub.StartConnection(kConnRemote, "HOST=127.0.0.1,TCPPORT=" + std::to_string(sim->Port()));
        for (int i = 0; i < 100 && !client.up; ++i) {
            hub.WaitAndPump(50ms);
        }
    }
    ~Link() { hub.StopConnection(); }

    std::unique_ptr<CSimServer> sim;
    CCommunicationBTS hub;
    UpClient client;
};

double ProcessCpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

void BM_Exchange600Out300Back(benchmark::State& state) {
    Link link;
    if (!link.client.up) {
        state.SkipWithError("the link did not come up");
        return;
    }
    frame::Bytes request(600, 0x11);
    request[0] = 0xEC;
    frame::Bytes reply;
    uint16_t id = 0x0200;
    for (auto _ : state) {
        request[2] = static_cast<uint8_t>(id);
        request[3] = static_cast<uint8_t>(id >> 8);
        id += 2;
        if (link.hub.Transact(request, reply) != 1 || reply.size() != 300) {
            state.SkipWithError("exchange failed");
            break;
        }
        link.hub.Pump();
    }
}
BENCHMARK(BM_Exchange600Out300Back)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// CPU time the whole process (link thread and simulated BTS) spends per second of an idle
// link, in percent of one core.
void BM_IdleLinkCpu(benchmark::State& state) {
    Link link;
    for (auto _ : state) {
        const double before = ProcessCpuSeconds();
        const auto start = std::chrono::steady_clock::now();
        std::this_thread::sleep_for(2s);
        const double wall =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.counters["cpu_percent"] = (ProcessCpuSeconds() - before) / wall * 100.0;
    }
}
BENCHMARK(BM_IdleLinkCpu)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

} // namespace
