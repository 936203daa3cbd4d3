#pragma once
// The sector configuration the user edits ("< New >"), with a saved copy to return to when an
// edit is cancelled.

#include "rules/SectorConfigKODA.h"

class CSectorConfigKODAOwn : public CSectorConfigKODA {
public:
    CSectorConfigKODAOwn();

    bool CopyFrom(int index, const CSectorConfigBase& other, int otherIndex) override;
    const SSectorRows* Record(int) const override { return &m_rows; }
    void ShowAndApplyBand(int index, int bandFlags, ITableList& list,
                          CKodaConfigMaster& grid) override;
    int Type() const override { return 15; }
    std::string Name(int) const override { return "< New >"; }
    int Count() const override { return 1; }
    bool SetDiversitySource(int index, int position, int value) override;
    bool SetScheme(int index, int position, int value) override;
    bool SetSector(int position, int value);
    bool SetBand(int position, int value);

    void SaveCopy() { m_saved = m_rows; }
    void RestoreCopy() { m_rows = m_saved; }

private:
    SSectorRows m_rows;
    SSectorRows m_saved;
};
