// cabrion-cli fetch: reads the configuration the BTS holds and saves it as a configuration of a
// file.
#include "CandidateInput.h"
#include "PlanOutput.h"
#include "TransferSession.h"
#include "files/HWInfoFile.h"
#include "files/SiteRecords.h"
#include "files/xml/XMLPlanWriter.h"

namespace {

bool EndsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() &&
           std::equal(tail.rbegin(), tail.rend(), s.rbegin(),
                      [](char a, char b) { return std::tolower(a) == std::tolower(b); });
}

// Saves the configuration currently in BTS under the name; false with a message on failure.
bool SaveBtsConfiguration(CSiteKODA& site, const std::string& path, const std::string& name,
                          const CHWInfoFile* passive) {
    if (!site.EditBtsConfiguration()) {
        std::cerr << "No configuration was read from the BTS\n";
        return false;
    }
    CSCFSite record;
    if (!CopySiteIntoRecord(site, record)) {
        std::cerr << "The configuration read from the BTS cannot be stored\n";
        return false;
    }
    record.name = Utf8ToCp1252(name);
    if (EndsWith(path, ".ewb")) {
        CXML_NodeFile plan(path);
        cli::UseToolsFolder(plan);
        const CSCFCabinet* cabinet = CSiteSCFile::FirstCabinet(record);
        if (cabinet == nullptr || !WriteXMLPlan(plan, record, *cabinet, passive)) {
            std::cerr << "Cannot save " << path << "\n";
            return false;
        }
        return true;
    }
    const CSaveResult saved = CSiteSCFile::SaveConfigurationInto(path, record);
    if (!saved) {
        std::cerr << "Cannot save " << path << ": " << saved.error << "\n";
        return false;
    }
    return true;
}

} // namespace

static cli::CommandRegistrar register_fetch("fetch", [](CLI::App& app) {
    app.description("Fetch the configuration the BTS holds and save it into a file");
    auto target = std::make_shared<std::string>();
    auto out = std::make_shared<std::string>();
    auto name = std::make_shared<std::string>("Currently in BTS");
    auto passive = std::make_shared<std::string>();
    auto timeout = std::make_shared<double>(30.0);
    app.add_option("--target", *target, "Target text of the BTS")->required();
    app.add_option("-o,--output", *out, "File to save into (.hwc, .sdf or .ewb)")->required();
    app.add_option("--name", *name, "Name of the saved configuration");
    app.add_option("--passive", *passive, "Also fetch the passive unit information into a .hwi");
    app.add_option("--timeout", *timeout, "Seconds to wait for the BTS (default 30)")
        ->check(CLI::Range(0.1, 3600.0));
    return [=]() -> int {
        if (!EndsWith(*out, ".hwc") && !EndsWith(*out, ".sdf") && !EndsWith(*out, ".ewb")) {
            std::cerr << "fetch: the output must be a .hwc, .sdf or .ewb file\n";
            return cli::kExitUsage;
        }
        if (const auto refusal = CSiteSCFile::RefuseConfigurationName(Utf8ToCp1252(*name))) {
            std::cerr << "fetch: " << *refusal << "\n";
            return cli::kExitUsage;
        }
        cli::CTerminalSiteHost host(false);
        CSiteKODA site(&host, &host);
        host.Attach(&site);
        cli::CUplinkFeeder feeder(CCommunicationBTS::Instance(), CMMIServ::Instance());
        if (!cli::ConnectForTransfer(*target, *timeout, host, feeder)) {
            return cli::kExitProblems;
        }
        CHWInfoFile btsPassive;
        STransferContext context = cli::TransferContext();
        context.btsPassive = &btsPassive;
        CConfigTransfer transfer(site, context);
        host.LogEvent(std::string(LoadString(64069)));
        transfer.Fetch(false);
        bool ok = CConfigTransfer::TransferStatus(1) > 0 && CConfigTransfer::TransferStatus(2) > 0;
        std::string reason = cli::FailureReason(transfer, {1, 2});
        if (!passive->empty()) {
            transfer.Fetch(true);
            if (CConfigTransfer::TransferStatus(3) <= 0) {
                ok = false;
                if (reason.empty()) {
                    reason = cli::FailureReason(transfer, {3});
                }
            }
            if (!btsPassive.Export(*passive)) {
                std::cerr << CHWInfoFile::kExportFailed << "\n";
                ok = false;
            }
        }
        cli::Disconnect();
        if (!ok) {
            cli::ReportFailure(161, reason);
            return cli::kExitProblems;
        }
        if (!SaveBtsConfiguration(site, *out, *name, passive->empty() ? nullptr : &btsPassive)) {
            return cli::kExitProblems;
        }
        std::cout << "Fetch successful" << std::endl;
        return cli::kExitOk;
    };
});
