// The bypass, WBC and RTC schemes.
#include "model/UnitKTrx.h"
#include "rules/KodaConfig.h"
#include "rules/KodaConfigMaster.h"

// Bypass with DDU: one transceiver straight onto port a of the DDU at its own place.
std::string CKodaConfigDDU1::Name() const {
    return "Bypass with DDU";
}
int CKodaConfigDDU1::GroupStart(int p) const {
    return p >= 1 && p <= 12 && p % 2 == 1 ? p : 0;
}
bool CKodaConfigDDU1::Fits(int p) const {
    const int s = GroupStart(p);
    return s != 0 && m_master.SchemeAt(s) == 0 &&
           ((MarkIn(s, {0}) && MarkIn(s + 1, {0})) || MarkIn(s, {1}));
}
void CKodaConfigDDU1::Claim(int s) {
    Put({s, s + 1}, true, {s, s + 1}, {{s, 1}, {s + 1, 2}});
}
bool CKodaConfigDDU1::Release(int p) {
    const int s = GroupStart(p);
    if (s == 0) {
        return false;
    }
    m_master.SetSchemeAt(s, 0);
    m_master.SetPlaceInGroup(s, 0);
    if (SchemeOrNone(s + 1) != 0) {
        return true; // the b half still uses the DDU
    }
    if (SchemeIn(s + 2, {18, 21})) {
        for (int q : {s, s + 1}) {
            m_master.SetTrxUse(q, 0);
            m_master.SetMulticouplerKind(q, 0);
        }
        return true;
    }
    ClearUses({s, s + 1});
    ClearMarks({s, s + 1});
    return true;
}
int CKodaConfigDDU1::OutputPort(int p, int) const {
    return p;
}
int CKodaConfigDDU1::TxCombiner(int s) const {
    return s;
}
void CKodaConfigDDU1::WriteTx(STrxCabling& c, int, int s) const {
    c.txCombinerId = TxCombiner(s);
}

// (1+1+1) Bypass with DDU: as the bypass, but both DDU ports count as outputs.
std::string CKodaConfigDDU1c::Name() const {
    return "(1+1+1) Bypass with DDU";
}
int CKodaConfigDDU1c::GroupStart(int p) const {
    return CKodaConfigDDU1::GroupStart(p);
}
bool CKodaConfigDDU1c::Fits(int p) const {
    return CKodaConfigDDU1::Fits(p);
}
void CKodaConfigDDU1c::Claim(int s) {
    CKodaConfigDDU1::Claim(s);
}
bool CKodaConfigDDU1c::Release(int p) {
    return CKodaConfigDDU1::Release(p);
}
int CKodaConfigDDU1c::OutputPort(int p, int n) const {
    return n == 1 ? p + 1 : p;
}
int CKodaConfigDDU1c::TxCombiner(int s) const {
    return s;
}
void CKodaConfigDDU1c::WriteTx(STrxCabling& c, int, int s) const {
    c.txCombinerId = s;
}

// Bypass with DDU (to b half): port b of the DDU one place below.
std::string CKodaConfigDDU1b::Name() const {
    return "Bypass with DDU (to b half)";
}
int CKodaConfigDDU1b::GroupStart(int p) const {
    return p >= 1 && p <= 12 && p % 2 == 0 ? p : 0;
}
bool CKodaConfigDDU1b::Fits(int p) const {
    const int s = GroupStart(p);
    return s != 0 && m_master.SchemeAt(s) == 0 && !SchemeIn(s + 1, {18, 21}) &&
           SchemeIn(s - 1, {0, 1, 12}) && MarkIn(s, {0, 2}) && MarkIn(s - 1, {0, 1});
}
void CKodaConfigDDU1b::Claim(int s) {
    Put({s, s - 1}, true, {s - 1, s}, {{s - 1, 1}, {s, 2}});
}
bool CKodaConfigDDU1b::Release(int p) {
    const int s = GroupStart(p);
    if (s == 0) {
        return false;
    }
    m_master.SetSchemeAt(s, 0);
    m_master.SetPlaceInGroup(s, 0);
    if (SchemeOrNone(s - 1) != 0) {
        return true; // the a half still uses the DDU
    }
    ClearUses({s - 1, s});
    ClearMarks({s - 1, s});
    return true;
}
int CKodaConfigDDU1b::OutputPort(int p, int) const {
    return p;
}
int CKodaConfigDDU1b::TxCombiner(int s) const {
    return s;
}
void CKodaConfigDDU1b::WriteTx(STrxCabling& c, int, int s) const {
    c.txCombinerId = s;
}

