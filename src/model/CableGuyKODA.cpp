// Building the cables of an Orvik configuration from the references on its transceivers and
// antenna records.

#include <algorithm>

#include "model/CableConnectors.h"
#include "model/CableGuy.h"
#include "model/SiteKODA.h"
#include "model/UnitKTrx.h"
#include "model/UnitTypeCatalogue.h"
#include "model/UnitsKODA.h"

namespace {

bool IsCombiner(int kind) {
    return kind == kUnitKindDdu || kind == kUnitKindRtc;
}

// The recorded value, or the preview value standing in for it; `changed` tells which.
int Effective(const CUnitKODA& unit, int previewField, int recorded, bool& changed) {
    const int preview = unit.Preview(previewField);
    changed = preview > 0;
    return changed ? preview : recorded;
}

int MarkKind(int cableType) {
    switch (cableType) {
    case kCableTx:
        return kConnTxMark;
    case kCableRxMain:
        return kConnRxMainMark;
    default:
        return kConnRxDivMark;
    }
}

} // namespace

void CCableGuyKODA::RebuildCables(int selector, int mode) {
    CDataBase* db = m_site.GetConfiguration(selector);
    if (db == nullptr) {
        return;
    }
    m_mode = mode;
    db->ClearCables();
    IndexUnits(*db);

    std::array<CUnitKTrx*, 13> trxs{};
    for (int n = 1; n <= 12; ++n) {
        trxs[n] = dynamic_cast<CUnitKTrx*>(db->FindUnit(kUnitKindTrx, n));
    }
    m_txPart = true;
    m_writeThisTime = true;
    for (int n = 1; n <= 12; ++n) {
        if (trxs[n] != nullptr) {
            BuildTx(*db, *trxs[n], selector);
        }
    }
    m_txPart = false;
    for (int type : {kCableRxMain, kCableRxDiv}) {
        for (int n = 1; n <= 12; ++n) {
            if (trxs[n] != nullptr) {
                BuildRx(*db, *trxs[n], type, selector);
            }
        }
    }
    BuildAntennaCables(selector);
    m_indexed = false;
    if (m_site.SelectsBts(selector)) {
        m_site.RemoveOrMarkIdleCombiners(1, selector);
    }
}

void CCableGuyKODA::IndexUnits(const CDataBase& db) {
    for (auto& row : m_index) {
        row.fill(nullptr);
    }
    for (const auto& unit : db.Units()) {
        const int kind = unit->Kind();
        const int shown = unit->DisplayedNumber();
        if (kind >= 0 && kind < static_cast<int>(m_index.size()) && shown >= 0 &&
            shown < static_cast<int>(m_index[0].size()) && m_index[kind][shown] == nullptr) {
            m_index[kind][shown] = unit.get();
        }
    }
    m_indexed = true;
}

CUnit* CCableGuyKODA::Indexed(int kind, int displayed) const {
    if (kind < 0 || kind >= static_cast<int>(m_index.size()) || displayed < 0 ||
        displayed >= static_cast<int>(m_index[0].size())) {
        return nullptr;
    }
    return m_index[kind][displayed];
}

