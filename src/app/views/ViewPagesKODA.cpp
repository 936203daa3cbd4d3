#include "app/views/ViewPagesKODA.h"

#include <algorithm>
#include <set>

#include "app/views/ViewBase.h"
#include "app/views/ViewHost.h"
#include "app/views/ViewTexts.h"
#include "files/ConfigInfoKODA.h"
#include "files/HWInfoFile.h"
#include "files/TextCodec.h"
#include "model/BandInformation.h"
#include "model/BtsConfiguration.h"
#include "model/CabinetKODA.h"
#include "model/DataBaseKODA.h"
#include "model/SiteKODA.h"
#include "model/UnitKTrx.h"
#include "rules/AntennaTypeRule.h"

namespace {

bool IsCombiner(const CUnit* unit) {
    return unit != nullptr && (unit->Kind() == kUnitKindDdu || unit->Kind() == kUnitKindRtc);
}

bool IsMulticoupler(int kind) {
    return kind == kUnitKindMc2 || kind == kUnitKindMc6;
}

bool IsWideband(int kind) {
    return kind == kUnitKindWbc || kind == kUnitKindWbt;
}

// The frequency column: a band set (the multicouplers' and combiners' low and high sets) names
// each of its bands; units for any band (power, baseband, transmission) have none.
std::string BandCell(const CUnit& unit) {
    std::string text = unit.BandText();
    if (text != "Illegal" && !text.empty()) {
        return text;
    }
    const int mask = unit.Band() & 0x0F;
    if (mask == 0 || mask == 0x0F) {
        return "-";
    }
    text.clear();
    for (int bit : {1, 2, 4, 8}) {
        if ((unit.Band() & bit) == 0) {
            continue;
        }
        std::string name = CBandInformation::BandName(bit, 0);
        if (name.rfind("GSM ", 0) == 0) {
            name.erase(0, 4);
        }
        text += (text.empty() ? "" : "/") + name;
    }
    return text.empty() ? "-" : text;
}

bool HasRows(const CUnit& unit) {
    return unit.PortRows() > 0;
}

// The combiner port ids of a DDU or RTC.
std::set<int> PortsOf(const CUnit& unit) {
    const int d = unit.DisplayedNumber();
    if (unit.Kind() == kUnitKindDdu) {
        return {2 * d - 1, 2 * d};
    }
    if (unit.Kind() == kUnitKindRtc) {
        return {2 * d + 11, 2 * d + 12};
    }
    return {};
}

} // namespace

// Cabinet Information --------------------------------------------------------------------

CViewCabinetInfo::CViewCabinetInfo(CViewBase& manager)
    : CViewPageBase(manager, {kViewCabinetInfo,
                              "Cabinet Information",
                              "Cabinet\nInfo",
                              302,
                              32773,
                              {"Information", "Value"},
                              {}}) {}

void CViewCabinetInfo::FillList(SListContent& content) const {
    const CDataBaseKODA* db = Shown();
    if (db == nullptr) {
        return;
    }
    const SCabinetSettings& s = db->CabinetSettings();
    const auto add = [&](const char* name, std::string value) {
        SListRow row;
        row.cells = {name, std::move(value)};
        content.rows.push_back(std::move(row));
    };
    const char* type = CCabinetKODA::TypeName(s.cabinetType);
    add("Cabinet Type", *type != '\0' ? type : "Unknown");
    add("Clock Sync Used", CDataBaseKODA::ClockSyncText(s.clockSync));
    add("LTE Installed", ViewTexts::YesNo(s.lte == 1));
    add("WCDMA Upgrade", ViewTexts::YesNo(s.wcdma == 1));
    add("UC SW Version", db->SwLevel().Name());
}

// Cabinet Units --------------------------------------------------------------------------

CViewCabinetUnits::CViewCabinetUnits(CViewBase& manager)
    : CViewPageBase(manager, {kViewCabinetUnits,
                              "Cabinet Units",
                              "Cabinet\nUnits",
                              303,
                              32774,
                              {"Unit Name", "Rack / Shelf / Slot", "Unit Type", "Frequency"},
                              {}}) {}

int CViewCabinetUnits::PictureVariant() const {
    return Manager().ShowRackShelfSlot() ? 1 : 2;
}

