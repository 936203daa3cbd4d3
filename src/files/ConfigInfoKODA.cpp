#include "files/ConfigInfoKODA.h"

#include <algorithm>

#include "files/ReportUnits.h"
#include "model/DataBaseKODA.h"
#include "model/Site.h"
#include "model/UnitKTrx.h"

namespace {

const CDataBaseKODA* Configuration(CSite* site, int configuration) {
    if (site == nullptr || (configuration != kSelectCandidate && configuration != kSelectBts)) {
        return nullptr;
    }
    return dynamic_cast<const CDataBaseKODA*>(site->GetConfiguration(configuration));
}

void AppendNames(std::string& out, const std::vector<std::string>& names, int perLine) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) {
            const bool lineFull = perLine > 0 && i % static_cast<std::size_t>(perLine) == 0;
            out += lineFull ? "\n" : ", ";
        }
        out += names[i];
    }
}

} // namespace

CConfigInfoKODA::CConfigInfoKODA(CSite* site) : m_site(site) {
    CountAll();
}

void CConfigInfoKODA::Recompute() {
    CountAll();
}

void CConfigInfoKODA::CountAll() {
    m_summaries[0] = SConfigSummary::Of(Configuration(m_site, kSelectCandidate));
    m_summaries[1] = SConfigSummary::Of(Configuration(m_site, kSelectBts));
    m_trxCount = 0;
    m_connections = {};
    const CDataBaseKODA* candidate = Configuration(m_site, kSelectCandidate);
    if (candidate == nullptr) {
        return;
    }
    for (int n = 1; n <= 12; ++n) {
        const auto* trx =
            dynamic_cast<const CUnitKTrx*>(ReportUnits::Present(*candidate, kUnitKindTrx, n));
        if (trx == nullptr) {
            continue;
        }
        ++m_trxCount;
        const STrxCabling& c = trx->Cabling();
        m_connections[n - 1] = {c.txCombinerId, c.rxCombinerId, c.rxDiversityCombiner};
    }
}

const SConfigSummary& CConfigInfoKODA::Summary(int configuration) const {
    return m_summaries[configuration == kSelectBts ? 1 : 0];
}

std::string CConfigInfoKODA::CabinetDescription(int configuration) const {
    const CDataBaseKODA* db = Configuration(m_site, configuration);
    return db != nullptr ? db->SummaryLine() : std::string();
}

std::string CConfigInfoKODA::TrxCountText() const {
    return m_trxCount == 0 ? kNotDefined : std::to_string(m_trxCount);
}

std::string CConfigInfoKODA::CablingKindsText() const {
    static constexpr const char* kNames[3] = {"TX", "RX Main", "RX Div"};
    std::string text;
    for (int kind = 0; kind < 3; ++kind) {
        bool any = false;
        for (const auto& c : m_connections) {
            any = any || c[kind] > 0;
        }
        if (any) {
            text += text.empty() ? "" : ", ";
            text += kNames[kind];
        }
    }
    return text.empty() ? kNotDefined : text;
}

bool CConfigInfoKODA::SameCrossConnection() const {
    const auto &a = m_summaries[0], &b = m_summaries[1];
    return b.hasCabinet && a.cross.channel == b.cross.channel;
}

bool CConfigInfoKODA::SameAntennas() const {
    const auto &a = m_summaries[0].antennas, &b = m_summaries[1].antennas;
    if (!m_summaries[1].hasCabinet || a.connection != b.connection || a.mhaType != b.mhaType) {
        return false;
    }
    // The BTS keeps an attenuation in 0.5 dB classes, and one of an antenna without a
    // connection means nothing: a new candidate's +0.31 dB comes back as +0.40 dB.
    for (std::size_t i = 0; i < a.attenuation.size(); ++i) {
        if (a.connection[i] != 0 && a.attenuation[i] != b.attenuation[i]) {
            return false;
        }
    }
    return true;
}

bool CConfigInfoKODA::SameCabling(int kind) const {
    if (kind < kCablingTx || kind > kCablingRxDiv) {
        return false;
    }
    return m_summaries[1].hasCabinet && m_summaries[0].CablingEqual(m_summaries[1], kind);
}

bool CConfigInfoKODA::SameCabinetInformation() const {
    return m_summaries[1].hasCabinet &&
           CabinetDescription(kSelectCandidate) == CabinetDescription(kSelectBts);
}

const CUnit* CConfigInfoKODA::StandingUnit(const CDataBaseKODA* db, int kind, int displayedNumber,
                                           bool bts) {
    if (db == nullptr || kind == kUnitKindExternal) {
        return nullptr;
    }
    const CUnit* unit = db->FindUnitByDisplayedNumber(kind, displayedNumber);
    if (unit == nullptr || unit->IsUpgrade() || unit->IsShownOnly()) {
        return nullptr;
    }
    // The BTS side creates idle combiners for references it has no unit for; the candidate's
    // idle units are only unused, and stand in the cabinet all the same.
    return bts && unit->IsIdle() ? nullptr : unit;
}

std::vector<SUnitDifference> CConfigInfoKODA::UnitDifferences() const {
    std::vector<SUnitDifference> out;
    const CDataBaseKODA* candidate = Configuration(m_site, kSelectCandidate);
    const CDataBaseKODA* bts = Configuration(m_site, kSelectBts);
    auto consider = [&](const CUnit& like, bool fromBts) {
        const int shown = like.DisplayedNumber();
        const CUnit* a = StandingUnit(candidate, like.Kind(), shown, false);
        const CUnit* b = StandingUnit(bts, like.Kind(), shown, true);
        if ((fromBts ? b : a) != &like || (fromBts && a != nullptr)) {
            return; // not standing, or already compared from the candidate's side
        }
        if (a == nullptr || b == nullptr || a->TypeId() != b->TypeId() ||
            a->Number() != b->Number()) {
            out.push_back({like.Kind(), shown, a, b});
        }
    };
    if (candidate != nullptr) {
        for (const auto& u : candidate->Units()) {
            consider(*u, false);
        }
    }
    if (bts != nullptr) {
        for (const auto& u : bts->Units()) {
            consider(*u, true);
        }
    }
    return out;
}

