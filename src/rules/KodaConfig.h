#pragma once
// The combiner schemes of an Orvik cabinet: how one transceiver or a group of them is combined
// onto a duplexer or remote tune combiner port. Each scheme knows where it may start on the grid
// of its master, which positions and combiner places it claims, and which cable references its
// transceivers get.

#include <initializer_list>
#include <string>
#include <utility>

class CKodaConfigMaster;
struct STrxCabling;

class CKodaConfig {
public:
    CKodaConfig(int id, CKodaConfigMaster& master) : m_id(id), m_master(master) {}
    virtual ~CKodaConfig() = default;
    CKodaConfig(const CKodaConfig&) = delete;
    CKodaConfig& operator=(const CKodaConfig&) = delete;

    int Id() const { return m_id; }
    virtual int GroupSize() const { return 1; }
    virtual int OutputPort(int position, int n) const = 0;
    virtual int Outputs() const { return 1; }
    // Writes the references of the transceiver at the position; false when it does not exist.
    virtual bool WriteReferences(int position);
    virtual bool Place(int position);
    virtual bool Release(int position) = 0;
    virtual bool Fits(int position) const = 0;
    virtual std::string Name() const = 0;
    // Where a group asked for at the position starts; 0 when the scheme cannot start there.
    virtual int GroupStart(int position) const = 0;

protected:
    using Marks = std::initializer_list<std::pair<int, int>>;
    using Places = std::initializer_list<int>;

    virtual int MulticouplerKind() const { return 2; }
    // Schemes of one transceiver claim the transceiver after theirs without carrying it.
    virtual bool OneTransceiver() const { return false; }
    virtual void Claim(int start) = 0;
    virtual void WriteTx(STrxCabling& c, int position, int start) const = 0;
    // Where RX main starts when no transceiver on the same multicoupler says otherwise.
    virtual int RxFallback(int start) const = 0;

    // Grid reads for the fit conditions.
    bool Free(int p) const;
    bool CombinerFree(int p) const;
    bool MarkIn(int k, std::initializer_list<int> values) const;
    bool MarkEmptyOrWbt(int k) const;
    bool SchemeIn(int p, std::initializer_list<int> ids) const;
    // The scheme at a place, with places beyond the grid read as none.
    int SchemeOrNone(int p) const;
    bool AnyTrxOnPath(int pathId) const;
    bool AnyTrxOnCombiner(int portId) const;
    // Four transceivers from s whose first three feed free combiners in a row and whose last
    // ends on port a of a DDU that port b may share.
    bool FourOntoDduPortAFree(int s) const;

    // Marks the grid: scheme, TRX use, kind and place in group on the transceiver positions
    // (the scheme itself and the place only on the first when schemeOnFirst), combiner use on
    // the places, and the combiner marks.
    void Put(Places trxPositions, bool schemeOnFirst, Places combinerPlaces, Marks marks);
    // Clears scheme, uses, kind and place of the positions.
    void ClearUses(Places positions);
    void ClearMarks(Places places);
    // The release of the WBT schemes: the WBT and the DDU stay while transceivers outside the
    // group still use them according to their references.
    bool ReleaseShared(int start, int wbt, int input, int dduFirst, int otherPort);

    static int Odd(int p) { return p >= 1 && p <= 12 ? p - (p + 1) % 2 : 0; }
    static int WbtInput(int wbt, int input) { return 24 + 3 * (wbt - 1) + input; }

    int m_id;
    CKodaConfigMaster& m_master;
};

// Base of every scheme that ends at a DDU.
class CKodaConfigDDU : public CKodaConfig {
public:
    using CKodaConfig::CKodaConfig;

protected:
    int RxFallback(int start) const override { return TxCombiner(start); }
    virtual int TxCombiner(int start) const = 0;
};

#define CABRION_KODA_SCHEME_BODY(Class, Base)                                                      \
public:                                                                                            \
    using Base::Base;                                                                              \
    int OutputPort(int position, int n) const override;                                            \
    bool Release(int position) override;                                                           \
    bool Fits(int position) const override;                                                        \
    std::string Name() const override;                                                             \
    int GroupStart(int position) const override;                                                   \
                                                                                                   \
protected:                                                                                         \
    void Claim(int start) override;                                                                \
    void WriteTx(STrxCabling& c, int position, int start) const override;                          \
    int TxCombiner(int start) const override;

class CKodaConfigDDU1 : public CKodaConfigDDU {
    CABRION_KODA_SCHEME_BODY(CKodaConfigDDU1, CKodaConfigDDU)
};
class CKodaConfigDDU1b : public CKodaConfigDDU1 {
    CABRION_KODA_SCHEME_BODY(CKodaConfigDDU1b, CKodaConfigDDU1)
};
class CKodaConfigDDU1c : public CKodaConfigDDU1 {
    CABRION_KODA_SCHEME_BODY(CKodaConfigDDU1c, CKodaConfigDDU1)
    int Outputs() const override { return 2; }
};
class CKodaConfigDDU2 : public CKodaConfigDDU {
    CABRION_KODA_SCHEME_BODY(CKodaConfigDDU2, CKodaConfigDDU)
    int GroupSize() const override { return 2; }
};
class CKodaConfigDDU2b : public CKodaConfigDDU2 {
    CABRION_KODA_SCHEME_BODY(CKodaConfigDDU2b, CKodaConfigDDU2)
};
class CKodaConfigWBC1b : public CKodaConfigDDU2b {
    CABRION_KODA_SCHEME_BODY(CKodaConfigWBC1b, CKodaConfigDDU2b)
    int GroupSize() const override { return 1; }
    bool OneTransceiver() const override { return true; }
};
class CKodaConfigDDU4 : public CKodaConfigDDU {
    CABRION_KODA_SCHEME_BODY(CKodaConfigDDU4, CKodaConfigDDU)
    int GroupSize() const override { return 4; }
    int MulticouplerKind() const override { return 6; }
};
class CKodaConfigDDU4b : public CKodaConfigDDU4 {
    CABRION_KODA_SCHEME_BODY(CKodaConfigDDU4b, CKodaConfigDDU4)
    bool Place(int position) override;
};