bool CViewCabinetUnits::CombinerSelected() const {
    return IsCombiner(Manager().SelectedUnit());
}

bool CViewCabinetUnits::Shows(const CUnit& unit) const {
    if (unit.Owner() != nullptr) {
        return false;
    }
    return !(unit.Kind() == kUnitKindTrx && CombinerSelected());
}

bool CViewCabinetUnits::ConnectorRowsHitTestable(const CUnit& unit) const {
    return HasRows(unit);
}

void CViewCabinetUnits::AddCables(SCabinetScene& scene) const {
    if (!CombinerSelected()) {
        return;
    }
    // Only the selected combiner's antennas, in the selected colour of the antenna group.
    const CUnit* selected = Manager().SelectedUnit();
    const CDataBaseKODA* db = Shown();
    for (const auto& cable : db->Cables()) {
        if (cable->CableType() != kCableAntenna || !cable->Touches(selected)) {
            continue;
        }
        const SSceneUnit* from = scene.Find(cable->Start());
        const SSceneUnit* to = scene.Find(cable->End());
        SSceneCable drawn;
        if (from == nullptr || to == nullptr || !from->shown || !to->shown ||
            !ConnectorPoint(*from, cable->StartKind(), cable->StartIndex(), 0, drawn.from) ||
            !ConnectorPoint(*to, cable->EndKind(), cable->EndIndex(), 0, drawn.to)) {
            continue;
        }
        drawn.colour = Manager().CableColourOrWhite(kGroupAntenna, true);
        drawn.width = 2.8;
        drawn.selected = true;
        drawn.cableType = kCableAntenna;
        scene.cables.push_back(drawn);
    }
}

void CViewCabinetUnits::FillList(SListContent& content) const {
    CDataBaseKODA* db = Shown();
    if (db == nullptr) {
        return;
    }
    std::vector<const CUnit*> units;
    for (const auto& u : db->Units()) {
        if (u->Owner() == nullptr && IsUnitShown(*u)) {
            units.push_back(u.get());
        }
    }
    std::stable_sort(units.begin(), units.end(), [](const CUnit* a, const CUnit* b) {
        return a->Kind() != b->Kind() ? a->Kind() < b->Kind() : a->Number() < b->Number();
    });
    const CCabinet* cabinet = db->Cabinet(0);
    for (const CUnit* u : units) {
        SListRow row;
        const std::string_view type = u->TypeDescription();
        std::string band = BandCell(*u);
        row.cells = {ViewTexts::UnitName(*u), cabinet != nullptr ? cabinet->LocationText(*u) : "",
                     type.empty() ? std::string(u->Description()) : std::string(type),
                     std::move(band)};
        row.unitKind = u->Kind();
        row.unitNumber = u->Number();
        content.rows.push_back(std::move(row));
    }
}

// BB2 - RVx cross-connection ---------------------------------------------------------------

CViewBB2::CViewBB2(CViewBase& manager)
    : CViewPageBase(manager,
                    {kViewBB2,
                     "BB2 - RVx Cross-connection",
                     "BB2-RVx\nCross-conn.",
                     304,
                     32775,
                     {"RVx", "Connected To"},
                     {}},
                    kGroupBB2) {}

bool CViewBB2::Shows(const CUnit& unit) const {
    return unit.Kind() == kUnitKindTrx || unit.Kind() == kUnitKindBb2;
}

bool CViewBB2::ConnectorRowsHitTestable(const CUnit& unit) const {
    return unit.Kind() == kUnitKindBb2;
}

