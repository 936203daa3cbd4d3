#pragma once
// The ten views of the Orvik family, in bar order.

#include "app/views/ViewPageBase.h"

struct STrxCabling;

class CViewCabinetInfo : public CViewPageBase {
public:
    explicit CViewCabinetInfo(CViewBase& manager);
    bool TakesPartInDifferences() const override { return true; }
    void FillList(SListContent& content) const override;
};

class CViewCabinetUnits : public CViewPageBase {
public:
    explicit CViewCabinetUnits(CViewBase& manager);
    bool TakesPartInDifferences() const override { return true; }
    int PictureVariant() const override;
    bool ShowsConnectorRows() const override { return true; }
    bool ConnectorRowsHitTestable(const CUnit& unit) const override;
    void AddCables(SCabinetScene& scene) const override;
    void FillList(SListContent& content) const override;

protected:
    bool Shows(const CUnit& unit) const override;
    bool ShowsBoiOnBtsTab() const override { return false; }

private:
    // A DDU or RTC is selected: its antennas are the subject, not the transceivers.
    bool CombinerSelected() const;
};

class CViewBB2 : public CViewPageBase {
public:
    explicit CViewBB2(CViewBase& manager);
    bool TakesPartInDifferences() const override { return true; }
    bool ShowsConnectorRows() const override { return true; }
    bool ConnectorRowsHitTestable(const CUnit& unit) const override;
    void AddCables(SCabinetScene& scene) const override;
    void FillList(SListContent& content) const override;

protected:
    bool Shows(const CUnit& unit) const override;
};

// The TX, RX main and RX diversity views differ in their cable type, columns and units.
class CViewCablingBase : public CViewPageBase {
public:
    CViewCablingBase(CViewBase& manager, SViewDescription description, int cableType);
    bool TakesPartInDifferences() const override { return true; }
    int ConnectorType() const override { return m_cableType; }
    bool ShowsConnectorRows() const override { return true; }
    bool ConnectorRowsHitTestable(const CUnit& unit) const override;
    void AddCables(SCabinetScene& scene) const override;

protected:
    int m_cableType;
};

class CViewTXCabling : public CViewCablingBase {
public:
    explicit CViewTXCabling(CViewBase& manager);
    void FillList(SListContent& content) const override;

protected:
    bool Shows(const CUnit& unit) const override;
};

class CViewMainRXCabling : public CViewCablingBase {
public:
    explicit CViewMainRXCabling(CViewBase& manager);
    void FillList(SListContent& content) const override;

protected:
    CViewMainRXCabling(CViewBase& manager, SViewDescription description, int cableType);
    bool Shows(const CUnit& unit) const override;
    // One row per transceiver: its multicoupler (while those are shown) and its combiner.
    void FillRxRows(SListContent& content, int STrxCabling::*multicoupler,
                    int STrxCabling::*combiner) const;
};

class CViewDivRXCabling : public CViewMainRXCabling {
public:
    explicit CViewDivRXCabling(CViewBase& manager);
    void FillList(SListContent& content) const override;

protected:
    bool Shows(const CUnit& unit) const override;
};

class CViewAllCabling : public CViewPageBase {
public:
    explicit CViewAllCabling(CViewBase& manager);
    int PictureVariant() const override;
    int ConnectorType() const override { return -1; }
    bool ShowsConnectorRows() const override { return true; }
    bool ConnectorRowsHitTestable(const CUnit& unit) const override;
    void AddCables(SCabinetScene& scene) const override;
    void FillList(SListContent& content) const override;

protected:
    bool Shows(const CUnit& unit) const override;
};

class CViewAntenna : public CViewPageBase {
public:
    explicit CViewAntenna(CViewBase& manager);
    bool TakesPartInDifferences() const override { return true; }
    // The antenna records follow the MHAs before they are shown: a file or a copied BTS
    // configuration may hold records that disagree with them.
    void Refresh() override;
    int ConnectorType() const override { return kCableAntenna; }
    bool ShowsConnectorRows() const override { return true; }
    bool ConnectorRowsHitTestable(const CUnit& unit) const override;
    void AddCables(SCabinetScene& scene) const override;
    void FillList(SListContent& content) const override;

protected:
    bool Shows(const CUnit& unit) const override;
};

class CViewPassive : public CViewPageBase {
public:
    explicit CViewPassive(CViewBase& manager);
    bool TakesPartInDifferences() const override { return true; }
    EPaneArrangement Panes() const override { return EPaneArrangement::TreeAndList; }
    void FillList(SListContent& content) const override;
};

class CViewDifferences : public CViewPageBase {
public:
    // The heading row of the differences below the per-view rows.
    static constexpr const char* kDetailColumns[4] = {"Unit or setting", "Candidate has", "BTS has",
                                                      "View"};

    explicit CViewDifferences(CViewBase& manager);
    bool UnitDiffers(const CUnit& unit) const override;
    EPaneArrangement Panes() const override { return EPaneArrangement::PictureAndConnectionList; }
    int ConnectorType() const override { return -1; }
    void AddCables(SCabinetScene& scene) const override;
    void FillList(SListContent& content) const override;

protected:
    bool Shows(const CUnit& unit) const override;
    bool ShowsBoiOnBtsTab() const override { return false; }
};
