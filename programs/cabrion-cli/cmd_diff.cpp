// diff: the Differences list between a configuration and the configuration currently in BTS,
// here read from a second file, followed by what the configuration lacks for a send.
#include <nlohmann/json.hpp>

#include <iostream>

#include "CandidateInput.h"
#include "app/views/DifferenceList.h"
#include "files/ConfigInfoKODA.h"

namespace {

struct DiffOptions {
    std::string path;
    cli::ConfigChoice choice;
    std::string btsPath;
    cli::ConfigChoice btsChoice;
    int namesPerLine = 4;
    bool detail = false;
    bool json = false;
};

nlohmann::ordered_json Json(CConfigInfoKODA& info, CSiteKODA& site, bool detail) {
    nlohmann::ordered_json views = nlohmann::ordered_json::array();
    for (const SDifferenceRow& row : info.DifferenceRows()) {
        views.push_back({{"viewType", row.viewType},
                         {"view", row.view},
                         {"candidate", row.candidate},
                         {"bts", row.bts},
                         {"compared", row.compared},
                         {"same", row.same},
                         {"comparable", row.comparable}});
    }
    nlohmann::ordered_json out = {{"views", views}};
    if (detail) {
        nlohmann::ordered_json items = nlohmann::ordered_json::array();
        for (const SDifferenceItem& d : ListDifferences(&site, info)) {
            nlohmann::ordered_json unit = nullptr;
            if (d.unitKind != 0) {
                unit = {{"kind", d.unitKind}, {"displayedNumber", d.unitDisplayedNumber}};
            }
            items.push_back({{"viewType", d.viewType},
                             {"view", d.view},
                             {"item", d.item},
                             {"candidate", d.candidate},
                             {"bts", d.bts},
                             {"unit", unit}});
        }
        out["differences"] = items;
    }
    info.MissingInformation(0);
    static constexpr const char* kLists[4] = {"units", "txCabling", "rxMainCabling",
                                              "antennaSettings"};
    nlohmann::ordered_json missing = nlohmann::ordered_json::object();
    for (int i = 0; i < 4; ++i) {
        nlohmann::ordered_json names = nlohmann::ordered_json::array();
        for (const std::string& name : info.Missing(i)) {
            names.push_back(Cp1252ToUtf8(name));
        }
        missing[kLists[i]] = names;
    }
    out["missing"] = missing;
    return out;
}

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
        if (!o.json) {
            std::cout << row.view << '\t' << row.candidate << '\t' << row.bts << '\t'
                      << row.compared << '\n';
        }
        allSame = allSame && row.same;
    }
    if (o.json) {
        std::cout << Json(info, site, o.detail).dump(2) << '\n';
        CBtsConfiguration::Drop();
        return allSame && problems == 0 ? cli::kExitOk : cli::kExitProblems;
    }
    if (o.detail) {
        const std::vector<SDifferenceItem> items = ListDifferences(&site, info);
        if (!items.empty()) {
            std::cout << '\n';
        }
        for (const SDifferenceItem& d : items) {
            std::cout << d.view << '\t' << d.item << '\t' << d.candidate << '\t' << d.bts << '\n';
        }
    }
    if (info.MissingInformation(o.namesPerLine))
        std::cout << '\n' << Cp1252ToUtf8(info.MissingInformationText());
    CBtsConfiguration::Drop();
    return allSame && problems == 0 ? cli::kExitOk : cli::kExitProblems;
}

cli::CommandRegistrar register_diff("diff", [](CLI::App& app) {
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
    app.add_flag("--detail", o->detail,
                 "After the views, one line per difference: view, unit or setting, what the "
                 "candidate has, what the BTS has");
    app.add_flag("--json", o->json, "Write one JSON object instead of tab-separated lines");
    return [=]() -> int { return RunDiff(*o); };
});

} // namespace
