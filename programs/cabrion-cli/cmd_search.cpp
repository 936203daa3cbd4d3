// search: the stored configurations of a folder that fit what a BTS detected, in the order
// found. The BTS side is a live BTS (the units it reports) or a file standing for it.
#include <nlohmann/json.hpp>

#include "CandidateInput.h"
#include "TransferSession.h"
#include "rules/ConfigSearch.h"

namespace {

struct SearchOptions {
    std::string folder;
    std::string target;
    std::string btsPath;
    cli::ConfigChoice btsChoice;
    double timeout = 30.0;
    bool json = false;
};

// Hands what the BTS sends on its own to the object model, and notes when it last spoke.
class CReportCollector : public CCommsClient {
public:
    CReportCollector(CCommunicationBTS& hub, CMMIServ& server)
        : CCommsClient(hub), m_server(server), m_parser(server) {}
    void OnReport(const CCommsReport& report) override {
        m_server.TakeReport(report);
        linkUp = report.Kind() == CCommsReport::kConnected ||
                 (linkUp && report.Kind() != CCommsReport::kNoConnection);
        lastHeard = std::chrono::steady_clock::now();
    }
    void OnUplinkMessage(std::span<const uint8_t> message) override {
        m_parser.Parse(message);
        lastHeard = std::chrono::steady_clock::now();
    }
    bool linkUp = false;
    std::chrono::steady_clock::time_point lastHeard = std::chrono::steady_clock::now();

private:
    CMMIServ& m_server;
    CUpLinkMessageParser m_parser;
};

// Connects and collects what the BTS reports of its units until it has been quiet for a moment:
// the units it reports are the ones it detected. The profile is taken before the link ends,
// since the end of a link empties the configuration currently in BTS. False with a message when
// the BTS did not report itself in time.
bool ReadLiveBts(const SearchOptions& o, SBtsProfile& profile) {
    using Clock = std::chrono::steady_clock;
    constexpr auto kQuiet = std::chrono::milliseconds(700);
    cli::CTerminalSiteHost host(false);
    CSiteKODA site(&host, &host);
    host.Attach(&site);
    CCommunicationBTS& hub = CCommunicationBTS::Instance();
    CMMIServ& server = CMMIServ::Instance();
    server.SetHost(&host);
    hub.SetSettings({1, 5});
    hub.SetMessageSink([](const std::string& m) { std::cerr << m << '\n'; });
    hub.SetSimulatorFactory([](const CConnectParams& params, CCommunicationBTS& h) {
        return std::make_unique<CSIMTransactServer>(params, h);
    });
    CReportCollector collector(hub, server);
    // The link's event lines would mix with the results on standard output.
    std::streambuf* out = std::cout.rdbuf(std::cerr.rdbuf());
    const int kind = o.target.find("WP=COM") != std::string::npos ? kConnLocal : kConnRemote;
    bool ok = hub.StartConnection(kind, o.target);
    if (ok) {
        if (kind == kConnLocal) {
            hub.SetMaxSpeed(5);
        }
        const auto end = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                            std::chrono::duration<double>(o.timeout));
        bool reported = false;
        while (Clock::now() < end) {
            hub.WaitAndPump(std::chrono::milliseconds(50));
            reported = reported || (collector.linkUp && server.Supported());
            if (reported && Clock::now() - collector.lastHeard > kQuiet) {
                break;
            }
        }
        ok = reported;
        if (ok) {
            profile = SBtsProfile::FromConfiguration(CBtsConfiguration::Get());
        } else {
            std::cerr << "search: the BTS at " << o.target << " did not report itself within "
                      << o.timeout << " s\n";
        }
    } else {
        std::cerr << "search: cannot connect to " << o.target << "\n";
    }
    cli::Disconnect();
    server.SetHost(nullptr);
    std::cout.rdbuf(out);
    return ok;
}

int RunSearch(const SearchOptions& o) {
    CBtsConfiguration::Drop();
    SBtsProfile bts;
    if (!o.btsPath.empty()) {
        CSiteKODA site;
        int problems = 0;
        if (const int rc = cli::LoadBtsConfiguration(o.btsPath, o.btsChoice, site, problems);
            rc != cli::kExitOk) {
            return cli::kExitUsage;
        }
        bts = SBtsProfile::FromConfiguration(CBtsConfiguration::Get());
    } else if (!ReadLiveBts(o, bts)) {
        return cli::kExitUsage;
    }
    CBtsConfiguration::Drop();

    const SSearchResult r = SearchFolder(o.folder, bts);
    if (!r.folderError.empty()) {
        std::cerr << "search: cannot list " << o.folder << ": " << r.folderError << "\n";
        return cli::kExitUsage;
    }
    for (const SSkippedFile& s : r.skipped) {
        std::cerr << s.path << ": " << s.reason << "\n";
    }
    if (o.json) {
        nlohmann::ordered_json j;
        j["found"] = nlohmann::ordered_json::array();
        for (const SFoundConfiguration& f : r.found) {
            j["found"].push_back(
                {{"file", f.path}, {"name", Cp1252ToUtf8(f.name)}, {"index", f.indexInFile + 1}});
        }
        j["skipped"] = nlohmann::ordered_json::array();
        for (const SSkippedFile& s : r.skipped) {
            j["skipped"].push_back({{"file", s.path}, {"reason", s.reason}});
        }
        j["filesSearched"] = r.filesSearched;
        j["configurationsExamined"] = r.configurationsExamined;
        std::cout << j.dump(2) << '\n';
    } else {
        for (const SFoundConfiguration& f : r.found) {
            std::cout << f.path << '\t' << Cp1252ToUtf8(f.name) << '\n';
        }
        if (r.found.empty()) {
            std::cerr << "No matching configuration found.\n";
        }
    }
    return r.found.empty() ? cli::kExitProblems : cli::kExitOk;
}

cli::CommandRegistrar register_search("search", [](CLI::App& app) {
    app.description("List the stored configurations of a folder that fit the units a BTS "
                    "detected");
    auto o = std::make_shared<SearchOptions>();
    app.add_option("DIR", o->folder, "Folder of configuration files (*.hwc)")->required();
    CLI::Option* target =
        app.add_option("--target", o->target, "Target text of a live BTS to compare with");
    CLI::Option* bts =
        app.add_option("--bts", o->btsPath, "File holding the configuration currently in BTS");
    target->excludes(bts);
    cli::AddConfigChoice(app, o->btsChoice, "bts-", "the --bts file");
    app.add_option("--timeout", o->timeout, "Seconds to wait for the BTS (default 30)")
        ->check(CLI::Range(0.1, 3600.0));
    app.add_flag("--json", o->json, "Write the result as JSON");
    return [=]() -> int {
        if (o->target.empty() && o->btsPath.empty()) {
            std::cerr << "search: give the BTS with --target or --bts\n";
            return cli::kExitUsage;
        }
        if (o->btsPath.empty() && (!o->btsChoice.name.empty() || o->btsChoice.index > 0)) {
            std::cerr << "search: --bts-config and --bts-index choose from the --bts file\n";
            return cli::kExitUsage;
        }
        return RunSearch(*o);
    };
});

} // namespace
