#pragma once
// What the Orvik sector configuration sources share: placing a configuration on the scheme
// grid, finding the combiner output a diversity source names, and listing the choices.

#include "rules/SectorConfigBase.h"

class CSectorConfigKODA : public CSectorConfigBase {
public:
    void FillDiversityChoices(int index, int position, int sector, IChoiceList& list, int current,
                              const CKodaConfigMaster& grid) const override;
    void FillColumn(int index, int column, ITableList& list) const override;
    bool PlaceOnGrid(int index, int bandFlags, CKodaConfigMaster& grid) const override;

    // The combiner port id the diversity source of the position names; 0 when none.
    static int DiversityPort(const SSectorRows& rows, int position, const CKodaConfigMaster& grid);

protected:
    // Whether the configuration may be used with the band flags.
    virtual bool ServesBand(int /*index*/, int /*bandFlags*/) const { return true; }
    static void FillSectorColumn(const SSectorRows& rows, ITableList& list);
    static void FillBandColumn(const SSectorRows& rows, int bandFlags, ITableList& list);
};
