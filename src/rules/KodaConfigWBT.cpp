// The WBT schemes: groups of four on one WBT, the 2:1 schemes and their one-transceiver
// variants.
#include "model/UnitKTrx.h"
#include "rules/KodaConfig.h"
#include "rules/KodaConfigMaster.h"

namespace {
constexpr int kA = 1;
constexpr int kB = 2;
constexpr int kC = 3;
int FourStart(int p) {
    return p > 9 && p <= 12 ? 9 : p;
}
} // namespace

// The first two of a group use input A and the last two input C, all of them input B on the
// second path. The anchor is the group start: an apply writes every group in order, and
// deriving it from the grid keeps a transceiver written on its own from shifting the others.
void CKodaConfigWBT4::WriteGroupOfFour(STrxCabling& c, int p, int s) const {
    const int wbt = GroupWbt(s);
    c.txPath1 = WbtInput(wbt, p - s < 2 ? kA : kC);
    c.txPath2 = WbtInput(wbt, kB);
    c.txCombinerId = TxCombiner(s);
}

// (6+6)4:1 WBT-DDU.
std::string CKodaConfigWBT4::Name() const {
    return "(6+6)4:1 WBT-DDU";
}
int CKodaConfigWBT4::GroupStart(int p) const {
    return Odd(FourStart(p));
}
bool CKodaConfigWBT4::Fits(int p) const {
    const int s = GroupStart(p);
    if (s == 0 || !CombinerFree(s) || !MarkIn(s, {0}) || !MarkIn(s + 2, {0, 2})) {
        return false;
    }
    for (int q = s; q <= s + 3; ++q) {
        if (!Free(q) || (q > s && !CombinerFree(q) && !MarkIn(q, {1}))) {
            return false;
        }
    }
    return true;
}
void CKodaConfigWBT4::Claim(int s) {
    Put({s, s + 1, s + 2, s + 3}, false, {s, s + 1, s + 2, s + 3},
        {{s, 14}, {s + 1, 1}, {s + 2, 2}});
}
bool CKodaConfigWBT4::Release(int p) {
    const int s = GroupStart(p);
    if (s == 0) {
        return false;
    }
    ClearUses({s, s + 1, s + 2, s + 3});
    ClearMarks({s});
    if (SchemeOrNone(s + 4) != 9) {
        ClearMarks({s + 1, s + 2});
    }
    return true;
}
int CKodaConfigWBT4::OutputPort(int p, int) const {
    const int s = GroupStart(p);
    return s == 0 ? 0 : s + 1;
}
int CKodaConfigWBT4::TxCombiner(int s) const {
    return s;
}
void CKodaConfigWBT4::WriteTx(STrxCabling& c, int p, int s) const {
    WriteGroupOfFour(c, p, s);
}

// (6+6)4:1 WBT-DDU(b half): two transceivers on a second WBT onto port b of the group's DDU.
std::string CKodaConfigWBT4b::Name() const {
    return "(6+6)4:1 WBT-DDU(b half)";
}
int CKodaConfigWBT4b::GroupStart(int p) const {
    return Odd(p == 10 ? 9 : p);
}
bool CKodaConfigWBT4b::Place(int p) {
    return GroupStart(p) >= 3 && CKodaConfig::Place(p);
}
bool CKodaConfigWBT4b::Fits(int p) const {
    const int s = GroupStart(p);
    if (s == 0 || !Free(s) || !Free(s + 1) || !(CombinerFree(s) || MarkIn(s, {2})) ||
        !CombinerFree(s + 1)) {
        return false;
    }
    const bool afterFour = SchemeIn(s - 1, {5, 11});
    return (afterFour ? MarkIn(s, {0}) : MarkIn(s + 1, {0})) && MarkIn(s - 3, {0, 1}) &&
           MarkEmptyOrWbt(s - 1) && !SchemeIn(s - 3, {14, 18, 21}) &&
           !SchemeIn(s - 2, {16, 17, 19, 20, 22});
}
void CKodaConfigWBT4b::Claim(int s) {
    Put({s, s + 1}, false, {s, s + 1}, {{s - 3, 1}, {s - 2, 2}, {s - 1, 15}});
}
bool CKodaConfigWBT4b::Release(int p) {
    const int s = GroupStart(p);
    if (s == 0) {
        return false;
    }
    ClearUses({s, s + 1});
    ClearMarks({s - 1});
    const int below = SchemeOrNone(s - 3);
    if (SchemeOrNone(s - 1) == 0 && below != 5 && below != 11 && below != 16) {
        ClearMarks({s - 3, s - 2});
    }
    return true;
}
int CKodaConfigWBT4b::OutputPort(int p, int) const {
    const int s = GroupStart(p);
    return s == 0 ? 0 : s - 3;
}
int CKodaConfigWBT4b::TxCombiner(int s) const {
    return s - 3;
}
void CKodaConfigWBT4b::WriteTx(STrxCabling& c, int, int s) const {
    c.txCombinerId = s - 3;
    c.txPath1 = WbtInput(s - 1, kA);
    c.txPath2 = WbtInput(s - 1, kB);
}