void CViewBB2::AddCables(SCabinetScene& scene) const {
    const CDataBaseKODA* db = Shown();
    const CUnit* selected = Manager().SelectedUnit();
    // The two halves leave the foot of the baseband unit side by side. A line ends on the top
    // edge of its transceiver where the straight-through half would meet it, so that a
    // straight-through cabinet shows parallel lines and every changed connection slants.
    const auto halfX = [](const SRect& bb2Place, int bb2Id) {
        const int w = bb2Place.right - bb2Place.left;
        return bb2Place.left + (bb2Id % 2 == 1 ? w / 3 : 2 * w / 3) + 1;
    };
    const auto halfPoint = [&](int bb2Id, SPoint& out) {
        const CUnit* bb2 = db->FindUnit(kUnitKindBb2, (bb2Id - 1) / 2 + 1);
        const SSceneUnit* at = bb2 != nullptr ? scene.Find(bb2) : nullptr;
        if (at == nullptr || !at->shown) {
            return false;
        }
        out = {halfX(at->rect, bb2Id), at->rect.bottom - 2};
        return true;
    };
    const CCabinet* cabinet = db->Cabinet(0);
    for (int n = 1; n <= 12; ++n) {
        const auto* trx = db->Find<CUnitKTrx>(kUnitKindTrx, n);
        const SSceneUnit* at = trx != nullptr ? scene.Find(trx) : nullptr;
        if (at == nullptr || !at->shown || trx->Bb2Id() < 1) {
            continue;
        }
        const SRect straight = cabinet->PlaceRect((n - 1) / 2 + 3, scene.variant, nullptr);
        const SPoint end{halfX(straight, n), at->rect.top + 4};
        SSceneLine line;
        line.to = end;
        line.trx = n;
        if (halfPoint(trx->Bb2Id(), line.from)) {
            const bool sel = selected == trx;
            line.dashed = !sel;
            line.colour = Manager().CableColourOrWhite(kGroupBB2, sel);
            scene.lines.push_back(line);
        }
        const int preview = trx->Preview(kPreviewLink);
        SSceneLine previewLine;
        if (preview > 0 && preview != trx->Bb2Id() && halfPoint(preview, previewLine.from)) {
            previewLine.to = end;
            previewLine.trx = n;
            previewLine.colour = kSceneWhite;
            scene.lines.push_back(previewLine);
        }
    }
    // The selected lines go on top of the dashed ones.
    std::stable_partition(scene.lines.begin(), scene.lines.end(),
                          [](const SSceneLine& l) { return l.dashed; });
}

void CViewBB2::FillList(SListContent& content) const {
    const CDataBaseKODA* db = Shown();
    FillTrxRows(content, [db](const CUnitKTrx& trx) -> std::vector<std::string> {
        return {ViewTexts::Bb2Half(*db, trx.Bb2Id())};
    });
}

// Cabling views ---------------------------------------------------------------------------

CViewCablingBase::CViewCablingBase(CViewBase& manager, SViewDescription description, int cableType)
    : CViewPageBase(manager, std::move(description), cableType), m_cableType(cableType) {}

bool CViewCablingBase::ConnectorRowsHitTestable(const CUnit& unit) const {
    return IsCombiner(&unit);
}

void CViewCablingBase::AddCables(SCabinetScene& scene) const {
    AddCablePasses(scene, {m_cableType}, false);
}

CViewTXCabling::CViewTXCabling(CViewBase& manager)
    : CViewCablingBase(manager,
                       {kViewTxCabling,
                        "TX Cabling",
                        "TX\nCabling",
                        305,
                        32776,
                        {"RVx", "TX Combiner"},
                        {"RVx", "Path 1", "Path 2", "TX Combiner"}},
                       kCableTx) {}

bool CViewTXCabling::Shows(const CUnit& unit) const {
    const int k = unit.Kind();
    if (k == kUnitKindTrx || k == kUnitKindDdu || k == kUnitKindRtc) {
        return true;
    }
    return Manager().ShowWideband() && (IsMulticoupler(k) || IsWideband(k));
}

void CViewTXCabling::FillList(SListContent& content) const {
    const CDataBaseKODA* db = Shown();
    const bool paths = Manager().ShowWideband();
    FillTrxRows(content, [db, paths](const CUnitKTrx& trx) -> std::vector<std::string> {
        const STrxCabling& c = trx.Cabling();
        if (!paths) {
            return {ViewTexts::Combiner(*db, c.txCombinerId)};
        }
        return {ViewTexts::TxPath(*db, c.txPath1), ViewTexts::TxPath(*db, c.txPath2),
                ViewTexts::Combiner(*db, c.txCombinerId)};
    });
}

CViewMainRXCabling::CViewMainRXCabling(CViewBase& manager)
    : CViewMainRXCabling(manager,
                         {kViewRxMainCabling,
                          "RX Main Cabling",
                          "RX Main\nCabling",
                          309,
                          32777,
                          {"RVx", "RX Combiner"},
                          {"RVx", "RX Main Multicoupler", "RX Combiner"}},
                         kCableRxMain) {}

