#pragma once
// The cabling rules of a cabinet family: they turn the references recorded on transceivers and
// antennas into drawable cables, keep transceivers that share equipment consistent, and turn a
// cable drawn with the mouse back into references.

#include <array>

#include "model/Cabling.h"
#include "model/Connector.h"

class CSite;
class CUnit;

class CCableGuy {
public:
    explicit CCableGuy(CSite& site) : m_site(site) {}
    virtual ~CCableGuy() = default;
    CCableGuy(const CCableGuy&) = delete;
    CCableGuy& operator=(const CCableGuy&) = delete;

    // A temporary cable between the connectors under the mouse; 1 when made.
    virtual int AddCableByMouse(int /*cableType*/, CUnit& /*a*/, CUnit& /*b*/, SPoint /*atA*/,
                                SPoint /*atB*/) {
        return 0;
    }
    // Deletes the cables of the configuration and builds them again from the references. The
    // mode decides where combiner types are remembered (0 here, 1 in the site).
    virtual void RebuildCables(int /*selector*/, int /*mode*/) {}
    virtual void BuildAntennaCables(int /*selector*/) {}
    virtual int Reserved() { return -1; }
    // The multicoupler an id names: 7-12 a 6-way, anything else a 2-way of that number.
    virtual bool MulticouplerForId(int id, int& kind, int& number, int selector) const;
    // Turns a cable drawn by the user into references; 1 when references changed.
    virtual int ApplyDrawnCable(CCabling& /*cable*/) { return 0; }
    // 0 made, 1 the target does not exist, 2 no cable could be made or flagged.
    virtual int MakeCable(CUnit& /*source*/, int /*trx*/, int /*targetKind*/, int /*targetNumber*/,
                          int /*reference*/, int /*cableType*/, int /*selector*/,
                          bool /*changed*/) {
        return 2;
    }

    // What every edit and undo calls: the cables of the shown configuration follow the
    // references again.
    void RecomputeCableStates(int selector) { RebuildCables(selector, 1); }

    // Combiner types remembered under a DDU or RTC displayed number while cables are rebuilt
    // in mode 0.
    int RememberedType(int displayedNumber) const;
    void RememberType(int displayedNumber, int typeId);

protected:
    CSite& m_site;

private:
    std::array<int, 16> m_rememberedTypes{};
};

// The Orvik rules.
class CCableGuyKODA : public CCableGuy {
public:
    using CCableGuy::CCableGuy;
};
