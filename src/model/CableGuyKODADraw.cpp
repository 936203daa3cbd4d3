// Cables drawn with the mouse and the sharing of references between transceivers: how the
// user's drawing becomes references on the transceivers.

#include <algorithm>
#include <span>

#include "model/CableConnectors.h"
#include "model/CableGuy.h"
#include "model/Site.h"
#include "model/UnitKTrx.h"

namespace {

constexpr const char* kDragLabel = "Drag and Drop Cabling";
constexpr const char* kNoTrx = "RVx unit is zero";
constexpr const char* kIllegal = "Illegal cabling";

bool IsMulticoupler(const CUnit& u) {
    return u.Kind() == kUnitKindMc2 || u.Kind() == kUnitKindMc6;
}

// The connector of one of the kinds nearest to a point of the unit's picture.
const SConnector* NearestConnector(const CUnit& unit, std::span<const int> kinds, SPoint at) {
    const SConnector* best = nullptr;
    long bestDistance = 0;
    for (const SConnector& c : unit.Connectors()) {
        if (std::find(kinds.begin(), kinds.end(), c.kind) == kinds.end()) {
            continue;
        }
        const long dx = c.x + unit.DrawOffset() + 2 - at.x;
        const long dy = c.y + unit.DrawOffset() + 2 - at.y;
        const long d = dx * dx + dy * dy;
        if (best == nullptr || d < bestDistance) {
            best = &c;
            bestDistance = d;
        }
    }
    return best;
}

std::span<const int> OutputKinds(int cableType) {
    static constexpr int kTx[] = {kConnTxOut};
    static constexpr int kMain[] = {kConnRxMainOut};
    // A DDU feeds diversity from its RX outputs.
    static constexpr int kDiv[] = {kConnRxDivOut, kConnRxMainOut};
    static constexpr int kAnt[] = {kConnCombinerAntenna};
    switch (cableType) {
    case kCableTx:
        return kTx;
    case kCableRxMain:
        return kMain;
    case kCableRxDiv:
        return kDiv;
    case kCableAntenna:
        return kAnt;
    default:
        return {};
    }
}

int InputKind(int cableType) {
    switch (cableType) {
    case kCableTx:
        return kConnTxIn;
    case kCableRxMain:
        return kConnRxMainIn;
    case kCableRxDiv:
        return kConnRxDivIn;
    case kCableAntenna:
        return kConnMhaAntenna;
    default:
        return 0;
    }
}

CUnitKTrx* AsTrx(CUnit* unit) {
    return unit != nullptr && unit->Kind() == kUnitKindTrx ? dynamic_cast<CUnitKTrx*>(unit)
                                                           : nullptr;
}

// The transceiver whose references a drawn cable changes: its own end, else the one found by
// following the cables that feed A back (two stages), else the one fed through B by a cable of
// the drawn kind (an RX cable leaving a DDU says nothing about who transmits into it).
CUnitKTrx* DrawnTrx(const CDataBase& db, const CCabling& drawn) {
    if (CUnitKTrx* trx = AsTrx(drawn.End())) {
        return trx;
    }
    if (CUnitKTrx* trx = AsTrx(drawn.Start())) {
        return trx;
    }
    auto byNumber = [&](int n) { return AsTrx(db.FindUnit(kUnitKindTrx, n)); };
    for (const auto& c : db.Cables()) {
        if (c.get() == &drawn || c->IsMarker() || c->End() != drawn.Start()) {
            continue;
        }
        if (CUnitKTrx* trx = AsTrx(c->Start())) {
            return trx;
        }
        for (const auto& d : db.Cables()) {
            if (d.get() != &drawn && !d->IsMarker() && d->End() == c->Start()) {
                if (CUnitKTrx* trx = AsTrx(d->Start())) {
                    return trx;
                }
            }
        }
    }
    for (const auto& c : db.Cables()) {
        if (c.get() == &drawn || c->IsMarker() || c->Start() != drawn.End() ||
            c->CableClass() != drawn.CableClass()) {
            continue;
        }
        if (CUnitKTrx* trx = AsTrx(c->End())) {
            return trx;
        }
        if (CUnitKTrx* trx = byNumber(c->TrxNumber())) {
            return trx;
        }
    }
    return nullptr;
}

// Index of a unit in the configuration, so it can be found again in a copy; -1 for units the
// configuration does not own (external cabinets).
int IndexOf(const CDataBase& db, const CUnit* unit) {
    const auto& units = db.Units();
    for (size_t i = 0; i < units.size(); ++i) {
        if (units[i].get() == unit) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

CUnit* AtIndex(const CDataBase& db, int index, CUnit* shared) {
    return index >= 0 && index < static_cast<int>(db.Units().size()) ? db.Units()[index].get()
                                                                     : shared;
}

enum class EDrawResult { Unchanged, Changed, Illegal };

EDrawResult Store(int& field, int value) {
    if (field == value) {
        return EDrawResult::Unchanged;
    }
    field = value;
    return EDrawResult::Changed;
}

EDrawResult ApplyTx(STrxCabling& c, const CUnit& a, const CUnit& b, int endIndex) {
    const bool ddu = b.Kind() == kUnitKindDdu;
    if (a.Kind() == kUnitKindTrx) {
        if (ddu) {
            return Store(c.txCombinerId, b.OwnReference() + (endIndex == 2 ? 1 : 0));
        }
        if (b.Kind() == kUnitKindWbc) {
            return Store(c.txPath1, b.DisplayedNumber());
        }
        if (b.Kind() == kUnitKindRtc) {
            return Store(c.txCombinerId, b.OwnReference());
        }
        return EDrawResult::Illegal;
    }
    if (a.Kind() == kUnitKindWbc) {
        if (ddu) {
            return Store(c.txCombinerId, b.OwnReference() + (endIndex == 2 ? 1 : 0));
        }
        if (b.Kind() == kUnitKindWbc) {
            return Store(c.txPath2, b.DisplayedNumber());
        }
        return EDrawResult::Illegal;
    }
    return EDrawResult::Unchanged;
}

EDrawResult ApplyRx(int& combiner, int& multicoupler, const CUnit& a, const CUnit& b,
                    const CCabling& drawn) {
    const int dduPort = a.OwnReference() + (drawn.StartIndex() > 2 ? 1 : 0);
    // The RTC's diversity output is its second port also when it feeds a TRX directly.
    const int rtcPort = a.OwnReference() + (drawn.StartKind() == kConnRxDivOut ? 1 : 0);
    if (b.Kind() == kUnitKindTrx) {
        if (a.Kind() == kUnitKindDdu) {
            return Store(combiner, dduPort);
        }
        if (IsMulticoupler(a)) {
            return Store(multicoupler, a.OwnReference());
        }
        if (a.Kind() == kUnitKindRtc) {
            return Store(combiner, rtcPort);
        }
        return EDrawResult::Illegal;
    }
    if (IsMulticoupler(b)) {
        if (a.Kind() == kUnitKindDdu) {
            return Store(combiner, dduPort);
        }
        if (a.Kind() == kUnitKindRtc) {
            return Store(combiner, rtcPort);
        }
    }
    return EDrawResult::Unchanged;
}

} // namespace

int CCableGuyKODA::AddCableByMouse(int cableType, CUnit& a, CUnit& b, SPoint atA, SPoint atB) {
    CDataBase* db = m_site.GetConfiguration(kSelectCandidate);
    if (db == nullptr) {
        return 0;
    }
    CUnit* from = &a;
    CUnit* to = &b;
    SPoint atFrom = atA;
    SPoint atTo = atB;
    const int inKind = InputKind(cableType);
    const SConnector* out = NearestConnector(*from, OutputKinds(cableType), atFrom);
    const SConnector* in = NearestConnector(*to, std::span<const int>(&inKind, 1), atTo);
    if (out == nullptr || in == nullptr) {
        // Drawn against the signal: from the input to the output.
        std::swap(from, to);
        std::swap(atFrom, atTo);
        out = NearestConnector(*from, OutputKinds(cableType), atFrom);
        in = NearestConnector(*to, std::span<const int>(&inKind, 1), atTo);
    }
    if (out == nullptr || in == nullptr) {
        return 0;
    }
    auto cable = std::make_unique<CCabling>(from, out->kind, out->index, to, in->kind, in->index);
    cable->SetChanged(true);
    db->AddCable(std::move(cable));
    return 1;
}

int CCableGuyKODA::ApplyDrawnCable(CCabling& cable) {
    CDataBase* db = m_site.GetConfiguration(kSelectCandidate);
    // The configuration currently in BTS is read-only; there is no step to take back either.
    if (db == nullptr || m_site.ShowsBts() || cable.Start() == nullptr || cable.End() == nullptr) {
        return 0;
    }
    const int type = cable.CableClass();
    CUnitKTrx* trx = DrawnTrx(*db, cable);
    if (trx == nullptr) {
        m_site.Prompt().Message(kNoTrx);
        // The drawn cable stood for nothing; the cables follow the references again.
        RecomputeCableStates(kSelectCandidate);
        return 0;
    }
    // The undo step copies the candidate: find the units again in the copy by position.
    const int aIndex = IndexOf(*db, cable.Start());
    const int bIndex = IndexOf(*db, cable.End());
    const int trxIndex = IndexOf(*db, trx);
    CUnit* aShared = cable.Start();
    CUnit* bShared = cable.End();
    const CCabling drawn = cable;
    m_site.PushUndoStep(kDragLabel);
    db = m_site.GetConfiguration(kSelectCandidate);
    CUnit* a = AtIndex(*db, aIndex, aShared);
    CUnit* b = AtIndex(*db, bIndex, bShared);
    trx = AsTrx(AtIndex(*db, trxIndex, nullptr));
    if (a == nullptr || b == nullptr || trx == nullptr) {
        m_site.Undo(kSelectCandidate);
        m_site.DropRedo();
        return 0;
    }
    STrxCabling& c = trx->Cabling();
    EDrawResult result = EDrawResult::Unchanged;
    switch (type) {
    case kCableTx:
        result = ApplyTx(c, *a, *b, drawn.EndIndex());
        break;
    case kCableRxMain:
        result = ApplyRx(c.rxCombinerId, c.rxMainMulticoupler, *a, *b, drawn);
        break;
    case kCableRxDiv:
        result = ApplyRx(c.rxDiversityCombiner, c.rxDiversityMulticoupler, *a, *b, drawn);
        break;
    default:
        break;
    }
    if (result == EDrawResult::Illegal) {
        m_site.Prompt().Message(kIllegal);
    }
    if (result != EDrawResult::Changed) {
        // Taken back, not undone: a drag that changed nothing is no step to redo.
        m_site.Undo(kSelectCandidate);
        m_site.DropRedo();
        return 0;
    }
    ShareReferences(*trx, type, true, false, kSelectCandidate);
    RecomputeCableStates(kSelectCandidate);
    return 1;
}

void CCableGuyKODA::ShareReferences(CUnitKTrx& trx, int cableType, bool fill, bool preview,
                                    int selector) {
    CDataBase* db = m_site.GetConfiguration(selector);
    if (db == nullptr) {
        return;
    }
    STrxCabling& mine = trx.Cabling();
    auto value = [&](int field, int recorded) {
        return preview && trx.Preview(field) > 0 ? trx.Preview(field) : recorded;
    };
    auto fillMine = [&](int field, int& recorded, int& current, int theirs) {
        if (fill && current == 0 && theirs != 0) {
            current = theirs;
            if (preview) {
                trx.SetPreview(field, theirs);
            } else {
                recorded = theirs;
            }
        }
    };
    auto give = [&](CUnitKTrx& other, int field, int& recorded, int v) {
        if (!preview) {
            recorded = v;
        } else {
            other.SetPreview(field, recorded != v ? v : 0);
        }
    };
    for (int n = 1; n <= 12; ++n) {
        auto* other = dynamic_cast<CUnitKTrx*>(db->FindUnit(kUnitKindTrx, n));
        if (other == nullptr || other == &trx) {
            continue;
        }
        STrxCabling& theirs = other->Cabling();
        // A reference of 0 names no unit, so it is shared with nobody.
        if (cableType == kCableTx) {
            const int p1 = value(kPreviewTxPath1, mine.txPath1);
            int p2 = value(kPreviewTxPath2, mine.txPath2);
            int comb = value(kPreviewTxCombiner, mine.txCombinerId);
            if (p1 > 0 && theirs.txPath1 == p1) {
                fillMine(kPreviewTxPath2, mine.txPath2, p2, theirs.txPath2);
                fillMine(kPreviewTxCombiner, mine.txCombinerId, comb, theirs.txCombinerId);
                give(*other, kPreviewTxPath2, theirs.txPath2, p2);
                give(*other, kPreviewTxCombiner, theirs.txCombinerId, comb);
            } else if (p2 > 0 && theirs.txPath2 == p2) {
                fillMine(kPreviewTxCombiner, mine.txCombinerId, comb, theirs.txCombinerId);
                give(*other, kPreviewTxCombiner, theirs.txCombinerId, comb);
            }
        } else if (cableType == kCableRxMain || cableType == kCableRxDiv) {
            const bool main = cableType == kCableRxMain;
            const int mcField = main ? kPreviewRxMainMulticoupler : kPreviewRxDivMulticoupler;
            const int combField = main ? kPreviewRxMainCombiner : kPreviewRxDivCombiner;
            int& myMc = main ? mine.rxMainMulticoupler : mine.rxDiversityMulticoupler;
            int& myComb = main ? mine.rxCombinerId : mine.rxDiversityCombiner;
            int& theirMc = main ? theirs.rxMainMulticoupler : theirs.rxDiversityMulticoupler;
            int& theirComb = main ? theirs.rxCombinerId : theirs.rxDiversityCombiner;
            const int mc = value(mcField, myMc);
            int comb = value(combField, myComb);
            if (mc > 0 && theirMc == mc) {
                fillMine(combField, myComb, comb, theirComb);
                give(*other, combField, theirComb, comb);
            }
        }
    }
}
