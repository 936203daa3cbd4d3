#include "files/ConfigurationReportKODA.h"

#include <cstdio>

#include "files/HWInfoFile.h"
#include "files/ReportUnits.h"
#include "model/DataBaseKODA.h"
#include "model/Site.h"
#include "model/UnitKTrx.h"

namespace {

const char* YesNo(bool value) {
    return value ? "Yes" : "No";
}

// The transceivers of the candidate in number order, leaving out planned ones.
template <class F> int ForEachTrx(const CDataBaseKODA& db, F&& f) {
    int rows = 0;
    for (int n = 1; n <= 12; ++n) {
        const auto* trx = dynamic_cast<const CUnitKTrx*>(ReportUnits::Present(db, kUnitKindTrx, n));
        if (trx != nullptr) {
            f(*trx);
            ++rows;
        }
    }
    return rows;
}

// The text of the MHA column with its tab. The VSWR-monitored variants (4, 5, 6, 8) have no
// text of their own (the VSWR column says they are monitored), but keep their cell so that the
// attenuation and VSWR values stay under their headings.
const char* MhaColumn(int type) {
    switch (type) {
    case 1:
    case -1:
        return "-\t";
    case 2:
        return "Low gain MHA\t";
    case 3:
        return "High gain MHA\t";
    case 7:
        return "High gain MHA with bypass\t";
    default:
        return "\t";
    }
}

} // namespace

const char* CConfigurationReportKODA::ClockSyncText(int mode) {
    return CDataBaseKODA::ClockSyncText(mode);
}

void CConfigurationReportKODA::WriteHeader(const std::string& fileName,
                                           const std::string& configName) {
    m_buffer.Clear();
    m_upgradeUnitsShown = false;
    const std::string rule(CReportBuffer::kRuleWidth, '-');
    m_buffer.AddLine(rule);
    m_buffer.AddLine("BTS HW Configuration Report");
    m_buffer.AddLine(FormatTimestamp(Timestamp()));
    if (!fileName.empty() && !configName.empty()) {
        m_buffer.AddLine("");
        m_buffer.AddLine("Config. name:\t" + configName);
        m_buffer.AddLine("Filename:\t" + fileName);
    }
    m_buffer.AddLine(rule);
}

void CConfigurationReportKODA::WriteBody(CSite& site) {
    // A unit a page only shows is no part of what the report tells.
    const CDataBase* candidate = site.GetConfiguration(kSelectCandidate);
    const std::unique_ptr<CDataBase> copy =
        candidate != nullptr ? candidate->CopyWithoutShownOnly() : nullptr;
    m_candidate = dynamic_cast<const CDataBaseKODA*>(copy.get());
    m_bts = dynamic_cast<const CDataBaseKODA*>(site.GetConfiguration(kSelectBts));
    if (m_candidate == nullptr) {
        return;
    }
    WriteCabinet();
    WriteCrossConnection();
    WriteTxCabling();
    WriteRxCabling(false);
    WriteRxCabling(true);
    WriteAntennas();
    WritePassiveUnits();
    if (m_upgradeUnitsShown) {
        m_buffer.AddLine("");
        m_buffer.AddLine(kUpgradeNote);
    }
    m_candidate = nullptr;
    m_bts = nullptr;
}

std::string CConfigurationReportKODA::Name(const CUnit& unit, int portIndex) {
    std::string name = unit.DisplayName(portIndex);
    if (m_bts == nullptr) {
        return name;
    }
    const CUnit* installed = m_bts->FindUnit(unit.Kind(), unit.Number());
    if (installed != nullptr && !installed->IsIdle() && !installed->IsUpgrade()) {
        return name;
    }
    m_upgradeUnitsShown = true;
    // An idle unit already carries its brackets.
    return name.starts_with('(') ? name : "(" + name + ")";
}

std::string CConfigurationReportKODA::CombinerName(int portId) {
    if (const char* external = ReportUnits::ExternalCabinetName(portId)) {
        return external;
    }
    const CUnit* unit = ReportUnits::Combiner(*m_candidate, portId);
    return unit != nullptr ? Name(*unit, portId) : "-";
}

std::string CConfigurationReportKODA::MulticouplerName(int id) {
    const CUnit* unit = ReportUnits::Multicoupler(*m_candidate, id);
    return unit != nullptr ? Name(*unit) : "-";
}

std::string CConfigurationReportKODA::TxPathName(int id) {
    const CUnit* unit = ReportUnits::TxPathUnit(*m_candidate, id);
    return unit != nullptr ? Name(*unit, id >= 25 ? id : -1) : "-";
}

void CConfigurationReportKODA::NoInformationIfEmpty(int rows) {
    if (rows == 0) {
        m_buffer.AddLine(kNoInformation);
    }
}

void CConfigurationReportKODA::WriteCabinet() {
    m_buffer.SectionHead("Cabinet information");
    const CCabinet* cabinet = m_candidate->Cabinet(0);
    const SCabinetSettings& s = m_candidate->CabinetSettings();
    m_buffer.AddLine(std::string("Cabinet type:\t") +
                     (cabinet != nullptr ? cabinet->Name() : std::string("Unknown")));
    m_buffer.AddLine(std::string("Clock Sync Used:\t") + ClockSyncText(s.clockSync));
    m_buffer.AddLine(std::string("LTE Installed:\t") + YesNo(s.lte == 1));
    const CUcSwVersion& level = m_candidate->SwLevel();
    if (level.Level() != 1) {
        m_buffer.AddLine(std::string("WCDMA Upgrade:\t") + YesNo(s.wcdma == 1));
    }
    m_buffer.AddLine("UC SW Version:\t" + level.Name());
}