// (12-Omni)4:1 WBT-DDU(b half).
std::string CKodaConfigWBT4a::Name() const {
    return "(12-Omni)4:1 WBT-DDU(b half)";
}
int CKodaConfigWBT4a::GroupStart(int p) const {
    return Odd(p == 10 ? 9 : p);
}
bool CKodaConfigWBT4a::Place(int p) {
    return GroupStart(p) >= 3 && CKodaConfig::Place(p);
}
bool CKodaConfigWBT4a::Fits(int p) const {
    const int s = GroupStart(p);
    if (s == 0 || !(CombinerFree(s) || MarkIn(s, {2})) || !MarkIn(s - 1, {0, 1})) {
        return false;
    }
    for (int q = s; q <= s + 3; ++q) {
        if (!Free(q) || (q > s && (!CombinerFree(q) || !MarkIn(q, {0})))) {
            return false;
        }
    }
    return true;
}
void CKodaConfigWBT4a::Claim(int s) {
    Put({s, s + 1, s + 2, s + 3}, false, {s, s + 1, s + 2, s + 3},
        {{s - 1, 1}, {s, 2}, {s + 1, 15}});
}
bool CKodaConfigWBT4a::Release(int p) {
    const int s = GroupStart(p);
    if (s == 0) {
        return false;
    }
    ClearUses({s, s + 1, s + 2, s + 3});
    ClearMarks({s + 1});
    if (SchemeIn(s - 1, {0, 10, 17})) {
        ClearMarks({s - 1, s});
    }
    return true;
}
int CKodaConfigWBT4a::OutputPort(int p, int) const {
    const int s = GroupStart(p);
    if (s == 0) {
        return 0;
    }
    return p >= 9 ? s - 6 : s - 1;
}
int CKodaConfigWBT4a::TxCombiner(int s) const {
    return s - 1;
}
void CKodaConfigWBT4a::WriteTx(STrxCabling& c, int p, int s) const {
    WriteGroupOfFour(c, p, s);
}

// (12-Omni)4:1 WBT-DDU.
std::string CKodaConfigWBT4c::Name() const {
    return "(12-Omni)4:1 WBT-DDU";
}
int CKodaConfigWBT4c::GroupStart(int p) const {
    return Odd(FourStart(p));
}
bool CKodaConfigWBT4c::Fits(int p) const {
    const int s = GroupStart(p);
    if (s == 0) {
        return false;
    }
    return FourOntoDduPortAFree(s);
}
void CKodaConfigWBT4c::Claim(int s) {
    Put({s, s + 1, s + 2, s + 3}, false, {s, s + 1, s + 2, s + 3},
        {{s + 2, 14}, {s + 3, 1}, {s + 4, 2}});
}
bool CKodaConfigWBT4c::Release(int p) {
    const int s = GroupStart(p);
    if (s == 0) {
        return false;
    }
    ClearUses({s, s + 1, s + 2, s + 3});
    ClearMarks({s + 2});
    if (SchemeOrNone(s + 4) == 14 || (SchemeOrNone(s + 4) == 0 && SchemeOrNone(s + 6) != 9)) {
        ClearMarks({s + 3, s + 4});
    }
    return true;
}
int CKodaConfigWBT4c::OutputPort(int p, int) const {
    const int s = GroupStart(p);
    return s == 0 ? 0 : s + 2;
}
int CKodaConfigWBT4c::TxCombiner(int s) const {
    return s + 2;
}
void CKodaConfigWBT4c::WriteTx(STrxCabling& c, int p, int s) const {
    const int wbt = s + 2;
    c.txPath1 = WbtInput(wbt, p - s < 2 ? kA : kC);
    c.txPath2 = WbtInput(wbt, kB);
    c.txCombinerId = s + 2;
}

