#pragma once
// "Select Directory": where the configuration search looks, the home folder or one of the recent
// custom folders. The rules live in CDirectoryPageModel; the sheet hands the chosen folder on to
// the result page through onNext.

#include <QWizardPage>

#include <functional>
#include <optional>

#include "app/search/DirectoryPageModel.h"

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

class CWizardPageDirectory : public QWizardPage {
    Q_OBJECT
public:
    CWizardPageDirectory(CRegistry& settings, const std::string& applicationHome,
                         QWidget* parent = nullptr);

    CDirectoryPageModel& Model() { return m_model; }
    QRadioButton* HomeChoice() const { return m_home; }
    QRadioButton* CustomChoice() const { return m_custom; }
    QComboBox* Folders() const { return m_folders; }
    QPushButton* BrowseButton() const { return m_browse; }

    // Entering the page (the sheet shows the configuration currently in BTS).
    std::function<void()> onEnter;
    // Next with the folder to search.
    std::function<void(const std::string&)> onNext;
    // The folder chooser; tests answer for it. Nothing when it was cancelled.
    std::function<std::optional<QString>(const QString& start)> browse;

    void initializePage() override;
    bool validatePage() override;

private:
    void Refresh();
    void Browse();

    CDirectoryPageModel m_model;
    QRadioButton* m_home = nullptr;
    QLabel* m_homeText = nullptr;
    QRadioButton* m_custom = nullptr;
    QComboBox* m_folders = nullptr;
    QPushButton* m_browse = nullptr;
};