// 2-way WBC with DDU.
std::string CKodaConfigDDU2::Name() const {
    return "2-way WBC with DDU";
}
int CKodaConfigDDU2::GroupStart(int p) const {
    return Odd(p);
}
bool CKodaConfigDDU2::Fits(int p) const {
    const int s = GroupStart(p);
    return s != 0 && Free(s) && Free(s + 1) && CombinerFree(s) && MarkIn(s, {0}) &&
           (CombinerFree(s + 1) || MarkIn(s + 1, {1})) && MarkIn(s + 2, {0, 2});
}
void CKodaConfigDDU2::Claim(int s) {
    Put({s, s + 1}, false, {s, s + 1}, {{s, 10}, {s + 1, 1}, {s + 2, 2}});
}
bool CKodaConfigDDU2::Release(int p) {
    const int s = GroupStart(p);
    if (s == 0) {
        return false;
    }
    ClearUses({s, s + 1});
    ClearMarks({s});
    const int above = SchemeOrNone(s + 2);
    if (SchemeOrNone(s + 4) != 9 && (above == 0 || above == 11 || above == 14)) {
        ClearMarks({s + 1, s + 2});
    }
    return true;
}
int CKodaConfigDDU2::OutputPort(int p, int) const {
    return GroupStart(p);
}
int CKodaConfigDDU2::TxCombiner(int s) const {
    return s;
}
void CKodaConfigDDU2::WriteTx(STrxCabling& c, int, int s) const {
    c.txCombinerId = s;
    c.txPath1 = s;
}

// 2-way WBC with DDU (to b half).
std::string CKodaConfigDDU2b::Name() const {
    return "2-way WBC with DDU (to b half)";
}
int CKodaConfigDDU2b::GroupStart(int p) const {
    return p <= 2 ? 0 : Odd(p);
}
bool CKodaConfigDDU2b::Fits(int p) const {
    const int s = GroupStart(p);
    return s != 0 && Free(s) && Free(s + 1) && (CombinerFree(s) || MarkIn(s, {2})) &&
           CombinerFree(s + 1) && MarkIn(s + 1, {0}) && MarkIn(s - 1, {0, 1});
}
void CKodaConfigDDU2b::Claim(int s) {
    Put({s, s + 1}, false, {s, s + 1}, {{s - 1, 1}, {s, 2}, {s + 1, 11}});
}
bool CKodaConfigDDU2b::Release(int p) {
    const int s = GroupStart(p);
    if (s == 0) {
        return false;
    }
    ClearUses({s, s + 1});
    ClearMarks({s + 1});
    if (SchemeIn(s - 1, {0, 8, 10, 17})) {
        ClearMarks({s - 1, s});
    }
    return true;
}
int CKodaConfigDDU2b::OutputPort(int p, int) const {
    const int s = GroupStart(p);
    return s == 0 ? 0 : s - 1;
}
int CKodaConfigDDU2b::TxCombiner(int s) const {
    return s - 1;
}
void CKodaConfigDDU2b::WriteTx(STrxCabling& c, int, int s) const {
    c.txCombinerId = s - 1;
    c.txPath1 = s + 1;
}