// 2:1 WBT(A)-DDU.
std::string CKodaConfigWBT2A::Name() const {
    return "2:1 WBT(A)-DDU";
}
int CKodaConfigWBT2A::GroupStart(int p) const {
    return p >= 10 ? 0 : Odd(p);
}
bool CKodaConfigWBT2A::Fits(int p) const {
    const int s = GroupStart(p);
    return s != 0 && Free(s) && Free(s + 1) && MarkIn(s + 1, {0, 1}) && MarkIn(s + 2, {0, 2}) &&
           MarkEmptyOrWbt(s + 3) && !AnyTrxOnPath(WbtInput(s + 3, kA)) && !AnyTrxOnCombiner(s);
}
void CKodaConfigWBT2A::Claim(int s) {
    Put({s, s + 1}, false, {s + 1, s + 2, s + 3}, {{s + 1, 1}, {s + 2, 2}, {s + 3, 14}});
}
bool CKodaConfigWBT2A::Release(int p) {
    const int s = GroupStart(p);
    return s != 0 && ReleaseShared(s, s + 3, kA, s + 1, s + 1);
}
int CKodaConfigWBT2A::OutputPort(int p, int) const {
    return GroupStart(p);
}
int CKodaConfigWBT2A::TxCombiner(int s) const {
    return s;
}
void CKodaConfigWBT2A::WriteTx(STrxCabling& c, int, int s) const {
    c.txCombinerId = s;
    c.txPath1 = WbtInput(s + 3, kA);
}

// 2:1 WBT(B)-DDU.
std::string CKodaConfigWBT2B::Name() const {
    return "2:1 WBT(B)-DDU";
}
int CKodaConfigWBT2B::GroupStart(int p) const {
    return Odd(p);
}
bool CKodaConfigWBT2B::Fits(int p) const {
    const int s = GroupStart(p);
    return s != 0 && Free(s) && Free(s + 1) && MarkEmptyOrWbt(s - 1) && MarkIn(s, {0, 1}) &&
           MarkIn(s + 1, {0, 2}) && !AnyTrxOnPath(WbtInput(s - 1, kB)) && !AnyTrxOnCombiner(s);
}
void CKodaConfigWBT2B::Claim(int s) {
    Put({s, s + 1}, false, {s - 1, s, s + 1}, {{s, 1}, {s + 1, 2}, {s - 1, 14}});
}
bool CKodaConfigWBT2B::Release(int p) {
    const int s = GroupStart(p);
    return s != 0 && ReleaseShared(s, s - 1, kB, s, s + 1);
}
int CKodaConfigWBT2B::OutputPort(int p, int) const {
    return GroupStart(p);
}
int CKodaConfigWBT2B::TxCombiner(int s) const {
    return s;
}
void CKodaConfigWBT2B::WriteTx(STrxCabling& c, int, int s) const {
    c.txCombinerId = s;
    c.txPath1 = WbtInput(s - 1, kB);
}

// 2:1 WBT(C)-DDU.
std::string CKodaConfigWBT2C::Name() const {
    return "2:1 WBT(C)-DDU";
}
int CKodaConfigWBT2C::GroupStart(int p) const {
    return Odd(p);
}
bool CKodaConfigWBT2C::Fits(int p) const {
    const int s = GroupStart(p);
    return s != 0 && Free(s) && Free(s + 1) && MarkEmptyOrWbt(s) && MarkIn(s + 1, {0, 1}) &&
           MarkIn(s + 2, {0, 2}) && !AnyTrxOnPath(WbtInput(s, kC)) && !AnyTrxOnCombiner(s);
}
void CKodaConfigWBT2C::Claim(int s) {
    Put({s, s + 1}, false, {s, s + 1, s + 2}, {{s + 1, 1}, {s + 2, 2}, {s, 14}});
}
bool CKodaConfigWBT2C::Release(int p) {
    const int s = GroupStart(p);
    return s != 0 && ReleaseShared(s, s, kC, s + 1, s + 1);
}
int CKodaConfigWBT2C::OutputPort(int p, int) const {
    return GroupStart(p);
}
int CKodaConfigWBT2C::TxCombiner(int s) const {
    return s;
}
void CKodaConfigWBT2C::WriteTx(STrxCabling& c, int, int s) const {
    c.txCombinerId = s;
    c.txPath1 = WbtInput(s, kC);
}

