#include "app/pages/PageRXDivTARNController.h"

#include <algorithm>

#include "app/views/ViewBaseTARN.h"
#include "model/SiteTARN.h"

namespace {

std::vector<const CUnitTTRX*> TransceiversOf(const CDataBase* db) {
    std::vector<const CUnitTTRX*> out;
    if (db == nullptr) {
        return out;
    }
    for (const auto& u : db->Units()) {
        if (const auto* trx = dynamic_cast<const CUnitTTRX*>(u.get()); trx && !trx->IsUpgrade()) {
            out.push_back(trx);
        }
    }
    std::stable_sort(out.begin(), out.end(), [](const CUnitTTRX* a, const CUnitTTRX* b) {
        return a->Number() < b->Number();
    });
    return out;
}

} // namespace

CDataBase* PageRXDivTARNController::Candidate() const {
    return m_site.GetConfiguration(kSelectCandidate);
}

bool PageRXDivTARNController::Exists(int number) const {
    const CUnitTTRX* trx = number > 0 ? m_site.FindTrx(number) : nullptr;
    return trx != nullptr && !trx->IsUpgrade();
}

ComboItems PageRXDivTARNController::Trxs() const {
    ComboItems items{{kNotSelected, 0}};
    for (const CUnitTTRX* trx : TransceiversOf(Candidate())) {
        items.push_back({CViewBaseTARN::UnitLabel(*trx), trx->Number()});
    }
    return items;
}

int PageRXDivTARNController::Chosen() const {
    return Exists(m_trx) ? m_trx : 0;
}

void PageRXDivTARNController::Choose(int number) {
    m_trx = Exists(number) ? number : 0;
    m_document.SelectUnitInViews(m_trx != 0 ? kUnitKindTrx : 0, m_trx);
}

void PageRXDivTARNController::Follow(int kind, int number) {
    m_trx = kind == kUnitKindTrx && Exists(number) ? number : 0;
}

ComboItems PageRXDivTARNController::Partners() const {
    ComboItems items{{kNoPartner, 0}};
    const int chosen = Chosen();
    for (const CUnitTTRX* trx : TransceiversOf(Candidate())) {
        if (trx->Number() != chosen) {
            items.push_back({CViewBaseTARN::UnitLabel(*trx), trx->Number()});
        }
    }
    return items;
}

int PageRXDivTARNController::Partner() const {
    const CUnitTTRX* trx = Chosen() != 0 ? m_site.FindTrx(Chosen()) : nullptr;
    if (trx == nullptr || !trx->HasDiversityPair() || trx->DiversityPair() == trx->Number()) {
        return 0;
    }
    return Exists(trx->DiversityPair()) ? trx->DiversityPair() : 0;
}

bool PageRXDivTARNController::Editable() const {
    return !m_site.ShowsBts();
}

bool PageRXDivTARNController::CanSet(int partner) const {
    const int chosen = Chosen();
    if (!Editable() || chosen == 0 || partner == chosen || !Exists(partner)) {
        return false;
    }
    // A pair that only one side records (a file may hold one) is made whole by setting it.
    const bool alreadyPaired =
        partner == Partner() && m_site.FindTrx(partner)->DiversityPair() == chosen;
    return !alreadyPaired;
}

bool PageRXDivTARNController::CanClear() const {
    const CUnitTTRX* trx = Chosen() != 0 ? m_site.FindTrx(Chosen()) : nullptr;
    // A pair naming a transceiver the configuration lacks is still a pair to clear.
    return Editable() && trx != nullptr && trx->HasDiversityPair();
}

bool PageRXDivTARNController::CanClearAll() const {
    if (!Editable()) {
        return false;
    }
    const auto trxs = TransceiversOf(Candidate());
    return std::any_of(trxs.begin(), trxs.end(),
                       [](const CUnitTTRX* t) { return t->HasDiversityPair(); });
}

bool PageRXDivTARNController::Set(int partner) {
    if (!CanSet(partner)) {
        return false;
    }
    m_site.PushUndoStep(kSetLabel);
    m_site.SetDiversityPair(Chosen(), partner);
    Edited();
    return true;
}

bool PageRXDivTARNController::Clear() {
    if (!CanClear()) {
        return false;
    }
    m_site.PushUndoStep(kClearLabel);
    m_site.SetDiversityPair(Chosen(), 0);
    Edited();
    return true;
}

bool PageRXDivTARNController::ClearAll() {
    if (!CanClearAll()) {
        return false;
    }
    m_site.PushUndoStep(kClearAllLabel);
    m_site.ClearDiversityPairs();
    Edited();
    return true;
}

void PageRXDivTARNController::Edited() {
    m_document.MarkConfigurationChanged();
    m_document.RedrawViews();
}
