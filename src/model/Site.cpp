#include "model/Site.h"

#include <algorithm>

#include "model/BandInformation.h"
#include "model/BtsConfiguration.h"
#include "model/UnitTypeRecord.h"

CSite::CSite(ISiteHost* host, IPrompt* prompt)
    : m_host(host != nullptr ? host : &m_nullHost),
      m_prompt(prompt != nullptr ? prompt : &m_nullHost) {}

CSite::~CSite() = default;

bool CSite::SelectsBts(int selector) const {
    return m_forcedMode == kSelectBts || selector == kSelectBts ||
           (m_showBts && selector != kSelectCandidate && m_forcedMode != kSelectCandidate);
}

void CSite::SetForcedMode(int mode) {
    if (m_forcedMode == 0) {
        m_forcedMode = mode;
    }
}

CDataBase* CSite::Candidate() {
    if (CDataBase* current = m_undo.Current())
        return current;
    CDataBase* created = m_undo.Fill(CreateDataBase());
    if (created == nullptr) {
        m_prompt->Message("Internal error: Failed to create new instance of CSite derived "
                          "class.");
    }
    return created;
}

CDataBase* CSite::GetConfiguration(int selector) {
    if (SelectsBts(selector)) {
        return CBtsConfiguration::Get();
    }
    return Candidate();
}

bool CSite::HasConfiguration(int selector) {
    return GetConfiguration(selector) != nullptr;
}

const CDataBase* CSite::Snapshot(int slot) const {
    return m_undo.Slot(slot);
}

CUnit* CSite::FirstUnitOfKind(int& position, int kind, int selector) {
    position = 0;
    return NextUnitOfKind(position, kind, selector);
}

CUnit* CSite::NextUnitOfKind(int& position, int kind, int selector) {
    CDataBase* db = GetConfiguration(selector);
    return db != nullptr ? db->NextUnitOfKind(position, kind) : nullptr;
}

CUnit* CSite::FindUnit(int kind, int number, int selector) {
    CDataBase* db = GetConfiguration(selector);
    return db != nullptr ? db->FindUnit(kind, number) : nullptr;
}

CUnit* CSite::FindUnitByDisplayedNumber(int kind, int displayedNumber, int selector) {
    CDataBase* db = GetConfiguration(selector);
    return db != nullptr ? db->FindUnitByDisplayedNumber(kind, displayedNumber) : nullptr;
}

CCabling* CSite::FirstCable(int& position, int selector) {
    position = 0;
    return NextCable(position, selector);
}

CCabling* CSite::NextCable(int& position, int selector) {
    CDataBase* db = GetConfiguration(selector);
    if (db == nullptr || position < 0 || position >= static_cast<int>(db->Cables().size())) {
        return nullptr;
    }
    return db->Cables()[position++].get();
}

CCabinet* CSite::Cabinet(int index, int selector) {
    CDataBase* db = GetConfiguration(selector);
    return db != nullptr ? db->Cabinet(index) : nullptr;
}

int CSite::AddUnit(std::unique_ptr<CUnit> unit, bool withUndo, int selector) {
    if (!unit) {
        return -1;
    }
    if (withUndo) {
        PushUndoStep("Add Unit");
    }
    CDataBase* db = GetConfiguration(selector);
    return db != nullptr ? db->AddUnit(std::move(unit)) : -1;
}

void CSite::RemoveUnit(CUnit* unit, int selector) {
    CDataBase* db = GetConfiguration(selector);
    if (db == nullptr || unit == nullptr || !db->Contains(unit)) {
        return;
    }
    if (unit->KeepWhenRemoved()) {
        unit->SetUpgrade(true);
        unit->SetOwner(nullptr);
        unit->SetMark(0);
        return;
    }
    const int kind = unit->Kind();
    const int number = unit->Number();
    db->DeleteUnit(unit);
    m_host->UnitDeleted(kind, number);
}

bool CSite::ContainsUnit(const CUnit* unit) {
    CDataBase* db = Candidate();
    return db != nullptr && db->Contains(unit);
}

int CSite::AddCable(std::unique_ptr<CCabling> cable, int selector) {
    CDataBase* db = GetConfiguration(selector);
    return db != nullptr ? db->AddCable(std::move(cable)) : -1;
}

void CSite::RemoveCable(const CCabling* cable, int selector) {
    if (CDataBase* db = GetConfiguration(selector)) {
        db->RemoveCable(cable);
    }
}

