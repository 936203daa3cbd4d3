#include "rules/ConfigSearch.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "files/SiteConfigFile.h"
#include "model/DataBase.h"
#include "model/UnitTypeCatalogue.h"

namespace {

constexpr int kTrxCount = 12;
constexpr int kDduCount = 6;
constexpr int kRtcCount = 2;

bool Detected(const CUnit* unit) {
    return unit != nullptr && !unit->IsUpgrade() && !unit->IsIdle();
}

// Generic rows (any band) name no unit that can stand in a cabinet.
bool IsConcreteRowOfKind(int typeId, int kind) {
    const UnitTypeRecord* row = UnitTypeCatalogue::FindByTypeId(EUnitFamily::Orvik, typeId);
    return row != nullptr && row->category == kind && row->band != kBandAny;
}

// A unit entry names its unit by number (the index), or, when only the place is known
// (index -1), by the place it stands at.
bool HasDdu(const CSCFCabinet& cabinet, int displayed) {
    return std::any_of(cabinet.units.begin(), cabinet.units.end(), [&](const CSCFUnit& u) {
        if (!IsConcreteRowOfKind(u.typeId, kUnitKindDdu)) {
            return false;
        }
        return u.index == displayed ||
               (u.index == -1 && (u.slot == 2 * displayed - 1 || u.slot == 2 * displayed));
    });
}

bool HasRtc(const CSCFCabinet& cabinet, int displayed) {
    return std::any_of(cabinet.units.begin(), cabinet.units.end(), [&](const CSCFUnit& u) {
        return IsConcreteRowOfKind(u.typeId, kUnitKindRtc) &&
               (u.index == displayed || (u.index == -1 && u.slot == displayed));
    });
}

// A TRX record counts when it names a transceiver type; a bare CAB_TRX_ID line holds no unit.
bool HasTrx(const CSCFCabinet& cabinet, int number) {
    return std::any_of(
        cabinet.trxCablings.begin(), cabinet.trxCablings.end(),
        [&](const CSCFTrxCabling& t) { return t.trxNumber == number && t.trxUnitTypeId != -1; });
}

bool HasExtension(const std::filesystem::path& path, std::string_view ext) {
    const std::string e = path.extension().string();
    return e.size() == ext.size() &&
           std::equal(e.begin(), e.end(), ext.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == b;
           });
}

bool ReadFile(const std::string& path, std::string& bytes, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot be opened";
        return false;
    }
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    bytes.clear();
    if (!ec) {
        bytes.reserve(static_cast<std::size_t>(size));
    }
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) {
        error = "cannot be read";
        return false;
    }
    return true;
}

} // namespace

SBtsProfile SBtsProfile::FromConfiguration(const CDataBase* bts) {
    SBtsProfile p;
    if (bts == nullptr) {
        return p;
    }
    for (int n = 1; n <= kTrxCount; ++n) {
        p.trx[n] = Detected(bts->FindUnit(kUnitKindTrx, n));
    }
    for (int n = 1; n <= kDduCount; ++n) {
        p.ddu[n] = Detected(bts->FindUnitByDisplayedNumber(kUnitKindDdu, n));
    }
    for (int n = 1; n <= kRtcCount; ++n) {
        p.rtc[n] = Detected(bts->FindUnitByDisplayedNumber(kUnitKindRtc, n));
    }
    return p;
}

bool RecordIsSearchable(const CSCFSite& record) {
    const int kind = record.siteTypeRead;
    return (kind == 1 || kind == 3 || kind == -1) && record.bcfType == kBcfTypeOrvik;
}

bool RecordFitsBts(const CSCFSite& record, const SBtsProfile& bts) {
    // The units of an Orvik configuration are those of its first cabinet.
    static const CSCFCabinet kNone;
    const CSCFCabinet& cabinet = record.cabinets.empty() ? kNone : record.cabinets.front();
    for (int n = 1; n <= kTrxCount; ++n) {
        if (bts.trx[n] && !HasTrx(cabinet, n)) {
            return false;
        }
    }
    for (int n = 1; n <= kDduCount; ++n) {
        if (bts.ddu[n] && !HasDdu(cabinet, n)) {
            return false;
        }
    }
    for (int n = 1; n <= kRtcCount; ++n) {
        if (bts.rtc[n] && !HasRtc(cabinet, n)) {
            return false;
        }
    }
    return true;
}

bool ListConfigurationFiles(const std::string& folder, std::vector<std::string>& files,
                            std::string& error) {
    namespace fs = std::filesystem;
    files.clear();
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    if (ec) {
        error = ec.message();
        return false;
    }
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec) {
            error = ec.message();
            return false;
        }
        std::error_code typeError;
        if (HasExtension(it->path(), ".hwc") && !it->is_directory(typeError)) {
            files.push_back(it->path().string());
        }
    }
    std::sort(files.begin(), files.end());
    return true;
}

bool SearchConfigurationBytes(const std::string& path, std::string_view bytes,
                              const SBtsProfile& bts, std::vector<SFoundConfiguration>& found,
                              int& examined) {
    CSiteConfigFile file;
    file.ReadBytes(bytes);
    if (file.HeaderMissing()) {
        return false;
    }
    auto sites = file.TakeSites();
    for (int i = 0; i < static_cast<int>(sites.size()); ++i) {
        if (!RecordIsSearchable(*sites[i])) {
            continue;
        }
        ++examined;
        if (RecordFitsBts(*sites[i], bts)) {
            std::string name = sites[i]->name;
            found.push_back({path, std::move(name), i, std::move(sites[i])});
        }
    }
    return true;
}

SSearchResult SearchFolder(const std::string& folder, const SBtsProfile& bts,
                           const std::atomic<bool>* cancel,
                           const std::function<void(const SSearchProgress&)>& progress) {
    SSearchResult result;
    std::vector<std::string> files;
    if (!ListConfigurationFiles(folder, files, result.folderError)) {
        return result;
    }
    SSearchProgress step;
    step.filesTotal = static_cast<int>(files.size());
    std::string bytes;
    for (const std::string& path : files) {
        if (cancel != nullptr && cancel->load(std::memory_order_relaxed)) {
            result.cancelled = true;
            break;
        }
        ++result.filesSearched;
        std::string error;
        if (!ReadFile(path, bytes, error)) {
            result.skipped.push_back({path, error});
        } else if (!SearchConfigurationBytes(path, bytes, bts, result.found,
                                             result.configurationsExamined)) {
            result.skipped.push_back({path, "is not a configuration file"});
        }
        ++step.filesDone;
        step.found = static_cast<int>(result.found.size());
        if (progress) {
            progress(step);
        }
    }
    return result;
}
