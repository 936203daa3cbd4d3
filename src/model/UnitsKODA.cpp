#include "model/UnitsKODA.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "model/UnitTypeCatalogue.h"

namespace {

constexpr SConnector kDduConnectors[] = {
    {1, kConnTxIn, 7, 7},
    {2, kConnTxIn, 7, 26},
    {1, kConnRxMainOut, 25, 7},
    {2, kConnRxMainOut, 37, 7},
    {3, kConnRxMainOut, 25, 26},
    {4, kConnRxMainOut, 37, 26},
    {1, kConnCombinerAntenna, 15, 6},
    {2, kConnCombinerAntenna, 15, 25},
    {1, kConnTxMark, 7, 3},
    {2, kConnTxMark, 7, 22},
    {1, kConnRxMainMark, 7, 8},
    {2, kConnRxMainMark, 7, 27},
    {1, kConnRxDivMark, 7, 13},
    {2, kConnRxDivMark, 7, 32},
};

constexpr SConnector kWbcConnectors[] = {
    {1, kConnTxIn, 5, 8},
    {2, kConnTxIn, 29, 8},
    {1, kConnTxOut, 17, 8},
};

constexpr SConnector kWbtConnectors[] = {
    {1, kConnTxIn, 5, 4},   {2, kConnTxIn, 5, 12},  {3, kConnTxIn, 19, 4},
    {4, kConnTxIn, 19, 12}, {5, kConnTxIn, 33, 4},  {6, kConnTxIn, 33, 12},
    {1, kConnTxOut, 11, 8}, {2, kConnTxOut, 25, 8}, {3, kConnTxOut, 39, 8},
};

constexpr SConnector kMc2Connectors[] = {
    {1, kConnRxMainIn, 4, 17},  {1, kConnRxDivIn, 14, 17}, {1, kConnRxMainOut, 4, 6},
    {2, kConnRxMainOut, 4, 27}, {1, kConnRxDivOut, 14, 6}, {2, kConnRxDivOut, 14, 27},
};

constexpr SConnector kMc6Connectors[] = {
    {1, kConnRxMainIn, 4, 59},  {1, kConnRxDivIn, 14, 59},   {1, kConnRxMainOut, 4, 6},
    {2, kConnRxMainOut, 4, 27}, {3, kConnRxMainOut, 4, 48},  {4, kConnRxMainOut, 4, 69},
    {5, kConnRxMainOut, 4, 90}, {6, kConnRxMainOut, 4, 110}, {1, kConnRxDivOut, 14, 6},
    {2, kConnRxDivOut, 14, 27}, {3, kConnRxDivOut, 14, 48},  {4, kConnRxDivOut, 14, 69},
    {5, kConnRxDivOut, 14, 90}, {6, kConnRxDivOut, 14, 110},
};

constexpr SConnector kRtcConnectors[] = {
    {1, kConnTxIn, 6, 6},
    {2, kConnTxIn, 6, 27},
    {3, kConnTxIn, 6, 48},
    {4, kConnTxIn, 6, 69},
    {5, kConnTxIn, 6, 90},
    {6, kConnTxIn, 6, 110},
    {1, kConnRxMainOut, 23, 110},
    {2, kConnRxMainOut, 40, 110},
    {1, kConnRxDivOut, 23, 6},
    {1, kConnCombinerAntenna, 21, 93},
    {2, kConnCombinerAntenna, 21, 30},
    {2, kConnTxMark, 23, 25},
    {1, kConnTxMark, 23, 80},
    {2, kConnRxMainMark, 23, 40},
    {1, kConnRxMainMark, 23, 95},
    {2, kConnRxDivMark, 23, 55},
    {1, kConnRxDivMark, 23, 110},
};

constexpr SConnector kMhaConnectors[] = {{1, kConnMhaAntenna, 4, 8}};

// The state mark that stands for a connector kind, whatever the cable type.
int MarkKindFor(int connectorKind) {
    switch (connectorKind) {
    case kConnTxIn:
    case kConnTxOut:
    case kConnTxMark:
        return kConnTxMark;
    case kConnRxMainIn:
    case kConnRxMainOut:
    case kConnRxMainMark:
        return kConnRxMainMark;
    case kConnRxDivIn:
    case kConnRxDivOut:
    case kConnRxDivMark:
        return kConnRxDivMark;
    default:
        return 0;
    }
}

bool PositionOf(const CUnit& unit, int kind, int index, SPoint& out) {
    const SConnector* c = unit.FindConnector(kind, index);
    if (c == nullptr) {
        return false;
    }
    out = {c->x + 2, c->y + 2};
    return true;
}

std::string Format(const char* fmt, const std::string& text, int number, const char* extra) {
    char buf[96];
    std::snprintf(buf, sizeof buf, fmt, text.c_str(), number, extra);
    return buf;
}

// A baseband or duplexer half reads "HYGx 2b": the letter sticks to the number.
std::string WithPortLetter(const std::string& text, int number, char letter) {
    return FormatNameNumber(text, number) + letter;
}

std::string WithInputLetter(const std::string& text, int number, char letter) {
    return FormatNameNumber(text, number) + ' ' + letter;
}

} // namespace

