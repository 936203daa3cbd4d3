// Reads arbitrary bytes as a site configuration file, builds every configuration it holds and
// describes it against the previous one as the configuration currently in BTS: whatever a file
// puts into a configuration, the report and the summaries must neither crash nor lose their
// shape (every line of the saved report ends in CRLF and holds no tab).
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/ConfigInfoKODA.h"
#include "files/ConfigurationReportKODA.h"
#include "files/SiteConfigFile.h"
#include "files/SiteRecords.h"
#include "model/BtsConfiguration.h"
#include "model/SiteKODA.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CSiteConfigFile file;
    file.ReadBytes(std::string_view(reinterpret_cast<const char*>(data), size));
    CBtsConfiguration::Drop();
    for (const auto& record : file.Sites()) {
        CSiteKODA site;
        if (!BuildSiteFromRecord(site, *record, 0)) {
            continue;
        }
        CConfigurationReportKODA report;
        report.WriteHeader("fuzz.hwc", record->name);
        report.WriteBody(site);
        const std::string bytes = report.Buffer().FileBytes();
        if (bytes.find('\t') != std::string::npos || !bytes.ends_with("\r\n")) {
            std::abort();
        }
        CConfigInfoKODA info(&site);
        info.Recompute();
        (void)info.DifferenceRows();
        info.MissingInformation(3);
        (void)info.MissingInformationText();

        auto next = std::make_unique<CDataBaseKODA>();
        next->CopyFrom(*site.GetKODA(kSelectCandidate));
        CBtsConfiguration::Set(std::move(next));
    }
    CBtsConfiguration::Drop();
    return 0;
}
