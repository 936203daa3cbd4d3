#include "files/xml/XMLPlanWriter.h"

#include "files/HWInfoFile.h"
#include "files/xml/XMLPlanTables.h"

#include <string>

namespace {

std::string Num(int value) {
    return std::to_string(value);
}

class CPlanBuilder {
public:
    CPlanBuilder(CXML_NodeFile& file, const CSCFSite& site, const CSCFCabinet& cabinet,
                 const CHWInfoFile* passive)
        : m_file(file), m_site(site), m_cabinet(cabinet), m_passive(passive) {}

    void Run() {
        WriteBts();
        WriteCabinetInfo();
        WriteBoi();
        WriteTransceivers();
        for (const auto& cabling : XMLCablingClasses()) {
            if (std::string_view(cabling.className) != "TRANSCEIVER_BB2_XCONNECTION") {
                WriteCabling(cabling);
            }
        }
        for (const char* name :
             {"HYGDF_INFO", "PWS_INFO", "RTC_INFO", "WBC_INFO", "TWBC_INFO", "RMC_INFO"}) {
            WriteCabinetUnits(*FindXMLUnitClass(name));
        }
        WriteCabling(*FindXMLCablingClass("TRANSCEIVER_BB2_XCONNECTION"));
        WriteCabinetUnits(*FindXMLUnitClass("BB2_INFO"));
        WriteCabinetUnits(*FindXMLUnitClass("MHA_INFO"));
        WriteAntennas();
        WritePassive("CORE_MECH_INFO");
        WriteTre();
        for (const char* name :
             {"BT_INFO", "KETTRA_SUPP_CABINET_INFO", "KETTRA_MISC_INFO", "MISC_INFO", "ZE2A_INFO",
              "LPTA_INFO", "CCF_INFO", "KIT_INFO", "LPTM_INFO"}) {
            WritePassive(name);
        }
    }

private:
    void WriteBts() {
        XMLParameterList parameters{{"sitename", m_site.name},
                                    {"sitedesc", m_cabinet.configDescription}};
        if (m_site.bcfType == kBcfTypeOrvik) {
            parameters.emplace_back("btsFamilyType", "Orvik");
        }
        m_file.BuildManagedObject(parameters, "BTS_NE", 0);
    }

    void WriteCabinetInfo() {
        XMLParameterList parameters;
        if (const char* name = XMLCabinetTypeName(m_cabinet.cabinetType)) {
            parameters.emplace_back("cabinetType", name);
        }
        parameters.emplace_back("ucSwVersion", Num(m_site.ucSwVersion.Level()));
        // Settings that were never given (-1) are left out rather than written as a guess.
        AddSwitch(parameters, "autoDetectedClockSync", m_site.bcfClockSync, "Off", "On");
        AddSwitch(parameters, "lteInstalled", m_cabinet.lteInstalled, "No", "Yes");
        AddSwitch(parameters, "wcdmaUpgrade", m_cabinet.wcdmaUpgrade, "No", "Yes");
        AddSwitch(parameters, "mrcSupportWithWBC", m_cabinet.mrcSupportWbc, "No", "Yes");
        m_file.BuildManagedObject(parameters, "CABINET_INFO", 0);
    }

    static void AddSwitch(XMLParameterList& parameters, const char* name, int value,
                          const char* off, const char* on) {
        if (value == 0 || value == 1) {
            parameters.emplace_back(name, value == 1 ? on : off);
        }
    }

    void WriteBoi() {
        for (const auto& unit : m_cabinet.units) {
            if (unit.typeId == 1000) {
                m_file.BuildManagedObject(
                    {{"boiType", "UQIA"}, {"rack", "2"}, {"shelf", "1"}, {"slot", "7"}}, "BOI_INFO",
                    0);
                return;
            }
        }
    }

    void WriteTransceivers() {
        const CXMLUnitClass& cls = *FindXMLUnitClass("TRANSCEIVER_INFO");
        int count = 0;
        for (const auto& trx : m_cabinet.trxCablings) {
            const CXMLUnitCode* code = FindXMLUnitCode(cls.className, trx.trxUnitTypeId);
            if (!code) {
                continue;
            }
            m_file.BuildItem({{cls.idParameter, Num(trx.trxNumber)},
                              {cls.typeParameter, code->code},
                              {cls.rackParameter, code->rack},
                              {cls.shelfParameter, code->shelf},
                              {cls.slotParameter, Num(trx.trxNumber)}});
            ++count;
        }
        Finish(cls.className, cls.listName, count);
    }

    void WriteCabling(const CXMLCablingClass& cls) {
        std::string_view name = cls.className;
        for (const auto& trx : m_cabinet.trxCablings) {
            XMLParameterList parameters{{cls.parameters[0], Num(trx.trxNumber)}};
            if (name == "TX_CABLING") {
                parameters.emplace_back(cls.parameters[1], Num(trx.txPath1));
                parameters.emplace_back(cls.parameters[2], Num(trx.txPath2));
                parameters.emplace_back(cls.parameters[3], Num(trx.txCon));
            } else if (name == "RXMAIN_CABLING") {
                parameters.emplace_back(cls.parameters[1], Num(trx.rxMainPath1));
                parameters.emplace_back(cls.parameters[2], Num(trx.rxMainCon));
            } else if (name == "RXDIVERSITY_CABLING") {
                parameters.emplace_back(cls.parameters[1], Num(trx.rxDivPath1));
                parameters.emplace_back(cls.parameters[2], Num(trx.rxDivCon));
            } else {
                parameters.emplace_back(cls.parameters[1], Num(trx.bb2XCon));
            }
            m_file.BuildItem(parameters);
        }
        Finish(cls.className, cls.listName, static_cast<int>(m_cabinet.trxCablings.size()));
    }

