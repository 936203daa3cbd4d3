#pragma once
// The one view of a Selmo site: the transceivers and which two of them share their RX
// diversity, as cables between the pairs and as a list of the pairs.

#include "app/views/ViewPageBase.h"

class CViewBaseTARN;

class CViewRXCablingTARN : public CViewPageBase {
public:
    static constexpr const char* kName = "RX Diversity Pairs";
    static constexpr const char* kNoPartner = "-";

    explicit CViewRXCablingTARN(CViewBaseTARN& manager);

    void AddCables(SCabinetScene& scene) const override;
    void FillList(SListContent& content) const override;

protected:
    bool Shows(const CUnit& unit) const override;
    bool ShowsBoiOnBtsTab() const override { return false; }

private:
    CViewBaseTARN& m_selmo;
};
