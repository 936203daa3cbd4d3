#pragma once
// The Orvik transceiver: its logical TRX id, baseband cross-connection and the references that
// record its TX, RX main and RX diversity cabling.

#include "model/UnitKODA.h"

// The cable references of one transceiver; the meaning of the values is given by the cabling
// rules (combiner port ids, TX path ids, multicoupler ids).
struct STrxCabling {
    int txPath1 = 0;
    int txPath2 = 0;
    int txPath3 = 0;
    int txCombinerId = 0;
    int rxCombinerId = 0;
    int rxMainMulticoupler = 0;
    int rxMainPath2 = 0;
    int rxDiversityCombiner = 0;
    int rxDiversityMulticoupler = 0;
    int rxDiversityPath2 = 0;
    int diversityPair = 0;
    bool operator==(const STrxCabling&) const = default;
};

class CUnitKTrx : public CUnitKODA {
public:
    static constexpr int kInitialType = 900;

    CUnitKTrx();

    int LogicalTrxId() const { return m_logicalTrxId; }
    void SetLogicalTrxId(int id) { m_logicalTrxId = id; }
    int Bb2Id() const { return m_bb2Id; }
    void SetBb2Id(int id) { m_bb2Id = id; }
    STrxCabling& Cabling() { return m_cabling; }
    const STrxCabling& Cabling() const { return m_cabling; }

    bool ApplyBand(int bandValue) override;
    bool AcceptsEdgeValue(int edgeValue) const override { return !m_edge || edgeValue == 2; }
    std::string BandText() const override;
    std::string LogicalName() const override;
    ConnectorList Connectors() const override;

protected:
    std::unique_ptr<CUnit> Clone() const override { return std::make_unique<CUnitKTrx>(*this); }

private:
    int m_logicalTrxId = -1;
    int m_bb2Id = -1;
    STrxCabling m_cabling;
};
