#pragma once
// A site and an in-process simulated BTS for the transfer flow tests: the site's document and
// user are scripted, the BTS keeps the blocks it is sent.

#include <memory>

#include "../model/FakeSiteHost.h"
#include "BlocksTestSupport.h"
#include "comms/CommunicationBTS.h"
#include "comms/ConfigTransfer.h"
#include "comms/MMIServ.h"
#include "files/HWInfoFile.h"
#include "model/BtsConfiguration.h"
#include "sim/SIMTransactServer.h"

namespace transfer_test {

struct SBench {
    explicit SBench(SSimScenario scenario = {}) {
        CBtsConfiguration::Drop();
        hub.SetSimulatorFactory([this, scenario](const CConnectParams& p, CCommunicationBTS& h) {
            auto server = std::make_unique<CSIMTransactServer>(p, h, scenario);
            sim = &server->Bts();
            return server;
        });
        connected = hub.StartConnection(kConnSimulator, "") == 1;
        site.ResetBtsConfiguration();
    }
    ~SBench() {
        hub.StopConnection();
        CBtsConfiguration::Drop();
    }

    STransferContext Context(int level = 9) {
        STransferContext c;
        c.commands = &mmi.Commands();
        c.btsSwLevel = level;
        c.wait = [this](int ms) { waited += ms; };
        c.candidatePassive = &candidatePassive;
        c.btsPassive = &btsPassive;
        c.clearConfigurationChanged = [this] { ++configurationCleared; };
        c.clearPassiveChanged = [this] { ++passiveCleared; };
        c.refreshViews = [this] { ++refreshes; };
        return c;
    }
    CConfigTransfer Transfer(int level = 9) { return CConfigTransfer(site, Context(level)); }
    CDataBaseKODA& Candidate() { return *site.GetKODA(kSelectCandidate); }
    CDataBaseKODA& Bts() { return *dynamic_cast<CDataBaseKODA*>(CBtsConfiguration::Get()); }

    CFakeSiteHost host;
    CSiteKODA site{&host, &host};
    CCommunicationBTS hub;
    CMMIServ mmi{hub};
    CSimBts* sim = nullptr;
    bool connected = false;
    CHWInfoFile candidatePassive;
    CHWInfoFile btsPassive;
    int waited = 0;
    int configurationCleared = 0;
    int passiveCleared = 0;
    int refreshes = 0;
};

} // namespace transfer_test
