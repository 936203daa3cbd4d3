// check: runs the Orvik rule book over every cable of a configuration and lists what it does
// not accept.
#include "ArchiveInput.h"
#include "FileInput.h"
#include "TextColumns.h"
#include "files/SiteRecords.h"
#include "files/TextCodec.h"
#include "files/xml/PlanTextCodec.h"
#include "model/BtsConfiguration.h"
#include "model/SiteKODA.h"
#include "rules/RuleBook.h"

namespace {

struct CheckOptions {
    std::string path;
    std::string config;
    int index = 0;
    bool quiet = false;
};

using cli::TabFreeColumn;

// RX diversity may come from any combiner output of the sector, the other RTC's included, so
// the rules that tie a transceiver to the units of its half do not apply to it.
bool IsDiversityCable(const CCabling& cable) {
    return cable.CableType() == kCableRxDiv;
}

// Prints the verdicts other than OK, each after `prefix`; answers whether any was critical.
// `remarks` counts the verdicts printed.
bool CheckConfiguration(const CSCFSite& record, bool& checked, int& remarks,
                        const std::string& prefix = {}) {
    checked = false;
    if (record.siteType != kSiteTypeOrvik) {
        return false;
    }
    CBtsConfiguration::Drop();
    CSiteKODA site;
    if (!BuildSiteFromRecord(site, record, 0)) {
        return false;
    }
    checked = true;
    site.CableGuy()->RebuildCables(kSelectCandidate, 1);
    const CRuleBookKODA book;
    bool critical = false;
    int position = 0;
    for (const CCabling* cable = site.FirstCable(position, kSelectCandidate); cable != nullptr;
         cable = site.NextCable(position, kSelectCandidate)) {
        if (cable->Start() == nullptr || cable->End() == nullptr || IsDiversityCable(*cable)) {
            continue;
        }
        const SVerdict v = book.CheckCable(*cable->Start(), *cable->End());
        if (v.code == 0) {
            continue;
        }
        critical = critical || v.severity == kSeverityCritical;
        ++remarks;
        std::cout << prefix << TabFreeColumn(record.name) << '\t'
                  << TabFreeColumn(v.unitA->DisplayName()) << " - "
                  << TabFreeColumn(v.unitB->DisplayName()) << '\t' << SeverityWord(v.severity)
                  << '\t' << v.message << '\t' << v.action << '\n';
    }
    return critical;
}

// Every configuration of every file of the folder; each remark carries its file name in front.
int RunArchive(const CheckOptions& o) {
    if (!o.config.empty() || o.index != 0) {
        std::cerr << "A folder takes no --config or --index: every configuration of every file "
                     "is checked\n";
        return cli::kExitUsage;
    }
    int remarks = 0;
    int critical = 0;
    const cli::SArchiveCounts counts = cli::ForEachArchiveConfiguration(
        o.path, [&](const std::filesystem::path& path, const CSiteSCFile&, const CSCFSite& record,
                    int, bool) {
            bool checked = false;
            const bool bad =
                CheckConfiguration(record, checked, remarks, path.filename().string() + '\t');
            critical += bad ? 1 : 0;
            return bad ? cli::kExitProblems : cli::kExitOk;
        });
    CBtsConfiguration::Drop();
    if (!o.quiet || counts.worst != cli::kExitOk) {
        cli::PrintArchiveSummary(counts, std::to_string(remarks) + " remarks, " +
                                             std::to_string(critical) +
                                             " configurations with critical ones");
    }
    return counts.worst;
}

int RunCheck(const CheckOptions& o) {
    if (cli::IsFolder(o.path)) {
        return RunArchive(o);
    }
    CSiteSCFile file;
    if (const int rc = cli::OpenSiteFile(o.path, file); rc != cli::kExitOk) {
        return rc;
    }
    if (file.HeaderMissing()) {
        std::cerr << Cp1252ToUtf8(file.HeaderFailureMessage()) << "\n";
        return cli::kExitProblems;
    }
    std::vector<const CSCFSite*> chosen;
    if (!o.config.empty()) {
        if (const CSCFSite* site = file.FindSite(Utf8ToCp1252(o.config))) {
            chosen.push_back(site);
        }
    } else if (o.index != 0) {
        if (o.index >= 1 && o.index <= static_cast<int>(file.Sites().size())) {
            chosen.push_back(file.Sites()[o.index - 1].get());
        }
    } else {
        for (const auto& site : file.Sites()) {
            chosen.push_back(site.get());
        }
    }
    if (chosen.empty()) {
        std::cerr << "No such configuration in " << o.path << "\n";
        return cli::kExitUsage;
    }
    bool critical = false;
    int remarks = 0;
    std::vector<const CSCFSite*> checkedOnes;
    for (const CSCFSite* record : chosen) {
        bool checked = false;
        critical = CheckConfiguration(*record, checked, remarks) || critical;
        if (!checked) {
            std::cerr << TabFreeColumn(record->name)
                      << ": not an Orvik configuration; not checked\n";
        } else {
            checkedOnes.push_back(record);
        }
    }
    // Silence would not tell a clean check from one that looked at nothing.
    if (remarks == 0 && !checkedOnes.empty() && !o.quiet) {
        std::cout << o.path << ": cabling of "
                  << (checkedOnes.size() == 1
                          ? TabFreeColumn(checkedOnes.front()->name)
                          : std::to_string(checkedOnes.size()) + " configurations")
                  << " checked, no problems\n";
    }
    return critical ? cli::kExitProblems : cli::kExitOk;
}

cli::CommandRegistrar register_check("check", [](CLI::App& app) {
    app.description("Check the cabling of Orvik configurations against the wiring rules");
    auto o = std::make_shared<CheckOptions>();
    app.add_option("FILE", o->path,
                   "Site configuration file; or a folder: every configuration of each of its "
                   ".hwc and .sdf files")
        ->required();
    auto* config = app.add_option("--config", o->config, "Check only the configuration so named");
    app.add_option("--index", o->index, "Check only the configuration at this place (1-based)")
        ->excludes(config);
    app.add_flag("--quiet", o->quiet, "Print nothing when the cabling has no problems");
    return [=]() -> int { return RunCheck(*o); };
});

} // namespace
