#include "app/search/DocumentSearchHost.h"

#include "app/commands/CommandIds.h"
#include "app/document/BTSConfigurationDoc.h"

CSiteKODA* CDocumentSearchHost::Site() {
    return m_doc.SiteKODA();
}

void CDocumentSearchHost::SelectCandidateTab() {
    m_doc.SelectTab(false);
}

void CDocumentSearchHost::ActivateView(int viewType) {
    if (m_doc.ActiveViewType() != viewType) {
        m_doc.ViewCommand(cmd::ViewCommandOfType(viewType));
    }
}

void CDocumentSearchHost::BandChanged() {
    if (onBandChanged) {
        onBandChanged();
    }
}

void CDocumentSearchHost::RedrawViews() {
    m_doc.RefreshViews();
}

void CDocumentSearchHost::MarkConfigurationChanged() {
    m_doc.MarkConfigurationChanged(true);
}

void CDocumentSearchHost::SetCurrentRecord(const SFoundConfiguration* found) {
    m_found = found;
    if (found != nullptr) {
        m_doc.AdoptFoundConfiguration(found->path, found->indexInFile, found->name);
    } else {
        m_doc.ForgetConfigurationFile();
    }
}
