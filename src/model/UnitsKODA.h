#pragma once
// The Orvik unit classes other than the transceiver: baseband, BOI, power, transmission,
// duplexers, boosters, multicouplers, combiners, masthead amplifiers and the pseudo-units that
// stand for an external cabinet.

#include "model/UnitKODA.h"

// Gives a unit class its copy: a new object of the same class.
template <class Derived, class Base = CUnitKODA> class CUnitKCopyable : public Base {
protected:
    using Base::Base;
    std::unique_ptr<CUnit> Clone() const override {
        return std::make_unique<Derived>(static_cast<const Derived&>(*this));
    }
};

class CUnitKBOI : public CUnitKCopyable<CUnitKBOI> {
public:
    CUnitKBOI();
    std::string ShortTypeText() const override { return TypeCode().substr(0, 3); }
    SPoint LogicalStateIconPosition(int which) const override;
};

class CUnitKBB2 : public CUnitKCopyable<CUnitKBB2> {
public:
    CUnitKBB2();
    bool ApplyBand(int bandValue) override;

protected:
    std::string NameForPort(int portIndex) const override;
    void RefineTypeFromText(std::string_view text) override;
};

class CUnitKPWR : public CUnitKCopyable<CUnitKPWR> {
public:
    CUnitKPWR();

protected:
    void RefineTypeFromText(std::string_view text) override;
};

class CUnitKTRE : public CUnitKCopyable<CUnitKTRE> {
public:
    CUnitKTRE();
    std::string TypeCodeText() const override { return TypeCode(); }
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

class CUnitKDDU : public CUnitKCopyable<CUnitKDDU> {
public:
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
    int Extra(int i) const { return m_extra[i]; }
    void SetExtra(int i, int value) { m_extra[i] = value; }

protected:
    std::string NameForPort(int portIndex) const override;
    void RefineTypeFromText(std::string_view text) override;

private:
    int m_extra[2] = {0, 0};
};

class CUnitKBTR : public CUnitKCopyable<CUnitKBTR> {
public:
    CUnitKBTR();
};

class CUnitKMC2 : public CUnitKCopyable<CUnitKMC2> {
public:
    CUnitKMC2();
    void SetNumber(int number) override;
    bool ApplyBand(int bandValue) override;
    ConnectorList Connectors() const override;
};

class CUnitKMC6 : public CUnitKCopyable<CUnitKMC6> {
public:
    CUnitKMC6();
    bool ApplyBand(int bandValue) override;
    ConnectorList Connectors() const override;
};

class CUnitKWBC : public CUnitKCopyable<CUnitKWBC> {
public:
    CUnitKWBC();
    bool ApplyBand(int bandValue) override;
    ConnectorList Connectors() const override;
};

class CUnitKWBT : public CUnitKCopyable<CUnitKWBT> {
public:
    CUnitKWBT();
    bool ApplyBand(int bandValue) override;
    ConnectorList Connectors() const override;

protected:
    std::string NameForPort(int portIndex) const override;
};

class CUnitKMHA : public CUnitKCopyable<CUnitKMHA> {
public:
    CUnitKMHA();
    void SetType(int typeId) override;
    void SetUpgrade(bool upgrade) override;
    // Uses the current type to decide whether the MHA counts as one with bypass.
    bool ApplyBand(int bandValue) override;
    bool ApplyBandMha(int bandValue, bool bypass);
    int LinkValue() const { return m_link; }
    void SetLinkValue(int value) { m_link = value; }
    bool BypassFlag() const { return m_bypass; }
    // Setting a type sets the flag from the type; a fetched MHA recorded as one with bypass
    // keeps it even when its type falls back to a plain high-gain one.
    void SetBypassFlag(bool bypass) { m_bypass = bypass; }
    ConnectorList Connectors() const override;

private:
    int m_link = 0;
    bool m_bypass = false;
};

class CUnitKRTC : public CUnitKCopyable<CUnitKRTC> {
public:
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
class CUnitKExtKettra : public CUnitKCopyable<CUnitKExtKettra> {
public:
    CUnitKExtKettra() : CUnitKExtKettra("External Kettra") {}

protected:
    explicit CUnitKExtKettra(const char* description);
};

// An external Orvik cabinet, the end of cables to combiner port id 18.
class CUnitKExtOrvik : public CUnitKCopyable<CUnitKExtOrvik, CUnitKExtKettra> {
public:
    CUnitKExtOrvik() : CUnitKCopyable("External Orvik") {}
};

bool IsBypassMhaTypeId(int typeId);
