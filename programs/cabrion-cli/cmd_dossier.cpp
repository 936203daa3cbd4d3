// dossier: the commissioning dossier of a configuration as one PDF for the site folder, or one
// PDF per Orvik configuration of every site configuration file of a folder.
#include <filesystem>
#include <iostream>

#include "ConfigChoice.h"
#include "DrawingHelper.h"
#if CABRION_CLI_DRAWS
#include "ArchiveInput.h"
#include "ArchiveWorkers.h"
#include "CandidateInput.h"
#include "GuiStart.h"
#include "SourceDate.h"
#include "app/dossier/DossierContent.h"
#include "cabrion_version.h"
#include "files/HWInfoFile.h"
#include "paint/DossierPdf.h"
#endif

namespace {

struct DossierOptions {
    std::string path;
    cli::ConfigChoice choice;
    std::string btsPath;
    cli::ConfigChoice btsChoice;
    std::string hwiPath;
    std::string paper = "a4";
    int options = 5;
    std::string out;
    int jobs = 0; // 0: one per core
};

#if CABRION_CLI_DRAWS
std::string BaseName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

int WriteOne(const SDossier& dossier, const std::string& out, paint::EPaper paper) {
    QString error;
    if (!paint::WriteDossierPdf(dossier, QString::fromStdString(out), paper, {}, &error)) {
        std::cerr << error.toStdString() << "\n";
        return cli::kExitUsage;
    }
    return cli::kExitOk;
}

cli::SArchiveTotals WriteArchiveShare(const DossierOptions& o, SDossierSource source,
                                      paint::EPaper paper, cli::SArchiveShare share);

// One PDF per Orvik configuration of every file of the folder, into the output folder.
int RunArchive(const DossierOptions& o, SDossierSource source, paint::EPaper paper) {
    if (!o.choice.name.empty() || o.choice.index != 0 || !o.btsPath.empty() || !o.hwiPath.empty()) {
        std::cerr << "A folder takes no --config, --index, --bts or --hwi: every configuration "
                     "of every file is written\n";
        return cli::kExitUsage;
    }
    std::error_code ec;
    std::filesystem::create_directories(o.out, ec);
    if (!cli::IsFolder(o.out)) {
        std::cerr << "Cannot make the folder " << o.out << "\n";
        return cli::kExitUsage;
    }
    // A dossier takes tens of milliseconds, nearly all of it in the PDF writer's compression
    // and font embedding: an archive is done in the time it takes when every core writes.
    const int jobs = o.jobs > 0 ? o.jobs : cli::DefaultArchiveJobs();
    const cli::SArchiveTotals totals = cli::RunArchiveWorkers(
        jobs, [&](cli::SArchiveShare share) { return WriteArchiveShare(o, source, paper, share); });
    cli::PrintArchiveSummary(totals.counts,
                             std::to_string(totals.written) + " dossiers written to " + o.out);
    return totals.counts.worst;
}

cli::SArchiveTotals WriteArchiveShare(const DossierOptions& o, SDossierSource source,
                                      paint::EPaper paper, cli::SArchiveShare share) {
    const auto gui = cli::StartGui();
    int written = 0;
    const cli::SArchiveCounts counts = cli::ForEachArchiveConfiguration(
        o.path,
        [&](const std::filesystem::path& path, const CSiteSCFile&, const CSCFSite& record,
            int position, bool problems) {
            CBtsConfiguration::Drop();
            CSiteKODA site;
            if (const int rc = cli::BuildCandidate(path.string(), record, site);
                rc != cli::kExitOk) {
                return rc;
            }
            source.fileName = path.filename().string();
            source.configurationName = record.name;
            const std::string out =
                (std::filesystem::path(o.out) / cli::ArchiveOutputName(path, position, ".pdf"))
                    .string();
            const int rc = WriteOne(BuildDossier(site, source), out, paper);
            written += rc == cli::kExitOk ? 1 : 0;
            if (problems) {
                std::cerr << path.string() << ": configuration \"" << Cp1252ToUtf8(record.name)
                          << "\" has problems; what could not be read is left out\n";
            }
            return cli::Worse(rc, problems ? cli::kExitProblems : cli::kExitOk);
        },
        share);
    CBtsConfiguration::Drop();
    return {counts, written};
}

int RunDossier(const DossierOptions& o) {
    paint::EPaper paper = paint::EPaper::A4;
    if (!paint::PaperFromText(QString::fromStdString(o.paper), paper)) {
        std::cerr << "Unknown paper: " << o.paper << " (a4 or letter)\n";
        return cli::kExitUsage;
    }
    SDossierSource source;
    source.version = CABRION_VERSION;
    source.viewSettings = o.options;
    if (!cli::OutputDate(source.date)) {
        return cli::kExitUsage;
    }
    if (cli::IsFolder(o.path)) {
        return RunArchive(o, source, paper);
    }
    CHWInfoFileConf passive;
    if (!o.hwiPath.empty()) {
        if (!passive.Import(o.hwiPath)) {
            std::cerr << o.hwiPath << ": " << CHWInfoFile::kImportFailed << "\n";
            return cli::kExitUsage;
        }
        source.candidatePassive = &passive;
    }
    CSiteKODA site;
    std::string configName;
    int problems = 0;
    if (const int rc = cli::LoadCandidateAndBts(o.path, o.choice, o.btsPath, o.btsChoice, site,
                                                configName, problems);
        rc != cli::kExitOk) {
        return rc;
    }
    source.fileName = BaseName(o.path);
    source.configurationName = configName;
    if (!o.btsPath.empty()) {
        source.btsSource = BaseName(o.btsPath);
    }
    const auto gui = cli::StartGui();
    const SDossier dossier = BuildDossier(site, source);
    const int rc = WriteOne(dossier, o.out, paper);
    CBtsConfiguration::Drop();
    if (rc != cli::kExitOk) {
        return rc;
    }
    return problems > 0 ? cli::kExitProblems : cli::kExitOk;
}

#endif

cli::CommandRegistrar register_dossier("dossier", [](CLI::App& app) {
    app.description("Write the commissioning dossier of a configuration as one PDF: cover, "
                    "configuration report, a page per view, passive units and, with --bts, the "
                    "differences");
    auto o = std::make_shared<DossierOptions>();
    app.add_option("FILE", o->path,
                   "Site configuration file (.hwc, .sdf) or plan (.ewb); or a folder: one PDF per "
                   "Orvik configuration of each of its .hwc and .sdf files")
        ->required();
    cli::AddConfigChoice(app, o->choice, "", "FILE");
    auto* bts = app.add_option("--bts", o->btsPath,
                               "Configuration currently in BTS: adds the Differences page");
    cli::AddConfigChoice(app, o->btsChoice, "bts-", "the --bts file");
    app.get_option("--bts-config")->needs(bts);
    app.get_option("--bts-index")->needs(bts);
    app.add_option("--hwi", o->hwiPath, "Passive unit information (.hwi) of the configuration");
    app.add_option("--paper", o->paper, "Paper size: a4 (default) or letter");
    app.add_option("--options", o->options,
                   "Display options as ViewSettings bits: 1 wideband and multicoupler units, "
                   "2 rack/shelf/slot, 4 only selected cabling (default 5)")
        ->check(CLI::Range(0, 7));
    app.add_option("-o,--output", o->out,
                   "PDF file to write; for a folder, the folder to write FILE-N.pdf into")
        ->required();
    app.add_option("-j,--jobs", o->jobs,
                   "For a folder: dossiers written at once, in as many processes (default: one "
                   "per core)")
        ->check(CLI::Range(1, 64));
#if CABRION_CLI_DRAWS
    return [=]() -> int { return RunDossier(*o); };
#else
    // The options live as long as the runner: the parser writes them before it runs.
    return [o]() -> int { return cli::RunDrawingHelper(); };
#endif
});

} // namespace