CViewMainRXCabling::CViewMainRXCabling(CViewBase& manager, SViewDescription description,
                                       int cableType)
    : CViewCablingBase(manager, std::move(description), cableType) {}

bool CViewMainRXCabling::Shows(const CUnit& unit) const {
    const int k = unit.Kind();
    if (k == kUnitKindTrx || k == kUnitKindDdu || k == kUnitKindRtc) {
        return true;
    }
    return Manager().ShowWideband() && IsMulticoupler(k);
}

void CViewMainRXCabling::FillList(SListContent& content) const {
    FillRxRows(content, &STrxCabling::rxMainMulticoupler, &STrxCabling::rxCombinerId);
}

void CViewMainRXCabling::FillRxRows(SListContent& content, int STrxCabling::*multicoupler,
                                    int STrxCabling::*combiner) const {
    const CDataBaseKODA* db = Shown();
    const bool mc = Manager().ShowWideband();
    FillTrxRows(content, [=](const CUnitKTrx& trx) -> std::vector<std::string> {
        const STrxCabling& c = trx.Cabling();
        if (!mc) {
            return {ViewTexts::Combiner(*db, c.*combiner)};
        }
        return {ViewTexts::Multicoupler(*db, c.*multicoupler),
                ViewTexts::Combiner(*db, c.*combiner)};
    });
}

CViewDivRXCabling::CViewDivRXCabling(CViewBase& manager)
    : CViewMainRXCabling(manager,
                         {kViewRxDivCabling,
                          "RX Diversity Cabling",
                          "RX Div.\nCabling",
                          307,
                          32778,
                          {"RVx", "RX Div Combiner"},
                          {"RVx", "RX Div Multicoupler", "RX Div Combiner"}},
                         kCableRxDiv) {}

bool CViewDivRXCabling::Shows(const CUnit& unit) const {
    return unit.Kind() == kUnitKindExternal || CViewMainRXCabling::Shows(unit);
}

void CViewDivRXCabling::FillList(SListContent& content) const {
    FillRxRows(content, &STrxCabling::rxDiversityMulticoupler, &STrxCabling::rxDiversityCombiner);
}

// All Cabling -----------------------------------------------------------------------------

CViewAllCabling::CViewAllCabling(CViewBase& manager)
    : CViewPageBase(manager, {kViewAllCabling,
                              "All Cabling",
                              "All\nCabling",
                              308,
                              32779,
                              {"RVx", "TX Combiner", "RX Combiner", "RX Div Combiner"},
                              {}}) {}

int CViewAllCabling::PictureVariant() const {
    const CDataBaseKODA* db = Shown();
    return db != nullptr && db->CableColouring() != 0 ? 3 : 0;
}

bool CViewAllCabling::Shows(const CUnit& unit) const {
    const int k = unit.Kind();
    if (k == kUnitKindTrx || k == kUnitKindDdu || k == kUnitKindRtc || k == kUnitKindExternal) {
        return true;
    }
    return Manager().ShowWideband() && (IsMulticoupler(k) || IsWideband(k));
}

bool CViewAllCabling::ConnectorRowsHitTestable(const CUnit& unit) const {
    return IsCombiner(&unit);
}

void CViewAllCabling::AddCables(SCabinetScene& scene) const {
    AddCablePasses(scene, {kCableTx, kCableRxMain, kCableRxDiv}, true);
}

void CViewAllCabling::FillList(SListContent& content) const {
    const CDataBaseKODA* db = Shown();
    FillTrxRows(content, [db](const CUnitKTrx& trx) -> std::vector<std::string> {
        const STrxCabling& c = trx.Cabling();
        return {ViewTexts::Combiner(*db, c.txCombinerId), ViewTexts::Combiner(*db, c.rxCombinerId),
                ViewTexts::Combiner(*db, c.rxDiversityCombiner)};
    });
}

// Antenna Settings ------------------------------------------------------------------------

CViewAntenna::CViewAntenna(CViewBase& manager)
    : CViewPageBase(manager,
                    {kViewAntenna,
                     "Antenna Settings",
                     "Antenna\nSettings",
                     306,
                     32780,
                     {"Antenna", "Connected To", "MHA Type", "Attenuation Value", "VSWR",
                      "Co-Site Powered MHA"},
                     {}},
                    kGroupAntenna) {}

