#include "app/views/ViewBase.h"

#include <algorithm>
#include <cstdio>

#include "app/views/ViewHost.h"
#include "app/views/ViewPagesKODA.h"
#include "app/views/ViewTexts.h"
#include "model/BtsConfiguration.h"
#include "model/CabinetKODA.h"
#include "model/DataBaseKODA.h"
#include "model/SiteKODA.h"
#include "platform/SettingsKeys.h"

namespace {

// How many transceiver rows and masthead amplifiers the cabinet class has room for.
void CabinetCapacity(int cabinetType, int& trxRows, int& mhas) {
    switch (cabinetType) {
    case kCabinetMidi:
    case kCabinetMidiOutdoor:
        trxRows = mhas = 6;
        break;
    case kCabinetMini:
        trxRows = mhas = 4;
        break;
    default:
        trxRows = mhas = 12;
        break;
    }
}

// The picture: the cabinet with its mast on the right, and the external cabinet on the left
// while one is drawn.
SRect PictureBounds(int cabinetType, bool external) {
    int rows = 12;
    int mhas = 12;
    CabinetCapacity(cabinetType, rows, mhas);
    int bottom = 424;
    if (rows == 6) {
        bottom = 272;
    } else if (rows == 4) {
        bottom = 208;
    }
    if (external) {
        bottom = 424;
    }
    return {external ? -88 : 0, 0, 314, bottom};
}

int CabinetTypeOf(const CDataBaseKODA& db) {
    if (const auto* cabinet = dynamic_cast<const CCabinetKODA*>(db.Cabinet(0))) {
        return cabinet->CabinetType();
    }
    return db.CabinetSettings().cabinetType;
}

bool AnyCableTouches(const CDataBase& db, const CUnit* unit) {
    return std::any_of(db.Cables().begin(), db.Cables().end(),
                       [unit](const auto& c) { return c->Touches(unit); });
}

} // namespace

CViewBase::CViewBase(IViewHost& host) : m_host(host) {}

CViewBase::~CViewBase() = default;

CSiteKODA* CViewBase::Site() const {
    return m_host.Site();
}

CSite* CViewBase::AnySite() const {
    if (CSite* site = m_host.FamilySite()) {
        return site;
    }
    return Site();
}

CDataBaseKODA* CViewBase::Shown() const {
    CSiteKODA* site = Site();
    return site != nullptr ? site->GetKODA(kSelectShown) : nullptr;
}

CDataBase* CViewBase::ShownAny() const {
    CSite* site = AnySite();
    return site != nullptr ? site->GetConfiguration(kSelectShown) : nullptr;
}

int CViewBase::ShownSelector() const {
    return BtsTab() ? kSelectBts : kSelectCandidate;
}

bool CViewBase::BtsTab() const {
    CSite* site = AnySite();
    return site != nullptr && site->ShowsBts() && CBtsConfiguration::Get() != nullptr;
}

void CViewBase::AddView(std::unique_ptr<CViewPageBase> view) {
    m_views.push_back(std::move(view));
}

CViewPageBase* CViewBase::FindView(int viewType) const {
    for (const auto& v : m_views) {
        if (v->Type() == viewType) {
            return v.get();
        }
    }
    return nullptr;
}

CViewPageBase* CViewBase::FindViewByCommand(int command) const {
    for (const auto& v : m_views) {
        if (v->Command() == command) {
            return v.get();
        }
    }
    return nullptr;
}

bool CViewBase::ActivateView(int viewType) {
    if (viewType == kViewRedraw) {
        Redraw();
        return true;
    }
    CViewPageBase* view = FindView(viewType);
    if (view == nullptr) {
        return false;
    }
    if (m_active != nullptr && m_active != view) {
        m_active->Leave();
    }
    m_active = view;
    m_sorting.Reset();
    if (const CUnit* selected = SelectedUnit();
        selected != nullptr && !view->IsUnitShown(*selected)) {
        SelectUnit(nullptr);
    }
    view->Refresh();
    Redraw();
    return true;
}

std::vector<SBarEntry> CViewBase::BarEntries() const {
    std::vector<SBarEntry> entries;
    for (const auto& v : m_views) {
        entries.push_back({v->Type(), v->IconId(), v->Command(), v->BarLabel()});
    }
    return entries;
}

void CViewBase::SelectUnit(const CUnit* unit) {
    if (unit == m_selected && (unit == nullptr || (unit->Kind() == m_selectedKind &&
                                                   unit->Number() == m_selectedNumber))) {
        return;
    }
    m_selected = unit;
    m_selectedKind = unit != nullptr ? unit->Kind() : 0;
    m_selectedNumber = unit != nullptr ? unit->Number() : 0;
    m_host.UnitSelected(unit != nullptr ? 256 * m_selectedNumber + m_selectedKind : 0);
}

