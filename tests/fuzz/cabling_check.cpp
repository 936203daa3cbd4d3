// What the check command does with a file: every Orvik configuration is built, cabled from its
// references and judged cable by cable. References come straight from the file, so any value
// must be judged without a crash.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "files/SiteConfigFile.h"
#include "files/SiteRecords.h"
#include "model/BtsConfiguration.h"
#include "model/SiteKODA.h"
#include "rules/RuleBook.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CSiteConfigFile file;
    file.ReadBytes(std::string_view(reinterpret_cast<const char*>(data), size));
    const CRuleBookKODA book;
    for (const auto& record : file.Sites()) {
        if (record->siteType != kSiteTypeOrvik) {
            continue;
        }
        CBtsConfiguration::Drop();
        CSiteKODA site;
        if (!BuildSiteFromRecord(site, *record, 0)) {
            continue;
        }
        site.CableGuy()->RebuildCables(kSelectCandidate, 1);
        int position = 0;
        for (const CCabling* c = site.FirstCable(position, kSelectCandidate); c != nullptr;
             c = site.NextCable(position, kSelectCandidate)) {
            if (c->Start() != nullptr && c->End() != nullptr) {
                const SVerdict v = book.CheckCable(*c->Start(), *c->End());
                if (v.code != 0 && v.severity < kSeverityWarning) {
                    __builtin_trap();
                }
            }
        }
    }
    CBtsConfiguration::Drop();
    return 0;
}