// 2:1 WBT(A)-DDU (to b half).
std::string CKodaConfigWBT2Ab::Name() const {
    return "2:1 WBT(A)-DDU (to b half)";
}
int CKodaConfigWBT2Ab::GroupStart(int p) const {
    return Odd(p);
}
bool CKodaConfigWBT2Ab::FitsAt(int s) const {
    return MarkEmptyOrWbt(s - 2) && MarkIn(s - 1, {0, 1}) && MarkIn(s, {0, 2}) &&
           !AnyTrxOnPath(WbtInput(s - 2, kA)) && !AnyTrxOnCombiner(s - 1);
}
bool CKodaConfigWBT2Ab::Fits(int p) const {
    const int s = GroupStart(p);
    return s != 0 && Free(s) && Free(s + 1) && FitsAt(s);
}
void CKodaConfigWBT2Ab::Claim(int s) {
    Put({s, s + 1}, false, {s - 2, s - 1, s}, {{s - 1, 1}, {s, 2}, {s - 2, 14}});
}
bool CKodaConfigWBT2Ab::Release(int p) {
    const int s = GroupStart(p);
    return s != 0 && ReleaseShared(s, s - 2, kA, s - 1, s - 2);
}
int CKodaConfigWBT2Ab::OutputPort(int p, int) const {
    const int s = GroupStart(p);
    return s == 0 ? 0 : s - 1;
}
int CKodaConfigWBT2Ab::TxCombiner(int s) const {
    return s - 1;
}
void CKodaConfigWBT2Ab::WriteTx(STrxCabling& c, int, int s) const {
    c.txCombinerId = s - 1;
    c.txPath1 = WbtInput(s - 2, kA);
}

// 2:1 WBT(B)-DDU (to b half).
std::string CKodaConfigWBT2Bb::Name() const {
    return "2:1 WBT(B)-DDU (to b half)";
}
int CKodaConfigWBT2Bb::GroupStart(int p) const {
    return p >= 10 ? 0 : Odd(p);
}
bool CKodaConfigWBT2Bb::FitsAt(int s) const {
    return MarkIn(s - 2, {0, 1}) && MarkIn(s - 1, {0, 2}) && MarkEmptyOrWbt(s + 2) &&
           !AnyTrxOnPath(WbtInput(s + 2, kB)) && !AnyTrxOnCombiner(s - 1);
}
bool CKodaConfigWBT2Bb::Fits(int p) const {
    const int s = GroupStart(p);
    return s != 0 && Free(s) && Free(s + 1) && FitsAt(s);
}
void CKodaConfigWBT2Bb::Claim(int s) {
    Put({s, s + 1}, false, {s - 2, s - 1, s + 2}, {{s - 2, 1}, {s - 1, 2}, {s + 2, 14}});
}
bool CKodaConfigWBT2Bb::Release(int p) {
    const int s = GroupStart(p);
    return s != 0 && ReleaseShared(s, s + 2, kB, s - 2, s - 2);
}
int CKodaConfigWBT2Bb::OutputPort(int p, int) const {
    const int s = GroupStart(p);
    return s == 0 ? 0 : s - 1;
}
int CKodaConfigWBT2Bb::TxCombiner(int s) const {
    return s - 1;
}
void CKodaConfigWBT2Bb::WriteTx(STrxCabling& c, int, int s) const {
    c.txCombinerId = s - 1;
    c.txPath1 = WbtInput(s + 2, kB);
}

