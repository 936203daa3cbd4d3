#pragma once
// Shared by send and fetch: a site whose event log and questions go to the terminal, and a BTS
// link that is up, has reported the BTS and has a BCF state that allows transfers.

#include <chrono>
#include <initializer_list>
#include <iostream>
#include <memory>
#include <string>

#include "Command.h"
#include "comms/BtsHost.h"
#include "comms/CommsClient.h"
#include "comms/CommsReport.h"
#include "comms/CommunicationBTS.h"
#include "comms/ConfigTransfer.h"
#include "comms/MMIServ.h"
#include "comms/ObjectData.h"
#include "comms/ObjectMaps.h"
#include "comms/UpLinkMessageParser.h"
#include "model/BtsConfiguration.h"
#include "model/SiteKODA.h"
#include "model/Strings.h"
#include "sim/SIMTransactServer.h"

namespace cli {

// The document and the user of a command-line transfer: lines are printed, questions are
// answered by --yes.
class CTerminalSiteHost : public ISiteHost, public IPrompt, public IBtsHost {
public:
    explicit CTerminalSiteHost(bool yes) : m_yes(yes) {}
    void Attach(CSiteKODA* site) { m_site = site; }

    void LogEvent(const std::string& line) override { std::cout << line << std::endl; }
    void SetModified() override {}
    void RefreshViews() override {}
    void NotifyMainWindow(int, int) override {}
    void Message(const std::string& text) override { std::cout << text << std::endl; }
    bool AskYesNo(const std::string& text) override {
        std::cout << text << (m_yes ? " Yes" : " No") << std::endl;
        return m_yes;
    }

    CSite* Site() override { return m_site; }
    void EnsureBtsSite() override {
        if (m_site != nullptr && CBtsConfiguration::Get() == nullptr) {
            m_site->ResetBtsConfiguration();
        }
    }

private:
    bool m_yes;
    CSiteKODA* m_site = nullptr;
};

// Hands what the BTS sends on its own to the object model.
class CUplinkFeeder : public CCommsClient {
public:
    CUplinkFeeder(CCommunicationBTS& hub, CMMIServ& server)
        : CCommsClient(hub), m_server(server), m_parser(server) {}
    void OnReport(const CCommsReport& report) override {
        m_server.TakeReport(report);
        if (report.Kind() == CCommsReport::kConnected) {
            linkUp = true;
        } else if (report.Kind() == CCommsReport::kNoConnection) {
            linkUp = false;
        }
    }
    void OnUplinkMessage(std::span<const uint8_t> message) override { m_parser.Parse(message); }
    bool linkUp = false;

private:
    CMMIServ& m_server;
    CUpLinkMessageParser m_parser;
};

// A serial line at the BTS; everything else goes through the network.
inline bool IsLocalTarget(const std::string& target) {
    return target.find("WP=COM") != std::string::npos;
}

inline int BcfState(CMMIServ& server) {
    const CObjectData* bcf = server.Objects().FirstOfClass(objects::kClassBcf);
    return bcf == nullptr ? -1 : bcf->state;
}

inline bool TransferAllowed(int state) {
    return state == 0 || state == 1 || state == 9;
}

// Connects and waits until the BTS reported itself with a BCF state that allows transfers.
// On failure says why on standard error.
inline bool ConnectForTransfer(const std::string& target, double timeoutSeconds,
                               CTerminalSiteHost& host, CUplinkFeeder& feeder) {
    CCommunicationBTS& hub = CCommunicationBTS::Instance();
    CMMIServ& server = CMMIServ::Instance();
    server.SetHost(&host);
    hub.SetSettings({1, 5});
    hub.SetMessageSink([](const std::string& m) { std::cerr << m << '\n'; });
    hub.SetSimulatorFactory([](const CConnectParams& params, CCommunicationBTS& h) {
        return std::make_unique<CSIMTransactServer>(params, h);
    });
    const int kind = IsLocalTarget(target) ? kConnLocal : kConnRemote;
    if (!hub.StartConnection(kind, target)) {
        hub.Pump();
        std::cerr << "Cannot connect to " << target << "\n";
        return false;
    }
    if (kind == kConnLocal) {
        hub.SetMaxSpeed(5);
    }
    using Clock = std::chrono::steady_clock;
    const auto end = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                        std::chrono::duration<double>(timeoutSeconds));
    while (Clock::now() < end) {
        hub.WaitAndPump(std::chrono::milliseconds(50));
        if (feeder.linkUp && server.Supported() && TransferAllowed(BcfState(server))) {
            return true;
        }
    }
    if (!feeder.linkUp) {
        std::cerr << "The link to " << target << " did not come up within " << timeoutSeconds
                  << " s\n";
    } else if (!server.Supported()) {
        std::cerr << "The BTS did not report itself within " << timeoutSeconds << " s\n";
    } else {
        std::cerr << "The BCF state does not allow sending or fetching ("
                  << (BcfState(server) < 0 ? std::string("Unknown")
                                           : objects::StateText(BcfState(server)))
                  << ")\n";
    }
    hub.StopConnection();
    hub.Pump();
    return false;
}

inline STransferContext TransferContext() {
    STransferContext context;
    context.commands = &CMMIServ::Instance().Commands();
    const CDataBase* bts = CBtsConfiguration::Get();
    context.btsSwLevel = bts != nullptr ? bts->SwLevel().Level() : 0;
    return context;
}

// The reason of the first of the steps that failed, as the transfer window words it; empty when
// none of them says why.
inline std::string FailureReason(const CConfigTransfer& transfer,
                                 std::initializer_list<int> steps) {
    for (int step : steps) {
        if (CConfigTransfer::TransferStatus(step) <= 0 && !transfer.FailureReason(step).empty()) {
            return transfer.FailureReason(step);
        }
    }
    return {};
}

// A failed transfer's status line goes to standard error, with its reason after a colon.
inline void ReportFailure(int statusId, const std::string& reason) {
    std::cerr << LoadString(statusId) << (reason.empty() ? "" : ": " + reason) << std::endl;
}

inline void Disconnect() {
    CCommunicationBTS::Instance().StopConnection();
    CCommunicationBTS::Instance().Pump();
}

} // namespace cli
