// validate: every problem the reader finds in a site configuration file, one per line.
#include <nlohmann/json.hpp>

#include "FileInput.h"
#include "RowsJson.h"
#include "TextColumns.h"
#include "files/TextCodec.h"

namespace {

using cli::TabFreeColumn;

int RunValidate(const std::string& path, bool json, unsigned jobs) {
    CSiteSCFile file;
    // Only the problems are reported: a file of any size is checked in the memory of a few of
    // its configurations, a large one on every processor.
    if (const int rc = cli::OpenSiteFile(path, file, true, jobs); rc != cli::kExitOk)
        return rc;
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    for (const CSCFParseError& e : file.Errors()) {
        if (json) {
            rows.push_back(cli::ProblemJson(e));
            continue;
        }
        std::cout << e.line << '\t' << e.TypeWord() << '\t' << TabFreeColumn(e.keyword) << '\t'
                  << TabFreeColumn(e.value) << '\t' << TabFreeColumn(e.ConfigurationName()) << '\n';
    }
    if (json)
        std::cout << rows.dump(2) << '\n';
    if (file.HeaderMissing())
        std::cerr << Cp1252ToUtf8(file.HeaderFailureMessage()) << "\n";
    return file.HasErrors() ? cli::kExitProblems : cli::kExitOk;
}

cli::CommandRegistrar register_validate("validate", [](CLI::App& app) {
    app.description("Report every problem found while reading a site configuration file");
    auto path = std::make_shared<std::string>();
    auto json = std::make_shared<bool>(false);
    auto jobs = std::make_shared<unsigned>(0);
    app.add_option("FILE", *path, "Site configuration file")->required();
    app.add_flag("--json", *json, "Write a JSON array instead of tab-separated lines");
    app.add_option("-j,--jobs", *jobs,
                   "Threads that read a large file, in parts cut at its configurations "
                   "(default: one per processor)")
        ->check(CLI::Range(1, 64));
    return [=]() -> int { return RunValidate(*path, *json, *jobs); };
});

} // namespace
