#include "model/UnitKTrx.h"

namespace {

constexpr SConnector kTrxConnectors[] = {
    {1, kConnTxOut, 100, 12}, {1, kConnRxMainIn, 8, 12},   {1, kConnRxDivIn, 26, 12},
    {1, kConnTxMark, 80, 3},  {1, kConnRxMainMark, 80, 9}, {1, kConnRxDivMark, 80, 15},
};

} // namespace

CUnitKTrx::CUnitKTrx() : CUnitKODA(kUnitKindTrx, "Transceiver", 1, 0, 3, true) {
    SetType(kInitialType);
}

bool CUnitKTrx::ApplyBand(int bandValue) {
    static constexpr int kNonEdge[5] = {900, 1010, 1011, 1012, 1013};
    static constexpr int kEdge[5] = {900, 1014, 1015, 1016, 1013};
    const int mask = bandValue & kBandMaskBits;
    // An 800 band transceiver only exists as EDGE.
    const bool edge = (bandValue & kEdgeAll) != 0 || mask == kBand800;
    if (!ApplyBandRow(*this, bandValue, edge ? kEdge : kNonEdge)) {
        return false;
    }
    return true;
}

std::string CUnitKTrx::BandText() const {
    std::string text = CUnit::BandText();
    if (m_edge) {
        text += "E";
    }
    return text;
}

std::string CUnitKTrx::LogicalName() const {
    if (m_logicalTrxId >= 1 && m_logicalTrxId <= 128) {
        return "TRX " + std::to_string(m_logicalTrxId);
    }
    return "-";
}

ConnectorList CUnitKTrx::Connectors() const {
    return kTrxConnectors;
}
