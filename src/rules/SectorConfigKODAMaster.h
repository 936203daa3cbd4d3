#pragma once
// All sector configurations of an Orvik cabinet behind one global index (0 the user's own,
// 1-16 the pre-defined ones) and the one the user selected.

#include <memory>
#include <string>
#include <vector>

#include "rules/SectorConfigKODAOwn.h"
#include "rules/SectorConfigKODAPre.h"

class CSectorConfigKODAMaster {
public:
    CSectorConfigKODAMaster();

    int Count() const;
    // "-" when the index names no configuration.
    std::string Name(int index) const;
    // The global index of the configuration with that name; -1 when there is none.
    int FindByName(const std::string& name) const;
    int Selected() const { return m_selected; }
    void Select(int index) { m_selected = index; }
    CSectorConfigKODAOwn& Own() { return *m_own; }

    bool CopyFrom(int index, int otherIndex);
    void FillDiversityChoices(int index, int position, int sector, IChoiceList& list, int current,
                              const CKodaConfigMaster& grid) const;
    // An unknown index fills the column with "-".
    void FillColumn(int index, int column, ITableList& list) const;
    bool PlaceOnGrid(int index, int bandFlags, CKodaConfigMaster& grid) const;
    const SSectorRows* Record(int index) const;
    void ShowAndApplyBand(int index, int bandFlags, ITableList& list, CKodaConfigMaster& grid);
    int Type(int index) const;
    bool SetDiversitySource(int index, int position, int value);
    bool SetScheme(int index, int position, int value);
    int DiversitySource(int index, int position) const;
    int Scheme(int index, int position) const;
    int Sector(int index, int position) const;
    int Band(int index, int position) const;

    // The own configuration follows schemes changed on the grid; only while it is selected.
    void TakeOwnFromGrid(CKodaConfigMaster& grid);

private:
    // The source holding the global index and the index within it; nullptr when none.
    CSectorConfigBase* Source(int index, int& local) const;

    std::unique_ptr<CSectorConfigKODAOwn> m_own;
    std::unique_ptr<CSectorConfigKODAPre> m_pre;
    std::vector<CSectorConfigBase*> m_sources;
    int m_selected = 0;
};
