#pragma once
// The pages of the check ways, over their controllers.

#include <array>

#include "app/wizard/WizardCheckPages.h"
#include "wizard/WizardPageBase.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

class CWizardPageCabinet : public CWizardPageBase {
    Q_OBJECT
public:
    explicit CWizardPageCabinet(CWizardSheetModel& sheet);
    void Enter() override;
    CWizardCabinetController& Controller() { return m_controller; }

private:
    void Show();

    CWizardCabinetController m_controller;
    std::array<QRadioButton*, 4> m_types{};
    QComboBox* m_clock = nullptr;
    QCheckBox* m_lte = nullptr;
    QCheckBox* m_wcdma = nullptr;
};

class CWizardPageBB2XCon : public CWizardPageBase {
    Q_OBJECT
public:
    explicit CWizardPageBB2XCon(CWizardSheetModel& sheet);
    void Enter() override;
    // News from the BTS may be the BCF back in Commissioning after an autodetection.
    void OnBtsNews();
    CWizardBB2Controller& Controller() { return m_controller; }
    QComboBox* Box(int half) const { return m_boxes[half - 1]; }

private:
    void Show();

    CWizardBB2Controller m_controller;
    std::array<QLabel*, 6> m_labels{};
    std::array<QComboBox*, 12> m_boxes{};
    QPushButton* m_autodetect = nullptr;
    QCheckBox* m_viewAutodetected = nullptr;
};

class CWizardPageFastCablingCheck : public CWizardPageBase {
    Q_OBJECT
public:
    explicit CWizardPageFastCablingCheck(CWizardSheetModel& sheet);
    void Enter() override;
    bool Leave() override;
    void LeaveBack() override { m_controller.Leave(); }
    QListWidget* List() const { return m_list; }

private:
    CWizardCablingCheckController m_controller;
    QListWidget* m_list = nullptr;
    QCheckBox* m_wideband = nullptr;
    QCheckBox* m_onlySelected = nullptr;
};

class CWizardPageSimpleAnt : public CWizardPageBase {
    Q_OBJECT
public:
    explicit CWizardPageSimpleAnt(CWizardSheetModel& sheet);
    void Enter() override;
    bool Leave() override;
    void LeaveBack() override { m_controller.Leave(); }

private:
    void ShowRows();
    void ShowSelection();

    CWizardSimpleAntController m_controller;
    QTreeWidget* m_list = nullptr;
    QCheckBox* m_vswr = nullptr;
    QLabel* m_base = nullptr;
    QLabel* m_result = nullptr;
    QComboBox* m_loss = nullptr;
    QComboBox* m_gain = nullptr;
    QPushButton* m_set = nullptr;
};

class CWizardPagePassive : public CWizardPageBase {
    Q_OBJECT
public:
    explicit CWizardPagePassive(CWizardSheetModel& sheet);
    void Enter() override;
    bool Leave() override;

private:
    void Fill();

    CWizardPassiveController m_controller;
    QTreeWidget* m_tree = nullptr;
};