std::string CConfigurationReportKODA::ChannelText(int channel) {
    const int bb2Number = (channel + 1) / 2;
    const char letter = channel % 2 == 1 ? 'a' : 'b';
    std::string text;
    if (const CUnit* bb2 = ReportUnits::Present(*m_candidate, kUnitKindBb2, bb2Number)) {
        text = Name(*bb2, channel);
    } else {
        char buf[32];
        std::snprintf(buf, sizeof buf, "(QD2x %d%c)", bb2Number, letter);
        text = buf;
    }
    text += " - ";
    for (int n = 1; n <= 12; ++n) {
        const auto* trx =
            dynamic_cast<const CUnitKTrx*>(ReportUnits::Present(*m_candidate, kUnitKindTrx, n));
        if (trx != nullptr && trx->Bb2Id() == channel) {
            return text + Name(*trx);
        }
    }
    return text + "(RVx)";
}

void CConfigurationReportKODA::WriteCrossConnection() {
    m_buffer.SectionHead("BB2-RVx Cross-connection information");
    bool straight = true;
    const int present = ForEachTrx(*m_candidate, [&](const CUnitKTrx& trx) {
        straight = straight && trx.Bb2Id() == trx.Number();
    });
    if (present == 0) {
        NoInformationIfEmpty(0);
        return;
    }
    if (straight) {
        m_buffer.AddLine("Straight through configuration");
        m_buffer.AddLine("(QD2A 1a-RVx 1 .. QD2A 6b-RVx 12)");
        return;
    }
    for (int n = 1; n <= 6; ++n) {
        m_buffer.AddLine(ChannelText(2 * n - 1) + "\t    " + ChannelText(2 * n));
    }
}

void CConfigurationReportKODA::WriteTxCabling() {
    m_buffer.SectionHead("TX cabling information");
    m_buffer.AddLine("RVx\tPath 1\tPath2\tTX combiner");
    m_buffer.AddLine("");
    NoInformationIfEmpty(ForEachTrx(*m_candidate, [&](const CUnitKTrx& trx) {
        const STrxCabling& c = trx.Cabling();
        m_buffer.AddLine(Name(trx) + '\t' + TxPathName(c.txPath1) + '\t' + TxPathName(c.txPath2) +
                         '\t' + CombinerName(c.txCombinerId));
    }));
}

void CConfigurationReportKODA::WriteRxCabling(bool diversity) {
    if (diversity) {
        m_buffer.SectionHead("RX diversity cabling information");
        m_buffer.AddLine("RVx\tPath 1\tRX div combiner");
    } else {
        m_buffer.SectionHead("RX main cabling information");
        m_buffer.AddLine("RVx\tPath 1\tRX main combiner");
    }
    m_buffer.AddLine("");
    NoInformationIfEmpty(ForEachTrx(*m_candidate, [&](const CUnitKTrx& trx) {
        const STrxCabling& c = trx.Cabling();
        const int multicoupler = diversity ? c.rxDiversityMulticoupler : c.rxMainMulticoupler;
        const int combiner = diversity ? c.rxDiversityCombiner : c.rxCombinerId;
        m_buffer.AddLine(Name(trx) + '\t' + MulticouplerName(multicoupler) + '\t' +
                         CombinerName(combiner));
    }));
}

void CConfigurationReportKODA::WriteAntennas() {
    m_buffer.SectionHead("Antenna settings");
    m_buffer.AddLine("Antenna\tConnected to\tMHA type\tAtt. value\tVSWR");
    m_buffer.AddLine("");
    int rows = 0;
    for (int n = 1; n <= CDataBaseKODA::kAntennas; ++n) {
        const CAntenna* antenna = m_candidate->Antenna(n);
        if (antenna->ConnectedCombiner() <= 0) {
            continue;
        }
        const bool hasMha = ReportUnits::Present(*m_candidate, kUnitKindMha, n) != nullptr;
        std::string line = "Antenna " + std::to_string(n) + '\t';
        line += CombinerName(antenna->ConnectedCombiner()) + '\t';
        line += MhaColumn(antenna->MhaType());
        line += hasMha ? antenna->AttenuationText() : std::string("Invalid unit");
        line += '\t';
        line += YesNo(antenna->VswrMonitoring());
        m_buffer.AddLine(line);
        ++rows;
    }
    NoInformationIfEmpty(rows);
}

void CConfigurationReportKODA::WritePassiveUnits() {
    m_buffer.SectionHead("Passive unit information");
    m_buffer.AddLine("Unit\tProduct id.\tSerial number");
    m_buffer.AddLine("");
    int rows = 0;
    if (m_passive != nullptr) {
        for (const CHWInfoSlotEntry& e : m_passive->FilledSlots()) {
            m_buffer.AddLine(CHWInfoFile::EntryName(e.group, e.slot) + '\t' + e.productId + '\t' +
                             e.serialNumber);
            ++rows;
        }
    }
    NoInformationIfEmpty(rows);
}
