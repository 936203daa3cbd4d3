#include "app/views/ViewPageBase.h"

#include <algorithm>

#include "app/views/ViewBase.h"
#include "app/views/ViewHost.h"
#include "app/views/ViewTexts.h"
#include "files/ConfigInfoKODA.h"
#include "model/DataBaseKODA.h"
#include "model/SiteKODA.h"
#include "model/UnitKTrx.h"

namespace {

// Pen widths: the feeder and TX cables are the heavy ones on a real cabinet.
double PenWidth(int cableType, bool selected) {
    const double base = cableType == kCableRxMain || cableType == kCableRxDiv ? 1.6 : 2.0;
    return selected ? base + 0.8 : base;
}

bool IsMarkKind(int kind) {
    return kind == kConnTxMark || kind == kConnRxMainMark || kind == kConnRxDivMark;
}

const SSceneUnit* SceneUnit(const SCabinetScene& scene, const CUnit* unit) {
    return unit != nullptr ? scene.Find(unit) : nullptr;
}

bool Drawn(const SSceneUnit* u) {
    return u != nullptr && u->shown;
}

// Whether the cable belongs to the selected unit: it ends there, or the selected transceiver's
// path runs through it.
bool OfSelected(const CCabling& cable, const CUnit* selected) {
    if (selected == nullptr) {
        return false;
    }
    if (cable.Touches(selected)) {
        return true;
    }
    return selected->Kind() == kUnitKindTrx && cable.FlaggedFor(selected->Number());
}

} // namespace

int CableTypeOfConnector(int kind) {
    switch (kind) {
    case kConnTxIn:
    case kConnTxOut:
    case kConnTxMark:
        return kCableTx;
    case kConnRxMainIn:
    case kConnRxMainOut:
    case kConnRxMainMark:
        return kCableRxMain;
    case kConnRxDivIn:
    case kConnRxDivOut:
    case kConnRxDivMark:
        return kCableRxDiv;
    case kConnMhaAntenna:
    case kConnCombinerAntenna:
        return kCableAntenna;
    default:
        return 0;
    }
}

bool ConnectorPoint(const SSceneUnit& unit, int kind, int index, int trx, SPoint& out) {
    SPoint rel;
    const int type = CableTypeOfConnector(kind);
    const bool found = IsMarkKind(kind) ? unit.unit->MarkPosition(type, kind, index, rel)
                                        : unit.unit->ConnectorPosition(type, kind, index, rel);
    if (found) {
        out = {unit.rect.left + rel.x, unit.rect.top + rel.y};
        return true;
    }
    if (unit.unit->Kind() != kUnitKindExternal || unit.rect.Empty()) {
        return false;
    }
    // An external cabinet has no connector list; its cables fan out down its inner edge, one
    // height per transceiver, so that they stay apart.
    const int step = std::max(1, (unit.rect.bottom - unit.rect.top - 40) / 13);
    out = {unit.rect.right - 6, unit.rect.top + 20 + step * std::clamp(trx, 0, 12)};
    return true;
}

CViewPageBase::CViewPageBase(CViewBase& manager, SViewDescription description, int cableGroup)
    : m_manager(manager), m_description(std::move(description)),
      m_name(m_description.name != nullptr ? m_description.name : "View name not defined"),
      m_cableGroup(cableGroup) {}

std::vector<std::string> CViewPageBase::Columns() const {
    const auto& list = HasOptionColumns() && m_manager.ShowWideband() ? m_description.optionColumns
                                                                      : m_description.columns;
    return {list.begin(), list.end()};
}

CDataBaseKODA* CViewPageBase::Shown() const {
    return m_manager.Shown();
}

bool CViewPageBase::IsUnitShown(const CUnit& unit) const {
    if (unit.IsUpgrade()) {
        return false;
    }
    if (unit.Kind() == kUnitKindBoi && ShowsBoiOnBtsTab() && m_manager.BtsTab()) {
        return true;
    }
    return Shows(unit);
}

std::string CViewPageBase::SummaryText(int selector) const {
    CSiteKODA* site = m_manager.Site();
    CConfigInfoKODA info(site);
    info.SetBtsConnected(m_manager.Host().BtsConnected());
    info.SetPassiveUnits(1, m_manager.Host().PassiveUnits(1));
    info.SetPassiveUnits(2, m_manager.Host().PassiveUnits(2));
    return info.SummaryText(Type(), selector == kSelectBts ? 2 : 1);
}

std::string CViewPageBase::ComparedText() const {
    CConfigInfoKODA info(m_manager.Site());
    info.SetBtsConnected(m_manager.Host().BtsConnected());
    info.SetPassiveUnits(1, m_manager.Host().PassiveUnits(1));
    info.SetPassiveUnits(2, m_manager.Host().PassiveUnits(2));
    return info.ComparedText(Type());
}

void CViewPageBase::FillList(SListContent&) const {}