// 2:1 WBT(C)-DDU (to b half).
std::string CKodaConfigWBT2Cb::Name() const {
    return "2:1 WBT(C)-DDU (to b half)";
}
int CKodaConfigWBT2Cb::GroupStart(int p) const {
    return Odd(p);
}
bool CKodaConfigWBT2Cb::FitsAt(int s) const {
    return MarkIn(s - 1, {0, 1}) && MarkIn(s, {0, 2}) && MarkEmptyOrWbt(s + 1) &&
           !AnyTrxOnPath(WbtInput(s + 1, kC)) && !AnyTrxOnCombiner(s - 1);
}
bool CKodaConfigWBT2Cb::Fits(int p) const {
    const int s = GroupStart(p);
    return s != 0 && Free(s) && Free(s + 1) && FitsAt(s);
}
void CKodaConfigWBT2Cb::Claim(int s) {
    Put({s, s + 1}, false, {s - 1, s, s + 1}, {{s - 1, 1}, {s, 2}, {s + 1, 14}});
}
bool CKodaConfigWBT2Cb::Release(int p) {
    const int s = GroupStart(p);
    return s != 0 && ReleaseShared(s, s + 1, kC, s - 1, s - 2);
}
int CKodaConfigWBT2Cb::OutputPort(int p, int) const {
    const int s = GroupStart(p);
    return s == 0 ? 0 : s - 1;
}
int CKodaConfigWBT2Cb::TxCombiner(int s) const {
    return s - 1;
}
void CKodaConfigWBT2Cb::WriteTx(STrxCabling& c, int, int s) const {
    c.txCombinerId = s - 1;
    c.txPath1 = WbtInput(s + 1, kC);
}

// The one-transceiver variants start only where asked and claim the transceiver after theirs.
namespace {
bool OneTrxStartFree(const CKodaConfigMaster& m, int s) {
    return s != 0 && m.SchemeAt(s) == 0 && m.TrxUse(s) == 0 && m.TrxUse(s + 1) == 0;
}
int OddOnly(int p) {
    return p >= 1 && p <= 12 && p % 2 == 1 ? p : 0;
}
} // namespace

#define CABRION_KODA_ONE_TRX_IMPL(Class, Base, Text, wbtOf, input, dduOf)                          \
    std::string Class::Name() const {                                                              \
        return Text;                                                                               \
    }                                                                                              \
    bool Class::Fits(int p) const {                                                                \
        const int s = GroupStart(p);                                                               \
        return OneTrxStartFree(m_master, s) && Base::FitsAt(s);                                    \
    }                                                                                              \
    void Class::Claim(int s) {                                                                     \
        const int ddu = dduOf;                                                                     \
        const int wbt = wbtOf;                                                                     \
        Put({s, s + 1}, true, {ddu, ddu + 1, wbt}, {{ddu, 1}, {ddu + 1, 2}, {wbt, 14}});           \
    }                                                                                              \
    bool Class::Release(int p) {                                                                   \
        const int s = GroupStart(p);                                                               \
        return s != 0 && ReleaseShared(s, wbtOf, input, dduOf, s - 2);                             \
    }                                                                                              \
    int Class::OutputPort(int p, int) const {                                                      \
        return GroupStart(p) == 0 ? 0 : p - 1;                                                     \
    }

CABRION_KODA_ONE_TRX_IMPL(CKodaConfigWBT1Ab, CKodaConfigWBT2Ab, "WBT(A)-DDU (to b half)", s - 2, kA,
                          s - 1)
CABRION_KODA_ONE_TRX_IMPL(CKodaConfigWBT1Bb, CKodaConfigWBT2Bb, "WBT(B)-DDU (to b half)", s + 2, kB,
                          s - 2)
CABRION_KODA_ONE_TRX_IMPL(CKodaConfigWBT1Cb, CKodaConfigWBT2Cb, "WBT(C)-DDU (to b half)", s + 1, kC,
                          s - 1)

int CKodaConfigWBT1Ab::GroupStart(int p) const {
    return OddOnly(p);
}
int CKodaConfigWBT1Bb::GroupStart(int p) const {
    return p > 9 ? 0 : OddOnly(p);
}
int CKodaConfigWBT1Cb::GroupStart(int p) const {
    return OddOnly(p);
}