void CCableGuyKODA::BuildTx(CDataBase& db, CUnitKTrx& trx, int selector) {
    const STrxCabling& c = trx.Cabling();
    const int n = trx.Number();
    if (m_site.SelectsBts(selector) && trx.IsUpgrade() && c.txCombinerId != 0) {
        // The BTS reported a combiner for this transceiver, so it is in the cabinet.
        trx.SetUpgrade(false);
        trx.SetIdle(true);
        m_site.CreateLogicalUnit(kLogicalTrx, &trx, selector);
    }
    CUnit* current = &trx;
    int currentPort = 0;
    for (auto [field, recorded] :
         {std::pair{kPreviewTxPath1, c.txPath1}, std::pair{kPreviewTxPath2, c.txPath2}}) {
        bool changed = false;
        const int path = Effective(trx, field, recorded, changed);
        SCableTarget t;
        if (path <= 0 || !cableref::DecodeTxPath(path, t)) {
            continue;
        }
        const int number = t.kind == kUnitKindWbt ? path : t.displayed;
        if (MakeCable(*current, n, t.kind, number, path, kCableTx, selector, changed,
                      currentPort) == 0) {
            current = m_lastTarget;
            currentPort = t.port;
        }
    }
    bool changed = false;
    const int combiner = Effective(trx, kPreviewTxCombiner, c.txCombinerId, changed);
    SCableTarget t;
    if (combiner > 0 && cableref::DecodeCombinerPort(combiner, t)) {
        if (MakeCable(*current, n, t.kind, t.displayed, combiner, kCableTx, selector, changed,
                      currentPort) != 1) {
            MakeMarker(db, trx, kCableTx, combiner, selector, changed);
        }
    }
}

void CCableGuyKODA::BuildRx(CDataBase& db, CUnitKTrx& trx, int cableType, int selector) {
    const STrxCabling& c = trx.Cabling();
    const bool main = cableType == kCableRxMain;
    bool mcChanged = false;
    bool combChanged = false;
    const int mc =
        main ? Effective(trx, kPreviewRxMainMulticoupler, c.rxMainMulticoupler, mcChanged)
             : Effective(trx, kPreviewRxDivMulticoupler, c.rxDiversityMulticoupler, mcChanged);
    const int combiner =
        main ? Effective(trx, kPreviewRxMainCombiner, c.rxCombinerId, combChanged)
             : Effective(trx, kPreviewRxDivCombiner, c.rxDiversityCombiner, combChanged);
    const int n = trx.Number();
    SCableTarget comb;
    const bool hasComb = combiner > 0 && cableref::DecodeCombinerPort(combiner, comb);
    SCableTarget mct;
    if (mc > 0 && cableref::DecodeMulticoupler(mc, mct)) {
        if (hasComb) {
            if (CUnit* mcUnit = FindTarget(mct.kind, mct.displayed, mc, selector)) {
                MakeCable(*mcUnit, n, comb.kind, comb.displayed, combiner, cableType, selector,
                          combChanged);
            }
        }
        // Without a combiner the path is not cabled yet. The candidate shows the multicoupler's
        // cable all the same: the user draws RX paths from the transceiver outwards, and the
        // cable drawn to it must neither vanish nor stop the next one from finding its
        // transceiver. Summaries leave it out of their counts.
        if (hasComb || !m_site.SelectsBts(selector)) {
            MakeCable(trx, n, mct.kind, mct.displayed, mc, cableType, selector, mcChanged);
        }
    } else if (hasComb && !main && comb.kind == kUnitKindExternal) {
        MakeCable(trx, n, comb.kind, comb.displayed, combiner, cableType, selector, combChanged);
    }
    if (hasComb) {
        MakeMarker(db, trx, cableType, combiner, selector, combChanged);
    }
}

void CCableGuyKODA::MakeMarker(CDataBase& db, CUnitKTrx& trx, int cableType, int reference,
                               int selector, bool changed) {
    SCableTarget t;
    if (!cableref::DecodeCombinerPort(reference, t)) {
        return;
    }
    CUnit* target = FindTarget(t.kind, t.displayed, reference, selector);
    if (target == nullptr) {
        return;
    }
    AdjustTargetType(*target, trx, trx.Number(), cableType, changed, selector);
    const int kind = MarkKind(cableType);
    auto cable =
        std::make_unique<CCabling>(&trx, kind, 1, target, kind, MarkIndex(*target, t.port));
    cable->SetMarker(true);
    cable->SetTrxNumber(trx.Number());
    cable->FlagFor(trx.Number());
    cable->SetChanged(changed);
    db.AddCable(std::move(cable));
}