bool CConfigInfoKODA::SameUnits() const {
    return m_summaries[1].hasCabinet && UnitDifferences().empty();
}

bool CConfigInfoKODA::IsEmpty(int configuration, bool withUnitCounts) const {
    const SConfigSummary& s = Summary(configuration);
    bool empty = s.antennas.connected == 0 && s.antennas.withMha == 0;
    for (int i = 0; i < 3; ++i) {
        empty = empty && s.cabling.trxWithCabling[i] == 0 && s.cabling.cables[i] == 0;
    }
    if (withUnitCounts) {
        empty = empty && s.trxUnits == 0 && s.cablingUnits == 0;
    }
    return empty;
}

bool CConfigInfoKODA::MissingInformation(int namesPerLine) {
    m_namesPerLine = namesPerLine;
    for (auto& list : m_missing) {
        list.clear();
    }
    const CDataBaseKODA* candidate = Configuration(m_site, kSelectCandidate);
    const CDataBaseKODA* bts = Configuration(m_site, kSelectBts);
    if (candidate == nullptr) {
        return false;
    }

    if (bts != nullptr) {
        struct Range {
            int kind;
            int last;
        };
        for (const Range r :
             {Range{kUnitKindTrx, 12}, Range{kUnitKindDdu, 6}, Range{kUnitKindRtc, 2}}) {
            for (int n = 1; n <= r.last; ++n) {
                const CUnit* installed = StandingUnit(bts, r.kind, n, true);
                if (installed != nullptr && StandingUnit(candidate, r.kind, n, false) == nullptr) {
                    m_missing[0].push_back(installed->DisplayName());
                }
            }
        }
    }

    // Combiner ports that candidate transceivers use and that therefore need an antenna.
    std::array<bool, 17> portUsed{};
    for (int n = 1; n <= 12; ++n) {
        const auto* trx =
            dynamic_cast<const CUnitKTrx*>(ReportUnits::Present(*candidate, kUnitKindTrx, n));
        if (trx == nullptr || (m_positionUsed && !m_positionUsed(n))) {
            continue;
        }
        const STrxCabling& c = trx->Cabling();
        if (c.txCombinerId < 1) {
            m_missing[1].push_back(trx->DisplayName());
        }
        if (c.rxCombinerId < 1) {
            m_missing[2].push_back(trx->DisplayName());
        }
        for (const int port : {c.txCombinerId, c.rxCombinerId, c.rxDiversityCombiner}) {
            if (port >= 1 && port <= 16) {
                portUsed[port] = true;
            }
        }
    }
    std::array<bool, 17> portSet{};
    for (int a = 1; a <= CDataBaseKODA::kAntennas; ++a) {
        const int port = candidate->Antenna(a)->ConnectedCombiner();
        if (port >= 1 && port <= 16) {
            portSet[port] = true;
        }
    }
    auto checkPorts = [&](const CUnit* unit, int first, int last) {
        if (unit == nullptr) {
            return;
        }
        for (int port = first; port <= last; ++port) {
            if (portUsed[port] && !portSet[port]) {
                m_missing[3].push_back(unit->DisplayName(port));
            }
        }
    };
    for (int n = 1; n <= 6; ++n) {
        checkPorts(ReportUnits::PresentByDisplayedNumber(*candidate, kUnitKindDdu, n), 2 * n - 1,
                   2 * n);
    }
    for (int n = 1; n <= 2; ++n) {
        checkPorts(ReportUnits::PresentByDisplayedNumber(*candidate, kUnitKindRtc, n), 2 * n + 11,
                   2 * n + 12);
    }

    for (const auto& list : m_missing) {
        if (!list.empty()) {
            return true;
        }
    }
    return false;
}

std::string CConfigInfoKODA::MissingInformationText() const {
    static constexpr const char* kHeadings[4] = {
        "Missing units from Candidate:\n", "Missing TX Cabling for:\n",
        "Missing RX Main Cabling for:\n", "Missing Antenna Settings for:\n"};
    std::string text;
    for (int i = 0; i < 4; ++i) {
        if (m_missing[i].empty()) {
            continue;
        }
        text += kHeadings[i];
        AppendNames(text, m_missing[i], m_namesPerLine);
        text += "\n\n";
    }
    return text;
}

std::string CConfigInfoKODA::MissingNames(int list) const {
    std::string text;
    AppendNames(text, Missing(list), m_namesPerLine);
    return text;
}

void CConfigInfoKODA::SetPassiveUnits(int configuration, const CHWInfoFile* info) {
    if (configuration == kSelectCandidate || configuration == kSelectBts) {
        m_passive[configuration - 1] = info;
    }
}

const CHWInfoFile* CConfigInfoKODA::Passive(int configuration) const {
    return m_passive[configuration == kSelectBts ? 1 : 0];
}

bool CConfigInfoKODA::SamePassiveUnits() const {
    auto slots = [](const CHWInfoFile* info) {
        return info != nullptr ? info->FilledSlots() : std::vector<CHWInfoSlotEntry>{};
    };
    if (!m_summaries[1].hasCabinet) {
        return false;
    }
    const auto a = slots(Passive(kSelectCandidate));
    const auto b = slots(Passive(kSelectBts));
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
        return x.group == y.group && x.slot == y.slot && x.serialNumber == y.serialNumber &&
               x.productId == y.productId;
    });
}