bool ApplyBandRow(CUnit& unit, int bandValue, const int (&typeIds)[5]) {
    int column;
    switch (bandValue & kBandMaskBits) {
    case 0:
        column = 0;
        break;
    case kBand900:
        column = 1;
        break;
    case kBand1800:
        column = 2;
        break;
    case kBand1900:
        column = 3;
        break;
    case kBand800:
        column = 4;
        break;
    default:
        return false;
    }
    unit.SetType(typeIds[column]);
    return true;
}

bool IsBypassMhaTypeId(int typeId) {
    return typeId >= 68 && typeId <= 71;
}

// BOI

CUnitKBOI::CUnitKBOI()
    : CUnitKCopyable(kUnitKindBoi, "Base Operation and Interface", 1, 0, 1, false) {
    SetType(1000);
}

SPoint CUnitKBOI::LogicalStateIconPosition(int which) const {
    return which == 0 ? SPoint{10, 61} : SPoint{4, 21};
}

// BB2

CUnitKBB2::CUnitKBB2() : CUnitKCopyable(kUnitKindBb2, "Dual Base Band", 1, 1, 0, true) {
    SetType(32);
}

bool CUnitKBB2::ApplyBand(int bandValue) {
    SetType((bandValue & kEdgeAll) != 0 ? 57 : 32);
    return true;
}

std::string CUnitKBB2::NameForPort(int portIndex) const {
    if (portIndex >= 1 && portIndex <= 12) {
        return WithPortLetter(TypeCodeText(), DisplayedNumber(), portIndex % 2 == 1 ? 'a' : 'b');
    }
    return CUnit::NameForPort(-1);
}

void CUnitKBB2::RefineTypeFromText(std::string_view text) {
    if (text.find("QD2E") != std::string_view::npos) {
        SetType(57);
    }
    if (text.find("QD2F") != std::string_view::npos) {
        SetType(60);
    }
}

// Power supply

CUnitKPWR::CUnitKPWR() : CUnitKCopyable(kUnitKindPwr, "Power Supply", 1, 0, 0, true) {
    SetType(906);
}

void CUnitKPWR::RefineTypeFromText(std::string_view text) {
    if (text.front() == 'A') {
        SetType(30);
    } else if (text.front() == 'B') {
        SetType(31);
    }
}

// Transmission

CUnitKTRE::CUnitKTRE() : CUnitKCopyable(kUnitKindTre, "Transmission", 1, 0, 0, true) {
    SetType(907);
}

void CUnitKTRE::RefineTypeFromText(std::string_view text) {
    if (text.substr(0, 8) == "DRB E1T1") {
        SetType(1102);
    } else if (text.find("BRIDGE") != std::string_view::npos) {
        SetType(1109);
    } else if (text.find("STM-1") != std::string_view::npos) {
        SetType(1108);
    }
}

// DDU

CUnitKDDU::CUnitKDDU() : CUnitKCopyable(kUnitKindDdu, "Dual Duplex Unit", 2, 1, 0, false) {
    SetType(903);
}

void CUnitKDDU::SetNumber(int number) {
    CUnit::SetNumber(number);
    m_displayedNumber = static_cast<int>(std::min((int64_t{number} - 1) / 2 + 1, int64_t{6}));
}

