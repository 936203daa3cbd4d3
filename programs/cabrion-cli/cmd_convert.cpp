// convert: one configuration of a file built into a candidate and saved into another file
// through the site, as the application's Save As does. The target's extension picks the format.
#include "ConfigChoice.h"
#include "PlanSave.h"
#include "files/SiteRecords.h"

namespace {

// Text target: its other configurations are read first and written back; a configuration of
// the same name is replaced by the converted one.
int SaveText(const CSiteConfigFile& source, const CSCFSite& record, CSiteKODA& site,
             const std::string& out) {
    CSiteConfigFile target;
    if (cli::HoldsSomething(out)) {
        std::string bytes;
        if (!ReadWholeFile(out, bytes)) {
            std::cerr << "Cannot read " << out << ". The file was left unchanged.\n";
            return cli::kExitUsage;
        }
        target.ReadBytes(bytes);
        if (target.HeaderMissing()) {
            return cli::RefuseSave(out, "it is not a site configuration file (" +
                                            Cp1252ToUtf8(target.HeaderFailureMessage()) + ")");
        }
        // Lines the reader could not take would silently vanish from the other
        // configurations.
        if (target.HasErrors()) {
            return cli::RefuseSave(
                out, "it has problems that a save would drop (see cabrion-cli validate)");
        }
    } else {
        target.Header() = source.Header();
    }
    CSCFSite* into = target.FindSite(record.name);
    if (into != nullptr) {
        *into = record;
    } else {
        into = &target.AddSite(std::make_unique<CSCFSite>(record));
    }
    if (const CSaveResult saved = SaveSite(site, target, into, out); !saved) {
        std::cerr << saved.error << "\n";
        return cli::kExitUsage;
    }
    return cli::kExitOk;
}

int RunConvert(const std::string& in, const std::string& out, const cli::ConfigChoice& choice) {
    cli::ChosenConfiguration chosen;
    if (const int rc = cli::OpenConfiguration(in, choice, chosen); rc != cli::kExitOk) {
        return rc;
    }
    CSiteKODA site;
    if (const int rc = cli::BuildCandidate(in, *chosen.record, site); rc != cli::kExitOk) {
        return rc;
    }
    if (auto refusal = CSiteSCFile::RefuseConfigurationName(chosen.record->name)) {
        std::cerr << Cp1252ToUtf8(*refusal) << "\n";
        return cli::kExitProblems;
    }
    int rc = cli::kExitOk;
    if (IsXmlPlanPath(out)) {
        // What the source record holds beyond the model (site, BCF and network values) goes
        // along; the site fills in the configuration itself.
        CSCFSite record = *chosen.record;
        if (!CopySiteIntoRecord(site, record)) {
            std::cerr << "The configuration could not be stored.\n";
            return cli::kExitProblems;
        }
        const auto passive = cli::PassiveUnitsOf(in, *chosen.record);
        rc = cli::SavePlan(record, passive.get(), out);
    } else {
        rc = SaveText(chosen.file, *chosen.record, site, out);
    }
    if (rc != cli::kExitOk) {
        return rc;
    }
    cli::WarnAboutProblems(in, chosen);
    return chosen.problems ? cli::kExitProblems : cli::kExitOk;
}

cli::CommandRegistrar register_convert("convert", [](CLI::App& app) {
    app.description("Save one configuration of a file into another file (.hwc, .sdf or .ewb by "
                    "its extension), keeping the other configurations of an existing target");
    auto in = std::make_shared<std::string>();
    auto out = std::make_shared<std::string>();
    auto choice = std::make_shared<cli::ConfigChoice>();
    app.add_option("IN", *in, "Site configuration file or plan to read")->required();
    app.add_option("OUT", *out, "File to save into")->required();
    cli::AddConfigChoice(app, *choice);
    return [=]() -> int { return RunConvert(*in, *out, *choice); };
});

} // namespace
