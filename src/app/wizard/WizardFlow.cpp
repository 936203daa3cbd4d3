#include "app/wizard/WizardFlow.h"

#include <algorithm>

namespace wizard {

namespace {

constexpr std::array<int, 4> kSearch{kPageWizardWay, kPageDirectory, kPageSearchResult,
                                     kPageNewLast};
constexpr std::array<int, 6> kNew{kPageWizardWay, kPagePreference, kPagePreDefined,
                                  kPageDiversity, kPageAntenna,    kPageNewLast};
constexpr std::array<int, 9> kCheck{kPageWizardWay, kPageSCF,     kPageWaitForBTS,
                                    kPageCabinet,   kPageBB2XCon, kPageFastCablingCheck,
                                    kPageSimpleAnt, kPagePassive, kPageLast};
constexpr std::array<int, 7> kUpdate{
    kPageWaitForBTS, kPageCabinet, kPageBB2XCon, kPageFastCablingCheck,
    kPageSimpleAnt,  kPagePassive, kPageLast};

int IndexIn(std::span<const int> sequence, int page) {
    const auto it = std::find(sequence.begin(), sequence.end(), page);
    return it == sequence.end() ? -1 : static_cast<int>(it - sequence.begin());
}

} // namespace

std::span<const int> Sequence(int way) {
    switch (way) {
    case kWaySearch:
        return kSearch;
    case kWayNew:
        return kNew;
    case kWayCheckAndUpdate:
        return kCheck;
    case kWayUpdateOnly:
        return kUpdate;
    default:
        return {};
    }
}

bool InSequence(int way, int page) {
    return IndexIn(Sequence(way), page) >= 0;
}

int NextPage(int way, int page) {
    const auto sequence = Sequence(way);
    const int i = IndexIn(sequence, page);
    if (i < 0 || i + 1 >= static_cast<int>(sequence.size())) {
        return page;
    }
    return sequence[i + 1];
}

int PreviousPage(int way, int page) {
    const auto sequence = Sequence(way);
    const int i = IndexIn(sequence, page);
    if (i <= 0) {
        return page;
    }
    return sequence[i - 1];
}

SButtonState ButtonsOf(EButtons buttons) {
    switch (buttons) {
    case EButtons::BackNext:
        return {true, true, false};
    case EButtons::BackOnly:
        return {true, false, false};
    case EButtons::Finish:
        return {false, false, true};
    case EButtons::FinishBack:
        return {true, false, true};
    }
    return {};
}

SShift PlacementShift(int mainLeft, int mainRight, int ownLeft, int ownRight) {
    int dx = mainLeft - ownLeft + 420;
    if (ownRight + dx > mainRight) {
        dx = mainRight - ownRight;
    }
    return {dx, 35};
}

} // namespace wizard