// WBC with DDU (to b half): one transceiver through the WBC above onto port b below.
std::string CKodaConfigWBC1b::Name() const {
    return "WBC with DDU (to b half)";
}
int CKodaConfigWBC1b::GroupStart(int p) const {
    return p >= 3 && p <= 12 && p % 2 == 1 ? p : 0;
}
bool CKodaConfigWBC1b::Fits(int p) const {
    const int s = GroupStart(p);
    return s != 0 && m_master.SchemeAt(s) == 0 && m_master.TrxUse(s) == 0 &&
           m_master.TrxUse(s + 1) == 0 && CombinerFree(s + 1) && MarkIn(s - 1, {0, 1}) &&
           MarkIn(s, {0, 2}) && MarkIn(s + 1, {0}) && !AnyTrxOnCombiner(s - 1);
}
void CKodaConfigWBC1b::Claim(int s) {
    Put({s, s + 1}, true, {s - 1, s, s + 1}, {{s - 1, 1}, {s, 2}, {s + 1, 10}});
}
bool CKodaConfigWBC1b::Release(int p) {
    const int s = GroupStart(p);
    if (s == 0 || m_master.Trx(s) == nullptr) {
        return false;
    }
    m_master.SetCombinerMark(s + 1, 0);
    m_master.SetCombinerUse(s + 1, 0);
    // The DDU stays while a transceiver outside this scheme still ends at its port a.
    bool dduShared = false;
    for (int n = 1; n <= 12; ++n) {
        if (n != s) {
            if (const CUnitKTrx* other = m_master.Trx(n);
                other && other->Cabling().txCombinerId == s - 2) {
                dduShared = true;
            }
        }
    }
    if (!dduShared) {
        for (int k : {s - 1, s}) {
            m_master.SetCombinerMark(k, 0);
            m_master.SetCombinerUse(k, 0);
        }
    }
    // The combiner use of s is the DDU's second place: it went with the DDU above, or stays
    // with it.
    m_master.SetSchemeAt(s, 0);
    m_master.SetTrxUse(s, 0);
    m_master.SetPlaceInGroup(s, 0);
    m_master.SetMulticouplerKind(s, 0);
    m_master.SetTrxUse(s + 1, 0);
    m_master.SetMulticouplerKind(s + 1, 0);
    return true;
}
int CKodaConfigWBC1b::OutputPort(int p, int) const {
    return p - 1;
}
int CKodaConfigWBC1b::TxCombiner(int s) const {
    return s - 1;
}
void CKodaConfigWBC1b::WriteTx(STrxCabling& c, int, int s) const {
    c.txCombinerId = s - 1;
    c.txPath1 = s + 1;
}

// 4-way WBC with DDU: two WBCs feeding a third, onto port a of the DDU at the end.
std::string CKodaConfigDDU4::Name() const {
    return "4-way WBC with DDU";
}
int CKodaConfigDDU4::GroupStart(int p) const {
    return Odd(p > 9 && p <= 12 ? 9 : p);
}
bool CKodaConfigDDU4::Fits(int p) const {
    const int s = GroupStart(p);
    if (s == 0) {
        return false;
    }
    return FourOntoDduPortAFree(s);
}
void CKodaConfigDDU4::Claim(int s) {
    Put({s, s + 1, s + 2, s + 3}, false, {s, s + 1, s + 2, s + 3},
        {{s, 10}, {s + 1, 11}, {s + 2, 12}, {s + 3, 1}, {s + 4, 2}});
}
bool CKodaConfigDDU4::Release(int p) {
    const int s = GroupStart(p);
    if (s == 0) {
        return false;
    }
    ClearUses({s, s + 1, s + 2, s + 3});
    ClearMarks({s, s + 1, s + 2});
    if (SchemeOrNone(s + 4) == 14 || (SchemeOrNone(s + 4) == 0 && SchemeOrNone(s + 6) != 9)) {
        ClearMarks({s + 3, s + 4});
    }
    return true;
}
int CKodaConfigDDU4::OutputPort(int p, int) const {
    const int s = GroupStart(p);
    return s == 0 ? 0 : s + 2;
}
int CKodaConfigDDU4::TxCombiner(int s) const {
    return s + 2;
}
void CKodaConfigDDU4::WriteTx(STrxCabling& c, int p, int s) const {
    c.txCombinerId = s + 2;
    c.txPath1 = p - s < 2 ? s : s + 2;
    c.txPath2 = s + 1;
}

