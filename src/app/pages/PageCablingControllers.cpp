#include "app/pages/PageCablingControllers.h"

#include "model/SiteKODA.h"
#include "model/UnitKTrx.h"

namespace {

CCableGuyKODA* Rules(CSiteKODA& site) {
    return dynamic_cast<CCableGuyKODA*>(site.CableGuy());
}

// The first other TRX whose recorded value of the field equals the value.
template <class Field>
const CUnitKTrx* OtherUsing(CDataBaseKODA& db, const CUnitKTrx& self, int value, Field field) {
    for (int n = 1; n <= 12; ++n) {
        const auto* other = db.Find<CUnitKTrx>(kUnitKindTrx, n);
        if (other != nullptr && other != &self && field(other->Cabling()) == value) {
            return other;
        }
    }
    return nullptr;
}

} // namespace

CUnitKTrx* CCablingPageController::Trx() const {
    // The page keeps its choice while the Units page removes that transceiver: what stays in its
    // place is not installed, is stored by its place alone, and takes no cabling.
    CUnitKTrx* trx = m_trx > 0 ? Candidate().Find<CUnitKTrx>(kUnitKindTrx, m_trx) : nullptr;
    return trx != nullptr && !trx->IsUpgrade() ? trx : nullptr;
}

bool CCablingPageController::Enabled() const {
    return Editable() && Trx() != nullptr;
}

void CCablingPageController::ClearPreviews() {
    for (int n = 1; n <= 12; ++n) {
        if (auto* trx = Candidate().Find<CUnitKTrx>(kUnitKindTrx, n)) {
            trx->ClearPreview();
        }
    }
}

void CCablingPageController::SelectTrx(int number) {
    ClearPreviews();
    m_trx = number;
    if (CCableGuy* guy = Site().CableGuy()) {
        guy->RecomputeCableStates(kSelectCandidate);
    }
    LoadBoxes();
    Document().SelectUnitInViews(Trx() != nullptr ? kUnitKindTrx : 0, number);
    Document().RedrawViews();
}

void CCablingPageController::FollowSelection(int kind, int number) {
    const bool listed = kind == kUnitKindTrx && number > 0 && combo::Offers(Trxs(), number);
    if ((listed ? number : 0) != m_trx) {
        SelectTrx(listed ? number : 0);
    }
}

void CCablingPageController::ProposeToSharing() {
    if (CUnitKTrx* trx = Trx(); trx != nullptr) {
        if (CCableGuyKODA* rules = Rules(Site())) {
            rules->ShareReferences(*trx, m_cableType, false, true, kSelectCandidate);
            rules->RecomputeCableStates(kSelectCandidate);
        }
    }
    Document().RedrawViews();
}

bool CCablingPageController::StoreAndShare(const char* label) {
    if (Trx() == nullptr || !BeginEdit(label)) {
        return false;
    }
    CUnitKTrx& trx = *Trx();
    WriteBoxes(trx);
    if (CCableGuyKODA* rules = Rules(Site())) {
        rules->ShareReferences(trx, m_cableType, false, false, kSelectCandidate);
    }
    EndEdit();
    LoadBoxes();
    return true;
}

bool CCablingPageController::Clear() {
    if (Trx() == nullptr || !BeginEdit(ClearLabel())) {
        return false;
    }
    ClearEndpoints(*Trx());
    EndEdit();
    LoadBoxes();
    return true;
}

bool CCablingPageController::ClearAll() {
    if (!Editable() || !Prompt().AskYesNoWarning(ClearAllQuestion()) ||
        !BeginEdit(ClearAllLabel())) {
        return false;
    }
    for (int n = 1; n <= 12; ++n) {
        if (auto* trx = Candidate().Find<CUnitKTrx>(kUnitKindTrx, n)) {
            ClearEndpoints(*trx);
        }
    }
    EndEdit();
    SelectTrx(0);
    return true;
}

std::string CCablingPageController::CablingStatus() const {
    const CUnitKTrx* trx = Trx();
    if (trx == nullptr) {
        return {};
    }
    std::string text;
    for (const auto& cable : Candidate().Cables()) {
        if (cable->CableType() != m_cableType || !cable->FlaggedFor(m_trx) ||
            cable->Start() == nullptr || cable->End() == nullptr) {
            continue;
        }
        text += cable->Start()->DisplayName() + " - " + cable->End()->DisplayName() +
                (cable->Changed() ? " (not set)" : "") + "\n";
    }
    return text.empty() ? trx->DisplayName() + " is not cabled" : text;
}

PageTXCablingController::PageTXCablingController(CSiteKODA& site, IPageDocument& document)
    : CCablingPageController(site, document, kCableTx) {}

void PageTXCablingController::LoadBoxes() {
    const CUnitKTrx* trx = Trx();
    m_path1 = trx ? trx->Cabling().txPath1 : 0;
    m_path2 = trx ? trx->Cabling().txPath2 : 0;
    m_combiner = trx ? trx->Cabling().txCombinerId : 0;
}

void PageTXCablingController::Preview(int field, int value, int recorded) {
    Trx()->SetPreview(field, value > 0 && value != recorded ? value : 0);
}

bool PageTXCablingController::ChoosePath1(int path) {
    CUnitKTrx* trx = Trx();
    if (trx == nullptr || !combo::Offers(Paths(), path)) {
        return false;
    }
    const STrxCabling& own = trx->Cabling();
    m_path1 = path;
    if (path > 0 && path != own.txPath1) {
        trx->SetPreview(kPreviewTxPath1, path);
        // A TRX already on that input decides where the signal goes on from it.
        const CUnitKTrx* other =
            OtherUsing(Candidate(), *trx, path, [](const STrxCabling& c) { return c.txPath1; });
        const STrxCabling& from = other != nullptr ? other->Cabling() : own;
        m_path2 = from.txPath2;
        m_combiner = from.txCombinerId;
        Preview(kPreviewTxPath2, m_path2, own.txPath2);
        Preview(kPreviewTxCombiner, m_combiner, own.txCombinerId);
    } else {
        trx->SetPreview(kPreviewTxPath1, 0);
    }
    ProposeToSharing();
    return true;
}

