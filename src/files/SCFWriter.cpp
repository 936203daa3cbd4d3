#include "files/SCFWriter.h"

#include <algorithm>
#include <charconv>

#include "cabrion_version.h"
#include "files/SCFKeywords.h"
#include "files/SCFValues.h"
#include "files/SiteConfigFile.h"

namespace {

constexpr std::size_t kKeywordWidth = 25;
constexpr std::string_view kCrLf = "\r\n";

class CLineWriter {
public:
    explicit CLineWriter(std::string& out) : m_out(out) {}

    void Int(ESCFKeyword kw, int value) {
        Key(kw);
        // The format has no negative numbers.
        char buf[16];
        auto [end, ec] = std::to_chars(buf, buf + sizeof buf, std::max(value, 0));
        m_out.append(buf, static_cast<std::size_t>(end - buf));
        m_out += kCrLf;
    }
    void Unsigned(ESCFKeyword kw, unsigned value) {
        Key(kw);
        char buf[16];
        auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
        m_out.append(buf, static_cast<std::size_t>(end - buf));
        m_out += kCrLf;
    }
    void Quoted(ESCFKeyword kw, std::string_view text) {
        Key(kw);
        m_out += '"';
        if (text.find('"') == std::string_view::npos) {
            Text(text);
        } else {
            // A double quote would end the value early and lose the rest (a "19" rack"
            // description); a single quote keeps the whole text readable.
            std::string safe(text);
            std::replace(safe.begin(), safe.end(), '"', '\'');
            Text(safe);
        }
        m_out += '"';
        m_out += kCrLf;
    }
    void Line(ESCFKeyword kw, std::string_view text) {
        Key(kw);
        Text(LineValue(text));
        m_out += kCrLf;
    }

    // A negative value goes out as 0; where 0 is the value left out, it is left out too, so the
    // next save writes the same text as this one.
    void IntUnless(ESCFKeyword kw, int value, int skipped) {
        if (value != skipped && std::max(value, 0) != skipped)
            Int(kw, value);
    }
    void QuotedIfAny(ESCFKeyword kw, std::string_view text) {
        if (!text.empty())
            Quoted(kw, text);
    }
    // A line text is read from its first non-blank character, so one that is blank (or becomes
    // blank once line breaks are taken out) would not come back: it is not written.
    void LineIfAny(ESCFKeyword kw, std::string_view text) {
        text = LineValue(text);
        if (text.find_first_not_of(" \t\r\n") != std::string_view::npos)
            Line(kw, text);
    }

private:
    static std::string_view LineValue(std::string_view text) {
        const std::size_t start = text.find_first_not_of(" \t\r\n");
        return start == std::string_view::npos ? std::string_view() : text.substr(start);
    }
    void Key(ESCFKeyword kw) {
        const std::string_view name = SCFKeywordName(kw);
        m_out += '\\';
        m_out += name;
        if (name.size() < kKeywordWidth)
            m_out.append(kKeywordWidth - name.size(), ' ');
    }
    // A line break inside a value would end the line early and could even start a keyword
    // line of its own; it is written as a blank.
    void Text(std::string_view text) {
        if (text.find_first_of("\r\n") == std::string_view::npos) {
            m_out += text;
            return;
        }
        for (char c : text)
            m_out += (c == '\r' || c == '\n') ? ' ' : c;
    }

