#pragma once
// The pages that carry the wizard's flow and its last pages, over their controllers.

#include <array>

#include "app/wizard/WizardFlowPages.h"
#include "app/wizard/WizardReportPages.h"
#include "wizard/WizardPageBase.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QRadioButton;

class CWizardPageWizardWay : public CWizardPageBase {
    Q_OBJECT
public:
    explicit CWizardPageWizardWay(CWizardSheetModel& sheet);
    void Enter() override;
    bool Leave() override;
    CWizardWayController& Controller() { return m_controller; }
    QRadioButton* Radio(int way) const { return m_radios[way]; }

private:
    void Show();

    CWizardWayController m_controller;
    std::array<QRadioButton*, 3> m_radios{};
    std::array<QLabel*, 3> m_texts{};
};

class CWizardPageSCF : public CWizardPageBase {
    Q_OBJECT
public:
    explicit CWizardPageSCF(CWizardSheetModel& sheet);
    void Enter() override;
    bool Leave() override;
    void LeaveBack() override { m_controller.Back(); }
    CWizardSCFController& Controller() { return m_controller; }
    QListWidget* List() const { return m_list; }

private:
    void Fill();
    void Show();

    CWizardSCFController m_controller;
    QLineEdit* m_path = nullptr;
    QListWidget* m_list = nullptr;
    QLabel* m_description = nullptr;
};

class CWizardPageWaitForBTS : public CWizardPageBase {
    Q_OBJECT
public:
    explicit CWizardPageWaitForBTS(CWizardSheetModel& sheet);
    void Enter() override;
    bool Leave() override;
    void OnNotification(int message, int wParam);
    CWizardWaitController& Controller() { return m_controller; }
    QListWidget* Status() const { return m_status; }

private:
    void Show();

    CWizardWaitController m_controller;
    std::array<QLabel*, 4> m_info{};
    QListWidget* m_status = nullptr;
};

class CWizardPageNewLast : public CWizardPageBase {
    Q_OBJECT
public:
    explicit CWizardPageNewLast(CWizardSheetModel& sheet);
    void Enter() override;
    QListWidget* List() const { return m_list; }

private:
    CWizardNewLastController m_controller;
    QListWidget* m_list = nullptr;
};

class CWizardPageLast : public CWizardPageBase {
    Q_OBJECT
public:
    explicit CWizardPageLast(CWizardSheetModel& sheet);
    void Enter() override;
    bool Leave() override;
    // Cancel on this page: false keeps the wizard open.
    bool MayCancel() { return m_controller.Cancel(); }
    CWizardLastController& Controller() { return m_controller; }
    QLineEdit* SaveAs() const { return m_saveAs; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    CWizardLastController m_controller;
    QPlainTextEdit* m_report = nullptr;
    QLineEdit* m_saveAs = nullptr;
};
