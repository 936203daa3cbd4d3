#pragma once
// The configuration currently in BTS for a search test: what a BTS reports when it has detected
// the transceivers given, built through the same file mapping a fetched configuration takes.

#include <memory>
#include <vector>

#include "files/SiteConfigFile.h"
#include "files/SiteRecords.h"
#include "model/BtsConfiguration.h"
#include "model/DataBaseKODA.h"
#include "model/SiteKODA.h"
#include "support/SearchArchive.h"

namespace searchtest {

// False when the configuration could not be built; the BTS configuration is then unchanged.
inline bool SetBtsDetecting(const std::vector<int>& trxs) {
    CSiteConfigFile bts;
    bts.ReadBytes(FileText({{"Bts", trxs}}));
    CSiteKODA detected;
    if (bts.Sites().empty() || !BuildSiteFromRecord(detected, *bts.Sites()[0], 0)) {
        return false;
    }
    auto db = std::make_unique<CDataBaseKODA>();
    db->CopyFrom(*detected.GetKODA(kSelectCandidate));
    CBtsConfiguration::Set(std::move(db));
    return true;
}

} // namespace searchtest
