#pragma once
// The sheets that choose a configuration to create or open, and that save one into a file
// that may hold others. Their rules live in the sheet models; these only show them.

#include <QDialog>

class CNewSiteSheetModel;
class CParseSCFErrorPage;
class CSaveSCFSheetModel;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTreeWidget;

class CNewSiteSheet : public QDialog {
    Q_OBJECT
public:
    CNewSiteSheet(CNewSiteSheetModel& model, QWidget* parent = nullptr);
    QTreeWidget* List() const { return m_list; }
    QTreeWidget* Problems() const { return m_problems; }
    QPushButton* FinishButton() const { return m_finish; }
    QTabWidget* Tabs() const { return m_tabs; }

private:
    void FillRows();
    void ShowSelection();
    void SetStyle(int style);

    CNewSiteSheetModel& m_model;
    QTabWidget* m_tabs = nullptr;
    QTreeWidget* m_list = nullptr;
    QTreeWidget* m_problems = nullptr;
    QLabel* m_values[3] = {};
    QLabel* m_siteDescription = nullptr;
    QLabel* m_configurationDescription = nullptr;
    QPushButton* m_finish = nullptr;
};

class CSaveSCFSheet : public QDialog {
    Q_OBJECT
public:
    CSaveSCFSheet(CSaveSCFSheetModel& model, QWidget* parent = nullptr);
    QListWidget* List() const { return m_list; }
    QLineEdit* NameEdit() const { return m_name; }
    QLineEdit* DescriptionEdit() const { return m_description; }
    QPushButton* SaveButton() const { return m_save; }
    QTabWidget* Tabs() const { return m_tabs; }
    // The "Parse Error" page; nullptr while the chosen file was read without problems.
    CParseSCFErrorPage* ProblemsPage() const { return m_problemsPage; }

private:
    void ShowProblems();
    void FillRows();
    void ShowSelection();
    void ShowCounters();
    void OnSave();

    CSaveSCFSheetModel& m_model;
    QTabWidget* m_tabs = nullptr;
    CParseSCFErrorPage* m_problemsPage = nullptr;
    QLineEdit* m_path = nullptr;
    QListWidget* m_list = nullptr;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_description = nullptr;
    QLabel* m_nameCounter = nullptr;
    QLabel* m_descriptionCounter = nullptr;
    QLabel* m_siteValues = nullptr;
    QLabel* m_configurationValues = nullptr;
    QLabel* m_newValues = nullptr;
    QPushButton* m_save = nullptr;
    bool m_filling = false;
};
