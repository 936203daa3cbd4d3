#pragma once
// The sixteen read-only sector configurations the tool offers ("2+2+2", "6+6 (RTC)", ...).

#include "rules/SectorConfigKODA.h"

class CSectorConfigKODAPre : public CSectorConfigKODA {
public:
    static constexpr int kCount = 16;

    const SSectorRows* Record(int index) const override;
    void ShowAndApplyBand(int index, int bandFlags, ITableList& list,
                          CKodaConfigMaster& grid) override;
    int Type() const override { return 16; }
    std::string Name(int index) const override;
    int Count() const override { return kCount; }
    // The bands the configuration may be used with.
    int BandMask(int index) const;

protected:
    bool ServesBand(int index, int bandFlags) const override;
};
