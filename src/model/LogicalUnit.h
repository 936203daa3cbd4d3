#pragma once
// A management object of the BTS (BCF, sector, TRX, RTC) attached to a physical unit, with the
// state the BTS last reported for it.

#include <memory>
#include <string>

enum ELogicalKind : int {
    kLogicalNone = 0,
    kLogicalBcf = 1,
    kLogicalBts = 2,
    kLogicalTrx = 3,
    kLogicalRtc = 4,
};

class CLogicalUnit {
public:
    virtual ~CLogicalUnit() = default;

    // The class for a logical kind 1-4; nullptr for any other kind.
    static std::unique_ptr<CLogicalUnit> Create(int logicalKind);

    const std::string& Name() const { return m_name; }
    int Number() const { return m_number; }
    void SetNumber(int number) { m_number = number; }
    int LogicalKind() const { return m_logicalKind; }
    int State() const { return m_state; }
    int StateClass() const { return m_stateClass; }

    // The physical unit it belongs to, by kind and number.
    int UnitKind() const { return m_unitKind; }
    void Attach(int unitKind, int unitNumber) {
        m_unitKind = unitKind;
        m_number = unitNumber;
    }

    virtual std::string DisplayName() const;
    // -1 means no state reported; 0 and 10 are working states.
    virtual void SetState(int state);

    int StateIconId() const;
    int StateClassIconId() const;

    static constexpr int kStateNone = -1;

protected:
    CLogicalUnit(int logicalKind, const char* name) : m_name(name), m_logicalKind(logicalKind) {}

private:
    std::string m_name = "<define logical name>";
    int m_number = 0;
    int m_logicalKind = 0;
    int m_state = kStateNone;
    int m_stateClass = kStateNone;
    int m_unitKind = 0;
};

class CLogicalUnitBCF : public CLogicalUnit {
public:
    CLogicalUnitBCF() : CLogicalUnit(kLogicalBcf, "BCF") {}
    std::string DisplayName() const override { return Name(); }
};

class CLogicalUnitBTS : public CLogicalUnit {
public:
    CLogicalUnitBTS() : CLogicalUnit(kLogicalBts, "Sector") {}
};

class CLogicalUnitTRX : public CLogicalUnit {
public:
    CLogicalUnitTRX() : CLogicalUnit(kLogicalTrx, "TRX") {}
};

class CLogicalUnitRTC : public CLogicalUnit {
public:
    CLogicalUnitRTC() : CLogicalUnit(kLogicalRtc, "RTC") {}
};
