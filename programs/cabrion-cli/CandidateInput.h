#pragma once
// Shared by the commands that work on one configuration of a file: choosing it by name or index
// and building the Orvik site model from it, with the exit codes and messages scripts rely on.

#include <iostream>
#include <memory>
#include <string>

#include "FileInput.h"
#include "files/SCFParseError.h"
#include "files/TextCodec.h"
#include "files/xml/PlanTextCodec.h"
#include "model/BtsConfiguration.h"
#include "model/SiteKODA.h"

namespace cli {

struct ConfigChoice {
    std::string name;
    int index = 0; // 1-based; 0 when not given
};

// Adds "--<prefix>config NAME" and "--<prefix>index N"; only one of them may be given.
inline void AddConfigChoice(CLI::App& app, ConfigChoice& choice, const std::string& prefix,
                            const std::string& fileWord) {
    auto* byName = app.add_option("--" + prefix + "config", choice.name,
                                  "Configuration of " + fileWord + " chosen by name");
    auto* byIndex = app.add_option("--" + prefix + "index", choice.index,
                                   "Configuration of " + fileWord + " chosen by position (from 1)")
                        ->check(CLI::PositiveNumber);
    byName->excludes(byIndex);
}

// A site whose candidate is the chosen configuration of the file. On failure says why on
// standard error and gives the exit code to return. Problems the reader found in the chosen
// configuration are counted and mentioned, but do not stop the command.
inline int LoadCandidate(const std::string& path, const ConfigChoice& choice, CSiteKODA& site,
                         std::string& configName, int& problems) {
    CSiteSCFile file;
    if (const int rc = OpenSiteFile(path, file); rc != kExitOk) {
        return rc;
    }
    if (file.HeaderMissing()) {
        std::cerr << path << ": " << Cp1252ToUtf8(file.HeaderFailureMessage()) << "\n";
        return kExitProblems;
    }
    const auto& sites = file.Sites();
    if (sites.empty()) {
        std::cerr << path << ": the file holds no configuration\n";
        return kExitProblems;
    }
    const CSCFSite* record = sites.front().get();
    if (!choice.name.empty()) {
        // Names are typed in UTF-8 and stored in the code page; take a stored name as it is too.
        record = file.FindSite(Utf8ToCp1252(choice.name));
        if (record == nullptr) {
            record = file.FindSite(choice.name);
        }
        if (record == nullptr) {
            std::cerr << path << ": no configuration named \"" << choice.name << "\"\n";
            return kExitUsage;
        }
    } else if (choice.index > 0) {
        if (choice.index > static_cast<int>(sites.size())) {
            std::cerr << path << ": no configuration " << choice.index << " (the file holds "
                      << sites.size() << ")\n";
            return kExitUsage;
        }
        record = sites[choice.index - 1].get();
    }
    configName = record->name;
    problems = 0;
    for (const CSCFParseError& e : file.Errors()) {
        problems += e.site == record ? 1 : 0;
    }
    if (problems > 0) {
        std::cerr << path << ": " << problems << " problem(s) in configuration \""
                  << Cp1252ToUtf8(record->name) << "\"; cabrion-cli validate lists them\n";
    }
    if (!site.BuildFromSiteRecord(*record, 0)) {
        std::cerr << path << ": configuration \"" << Cp1252ToUtf8(record->name)
                  << "\" has no cabinet\n";
        return kExitProblems;
    }
    return kExitOk;
}

// Makes the chosen configuration of the file the configuration currently in BTS, as if it had
// just been fetched.
inline int LoadBtsConfiguration(const std::string& path, const ConfigChoice& choice,
                                int& problems) {
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
    return kExitOk;
}

} // namespace cli
