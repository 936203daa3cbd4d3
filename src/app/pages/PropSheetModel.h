#pragma once
// Which pages the property sheet shows for the active view, under which title, and which of
// them was in front the last time each view was shown, so that going back to a view brings
// back the page the user was working on.

#include <map>
#include <string>
#include <vector>

enum class EPropPage {
    CabType,
    CabUsage,
    Units,
    BB2Xcon,
    TXCabling,
    RXCabling,
    RXDCabling,
    Antenna,
    LogicalTRX,
    Passive,
    Differences,
    RXDivTARN,
    OptionsRXDivTARN,
    NoInfoOnBTS,
    NoInfo,
};

struct SPropSheetLayout {
    std::string title;
    std::vector<EPropPage> pages;
    bool operator==(const SPropSheetLayout&) const = default;
};

// The tab text of a page.
const char* PropPageTitle(EPropPage page);
// The pages of a view type; the BTS tab and a missing site each have one page of their own.
SPropSheetLayout PropSheetLayout(bool hasSite, int viewType, bool btsTab);

class CPropSheetModel {
public:
    // Lays the sheet out for the view; the page in front of the view shown before is kept.
    const SPropSheetLayout& Show(bool hasSite, int viewType, bool btsTab);
    const SPropSheetLayout& Layout() const { return m_layout; }
    // The page index to bring to the front: the one last active for this view, else the first.
    int ActivePage() const;
    void SetActivePage(int index);
    // True when the arguments would lay out a different set of pages.
    bool Differs(bool hasSite, int viewType, bool btsTab) const;

private:
    static int KeyOf(bool hasSite, int viewType, bool btsTab);

    SPropSheetLayout m_layout;
    int m_key = -100;
    std::map<int, int> m_lastActive;
};
