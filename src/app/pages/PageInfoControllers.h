#pragma once
// The pages that show and change little: the BB2 cross-connection (preview and Reset only), the
// logical TRX ids, the missing information of the candidate and the BTS page.

#include <string>

#include "app/pages/ComboFillers.h"
#include "app/pages/PageController.h"

class CUnitKTrx;

// Cross-connection other than straight through is no longer supported: choosing a half only
// previews the swap in the BB2 view, and only Reset changes the configuration.
class PageBB2XconController : public CPageController {
public:
    static constexpr const char* kResetLabel = "Reset Cross-connection";
    static constexpr const char* kNote = "The cross connection functionality is no longer "
                                         "supported, and only default connections should be used.";

    using CPageController::CPageController;

    ComboItems Trxs() const { return combo::TrxList(Candidate(), true); }
    ComboItems Halves() const { return combo::Bb2Halves(Candidate()); }
    void SelectTrx(int number);
    int SelectedTrx() const { return m_trx; }
    // As on the cabling pages: a listed TRX is followed, anything else selects none.
    void FollowSelection(int kind, int number);
    // The half the selected TRX is connected to; -1 when none is selected.
    int SelectedHalf() const;
    // Shows, in the preview fields, the swap that choosing the half would make.
    void ChooseHalf(int half);
    bool ResetEnabled() const;
    bool Reset();

private:
    void ClearPreviews();
    int m_trx = 0;
};

// Only chooses which TRX the logical TRX view points out.
class PageLogicalTRXController : public CPageController {
public:
    using CPageController::CPageController;
    // "All RVxs" (0), then every TRX of the candidate.
    ComboItems Trxs() const;
    void Choose(int number);
    int Chosen() const { return m_trx; }

private:
    int m_trx = 0;
};

// What the candidate lacks, in four texts: units, TX cabling, RX main cabling, antenna settings.
class PageDifferencesController : public CPageController {
public:
    static constexpr int kIcons[4] = {302, 305, 309, 306};

    using CPageController::CPageController;
    // Heading and list (or "OK") of list 0-3, counted afresh.
    std::string Text(int list) const;
};

// The state of the BTS and of the transfers, for the BTS tab.
struct SBtsPageState {
    std::string bcfState;
    std::string comment;
    std::string firstFile;
    std::string secondFile;
    std::string passiveFile;
};

class PageNoInfoOnBTSController : public CPageController {
public:
    using CPageController::CPageController;
    SBtsPageState State() const;
};
