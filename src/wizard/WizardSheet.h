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
class CWizardSheetModel;
class IUserPrompt;

class CWizardSheet : public QWizard {
    Q_OBJECT
public:
    // Makes the page of an id the sheet does not build itself (the Search way's directory and
    // result pages); nullptr leaves the placeholder in place.
    using PageFactory = std::function<CWizardPageBase*(int pageId, CWizardSheetModel& sheet)>;
    static void SetPageFactory(PageFactory factory);

    CWizardSheet(CBTSConfigurationDoc& doc, IUserPrompt& prompt, CRegistry& settings,
                 bool updateOnly, QWidget* mainWindow = nullptr);
    ~CWizardSheet() override;

    CWizardSheetModel& Model() const { return *m_model; }
    CWizardPageBase* Page(int id) const;
    // A relayed notification of the main window (connection state, news from the BTS).
    void OnNotification(int message, int wParam, int lParam);

    int nextId() const override;
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void PageChanged(int id);
    void Add(int id, CWizardPageBase* page);

    std::unique_ptr<CWizardSheetModel> m_model;
    std::map<int, CWizardPageBase*> m_pages;
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
