#include "rules/KodaConfig.h"

#include "model/DataBase.h"
#include "model/UnitKTrx.h"
#include "rules/KodaConfigMaster.h"

bool CKodaConfig::Free(int p) const {
    return m_master.SchemeAt(p) == 0 && m_master.TrxUse(p) == 0;
}

bool CKodaConfig::CombinerFree(int p) const {
    return m_master.CombinerUse(p) == 0;
}

bool CKodaConfig::MarkIn(int k, std::initializer_list<int> values) const {
    const int mark = m_master.CombinerMark(k);
    for (int v : values) {
        if (mark == v) {
            return true;
        }
    }
    return false;
}

bool CKodaConfig::MarkEmptyOrWbt(int k) const {
    const int mark = m_master.CombinerMark(k);
    return mark == 0 || mark >= 14;
}

bool CKodaConfig::SchemeIn(int p, std::initializer_list<int> ids) const {
    const int scheme = m_master.SchemeAt(p);
    for (int id : ids) {
        if (scheme == id) {
            return true;
        }
    }
    return false;
}

int CKodaConfig::SchemeOrNone(int p) const {
    const int scheme = m_master.SchemeAt(p);
    return scheme == CKodaConfigMaster::kOutside ? 0 : scheme;
}

bool CKodaConfig::AnyTrxOnPath(int pathId) const {
    for (int n = 1; n <= 12; ++n) {
        if (const CUnitKTrx* trx = m_master.Trx(n)) {
            if (trx->Cabling().txPath1 == pathId || trx->Cabling().txPath2 == pathId) {
                return true;
            }
        }
    }
    return false;
}

bool CKodaConfig::AnyTrxOnCombiner(int portId) const {
    for (int n = 1; n <= 12; ++n) {
        if (const CUnitKTrx* trx = m_master.Trx(n); trx && trx->Cabling().txCombinerId == portId) {
            return true;
        }
    }
    return false;
}

bool CKodaConfig::FourOntoDduPortAFree(int s) const {
    for (int q = s; q <= s + 3; ++q) {
        if (!Free(q) || (q <= s + 2 && (!CombinerFree(q) || !MarkIn(q, {0})))) {
            return false;
        }
    }
    return (CombinerFree(s + 3) || MarkIn(s + 3, {1})) && MarkIn(s + 4, {0, 2});
}

void CKodaConfig::Put(Places trxPositions, bool schemeOnFirst, Places combinerPlaces, Marks marks) {
    int place = 1;
    for (int p : trxPositions) {
        if (!schemeOnFirst || place == 1) {
            m_master.SetSchemeAt(p, m_id);
            m_master.SetPlaceInGroup(p, place);
        }
        m_master.SetTrxUse(p, m_id);
        m_master.SetMulticouplerKind(p, MulticouplerKind());
        ++place;
    }
    for (int k : combinerPlaces) {
        m_master.SetCombinerUse(k, m_id);
    }
    for (const auto& [k, mark] : marks) {
        m_master.SetCombinerMark(k, mark);
    }
}

void CKodaConfig::ClearUses(Places positions) {
    for (int p : positions) {
        m_master.SetUses(p, 0, 0, 0);
        m_master.SetMulticouplerKind(p, 0);
        m_master.SetPlaceInGroup(p, 0);
    }
}

void CKodaConfig::ClearMarks(Places places) {
    for (int k : places) {
        m_master.SetCombinerMark(k, 0);
    }
}

bool CKodaConfig::Place(int position) {
    const int s = GroupStart(position);
    if (s == 0 || !Fits(position)) {
        return false;
    }
    Claim(s);
    return true;
}

bool CKodaConfig::WriteReferences(int position) {
    CUnitKTrx* trx = m_master.Trx(position);
    if (trx == nullptr) {
        return false;
    }
    const int place = m_master.PlaceInGroup(position);
    const int start = place > 1 ? position - place + 1 : position;
    STrxCabling& c = trx->Cabling();
    WriteTx(c, position, start);

    // Transceivers on one multicoupler share its RX path: the first one written decides.
    const int multicoupler = m_master.RxMulticouplerId(position);
    int rxCombiner = 0;
    int rxDiversity = 0;
    for (int n = 1; n <= 12; ++n) {
        const CUnitKTrx* other = m_master.Trx(n);
        if (other == nullptr || other == trx) {
            continue;
        }
        if (rxCombiner == 0 && other->Cabling().rxMainMulticoupler == multicoupler) {
            rxCombiner = other->Cabling().rxCombinerId;
        }
        if (rxDiversity == 0 && other->Cabling().rxDiversityMulticoupler == multicoupler) {
            rxDiversity = other->Cabling().rxDiversityCombiner;
        }
    }
    c.rxCombinerId = rxCombiner != 0 ? rxCombiner : RxFallback(start);
    c.rxMainMulticoupler = multicoupler;
    if (const int diversity = m_master.DiversityPort(position); diversity > 0) {
        c.rxDiversityCombiner = rxDiversity != 0 ? rxDiversity : diversity;
        c.rxDiversityMulticoupler = multicoupler;
    }
    return true;
}

bool CKodaConfig::ReleaseShared(int start, int wbt, int input, int dduFirst, int otherPort) {
    if (m_master.Trx(start) == nullptr) {
        return false;
    }
    bool wbtShared = false;
    bool dduShared = false;
    for (int n = 1; n <= 12; ++n) {
        if (n >= start && n < start + GroupSize()) {
            continue;
        }
        const CUnitKTrx* other = m_master.Trx(n);
        if (other == nullptr) {
            continue;
        }
        const STrxCabling& c = other->Cabling();
        for (int i = 1; i <= 3; ++i) {
            const int id = WbtInput(wbt, i);
            if (i != input && (c.txPath1 == id || c.txPath2 == id)) {
                wbtShared = true;
            }
        }
        if (c.txCombinerId == otherPort) {
            dduShared = true;
        }
    }
    if (!wbtShared) {
        m_master.SetCombinerMark(wbt, 0);
        m_master.SetCombinerUse(wbt, 0);
    }
    if (!dduShared) {
        for (int k : {dduFirst, dduFirst + 1}) {
            m_master.SetCombinerMark(k, 0);
            m_master.SetCombinerUse(k, 0);
        }
    }
    for (int p = start; p < start + GroupSize(); ++p) {
        m_master.SetSchemeAt(p, 0);
        m_master.SetTrxUse(p, 0);
        m_master.SetPlaceInGroup(p, 0);
        m_master.SetMulticouplerKind(p, 0);
    }
    if (OneTransceiver()) {
        m_master.SetTrxUse(start + 1, 0);
        m_master.SetMulticouplerKind(start + 1, 0);
    }
    return true;
}
