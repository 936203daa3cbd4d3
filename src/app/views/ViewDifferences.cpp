// The Differences view, and what the view manager does for it: rows and clicks that lead to
// the outlined places of units only the candidate has.
#include "app/views/DifferenceList.h"
#include "app/views/ViewBase.h"
#include "app/views/ViewHost.h"
#include "app/views/ViewPagesKODA.h"
#include "files/ConfigInfoKODA.h"
#include "model/BtsConfiguration.h"
#include "model/Cabinet.h"
#include "model/DataBaseKODA.h"
#include "model/SiteKODA.h"

// Differences -----------------------------------------------------------------------------

CViewDifferences::CViewDifferences(CViewBase& manager)
    : CViewPageBase(manager, {kViewDifferences,
                              "Differences",
                              "Differences",
                              310,
                              32785,
                              {"View", "Configuration Candidate", "Currently in BTS", "Compared"},
                              {}}) {}

bool CViewDifferences::Shows(const CUnit&) const {
    return true;
}

bool CViewDifferences::UnitDiffers(const CUnit& unit) const {
    CSiteKODA* site = Manager().Site();
    if (site == nullptr) {
        return false;
    }
    // The rule of the unit comparison and the missing units, so that the outlines, the list
    // and the send question name the same units.
    const auto* candidate = site->GetKODA(kSelectCandidate);
    const auto* bts = dynamic_cast<const CDataBaseKODA*>(CBtsConfiguration::Get());
    const int shown = unit.DisplayedNumber();
    const bool inCandidate =
        CConfigInfoKODA::StandingUnit(candidate, unit.Kind(), shown, false) != nullptr;
    const bool inBts = CConfigInfoKODA::StandingUnit(bts, unit.Kind(), shown, true) != nullptr;
    return inCandidate != inBts;
}

void CViewDifferences::AddCables(SCabinetScene& scene) const {
    if (!Manager().BtsTab()) {
        return;
    }
    const EOutline outline = Manager().ShowPhysicalUnits() ? EOutline::Solid : EOutline::Dotted;
    for (SSceneUnit& u : scene.units) {
        if (u.shown && UnitDiffers(*u.unit)) {
            u.outline = outline;
            Manager().Host().DifferencesFound();
        }
    }
    // Units of the candidate that the BTS lacks have no picture on this tab; their places are
    // outlined all the same, so that nothing missing goes unseen.
    CSiteKODA* site = Manager().Site();
    const CDataBase* candidate = site->GetConfiguration(kSelectCandidate);
    const CDataBaseKODA* shown = Shown();
    const CCabinet* cabinet = shown != nullptr ? shown->Cabinet(0) : nullptr;
    if (candidate == nullptr || cabinet == nullptr) {
        return;
    }
    for (const auto& u : candidate->Units()) {
        if (u->IsUpgrade() || u->IsShownOnly() || u->Owner() != nullptr || !UnitDiffers(*u)) {
            continue;
        }
        const SRect rect = cabinet->UnitRect(*u, scene.variant);
        if (rect.Empty()) {
            continue;
        }
        SSceneUnit ghost;
        ghost.unit = u.get();
        ghost.rect = rect;
        ghost.outline = outline;
        ghost.selected = u.get() == Manager().SelectedOrOutlined();
        scene.units.push_back(ghost);
        Manager().Host().DifferencesFound();
    }
}

void CViewDifferences::FillList(SListContent& content) const {
    CConfigInfoKODA info(Manager().Site());
    info.SetBtsConnected(Manager().Host().BtsConnected());
    info.SetPassiveUnits(1, Manager().Host().PassiveUnits(1));
    info.SetPassiveUnits(2, Manager().Host().PassiveUnits(2));
    for (const SDifferenceRow& d : info.DifferenceRows()) {
        SListRow row;
        row.cells = {d.view, d.candidate, d.bts, d.compared};
        content.rows.push_back(std::move(row));
    }
    // Below the views, what differs in them, each row pointing at its unit; a heading row
    // names the columns of this second table.
    const std::vector<SDifferenceItem> items = ListDifferences(Manager().Site(), info);
    if (items.empty()) {
        return;
    }
    SListRow heading;
    heading.cells = {kDetailColumns[0], kDetailColumns[1], kDetailColumns[2], kDetailColumns[3]};
    heading.section = 1;
    heading.heading = true;
    content.rows.push_back(std::move(heading));
    // A row points at the unit of the shown side, or on the BTS tab at the candidate's unit
    // whose place is outlined there.
    const CDataBase* shown = Manager().ShownAny();
    const CDataBase* candidate = Manager().Site()->GetConfiguration(kSelectCandidate);
    for (const SDifferenceItem& d : items) {
        SListRow row;
        row.cells = {d.item, d.candidate, d.bts, d.view};
        const auto find = [&d](const CDataBase* db) -> const CUnit* {
            const CUnit* u = db != nullptr && d.unitKind != 0
                                 ? db->FindUnitByDisplayedNumber(d.unitKind, d.unitDisplayedNumber)
                                 : nullptr;
            return u != nullptr && !u->IsUpgrade() ? u : nullptr;
        };
        const CUnit* unit = find(shown);
        if (unit == nullptr && Manager().BtsTab()) {
            unit = find(candidate);
        }
        if (unit != nullptr) {
            row.unitKind = unit->Kind();
            row.unitNumber = unit->Number();
        }
        row.section = 2;
        content.rows.push_back(std::move(row));
    }
}

// The manager's side ------------------------------------------------------------------------

const CUnit* CViewBase::SelectedOrOutlined() const {
    if (const CUnit* unit = SelectedUnit()) {
        return unit;
    }
    const CDataBase* candidate = OutlinedConfiguration();
    return m_selected != nullptr && candidate != nullptr && candidate->Contains(m_selected)
               ? m_selected
               : nullptr;
}

const CUnit* CViewBase::RowUnit(const SListRow& row) const {
    if (row.unitKind == 0) {
        return nullptr;
    }
    if (const CDataBase* shown = ShownAny()) {
        if (const CUnit* unit = shown->FindUnit(row.unitKind, row.unitNumber);
            unit != nullptr && (!unit->IsUpgrade() || OutlinedConfiguration() == nullptr)) {
            return unit;
        }
    }
    const CDataBase* candidate = OutlinedConfiguration();
    const CUnit* unit =
        candidate != nullptr ? candidate->FindUnit(row.unitKind, row.unitNumber) : nullptr;
    return unit != nullptr && !unit->IsUpgrade() ? unit : nullptr;
}

const CDataBase* CViewBase::OutlinedConfiguration() const {
    CSite* site = AnySite();
    if (site == nullptr || !BtsTab() || m_active == nullptr ||
        m_active->Type() != kViewDifferences) {
        return nullptr;
    }
    return site->GetConfiguration(kSelectCandidate);
}

const CUnit* CViewBase::OutlinedUnitAt(const CCabinet& cabinet, int variant, SPoint point) const {
    const CDataBase* candidate = OutlinedConfiguration();
    if (candidate == nullptr) {
        return nullptr;
    }
    for (const auto& u : candidate->Units()) {
        const SRect r = cabinet.UnitRect(*u, variant);
        if (!u->IsUpgrade() && !u->IsShownOnly() && u->Owner() == nullptr && !r.Empty() &&
            point.x >= r.left && point.x < r.right && point.y >= r.top && point.y < r.bottom &&
            m_active->UnitDiffers(*u)) {
            return u.get();
        }
    }
    return nullptr;
}
