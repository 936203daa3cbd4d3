// The document's changed mark and name, and undo and redo over the site's ring.

#include "app/document/BTSConfigurationDoc.h"
#include "files/SCFSite.h"
#include "files/SiteRecords.h"
#include "files/TextCodec.h"
#include "model/Site.h"

std::string CBTSConfigurationDoc::Title() const {
    return m_configurationName.empty() ? m_title : Cp1252ToUtf8(m_configurationName);
}

std::shared_ptr<const CSCFSite> CBTSConfigurationDoc::CandidateRecord() const {
    if (!m_site) {
        return nullptr;
    }
    auto record = std::make_shared<CSCFSite>();
    if (!CopySiteIntoRecord(*m_site, *record)) {
        return nullptr;
    }
    return record;
}

bool CBTSConfigurationDoc::ConfigurationChanged() const {
    if (!m_configurationChanged) {
        return false;
    }
    if (!m_site || m_savedState == 0) {
        return true;
    }
    const std::uint64_t state = m_site->CandidateState();
    if (state == m_savedState) {
        return false;
    }
    if (state == m_forcedState) {
        return true;
    }
    // Edits that were made again by hand, or a step that changed nothing (a wizard left on its
    // first page), leave nothing to save.
    const std::shared_ptr<const CSCFSite> now = CandidateRecord();
    return !now || !m_savedRecord || !(*now == *m_savedRecord);
}

void CBTSConfigurationDoc::MarkConfigurationChanged(bool changed) {
    m_configurationChanged = changed;
    if (changed) {
        // The snapshot is another one now, even where the ring still has it as the saved one.
        if (m_site) {
            m_site->MarkCandidateChanged();
            m_forcedState = m_site->CandidateState();
        }
        return;
    }
    m_savedState = m_site ? m_site->CandidateState() : 0;
    m_savedRecord = CandidateRecord();
}

void CBTSConfigurationDoc::FollowUndoRing() {
    if (m_site) {
        m_configurationChanged = m_savedState == 0 || m_site->CandidateState() != m_savedState;
    }
}

void CBTSConfigurationDoc::Undo() {
    SelectTab(false);
    if (m_site) {
        // The site redraws and tells the main window itself when a step was undone.
        m_site->Undo(kSelectCandidate);
        RebuildMenu();
    }
}

void CBTSConfigurationDoc::Redo() {
    SelectTab(false);
    if (m_site) {
        m_site->Redo(kSelectCandidate);
        RebuildMenu();
    }
}
