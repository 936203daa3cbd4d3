#include "app/pages/PropSheetModel.h"

namespace {

constexpr int kNoSiteKey = -1;
constexpr int kBtsTabKey = -2;

} // namespace

const char* PropPageTitle(EPropPage page) {
    switch (page) {
    case EPropPage::CabType:
        return "Cabinet Type";
    case EPropPage::CabUsage:
        return "Cabinet Usage";
    case EPropPage::Units:
        return "Unit";
    case EPropPage::BB2Xcon:
    case EPropPage::Antenna:
        return "Connection";
    case EPropPage::TXCabling:
        return "TX";
    case EPropPage::RXCabling:
        return "RX Main";
    case EPropPage::RXDCabling:
    case EPropPage::RXDivTARN:
        return "RX Diversity";
    case EPropPage::OptionsRXDivTARN:
        return "Options";
    case EPropPage::LogicalTRX:
        return "TRX ID";
    case EPropPage::Passive:
        return "Information";
    case EPropPage::Differences:
        return "Missing";
    case EPropPage::NoInfoOnBTS:
    case EPropPage::NoInfo:
        return "General";
    }
    return "";
}

SPropSheetLayout PropSheetLayout(bool hasSite, int viewType, bool btsTab) {
    using P = EPropPage;
    const SPropSheetLayout none{"No Properties Available", {P::NoInfo}};
    if (!hasSite) {
        return none;
    }
    if (btsTab) {
        return {"BTS Properties", {P::NoInfoOnBTS}};
    }
    auto titled = [](const char* set, std::vector<P> pages) {
        return SPropSheetLayout{std::string(set) + " Properties", std::move(pages)};
    };
    switch (viewType) {
    case 1:
        return titled("Cabinet", {P::CabType, P::CabUsage});
    case 2:
        return titled("Cabinet Unit", {P::Units});
    case 3:
        return titled("BB2-RVx Cross-connection", {P::BB2Xcon});
    case 4:
        return titled("TX Cabling", {P::TXCabling});
    case 5:
        return titled("RX Main Cabling", {P::RXCabling});
    case 6:
        return titled("RX Diversity Cabling", {P::RXDCabling});
    case 7:
        return titled("All Cabling", {P::TXCabling, P::RXCabling, P::RXDCabling});
    case 8:
        return titled("Antenna", {P::Antenna});
    case 9:
        return titled("RVx logical TRX ID's", {P::LogicalTRX});
    case 10:
        return titled("Passive Unit", {P::Passive});
    case 11:
        return titled("Differences", {P::Differences});
    case 12:
        // The Selmo view has no set name: its title is the suffix alone.
        return {" Properties", {P::RXDivTARN, P::OptionsRXDivTARN}};
    default:
        return none;
    }
}

int CPropSheetModel::KeyOf(bool hasSite, int viewType, bool btsTab) {
    return !hasSite ? kNoSiteKey : btsTab ? kBtsTabKey : viewType;
}

bool CPropSheetModel::Differs(bool hasSite, int viewType, bool btsTab) const {
    return KeyOf(hasSite, viewType, btsTab) != m_key;
}

const SPropSheetLayout& CPropSheetModel::Show(bool hasSite, int viewType, bool btsTab) {
    m_key = KeyOf(hasSite, viewType, btsTab);
    m_layout = PropSheetLayout(hasSite, viewType, btsTab);
    return m_layout;
}

int CPropSheetModel::ActivePage() const {
    const auto it = m_lastActive.find(m_key);
    if (it == m_lastActive.end() || it->second < 0 ||
        it->second >= static_cast<int>(m_layout.pages.size())) {
        return 0;
    }
    return it->second;
}

void CPropSheetModel::SetActivePage(int index) {
    m_lastActive[m_key] = index;
}
