#include "files/xml/ReadXML.h"

#include "files/HWInfoFile.h"
#include "files/xml/XMLPlanTables.h"

#include <algorithm>
#include <charconv>

namespace {

const std::string* Find(const XMLParameterList& parameters, std::string_view name) {
    for (const auto& [key, value] : parameters) {
        if (key == name) {
            return &value;
        }
    }
    return nullptr;
}

// A decimal parameter; nothing when absent or not a number.
std::optional<int> Number(const XMLParameterList& parameters, std::string_view name) {
    const std::string* text = Find(parameters, name);
    if (!text) {
        return std::nullopt;
    }
    std::string_view view = *text;
    while (!view.empty() && (view.front() == ' ' || view.front() == '\t')) {
        view.remove_prefix(1);
    }
    if (!view.empty() && view.front() == '+') {
        view.remove_prefix(1);
    }
    int value = 0;
    auto [end, ec] = std::from_chars(view.data(), view.data() + view.size(), value);
    if (ec != std::errc() || end == view.data()) {
        return std::nullopt;
    }
    return value;
}

std::string Text(const XMLParameterList& parameters, std::string_view name) {
    const std::string* text = Find(parameters, name);
    return text ? *text : std::string();
}

} // namespace

std::string CXMLSiteSummary::CablingText() const {
    std::string text;
    auto add = [&text](bool present, const char* name) {
        if (present) {
            text += text.empty() ? "" : ",";
            text += name;
        }
    };
    add(txCabling, "TX");
    add(rxMainCabling, "RX Main");
    add(rxDivCabling, "RX Div");
    return text;
}

std::vector<XMLParameterList> CReadXML::Items(const char* className, const char* listName) {
    std::vector<XMLParameterList> items;
    int count = m_file.GetListItems(className, 0, listName);
    items.resize(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        m_file.GetItemParameters(i, items[static_cast<std::size_t>(i)]);
    }
    return items;
}

std::unique_ptr<CSCFSite> CReadXML::Read(CHWInfoFile* passive) {
    auto site = std::make_unique<CSCFSite>();
    XMLParameterList bts;
    m_file.GetManagedObjectParameters("BTS_NE", 0, bts);
    site->name = Text(bts, "sitename");
    int bcfType = XMLBcfTypeFromFamily(Text(bts, "btsFamilyType"));
    if (bcfType != -1) {
        site->bcfType = bcfType;
        site->bcfTypeRead = bcfType;
    }
    CSCFCabinet cabinet;
    cabinet.cabinetNumber = 1;
    cabinet.configDescription = Text(bts, "sitedesc");
    if (!ReadCabinetInfo(*site, cabinet)) {
        return nullptr;
    }
    ReadTransceivers(cabinet);
    ReadUnits(*site, cabinet);
    ReadAntennas(cabinet);
    if (passive) {
        ReadPassive(*passive);
    }
    site->cabinets.push_back(std::move(cabinet));
    site->cabinetAmount = 1;
    return site;
}

bool CReadXML::ReadCabinetInfo(CSCFSite& site, CSCFCabinet& cabinet) {
    XMLParameterList info;
    if (!m_file.GetManagedObjectParameters("CABINET_INFO", 0, info)) {
        return false;
    }
    if (const std::string* type = Find(info, "cabinetType")) {
        int modelType = XMLCabinetTypeFromName(*type);
        if (modelType < 0) {
            return false; // a cabinet this program does not know
        }
        cabinet.cabinetType = modelType + 1;
    }
    site.ucSwVersion = CUcSwVersion(Number(info, "ucSwVersion").value_or(0));
    auto switchValue = [&info](const char* name, int& field) {
        if (const std::string* text = Find(info, name)) {
            if (auto value = XMLSwitchValue(*text)) {
                field = *value;
            }
        }
    };
    switchValue("autoDetectedClockSync", site.bcfClockSync);
    switchValue("lteInstalled", cabinet.lteInstalled);
    switchValue("wcdmaUpgrade", cabinet.wcdmaUpgrade);
    switchValue("mrcSupportWithWBC", cabinet.mrcSupportWbc);
    return true;
}