void CViewPageBase::FillTrxRows(
    SListContent& content,
    const std::function<std::vector<std::string>(const CUnitKTrx&)>& cells) const {
    const CDataBaseKODA* db = Shown();
    if (db == nullptr) {
        return;
    }
    for (int n = 1; n <= 12; ++n) {
        const auto* trx = db->Find<CUnitKTrx>(kUnitKindTrx, n);
        if (trx == nullptr || !IsUnitShown(*trx)) {
            continue;
        }
        SListRow row;
        row.cells.push_back(ViewTexts::UnitName(*trx));
        for (std::string& cell : cells(*trx)) {
            row.cells.push_back(std::move(cell));
        }
        row.unitKind = kUnitKindTrx;
        row.unitNumber = n;
        content.rows.push_back(std::move(row));
    }
}

void CViewPageBase::AddCablePasses(SCabinetScene& scene, const std::vector<int>& cableTypes,
                                   bool groupByOwnKind) const {
    const CDataBaseKODA* db = Shown();
    if (db == nullptr) {
        return;
    }
    const CUnit* selected = m_manager.SelectedUnit();
    const bool firstPass = !(m_manager.ShowOnlySelectedCabling() && selected != nullptr);

    // Markers stand for a transceiver's path to its combiner. Where the units in between are
    // hidden the marker is drawn as the cable itself, so that the path can still be followed.
    // Which transceivers have a drawn cable of which type, found once for all markers.
    std::vector<std::pair<const CUnit*, int>> drawnPaths;
    for (const auto& c : db->Cables()) {
        if (!c->IsMarker() && Drawn(SceneUnit(scene, c->Start())) &&
            Drawn(SceneUnit(scene, c->End()))) {
            drawnPaths.emplace_back(c->Start(), c->CableType());
            drawnPaths.emplace_back(c->End(), c->CableType());
        }
    }
    const auto pathVisible = [&](const CCabling& marker) {
        return std::find(drawnPaths.begin(), drawnPaths.end(),
                         std::pair<const CUnit*, int>(marker.Start(), marker.CableType())) !=
               drawnPaths.end();
    };

    for (int pass = 0; pass < 2; ++pass) {
        const bool selectedPass = pass == 1;
        if (!selectedPass && !firstPass) {
            continue;
        }
        for (const auto& cable : db->Cables()) {
            const int type = cable->CableType();
            if (std::find(cableTypes.begin(), cableTypes.end(), type) == cableTypes.end()) {
                continue;
            }
            if (selectedPass && !OfSelected(*cable, selected)) {
                continue;
            }
            const SSceneUnit* from = SceneUnit(scene, cable->Start());
            const SSceneUnit* to = SceneUnit(scene, cable->End());
            if (!Drawn(from) || !Drawn(to)) {
                continue;
            }
            const int group = groupByOwnKind ? type : CableGroup();
            const SceneColour colour = m_manager.CableColourOrWhite(group, selectedPass);
            if (cable->IsMarker()) {
                SSceneMark a;
                SSceneMark b;
                if (ConnectorPoint(*from, cable->StartKind(), cable->StartIndex(), 0, a.at)) {
                    a.colour = colour;
                    a.cableType = type;
                    scene.marks.push_back(a);
                }
                if (ConnectorPoint(*to, cable->EndKind(), cable->EndIndex(), 0, b.at)) {
                    b.colour = colour;
                    b.cableType = type;
                    scene.marks.push_back(b);
                }
                if (pathVisible(*cable)) {
                    continue;
                }
            }
            SSceneCable drawn;
            const int trx = cable->TrxNumber();
            // A marker runs between the connectors of its kind, not between the marks.
            int startKind = cable->StartKind();
            int endKind = cable->EndKind();
            int startIndex = cable->StartIndex();
            int endIndex = cable->EndIndex();
            if (cable->IsMarker()) {
                startKind = type == kCableTx       ? kConnTxOut
                            : type == kCableRxMain ? kConnRxMainIn
                                                   : kConnRxDivIn;
                startIndex = 1;
                endKind = type == kCableTx ? kConnTxIn : kConnRxMainOut;
                if (cable->End()->Kind() == kUnitKindRtc && type == kCableRxDiv) {
                    endKind = kConnRxDivOut;
                }
                endIndex = cable->End()->Kind() == kUnitKindDdu && type != kCableTx
                               ? (cable->EndIndex() == 2 ? 3 : 1)
                               : cable->EndIndex();
                if (cable->End()->Kind() == kUnitKindRtc) {
                    endIndex = 1;
                }
                drawn.direct = true;
            }
            if (!ConnectorPoint(*from, startKind, startIndex, trx, drawn.from) ||
                !ConnectorPoint(*to, endKind, endIndex, trx, drawn.to)) {
                continue;
            }
            drawn.colour = colour;
            drawn.width = PenWidth(type, selectedPass);
            drawn.selected = selectedPass;
            drawn.cableType = type;
            drawn.changed = cable->Changed();
            scene.cables.push_back(drawn);
        }
    }
}
