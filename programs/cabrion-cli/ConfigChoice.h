#pragma once
// Shared by the commands that work on one configuration of a file: the --config/--index
// options, picking the configuration, and building it into a candidate through the site.

#include <algorithm>
#include <iostream>
#include <limits>
#include <memory>
#include <string>

#include "FileInput.h"
#include "files/SCFSite.h"
#include "files/SiteRecords.h"
#include "files/TextCodec.h"
#include "files/xml/PlanTextCodec.h"
#include "model/SiteKODA.h"

namespace cli {

struct ConfigChoice {
    std::string name;
    int index = 0; // 1-based; 0 when not given
};

// Adds "--<prefix>config NAME" and "--<prefix>index N"; only one of them may be given.
inline void AddConfigChoice(CLI::App& app, ConfigChoice& choice, const std::string& prefix = "",
                            const std::string& fileWord = "FILE") {
    CLI::Option* name =
        app.add_option("--" + prefix + "config", choice.name,
                       "Configuration of " + fileWord + " chosen by name (default: the first)");
    CLI::Option* index =
        app.add_option("--" + prefix + "index", choice.index,
                       "Configuration of " + fileWord + " chosen by position (from 1)")
            ->check(CLI::Range(1, std::numeric_limits<int>::max()));
    name->excludes(index);
}

// A file opened for one of its configurations.
struct ChosenConfiguration {
    CSiteSCFile file;
    const CSCFSite* record = nullptr;
    // The reader found problems in this configuration or outside any: what it could not take
    // is missing.
    bool problems = false;
};

inline const CSCFSite* PickConfiguration(const CSiteSCFile& file, const ConfigChoice& choice) {
    const auto& sites = file.Sites();
    if (!choice.name.empty()) {
        // Names are stored in the files' code page; the shell hands them over as UTF-8.
        if (CSCFSite* site = file.FindSite(Utf8ToCp1252(choice.name))) {
            return site;
        }
        return file.FindSite(choice.name);
    }
    const std::size_t at = choice.index > 0 ? static_cast<std::size_t>(choice.index - 1) : 0;
    return at < sites.size() ? sites[at].get() : nullptr;
}

// Opens the file and picks the configuration; on failure says why on standard error and gives
// the exit code to return.
inline int OpenConfiguration(const std::string& path, const ConfigChoice& choice,
                             ChosenConfiguration& chosen) {
    const int rc = OpenSiteFile(path, chosen.file);
    if (rc == kExitUsage) {
        return rc;
    }
    if (chosen.file.HeaderMissing()) {
        std::cerr << Cp1252ToUtf8(chosen.file.HeaderFailureMessage()) << "\n";
        return kExitProblems;
    }
    if (rc != kExitOk && chosen.file.Sites().empty()) {
        return rc;
    }
    chosen.record = PickConfiguration(chosen.file, choice);
    if (chosen.record == nullptr) {
        if (!choice.name.empty()) {
            std::cerr << path << ": no configuration named \"" << choice.name << "\"\n";
        } else {
            std::cerr << path << ": no configuration " << std::max(choice.index, 1)
                      << " (the file holds " << chosen.file.Sites().size() << ")\n";
        }
        return kExitUsage;
    }
    // Problems of other configurations leave this one whole; those outside any configuration
    // may touch every one.
    for (const CSCFParseError& error : chosen.file.Errors()) {
        chosen.problems = chosen.problems || error.site == nullptr || error.site == chosen.record;
    }
    if (chosen.record->bcfType == kBcfTypeSelmo) {
        // The desktop program edits the pairs of a Selmo configuration; nothing here does.
        std::cerr << path << ": configuration \"" << Cp1252ToUtf8(chosen.record->name)
                  << "\" is a Selmo configuration; cabrion-cli works on Orvik configurations "
                     "only\n";
        return kExitProblems;
    }
    if (CSiteSCFile::BtsTypeText(*chosen.record) == "Not supported") {
        std::cerr << path << ": configuration \"" << Cp1252ToUtf8(chosen.record->name)
                  << "\" is of a BTS type this tool does not support\n";
        return kExitProblems;
    }
    return kExitOk;
}

// What the reader could not take is left out of the configuration; say so, as the open
// dialog's problem page does.
inline void WarnAboutProblems(const std::string& path, const ChosenConfiguration& chosen) {
    if (chosen.problems) {
        std::cerr << path << ": the file has problems; what could not be read is left out (see "
                  << "cabrion-cli validate)\n";
    }
}

// Builds the record's first cabinet into the site's candidate.
inline int BuildCandidate(const std::string& path, const CSCFSite& record, CSiteKODA& site) {
    site.SetText(record.name);
    if (record.cabinets.empty() || !BuildSiteFromRecord(site, record, 0)) {
        std::cerr << path << ": configuration \"" << Cp1252ToUtf8(record.name)
                  << "\" has no cabinet\n";
        return kExitProblems;
    }
    return kExitOk;
}

} // namespace cli
