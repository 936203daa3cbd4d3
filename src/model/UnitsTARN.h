#pragma once
// The unit classes of the older Selmo cabinet family, carried in a reduced form.

#include "model/Unit.h"

class CUnitTARN : public CUnit {
public:
    EUnitFamily Family() const override { return EUnitFamily::Selmo; }

protected:
    CUnitTARN(int kind, const char* description) : CUnit(kind, description, 1, 0, 0) {}
};

// The Selmo units that only differ in kind and description.
template <class Derived, int UnitKind> class CUnitTSimple : public CUnitTARN {
public:
    explicit CUnitTSimple(const char* description) : CUnitTARN(UnitKind, description) {}

protected:
    std::unique_ptr<CUnit> Clone() const override {
        return std::make_unique<Derived>(static_cast<const Derived&>(*this));
    }
};

class CUnitTTRX : public CUnitTSimple<CUnitTTRX, kUnitKindTrx> {
public:
    // The file's value for "no pair"; 0 is kept apart because a file may carry it.
    static constexpr int kNoPair = -1;

    CUnitTTRX() : CUnitTSimple("Transceiver") {}

    // The transceiver that shares its RX diversity with this one, as the file records it.
    int DiversityPair() const { return m_diversityPair; }
    void SetDiversityPair(int trx) { m_diversityPair = trx; }
    bool HasDiversityPair() const { return m_diversityPair > 0; }

private:
    int m_diversityPair = kNoPair;
};

class CUnitTPWR : public CUnitTSimple<CUnitTPWR, kUnitKindPwr> {
public:
    CUnitTPWR() : CUnitTSimple("Power") {}
};

class CUnitTTRE : public CUnitTSimple<CUnitTTRE, kUnitKindTre> {
public:
    CUnitTTRE() : CUnitTSimple("Transmission") {}
};

class CUnitTVIF : public CUnitTSimple<CUnitTVIF, kUnitKindInterface> {
public:
    CUnitTVIF() : CUnitTSimple("Interface") {}
};

class CUnitTFAN : public CUnitTSimple<CUnitTFAN, kUnitKindFan> {
public:
    CUnitTFAN() : CUnitTSimple("Fan") {}
};

// A radio hop unit.
class CUnitTOuter : public CUnitTARN {
public:
    CUnitTOuter() : CUnitTARN(kUnitKindExternal, "Outer") {}
    std::string RadioHopEntry() const { return "Radio Hop " + std::to_string(Number()); }
    std::string ShortTypeText() const override { return "R " + std::to_string(Number()); }

protected:
    std::unique_ptr<CUnit> Clone() const override { return std::make_unique<CUnitTOuter>(*this); }
};