bool PageTXCablingController::ChoosePath2(int path) {
    CUnitKTrx* trx = Trx();
    if (trx == nullptr || !combo::Offers(Paths(), path)) {
        return false;
    }
    const STrxCabling& own = trx->Cabling();
    m_path2 = path;
    Preview(kPreviewTxPath2, path, own.txPath2);
    if (path > 0 && path != own.txPath2) {
        const CUnitKTrx* other =
            OtherUsing(Candidate(), *trx, path, [](const STrxCabling& c) { return c.txPath2; });
        m_combiner = other != nullptr ? other->Cabling().txCombinerId : own.txCombinerId;
        Preview(kPreviewTxCombiner, m_combiner, own.txCombinerId);
    }
    ProposeToSharing();
    return true;
}

bool PageTXCablingController::ChooseCombiner(int combiner) {
    CUnitKTrx* trx = Trx();
    if (trx == nullptr || !combo::Offers(Combiners(), combiner)) {
        return false;
    }
    m_combiner = combiner;
    Preview(kPreviewTxCombiner, combiner, trx->Cabling().txCombinerId);
    ProposeToSharing();
    return true;
}

bool PageTXCablingController::Set() {
    return StoreAndShare(kSetLabel);
}

void PageTXCablingController::WriteBoxes(CUnitKTrx& trx) const {
    STrxCabling& c = trx.Cabling();
    c.txCombinerId = m_combiner;
    c.txPath1 = m_path1;
    c.txPath2 = m_path2;
}

void PageTXCablingController::ClearEndpoints(CUnitKTrx& trx) const {
    STrxCabling& c = trx.Cabling();
    c.txPath1 = 0;
    c.txPath2 = 0;
    c.txCombinerId = 0;
}

CRxCablingController::CRxCablingController(CSiteKODA& site, IPageDocument& document, int cableType)
    : CCablingPageController(site, document, cableType) {}

bool CRxCablingController::Main() const {
    return m_cableType == kCableRxMain;
}

int& CRxCablingController::RecordedMulticoupler(CUnitKTrx& trx) const {
    return Main() ? trx.Cabling().rxMainMulticoupler : trx.Cabling().rxDiversityMulticoupler;
}

int& CRxCablingController::RecordedCombiner(CUnitKTrx& trx) const {
    return Main() ? trx.Cabling().rxCombinerId : trx.Cabling().rxDiversityCombiner;
}

void CRxCablingController::LoadBoxes() {
    CUnitKTrx* trx = Trx();
    m_multicoupler = trx ? RecordedMulticoupler(*trx) : 0;
    m_combiner = trx ? RecordedCombiner(*trx) : 0;
}

bool CRxCablingController::ChooseMulticoupler(int multicoupler) {
    CUnitKTrx* trx = Trx();
    if (trx == nullptr || !combo::Offers(Multicouplers(), multicoupler)) {
        return false;
    }
    const int mcField = Main() ? kPreviewRxMainMulticoupler : kPreviewRxDivMulticoupler;
    const int combField = Main() ? kPreviewRxMainCombiner : kPreviewRxDivCombiner;
    const int ownMc = RecordedMulticoupler(*trx);
    const int ownComb = RecordedCombiner(*trx);
    m_multicoupler = multicoupler;
    trx->SetPreview(mcField, multicoupler > 0 && multicoupler != ownMc ? multicoupler : 0);
    const bool main = Main();
    const CUnitKTrx* other =
        multicoupler > 0
            ? OtherUsing(Candidate(), *trx, multicoupler,
                         [main](const STrxCabling& c) {
                             return main ? c.rxMainMulticoupler : c.rxDiversityMulticoupler;
                         })
            : nullptr;
    if (other != nullptr) {
        m_combiner = main ? other->Cabling().rxCombinerId : other->Cabling().rxDiversityCombiner;
    } else {
        m_combiner = ownComb;
    }
    trx->SetPreview(combField, m_combiner > 0 && m_combiner != ownComb ? m_combiner : 0);
    ProposeToSharing();
    return true;
}

bool CRxCablingController::ChooseCombiner(int combiner) {
    CUnitKTrx* trx = Trx();
    if (trx == nullptr || !combo::Offers(Combiners(), combiner)) {
        return false;
    }
    m_combiner = combiner;
    const int combField = Main() ? kPreviewRxMainCombiner : kPreviewRxDivCombiner;
    trx->SetPreview(combField, combiner > 0 && combiner != RecordedCombiner(*trx) ? combiner : 0);
    ProposeToSharing();
    return true;
}

bool CRxCablingController::Set() {
    return StoreAndShare(SetLabel());
}

void CRxCablingController::WriteBoxes(CUnitKTrx& trx) const {
    RecordedCombiner(trx) = m_combiner;
    RecordedMulticoupler(trx) = m_multicoupler;
}

void CRxCablingController::ClearEndpoints(CUnitKTrx& trx) const {
    RecordedCombiner(trx) = 0;
    RecordedMulticoupler(trx) = 0;
}

PageRXCablingController::PageRXCablingController(CSiteKODA& site, IPageDocument& document)
    : CRxCablingController(site, document, kCableRxMain) {}

PageRXDCablingController::PageRXDCablingController(CSiteKODA& site, IPageDocument& document)
    : CRxCablingController(site, document, kCableRxDiv) {}
