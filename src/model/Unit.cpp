#include "model/Unit.h"

#include <cstdint>

#include "model/BandInformation.h"
#include "model/UnitTypeCatalogue.h"

namespace {

bool IsMulticoupler(int kind) {
    return kind == kUnitKindMc2 || kind == kUnitKindMc6;
}

} // namespace

std::string FormatNameNumber(std::string_view text, int number) {
    std::string out(text);
    out += ' ';
    out += std::to_string(number);
    return out;
}

CUnit::CUnit(int kind, const char* description, int width, int portRows, int logicalKind)
    : m_logicalKind(logicalKind), m_portRows(portRows), m_width(width), m_kind(kind),
      m_description(description) {}

std::unique_ptr<CUnit> CUnit::Copy() const {
    auto copy = Clone();
    copy->m_state = 2;
    copy->m_selectedPort = -1;
    copy->m_idle = false;
    copy->m_reportedTypeText.clear();
    return copy;
}

void CUnit::SetNumber(int number) {
    m_number = number;
    m_displayedNumber = number;
    m_spareNumber = number;
}

int CUnit::OwnReference() const {
    switch (m_kind) {
    case kUnitKindTrx:
    case kUnitKindMc2:
    case kUnitKindWbc:
    case kUnitKindWbt:
        return DisplayedNumber();
    case kUnitKindDdu:
        return static_cast<int>(2 * int64_t{DisplayedNumber()} - 1);
    case kUnitKindMc6:
        return static_cast<int>(int64_t{DisplayedNumber()} + 6);
    case kUnitKindRtc:
        return static_cast<int>(2 * int64_t{DisplayedNumber()} + 11);
    default:
        return 0;
    }
}

void CUnit::SetType(int typeId) {
    m_typeId = typeId;
    const UnitTypeRecord* row = UnitTypeCatalogue::FindByTypeId(Family(), typeId);
    if (row == nullptr) {
        return;
    }
    m_typeCode = std::string(UnitTypeCatalogue::Code(*row));
    m_band = row->band;
    m_edgeCapability = row->edge;
    m_edge = row->edge == kEdgeCapEdge;
}

void CUnit::AdaptToBand(int bandValue) {
    const UnitTypeRecord* row = UnitTypeCatalogue::AdaptToBand(
        Family(), m_kind, m_typeId, m_kind == kUnitKindTrx && m_edge, bandValue);
    if (row != nullptr) {
        SetType(row->typeId);
    }
}

bool CUnit::AcceptsBand(int bandValue, int previousSiteBand) const {
    int b = m_band;
    if (IsMulticoupler(m_kind)) {
        const bool newDual = CBandInformation::IsDualBand(bandValue);
        const bool prevDual = CBandInformation::IsDualBand(previousSiteBand);
        if ((newDual && prevDual) || !prevDual) {
            b = previousSiteBand;
        }
    }
    const bool bandOk = b == 15 || b == 0 || (b & bandValue & kBandMaskBits) != 0;
    const bool edgeRule = (bandValue & kEdgeAll) != 0 ? (m_edgeCapability & kEdgeCapEdge) != 0
                                                      : (m_edgeCapability & kEdgeCapNone) != 0;
    return bandOk && (edgeRule || (bandValue & kEdgeSome) != 0);
}

void CUnit::SetReportedTypeText(std::string_view text) {
    if (text.empty()) {
        m_reportedTypeText.clear();
        return;
    }
    m_reportedTypeText = std::string(text);
    RefineTypeFromText(text);
}

std::string_view CUnit::TypeDescription() const {
    const UnitTypeRecord* row = UnitTypeCatalogue::FindByTypeId(Family(), m_typeId);
    return row != nullptr ? UnitTypeCatalogue::Description(*row) : std::string_view{};
}

std::string CUnit::TypeCodeText() const {
    // Codes are padded to four letters in the catalogue and in what the BTS reports ("BOI ");
    // the padding is no part of the name the engineer reads.
    std::string text = m_reportedTypeText.empty() ? m_typeCode : m_reportedTypeText;
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

std::string CUnit::NameForPort(int portIndex) const {
    return FormatNameNumber(TypeCodeText(), portIndex == -1 ? DisplayedNumber() : portIndex);
}

std::string CUnit::DisplayName(int portIndex) const {
    std::string name = NameForPort(portIndex);
    if (m_upgrade || m_idle) {
        return "(" + name + ")";
    }
    return name;
}

std::string CUnit::BandText() const {
    std::string text = CBandInformation::BandName(m_band, 0);
    if (text.rfind("GSM ", 0) == 0) {
        text.erase(0, 4);
    }
    return text;
}

std::string CUnit::PortLetter(int index) const {
    if (index == 0) {
        return "a";
    }
    if (index == 1) {
        return "b";
    }
    return {};
}

void CUnit::SetUpgrade(bool upgrade) {
    m_upgrade = upgrade;
    if (upgrade) {
        m_keepWhenRemoved = true;
    }
}

const SConnector* CUnit::FindConnector(int connectorKind, int index) const {
    for (const auto& c : Connectors()) {
        if (c.kind == connectorKind && c.index == index) {
            return &c;
        }
    }
    return nullptr;
}

bool CUnit::StateMarkPosition(int markKind, int index, SPoint& out) const {
    const SConnector* c = FindConnector(markKind, index);
    if (c == nullptr) {
        return false;
    }
    out = {c->x + 2, c->y + 2};
    return true;
}

bool CUnit::MarkPosition(int cableType, int connectorKind, int index, SPoint& out) const {
    if (!ConnectorKindBelongsTo(cableType, connectorKind)) {
        return false;
    }
    switch (connectorKind) {
    case kConnTxIn:
    case kConnTxOut:
    case kConnTxMark:
        return StateMarkPosition(kConnTxMark, 1, out);
    case kConnRxMainIn:
    case kConnRxMainOut:
    case kConnRxMainMark:
        return StateMarkPosition(kConnRxMainMark, 1, out);
    case kConnRxDivIn:
    case kConnRxDivOut:
    case kConnRxDivMark:
        return StateMarkPosition(kConnRxDivMark, 1, out);
    default:
        return StateMarkPosition(connectorKind, index, out);
    }
}

bool CUnit::ConnectorPosition(int cableType, int connectorKind, int index, SPoint& out) const {
    if (!ConnectorKindBelongsTo(cableType, connectorKind)) {
        return false;
    }
    const SConnector* c = FindConnector(connectorKind, index);
    if (c == nullptr) {
        return false;
    }
    out = {c->x + m_drawOffset + 2, c->y + m_drawOffset + 2};
    return true;
}
