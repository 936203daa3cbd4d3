#pragma once
// The Orvik unit classes other than the transceiver: baseband, BOI, power, transmission,
// duplexers, boosters, multicouplers, combiners, masthead amplifiers and the pseudo-units that
// stand for an external cabinet.

#include "model/UnitKODA.h"

#define CABRION_UNIT_CLONE(Class)                                                                  \
protected:                                                                                         \
    std::unique_ptr<CUnit> Clone() const override {                                                \
        return std::make_unique<Class>(*this);                                                     \
    }                                                                                              \
                                                                                                   \
public:

class CUnitKBOI : public CUnitKODA {
    CABRION_UNIT_CLONE(CUnitKBOI)
    CUnitKBOI();
    std::string ShortTypeText() const override { return TypeCode().substr(0, 3); }
    SPoint LogicalStateIconPosition(int which) const override;
};

class CUnitKBB2 : public CUnitKODA {
    CABRION_UNIT_CLONE(CUnitKBB2)
    CUnitKBB2();
    bool ApplyBand(int bandValue) override;

protected:
    std::string NameForPort(int portIndex) const override;
    void RefineTypeFromText(std::string_view text) override;
};

class CUnitKPWR : public CUnitKODA {
    CABRION_UNIT_CLONE(CUnitKPWR)
    CUnitKPWR();

protected:
    void RefineTypeFromText(std::string_view text) override;
};

class CUnitKTRE : public CUnitKODA {
    CABRION_UNIT_CLONE(CUnitKTRE)
    CUnitKTRE();
    std::string TypeCodeText() const override { return TypeCode(); }
    void AppendStorageEntry(CSCFSite& site, CSCFCabinet& cabinet) override;
    // The TRE unit record of the site record this unit was last stored into or built from, as
    // an index into the record's TRE unit list (-1 none). Records move when the list changes,
    // so the link is only trusted while the record there still carries this unit's slot.
    int TreRecordIndex() const { return m_treRecord; }
    void SetTreRecordIndex(int index) { m_treRecord = index; }

protected:
    void RefineTypeFromText(std::string_view text) override;

private:
    int m_treRecord = -1;
};

class CUnitKDDU : public CUnitKODA {
    CABRION_UNIT_CLONE(CUnitKDDU)
    CUnitKDDU();
    // The displayed number of a DDU is its backplane connector.
    void SetNumber(int number) override;
    bool SetBackplaneConnector(int connector) override;
    bool CanUseBackplaneConnector(int connector) const override;
    bool SetTypeByNumber(int typeId) override;
    bool ApplyBand(int bandValue) override;
    std::string ConnectionText() const override;
    ConnectorList Connectors() const override;
    bool MarkPosition(int cableType, int connectorKind, int index, SPoint& out) const override;
    void AppendStorageEntry(CSCFSite& site, CSCFCabinet& cabinet) override;
    int Extra(int i) const { return m_extra[i]; }
    void SetExtra(int i, int value) { m_extra[i] = value; }

protected:
    std::string NameForPort(int portIndex) const override;
    void RefineTypeFromText(std::string_view text) override;

private:
    int m_extra[2] = {0, 0};
};

class CUnitKBTR : public CUnitKODA {
    CABRION_UNIT_CLONE(CUnitKBTR)
    CUnitKBTR();
};

class CUnitKMC2 : public CUnitKODA {
    CABRION_UNIT_CLONE(CUnitKMC2)
    CUnitKMC2();
    void SetNumber(int number) override;
    bool ApplyBand(int bandValue) override;
    ConnectorList Connectors() const override;
};

class CUnitKMC6 : public CUnitKODA {
    CABRION_UNIT_CLONE(CUnitKMC6)
    CUnitKMC6();
    bool ApplyBand(int bandValue) override;
    ConnectorList Connectors() const override;
};

class CUnitKWBC : public CUnitKODA {
    CABRION_UNIT_CLONE(CUnitKWBC)
    CUnitKWBC();
    bool ApplyBand(int bandValue) override;
    ConnectorList Connectors() const override;
};

class CUnitKWBT : public CUnitKODA {
    CABRION_UNIT_CLONE(CUnitKWBT)
    CUnitKWBT();
    bool ApplyBand(int bandValue) override;
    ConnectorList Connectors() const override;

protected:
    std::string NameForPort(int portIndex) const override;
};

class CUnitKMHA : public CUnitKODA {
    CABRION_UNIT_CLONE(CUnitKMHA)
    CUnitKMHA();
    void SetType(int typeId) override;
    void SetUpgrade(bool upgrade) override;
    // Uses the current type to decide whether the MHA counts as one with bypass.
    bool ApplyBand(int bandValue) override;
    bool ApplyBandMha(int bandValue, bool bypass);
    int LinkValue() const { return m_link; }
    void SetLinkValue(int value) { m_link = value; }
    bool BypassFlag() const { return m_bypass; }
    ConnectorList Connectors() const override;

private:
    int m_link = 0;
    bool m_bypass = false;
};

class CUnitKRTC : public CUnitKODA {
    CABRION_UNIT_CLONE(CUnitKRTC)
    CUnitKRTC();
    bool SetTypeByNumber(int typeId) override;
    bool ApplyBand(int bandValue) override;
    std::string ConnectionText() const override;
    std::string PortLetter(int index) const override;
    ConnectorList Connectors() const override;
    bool MarkPosition(int cableType, int connectorKind, int index, SPoint& out) const override;

protected:
    std::string NameForPort(int portIndex) const override;
    void RefineTypeFromText(std::string_view text) override;
};

// An external cabinet of the older family, the end of cables to combiner port id 17.
class CUnitKExtKettra : public CUnitKODA {
    CABRION_UNIT_CLONE(CUnitKExtKettra)
    CUnitKExtKettra() : CUnitKExtKettra("External Kettra") {}

protected:
    explicit CUnitKExtKettra(const char* description);
};

// An external Orvik cabinet, the end of cables to combiner port id 18.
class CUnitKExtOrvik : public CUnitKExtKettra {
    CABRION_UNIT_CLONE(CUnitKExtOrvik)
    CUnitKExtOrvik() : CUnitKExtKettra("External Orvik") {}
};

#undef CABRION_UNIT_CLONE

bool IsBypassMhaTypeId(int typeId);