bool CUnitKDDU::CanUseBackplaneConnector(int connector) const {
    const int64_t offset = int64_t{connector} - (int64_t{m_number} + 1) / 2 + 2;
    return offset >= 0 && offset <= 4;
}

bool CUnitKDDU::SetBackplaneConnector(int connector) {
    if (!CanUseBackplaneConnector(connector)) {
        return false;
    }
    m_displayedNumber = connector;
    return true;
}

bool CUnitKDDU::SetTypeByNumber(int typeId) {
    switch (typeId) {
    case 43:
    case 44:
    case 45:
    case 55:
    case 63:
    case 64:
        SetType(typeId);
        return true;
    default:
        return false;
    }
}

bool CUnitKDDU::ApplyBand(int bandValue) {
    static constexpr int kRow[5] = {903, 43, 44, 45, 55};
    return ApplyBandRow(*this, bandValue, kRow);
}

std::string CUnitKDDU::ConnectionText() const {
    return "(Connected to backplane-connector " + std::to_string(DisplayedNumber()) + ")";
}

ConnectorList CUnitKDDU::Connectors() const {
    return kDduConnectors;
}

bool CUnitKDDU::MarkPosition(int, int connectorKind, int index, SPoint& out) const {
    const int mark = MarkKindFor(connectorKind);
    if (mark == kConnTxMark) {
        return PositionOf(*this, mark, index, out);
    }
    if (mark != 0) {
        return PositionOf(*this, mark, index <= 2 ? 1 : 2, out);
    }
    return PositionOf(*this, connectorKind, index, out);
}

std::string CUnitKDDU::NameForPort(int portIndex) const {
    if (portIndex >= 1 && portIndex <= 12) {
        return WithPortLetter(TypeCodeText(), DisplayedNumber(), portIndex % 2 == 1 ? 'a' : 'b');
    }
    return CUnit::NameForPort(-1);
}

void CUnitKDDU::RefineTypeFromText(std::string_view text) {
    const auto head = text.substr(0, 3);
    if (head == "HYH") {
        SetType(63);
    } else if (head == "HYJ") {
        SetType(64);
    } else if (head == "HYG") {
        SetType(43);
    }
}

// Booster

CUnitKBTR::CUnitKBTR() : CUnitKCopyable(kUnitKindBtr, "Booster", 1, 0, 0, false) {
    SetType(902);
}

// Multicouplers

CUnitKMC2::CUnitKMC2() : CUnitKCopyable(kUnitKindMc2, "Multicoupler 2-way", 2, 0, 0, false) {
    SetType(904);
}

void CUnitKMC2::SetNumber(int number) {
    CUnit::SetNumber(number);
    m_displayedNumber = static_cast<int>((int64_t{number} - 1) / 2 + 1);
}

bool CUnitKMC2::ApplyBand(int bandValue) {
    static constexpr int kRow[5] = {904, 33, 34, 34, 33};
    return ApplyBandRow(*this, bandValue, kRow);
}

ConnectorList CUnitKMC2::Connectors() const {
    return kMc2Connectors;
}

CUnitKMC6::CUnitKMC6() : CUnitKCopyable(kUnitKindMc6, "Multicoupler 6-way", 6, 0, 0, false) {
    SetType(905);
}

bool CUnitKMC6::ApplyBand(int bandValue) {
    static constexpr int kRow[5] = {905, 35, 36, 36, 35};
    return ApplyBandRow(*this, bandValue, kRow);
}

ConnectorList CUnitKMC6::Connectors() const {
    return kMc6Connectors;
}

// Combiners

CUnitKWBC::CUnitKWBC() : CUnitKCopyable(kUnitKindWbc, "Wide Band Combiner", 1, 0, 0, false) {
    SetType(909);
}

bool CUnitKWBC::ApplyBand(int bandValue) {
    static constexpr int kRow[5] = {909, 46, 47, 48, 46};
    return ApplyBandRow(*this, bandValue, kRow);
}

ConnectorList CUnitKWBC::Connectors() const {
    return kWbcConnectors;
}

CUnitKWBT::CUnitKWBT() : CUnitKCopyable(kUnitKindWbt, "Triple Wide Band Combiner", 1, 0, 0, false) {
    SetType(909);
}

