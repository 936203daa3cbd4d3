// A complete send of a configuration with its read-back (both files, cross-connection block and
// the fetch of all three) through the link thread against the simulated BTS on loopback.
#include "comms/CommsClient.h"
#include "comms/CommsReport.h"
#include "comms/CommunicationBTS.h"
#include "comms/ConfigTransfer.h"
#include "comms/MMIServ.h"
#include "model/BtsConfiguration.h"
#include "model/SiteKODA.h"
#include "model/UnitKTrx.h"
#include "sim/SimServer.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>

namespace {

using namespace std::chrono_literals;

struct UpClient : CCommsClient {
    explicit UpClient(CCommunicationBTS& hub) : CCommsClient(hub) {}
    void OnReport(const CCommsReport& r) override {
        up = up || r.Kind() == CCommsReport::kConnected;
    }
    bool up = false;
};

void BM_SendWithReadBack(benchmark::State& state) {
    CSimServer sim{SSimScenario{}};
    std::string error;
    sim.ListenTcp("127.0.0.1", 0, error);
    sim.Start();
    CCommunicationBTS hub;
    std::string dir = (std::filesystem::temp_directory_path() / "cabrion-benchXXXXXX").string();
    ::mkdtemp(dir.data());
    hub.SetLockDirectory(dir);
    hub.SetSettings({1, 1});
    UpClient client(hub);
    hub.StartConnection(kConnRemote, "HOST=127.0.0.1,TCPPORT=" + std::to_string(sim.Port()));
    for (int i = 0; i < 100 && !client.up; ++i) {
        hub.WaitAndPump(50ms);
    }
    CMMIServ server(hub);
    CSiteKODA site;
    CDataBaseKODA& candidate = *site.GetKODA(kSelectCandidate);
    candidate.SetSwLevel(CUcSwVersion(9));
    for (int j = 1; j <= 12; ++j) {
        auto* trx = candidate.Find<CUnitKTrx>(kUnitKindTrx, j);
        trx->SetUpgrade(false);
        trx->Cabling().txCombinerId = 17;
        trx->Cabling().txPath1 = j;
    }
    site.ResetBtsConfiguration();
    STransferContext context;
    context.commands = &server.Commands();
    context.btsSwLevel = 9;
    CConfigTransfer transfer(site, context);
    for (auto _ : state) {
        transfer.Download(false);
        site.SetCrossConnectionWarned(true);
        transfer.Fetch(false);
        if (CConfigTransfer::TransferStatus(1) != 1 || CConfigTransfer::TransferStatus(2) != 1) {
            state.SkipWithError("transfer failed");
            break;
        }
    }
    // Every round trip went over the wire: the BTS answered frames for it.
    state.counters["frames"] = sim.FramesAnswered();
    hub.StopConnection();
    CBtsConfiguration::Drop();
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_SendWithReadBack)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

BENCHMARK_MAIN();