void CCableGuyKODA::BuildAntennaCables(int selector) {
    CDataBase* base = m_site.GetConfiguration(selector);
    auto* db = dynamic_cast<CDataBaseKODA*>(base);
    if (db == nullptr) {
        return;
    }
    // Built on their own after the antenna records change, so the previous ones go first.
    std::vector<const CCabling*> old;
    for (const auto& cable : db->Cables()) {
        if (cable->StartKind() == kConnCombinerAntenna) {
            old.push_back(cable.get());
        }
    }
    for (const CCabling* cable : old) {
        db->RemoveCable(cable);
    }
    const bool candidate = !m_site.SelectsBts(selector);
    for (int i = 1; i <= CDataBaseKODA::kAntennas; ++i) {
        auto* mha = dynamic_cast<CUnitKMHA*>(db->FindUnit(kUnitKindMha, i));
        if (mha == nullptr) {
            continue;
        }
        int port = db->Antenna(i)->ConnectedCombiner();
        bool changed = false;
        if (candidate) {
            const int link =
                mha->Preview(kPreviewLink) > 0 ? mha->Preview(kPreviewLink) : mha->LinkValue();
            if (link > 0) {
                changed = link != port;
                port = link;
            }
        }
        SCableTarget t;
        if (port > 0 && cableref::DecodeCombinerPort(port, t)) {
            MakeCable(*mha, 0, t.kind, t.displayed, port, kCableAntenna, selector, changed);
        }
    }
}

CUnit* CCableGuyKODA::FindTarget(int targetKind, int targetNumber, int reference, int selector) {
    if (targetKind == kUnitKindExternal) {
        auto* site = dynamic_cast<CSiteKODA*>(&m_site);
        return site != nullptr ? site->ExternalUnit(reference) : nullptr;
    }
    int displayed = targetNumber;
    if (targetKind == kUnitKindWbt) {
        SCableTarget t;
        if (!cableref::DecodeTxPath(targetNumber, t) || t.kind != kUnitKindWbt) {
            return nullptr;
        }
        displayed = t.displayed;
    }
    CUnit* unit = m_indexed ? Indexed(targetKind, displayed)
                            : m_site.FindUnitByDisplayedNumber(targetKind, displayed, selector);
    if (unit != nullptr) {
        return unit;
    }
    if (!IsCombiner(targetKind) || !m_site.SelectsBts(selector) || displayed < 1) {
        return nullptr;
    }
    // The BTS reported cabling to a combiner it has not reported itself.
    const int number = targetKind == kUnitKindDdu ? 2 * displayed - 1 : displayed;
    CUnit* created = m_site.CreateCombinerUnit(targetKind, number, selector);
    if (created != nullptr) {
        created->SetIdle(true);
        if (m_indexed && displayed < static_cast<int>(m_index[0].size())) {
            m_index[targetKind][displayed] = created;
        }
    }
    return created;
}

int CCableGuyKODA::MakeCable(CUnit& source, int trx, int targetKind, int targetNumber,
                             int reference, int cableType, int selector, bool changed,
                             int sourcePort) {
    m_lastTarget = nullptr;
    CDataBase* db = m_site.GetConfiguration(selector);
    if (db == nullptr) {
        return 2;
    }
    CUnit* target = FindTarget(targetKind, targetNumber, reference, selector);
    if (target == nullptr) {
        return 1;
    }
    m_lastTarget = target;
    AdjustTargetType(*target, source, trx, cableType, changed, selector);

    int port = 0;
    SCableTarget t;
    if (targetKind == kUnitKindWbt && cableref::DecodeTxPath(targetNumber, t)) {
        port = t.port;
    } else if (cableref::DecodeCombinerPort(reference, t) && t.kind == targetKind) {
        port = t.port;
    }
    SCableEnd start;
    SCableEnd end;
    if (!CableEnds(cableType, source, sourcePort, *target, port, start, end)) {
        return 2;
    }
    if (CCabling* existing = ExistingCable(*db, start, end)) {
        existing->FlagFor(trx);
        if (changed) {
            existing->SetChanged(true);
        }
        return 0;
    }
    const int startIndex = FreeIndex(*db, start, true);
    const int endIndex = FreeIndex(*db, end, false);
    if (startIndex < 0 || endIndex < 0) {
        return 2;
    }
    auto cable = std::make_unique<CCabling>(start.unit, start.kind, startIndex, end.unit, end.kind,
                                            endIndex);
    cable->SetTrxNumber(trx);
    cable->FlagFor(trx);
    cable->SetChanged(changed);
    db->AddCable(std::move(cable));
    return 0;
}

