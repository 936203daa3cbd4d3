// The JSON documents cabrion-cli writes from a file (`list --json`, `validate --json`,
// `dump --json`) carry texts from arbitrary bytes: every one must be written without an
// exception, be valid JSON, and read back to the same document.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "RowsJson.h"
#include "app/document/CandidateJson.h"
#include "files/SiteRecords.h"
#include "files/SiteSCFile.h"
#include "model/BtsConfiguration.h"
#include "model/SiteKODA.h"

namespace {

template <class Json> void ExpectReadsBack(const Json& document) {
    const std::string text = document.dump(2);
    if (Json::parse(text) != document)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CSiteSCFile file;
    file.ReadBytes(std::string_view(reinterpret_cast<const char*>(data), size));
    nlohmann::ordered_json problems = nlohmann::ordered_json::array();
    for (const CSCFParseError& e : file.Errors())
        problems.push_back(cli::ProblemJson(e));
    ExpectReadsBack(problems);

    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    int index = 0;
    CBtsConfiguration::Drop();
    for (const auto& record : file.Sites()) {
        rows.push_back(cli::ListRowJson(++index, file.PanelValues(*record),
                                        CSiteSCFile::BtsTypeText(*record)));
        // Building a candidate is the slow part; a few configurations show every path.
        if (index > 3 || record->cabinets.empty())
            continue;
        CSiteKODA site;
        site.SetText(record->name);
        if (BuildSiteFromRecord(site, *record, 0))
            ExpectReadsBack(CandidateJson(site, record->name));
    }
    ExpectReadsBack(rows);
    return 0;
}