CUnit* CViewBase::SelectedUnit() const {
    if (m_selected == nullptr) {
        return nullptr;
    }
    if (CSiteKODA* site = Site()) {
        for (int port : {17, 18}) {
            if (site->ExternalUnit(port) == m_selected) {
                return site->ExternalUnit(port);
            }
        }
    }
    CDataBase* db = ShownAny();
    if (db == nullptr || !db->Contains(m_selected)) {
        return nullptr;
    }
    return const_cast<CUnit*>(m_selected);
}

std::optional<SceneColour> CViewBase::CableColour(int, bool) const {
    return std::nullopt;
}

SceneColour CViewBase::CableColourOrWhite(int group, bool selected) const {
    return CableColour(group, selected).value_or(kSceneWhite);
}

SCabinetScene CViewBase::BuildScene() const {
    SCabinetScene scene;
    CSiteKODA* site = Site();
    CDataBaseKODA* db = Shown();
    if (site == nullptr || db == nullptr || m_active == nullptr || db->Cabinet(0) == nullptr) {
        return scene;
    }
    const CCabinet& cabinet = *db->Cabinet(0);
    scene.valid = true;
    scene.cabinetType = CabinetTypeOf(*db);
    scene.cabinetName = cabinet.Name();
    scene.variant = m_active->PictureVariant();
    scene.btsTab = BtsTab();
    scene.rackShelfSlot = scene.variant == 1;
    CabinetCapacity(scene.cabinetType, scene.trxRows, scene.mhaCount);
    const CUnit* selected = SelectedUnit();

    const auto place = [&](const CUnit& u) {
        const SRect rect = cabinet.UnitRect(u, scene.variant);
        if (rect.Empty()) {
            return;
        }
        const bool shown = m_active->IsUnitShown(u);
        if (!shown && u.IsUpgrade()) {
            return;
        }
        SSceneUnit s;
        s.unit = &u;
        s.rect = rect;
        // The front has room for the name alone; the list and the status line say what the
        // BTS detected.
        s.label = ViewTexts::CatalogueName(u);
        s.shown = shown;
        s.selected = &u == selected;
        s.hovered = &u == m_hovered;
        s.hoveredRow = s.hovered ? m_hoveredRow : -1;
        s.connectorType = m_active->ConnectorType();
        s.connectorRows = m_active->ShowsConnectorRows() && u.PortRows() > 0;
        if (u.LogicalKind() > 0) {
            if (const CLogicalUnit* lu = db->FindLogicalUnit(u.LogicalKind(), u.Kind(), u.Number());
                lu != nullptr && lu->State() != CLogicalUnit::kStateNone) {
                s.logicalState = lu->State();
                s.logicalStateClass = lu->StateClass();
                const SPoint at = u.LogicalStateIconPosition(0);
                if (at.x >= 0) {
                    s.logicalMark = {rect.left + at.x, rect.top + at.y};
                }
            }
        }
        scene.units.push_back(s);
    };
    for (const auto& u : db->Units()) {
        place(*u);
    }
    bool external = false;
    for (int port : {17, 18}) {
        const CUnit* ext = site->ExternalUnit(port);
        if (ext != nullptr && m_active->IsUnitShown(*ext) && AnyCableTouches(*db, ext)) {
            place(*ext);
            external = true;
        }
    }
    scene.bounds = PictureBounds(scene.cabinetType, external);

    if (const auto* koda = dynamic_cast<const CCabinetKODA*>(&cabinet)) {
        for (int n = 1; n <= 12; ++n) {
            const CUnit* trx = db->FindUnit(kUnitKindTrx, n);
            const CLogicalUnit* lu =
                trx != nullptr ? db->FindLogicalUnit(trx->LogicalKind(), kUnitKindTrx, n) : nullptr;
            SPoint at;
            if (lu != nullptr && lu->State() != CLogicalUnit::kStateNone &&
                koda->TrxStatusMarkPosition(n, at)) {
                scene.trxStatus.push_back({at, n, lu->StateClass()});
            }
        }
    }
    m_active->AddCables(scene);
    return scene;
}

SPictureHit CViewBase::HitTest(SPoint point) const {
    SPictureHit hit;
    CSiteKODA* site = Site();
    CDataBaseKODA* db = Shown();
    if (site == nullptr || db == nullptr || m_active == nullptr || db->Cabinet(0) == nullptr) {
        return hit;
    }
    const CCabinet& cabinet = *db->Cabinet(0);
    const int variant = m_active->PictureVariant();
    const auto test = [&](const CUnit& u) {
        if (u.Owner() != nullptr || !m_active->IsUnitShown(u)) {
            return false;
        }
        const SRect r = cabinet.UnitRect(u, variant);
        if (r.Empty() || !r.Contains(point)) {
            return false;
        }
        hit.unit = &u;
        hit.overCabinet = true;
        if (u.PortRows() > 0 && m_active->ConnectorRowsHitTestable(u)) {
            const int rowHeight = (r.bottom - r.top) / (u.PortRows() + 1);
            if (rowHeight > 0) {
                hit.row = std::min((point.y - r.top) / rowHeight, u.PortRows());
            }
        }
        return true;
    };
    // Later units are drawn over earlier ones, so they are hit first.
    for (auto it = db->Units().rbegin(); it != db->Units().rend(); ++it) {
        if (test(**it)) {
            return hit;
        }
    }
    bool external = false;
    for (int port : {17, 18}) {
        const CUnit* ext = site->ExternalUnit(port);
        if (ext != nullptr && m_active->IsUnitShown(*ext) && AnyCableTouches(*db, ext)) {
            external = true;
            if (test(*ext)) {
                return hit;
            }
        }
    }
    if (const CUnit* outlined = OutlinedUnitAt(cabinet, variant, point)) {
        hit.unit = outlined;
        hit.overCabinet = true;
        return hit;
    }
    hit.overCabinet = PictureBounds(CabinetTypeOf(*db), external).Contains(point);
    return hit;
}

