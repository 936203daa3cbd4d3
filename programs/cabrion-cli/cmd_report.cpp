// report: the configuration report of one configuration, as the ".hwr" file holds it.
#include <iostream>

#include "ArchiveInput.h"
#include "CandidateInput.h"
#include "SourceDate.h"
#include "files/ConfigurationReportKODA.h"

namespace {

struct ReportOptions {
    std::string path;
    cli::ConfigChoice choice;
    std::string output;
    std::string btsPath;
    cli::ConfigChoice btsChoice;
};

// SOURCE_DATE_EPOCH, when set, fixes the date in the header so that reports can be compared.
bool HeaderTime(CConfigurationReport& report) {
    std::optional<std::tm> when;
    if (!cli::SourceDateEpoch(when)) {
        return false;
    }
    if (when) {
        report.SetTimestamp(*when);
    }
    return true;
}

std::string LastPathPart(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// One report per Orvik configuration of every file of the folder, into the output folder.
int RunArchive(const ReportOptions& o) {
    if (!o.choice.name.empty() || o.choice.index != 0 || !o.btsPath.empty()) {
        std::cerr << "A folder takes no --config, --index or --bts: every configuration of "
                     "every file is reported\n";
        return cli::kExitUsage;
    }
    if (o.output.empty()) {
        std::cerr << "A folder needs the folder to write the reports into: -o FOLDER\n";
        return cli::kExitUsage;
    }
    std::error_code ec;
    std::filesystem::create_directories(o.output, ec);
    if (!cli::IsFolder(o.output)) {
        std::cerr << "Cannot make the folder " << o.output << "\n";
        return cli::kExitUsage;
    }
    CConfigurationReportKODA report;
    if (!HeaderTime(report)) {
        return cli::kExitUsage;
    }
    int written = 0;
    const cli::SArchiveCounts counts = cli::ForEachArchiveConfiguration(
        o.path, [&](const std::filesystem::path& path, const CSiteSCFile&, const CSCFSite& record,
                    int position, bool problems) {
            CBtsConfiguration::Drop();
            CSiteKODA site;
            if (const int rc = cli::BuildCandidate(path.string(), record, site);
                rc != cli::kExitOk) {
                return rc;
            }
            report.WriteHeader(path.filename().string(), record.name);
            report.WriteBody(site);
            const std::string target =
                (std::filesystem::path(o.output) / cli::ArchiveOutputName(path, position, ".hwr"))
                    .string();
            if (const CSaveResult saved = report.Buffer().Write(target); !saved) {
                std::cerr << target << ": " << CConfigurationReport::kSaveFailed << "\n"
                          << saved.error << "\n";
                return cli::kExitUsage;
            }
            ++written;
            return problems ? cli::kExitProblems : cli::kExitOk;
        });
    CBtsConfiguration::Drop();
    cli::PrintArchiveSummary(counts, std::to_string(written) + " reports written to " + o.output);
    return counts.worst;
}

int RunReport(const ReportOptions& o) {
    if (cli::IsFolder(o.path)) {
        return RunArchive(o);
    }
    CSiteKODA site;
    std::string configName;
    int problems = 0;
    if (const int rc = cli::LoadCandidateAndBts(o.path, o.choice, o.btsPath, o.btsChoice, site,
                                                configName, problems);
        rc != cli::kExitOk) {
        return rc;
    }

    CConfigurationReportKODA report;
    if (!HeaderTime(report))
        return cli::kExitUsage;
    report.WriteHeader(LastPathPart(o.path), configName);
    report.WriteBody(site);
    CBtsConfiguration::Drop();

    if (o.output.empty()) {
        const std::string bytes = report.Buffer().FileBytes();
        std::cout.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!std::cout.flush())
            return cli::kExitUsage;
    } else {
        const std::string target = CConfigurationReport::WithReportExtension(o.output);
        if (const CSaveResult saved = report.Buffer().Write(target); !saved) {
            std::cerr << CConfigurationReport::kSaveFailed << "\n" << saved.error << "\n";
            return cli::kExitUsage;
        }
    }
    // The report is written all the same; the exit code tells a script the input was not clean.
    return problems > 0 ? cli::kExitProblems : cli::kExitOk;
}

cli::CommandRegistrar register_report("report", [](CLI::App& app) {
    app.description("Write the BTS HW configuration report of a configuration (.hwr)");
    auto o = std::make_shared<ReportOptions>();
    app.add_option("FILE", o->path,
                   "Site configuration file (.hwc, .sdf) or plan (.ewb); or a folder: one report "
                   "per Orvik configuration of each of its .hwc and .sdf files")
        ->required();
    cli::AddConfigChoice(app, o->choice, "", "FILE");
    app.add_option("-o,--output", o->output,
                   "Report file to write (\".hwr\" is added to a name without extension); "
                   "standard output without it; for a folder, the folder to write FILE-N.hwr "
                   "into");
    auto* bts = app.add_option("--bts", o->btsPath,
                               "Configuration currently in BTS: units it lacks are bracketed");
    cli::AddConfigChoice(app, o->btsChoice, "bts-", "the --bts file");
    app.get_option("--bts-config")->needs(bts);
    app.get_option("--bts-index")->needs(bts);
    return [=]() -> int { return RunReport(*o); };
});

} // namespace
