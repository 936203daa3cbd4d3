#pragma once
// The pages of the New way: the sector configuration with its network type, the TRX group types
// placed through the combiner schemes, the RX diversity cabling and the antenna settings. They
// edit the live candidate through the sheet's scheme grid and sector configurations.

#include "app/wizard/WizardAntennaPage.h"

#include <array>
#include <set>
#include <string>
#include <vector>

#include "model/BandChoiceList.h"
#include "rules/ConfigLists.h"

class CWizardSheetModel;
class CDataBaseKODA;

// The combiner endpoint a port id names, as the pages show it; empty when the candidate has no
// such unit.
std::string WizardEndpointName(const CDataBaseKODA& db, int portId);

// "Select Sector Configuration".
class CWizardPreferenceController {
public:
    explicit CWizardPreferenceController(CWizardSheetModel& sheet) : m_sheet(sheet) {}

    struct SRow {
        std::string name;
        int index = 0;
    };
    void FirstDisplay();
    void Enter();
    void ChooseRow(int row);
    void ChooseNetwork(int entry);
    // After the sector and network dialog was finished with OK.
    void Modified();
    void Next();

    const std::vector<SRow>& Rows() const { return m_rows; }
    int SelectedRow() const { return m_selectedRow; }
    const CTableVector& Preview() const { return m_preview; }
    const CBandChoiceVector& Networks() const { return m_networks; }
    int SelectedNetwork() const { return m_network; }
    int NetworkValue() const;
    // The configuration the dialog starts from: -1 for the own one.
    int DialogSource() const;

private:
    void FillNetworks();
    void Apply();

    CWizardSheetModel& m_sheet;
    std::vector<SRow> m_rows;
    int m_selectedRow = 0;
    CTableVector m_preview;
    CBandChoiceVector m_networks;
    int m_network = -1;
};

// "Define RVx Configuration".
class CWizardPreDefinedController {
public:
    explicit CWizardPreDefinedController(CWizardSheetModel& sheet) : m_sheet(sheet) {}

    void Enter();
    void SelectPosition(int position);
    // Places the scheme of the combo entry at the selected position; false when nothing changed.
    bool Set(int entry);

    const CTableVector& Table() const { return m_table; }
    const CChoiceVector& Choices() const { return m_choices; }
    int Position() const { return m_position; }

private:
    void Refresh();

    CWizardSheetModel& m_sheet;
    CTableVector m_table;
    CChoiceVector m_choices;
    int m_position = 1;
};

// "Define RX Diversity Cabling".
class CWizardDiversityController {
public:
    explicit CWizardDiversityController(CWizardSheetModel& sheet) : m_sheet(sheet) {}

    void Enter();
    void SelectPosition(int position);
    void Set(int entry);

    const CTableVector& Table() const { return m_table; }
    const CChoiceVector& Choices() const { return m_choices; }
    int Position() const { return m_position; }

private:
    void Refresh();

    CWizardSheetModel& m_sheet;
    CTableVector m_table;
    CChoiceVector m_choices;
    int m_position = 1;
};

// "Modify Sector and Network": edits the own sector configuration row by row.
class CSectorAndNetworkModel {
public:
    static constexpr const char* kNotSupported =
        "The selected configuration is not supported.\nContinue anyway?";

    CSectorAndNetworkModel(CWizardSheetModel& sheet, int source, int networkType);

    void SelectRows(std::set<int> positions);
    // Shared by every selected row; -1 when they differ or nothing is selected.
    int SharedSector() const;
    int SharedNetwork() const;
    void ChooseSector(int sector);
    void ChooseNetwork(int band);
    // False keeps the dialog open.
    bool Ok();
    void Cancel();

    const CTableVector& Table() const { return m_table; }
    const CBandChoiceVector& Networks() const { return m_networks; }
    const std::string& ResultText() const { return m_result; }
    int CollectedBand() const { return m_collected; }

private:
    void Refresh();

    CWizardSheetModel& m_sheet;
    CTableVector m_table;
    CBandChoiceVector m_networks;
    std::set<int> m_selected;
    std::string m_result;
    int m_collected = 0;
};
