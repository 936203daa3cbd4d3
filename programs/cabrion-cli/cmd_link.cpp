// cabrion-cli link: opens a BTS link, prints what it reports and what the BTS sends on its own,
// and closes it again.
#include "Command.h"

#include "comms/CommsClient.h"
#include "comms/CommsReport.h"
#include "comms/CommunicationBTS.h"
#include "comms/SobriquetFile.h"
#include "sim/SIMTransactServer.h"

#include <chrono>
#include <cstdio>
#include <iostream>

namespace {

class CPrintingClient : public CCommsClient {
public:
    explicit CPrintingClient(CCommunicationBTS& hub) : CCommsClient(hub) {}

    void OnReport(const CCommsReport& report) override {
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
    }

    bool linkCameUp = false;

private:
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

} // namespace

static cli::CommandRegistrar reg("link", [](CLI::App& app) {
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
            return std::make_unique<CSIMTransactServer>(params, h);
        });
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
        }
        hub.StopConnection();
        hub.Pump();
        return client.linkCameUp ? cli::kExitOk : cli::kExitProblems;
    };
});
