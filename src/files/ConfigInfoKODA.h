#pragma once
// The summary of an Orvik site: counts of both configurations, whether their aspects agree, the
// texts of the Differences list, and the missing information that blocks sending the candidate.

#include <functional>
#include <string>
#include <vector>

#include "files/ConfigInfo.h"
#include "files/ConfigSummary.h"

class CDataBaseKODA;
class CHWInfoFile;
class CSite;
class CUnit;

// One row of the Differences list.
struct SDifferenceRow {
    int viewType = 0;
    std::string view;
    std::string candidate;
    std::string bts;
    std::string compared;
    bool same = false;
    // False while the BTS side of the view has not been received: neither same nor different.
    bool comparable = false;
};

// A unit that stands in one of the two configurations alone, or in both with another type or
// number. Units are matched by kind and the number they are shown with, as the user names them.
struct SUnitDifference {
    int kind = 0;
    int displayedNumber = 0;
    const CUnit* candidate = nullptr;
    const CUnit* bts = nullptr;
};

class CConfigInfoKODA : public CConfigInfo {
public:
    static constexpr const char* kNotDefined = "Not defined";
    static constexpr const char* kNotCompared = "Not compared";

    // Counts both configurations of the site; without a site every count stays 0.
    explicit CConfigInfoKODA(CSite* site);

    // Counts again after the configurations changed; texts and comparisons read the counts.
    void Recompute() override;
    const SConfigSummary& Summary(int configuration) const;

    // "Indoor, Clock Sync. is Autodetect On, LTE is in use"; empty without the configuration.
    std::string CabinetDescription(int configuration) const;
    std::string TrxCountText() const;
    // "TX, RX Main, RX Div" for the kinds any candidate transceiver is connected for.
    std::string CablingKindsText() const;

    // Aspects of the candidate and the configuration currently in BTS; a BTS configuration
    // without a cabinet differs in every one.
    bool SameCrossConnection() const;
    bool SameAntennas() const;
    bool SameCabling(int kind) const;
    bool SameCabinetInformation() const;
    bool SameUnits() const;
    bool SamePassiveUnits() const;

    // The unit of that kind and displayed number if it stands in the configuration: there, neither
    // planned nor a page's preview, and (`bts`) in the configuration currently in BTS not made up
    // from a cable reference (idle). The one rule by which the unit comparison, the missing units
    // and the outlines of the Differences view tell what each side has.
    static const CUnit* StandingUnit(const CDataBaseKODA* db, int kind, int displayedNumber,
                                     bool bts);
    // The units that differ, the candidate's in its order, then those only the BTS has.
    std::vector<SUnitDifference> UnitDifferences() const;

    // No antenna, MHA, TRX cabling or cable counted (nor, when asked, any TRX or cabling unit).
    bool IsEmpty(int configuration, bool withUnitCounts) const;

    // Builds the lists of what the candidate lacks compared with the BTS and with its own
    // cabling; true when any is not empty. namesPerLine below 1 keeps each list on one line.
    bool MissingInformation(int namesPerLine);
    std::string MissingInformationText() const;
    const std::vector<std::string>& MissingUnits() const { return m_missing[0]; }
    // List 0 units, 1 TX cabling, 2 RX main cabling, 3 antenna settings; the names as the lists
    // of MissingInformationText join them.
    const std::vector<std::string>& Missing(int list) const { return m_missing[list & 3]; }
    std::string MissingNames(int list) const;

    // Positions of the candidate's sector configuration; without one every position counts.
    void SetPositionUsed(std::function<bool(int)> used) { m_positionUsed = std::move(used); }
    // Passive unit information of configuration 1 or 2; none counts as no filled slot.
    void SetPassiveUnits(int configuration, const CHWInfoFile* info);
    const CHWInfoFile* PassiveUnits(int configuration) const { return Passive(configuration); }
    // Without a connection the BTS column of Cabinet Units shows "-".
    void SetBtsConnected(bool connected) { m_btsConnected = connected; }

    // The summary of a view for a configuration as the Differences list shows it.
    std::string SummaryText(int viewType, int configuration) const;
    // "OK" or "Not same"; "Not compared" while the BTS side of the view is not known.
    std::string ComparedText(int viewType) const;
    bool Same(int viewType) const;
    // The BTS side of the view was received (and, for its units, the BTS is connected), so that
    // Same() tells something. Otherwise the aspects of an empty or stale configuration would
    // read as agreeing or differing.
    bool Comparable(int viewType) const;
    // The text for a side of a view that cannot be compared: the BTS's reception state when it
    // has one, else "Not compared".
    std::string NotComparedText(int viewType) const;
    // The views that take part in the Differences list, in bar order.
    static const std::vector<int>& DifferenceViews();
    static std::string ViewName(int viewType);
    std::vector<SDifferenceRow> DifferenceRows() const;

    // "Received successfully" (1), "Not received" (0), "Uninitialized" (2), else "-".
    static std::string ReceptionStateText(int state);

private:
    void CountAll();
    // The fetch state that stands in for the BTS summary of the view, or 1 when its data has
    // arrived.
    int BtsReception(int viewType) const;
    const CHWInfoFile* Passive(int configuration) const;

    CSite* m_site;
    SConfigSummary m_summaries[2];
    int m_trxCount = 0;
    // Per candidate TRX 1-12: TX combiner, RX main and RX diversity connections.
    std::array<std::array<int, 3>, 12> m_connections{};
    std::vector<std::string> m_missing[4];
    int m_namesPerLine = 0;
    std::function<bool(int)> m_positionUsed;
    const CHWInfoFile* m_passive[2] = {nullptr, nullptr};
    bool m_btsConnected = false;
};
