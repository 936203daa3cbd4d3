// The texts of the Differences list: per view a summary of each configuration and whether the
// two agree.
#include <cstdio>

#include "files/ConfigInfoKODA.h"
#include "model/DataBaseKODA.h"
#include "model/Site.h"
#include "model/Strings.h"

namespace {

enum EViewType : int {
    kViewCabinetInfo = 1,
    kViewCabinetUnits = 2,
    kViewBb2 = 3,
    kViewTx = 4,
    kViewRxMain = 5,
    kViewRxDiv = 6,
    kViewAntenna = 8,
    kViewPassive = 10,
};

constexpr int kStringOk = 152;
constexpr int kStringNotSame = 153;
constexpr int kStringReceived = 64083;
constexpr int kStringNotReceived = 64084;
constexpr int kStringUninitialized = 64087;

std::string Format2(const char* format, int a, int b) {
    char buf[64];
    std::snprintf(buf, sizeof buf, format, a, b);
    return buf;
}

} // namespace

const std::vector<int>& CConfigInfoKODA::DifferenceViews() {
    static const std::vector<int> views = {kViewCabinetInfo, kViewCabinetUnits, kViewBb2,
                                           kViewTx,          kViewRxMain,       kViewRxDiv,
                                           kViewAntenna,     kViewPassive};
    return views;
}

std::string CConfigInfoKODA::ViewName(int viewType) {
    switch (viewType) {
    case kViewCabinetInfo:
        return "Cabinet Information";
    case kViewCabinetUnits:
        return "Cabinet Units";
    case kViewBb2:
        return "BB2 - RVx Cross-connection";
    case kViewTx:
        return "TX Cabling";
    case kViewRxMain:
        return "RX Main Cabling";
    case kViewRxDiv:
        return "RX Diversity Cabling";
    case kViewAntenna:
        return "Antenna Settings";
    case kViewPassive:
        return "Passive Units";
    default:
        return {};
    }
}

std::string CConfigInfoKODA::ReceptionStateText(int state) {
    switch (state) {
    case 1:
        return std::string(LoadString(kStringReceived));
    case 0:
        return std::string(LoadString(kStringNotReceived));
    case 2:
        return std::string(LoadString(kStringUninitialized));
    default:
        return "-";
    }
}

int CConfigInfoKODA::BtsReception(int viewType) const {
    const auto* bts = m_site != nullptr
                          ? dynamic_cast<const CDataBaseKODA*>(m_site->GetConfiguration(kSelectBts))
                          : nullptr;
    if (bts == nullptr) {
        return -1;
    }
    if (viewType == kViewPassive) {
        return bts->TransferStatus(3);
    }
    // The views draw on both configuration files; the first one still missing decides.
    for (int step = 1; step <= 2; ++step) {
        if (bts->TransferStatus(step) != 1) {
            return bts->TransferStatus(step);
        }
    }
    return 1;
}

std::string CConfigInfoKODA::SummaryText(int viewType, int configuration) const {
    if (configuration == kSelectBts) {
        const int state = BtsReception(viewType);
        if (state != 1) {
            return ReceptionStateText(state);
        }
        if (viewType == kViewCabinetUnits && !m_btsConnected) {
            return "-";
        }
    }
    const SConfigSummary& s = Summary(configuration);
    switch (viewType) {
    case kViewCabinetInfo: {
        const std::string line = CabinetDescription(configuration);
        return line.empty() ? "-" : line;
    }
    case kViewCabinetUnits:
        return Format2("%d RVx / %d cabling units", s.trxUnits, s.cablingUnits);
    case kViewBb2:
        return s.cross.straightThrough ? "Straight through" : "Modified";
    case kViewTx:
    case kViewRxMain:
    case kViewRxDiv: {
        const int i = viewType - kViewTx;
        return Format2("%d RVx / %d cables", s.cabling.trxWithCabling[i], s.cabling.cables[i]);
    }
    case kViewAntenna:
        return Format2("%d Ant / %d MHAs", s.antennas.connected, s.antennas.withMha);
    case kViewPassive: {
        const CHWInfoFile* info = Passive(configuration);
        return std::to_string(info != nullptr ? info->FilledCount() : 0);
    }
    default:
        return "-";
    }
}

bool CConfigInfoKODA::Same(int viewType) const {
    switch (viewType) {
    case kViewCabinetInfo:
        return SameCabinetInformation();
    case kViewCabinetUnits:
        return SameUnits();
    case kViewBb2:
        return SameCrossConnection();
    case kViewTx:
        return SameCabling(kCablingTx);
    case kViewRxMain:
        return SameCabling(kCablingRxMain);
    case kViewRxDiv:
        return SameCabling(kCablingRxDiv);
    case kViewAntenna:
        return SameAntennas();
    case kViewPassive:
        return SamePassiveUnits();
    default:
        return false;
    }
}

bool CConfigInfoKODA::Comparable(int viewType) const {
    if (!m_summaries[1].hasCabinet || BtsReception(viewType) != 1) {
        return false;
    }
    return viewType != kViewCabinetUnits || m_btsConnected;
}

std::string CConfigInfoKODA::NotComparedText(int viewType) const {
    const int state = BtsReception(viewType);
    return state == 0 || state == 2 ? ReceptionStateText(state) : kNotCompared;
}

std::string CConfigInfoKODA::ComparedText(int viewType) const {
    if (!Comparable(viewType)) {
        return kNotCompared;
    }
    return std::string(LoadString(Same(viewType) ? kStringOk : kStringNotSame));
}

std::vector<SDifferenceRow> CConfigInfoKODA::DifferenceRows() const {
    std::vector<SDifferenceRow> rows;
    for (const int view : DifferenceViews()) {
        const bool comparable = Comparable(view);
        rows.push_back({view, ViewName(view), SummaryText(view, kSelectCandidate),
                        SummaryText(view, kSelectBts), ComparedText(view), comparable && Same(view),
                        comparable});
    }
    return rows;
}
