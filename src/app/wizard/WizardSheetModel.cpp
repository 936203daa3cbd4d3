#include "app/wizard/WizardSheetModel.h"

#include "app/commands/CommandIds.h"
#include "app/document/BTSConfigurationDoc.h"
#include "app/views/ViewBase.h"
#include "model/SiteKODA.h"

CWizardSheetModel::CWizardSheetModel(CBTSConfigurationDoc& doc, IUserPrompt& prompt,
                                     CRegistry& settings, bool updateOnly)
    : m_doc(doc), m_prompt(prompt), m_settings(settings), m_updateOnly(updateOnly) {}

CWizardSheetModel::~CWizardSheetModel() {
    // Finished or cancelled, the run is over: nothing is given back any more.
    m_doc.ForgetOrigin();
}

CSiteKODA* CWizardSheetModel::Site() const {
    return m_doc.SiteKODA();
}

void CWizardSheetModel::Begin() {
    if (m_doc.SelmoSite()) {
        // The wizard's ways all lead to an Orvik cabinet; the Selmo one is offered for saving
        // before it goes, and stays when the user cancels.
        m_prompt.Message(kSelmoStartsNew);
        m_doc.New(false);
    } else if (!m_doc.HasSite()) {
        m_doc.New(false);
    }
    // A step recorded while the BTS tab is shown would be refused by the site.
    m_doc.SelectTab(false);
    if (CSite* site = m_doc.Site()) {
        // Before the step: recording it counts as a change of the document.
        m_doc.KeepOrigin();
        site->PushUndoStep(kUndoLabel);
        m_undoSite = site;
        m_undoRingIndex = site->RingIndex();
        m_doc.RebuildMenu();
    }
    RebuildSchemes();
}

bool CWizardSheetModel::CancelRun() {
    CSite* site = m_doc.Site();
    if (site == nullptr || site != m_undoSite || site->UndoCount() == 0 ||
        site->RingIndex() != m_undoRingIndex) {
        // The candidate stays as the run left it, and so does what it is saved into.
        m_doc.ForgetOrigin();
        return false;
    }
    m_doc.Undo();
    // A cancelled run is gone, not undone: Redo must not bring it back without its file.
    site->DropRedo();
    m_doc.RestoreOrigin();
    m_doc.ViewCommand(cmd::kRefreshAllViews);
    m_undoSite = nullptr;
    return true;
}

CKodaConfigMaster* CWizardSheetModel::Schemes() {
    if (m_doc.Site() != m_schemesSite) {
        RebuildSchemes();
    }
    return m_schemes.get();
}

void CWizardSheetModel::RebuildSchemes() {
    m_schemes.reset();
    m_schemesSite = m_doc.Site();
    if (CSiteKODA* site = Site()) {
        m_schemes = std::make_unique<CKodaConfigMaster>(*site);
    }
}

void CWizardSheetModel::ActivateView(int viewType) {
    m_doc.ViewCommand(cmd::ViewCommandOfType(viewType));
}

void CWizardSheetModel::SelectTab(bool bts) {
    m_doc.SelectTab(bts);
}

void CWizardSheetModel::Redraw() {
    m_doc.ViewCommand(cmd::kRefreshAllViews);
}

void CWizardSheetModel::ClearSelectedUnit() {
    if (CViewBaseKODA* views = m_doc.ViewManager()) {
        views->SelectUnit(nullptr);
    }
}

void CWizardSheetModel::SelectUnit(int kind, int number) {
    CViewBaseKODA* views = m_doc.ViewManager();
    CSiteKODA* site = Site();
    if (views == nullptr || site == nullptr) {
        return;
    }
    views->SelectUnit(kind == 0 ? nullptr : site->FindUnit(kind, number, kSelectShown));
}

bool CWizardSheetModel::LinkUp() const {
    return m_doc.Link().IsLinkUp();
}

int CWizardSheetModel::BcfState() const {
    return m_doc.Link().IsLinkUp() ? m_doc.Link().BcfState() : -1;
}