CLogicalUnit* CSite::LogicalUnitFor(int logicalKind, const CUnit& unit, int selector) {
    CDataBase* db = GetConfiguration(selector);
    if (db == nullptr) {
        return nullptr;
    }
    if (CLogicalUnit* found = db->FindLogicalUnit(logicalKind, unit.Kind(), unit.Number())) {
        return found;
    }
    return CreateLogicalUnit(logicalKind, &unit, selector);
}

CLogicalUnit* CSite::CreateLogicalUnit(int logicalKind, const CUnit* unit, int selector) {
    CDataBase* db = GetConfiguration(selector);
    if (db == nullptr || unit == nullptr) {
        return nullptr;
    }
    if (CLogicalUnit* found = db->FindLogicalUnit(logicalKind, unit->Kind(), unit->Number())) {
        return found;
    }
    auto logical = CLogicalUnit::Create(logicalKind);
    if (!logical) {
        return nullptr;
    }
    logical->Attach(unit->Kind(), unit->Number());
    return db->AddLogicalUnit(std::move(logical));
}

void CSite::SetBand(int bandValue, int selector, bool force) {
    if (bandValue == kBandAny) {
        return;
    }
    CDataBase* db = GetConfiguration(selector);
    if (db == nullptr) {
        return;
    }
    const int previous = db->Band();
    const bool dual = CBandInformation::IsDualBand(bandValue);
    const int primary =
        dual ? CBandInformation::PrimaryBand(bandValue) | (bandValue & ~kBandMaskBits) : bandValue;
    // An 800 band transceiver only exists as EDGE, so its units are given the types a file with
    // these transceivers reads back as; without the mark a QD2A saved here reopened as a QD2E.
    // The network keeps the mark too, or a unit added later would be given the other type.
    const int edge = (primary & kBandMaskBits) == kBand800 ? kEdgeAll : 0;
    db->SetBand(dual || edge == 0 ? bandValue : (bandValue & ~kEdgeSome) | edge);
    if (dual && !force) {
        return;
    }
    const int apply = primary | edge;
    // A dual band keeps the units of both its bands as they are: a 1900 transceiver of a site
    // going 800/1900 stays one. Judged with the 800 band's EDGE mark, it became an 800 EDGE
    // transceiver cabled to the 1900 duplexers it had served. Units of no band (the base band
    // units) follow the EDGE marks of the transceivers that result, as a file reopens them.
    const auto bandless = [](const CUnit& unit) {
        return (unit.Band() & kBandMaskBits) == 0 || (unit.Band() & kBandMaskBits) == 15;
    };
    const bool twoPasses = dual && edge != 0;
    for (const auto& unit : db->Units()) {
        if (twoPasses && bandless(*unit)) {
            continue;
        }
        if (!unit->AcceptsBand(dual ? bandValue : bandValue | edge, previous)) {
            // An MHA decides from its own type whether it is one with bypass.
            unit->ApplyBand(apply);
        }
    }
    if (!twoPasses) {
        return;
    }
    // 800/1900 without EDGE marks has just made 800 EDGE transceivers: the network takes the
    // marks they give, or a base band unit added later would be the non-EDGE type that a file
    // of all-EDGE transceivers reopens as the other one.
    // Without a transceiver in use there are no marks to take: the 800 band's own stand.
    int marks = bandValue & (kEdgeAll | kEdgeSome);
    if (marks == 0) {
        const int collected = CollectBand(selector, false);
        marks = collected != 0 ? collected & (kEdgeAll | kEdgeSome) : edge;
        if (collected != 0) {
            db->SetBand(bandValue | marks);
        }
    }
    for (const auto& unit : db->Units()) {
        if (bandless(*unit) && !unit->AcceptsBand(bandValue | marks, previous)) {
            unit->ApplyBand(CBandInformation::PrimaryBand(bandValue) | marks);
        }
    }
}

int CSite::CollectBand(int selector, bool includeOutOfUse, CBandInformation* info) {
    std::vector<CBandInformation::Trx> trxs;
    trxs.reserve(12);
    for (int number = 1; number <= 12; ++number) {
        CUnit* trx = FindUnit(kUnitKindTrx, number, selector);
        if (trx == nullptr) {
            continue;
        }
        if (trx->Band() == kBandAny) {
            trx->AdaptToBand(kBand900);
        }
        trxs.push_back({trx->Band(), trx->IsEdge(), trx->IsOutOfUse()});
    }
    CBandInformation local;
    return (info != nullptr ? *info : local).Collect(trxs, includeOutOfUse);
}