// Groups of four on one WBT; the references depend on the transceiver's place in the group.
class CKodaConfigWBT4 : public CKodaConfigDDU {
    CABRION_KODA_SCHEME_BODY(CKodaConfigWBT4, CKodaConfigDDU)
    int GroupSize() const override { return 4; }
    int MulticouplerKind() const override { return 6; }

protected:
    virtual int GroupWbt(int start) const { return start; }
    void WriteGroupOfFour(STrxCabling& c, int position, int start) const;
};
class CKodaConfigWBT4b : public CKodaConfigWBT4 {
    CABRION_KODA_SCHEME_BODY(CKodaConfigWBT4b, CKodaConfigWBT4)
    int GroupSize() const override { return 2; }
    bool Place(int position) override;
};
class CKodaConfigWBT4a : public CKodaConfigWBT4 {
    CABRION_KODA_SCHEME_BODY(CKodaConfigWBT4a, CKodaConfigWBT4)
    bool Place(int position) override;

protected:
    int GroupWbt(int start) const override { return start + 1; }
};
class CKodaConfigWBT4c : public CKodaConfigDDU {
    CABRION_KODA_SCHEME_BODY(CKodaConfigWBT4c, CKodaConfigDDU)
    int GroupSize() const override { return 4; }
    int MulticouplerKind() const override { return 6; }
};

// The 2:1 WBT schemes and their one-transceiver variants.
class CKodaConfigWBT2A : public CKodaConfigDDU {
    CABRION_KODA_SCHEME_BODY(CKodaConfigWBT2A, CKodaConfigDDU)
    int GroupSize() const override { return 2; }
};
class CKodaConfigWBT2B : public CKodaConfigDDU {
    CABRION_KODA_SCHEME_BODY(CKodaConfigWBT2B, CKodaConfigDDU)
    int GroupSize() const override { return 2; }
};
class CKodaConfigWBT2C : public CKodaConfigDDU {
    CABRION_KODA_SCHEME_BODY(CKodaConfigWBT2C, CKodaConfigDDU)
    int GroupSize() const override { return 2; }
};
class CKodaConfigWBT2Ab : public CKodaConfigWBT2C {
    CABRION_KODA_SCHEME_BODY(CKodaConfigWBT2Ab, CKodaConfigWBT2C)

protected:
    // The conditions on marks and references, shared with the one-transceiver variant.
    bool FitsAt(int s) const;
};
class CKodaConfigWBT2Bb : public CKodaConfigWBT2B {
    CABRION_KODA_SCHEME_BODY(CKodaConfigWBT2Bb, CKodaConfigWBT2B)

protected:
    bool FitsAt(int s) const;
};
class CKodaConfigWBT2Cb : public CKodaConfigWBT2A {
    CABRION_KODA_SCHEME_BODY(CKodaConfigWBT2Cb, CKodaConfigWBT2A)

protected:
    bool FitsAt(int s) const;
};

#define CABRION_KODA_ONE_TRX_BODY(Class, Base)                                                     \
public:                                                                                            \
    using Base::Base;                                                                              \
    int GroupSize() const override {                                                               \
        return 1;                                                                                  \
    }                                                                                              \
    bool Release(int position) override;                                                           \
    bool Fits(int position) const override;                                                        \
    std::string Name() const override;                                                             \
    int GroupStart(int position) const override;                                                   \
    int OutputPort(int position, int n) const override;                                            \
                                                                                                   \
protected:                                                                                         \
    bool OneTransceiver() const override {                                                         \
        return true;                                                                               \
    }                                                                                              \
    void Claim(int start) override;

class CKodaConfigWBT1Ab : public CKodaConfigWBT2Ab {
    CABRION_KODA_ONE_TRX_BODY(CKodaConfigWBT1Ab, CKodaConfigWBT2Ab)
};
class CKodaConfigWBT1Bb : public CKodaConfigWBT2Bb {
    CABRION_KODA_ONE_TRX_BODY(CKodaConfigWBT1Bb, CKodaConfigWBT2Bb)
};
class CKodaConfigWBT1Cb : public CKodaConfigWBT2Cb {
    CABRION_KODA_ONE_TRX_BODY(CKodaConfigWBT1Cb, CKodaConfigWBT2Cb)
};

class CKodaConfigRTC : public CKodaConfig {
public:
    using CKodaConfig::CKodaConfig;
    int GroupSize() const override { return 6; }
    int OutputPort(int position, int n) const override;
    int Outputs() const override { return 2; }
    bool Release(int position) override;
    bool Fits(int position) const override;
    std::string Name() const override { return "RTC"; }
    int GroupStart(int position) const override;

protected:
    int MulticouplerKind() const override { return 6; }
    void Claim(int start) override;
    void WriteTx(STrxCabling& c, int position, int start) const override;
    int RxFallback(int start) const override { return start == 1 ? 13 : 15; }
};
