// edit: page operations from a JSON script applied to one configuration of a site configuration
// file, through the same controllers as the property sheet; saved only when every operation
// was taken.
#include <iterator>

#include "ConfigChoice.h"
#include "PlanSave.h"
#include "app/pages/EditScriptRunner.h"
#include "app/pages/PageDocument.h"
#include "files/SiteRecords.h"

namespace {

// The document side of the edit: questions (Clear All) are answered Yes because the script
// already says what to do, notes go to standard error.
class CEditHost : public CNullSiteHost {
public:
    void Message(const std::string& text) override {
        std::cerr << "note: " << Cp1252ToUtf8(text) << "\n";
    }
    bool AskYesNo(const std::string&) override { return true; }
};

bool ReadScript(const std::string& path, std::string& bytes) {
    if (path == "-") {
        bytes.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
        return !std::cin.bad();
    }
    return ReadWholeFile(path, bytes);
}

int RunEdit(const std::string& path, const cli::ConfigChoice& choice, const std::string& out,
            const std::string& scriptPath) {
    std::string bytes;
    if (!ReadScript(scriptPath, bytes)) {
        std::cerr << "Cannot read " << scriptPath << "\n";
        return cli::kExitUsage;
    }
    std::vector<SEditOperation> operations;
    if (const auto error = ReadEditScript(bytes, operations)) {
        std::cerr << scriptPath << ": ";
        if (error->index > 0) {
            std::cerr << "operation " << error->index << ": ";
        }
        std::cerr << error->reason << ". Nothing was written.\n";
        return cli::kExitUsage;
    }
    cli::ChosenConfiguration chosen;
    if (const int rc = cli::OpenConfiguration(path, choice, chosen); rc != cli::kExitOk) {
        return rc;
    }
    // Lines the reader could not take would vanish from the file when it is written again.
    if (chosen.file.HasErrors()) {
        std::cerr << path << ": the file has problems that a save would drop (see cabrion-cli "
                  << "validate). Nothing was written.\n";
        return cli::kExitProblems;
    }
    CEditHost host;
    CSiteKODA site(&host, &host);
    if (const int rc = cli::BuildCandidate(path, *chosen.record, site); rc != cli::kExitOk) {
        return rc;
    }
    CCountingPageDocument document;
    CEditScriptRunner runner(site, document);
    std::vector<std::string> labels;
    for (std::size_t i = 0; i < operations.size(); ++i) {
        const SEditResult result = runner.Apply(operations[i]);
        if (!result.refusal.empty()) {
            std::cerr << scriptPath << ": operation " << i + 1 << " (" << operations[i].op
                      << "): " << result.refusal << ". Nothing was written.\n";
            return cli::kExitUsage;
        }
        if (!result.label.empty()) {
            labels.push_back(result.label);
        }
    }
    const std::string target = out.empty() ? path : out;
    if (IsXmlPlanPath(target)) {
        // What the record holds beyond the model (site, BCF and network values) goes along.
        CSCFSite record = *chosen.record;
        if (!CopySiteIntoRecord(site, record)) {
            std::cerr << "The configuration could not be stored.\n";
            return cli::kExitProblems;
        }
        const auto passive = cli::PassiveUnitsOf(path, *chosen.record);
        if (const int rc = cli::SavePlan(record, passive.get(), target); rc != cli::kExitOk) {
            return rc;
        }
    } else {
        // The record belongs to the file just read; the site stores the edited candidate into
        // it and the file is written whole.
        CSCFSite* record = const_cast<CSCFSite*>(chosen.record);
        if (const CSaveResult saved = SaveSite(site, chosen.file, record, target); !saved) {
            std::cerr << saved.error << "\n";
            return cli::kExitUsage;
        }
    }
    for (const std::string& label : labels) {
        std::cout << label << "\n";
    }
    return cli::kExitOk;
}

cli::CommandRegistrar register_edit("edit", [](CLI::App& app) {
    app.description(
        "Apply property page operations from a JSON script to one configuration of "
        "a site configuration file or plan and save it; prints the undo label of each step");
    auto path = std::make_shared<std::string>();
    auto out = std::make_shared<std::string>();
    auto script = std::make_shared<std::string>();
    auto choice = std::make_shared<cli::ConfigChoice>();
    app.add_option("FILE", *path, "Site configuration file (.hwc, .sdf) or plan (.ewb)")
        ->required();
    cli::AddConfigChoice(app, *choice);
    app.add_option("--out", *out, "Save into this file instead of FILE");
    app.add_option("--script", *script, "JSON list of operations; - reads standard input")
        ->required();
    return [=]() -> int { return RunEdit(*path, *choice, *out, *script); };
});

} // namespace
