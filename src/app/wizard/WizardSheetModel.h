#pragma once
// The wizard sheet without its window: the document it works on, the way chosen, the scheme and
// sector configuration masters the configuration pages share, the report fields, and the one
// undo step that covers the whole run so that Cancel gives back what was there before.

#include <memory>
#include <string>

#include "app/wizard/WizardFlow.h"
#include "files/HWInfoFile.h"
#include "rules/KodaConfigMaster.h"
#include "rules/SectorConfigKODAMaster.h"

class CBTSConfigurationDoc;
class CRegistry;
class CSite;
class CSiteKODA;
class IUserPrompt;

class CWizardSheetModel {
public:
    static constexpr const char* kSelmoStartsNew =
        "The configuration wizard builds Orvik configurations only.\nIt starts from a new "
        "configuration.";
    static constexpr const char* kUndoLabel = "Wizard";

    CWizardSheetModel(CBTSConfigurationDoc& doc, IUserPrompt& prompt, CRegistry& settings,
                      bool updateOnly = false);
    ~CWizardSheetModel();
    CWizardSheetModel(const CWizardSheetModel&) = delete;
    CWizardSheetModel& operator=(const CWizardSheetModel&) = delete;

    // Opening: an empty Orvik site when the document has none, then the "Wizard" undo step.
    void Begin();
    // Cancel: the candidate goes back to what it was when the wizard opened, as long as the
    // site the step was recorded on is still the document's and the step is still on top; the
    // file, configuration and title it came from go back with it.
    bool CancelRun();

    CBTSConfigurationDoc& Doc() const { return m_doc; }
    IUserPrompt& Prompt() const { return m_prompt; }
    CRegistry& Settings() const { return m_settings; }
    CSiteKODA* Site() const;

    int Way() const { return m_updateOnly ? wizard::kWayUpdateOnly : m_way; }
    void SetWay(int way) { m_way = way; }
    bool UpdateOnly() const { return m_updateOnly; }
    int StartPage() const {
        return m_updateOnly ? wizard::kPageWaitForBTS : wizard::kPageWizardWay;
    }
    int NextPage(int page) const { return wizard::NextPage(Way(), page); }
    int PreviousPage(int page) const { return wizard::PreviousPage(Way(), page); }

    // The combiner scheme grid of the document's site; rebuilt when a way replaces the site.
    CKodaConfigMaster* Schemes();
    void RebuildSchemes();
    CSectorConfigKODAMaster& Sectors() { return m_sectors; }
    CHWInfoFile& Passive() { return m_passive; }

    // The main window follows the pages: a view by its type, and one of the two tabs.
    void ActivateView(int viewType);
    void SelectTab(bool bts);
    void Redraw();
    void ClearSelectedUnit();
    void SelectUnit(int kind, int number);

    bool LinkUp() const;
    int BcfState() const;

    // What the report header names.
    const std::string& ReportPath() const { return m_reportPath; }
    const std::string& ReportName() const { return m_reportName; }
    void SetReportFields(std::string path, std::string name) {
        m_reportPath = std::move(path);
        m_reportName = std::move(name);
    }

    // Set once the passive units page has sent its units: a Cancel afterwards must not say that
    // nothing reached the BTS.
    bool PassiveSent() const { return m_passiveSent; }
    void SetPassiveSent() { m_passiveSent = true; }

    // Set by the way page when Search is chosen; the search pages read and clear it.
    bool SearchAgain() const { return m_searchAgain; }
    void SetSearchAgain(bool again) { m_searchAgain = again; }

private:
    CBTSConfigurationDoc& m_doc;
    IUserPrompt& m_prompt;
    CRegistry& m_settings;
    bool m_updateOnly;
    int m_way = wizard::kWaySearch;
    std::unique_ptr<CKodaConfigMaster> m_schemes;
    const CSite* m_schemesSite = nullptr;
    CSectorConfigKODAMaster m_sectors;
    CHWInfoFile m_passive;
    std::string m_reportPath;
    std::string m_reportName;
    bool m_searchAgain = false;
    bool m_passiveSent = false;
    const CSite* m_undoSite = nullptr;
    int m_undoRingIndex = -1;
};
