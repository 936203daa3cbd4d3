#pragma once
// The cabling rules of a cabinet family: they turn the references recorded on transceivers and
// antennas into drawable cables, keep transceivers that share equipment consistent, and turn a
// cable drawn with the mouse back into references.

#include <array>

#include "model/Cabling.h"
#include "model/Connector.h"

class CDataBase;
class CSite;
class CUnit;
class CUnitKTrx;

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
    // A cable between `source` and the unit a reference names (`targetKind` with its displayed
    // number, a WBT by its TX path id). The target is always the end nearer the antenna, so TX
    // cables run from the source and RX and antenna cables towards it. `sourcePort` is the WBT
    // input (1-3) through which the TX path reached a WBT source.
    // 0 made, 1 the target does not exist, 2 no cable could be made or flagged.
    virtual int MakeCable(CUnit& /*source*/, int /*trx*/, int /*targetKind*/, int /*targetNumber*/,
                          int /*reference*/, int /*cableType*/, int /*selector*/, bool /*changed*/,
                          int /*sourcePort*/ = 0) {
        return 2;
    }

    // What every edit and undo calls: the cables of the shown configuration follow the
    // references again.
    void RecomputeCableStates(int selector) { RebuildCables(selector, 1); }

    // Combiner types remembered while cables are rebuilt in mode 0, by the combiner's own
    // reference (so DDU 1 and RTC 1 keep their own).
    int RememberedType(int reference) const;
    void RememberType(int reference, int typeId);

protected:
    CSite& m_site;

private:
    std::array<int, 16> m_rememberedTypes{};
};

// The Orvik rules.
class CCableGuyKODA : public CCableGuy {
public:
    using CCableGuy::CCableGuy;

    int AddCableByMouse(int cableType, CUnit& a, CUnit& b, SPoint atA, SPoint atB) override;
    void RebuildCables(int selector, int mode) override;
    void BuildAntennaCables(int selector) override;
    int ApplyDrawnCable(CCabling& cable) override;
    int MakeCable(CUnit& source, int trx, int targetKind, int targetNumber, int reference,
                  int cableType, int selector, bool changed, int sourcePort = 0) override;

    // Makes the other transceivers that share equipment with `trx` on the cable type's path
    // follow its references. Fill mode first takes empty references of `trx` from a sharing
    // transceiver; preview mode reads the preview values of `trx` and proposes the results as
    // the others' preview values instead of recording them.
    void ShareReferences(CUnitKTrx& trx, int cableType, bool fill, bool preview, int selector);

    // The unit MakeCable last found as its target (nullptr when none was found).
    CUnit* LastTarget() const { return m_lastTarget; }

private:
    void BuildTx(CDataBase& db, CUnitKTrx& trx, int selector);
    void BuildRx(CDataBase& db, CUnitKTrx& trx, int cableType, int selector);
    void MakeMarker(CDataBase& db, CUnitKTrx& trx, int cableType, int reference, int selector,
                    bool changed);
    CUnit* FindTarget(int targetKind, int targetNumber, int reference, int selector);
    void AdjustTargetType(CUnit& target, const CUnit& source, int trx, int cableType, bool changed,
                          int selector);

    // Units by kind and displayed number while a rebuild runs, so that each cable does not
    // search the configuration again; empty outside a rebuild.
    void IndexUnits(const CDataBase& db);
    CUnit* Indexed(int kind, int displayed) const;

    int m_mode = 0;
    bool m_indexed = false;
    std::array<std::array<CUnit*, 16>, 17> m_index{};
    bool m_txPart = false;
    bool m_writeThisTime = true;
    CUnit* m_lastTarget = nullptr;
};