void CReadXML::ReadTransceivers(CSCFCabinet& cabinet) {
    for (const auto& item : Items("TRANSCEIVER_INFO", "transceiverInfo")) {
        auto number = Number(item, "transceiverId");
        int typeId = XMLUnitTypeIdFromCode(Text(item, "transceiverType"));
        if (!number || !XMLClassHoldsType("TRANSCEIVER_INFO", typeId)) {
            continue;
        }
        CSCFTrxCabling trx;
        trx.trxNumber = *number;
        trx.trxUnitTypeId = typeId;
        cabinet.trxCablings.push_back(trx);
    }
    for (const auto& cls : XMLCablingClasses()) {
        std::string_view name = cls.className;
        for (const auto& item : Items(cls.className, cls.listName)) {
            auto number = Number(item, cls.parameters[0]);
            auto trx = std::find_if(
                cabinet.trxCablings.begin(), cabinet.trxCablings.end(),
                [&](const CSCFTrxCabling& t) { return number && t.trxNumber == *number; });
            if (trx == cabinet.trxCablings.end()) {
                continue;
            }
            auto set = [&item](const char* parameter, int& field) {
                if (auto value = Number(item, parameter)) {
                    field = *value;
                }
            };
            if (name == "TX_CABLING") {
                set(cls.parameters[1], trx->txPath1);
                set(cls.parameters[2], trx->txPath2);
                set(cls.parameters[3], trx->txCon);
            } else if (name == "RXMAIN_CABLING") {
                set(cls.parameters[1], trx->rxMainPath1);
                set(cls.parameters[2], trx->rxMainCon);
            } else if (name == "RXDIVERSITY_CABLING") {
                set(cls.parameters[1], trx->rxDivPath1);
                set(cls.parameters[2], trx->rxDivCon);
            } else {
                set(cls.parameters[1], trx->bb2XCon);
            }
        }
    }
}

void CReadXML::ReadUnits(CSCFSite& site, CSCFCabinet& cabinet) {
    // Type codes that are not in the class's table are skipped, like any other entry this
    // program cannot represent.
    for (const auto& item : Items("MHA_INFO", "mhaInfo")) {
        int typeId = XMLUnitTypeIdFromCode(Text(item, "mhaType"));
        auto id = Number(item, "mhaId");
        if (id && XMLClassHoldsType("MHA_INFO", typeId)) {
            cabinet.units.push_back({typeId, *id, -1});
        }
    }
    for (const auto& item : Items("TRE_INFO", "treInfo")) {
        int typeId = XMLUnitTypeIdFromCode(Text(item, "treType"));
        auto slot = Number(item, "slot");
        if (!slot) {
            slot = Number(item, "treId");
        }
        if (slot && XMLClassHoldsType("TRE_INFO", typeId)) {
            CSCFSiteTreUnit unit;
            unit.typeId = typeId;
            unit.slot = *slot;
            site.tre.units.push_back(unit);
        }
    }
    if (!site.tre.units.empty() && site.tre.equipmentName.empty()) {
        site.tre.equipmentName = "TRE Equipment";
    }
    XMLParameterList boi;
    if (m_file.GetManagedObjectParameters("BOI_INFO", 0, boi) &&
        XMLUnitKindFromText(Text(boi, "boiType")) == 2) {
        // Its "slot" is the BOI's fixed place in the cabinet, not a number: a site has one BOI,
        // and that is BOI 1.
        cabinet.units.push_back({1000, 1, -1});
    }
    for (const char* name :
         {"PWS_INFO", "BB2_INFO", "RTC_INFO", "WBC_INFO", "TWBC_INFO", "RMC_INFO", "HYGDF_INFO"}) {
        const CXMLUnitClass& cls = *FindXMLUnitClass(name);
        bool byIndex = std::string_view(name) == "HYGDF_INFO";
        for (const auto& item : Items(cls.className, cls.listName)) {
            int typeId = XMLUnitTypeIdFromCode(Text(item, cls.typeParameter));
            auto id = Number(item, cls.idParameter);
            auto slot = Number(item, cls.slotParameter);
            if (!XMLClassHoldsType(name, typeId) || (!id && !slot)) {
                continue;
            }
            CSCFUnit unit{typeId, -1, -1};
            if (byIndex) {
                unit.index = id.value_or(-1);
                unit.slot = slot.value_or(-1);
            } else {
                unit.slot = slot ? *slot : *id;
            }
            cabinet.units.push_back(unit);
        }
    }
}

