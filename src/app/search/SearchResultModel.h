#pragma once
// The rules of the wizard's "Configuration Search Result" page: when the folder is searched
// again, the search itself on a thread of its own with progress and cancel, the result list, and
// making the selected entry the candidate adapted to the BTS. The page widget only shows this
// state and forwards what the user does.

#include <optional>
#include <string>
#include <vector>

#include "rules/ConfigSearch.h"
#include "rules/ConfigSearchJob.h"

class CSiteKODA;

// What the page needs from the wizard sheet and the document around it.
class ISearchResultHost {
public:
    virtual ~ISearchResultHost() = default;
    virtual CSiteKODA* Site() = 0;
    virtual void SelectCandidateTab() {}
    // Activates the view of the view type (2 Cabinet Units, 7 All Cabling, 8 Antenna Settings).
    virtual void ActivateView(int /*viewType*/) {}
    virtual void BandChanged() {}
    virtual void RedrawViews() {}
    // On Next: the configuration the candidate was loaded from, or nullptr when none was
    // found. The document's file and current configuration record follow it.
    virtual void SetCurrentRecord(const SFoundConfiguration* /*found*/) {}
    virtual void MarkConfigurationChanged() {}
};

class CSearchResultModel {
public:
    static constexpr const char* kTitle = "Configuration Search Result";
    static constexpr const char* kNoMatch = "No matching configuration found.";
    static constexpr const char* kOnlyAutodetected =
        "Configure only autodetected RVx units. No Upgrade Units are allowed unless connected to "
        "autodetected RVx unit.";
    static constexpr const char* kActiveViewLabel = "Active &View";
    // Antenna takes T: with N it would take Alt+N from the wizard's Next.
    static constexpr const char* kViewTexts[3] = {"&Cabinet Units ", "&All Cabling", "An&tenna"};
    static constexpr int kViewTypes[3] = {2, 7, 8};
    static constexpr int kAllCablingView = 7;

    struct SEntry {
        std::string text;
        const SFoundConfiguration* found = nullptr; // nullptr for the no-match entry
    };

    explicit CSearchResultModel(ISearchResultHost& host) : m_host(host) {}

    // The sheet hands over the folder chosen on the directory page; a different folder is
    // searched the next time the page is entered.
    void SetSearchDirectory(const std::string& folder);
    const std::string& SearchDirectory() const { return m_folder; }
    // The way page chose the Search way again: search again if the page was shown before.
    void MarkForNewSearch();
    bool SearchNeeded() const { return m_searchNeeded; }

    // The page was created: the All Cabling view comes up.
    void Created();
    // Entering the page. Starts the search when one is needed (true then); the result arrives
    // through Poll.
    bool Enter();
    // While a search runs: true as long as it does. When it has ended, the list is filled, the
    // first entry selected and applied.
    bool Poll();
    bool Searching() const { return m_searching; }
    SSearchProgress Progress() const { return m_job.Progress(); }
    // Stops the search; what was found so far is listed, and the folder is searched again the
    // next time the page is entered.
    void Cancel();
    // Waits for a running search to end; for tests and the command line.
    void Wait();

    const std::vector<SEntry>& Entries() const { return m_entries; }
    int Selected() const { return m_selected; }
    void Select(int index);
    const std::vector<SSkippedFile>& Skipped() const { return m_result.skipped; }
    bool WasCancelled() const { return m_result.cancelled; }

    bool OnlyAutodetected() const { return m_onlyAutodetected; }
    void SetOnlyAutodetected(bool on);
    int ActiveViewChoice() const { return m_viewChoice; }
    void SetActiveViewChoice(int choice);

    // Next: the document takes the configuration; a loaded one loses every idle mark and
    // counts as an unsent change.
    void Next();

private:
    void TakeResult(SSearchResult result);
    void Apply();
    void ShowChosenView();

    ISearchResultHost& m_host;
    std::string m_folder;
    bool m_searchNeeded = true;
    bool m_shownOnce = false;
    bool m_searching = false;
    CConfigSearchJob m_job;
    SSearchResult m_result;
    std::vector<SEntry> m_entries;
    int m_selected = -1;
    bool m_onlyAutodetected = true;
    int m_viewChoice = 0;
};