std::string CViewBase::Hover(SPoint point) {
    const SPictureHit hit = HitTest(point);
    m_hovered = hit.unit;
    m_hoveredRow = hit.row;
    return StatusText(hit);
}

void CViewBase::ClearHover() {
    m_hovered = nullptr;
    m_hoveredRow = -1;
}

std::string CViewBase::StatusText(const SPictureHit& hit) const {
    if (hit.unit == nullptr) {
        if (hit.overCabinet) {
            if (CDataBase* db = ShownAny(); db != nullptr && db->Cabinet(0) != nullptr) {
                return db->Cabinet(0)->Name();
            }
        }
        return kNoHelpText;
    }
    const CUnit& u = *hit.unit;
    const std::string_view type = u.TypeDescription();
    std::string text =
        ViewTexts::UnitName(u) + " - " + (type.empty() ? u.Description() : std::string(type));
    if (const std::string connection = u.ConnectionText(); !connection.empty()) {
        text += ' ';
        text += connection;
    }
    if (hit.row >= 0) {
        const std::string letter = u.PortLetter(hit.row);
        const std::string row = u.Kind() == kUnitKindRtc ? letter : "port " + letter;
        if (!letter.empty()) {
            if (!text.empty() && text.back() == ')') {
                text.insert(text.size() - 1, ", " + row);
            } else {
                text += ", " + row;
            }
        }
    }
    return text;
}

SListContent CViewBase::ListContent() const {
    SListContent content;
    if (m_active == nullptr) {
        AddNoInformationRow(content);
        return content;
    }
    content.columns = m_active->Columns();
    if (AnySite() != nullptr) {
        m_active->FillList(content);
    }
    m_sorting.Sort(content.rows);
    AddNoInformationRow(content);
    return content;
}

void CViewBase::MousePress(SPoint point) {
    Hover(point);
    m_pressed = true;
    m_clickSelected = m_hovered != SelectedUnit();
    if (m_clickSelected) {
        SelectUnit(m_hovered);
        Redraw();
    }
}

void CViewBase::MouseRelease() {
    if (!m_pressed) {
        return;
    }
    m_pressed = false;
    if (!m_clickSelected && SelectedUnit() != nullptr && m_hovered == SelectedUnit()) {
        SelectUnit(nullptr);
        Redraw();
    }
}

int CViewBase::ContextClick(SPoint point) {
    Hover(point);
    m_pressed = false;
    if (m_hovered != SelectedUnit()) {
        SelectUnit(m_hovered);
        Redraw();
    }
    return ContextMenu();
}

void CViewBase::DoubleClick(SPoint point) {
    Hover(point);
    m_pressed = false;
    // Beside the units too: the pages of a view without units, such as the cabinet's, open so.
    if (m_hovered != SelectedUnit()) {
        SelectUnit(m_hovered);
        Redraw();
    }
    m_host.OpenProperties();
}

void CViewBase::ShowConfiguration(int selector) {
    CSite* site = AnySite();
    if (site == nullptr) {
        return;
    }
    // Only the Orvik family has a configuration currently in BTS.
    const bool bts =
        selector == kSelectBts && Site() != nullptr && CBtsConfiguration::Get() != nullptr;
    if (bts) {
        // The BTS tab shows the BTS configuration as it is now, with its cables.
        site->CableGuy()->RecomputeCableStates(kSelectBts);
    }
    site->SetShowBts(bts);
    TabChanged();
}

void CViewBase::TabChanged() {
    ClearHover();
    if (m_selectedKind != 0) {
        CDataBase* db = ShownAny();
        const CUnit* same =
            db != nullptr ? db->FindUnit(m_selectedKind, m_selectedNumber) : nullptr;
        if (same != nullptr && !same->IsUpgrade()) {
            // The same unit in the other configuration: the selection does not change.
            m_selected = same;
        } else {
            SelectUnit(nullptr);
        }
    }
    Redraw();
}

int CViewBase::ContextMenu() const {
    if (BtsTab()) {
        return 362;
    }
    return m_active != nullptr ? m_active->ContextMenu() : 0;
}

void CViewBase::Redraw() {
    m_host.ViewsChanged();
}