// 4-way WBC with DDU (to b half).
std::string CKodaConfigDDU4b::Name() const {
    return "4-way WBC with DDU (to b half)";
}
int CKodaConfigDDU4b::GroupStart(int p) const {
    return p <= 2 ? 0 : Odd(p > 9 && p <= 12 ? 9 : p);
}
bool CKodaConfigDDU4b::Place(int p) {
    return GroupStart(p) >= 3 && CKodaConfig::Place(p);
}
bool CKodaConfigDDU4b::Fits(int p) const {
    const int s = GroupStart(p);
    if (s == 0) {
        return false;
    }
    for (int q = s; q <= s + 3; ++q) {
        if (!Free(q) || (q > s && (!CombinerFree(q) || !MarkIn(q, {0})))) {
            return false;
        }
    }
    return (CombinerFree(s) || MarkIn(s, {2})) && MarkIn(s - 1, {0, 1});
}
void CKodaConfigDDU4b::Claim(int s) {
    Put({s, s + 1, s + 2, s + 3}, false, {s, s + 1, s + 2, s + 3},
        {{s - 1, 1}, {s, 2}, {s + 1, 11}, {s + 2, 12}, {s + 3, 13}});
}
bool CKodaConfigDDU4b::Release(int p) {
    const int s = GroupStart(p);
    if (s == 0) {
        return false;
    }
    ClearUses({s, s + 1, s + 2, s + 3});
    ClearMarks({s + 1, s + 2, s + 3});
    if (SchemeIn(s - 1, {0, 8, 10, 17})) {
        ClearMarks({s - 1, s});
    }
    return true;
}
int CKodaConfigDDU4b::OutputPort(int p, int) const {
    const int s = GroupStart(p);
    return s == 0 ? 0 : s - 1;
}
int CKodaConfigDDU4b::TxCombiner(int s) const {
    return s - 1;
}
void CKodaConfigDDU4b::WriteTx(STrxCabling& c, int p, int s) const {
    c.txCombinerId = s - 1;
    c.txPath1 = p - s < 2 ? s + 1 : s + 3;
    c.txPath2 = s + 2;
}

// RTC: six transceivers on one remote tune combiner.
int CKodaConfigRTC::GroupStart(int p) const {
    if (p >= 1 && p <= 6) {
        return 1;
    }
    return p >= 7 && p <= 12 ? 7 : 0;
}
bool CKodaConfigRTC::Fits(int p) const {
    const int s = GroupStart(p);
    if (s == 0) {
        return false;
    }
    for (int q = s; q < s + 6; ++q) {
        if (m_master.SchemeAt(q) != 0 || m_master.TrxUse(q) != 0 || !CombinerFree(q) ||
            !MarkIn(q, {0})) {
            return false;
        }
    }
    return true;
}
void CKodaConfigRTC::Claim(int s) {
    Put({s, s + 1, s + 2, s + 3, s + 4, s + 5}, false, {s, s + 1, s + 2, s + 3, s + 4, s + 5},
        {{s, 6}, {s + 1, 6}, {s + 2, 6}, {s + 3, 6}, {s + 4, 6}, {s + 5, 6}});
}
bool CKodaConfigRTC::Release(int p) {
    const int s = GroupStart(p);
    if (s == 0) {
        return false;
    }
    ClearUses({s, s + 1, s + 2, s + 3, s + 4, s + 5});
    ClearMarks({s, s + 1, s + 2, s + 3, s + 4, s + 5});
    return true;
}
int CKodaConfigRTC::OutputPort(int p, int n) const {
    const int s = GroupStart(p);
    if (s == 0) {
        return 0;
    }
    return (s == 1 ? 13 : 15) + n - 1;
}
void CKodaConfigRTC::WriteTx(STrxCabling& c, int, int s) const {
    c.txCombinerId = s == 1 ? 13 : 15;
}
