// The document's changed mark and name, and undo and redo over the site's ring.

#include "app/document/BTSConfigurationDoc.h"
#include "files/SCFSite.h"
#include "files/SiteRecords.h"
#include "files/TextCodec.h"
#include "model/Site.h"
#include "model/UnitTypeRecord.h"

#include <algorithm>

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
    if (SiteKODA() == nullptr || m_record == nullptr) {
        return;
    }
    // The TRE records follow their units through the ring: one whose unit came back (not the
    // place a page only shows) gets its record back at its place, unless it has one again, and
    // one whose unit a redo took away again is kept aside again.
    const auto inCandidate = [this](int slot) {
        const CUnit* unit = m_site->FindUnit(kUnitKindTre, slot, kSelectCandidate);
        return unit != nullptr && !unit->IsShownOnly();
    };
    auto& records = m_record->tre.units;
    std::erase_if(m_removedTre, [&](std::pair<std::size_t, CSCFSiteTreUnit>& removed) {
        const int slot = removed.second.slot;
        const bool back = inCandidate(slot) &&
                          std::none_of(records.begin(), records.end(),
                                       [slot](const CSCFSiteTreUnit& r) { return r.slot == slot; });
        if (back) {
            records.insert(records.begin() +
                               static_cast<std::ptrdiff_t>(std::min(removed.first, records.size())),
                           std::move(removed.second));
        }
        return back;
    });
    for (std::size_t i = records.size(); i-- > 0;) {
        if (!inCandidate(records[i].slot)) {
            m_removedTre.emplace_back(i, std::move(records[i]));
            records.erase(records.begin() + static_cast<std::ptrdiff_t>(i));
        }
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