bool CUnitKWBT::ApplyBand(int bandValue) {
    static constexpr int kRow[5] = {909, 65, 66, 67, 65};
    return ApplyBandRow(*this, bandValue, kRow);
}

ConnectorList CUnitKWBT::Connectors() const {
    return kWbtConnectors;
}

std::string CUnitKWBT::NameForPort(int portIndex) const {
    if (portIndex >= 25) {
        static constexpr char kLetters[3] = {'C', 'A', 'B'};
        return WithInputLetter(TypeCodeText(), DisplayedNumber(), kLetters[(portIndex - 24) % 3]);
    }
    return CUnit::NameForPort(-1);
}

// MHA

CUnitKMHA::CUnitKMHA() : CUnitKCopyable(kUnitKindMha, "Masthead Amplifier", 1, 0, 0, false) {
    SetType(910);
}

void CUnitKMHA::SetType(int typeId) {
    CUnit::SetType(typeId);
    m_bypass = UnitTypeCatalogue::IsBypassMhaCode(TypeCode());
}

void CUnitKMHA::SetUpgrade(bool upgrade) {
    CUnit::SetUpgrade(upgrade);
    SetType(TypeId());
}

bool CUnitKMHA::ApplyBand(int bandValue) {
    return ApplyBandMha(bandValue, IsBypassMhaTypeId(TypeId()));
}

bool CUnitKMHA::ApplyBandMha(int bandValue, bool bypass) {
    // The low-gain MHA serves every band as it is.
    if (TypeId() == 53) {
        return true;
    }
    if (bypass) {
        static constexpr int kRow[5] = {910, 68, 69, 70, 71};
        return ApplyBandRow(*this, bandValue, kRow);
    }
    const int row1900 = m_bypass ? 59 : 52;
    const int kRow[5] = {910, 50, 51, row1900, 54};
    return ApplyBandRow(*this, bandValue, kRow);
}

ConnectorList CUnitKMHA::Connectors() const {
    return kMhaConnectors;
}

// RTC

CUnitKRTC::CUnitKRTC() : CUnitKCopyable(kUnitKindRtc, "Remote Tune Combiner", 6, 1, 4, false) {
    SetType(901);
}

bool CUnitKRTC::SetTypeByNumber(int typeId) {
    switch (typeId) {
    case 40:
    case 41:
    case 42:
    case 58:
    case 61:
    case 62:
        SetType(typeId);
        return true;
    default:
        return false;
    }
}

bool CUnitKRTC::ApplyBand(int bandValue) {
    static constexpr int kRow[5] = {901, 40, 41, 42, 58};
    return ApplyBandRow(*this, bandValue, kRow);
}

std::string CUnitKRTC::ConnectionText() const {
    return "(Connected to backplane-connector " + std::to_string(DisplayedNumber() == 2 ? 5 : 2) +
           ")";
}

std::string CUnitKRTC::PortLetter(int index) const {
    if (index == 0) {
        return "main";
    }
    if (index == 1) {
        return "div";
    }
    return {};
}

ConnectorList CUnitKRTC::Connectors() const {
    return kRtcConnectors;
}

bool CUnitKRTC::MarkPosition(int, int connectorKind, int index, SPoint& out) const {
    const int mark = MarkKindFor(connectorKind);
    if (mark != 0) {
        return PositionOf(*this, mark, 1, out);
    }
    return PositionOf(*this, connectorKind, index, out);
}

std::string CUnitKRTC::NameForPort(int portIndex) const {
    if (portIndex >= 13 && portIndex <= 16) {
        const bool main = portIndex == 13 || portIndex == 15;
        return Format("%s %d %s", TypeCodeText(), (portIndex - 13) / 2 + 1, main ? "main" : "div");
    }
    return CUnit::NameForPort(portIndex);
}

void CUnitKRTC::RefineTypeFromText(std::string_view text) {
    const auto head = text.substr(0, 3);
    if (head == "KNH") {
        SetType(61);
    } else if (head == "KNJ") {
        SetType(62);
    } else if (head == "KNG") {
        SetType(40);
    }
}

// External cabinets

CUnitKExtKettra::CUnitKExtKettra(const char* description)
    : CUnitKCopyable(kUnitKindExternal, description, 1, 0, 0, false) {
    SetNumber(1);
}
