#pragma once
// "Select Directory": where the configuration search looks, the home folder or one of the recent
// custom folders. The rules live in CDirectoryPageModel; the sheet hands the chosen folder on to
// the result page through onNext.

#include <functional>
#include <optional>

#include "app/search/DirectoryPageModel.h"
#include "wizard/WizardPageBase.h"

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

class CWizardPageDirectory : public CWizardPageBase {
    Q_OBJECT
public:
    // The folder history lives in the sheet's settings; the home folder under the user's
    // documents folder.
    explicit CWizardPageDirectory(CWizardSheetModel& sheet);
    CWizardPageDirectory(CWizardSheetModel& sheet, CRegistry& settings,
                         const std::string& applicationHome);

    CDirectoryPageModel& Model() { return m_model; }
    QRadioButton* HomeChoice() const { return m_home; }
    QRadioButton* CustomChoice() const { return m_custom; }
    QComboBox* Folders() const { return m_folders; }
    QPushButton* BrowseButton() const { return m_browse; }

    // Next with the folder to search; by default the sheet's result page takes it.
    std::function<void(const std::string&)> onNext;
    // The folder chooser; tests answer for it. Nothing when it was cancelled.
    std::function<std::optional<QString>(const QString& start)> browse;

    void Enter() override;
    bool Leave() override;

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
