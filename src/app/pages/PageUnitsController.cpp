#include "app/pages/PageUnitsController.h"

#include <cstdio>

#include "files/SCFKeywords.h"
#include "model/BandInformation.h"
#include "model/SiteKODA.h"
#include "model/UnitTypeCatalogue.h"

namespace {

constexpr int kLastSlot = 13;

// A unit of the kind and type standing at the number, to ask the cabinet and the site about.
std::unique_ptr<CUnit> Probe(int kind, int typeId, int number) {
    auto unit = CSiteKODA::CreateUnitOfKind(kind);
    if (unit != nullptr) {
        if (typeId > 0) {
            unit->SetType(typeId);
        }
        unit->SetNumber(number);
    }
    return unit;
}

} // namespace

ComboItems PageUnitsController::Kinds() const {
    ComboItems items{{kNoUnit, 0}};
    const CDataBaseKODA& db = Candidate();
    const CCabinet* cabinet = db.Cabinet(0);
    for (int kind = 1; kind <= kUnitKindWbt; ++kind) {
        const std::string name = Site().KindName(kind);
        if (name.empty()) {
            continue;
        }
        bool hasPlace = !combo::IsMini(db) || cabinet == nullptr;
        for (int n = 1; !hasPlace && n <= kLastSlot; ++n) {
            const auto probe = Probe(kind, 0, n);
            hasPlace = probe != nullptr && cabinet->PlaceIndex(*probe) >= 0;
        }
        if (hasPlace) {
            items.push_back({name, kind});
        }
    }
    return items;
}

ComboItems PageUnitsController::Types() const {
    ComboItems items;
    if (m_kind == 0) {
        return items;
    }
    const int band = Candidate().Band();
    for (const UnitTypeRecord& row : UnitTypeCatalogue::Table(EUnitFamily::Orvik)) {
        // A configuration file has no code for some transmission unit types (the dummy one):
        // such a unit would be left out of every save, so it is not offered.
        if (row.category == kUnitKindTre && TreUnitTypeToCode(row.typeId) < 0) {
            continue;
        }
        if (row.category == m_kind && UnitTypeCatalogue::RowOffered(row, band)) {
            items.push_back({std::string(UnitTypeCatalogue::Code(row)), row.typeId});
        }
    }
    return items;
}

ComboItems PageUnitsController::Slots() const {
    ComboItems items;
    if (m_kind == 0) {
        return items;
    }
    CDataBaseKODA& db = Candidate();
    db.RebuildOccupancyMaps();
    const CCabinet* cabinet = db.Cabinet(0);
    const CUnit* current = Unit();
    for (int n = 1; n <= kLastSlot; ++n) {
        const auto probe = Probe(m_kind, m_chosenType, n);
        if (probe == nullptr || (cabinet != nullptr && cabinet->PlaceIndex(*probe) < 0)) {
            continue;
        }
        if (Site().PlacesFree(kSelectCandidate, *probe, current)) {
            items.push_back({std::to_string(n), n});
        }
    }
    return items;
}

CUnit* PageUnitsController::Unit() const {
    return m_kind == 0 ? nullptr : Candidate().FindUnit(m_kind, m_number);
}

bool PageUnitsController::IsNotYetAdded() const {
    const CUnit* unit = Unit();
    return unit != nullptr && unit->Mark() == kNotYetAdded;
}

void PageUnitsController::Select(int kind, int number) {
    if (kind == m_kind && number == m_number) {
        return;
    }
    DropNotYetAdded();
    m_kind = kind;
    m_number = number;
    m_chosenSlot = 0;
    m_chosenType = 0;
    if (m_kind == 0) {
        return;
    }
    if (const CUnit* unit = Unit()) {
        m_chosenType = unit->TypeId();
        m_chosenSlot = unit->Number();
    } else if (Editable()) {
        CreateNotYetAdded();
    }
    Document().SelectUnitInViews(m_kind, m_number);
    Document().RedrawViews();
}

void PageUnitsController::FollowSelection(int kind, int number) {
    Select(kind != 0 && combo::Offers(Kinds(), kind) ? kind : 0, number);
}

