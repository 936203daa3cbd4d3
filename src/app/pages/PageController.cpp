#include "app/pages/PageController.h"

#include "model/SiteKODA.h"
#include "model/UnitKODA.h"
#include "rules/AntennaTypeRule.h"

CDataBaseKODA& CPageController::Candidate() const {
    return *m_site.GetKODA(kSelectCandidate);
}

bool CPageController::Editable() const {
    return !m_site.ShowsBts();
}

IPrompt& CPageController::Prompt() const {
    return m_site.Prompt();
}

bool CPageController::BeginEdit(const std::string& label) {
    if (!Editable()) {
        return false;
    }
    // Previews belong to the page, not to the configuration: the step that undo returns to
    // must draw what was recorded.
    bool previewed = false;
    for (const auto& unit : Candidate().Units()) {
        if (auto* orvik = dynamic_cast<CUnitKODA*>(unit.get())) {
            for (int field = 0; field < kPreviewFieldCount && !previewed; ++field) {
                previewed = orvik->Preview(field) != 0;
            }
            orvik->ClearPreview();
        }
    }
    if (previewed && m_site.CableGuy() != nullptr) {
        m_site.CableGuy()->RecomputeCableStates(kSelectCandidate);
    }
    m_site.PushUndoStep(label);
    return true;
}

void CPageController::EndEdit(bool unitsChanged) {
    if (unitsChanged) {
        ApplyAntennaTypeRule(m_site);
    }
    if (CCableGuy* guy = m_site.CableGuy()) {
        guy->RecomputeCableStates(kSelectCandidate);
    }
    m_document.MarkConfigurationChanged();
    m_document.RedrawViews();
}