    std::string& m_out;
};

// Ids compare as they will read back, line breaks and leading blanks taken out.
std::string WrittenLineText(std::string_view text) {
    const std::size_t start = text.find_first_not_of(" \t\r\n");
    std::string out(start == std::string_view::npos ? std::string_view() : text.substr(start));
    std::replace(out.begin(), out.end(), '\r', ' ');
    std::replace(out.begin(), out.end(), '\n', ' ');
    return out;
}

bool SameBtsId(const std::string& a, const std::string& b) {
    return a == b || WrittenLineText(a) == WrittenLineText(b);
}

void WriteCabinet(CLineWriter& w, const CSCFCabinet& cab) {
    w.Int(kwCabNumber, cab.cabinetNumber);
    w.IntUnless(kwCabType, cab.cabinetType, -1);
    w.QuotedIfAny(kwCabConfigDescr, cab.configDescription);
    w.IntUnless(kwCabLteInstalled, cab.lteInstalled, -1);
    w.IntUnless(kwCabVswrMonitored, cab.vswrMonitored, -1);
    w.IntUnless(kwCabWcdmaUpgrade, cab.wcdmaUpgrade, -1);
    w.Int(kwCabMrcSupportWbc, cab.mrcSupportWbc);
    for (const CSCFUnit& unit : cab.units) {
        if (unit.typeId >= 900)
            continue;
        w.Int(kwCabUnitType, unit.typeId);
        w.Int(kwCabUnitSlot, unit.slot);
        w.IntUnless(kwCabUnitIndex, unit.index, -1);
    }
    for (const CSCFAlarmLine& in : cab.inputs) {
        w.Int(kwInput, in.number);
        w.QuotedIfAny(kwInputName, in.name);
        w.IntUnless(kwInputPolarity, in.polarity, -1);
        w.IntUnless(kwInputSeverity, in.severity, -1);
    }
    for (const CSCFAlarmLine& out : cab.outputs) {
        w.Int(kwOutput, out.number);
        w.QuotedIfAny(kwOutputName, out.name);
        w.IntUnless(kwOutputPolarity, out.polarity, -1);
    }
    for (const CSCFTrxCabling& t : cab.trxCablings) {
        w.Int(kwCabTrxId, t.trxNumber);
        const int code = TrxUnitTypeToCode(t.trxUnitTypeId);
        if (code < 0)
            continue;
        w.Int(kwCabTrxUnitType, code);
        w.IntUnless(kwCabTrxLogId, t.logicalId, -1);
        w.IntUnless(kwCabTrxBb2Xcon, t.bb2XCon, -1);
        w.IntUnless(kwCabTrxTxCon, t.txCon, -1);
        w.IntUnless(kwCabTrxTxPath1, t.txPath1, 0);
        w.IntUnless(kwCabTrxTxPath2, t.txPath2, 0);
        w.IntUnless(kwCabTrxTxPath3, t.txPath3, 0);
        w.IntUnless(kwCabTrxRxmCon, t.rxMainCon, -1);
        w.IntUnless(kwCabTrxRxmPath1, t.rxMainPath1, 0);
        w.IntUnless(kwCabTrxRxmPath2, t.rxMainPath2, 0);
        w.IntUnless(kwCabTrxRxdCon, t.rxDivCon, -1);
        w.IntUnless(kwCabTrxRxdPath1, t.rxDivPath1, 0);
        w.IntUnless(kwCabTrxRxdPath2, t.rxDivPath2, 0);
        w.IntUnless(kwCabTrxDivPair, t.diversityPair, -1);
    }
    for (const CSCFAntenna& a : cab.antennas) {
        w.Int(kwCabAntenna, a.antennaNumber);
        // Always written: left out, an MHA type 0 would come back as the default 1.
        w.Int(kwCabAntMha, a.mhaType);
        w.IntUnless(kwCabAntUnitCon, a.unitConnection, -1);
        w.IntUnless(kwCabAntDualBand, a.dualBand, 0);
        w.IntUnless(kwCabAntUnit2Con, a.unit2Connection, 0);
        if (a.cableAttenuation != kAttenuationNotSet)
            w.Line(kwCabAntCblAtten, FormatAttenuation(a.cableAttenuation));
        w.Int(kwCabAntCositeMha, a.cositeMha);
    }
}

void WriteBcf(CLineWriter& w, const CSCFSite& site) {
    // Always written, 0 included: without it the BCF block and its cabinets would be
    // misplaced when the file is read again.
    w.Unsigned(kwBcfId, site.bcfId);
    w.QuotedIfAny(kwBcfName, site.bcfName);
    w.QuotedIfAny(kwBcfAddress, site.bcfAddress);
    w.IntUnless(kwBcfType, site.bcfType, 0);
    w.IntUnless(kwBcfClkSync, site.bcfClockSync, -1);
    if (site.omLinkNumber != -1) {
        w.Int(kwOmLinkNumber, site.omLinkNumber);
        w.IntUnless(kwOmBitRate, site.omBitRate, -1);
        w.IntUnless(kwOmPcmSlot, site.omPcmSlot, -1);
        w.IntUnless(kwOmPcmIf, site.omPcmInterface, -1);
        w.IntUnless(kwOmTsl, site.omTimeSlot, -1);
        w.IntUnless(kwOmSubTsl, site.omSubTimeSlot, -1);
    }
    if (!site.cabinets.empty()) {
        w.Int(kwCabAmount, static_cast<int>(site.cabinets.size()));
        for (const CSCFCabinet& cab : site.cabinets)
            WriteCabinet(w, cab);
    }
    for (std::size_t b = 0; b < site.btsList.size(); ++b) {
        const CSCFBts& bts = site.btsList[b];
        w.Line(kwBtsId, bts.btsId);
        w.QuotedIfAny(kwBtsNwName, bts.networkName);
        w.IntUnless(kwBtsIndoorGateway, bts.indoorGateway, -1);
        w.IntUnless(kwBtsIndGroupId, bts.indoorGroupId, -1);
        // Under the first BTS of that id only: two BTSs sharing an id must not duplicate
        // their TRXs at every save.
        const bool firstOfId =
            std::none_of(site.btsList.begin(), site.btsList.begin() + static_cast<long>(b),
                         [&](const CSCFBts& other) { return SameBtsId(other.btsId, bts.btsId); });
        if (!firstOfId)
            continue;
        for (const CSCFNetworkTrx& t : site.networkTrxs) {
            if (!SameBtsId(t.btsId, bts.btsId))
                continue;
            w.Int(kwTrxId, t.trxId);
            w.IntUnless(kwTrxNwType, t.networkType, -1);
            w.LineIfAny(kwTrxArfnArray, t.arfcnArray);
            w.IntUnless(kwTrxSigLinkNumber, t.sigLinkNumber, -1);
            w.IntUnless(kwTrxSigPcmSlot, t.sigPcmSlot, -1);
            w.IntUnless(kwTrxSigPcmIf, t.sigPcmInterface, -1);
            w.IntUnless(kwTrxSigBitRate, t.sigBitRate, -1);
            w.IntUnless(kwTrxSigTsl, t.sigTimeSlot, -1);
            w.IntUnless(kwTrxSigSubTsl, t.sigSubTimeSlot, -1);
            w.IntUnless(kwTrxTchTsl, t.tchTimeSlot, -1);
        }
    }
}

void WriteTre(CLineWriter& w, const CSCFSiteTre& tre) {
    if (tre.equipmentName.empty())
        return;
    w.Quoted(kwTreEquipmentName, tre.equipmentName);
    w.IntUnless(kwTreType, tre.treType, -1);
    w.IntUnless(kwTreMode, tre.treMode, -1);
    w.IntUnless(kwTreTrunetDisable, tre.trunetDisable, -1);
    w.IntUnless(kwTreTrunetSpeed, tre.trunetSpeed, -1);
    for (const CSCFSiteTreUnit& unit : tre.units) {
        const int code = TreUnitTypeToCode(unit.typeId);
        if (code < 0)
            continue;
        w.Int(kwTreUnitType, code);
        w.IntUnless(kwTreUnitSlot, unit.slot, -1);
        for (const CSCFTreInterface& itf : unit.interfaces) {
            w.Int(kwTreInterfaceId, itf.id);
            w.QuotedIfAny(kwTreInterfaceName, itf.name);
            w.QuotedIfAny(kwTreInterfCableId, itf.cableId);
            w.IntUnless(kwTreInterfaceType, itf.interfaceType, -1);
            w.IntUnless(kwTreInterfaceCrc, itf.crc, -1);
        }
    }
    const CSCFTreManagement& m = tre.management;
    if (m.managementType != -1) {
        w.Int(kwTreManagement, m.managementType);
        w.IntUnless(kwTreZ9Address, m.address, -1);
        w.IntUnless(kwTreZ9GroupAddr, m.groupAddress, -1);
        w.IntUnless(kwTreZ9BaudRate, m.baudRate, -1);
        w.QuotedIfAny(kwTreEocBus, m.eocBus);
        w.IntUnless(kwTreEocSlot, m.eocSlot, -1);
        w.IntUnless(kwTreEocFlexbus, m.eocFlexbus, -1);
        w.IntUnless(kwTreEocType, m.eocType, -1);
        w.IntUnless(kwTreEocInterface, m.eocInterface, -1);
        w.IntUnless(kwTreEocBitRate, m.eocBitRate, -1);
        w.IntUnless(kwTreEocTsl, m.eocTimeSlot, -1);
        w.IntUnless(kwTreEocSubTsl, m.eocSubTimeSlot, -1);
    }
    for (const CSCFTreSync& s : tre.syncs) {
        w.Int(kwTreSyncPriority, s.priority);
        w.IntUnless(kwTreSyncSlot, s.slot, -1);
        w.IntUnless(kwTreSyncFlexbus, s.flexbus, -1);
        w.IntUnless(kwTreSyncInterface, s.interface, -1);
        w.IntUnless(kwTreSyncType, s.syncType, -1);
    }
    w.QuotedIfAny(kwTreCcFile, tre.ccFile);
    for (const CSCFHop& hop : tre.hops) {
        if (hop.name.empty())
            continue;
        w.Quoted(kwMwrHopName, hop.name);
        w.QuotedIfAny(kwMwrHopId, hop.id);
        w.IntUnless(kwMwrHopIuSlot, hop.iuSlot, -1);
        w.IntUnless(kwMwrHopFlexbus, hop.flexbus, -1);
        const int ou = HopOuTypeToCode(hop.ouTypeId);
        if (ou >= 0)
            w.Int(kwMwrHopOuType, ou);
        w.IntUnless(kwMwrHopExist, hop.exists, -1);
        w.LineIfAny(kwMwrHopFrequency, hop.frequency);
        w.IntUnless(kwMwrHopCapacity, hop.capacity, -1);
        w.IntUnless(kwMwrHopMaxTxpwr, hop.maxTxPower, -1);
        w.LineIfAny(kwMwrHopTempId, hop.temperatureId);
        w.IntUnless(kwMwrHopMode, hop.mode, -1);
        w.LineIfAny(kwMwrAcceptChnls, hop.acceptedChannels);
    }
}

void WriteSite(CLineWriter& w, const CSCFSite& site) {
    w.Quoted(kwSiteName, site.name);
    w.IntUnless(kwSiteType, site.siteType, 0);
    w.Int(kwSiteUcSwVersion, site.ucSwVersion.Level());
    w.LineIfAny(kwSiteId, site.siteId);
    w.QuotedIfAny(kwSiteDescription, site.description);
    w.IntUnless(kwSiteImplRound, site.implRound, -1);
    w.IntUnless(kwSiteImplOrder, site.implOrder, -1);
    w.QuotedIfAny(kwSiteDropOffPoint, site.dropOffPoint);
    w.Int(kwSiteValid, site.valid);
    w.IntUnless(kwSiteAutoconfMode, site.autoConfMode, -1);
    w.LineIfAny(kwSiteDataRoute, site.dataRoute);
    w.LineIfAny(kwSiteIpAddress, site.ipAddress);
    w.LineIfAny(kwSiteDefGateway, site.defaultGateway);
    w.LineIfAny(kwSiteNetworkId, site.networkId);
    w.LineIfAny(kwLatitude, site.latitude);
    w.LineIfAny(kwLongitude, site.longitude);
    w.LineIfAny(kwSiteGroundHeight, site.groundHeight);
    w.QuotedIfAny(kwSiteCommissRep, site.commissioningReport);
    WriteBcf(w, site);
    WriteTre(w, site.tre);
}

} // namespace

std::string WriteSCFText(const CSiteConfigFile& file) {
    std::string out;
    out.reserve(4096 + file.Sites().size() * 6144);
    out += "This file was created with Torvane Cabrion Version ";
    out += CABRION_VERSION;
    out += kCrLf;
    CLineWriter w(out);
    w.Line(kwVersion, CSiteConfigFile::kCurrentVersion);
    const CSCFFileHeader& h = file.Header();
    w.LineIfAny(kwBscId, h.bscId);
    w.QuotedIfAny(kwBscName, h.bscName);
    w.LineIfAny(kwWorkOrderId, h.workOrderId);
    w.LineIfAny(kwWorkOrderDescr, h.workOrderDescription);
    w.LineIfAny(kwArfcnScan, h.arfcnScan);
    w.LineIfAny(kwGwArfcnScan, h.gatewayArfcnScan);
    for (const auto& site : file.Sites()) {
        if (site->siteType == kSiteTypeNotWritten)
            continue;
        WriteSite(w, *site);
    }
    w.Line(kwEof, "");
    return out;
}
