#pragma once
// Shared by the commands that work on one configuration of a file: choosing it by name or index
// and building the Orvik site model from it, with the exit codes and messages scripts rely on.

#include <iostream>
#include <memory>
#include <string>

#include "ConfigChoice.h"
#include "files/SCFParseError.h"
#include "files/TextCodec.h"
#include "files/xml/PlanTextCodec.h"
#include "model/BtsConfiguration.h"
#include "model/CableGuy.h"
#include "model/SiteKODA.h"

namespace cli {

// A site whose candidate is the chosen configuration of the file. On failure says why on
// standard error and gives the exit code to return. Problems the reader found in the chosen
// configuration are counted and mentioned, but do not stop the command.
inline int LoadCandidate(const std::string& path, const ConfigChoice& choice, CSiteKODA& site,
                         std::string& configName, int& problems) {
    ChosenConfiguration chosen;
    if (const int rc = OpenConfiguration(path, choice, chosen); rc != kExitOk) {
        return rc;
    }
    configName = chosen.record->name;
    problems = 0;
    for (const CSCFParseError& e : chosen.file.Errors()) {
        problems += e.site == chosen.record ? 1 : 0;
    }
    if (problems > 0) {
        std::cerr << path << ": " << problems << " problem(s) in configuration \""
                  << Cp1252ToUtf8(chosen.record->name) << "\"; cabrion-cli validate lists them\n";
    }
    return BuildCandidate(path, *chosen.record, site);
}

// Makes the chosen configuration of the file the configuration currently in BTS of the site,
// as if it had just been fetched.
inline int LoadBtsConfiguration(const std::string& path, const ConfigChoice& choice,
                                CSiteKODA& site, int& problems) {
    CSiteKODA other;
    std::string name;
    if (const int rc = LoadCandidate(path, choice, other, name, problems); rc != kExitOk) {
        return rc;
    }
    auto bts = std::make_unique<CDataBaseKODA>();
    bts->CopyFrom(*other.GetKODA(kSelectCandidate));
    for (int step = 1; step <= 3; ++step) {
        bts->SetTransferStatus(step, 1);
    }
    CBtsConfiguration::Set(std::move(bts));
    // The copied cables to an external cabinet still point at the other site's cabinet units,
    // which go with it: they are built again by this site's rules, as after a fetch.
    if (CCableGuy* guy = site.CableGuy()) {
        guy->RebuildCables(kSelectBts, 0);
    }
    return kExitOk;
}

// The candidate of FILE and, when a BTS file is named, the configuration currently in BTS from
// it; anything left from before is dropped so that nothing stale is compared against.
inline int LoadCandidateAndBts(const std::string& path, const ConfigChoice& choice,
                               const std::string& btsPath, const ConfigChoice& btsChoice,
                               CSiteKODA& site, std::string& configName, int& problems) {
    int candidateProblems = 0;
    int btsProblems = 0;
    if (const int rc = LoadCandidate(path, choice, site, configName, candidateProblems);
        rc != kExitOk) {
        return rc;
    }
    CBtsConfiguration::Drop();
    if (!btsPath.empty()) {
        if (const int rc = LoadBtsConfiguration(btsPath, btsChoice, site, btsProblems);
            rc != kExitOk) {
            return rc;
        }
    }
    problems = candidateProblems + btsProblems;
    return kExitOk;
}

} // namespace cli
