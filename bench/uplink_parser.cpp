// The uplink parser on the messages a fully equipped BTS sends: its first report (which builds
// the configuration currently in BTS) and a device status of every unit.
#include "comms/CommunicationBTS.h"
#include "comms/MMIServ.h"
#include "comms/UpLinkMessageParser.h"
#include "model/BtsConfiguration.h"
#include "model/SiteKODA.h"
#include "sim/SimBtsModel.h"

#include <benchmark/benchmark.h>

namespace {

class CHost : public IBtsHost {
public:
    CSite* Site() override { return &site; }
    CSiteKODA site;
};

void BM_FirstReport(benchmark::State& state) {
    const SSimBtsModel model = SSimBtsModel::Default();
    const auto reported = simmsg::BtsReported(model);
    const auto status = simmsg::DeviceStatus(model);
    for (auto _ : state) {
        CBtsConfiguration::Drop();
        CHost host;
        CCommunicationBTS hub;
        CMMIServ server(hub);
        server.SetHost(&host);
        CUpLinkMessageParser parser(server);
        parser.Parse(reported);
        parser.Parse(status);
        benchmark::DoNotOptimize(server.Objects().Objects().size());
    }
    CBtsConfiguration::Drop();
}
BENCHMARK(BM_FirstReport);

void BM_DeviceStatus(benchmark::State& state) {
    const SSimBtsModel model = SSimBtsModel::Default();
    CBtsConfiguration::Drop();
    CHost host;
    CCommunicationBTS hub;
    CMMIServ server(hub);
    server.SetHost(&host);
    CUpLinkMessageParser parser(server);
    parser.Parse(simmsg::BtsReported(model));
    const auto status = simmsg::DeviceStatus(model);
    for (auto _ : state) {
        parser.Parse(status);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * status.size()));
    CBtsConfiguration::Drop();
}
BENCHMARK(BM_DeviceStatus);

} // namespace
