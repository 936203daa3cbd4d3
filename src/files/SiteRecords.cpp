#include "files/SiteRecords.h"

#include <algorithm>
#include <memory>

#include "files/SCFSite.h"
#include "files/SiteConfigFile.h"
#include "files/SiteRecordsTARN.h"
#include "model/SiteKODA.h"
#include "model/SiteTARN.h"
#include "model/Unit.h"

bool BuildSiteFromRecord(CSite& site, const CSCFSite& record, int cabinetIndex) {
    if (auto* orvik = dynamic_cast<CSiteKODA*>(&site)) {
        return BuildSiteFromRecordKODA(*orvik, record, cabinetIndex);
    }
    if (auto* selmo = dynamic_cast<CSiteTARN*>(&site)) {
        return BuildSiteFromRecordTARN(*selmo, record, cabinetIndex);
    }
    return false;
}

bool CopySiteIntoRecord(CSite& site, CSCFSite& record) {
    if (auto* orvik = dynamic_cast<CSiteKODA*>(&site)) {
        return CopySiteIntoRecordKODA(*orvik, record);
    }
    if (auto* selmo = dynamic_cast<CSiteTARN*>(&site)) {
        return CopySiteIntoRecordTARN(*selmo, record);
    }
    return false;
}

CSaveResult SaveSite(CSite& site, CSiteConfigFile& file, CSCFSite*& record,
                     const std::string& path) {
    const bool created = record == nullptr;
    if (created) {
        auto fresh = std::make_unique<CSCFSite>();
        // A configuration without a name cannot be read back; the site's text names it.
        fresh->name = site.Text();
        record = &file.AddSite(std::move(fresh));
    }
    if (!CopySiteIntoRecord(site, *record)) {
        if (created) {
            file.RemoveSite(record);
            record = nullptr;
        }
        return {false, "The configuration could not be stored."};
    }
    return file.Write(path);
}

void ForgetUnitRecord(CSCFSite& record, int kind, int number) {
    if (kind == kUnitKindTre) {
        std::erase_if(record.tre.units,
                      [number](const CSCFSiteTreUnit& unit) { return unit.slot == number; });
    }
}
