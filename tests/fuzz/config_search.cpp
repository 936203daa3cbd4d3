// Feeds arbitrary bytes to the configuration search as one archive file, and makes what passes
// the candidate: a stored configuration with any unit entries and references must neither stop
// the search nor break the site it is applied to.
#include <cstdint>
#include <string_view>

#include "model/BtsConfiguration.h"
#include "model/DataBaseKODA.h"
#include "model/SiteKODA.h"
#include "rules/ConfigSearch.h"
#include "rules/SearchApply.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) {
        return 0;
    }
    // The first two bytes choose what the BTS detected.
    SBtsProfile bts;
    for (int n = 1; n <= 8; ++n) {
        bts.trx[n] = (data[0] >> (n - 1)) & 1;
    }
    for (int n = 1; n <= 6; ++n) {
        bts.ddu[n] = (data[1] >> (n - 1)) & 1;
    }
    bts.rtc[1] = (data[1] & 0x40) != 0;
    bts.rtc[2] = (data[1] & 0x80) != 0;
    std::vector<SFoundConfiguration> found;
    int examined = 0;
    SearchConfigurationBytes("fuzz.hwc",
                             std::string_view(reinterpret_cast<const char*>(data + 2), size - 2),
                             bts, found, examined);
    if (found.empty()) {
        return 0;
    }
    CBtsConfiguration::Drop();
    CSiteKODA site;
    if (data[0] & 1) {
        // A BTS of its own shape, so that the restriction has something to compare with.
        auto db = std::make_unique<CDataBaseKODA>();
        db->CopyFrom(site.TemplateConfiguration());
        CBtsConfiguration::Set(std::move(db));
    }
    for (std::size_t i = 0; i < found.size() && i < 3; ++i) {
        ApplyFoundConfiguration(site, found[i].record.get(), {(data[1] & 1) != 0});
    }
    ApplyFoundConfiguration(site, nullptr, {true});
    CBtsConfiguration::Drop();
    return 0;
}