void CReadXML::ReadAntennas(CSCFCabinet& cabinet) {
    for (const auto& item : Items("ANTENNA_SETTINGS", "antennaSettings")) {
        auto number = Number(item, "antennaId");
        if (!number) {
            continue;
        }
        CSCFAntenna antenna;
        antenna.antennaNumber = *number;
        antenna.unitConnection = Number(item, "connectedToCombiner").value_or(-1);
        // An unknown gain word keeps the default type rather than dropping the antenna.
        if (auto mha =
                XMLMhaTypeFromWords(Text(item, "mhaType"), Text(item, "monitoringWithVSWR"))) {
            antenna.mhaType = *mha;
        }
        if (const std::string* attenuation = Find(item, "attenuationValue")) {
            antenna.cableAttenuation = XMLAttenuationFromText(*attenuation);
        }
        antenna.cositeMha = Text(item, "cositeMHA") == "Yes" ? 1 : 0;
        cabinet.antennas.push_back(antenna);
    }
}

void CReadXML::ReadPassive(CHWInfoFile& passive) {
    for (const auto& cls : XMLUnitClasses()) {
        int group = XMLPassiveGroupFromClass(cls.className);
        if (group == 0 || !cls.serialParameter) {
            continue;
        }
        std::vector<XMLParameterList> entries;
        if (cls.listName) {
            entries = Items(cls.className, cls.listName);
        } else {
            XMLParameterList parameters;
            if (m_file.GetManagedObjectParameters(cls.className, 0, parameters)) {
                entries.push_back(std::move(parameters));
            }
        }
        for (const auto& entry : entries) {
            auto number = Number(entry, cls.idParameter);
            std::string serial = Text(entry, cls.serialParameter);
            std::string product = Text(entry, cls.productParameter);
            if (!number || *number < 1 || (serial.empty() && product.empty())) {
                continue;
            }
            passive.SetSlot(group, *number - 1, serial, product);
        }
    }
}

CXMLSiteSummary CReadXML::Summarise(const std::string& distName) {
    std::string current = m_file.GetCurrentBtsDistName();
    m_file.SetCurrentBtsDistName(distName);
    CXMLSiteSummary summary;
    for (const auto& item : Items("TRANSCEIVER_INFO", "transceiverInfo")) {
        std::string code = Text(item, "transceiverType");
        if (!code.empty() &&
            std::find(summary.transceiverCodes.begin(), summary.transceiverCodes.end(), code) ==
                summary.transceiverCodes.end()) {
            summary.transceiverCodes.push_back(code);
        }
    }
    std::vector<std::string> all;
    for (const auto& item : Items("TRANSCEIVER_INFO", "transceiverInfo")) {
        all.push_back(Text(item, "transceiverType"));
    }
    summary.bandText = XMLTransceiverBandText(all);
    summary.txCabling = m_file.GetListItems("TX_CABLING", 0, "txCabling") > 0;
    summary.rxMainCabling = m_file.GetListItems("RXMAIN_CABLING", 0, "rxMainCabling") > 0;
    summary.rxDivCabling = m_file.GetListItems("RXDIVERSITY_CABLING", 0, "rxDiversityCabling") > 0;
    m_file.SetCurrentBtsDistName(current);
    return summary;
}

std::unique_ptr<CSCFSite> ReadXMLPlan(CXML_NodeFile& file,
                                      const CXML_NodeFile::SiteSelector& select,
                                      CHWInfoFile* passive, CXMLError& error) {
    error = {};
    if (!file.Load(true, select)) {
        error = file.GetLastError();
        return nullptr;
    }
    auto site = CReadXML(file).Read(passive);
    if (!site) {
        error = {"Failed to open the specified file!", "Incorrect or missing Cabinet Information."};
    }
    return site;
}

std::unique_ptr<CSCFSite> ReadXMLPlanSite(CXML_NodeFile& file, const std::string& siteName,
                                          CHWInfoFile* passive, CXMLError& error) {
    if (!file.Load(false)) {
        error = file.GetLastError();
        return nullptr;
    }
    if (!siteName.empty()) {
        std::string distName;
        std::string message;
        if (!file.GetSiteDistName(siteName, distName, message)) {
            error = {message, {}};
            return nullptr;
        }
        file.SetCurrentBtsDistName(distName);
    }
    auto site = CReadXML(file).Read(passive);
    if (!site) {
        error = {"Failed to open the specified file!", "Incorrect or missing Cabinet Information."};
    }
    return site;
}
