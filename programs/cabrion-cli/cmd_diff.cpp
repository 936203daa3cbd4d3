// diff: the Differences list between a configuration and the configuration currently in BTS,
// here read from a second file, followed by what the configuration lacks for a send.
#include <iostream>

#include "CandidateInput.h"
#include "files/ConfigInfoKODA.h"

namespace {

struct DiffOptions {
    std::string path;
    cli::ConfigChoice choice;
    std::string btsPath;
    cli::ConfigChoice btsChoice;
    int namesPerLine = 4;
};

int RunDiff(const DiffOptions& o) {
    CSiteKODA site;
    std::string configName;
    int problems = 0;
    if (const int rc = cli::LoadCandidateAndBts(o.path, o.choice, o.btsPath, o.btsChoice, site,
                                                configName, problems);
        rc != cli::kExitOk) {
        return rc;
    }

    CConfigInfoKODA info(&site);
    info.SetBtsConnected(true);
    info.Recompute();
    bool allSame = true;
    for (const SDifferenceRow& row : info.DifferenceRows()) {
        std::cout << row.view << '\t' << row.candidate << '\t' << row.bts << '\t' << row.compared
                  << '\n';
        allSame = allSame && row.same;
    }
    if (info.MissingInformation(o.namesPerLine))
        std::cout << '\n' << Cp1252ToUtf8(info.MissingInformationText());
    CBtsConfiguration::Drop();
    return allSame && problems == 0 ? cli::kExitOk : cli::kExitProblems;
}

cli::CommandRegistrar reg("diff", [](CLI::App& app) {
    app.description("Compare a configuration with the configuration currently in BTS, read from "
                    "a second file");
    auto o = std::make_shared<DiffOptions>();
    app.add_option("FILE", o->path, "Site configuration file (.hwc, .sdf) or plan (.ewb)")
        ->required();
    cli::AddConfigChoice(app, o->choice, "", "FILE");
    app.add_option("--bts", o->btsPath, "File holding the configuration currently in BTS")
        ->required();
    cli::AddConfigChoice(app, o->btsChoice, "bts-", "the --bts file");
    app.add_option("--missing", o->namesPerLine, "Unit names per line of the missing information")
        ->check(CLI::PositiveNumber);
    return [=]() -> int { return RunDiff(*o); };
});

} // namespace
