// dump: one configuration of a file built into a candidate, as the application would show it.
#include "ConfigChoice.h"
#include "app/document/CandidateJson.h"
#include "model/BandInformation.h"

namespace {

// The readable form: the summary line, then one unit per line with its place.
void PrintText(CSiteKODA& site, const std::string& name) {
    const CDataBaseKODA* db = site.GetKODA(kSelectCandidate);
    const CCabinet* cabinet = db->Cabinet(0);
    std::cout << Cp1252ToUtf8(name) << '\n'
              << Cp1252ToUtf8(db->SummaryLine()) << '\n'
              << "Band " << CBandInformation::BandNameOfValue(db->Band()) << ", SW level "
              << db->SwLevel().Name() << '\n';
    for (const auto& unit : db->Units()) {
        std::cout << Cp1252ToUtf8(unit->DisplayName()) << '\t'
                  << (cabinet ? Cp1252ToUtf8(cabinet->LocationText(*unit)) : std::string()) << '\n';
    }
}

int RunDump(const std::string& path, const cli::ConfigChoice& choice, bool json) {
    cli::ChosenConfiguration chosen;
    if (const int rc = cli::OpenConfiguration(path, choice, chosen); rc != cli::kExitOk) {
        return rc;
    }
    CSiteKODA site;
    if (const int rc = cli::BuildCandidate(path, *chosen.record, site); rc != cli::kExitOk) {
        return rc;
    }
    if (json) {
        std::cout << CandidateJson(site, chosen.record->name).dump(2) << '\n';
    } else {
        PrintText(site, chosen.record->name);
    }
    cli::WarnAboutProblems(path, chosen);
    return chosen.problems ? cli::kExitProblems : cli::kExitOk;
}

cli::CommandRegistrar register_dump("dump", [](CLI::App& app) {
    app.description("Show one configuration of a site configuration file (.hwc, .sdf) or plan "
                    "(.ewb) as the application builds it");
    auto path = std::make_shared<std::string>();
    auto choice = std::make_shared<cli::ConfigChoice>();
    auto json = std::make_shared<bool>(false);
    app.add_option("FILE", *path, "Site configuration file or plan")->required();
    cli::AddConfigChoice(app, *choice);
    app.add_flag("--json", *json, "Write the configuration as JSON");
    return [=]() -> int { return RunDump(*path, *choice, *json); };
});

} // namespace
