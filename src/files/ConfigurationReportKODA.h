#pragma once
// The configuration report of an Orvik site: cabinet settings, cross-connection, the three
// cabling kinds, antennas and passive units of the candidate, with units the BTS does not have
// in brackets.

#include <string>

#include "files/ConfigurationReport.h"

class CDataBaseKODA;
class CHWInfoFile;
class CUnit;

class CConfigurationReportKODA : public CConfigurationReport {
public:
    static constexpr const char* kUpgradeNote = "(Units within brackets are upgrade units)";
    static constexpr const char* kNoInformation = "No information";

    void WriteHeader(const std::string& fileName, const std::string& configName) override;
    // Units are compared with the configuration currently in BTS; without one nothing can be
    // told apart and every unit counts as installed.
    void WriteBody(CSite& site) override;

    // The passive unit information the last section lists; none gives "No information".
    void AttachPassiveUnits(const CHWInfoFile* info) { m_passive = info; }

    // "Auto Detect Off", "Autodetect On", "LMU is Master"; any other value "LMU is Master in
    // chain".
    static const char* ClockSyncText(int mode);

private:
    void WriteCabinet();
    void WriteCrossConnection();
    void WriteTxCabling();
    void WriteRxCabling(bool diversity);
    void WriteAntennas();
    void WritePassiveUnits();

    // The unit's name, in brackets when the BTS lacks a normal unit of its kind and number.
    std::string Name(const CUnit& unit, int portIndex = -1);
    std::string CombinerName(int portId);
    std::string MulticouplerName(int id);
    std::string TxPathName(int id);
    std::string ChannelText(int channel);
    // Ends a section whose loop wrote nothing.
    void NoInformationIfEmpty(int rows);

    const CHWInfoFile* m_passive = nullptr;
    const CDataBaseKODA* m_candidate = nullptr;
    const CDataBaseKODA* m_bts = nullptr;
};
