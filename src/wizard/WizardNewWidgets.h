#pragma once
// The pages of the New way and the sector and network dialog, over their controllers.

#include <QDialog>

#include <array>

#include "app/wizard/WizardNewPages.h"
#include "wizard/WizardPageBase.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QTreeWidget;

// Fills the rows of a three-column table of the twelve positions.
void FillTable(QTreeWidget* list, const CTableVector& table, int columns);

class CSectorAndNetworkDlg : public QDialog {
    Q_OBJECT
public:
    CSectorAndNetworkDlg(CWizardSheetModel& sheet, int source, int networkType,
                         QWidget* parent = nullptr);
    CSectorAndNetworkModel& Model() { return m_model; }
    QTreeWidget* List() const { return m_list; }
    QComboBox* SectorBox() const { return m_sector; }
    QComboBox* NetworkBox() const { return m_network; }
    void accept() override;
    void reject() override;

private:
    void Show();

    CSectorAndNetworkModel m_model;
    QTreeWidget* m_list = nullptr;
    QComboBox* m_sector = nullptr;
    QComboBox* m_network = nullptr;
    QLabel* m_result = nullptr;
};

class CWizardPagePreference : public CWizardPageBase {
    Q_OBJECT
public:
    explicit CWizardPagePreference(CWizardSheetModel& sheet);
    void Enter() override;
    bool Leave() override;
    CWizardPreferenceController& Controller() { return m_controller; }
    QTreeWidget* Configurations() const { return m_configurations; }
    QTreeWidget* Preview() const { return m_preview; }
    QComboBox* Network() const { return m_network; }
    // Opens the sector and network dialog; the sheet's tests drive it through this.
    void Modify();

private:
    void Show();

    CWizardPreferenceController m_controller;
    QTreeWidget* m_configurations = nullptr;
    QTreeWidget* m_preview = nullptr;
    QComboBox* m_network = nullptr;
};

// The RVx group types and the diversity pages share their shape: a list of the twelve
// positions, a combo box of what may go there and "&Set".
class CWizardPagePositions : public CWizardPageBase {
    Q_OBJECT
public:
    CWizardPagePositions(CWizardSheetModel& sheet, const char* title, const char* instruction,
                         const char* column, const char* comboLabel);
    QTreeWidget* List() const { return m_list; }
    QComboBox* Combo() const { return m_combo; }
    QPushButton* SetButton() const { return m_set; }

protected:
    void ShowTable(const CTableVector& table, int position);
    void ShowChoices(const CChoiceVector& choices);
    virtual void PositionChosen(int position) = 0;
    virtual void SetClicked(int entry) = 0;

private:
    QTreeWidget* m_list = nullptr;
    QComboBox* m_combo = nullptr;
    QPushButton* m_set = nullptr;
};

class CWizardPagePreDefined : public CWizardPagePositions {
    Q_OBJECT
public:
    explicit CWizardPagePreDefined(CWizardSheetModel& sheet);
    void Enter() override;
    CWizardPreDefinedController& Controller() { return m_controller; }

private:
    void PositionChosen(int position) override;
    void SetClicked(int entry) override;
    CWizardPreDefinedController m_controller;
};

class CWizardPageDiversity : public CWizardPagePositions {
    Q_OBJECT
public:
    explicit CWizardPageDiversity(CWizardSheetModel& sheet);
    void Enter() override;
    CWizardDiversityController& Controller() { return m_controller; }

private:
    void PositionChosen(int position) override;
    void SetClicked(int entry) override;
    CWizardDiversityController m_controller;
};

class CWizardPageAntenna : public CWizardPageBase {
    Q_OBJECT
public:
    explicit CWizardPageAntenna(CWizardSheetModel& sheet);
    void Enter() override;
    CWizardAntennaController& Controller() { return m_controller; }
    QTreeWidget* List() const { return m_list; }
    QCheckBox* HighGain() const { return m_highGain; }
    QCheckBox* Vswr() const { return m_vswr; }

private:
    void Show();

    CWizardAntennaController m_controller;
    QCheckBox* m_highGain = nullptr;
    QCheckBox* m_bypass = nullptr;
    QCheckBox* m_vswr = nullptr;
    QTreeWidget* m_list = nullptr;
    QComboBox* m_combo = nullptr;
};
