#pragma once
// The wizard's pages, its four ways through them and the rules that move between pages; kept
// apart from any window so that the sequences can be checked without one.

#include <array>
#include <span>

namespace wizard {

// Page ids in the order the sheet adds its pages. Pages no way reaches have an id but no page.
enum EPage : int {
    kPageWizardWay = 0,
    kPageWaitForBTS = 1,
    kPageSCF = 2,
    kPagePreference = 3,
    kPageCabinet = 4,
    kPageBB2XCon = 5,
    kPageSimpleAnt = 6,
    kPageSimpleCabling = 7,
    kPagePreDefined = 8,
    kPageDiversity = 9,
    kPageLogicalTRX = 10,
    kPagePassive = 11,
    kPageLast = 12,
    kPageAntenna = 13,
    kPageSelectBTS = 14,
    kPageFastCablingCheck = 15,
    kPageNewLast = 16,
    kPageBasicUnits = 17,
    kPageSearchResult = 18,
    kPageDirectory = 19,
    kPageCount = 20,
};

enum EWay : int {
    kWaySearch = 0,
    kWayNew = 1,
    kWayCheckAndUpdate = 2,
    kWayUpdateOnly = 3,
};

// The pages of a way in order; empty for an unknown way.
std::span<const int> Sequence(int way);
// The page after (or before) the page in the way's sequence; the page itself when it is not in
// the sequence or has no neighbour on that side, so that the sheet stays where it is.
int NextPage(int way, int page);
int PreviousPage(int way, int page);
bool InSequence(int way, int page);

// The wizard buttons a page asks for.
enum class EButtons { BackNext, BackOnly, Finish, FinishBack };
struct SButtonState {
    bool back = false;
    bool next = false;
    bool finish = false;
};
SButtonState ButtonsOf(EButtons buttons);

// Where the sheet goes each time it is shown: beside the main window so that the graphical view
// on the main window's left stays visible. Returns the shift to add to the sheet's position.
struct SShift {
    int dx = 0;
    int dy = 0;
};
SShift PlacementShift(int mainLeft, int mainRight, int ownLeft, int ownRight);

} // namespace wizard