void CSite::PushUndoStep(const std::string& label) {
    if (m_showBts) {
        return;
    }
    if (Candidate() == nullptr || !m_undo.Push()) {
        return;
    }
    CDataBase* step = m_undo.Current();
    step->SetName(label);
    step->SetCurrentItem(m_host->ViewSelection());
    if (m_cableGuy) {
        m_cableGuy->RecomputeCableStates(kSelectCandidate);
    }
    m_host->SetModified();
}

namespace {

// After an undo or a redo the pages and views start again from the candidate the ring gave back.
void FollowRestoredCandidate(ISiteHost& host, CCableGuy* cableGuy) {
    host.RefreshViews();
    host.NotifyMainWindow(kNotifyUndoPerformed, 0);
    if (cableGuy != nullptr) {
        cableGuy->RecomputeCableStates(kSelectCandidate);
    }
}

} // namespace

// A step is recorded while a page may show a unit that is not added (the place of one just
// removed, say). Given back, such a unit would belong to no page: drawn and cabled as part of the
// configuration, and left out of every save and send all the same.
void CSite::DropShownOnlyUnits() {
    CDataBase* db = Candidate();
    if (db == nullptr) {
        return;
    }
    std::vector<CUnit*> shown;
    for (const auto& unit : db->Units()) {
        if (unit->Mark() == CUnit::kMarkShownOnly) {
            shown.push_back(unit.get());
        }
    }
    for (CUnit* unit : shown) {
        RemoveUnit(unit, kSelectCandidate);
    }
    if (!shown.empty()) {
        RebuildOccupancyMaps(kSelectCandidate);
    }
}

int CSite::Undo(int selector) {
    if (selector == kSelectBts || !m_undo.Undo()) {
        return 0;
    }
    DropShownOnlyUnits();
    FollowRestoredCandidate(*m_host, m_cableGuy.get());
    return 1;
}

int CSite::Redo(int selector) {
    if (selector == kSelectBts || !m_undo.Redo()) {
        return 0;
    }
    DropShownOnlyUnits();
    FollowRestoredCandidate(*m_host, m_cableGuy.get());
    return 1;
}

std::string CSite::RedoLabel() const {
    if (m_undo.RedoCount() == 0) {
        return {};
    }
    const CDataBase* next = m_undo.Slot((m_undo.Index() + 1) % kRingSize);
    return next != nullptr ? next->Name() : std::string();
}

std::uint64_t CSite::CandidateState() {
    Candidate();
    return m_undo.CurrentState();
}

bool CSite::EditBtsConfiguration() {
    CDataBase* bts = CBtsConfiguration::Get();
    if (bts == nullptr) {
        return false;
    }
    // The previous candidate must stay reachable by undo even while the BTS one is shown.
    const bool showBts = m_showBts;
    m_showBts = false;
    PushUndoStep("Edit BTS Configuration");
    m_showBts = showBts;
    CDataBase* candidate = Candidate();
    if (candidate == nullptr) {
        return false;
    }
    candidate->CopyFrom(*bts);
    return true;
}

void CSite::Refresh(bool withDocument) {
    m_host->RefreshViews();
    if (!withDocument && m_cableGuy) {
        m_cableGuy->RecomputeCableStates(kSelectShown);
    }
}

void CSite::DropBtsConfiguration() {
    CBtsConfiguration::Drop();
}

int CSite::FreeConnector(int end, const CUnit& unit, int connectorKind, int startIndex,
                         int selector, CCabling** occupiedBy) {
    if (occupiedBy != nullptr) {
        *occupiedBy = nullptr;
    }
    CDataBase* db = GetConfiguration(selector);
    if (db == nullptr) {
        return -1;
    }
    auto user = [&](int index) -> CCabling* {
        for (const auto& cable : db->Cables()) {
            const bool atStart = cable->Start() == &unit && cable->StartKind() == connectorKind &&
                                 cable->StartIndex() == index;
            const bool atEnd = cable->End() == &unit && cable->EndKind() == connectorKind &&
                               cable->EndIndex() == index;
            if (end == 0 ? atStart : atEnd) {
                return cable.get();
            }
        }
        return nullptr;
    };
    int lastIndex = 0;
    for (const auto& c : unit.Connectors()) {
        if (c.kind == connectorKind) {
            lastIndex = std::max(lastIndex, c.index);
        }
    }
    const int first = startIndex == -1 ? 1 : startIndex;
    const int last = startIndex == -1 ? lastIndex : startIndex;
    for (int index = first; index <= last; ++index) {
        if (unit.FindConnector(connectorKind, index) == nullptr) {
            continue;
        }
        CCabling* cable = user(index);
        if (cable == nullptr) {
            return index;
        }
        if (occupiedBy != nullptr) {
            *occupiedBy = cable;
        }
    }
    return -1;
}