    // The number a unit is known by among the passive units of its group: its unit number.
    void AddPassive(XMLParameterList& parameters, const CXMLUnitClass& cls, int number) {
        if (!cls.serialParameter) {
            return;
        }
        std::string serial;
        std::string product;
        int group = XMLPassiveGroupFromClass(cls.className);
        if (m_passive && number >= 1) {
            m_passive->GetSlot(group, number - 1, serial, product);
        }
        parameters.emplace_back(cls.serialParameter, serial);
        parameters.emplace_back(cls.productParameter, product);
    }

    void WriteCabinetUnits(const CXMLUnitClass& cls) {
        std::string_view name = cls.className;
        int count = 0;
        for (const auto& unit : m_cabinet.units) {
            const CXMLUnitCode* code = FindXMLUnitCode(name, unit.typeId);
            if (!code) {
                continue;
            }
            int id = name == "HYGDF_INFO" ? unit.index : unit.slot;
            XMLParameterList parameters{{cls.idParameter, Num(id)},
                                        {cls.typeParameter, code->code}};
            if (cls.rackParameter) {
                parameters.emplace_back(cls.rackParameter, code->rack);
                parameters.emplace_back(cls.shelfParameter, code->shelf);
                parameters.emplace_back(cls.slotParameter, Num(unit.slot));
            }
            AddPassive(parameters, cls, unit.slot);
            m_file.BuildItem(parameters);
            ++count;
        }
        Finish(cls.className, cls.listName, count);
    }

    void WriteTre() {
        const CXMLUnitClass& cls = *FindXMLUnitClass("TRE_INFO");
        int count = 0;
        for (const auto& unit : m_site.tre.units) {
            const CXMLUnitCode* code = FindXMLUnitCode(cls.className, unit.typeId);
            if (!code) {
                continue;
            }
            m_file.BuildItem({{cls.idParameter, Num(unit.slot)},
                              {cls.typeParameter, code->code},
                              {cls.rackParameter, code->rack},
                              {cls.shelfParameter, code->shelf},
                              {cls.slotParameter, Num(unit.slot)}});
            ++count;
        }
        Finish(cls.className, cls.listName, count);
    }

    void WriteAntennas() {
        for (const auto& antenna : m_cabinet.antennas) {
            auto words = XMLMhaWords(antenna.mhaType);
            m_file.BuildItem({{"antennaId", Num(antenna.antennaNumber)},
                              {"connectedToCombiner", Num(antenna.unitConnection)},
                              {"mhaType", words ? words->gain : ""},
                              {"attenuationValue", XMLAttenuationText(antenna.cableAttenuation)},
                              {"monitoringWithVSWR", words ? words->vswr : ""},
                              {"cositeMHA", antenna.cositeMha == 1 ? "Yes" : "No"}});
        }
        Finish("ANTENNA_SETTINGS", "antennaSettings", static_cast<int>(m_cabinet.antennas.size()));
    }

    void WritePassive(const char* className) {
        const CXMLUnitClass& cls = *FindXMLUnitClass(className);
        int group = XMLPassiveGroupFromClass(className);
        if (!m_passive) {
            return;
        }
        int count = 0;
        for (int index = 0; index < CHWInfoFile::GroupCapacity(group); ++index) {
            std::string serial;
            std::string product;
            if (!m_passive->GetSlot(group, index, serial, product)) {
                continue;
            }
            XMLParameterList parameters{{cls.idParameter, Num(index + 1)},
                                        {cls.serialParameter, serial},
                                        {cls.productParameter, product}};
            if (!cls.listName) {
                // One-slot groups stand directly in their object.
                m_file.BuildManagedObject(parameters, className, 0);
                return;
            }
            m_file.BuildItem(parameters);
            ++count;
        }
        Finish(className, cls.listName, count);
    }

    void Finish(const char* className, const char* listName, int count) {
        if (count == 0) {
            return;
        }
        m_file.BuildList(listName);
        m_file.BuildManagedObject({}, className, 0);
    }

    CXML_NodeFile& m_file;
    const CSCFSite& m_site;
    const CSCFCabinet& m_cabinet;
    const CHWInfoFile* m_passive;
};

} // namespace

void BuildXMLPlan(CXML_NodeFile& file, const CSCFSite& site, const CSCFCabinet& cabinet,
                  const CHWInfoFile* passive) {
    CPlanBuilder(file, site, cabinet, passive).Run();
}

bool WriteXMLPlan(CXML_NodeFile& file, const CSCFSite& site, const CSCFCabinet& cabinet,
                  const CHWInfoFile* passive) {
    BuildXMLPlan(file, site, cabinet, passive);
    return file.Save();
}

CSaveResult WriteXMLPlan(CXML_NodeFile& file, const CSiteConfigFile& configurations,
                         const CHWInfoFile* passive) {
    const auto& sites = configurations.Sites();
    if (sites.empty() || sites.front()->cabinets.empty()) {
        return {false, "Cannot save " + file.GetPath() +
                           ": there is no configuration with a "
                           "cabinet to write."};
    }
    if (!WriteXMLPlan(file, *sites.front(), sites.front()->cabinets.front(), passive)) {
        return {false, file.GetLastError().message};
    }
    return {};
}
