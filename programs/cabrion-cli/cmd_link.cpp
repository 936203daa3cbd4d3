// cabrion-cli link: opens a BTS link, prints what it reports and what the BTS sends on its own,
// and closes it again.
#include "Command.h"

#include "comms/CommsClient.h"
#include "comms/CommsReport.h"
#include "comms/CommunicationBTS.h"
#include "comms/HwScenario.h"
#include "comms/MMIServ.h"
#include "comms/ObjectMaps.h"
#include "comms/SobriquetFile.h"
#include "comms/UpLinkMessageParser.h"
#include "model/BtsConfiguration.h"
#include "model/DataBase.h"
#include "model/SiteKODA.h"
#include "sim/SIMTransactServer.h"

#include <chrono>
#include <cstdio>
#include <iostream>

namespace {

class CPrintingClient : public CCommsClient {
public:
    explicit CPrintingClient(CCommunicationBTS& hub) : CCommsClient(hub) {}

    void OnReport(const CCommsReport& report) override {
        CMMIServ::Instance().TakeReport(report);
        if (report.Kind() == CCommsReport::kConnected) {
            linkCameUp = true;
        }
        std::cout << "report kind=" << report.Kind() << " code=" << report.Code();
        const std::string text = report.Text();
        if (!text.empty()) {
            std::cout << " text=" << Escaped(text);
        }
        std::cout << std::endl;
    }

    void OnUplinkMessage(std::span<const uint8_t> message) override {
        std::cout << "uplink";
        char hex[4];
        for (uint8_t b : message) {
            std::snprintf(hex, sizeof hex, " %02X", b);
            std::cout << hex;
        }
        std::cout << std::endl;
        CUpLinkMessageParser::Instance().Parse(message);
    }

    bool linkCameUp = false;

    // One report per line: line breaks in the texts are written as escapes.
    static std::string Escaped(const std::string& text) {
        std::string out;
        for (char c : text) {
            if (c == '\r') {
                out += "\\r";
            } else if (c == '\n') {
                out += "\\n";
            } else {
                out += c;
            }
        }
        return out;
    }
};

// The document's side of the BTS object model: event log lines and messages go to the output,
// the reported objects fill the "Currently in BTS" side of a site of our own.
class CPrintingBtsHost : public IBtsHost {
public:
    CSite* Site() override { return &m_site; }
    void AddEventLine(const std::string& time, const std::string& text) override {
        std::cout << "event " << (time.empty() ? std::string("        ") : time) << ' ' << text
                  << std::endl;
    }
    void ShowMessage(const std::string& text) override {
        std::cout << "message " << CPrintingClient::Escaped(text) << std::endl;
    }
    void ReportProblem(const std::string& text) override {
        std::cout << "problem " << text << std::endl;
    }

private:
    CSiteKODA m_site;
};

void PrintObjects(CMMIServ& server) {
    for (const auto& object : server.Objects().Objects()) {
        std::cout << "object class=" << object->objectClass << " index=" << object->index
                  << " name=" << object->name << " state=" << objects::StateText(object->state)
                  << std::endl;
    }
    const CDataBase* bts = CBtsConfiguration::Get();
    if (bts == nullptr) {
        return;
    }
    for (const auto& unit : bts->Units()) {
        if (!unit->IsUpgrade()) {
            std::cout << "bts-unit kind=" << unit->Kind() << " number=" << unit->DisplayedNumber()
                      << " name=" << unit->DisplayName() << std::endl;
        }
    }
    for (const auto& logical : bts->LogicalUnits()) {
        std::cout << "bts-logical " << logical->DisplayName()
                  << " state=" << objects::StateText(logical->State()) << std::endl;
    }
}

} // namespace

static cli::CommandRegistrar register_link("link", [](CLI::App& app) {
    app.description("Connect to a BTS, print its reports and uplink messages, then disconnect");
    auto target = std::make_shared<std::string>();
    auto seconds = std::make_shared<double>(5.0);
    auto maxSpeed = std::make_shared<int>(5);
    auto simulator = std::make_shared<bool>(false);
    auto nickname = std::make_shared<std::string>();
    app.add_option("--target", *target,
                   "Target text: \"WP=COM,PORT=n\" for a serial line, or "
                   "\"HOST=h,TCPPORT=p[,BSCID=b,BCFID=c]\" for a BTS on the network");
    app.add_option("--seconds", *seconds, "How long to keep the link (default 5)")
        ->check(CLI::Range(0.0, 86400.0));
    app.add_option("--max-speed", *maxSpeed, "Highest line speed, 1 (9600) to 5 (115200)")
        ->check(CLI::Range(1, 5));
    app.add_option("--sobriquet", *nickname,
                   "Take the target from the sobriquet file ($CABRION_SOBRIQUETS or "
                   "~/.config/Torvane/sobriquets.ini)");
    app.add_flag("--simulator", *simulator, "Use the built-in simulated BTS instead of a target");
    auto listObjects = std::make_shared<bool>(false);
    app.add_flag("--objects", *listObjects,
                 "At the end, print the BTS objects (class, index, name, state) and the "
                 "configuration currently in BTS");
    return [=]() -> int {
        std::string text = *target;
        if (text.empty() && !nickname->empty()) {
            std::string message;
            if (!sobriquet::Resolve(sobriquet::DefaultPath(), *nickname, text, message)) {
                std::cerr << message << '\n';
                return cli::kExitUsage;
            }
        }
        if (text.empty() && !*simulator) {
            std::cerr << "link: give --target TEXT, --sobriquet NAME or --simulator\n";
            return cli::kExitUsage;
        }
        CCommunicationBTS& hub = CCommunicationBTS::Instance();
        hub.SetSettings({1, *maxSpeed});
        hub.SetMessageSink([](const std::string& m) { std::cerr << m << '\n'; });
        hub.SetSimulatorFactory([](const CConnectParams& params, CCommunicationBTS& h) {
            SSimScenario scenario;
            scenario.bts = SSimBtsModel::Default();
            return std::make_unique<CSIMTransactServer>(params, h, scenario);
        });
        CPrintingBtsHost btsHost;
        CMMIServ& server = CMMIServ::Instance();
        server.SetHost(&btsHost);
        CPrintingClient client(hub);
        const int kind = *simulator                                 ? kConnSimulator
                         : text.find("WP=COM") != std::string::npos ? kConnLocal
                                                                    : kConnRemote;
        if (!hub.StartConnection(kind, text)) {
            hub.Pump();
            return cli::kExitProblems;
        }
        if (kind != kConnSimulator) {
            // A local target given as text starts at 9600; the line is raised once it is up.
            hub.SetMaxSpeed(*maxSpeed);
        }
        using Clock = std::chrono::steady_clock;
        const auto end = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                            std::chrono::duration<double>(*seconds));
        while (Clock::now() < end) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now());
            hub.WaitAndPump(std::min(left, std::chrono::milliseconds(100)));
            if (hub.Server() == nullptr) {
                break; // the link was stopped, for one by an unsupported BTS
            }
            server.HwScenario().Tick();
        }
        // While the link is there: its end empties the object store.
        if (*listObjects) {
            PrintObjects(server);
        }
        hub.StopConnection();
        hub.Pump();
        server.HwScenario().Stop();
        server.SetHost(nullptr);
        CBtsConfiguration::Drop();
        return client.linkCameUp && !server.unsupported ? cli::kExitOk : cli::kExitProblems;
    };
});