void CViewAntenna::Refresh() {
    if (CSiteKODA* site = Manager().Site()) {
        ApplyAntennaTypeRule(*site);
    }
}

bool CViewAntenna::Shows(const CUnit& unit) const {
    const int k = unit.Kind();
    return k == kUnitKindDdu || k == kUnitKindMha || k == kUnitKindRtc;
}

bool CViewAntenna::ConnectorRowsHitTestable(const CUnit& unit) const {
    return IsCombiner(&unit);
}

void CViewAntenna::AddCables(SCabinetScene& scene) const {
    AddCablePasses(scene, {kCableAntenna}, false);
    const CUnit* selected = Manager().SelectedUnit();
    const CDataBaseKODA* db = Shown();
    if (selected == nullptr || db == nullptr) {
        return;
    }
    std::set<int> ports;
    if (IsCombiner(selected)) {
        ports = PortsOf(*selected);
    } else if (selected->Kind() == kUnitKindMha) {
        if (const CAntenna* antenna = db->Antenna(selected->Number())) {
            if (antenna->ConnectedCombiner() > 0) {
                ports.insert(antenna->ConnectedCombiner());
            }
        }
    }
    if (ports.empty()) {
        return;
    }
    const SceneColour colour = Manager().CableColourOrWhite(kGroupAntenna, true);
    for (int n = 1; n <= 12; ++n) {
        const auto* trx = db->Find<CUnitKTrx>(kUnitKindTrx, n);
        const SSceneUnit* at = trx != nullptr ? scene.Find(trx) : nullptr;
        if (at == nullptr || trx->IsUpgrade()) {
            continue;
        }
        const STrxCabling& c = trx->Cabling();
        if (ports.count(c.txCombinerId) + ports.count(c.rxCombinerId) +
                ports.count(c.rxDiversityCombiner) ==
            0) {
            continue;
        }
        scene.antennaMarks.push_back({{at->rect.right - 12, at->rect.top + 2}, colour});
    }
}

void CViewAntenna::FillList(SListContent& content) const {
    const CDataBaseKODA* db = Shown();
    if (db == nullptr) {
        return;
    }
    for (int i = 1; i <= CDataBaseKODA::kAntennas; ++i) {
        const CAntenna* a = db->Antenna(i);
        if (a == nullptr || a->ConnectedCombiner() == 0) {
            continue;
        }
        SListRow row;
        row.cells = {"Antenna " + std::to_string(i),
                     ViewTexts::Combiner(*db, a->ConnectedCombiner()),
                     CAntenna::MhaTypeText(a->MhaType(true)),
                     db->AntennaAttenuationText(i),
                     ViewTexts::YesNo(a->VswrMonitoring()),
                     ViewTexts::YesNo(a->CositeMha() == 1)};
        if (const CUnit* mha = db->FindUnit(kUnitKindMha, i); mha != nullptr) {
            row.unitKind = kUnitKindMha;
            row.unitNumber = i;
        }
        content.rows.push_back(std::move(row));
    }
}

// Passive Units ---------------------------------------------------------------------------

CViewPassive::CViewPassive(CViewBase& manager)
    : CViewPageBase(manager, {kViewPassive,
                              "Passive Units",
                              "Passive\nUnits",
                              311,
                              32782,
                              {"Passive Unit", "Serial Number", "Product Identifier"},
                              {}}) {}

void CViewPassive::FillList(SListContent& content) const {
    const CHWInfoFile* info = Manager().Host().PassiveUnits(Manager().ShownSelector());
    if (info == nullptr) {
        return;
    }
    for (const CHWInfoSlotEntry& e : info->FilledSlots()) {
        SListRow row;
        // The list shows UTF-8; the table keeps the bytes of its files.
        row.cells = {CHWInfoFile::ListName(e.group, e.slot), Cp1252ToUtf8(e.serialNumber),
                     Cp1252ToUtf8(e.productId)};
        row.passiveGroup = e.group;
        row.passiveSlot = e.slot;
        content.rows.push_back(std::move(row));
    }
}
