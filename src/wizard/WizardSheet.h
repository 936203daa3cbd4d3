#pragma once
// The configuration wizard: a QWizard whose Next and Back follow the sequence of the chosen way,
// with the pages over the window-free controllers. It works on the live document; Cancel gives
// back the candidate through the one undo step recorded at opening.

#include <QWizard>

#include <functional>
#include <map>
#include <memory>

class CBTSConfigurationDoc;
class CRegistry;
class CWizardPageBase;
class CWizardPageDirectory;
class CWizardSearchValidConfig;
class CWizardSheetModel;
class ISearchResultHost;
class IUserPrompt;
class QWizardPage;

class CWizardSheet : public QWizard {
    Q_OBJECT
public:
    CWizardSheet(CBTSConfigurationDoc& doc, IUserPrompt& prompt, CRegistry& settings,
                 bool updateOnly, QWidget* mainWindow = nullptr);
    ~CWizardSheet() override;

    CWizardSheetModel& Model() const { return *m_model; }
    // The page of an id as the flow pages are built; nullptr for the search pages.
    CWizardPageBase* Page(int id) const;
    CWizardPageDirectory* DirectoryPage() const { return m_directory; }
    CWizardSearchValidConfig* SearchResultPage() const { return m_searchResult; }
    // A relayed notification of the main window (connection state, news from the BTS).
    void OnNotification(int message, int wParam, int lParam);

    int nextId() const override;
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void PageChanged(int id);
    void Add(int id, QWizardPage* page);
    void AddSearchPages(CRegistry& settings);

    std::unique_ptr<CWizardSheetModel> m_model;
    std::unique_ptr<ISearchResultHost> m_searchHost;
    std::map<int, QWizardPage*> m_pages;
    CWizardPageDirectory* m_directory = nullptr;
    CWizardSearchValidConfig* m_searchResult = nullptr;
    int m_lastId = -1;
};

// What opening the wizard needs from the main window besides the document.
struct SWizardOpening {
    CBTSConfigurationDoc* doc = nullptr;
    IUserPrompt* prompt = nullptr;
    CRegistry* settings = nullptr;
    QWidget* mainWindow = nullptr;
    // Registers the sheet for the main window's notifications and answers the id to unregister.
    std::function<int(QObject*, std::function<void(int, int, int)>)> registerNotifications;
    std::function<void(int)> unregisterNotifications;
};

// Opens the wizard modally; true when it was finished.
bool RunWizard(const SWizardOpening& opening, bool updateOnly);
