// list: one row per configuration of a site configuration file, with the panel values the
// open dialog shows.
#include <nlohmann/json.hpp>

#include "FileInput.h"
#include "RowsJson.h"
#include "files/TextCodec.h"

namespace {

int RunList(const std::string& path, bool json) {
    CSiteSCFile file;
    if (const int rc = cli::OpenSiteFile(path, file); rc != cli::kExitOk)
        return rc;
    if (file.HeaderMissing()) {
        std::cerr << Cp1252ToUtf8(file.HeaderFailureMessage()) << "\n";
        return cli::kExitProblems;
    }
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    int index = 0;
    for (const auto& site : file.Sites()) {
        const CSCFPanelValues v = file.PanelValues(*site);
        ++index;
        const std::string btsType = CSiteSCFile::BtsTypeText(*site);
        if (json) {
            rows.push_back(cli::ListRowJson(index, v, btsType));
            continue;
        }
        std::cout << index << '\t' << Cp1252ToUtf8(v.name) << '\t' << btsType << '\t'
                  << Cp1252ToUtf8(v.id) << '\t' << v.network << '\t' << v.trxIds << '\t'
                  << v.trxUnits << '\t' << Cp1252ToUtf8(v.sectors) << '\t' << v.cabling << '\t'
                  << Cp1252ToUtf8(v.description) << '\n';
    }
    if (json)
        std::cout << rows.dump(2) << '\n';
    return cli::kExitOk;
}

cli::CommandRegistrar register_list("list", [](CLI::App& app) {
    app.description(
        "List the configurations of a site configuration file (.hwc, .sdf) or plan (.ewb)");
    auto path = std::make_shared<std::string>();
    auto json = std::make_shared<bool>(false);
    app.add_option("FILE", *path, "Site configuration file")->required();
    app.add_flag("--json", *json, "Write a JSON array instead of tab-separated rows");
    return [=]() -> int { return RunList(*path, *json); };
});

} // namespace