void PageUnitsController::Leave() {
    DropNotYetAdded();
    m_kind = 0;
    m_number = 0;
}

void PageUnitsController::CreateNotYetAdded() {
    const ComboItems types = Types();
    auto unit = Probe(m_kind, types.empty() ? 0 : types.front().data, m_number);
    if (unit == nullptr) {
        return;
    }
    m_chosenType = unit->TypeId();
    m_chosenSlot = m_number;
    unit->SetMark(kNotYetAdded);
    Site().AddUnit(std::move(unit), false, kSelectCandidate);
}

void PageUnitsController::DropNotYetAdded() {
    CUnit* unit = Unit();
    if (unit == nullptr || unit->Mark() != kNotYetAdded) {
        return;
    }
    // A removed unit that is kept returns to being an upgrade unit; any other goes.
    Site().RemoveUnit(unit, kSelectCandidate);
    if (CUnit* kept = Unit()) {
        kept->SetMark(0);
    }
    Candidate().RebuildOccupancyMaps();
}

bool PageUnitsController::ChooseType(int typeId) {
    if (!combo::Offers(Types(), typeId)) {
        return false;
    }
    m_chosenType = typeId;
    CUnit* unit = Unit();
    if (unit == nullptr) {
        return true;
    }
    if (unit->Mark() == kNotYetAdded) {
        unit->SetType(typeId);
        Document().RedrawViews();
    } else if ((Candidate().Band() & kBandMaskBits) == (kBand900 | kBand1800)) {
        Prompt().Message(kDualBandNote);
    }
    return true;
}

std::string PageUnitsController::LocationText() const {
    const CUnit* unit = Unit();
    const CCabinet* cabinet = Candidate().Cabinet(0);
    return unit != nullptr && cabinet != nullptr ? cabinet->LocationText(*unit) : std::string();
}

std::string PageUnitsController::BandText() const {
    const CUnit* unit = Unit();
    if (unit == nullptr) {
        return {};
    }
    const std::string connection = unit->ConnectionText();
    return connection.empty() ? unit->BandText() : connection;
}

std::string PageUnitsController::ConnectorChangeText() const {
    const CUnit* unit = Unit();
    if (unit == nullptr || unit->Kind() != kUnitKindDdu || m_chosenSlot <= 0 ||
        m_chosenSlot == unit->Number()) {
        return {};
    }
    const auto probe = Probe(m_kind, unit->TypeId(), m_chosenSlot);
    if (probe->DisplayedNumber() == unit->DisplayedNumber()) {
        return {};
    }
    char text[64];
    std::snprintf(text, sizeof text, "(Backplane-connector changes from %d to %d)",
                  unit->DisplayedNumber(), probe->DisplayedNumber());
    return text;
}

bool PageUnitsController::AddEnabled() const {
    const CUnit* unit = Unit();
    return Editable() && unit != nullptr && (unit->Mark() == kNotYetAdded || unit->IsUpgrade());
}

bool PageUnitsController::ModifyEnabled() const {
    const CUnit* unit = Unit();
    return Editable() && unit != nullptr && unit->Mark() != kNotYetAdded && !unit->IsUpgrade();
}

bool PageUnitsController::RemoveEnabled() const {
    return ModifyEnabled();
}

void PageUnitsController::FinishUnitEdit() {
    Site().RemoveOrMarkIdleCombiners(1, kSelectCandidate);
    Candidate().RebuildOccupancyMaps();
    EndEdit(true);
}

bool PageUnitsController::Add() {
    if (!AddEnabled() || !combo::Offers(Types(), m_chosenType)) {
        return false;
    }
    // The step must hold the configuration as it was, without the unit that is being added.
    DropNotYetAdded();
    if (!BeginEdit(kAddLabel)) {
        return false;
    }
    CUnit* unit = Unit();
    if (unit == nullptr) {
        Site().AddUnit(Probe(m_kind, m_chosenType, m_number), false, kSelectCandidate);
        unit = Unit();
    }
    unit->SetType(m_chosenType);
    unit->SetUpgrade(false);
    unit->SetMark(0);
    FinishUnitEdit();
    return true;
}

