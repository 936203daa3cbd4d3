#include "app/pages/PageInfoControllers.h"

#include "comms/ObjectMaps.h"
#include "files/ConfigInfoKODA.h"
#include "model/BtsConfiguration.h"
#include "model/SiteKODA.h"
#include "model/Strings.h"
#include "model/UnitKTrx.h"

namespace {

template <class F> void ForEachTrx(CDataBaseKODA& db, F&& f) {
    for (int n = 1; n <= 12; ++n) {
        if (auto* trx = db.Find<CUnitKTrx>(kUnitKindTrx, n)) {
            f(*trx);
        }
    }
}

} // namespace

void PageBB2XconController::SelectTrx(int number) {
    ClearPreviews();
    m_trx = number;
    Document().SelectUnitInViews(number > 0 ? kUnitKindTrx : 0, number);
    Document().RedrawViews();
}

void PageBB2XconController::FollowSelection(int kind, int number) {
    const bool listed = kind == kUnitKindTrx && number > 0 && combo::Offers(Trxs(), number);
    if ((listed ? number : 0) != m_trx) {
        SelectTrx(listed ? number : 0);
    }
}

int PageBB2XconController::SelectedHalf() const {
    const auto* trx = Candidate().Find<CUnitKTrx>(kUnitKindTrx, m_trx);
    return trx != nullptr ? trx->Bb2Id() : -1;
}

void PageBB2XconController::ClearPreviews() {
    ForEachTrx(Candidate(), [](CUnitKTrx& trx) { trx.SetPreview(kPreviewLink, 0); });
}

void PageBB2XconController::ChooseHalf(int half) {
    ClearPreviews();
    auto* selected = Candidate().Find<CUnitKTrx>(kUnitKindTrx, m_trx);
    if (selected == nullptr) {
        return;
    }
    ForEachTrx(Candidate(), [&](CUnitKTrx& other) {
        if (&other != selected && other.Bb2Id() == half) {
            other.SetPreview(kPreviewLink, selected->Bb2Id());
            selected->SetPreview(kPreviewLink, half);
        }
    });
    Document().RedrawViews();
}

bool PageBB2XconController::ResetEnabled() const {
    bool differs = false;
    ForEachTrx(Candidate(),
               [&](CUnitKTrx& trx) { differs = differs || trx.Bb2Id() != trx.Number(); });
    return differs;
}

bool PageBB2XconController::Reset() {
    if (!ResetEnabled() || !BeginEdit(kResetLabel)) {
        return false;
    }
    ForEachTrx(Candidate(), [](CUnitKTrx& trx) {
        trx.SetBb2Id(trx.Number());
        trx.SetPreview(kPreviewLink, 0);
    });
    EndEdit();
    return true;
}

ComboItems PageLogicalTRXController::Trxs() const {
    ComboItems items{{"All RVxs", 0}};
    ForEachTrx(Candidate(), [&](CUnitKTrx& trx) {
        items.push_back({trx.DisplayName(), trx.Number()});
    });
    return items;
}

void PageLogicalTRXController::Choose(int number) {
    m_trx = number;
    Document().RedrawViews();
}

std::string PageDifferencesController::Text(int list) const {
    static constexpr const char* kHeadings[4] = {"Missing Units:\n", "Missing TX Cabling for:\n",
                                                 "Missing RX Main Cabling for:\n",
                                                 "Missing Antenna Settings for:\n"};
    CConfigInfoKODA info(&Site());
    info.Recompute();
    info.MissingInformation(0);
    const int i = list & 3;
    return kHeadings[i] + (info.Missing(i).empty() ? std::string("OK") : info.MissingNames(i));
}

SBtsPageState PageNoInfoOnBTSController::State() const {
    SBtsPageState st;
    if (!Document().BtsConnected()) {
        st.bcfState = "No connection to BTS";
        st.comment = "-";
    } else {
        const int state = Document().BcfState();
        st.bcfState = state < 0 ? "Unknown" : objects::StateText(state);
        // Transfers are possible only while the BCF is supervised, waiting for LAPD or being
        // commissioned.
        const bool allowed = state == 0 || state == 1 || state == 9;
        st.comment = Document().SendRightsMissing()
                         ? std::string(LoadString(64098))
                         : std::string(LoadString(allowed ? 64085 : 64086));
    }
    const auto* bts = dynamic_cast<const CDataBaseKODA*>(CBtsConfiguration::Get());
    auto reception = [&](int step) {
        return CConfigInfoKODA::ReceptionStateText(bts != nullptr ? bts->TransferStatus(step) : -1);
    };
    st.firstFile = reception(1);
    st.secondFile = reception(2);
    st.passiveFile = reception(3);
    return st;
}
