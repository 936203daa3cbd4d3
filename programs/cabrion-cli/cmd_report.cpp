// report: the configuration report of one configuration, as the ".hwr" file holds it.
#include <iostream>

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

std::string BaseName(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

int RunReport(const ReportOptions& o) {
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
    report.WriteHeader(BaseName(o.path), configName);
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

cli::CommandRegistrar reg("report", [](CLI::App& app) {
    app.description("Write the BTS HW configuration report of a configuration (.hwr)");
    auto o = std::make_shared<ReportOptions>();
    app.add_option("FILE", o->path, "Site configuration file (.hwc, .sdf) or plan (.ewb)")
        ->required();
    cli::AddConfigChoice(app, o->choice, "", "FILE");
    app.add_option("-o,--output", o->output,
                   "Report file to write (\".hwr\" is added to a name without extension); "
                   "standard output without it");
    auto* bts = app.add_option("--bts", o->btsPath,
                               "Configuration currently in BTS: units it lacks are bracketed");
    cli::AddConfigChoice(app, o->btsChoice, "bts-", "the --bts file");
    app.get_option("--bts-config")->needs(bts);
    app.get_option("--bts-index")->needs(bts);
    return [=]() -> int { return RunReport(*o); };
});

} // namespace