bool PageUnitsController::Remove() {
    if (!RemoveEnabled() || !BeginEdit(kRemoveLabel)) {
        return false;
    }
    CUnit* unit = Unit();
    Site().ReleaseUnitCabling(*unit);
    if (unit->KeepWhenRemoved()) {
        unit->SetUpgrade(true);
        unit->SetOwner(nullptr);
        unit->SetMark(kNotYetAdded);
    } else {
        // Deleted with its cables; the page goes on showing its place so that it can be added
        // again.
        const int typeId = unit->TypeId();
        Site().RemoveUnit(unit, kSelectCandidate);
        auto again = Probe(m_kind, typeId, m_number);
        again->SetMark(kNotYetAdded);
        Site().AddUnit(std::move(again), false, kSelectCandidate);
    }
    FinishUnitEdit();
    return true;
}

bool PageUnitsController::Modify() {
    if (!ModifyEnabled() || !combo::Offers(Types(), m_chosenType)) {
        return false;
    }
    const int slot = m_chosenSlot > 0 ? m_chosenSlot : m_number;
    if (slot != m_number && !combo::Offers(Slots(), slot)) {
        return false;
    }
    if (!BeginEdit(kModifyLabel)) {
        return false;
    }
    CUnit* unit = Unit();
    unit->SetType(m_chosenType);
    if (slot != m_number) {
        if (CUnit* other = Candidate().FindUnit(m_kind, slot)) {
            // The place is taken by a unit of the same kind: that unit becomes the one the user
            // chose, and the one that was moved away leaves its place and its cables.
            Site().ReleaseUnitCabling(*unit);
            Site().RemoveUnit(unit, kSelectCandidate);
            other->SetType(m_chosenType);
            other->SetUpgrade(false);
            other->SetMark(0);
        } else {
            const int fromConnector = unit->DisplayedNumber();
            unit->SetNumber(slot);
            Site().MoveDduCabling(m_kind, fromConnector, unit->DisplayedNumber());
        }
        m_number = slot;
        Document().SelectUnitInViews(m_kind, m_number);
    }
    Candidate().RebuildOccupancyMaps();
    EndEdit(true);
    return true;
}

ComboItems PageUnitsController::NetworkTypes() {
    CBandChoiceVector list;
    CBandInformation::FillBandChoiceList(list, true, true, true, true);
    ComboItems items;
    for (const auto& entry : list.entries) {
        items.push_back({entry.text, entry.value});
    }
    return items;
}

ComboItems PageUnitsController::EdgeChoices() {
    return {{"None", 0}, {"Some", kEdgeSome}, {"All", kEdgeAll}};
}

int PageUnitsController::NetworkType() const {
    return Candidate().Band() & kBandMaskBits;
}

int PageUnitsController::EdgeChoice() const {
    return Candidate().Band() & (kEdgeAll | kEdgeSome);
}

bool PageUnitsController::IsOfferedBand(int band) {
    const int mask = band & kBandMaskBits;
    const int marks = band & ~kBandMaskBits;
    const bool maskOffered = mask == kBand900 || mask == kBand1800 || mask == kBand1900 ||
                             mask == kBand800 || mask == (kBand900 | kBand1800) ||
                             mask == (kBand800 | kBand1900);
    return maskOffered && (marks == 0 || marks == kEdgeAll || marks == kEdgeSome);
}

bool PageUnitsController::ChangeBand(int band) {
    if (!IsOfferedBand(band) || band == Candidate().Band()) {
        return false;
    }
    DropNotYetAdded();
    if (!BeginEdit("Change Band To " + CBandInformation::BandNameOfValue(band))) {
        return false;
    }
    Site().SetBand(band, kSelectCandidate, true);
    Document().BandChanged();
    Site().Refresh(false);
    EndEdit(true);
    // A unit the page was about to add may no longer suit the band.
    if (m_kind != 0 && Unit() == nullptr && Editable()) {
        CreateNotYetAdded();
    }
    return true;
}
