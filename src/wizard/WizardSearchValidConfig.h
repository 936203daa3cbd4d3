#pragma once
// "Configuration Search Result": the configurations of the chosen folder that fit the BTS, found
// on a thread of their own while the window stays live (progress and Cancel), and the chosen one
// shown as the candidate at once. The rules live in CSearchResultModel.

#include <QWizardPage>

#include "app/search/SearchResultModel.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTimer;

class CWizardSearchValidConfig : public QWizardPage {
    Q_OBJECT
public:
    explicit CWizardSearchValidConfig(ISearchResultHost& host, QWidget* parent = nullptr);

    CSearchResultModel& Model() { return m_model; }
    QListWidget* Results() const { return m_results; }
    QCheckBox* OnlyAutodetected() const { return m_only; }
    QProgressBar* ProgressBar() const { return m_progress; }
    QPushButton* CancelButton() const { return m_cancel; }
    QLabel* Status() const { return m_status; }

    void initializePage() override;
    bool validatePage() override;
    bool isComplete() const override;

private:
    void Poll();
    void ShowResult();

    CSearchResultModel m_model;
    QListWidget* m_results = nullptr;
    QCheckBox* m_only = nullptr;
    QButtonGroup* m_views = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_cancel = nullptr;
    QLabel* m_status = nullptr;
    QTimer* m_timer = nullptr;
};
