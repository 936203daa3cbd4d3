// hwi: the passive unit information files (.hwi): show what one holds, or write it again.
#include <nlohmann/json.hpp>

#include <iostream>

#include "Command.h"
#include "files/HWInfoFile.h"
#include "files/TextCodec.h"

namespace {

int RunImport(const std::string& path, bool json) {
    CHWInfoFile hwi;
    if (!hwi.Import(path)) {
        std::cerr << CHWInfoFile::kImportFailed << "\n";
        return cli::kExitUsage;
    }
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    for (const CHWInfoSlotEntry& e : hwi.FilledSlots()) {
        if (json) {
            rows.push_back({{"group", e.group},
                            {"slot", e.slot + 1},
                            {"serialNumber", Cp1252ToUtf8(e.serialNumber)},
                            {"productId", Cp1252ToUtf8(e.productId)}});
            continue;
        }
        std::cout << e.group << '\t' << e.slot + 1 << '\t' << Cp1252ToUtf8(e.serialNumber) << '\t'
                  << Cp1252ToUtf8(e.productId) << '\n';
    }
    if (json)
        std::cout << rows.dump(2) << '\n';
    return cli::kExitOk;
}

int RunExport(const std::string& in, const std::string& out) {
    CHWInfoFile hwi;
    if (!hwi.Import(in)) {
        std::cerr << CHWInfoFile::kImportFailed << "\n";
        return cli::kExitUsage;
    }
    if (!hwi.Export(out)) {
        std::cerr << CHWInfoFile::kExportFailed << "\n";
        return cli::kExitUsage;
    }
    return cli::kExitOk;
}

cli::CommandRegistrar register_hwi("hwi", [](CLI::App& app) {
    app.description("Passive unit information files (.hwi)");
    app.require_subcommand(1);
    auto path = std::make_shared<std::string>();
    auto out = std::make_shared<std::string>();
    auto json = std::make_shared<bool>(false);
    CLI::App* import = app.add_subcommand("import", "Print the filled slots of a file");
    import->add_option("FILE", *path, "HW information file")->required();
    import->add_flag("--json", *json, "Write a JSON array instead of tab-separated lines");
    CLI::App* exp = app.add_subcommand("export", "Read a file and write its slots to another");
    exp->add_option("IN", *path, "HW information file to read")->required();
    exp->add_option("OUT", *out, "HW information file to write")->required();
    return [=]() -> int {
        if (import->parsed())
            return RunImport(*path, *json);
        return RunExport(*path, *out);
    };
});

} // namespace
