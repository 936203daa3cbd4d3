#include "files/SiteSCFile.h"

#include <algorithm>
#include <filesystem>
#include <sys/stat.h>


namespace {

struct TrxBand {
    int band;
    bool edge;
};

// The band a cabling record's TRX unit type stands for; band 0 when it is not a TRX.
TrxBand BandOfTrxType(int typeId) {
    switch (typeId) {
    case 1001:
    case 1004:
    case 1010:
        return {1, false};
    case 1002:
    case 1005:
    case 1011:
        return {2, false};
    case 1003:
    case 1006:
    case 1012:
        return {4, false};
    case 1014:
        return {1, true};
    case 1015:
        return {2, true};
    case 1016:
        return {4, true};
    case 1013:
        return {8, true};
    default:
        return {0, false};
    }
}

std::string CountOrDash(int n) {
    return n == 0 ? "-" : std::to_string(n);
}

std::string Join(const std::vector<std::string>& parts, const std::string& sep) {
    std::string out;
    for (const auto& p : parts) {
        if (!out.empty())
            out += sep;
        out += p;
    }
    return out;
}

} // namespace

CSCFSiteSummary CSiteSCFile::Summarise(const CSCFSite& site) {
    CSCFSiteSummary s;
    std::vector<CBandInformation::Trx> trxs;
    if (const CSCFCabinet* cab = FirstCabinet(site)) {
        for (const CSCFTrxCabling& t : cab->trxCablings) {
            const TrxBand b = BandOfTrxType(t.trxUnitTypeId);
            if (b.band == 0)
                continue;
            trxs.push_back({b.band, b.edge, false});
        }
    }
    s.trxCount = static_cast<int>(trxs.size());
    m_band = CBandInformation();
    s.trxBand = trxs.empty() ? 0 : m_band.Collect(trxs, true);
    for (const CSCFNetworkTrx& t : site.networkTrxs) {
        if (t.networkType >= 0 && t.networkType <= 3)
            s.networkFlags |= 1 << t.networkType;
    }
    s.networkTrxCount = static_cast<int>(site.networkTrxs.size());
    std::vector<std::string> ids;
    for (const CSCFBts& b : site.btsList)
        ids.push_back(b.btsId);
    s.sectors = Join(ids, " + ");
    return s;
}

CSCFPanelValues CSiteSCFile::PanelValues(const CSCFSite& site) {
    const CSCFSiteSummary s = Summarise(site);
    CSCFPanelValues v;
    v.id = site.siteId.empty() ? "-" : site.siteId;
    v.name = site.name.empty() ? "-" : site.name;

    std::vector<std::string> bands;
    if (s.networkFlags & 1)
        bands.push_back("900");
    if (s.networkFlags & 2)
        bands.push_back("1800");
    if (s.networkFlags & 4)
        bands.push_back("1900");
    if (s.networkFlags == 0)
        v.network = "-";
    else if (bands.empty())
        v.network = "Unknown";
    else
        v.network = "GSM " + Join(bands, "/");

    v.trxIds = CountOrDash(s.networkTrxCount);
    v.trxUnits = CountOrDash(s.trxCount);
    v.sectors = s.sectors.empty() ? "-" : s.sectors;

    bool tx = false, rxMain = false, rxDiv = false;
    if (const CSCFCabinet* cab = FirstCabinet(site)) {
        for (const CSCFTrxCabling& t : cab->trxCablings) {
            tx = tx || t.txCon > 0;
            rxMain = rxMain || t.rxMainCon > 0;
            rxDiv = rxDiv || t.rxDivCon > 0 || (site.bcfType == 4 && t.diversityPair < 0);
        }
    }
    std::vector<std::string> cabling;
    if (tx)
        cabling.push_back("TX");
    if (rxMain)
        cabling.push_back("RX Main");
    if (rxDiv)
        cabling.push_back("RX Div");
    v.cabling = cabling.empty() ? "-" : Join(cabling, ", ");
    v.description = site.description.empty() ? "No description available" : site.description;
    return v;
}

std::string CSiteSCFile::BtsTypeText(const CSCFSite& site) {
    if (site.bcfType == 0 && site.bcfTypeRead == -1)
        return "Missing";
    return site.bcfType == kBcfTypeOrvik ? kOrvikFamilyName : "Not supported";
}

CSCFCabinet* CSiteSCFile::FirstCabinet(CSCFSite& site) {
    return site.cabinets.empty() ? nullptr : &site.cabinets.front();
}

const CSCFCabinet* CSiteSCFile::FirstCabinet(const CSCFSite& site) {
    return site.cabinets.empty() ? nullptr : &site.cabinets.front();
}

void CSiteSCFile::ClearCabinetContents(CSCFCabinet& cabinet) {
    cabinet.cabinetType = -1;
    cabinet.lteInstalled = -1;
    cabinet.vswrMonitored = -1;
    cabinet.wcdmaUpgrade = -1;
    cabinet.mrcSupportWbc = 0;
    cabinet.units.clear();
    cabinet.trxCablings.clear();
    cabinet.antennas.clear();
}

CSCFSiteTreUnit* CSiteSCFile::FindTreUnit(CSCFSite& site, int slot) {
    for (auto& u : site.tre.units)
        if (u.slot == slot)
            return &u;
    return nullptr;
}

CSCFHop* CSiteSCFile::FindHop(CSCFSite& site, const std::string& name) {
    for (auto& h : site.tre.hops)
        if (h.name == name)
            return &h;
    return nullptr;
}

std::string CSiteSCFile::EmptyConfigurationName(const std::string& family) {
    return "<Empty " + family + ">";
}

std::string CSiteSCFile::EmptyConfigurationDescription(const std::string& family) {
    return "This is an empty " + family + " configuration.";
}

std::vector<std::string> CSiteSCFile::TemplateFiles(const std::string& folder) {
    std::vector<std::string> files;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        if (!entry.is_regular_file(ec))
            continue;
        std::string ext = entry.path().extension().string();
        std::transform(ext.begin(), ext.end(), ext.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (ext == ".hwc")
            files.push_back(entry.path().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::optional<std::string> CSiteSCFile::RefuseConfigurationName(const std::string& name) {
    if (name == kAddNewConfiguration)
        return std::string("Configuration name '") + kAddNewConfiguration +
               "' cannot be accepted.\nSelect another name for the configuration.";
    return std::nullopt;
}

CSaveResult CSiteSCFile::SaveConfigurationInto(const std::string& path, const CSCFSite& site) {
    if (auto refusal = RefuseConfigurationName(site.name))
        return {false, *refusal};
    CSiteConfigFile file;
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && st.st_size > 0) {
        // The other configurations are written back, so they have to be read first.
        if (!file.ReadFile(path))
            return {false, "Cannot read " + path + ". The file was left unchanged."};
        if (file.HeaderMissing())
            return {false, "Cannot save into " + path +
                               ": it is not a site configuration file. The file was left "
                               "unchanged."};
    }
    if (CSCFSite* same = file.FindSite(site.name))
        *same = site;
    else
        file.AddSite(std::make_unique<CSCFSite>(site));
    return file.Write(path);
}