void CCableGuyKODA::AdjustTargetType(CUnit& target, const CUnit& source, int trx, int cableType,
                                     bool changed, int selector) {
    const bool combiner = IsCombiner(target.Kind());
    const bool ddu = target.Kind() == kUnitKindDdu;
    const int key = target.OwnReference();
    auto* site = dynamic_cast<CSiteKODA*>(&m_site);
    std::array<int, 16>* siteTable = site != nullptr ? &site->RememberedCombinerTypes() : nullptr;
    auto siteRemembered = [&]() {
        return siteTable != nullptr && key >= 0 && key < 16 ? (*siteTable)[key] : 0;
    };
    if (combiner) {
        if (m_mode == 0 || siteTable == nullptr) {
            RememberType(key, target.TypeId());
        } else {
            // A TX path meets its combiner twice, through the cable and through the marker;
            // only the first sees the type before this rebuild adapted it.
            const bool write = !m_txPart || m_writeThisTime;
            if (m_txPart) {
                m_writeThisTime = !m_writeThisTime;
            }
            if (write && key >= 0 && key < 16) {
                (*siteTable)[key] = target.TypeId();
            }
        }
    }
    // An antenna line without its masthead amplifier keeps an MHA that is not installed: its
    // type is no part of the configuration (a file does not store it), so it must not decide the
    // band of the combiner either, or the combiner reopens as another type than it was saved.
    if (cableType == kCableAntenna && source.IsUpgrade()) {
        return;
    }
    int band = kBandAny;
    if (source.Kind() == kUnitKindTrx || cableType == kCableAntenna) {
        band = source.Band();
    } else if (!changed) {
        const CUnit* owner =
            m_indexed ? Indexed(kUnitKindTrx, trx) : m_site.FindUnit(kUnitKindTrx, trx, selector);
        if (owner != nullptr) {
            band = owner->Band();
        }
    }
    // A unit of no band (the low-gain MHA serves every band) gives its combiner nothing to
    // follow; adapting to it would pick the first type of the kind, whatever its band.
    if (band == kBandAny || (band & kBandMaskBits) == 0) {
        return;
    }
    const bool sameBand = target.Band() == band;
    target.AdaptToBand(band);
    if (!combiner) {
        return;
    }
    if (sameBand) {
        // The remembered type is the one this rebuild found before it adapted the combiner; it
        // stands for a choice between types of one band only. A combiner that an earlier edit
        // adapted to another band (an amplifier of that band since moved away) must stay with
        // the band it serves now, as the same configuration does when it is opened.
        const int remembered =
            m_mode == 0 || siteTable == nullptr ? RememberedType(key) : siteRemembered();
        const UnitTypeRecord* row = UnitTypeCatalogue::FindByTypeId(target.Family(), remembered);
        if (row != nullptr && row->band == band) {
            target.SetTypeByNumber(remembered);
        }
    } else if (band == kBand1800) {
        target.SetTypeByNumber(ddu ? 44 : 41);
    } else if (band == kBand900) {
        const int remembered = siteRemembered();
        if ((ddu && (remembered == 63 || remembered == 64)) ||
            (!ddu && (remembered == 61 || remembered == 62))) {
            target.SetTypeByNumber(remembered);
        }
    }
}
