#pragma once
// The one document of the program: the open site and where it came from, the changed marks
// behind the save and update questions, the menu commands with their texts and enable rules,
// the connection wishes, and the connection event log. It reaches windows only through
// IDocumentWindows, and the BTS only through IDocumentLink.

#include "app/commands/CommandTable.h"
#include "app/commands/DocumentMenu.h"
#include "app/document/DocumentWindows.h"
#include "app/document/StatusText.h"
#include "app/link/DocumentLink.h"
#include "app/link/LinkStateLog.h"
#include "app/pages/PageDocument.h"
#include "app/views/ViewHost.h"
#include "comms/BtsHost.h"
#include "files/HWInfoFile.h"
#include "files/PreConfigFile.h"
#include "files/SiteSCFile.h"
#include "model/SiteHost.h"
#include "rules/RuleBook.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

class CCommsReport;
class CRegistry;
class CSite;
class CSiteKODA;
class CSiteTARN;
class CViewBase;
class CViewBaseKODA;

class CBTSConfigurationDoc : public ISiteHost,
                             public IPrompt,
                             public IBtsHost,
                             public IPageDocument {
public:
    static constexpr const char* kUntitled = "Untitled";
    static constexpr const char* kTypeMismatch =
        "BTS type in the selected configuration file does not match the currently\nactive BTS "
        "connection. The file is not opened.";
    static constexpr const char* kUnsupportedType = "Unsupported BTS type. Cannot open.";
    static constexpr const char* kSelmoNotInPlan =
        "A Selmo configuration cannot be saved as a configuration plan.\nThe configuration was "
        "not saved.";
    static constexpr const char* kSelmoNoConnection =
        "The BTS connection works with Orvik configurations only.";
    static constexpr const char* kOperationFailed = "Operation failed.";
    static constexpr const char* kUpdateFailed = "BTS update failed.";
    static constexpr const char* kNotInState =
        "BTS cannot be updated because it is not in the\ncorrect state. Exit anyway?";
    static constexpr const char* kFilter =
        "BTS HW Configuration Files (*.hwc)|*.hwc|Site Configuration Files (*.sdf)|*.sdf|BTS HW "
        "Configuration Files (*.ewb)|*.ewb|All Files (*.*)|*.*|";
    static constexpr int kOrvikBtsType = 6;
    static constexpr int kSelmoBtsType = 4;
    static constexpr int kPassiveUnitsView = 10;
    static constexpr int kDifferencesView = 11;
    enum EFileType { kSiteConfigurationFile = 1, kXmlPlan = 3 };

    struct SServices {
        IDocumentWindows* windows = nullptr; // required
        IDocumentLink* link = nullptr;       // required
        CRegistry* settings = nullptr;       // required
        // Where file dialogs start when the stored folder does not exist here.
        std::string documentsFolder;
        bool startedFromOstrel = false;
        int accessLevel = 1;
        // The time column of the event log ("%X" of the local time); replaced by tests.
        std::function<std::string()> clock;
        // The transfer dialogs exist (the send and fetch commands are offered).
        bool transferDialogs = false;
        // The installed templates, for when the "NewSCFTemplates" folder does not exist.
        std::string templatesFolder;
        // Lines for the event log as soon as it exists (what start-up did not use, and why).
        std::vector<std::string> startupNotes;
    };

    explicit CBTSConfigurationDoc(SServices services);
    ~CBTSConfigurationDoc() override;
    CBTSConfigurationDoc(const CBTSConfigurationDoc&) = delete;
    CBTSConfigurationDoc& operator=(const CBTSConfigurationDoc&) = delete;

    // Menu commands. False when the command is not the document's, not enabled, or was not
    // carried out (a cancelled or failed open or save).
    bool OnCommand(int id);
    // "New from Template...": the new-site sheet over the templates folder; the empty row is
    // New, a template gives an unnamed configuration built from it. False when cancelled.
    bool NewFromTemplate();
    std::string TemplatesFolder() const;
    bool IsCommandEnabled(int id) const;
    bool IsCommandChecked(int id) const;
    // The item's text as the menu shows it now, with its key ("&Undo Add Unit\tCtrl + Z"):
    // the command table's.
    std::string CommandText(int id) const;
    // Every command with its text, key, enable rule and handler; the windows bind the commands
    // they carry out themselves.
    CCommandTable& Commands() { return m_commands; }
    const CCommandTable& Commands() const { return m_commands; }
    // The document's own rule for a command, which a window that carries the command out
    // narrows with its own (the property sheet exists).
    bool CommandRule(int id) const;
    void RebuildMenu();
    // The product version the update texts name ("7 MP1.0").
    static std::string ProductVersion();

    void New(bool fileNew = false);
    // An empty, untitled site of the BTS type (6 Orvik, 4 Selmo) with its view manager and
    // menu; false for any other type, which leaves no site. New makes an Orvik one; this is for
    // the Selmo family, which the wizard cannot build.
    bool NewSiteOfType(int btsType);
    bool Open();
    // Opens a configuration file; `direct` takes a file's only configuration without the
    // site selection sheet (a file named on the command line).
    bool OpenPath(const std::string& path, bool direct = false);
    void UpdateToLatest(bool ask = true);
    // The candidate is an Orvik one below the latest software level.
    bool NeedsUpdateToLatest() const;
    bool Save();
    bool SaveAs();
    // Asks what to do with unsaved changes; false means the user chose to stop.
    bool SaveModified(bool configuration, bool passive);
    // Closing the document or the program.
    bool CanClose() { return SaveModified(true, true); }
    void CopyBtsConfiguration();
    void Undo();
    void Redo();
    // The wizard's New way: the configuration no longer belongs to a file.
    void BecomeUntitled();
    // The wizard's configuration selection: a configuration of a file becomes the candidate of
    // the Orvik site there is, so that the wizard's undo step can still give back the earlier one.
    bool TakeConfiguration(std::unique_ptr<CSiteSCFile> file, CSCFSite* record,
                           const std::string& path);
    // A configuration the search put into the candidate becomes the document's configuration:
    // a later Save writes it back under its name into the file it came from. When the file no
    // longer holds that configuration at that position, only the folder is kept, so that Save
    // asks where to put it rather than adding a second configuration of that name.
    void AdoptFoundConfiguration(const std::string& path, int indexInFile, const std::string& name);
    // The candidate no longer comes from a file.
    void ForgetConfigurationFile();
    // The wizard keeps where the candidate came from (file, configuration, title, changed
    // marks), so that its Cancel gives that back together with the candidate: what the title
    // names is then again what Save writes into.
    void KeepOrigin();
    void RestoreOrigin();
    void ForgetOrigin();
    // The "Open HW Information File" dialog and the import into a table; a file that cannot be
    // imported is reported and leaves the table as it was.
    bool ImportPassiveInto(CHWInfoFile& table);

    void ConnectRemote();
    void ConnectLocal();
    void ConnectSimulator();
    void Disconnect();
    bool CanConnectRemote() const;
    bool CanConnectLocal() const;
    bool CanConnectSimulator() const;
    bool CanDisconnect() const;
    void SiteLoaded();

    // Once per idle period of the program.
    void OnIdle();
    // The options were applied: the views read them again and the link follows the switch,
    // the COM port and the speed.
    void SettingsChanged();
    int IdlePass() const { return m_idlePass; }
    // The file of the switches -SCF and -SNR, read on the second idle pass.
    void SetStartupSiteFile(const std::string& path, int siteNumber);
    bool OpenSiteFileAtStart() const { return m_openAtStart; }
    // The start-up request that the wizard opens once in update-only mode.
    void ClearSiteFileAtStart() { m_openAtStart = false; }
    // A file named on the command line, opened on the second idle pass.
    void SetStartupPath(const std::string& path) { m_startupPath = path; }

    // The view manager of an Orvik site; nullptr without one.
    CViewBaseKODA* ViewManager() const;
    // The view manager of the open site, whatever its family; the windows work with this one.
    CViewBase* AnyViewManager() const { return m_viewManager.get(); }
    // A view command (a view's command, a tab command, the redraw of every view): the view
    // manager carries it out and the windows follow.
    void ViewCommand(int command);
    // A notification the main window relays; the view manager hears it before any window.
    void ViewNotification(int message, int wParam, int lParam);

    // Comms client role: reports and uplink messages of the link.
    void OnReport(const CCommsReport& report);
    void OnUplinkMessage(std::span<const uint8_t> message);

    // The connection event log; nothing before it exists.
    void LogEvent(const std::string& line) override;
    void LogContinuation(const std::string& line);
    bool EventLogExists() const { return m_eventLog; }

    // State.
    CSite* Site() override { return m_site.get(); }
    CSiteKODA* SiteKODA() const;
    // The cabling rules of an Orvik site, for the views and pages that ask them; nullptr
    // without one.
    const CRuleBook* RuleBook() const { return m_ruleBook.get(); }
    CSiteTARN* SiteTARN() const;
    bool HasSite() const { return m_site != nullptr; }
    // A site of the older family, which the tool carries in a reduced form.
    bool SelmoSite() const { return m_site != nullptr && SiteKODA() == nullptr; }
    // The document's name wherever it is shown or asked about: the configuration's name, or
    // "Untitled" ("PUntitled" after a File New) for a configuration that has none.
    std::string Title() const;
    void SetTitle(const std::string& title) { m_title = title; }
    const std::string& PathName() const { return m_path; }
    const std::string& ConfigurationName() const { return m_configurationName; }
    int FileType() const { return m_fileType; }
    // The candidate differs from what was last loaded or saved. Set by edits, cleared by
    // whatever makes the candidate the saved one; undo and redo set it by whether they arrive
    // at the saved candidate.
    bool ConfigurationChanged() const;
    // True: the candidate was changed in place, without an undo step of its own. False: the
    // candidate as it is now counts as the saved one.
    void MarkConfigurationChanged(bool changed);
    // Anything the save and update questions would ask about; the title marks it.
    bool Modified() const { return ConfigurationChanged() || m_passiveChanged; }
    bool PassiveChanged() const { return m_passiveChanged; }
    void MarkPassiveChanged(bool changed) { m_passiveChanged = changed; }
    bool ConnectionWanted() const { return m_connectionWanted; }
    void SetConnectionWanted(bool wanted) { m_connectionWanted = wanted; }
    int AccessLevel() const { return m_services.accessLevel; }
    void SetAccessLevel(int level) { m_services.accessLevel = level; }
    bool ShowPhysicalUnits() const { return m_showPhysicalUnits; }
    void SetShowPhysicalUnits(bool physical);
    bool DifferencesFound() const { return m_differencesFound; }
    void SetDifferencesFound(bool found) { m_differencesFound = found; }
    bool CandidateTabSelected() const { return !m_btsTabSelected; }
    void SelectTab(bool bts);
    int ActiveViewType() const { return m_activeViewType; }
    void SetActiveViewType(int type) { m_activeViewType = type; }
    void EnableProperties(bool enabled) { m_propertiesEnabled = enabled; }
    CSCFSite* SiteRecord() const { return m_record; }
    CSiteSCFile* SiteFile() const { return m_file.get(); }
    const CPreConfigFile& PreConfiguration() const { return m_preConfig; }
    CHWInfoFile& CandidatePassive() { return m_candidatePassive; }
    CHWInfoFile& BtsPassive() { return m_btsPassive; }
    IDocumentLink& Link() const { return *m_services.link; }
    // Where file dialogs start when no folder setting names one here.
    const std::string& DocumentsFolderPath() const { return m_services.documentsFolder; }
    // What the title and status bar show; a report that asked for the rebuild gives its kind.
    StatusInputs StatusFor(int reportKind) const;

    // ISiteHost and IPrompt: the site's side.
    void SetModified() override { m_configurationChanged = true; }
    void UnitDeleted(int kind, int number) override;
    void RefreshViews() override;
    void NotifyMainWindow(int notification, int value) override;
    void ResetPassiveUnits() override;
    void Message(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;
    bool AskYesNoWarning(const std::string& text) override;

    // IBtsHost: the BTS object model's side.
    void SetWaitCursor(bool on) override;
    void AddEventLine(const std::string& time, const std::string& text) override;
    void NotifyMainWindow(int message, int wParam, int lParam) override;
    void RefreshViews(int view) override;
    void ShowMessage(const std::string& text) override { Message(text); }
    void EnsureBtsSite() override;
    void ReportProblem(const std::string& text) override { Message(text); }

    // IPageDocument: what the property pages change and read.
    void MarkConfigurationChanged() override;
    void RedrawViews() override;
    void BandChanged() override;
    void SelectUnitInViews(int kind, int number) override;
    int BtsSwLevel() const override;
    bool BtsConnected() const override;
    int BcfState() const override;
    bool SendRightsMissing() const override;

private:
    IDocumentWindows& Windows() const { return *m_services.windows; }
    IDocumentLink& LinkRef() const { return *m_services.link; }
    bool CreateSiteForType(int btsType);
    void RegisterCommands();
    // When a command may run on what the site and the link are now, whatever the menu holds.
    bool CommandRuleOfSite(int id) const;
    int CurrentBtsType() const;
    void ResetNames();
    // `passive`, when given, becomes the candidate's passive unit information (a plan's).
    // `loadOnly`: the -SCF load of the second idle pass and a template only load; the file
    // dialog's folder, the recent files and the upgrade question belong to the user's opens.
    bool LoadRecord(std::unique_ptr<CSiteSCFile> file, CSCFSite* record, const std::string& path,
                    int fileType, bool keepSite = false, const CHWInfoFile* passive = nullptr,
                    bool loadOnly = false);
    bool OpenPlan(const std::string& path, std::unique_ptr<CSiteSCFile>& file, CSCFSite*& record,
                  CHWInfoFile& passive);
    bool WriteCandidate();
    bool WritePlan();
    // Save As of a Selmo configuration: the target record starts as a copy of `source`.
    void CarryRecordInto(const CSCFSite* source);
    void RememberRecentFile(const std::string& path);
    void AskUpgrade();
    bool FileMode() const;
    bool SaveModifiedConfiguration();
    bool SavePassive(bool& ok);
    bool ImportPassive();
    bool ExportPassive();
    void StartConnection(int kind, const std::string& target = {});
    void DisableConnection();
    void RememberFolder(const std::string& path);
    IUserPrompt::SFileDialog ConfigurationDialog(const char* title) const;
    std::string Now() const;
    void RefreshFrame();
    // After the site stepped through its undo ring: changed unless it arrived at what is saved.
    void FollowUndoRing();
    // The candidate as Save would store it; nullptr when its family keeps no records.
    std::shared_ptr<const CSCFSite> CandidateRecord() const;
    // What is on disk at the path, to notice a file another program changed since it was read.
    struct SDiskStamp {
        bool exists = false;
        std::uintmax_t size = 0;
        long long modified = 0;
        bool operator==(const SDiskStamp&) const = default;
    };
    static SDiskStamp StampOf(const std::string& path);
    struct SOrigin {
        // The file the candidate came from, once the wizard has put another in its place.
        std::unique_ptr<CSiteSCFile> parkedFile;
        const CSiteSCFile* file = nullptr;
        CSCFSite* record = nullptr;
        std::string path;
        std::string title;
        std::string configurationName;
        SDiskStamp stamp;
        int fileType = kSiteConfigurationFile;
        CPreConfigFile preConfig;
        bool configurationChanged = false;
        std::uint64_t savedState = 0;
        std::shared_ptr<const CSCFSite> savedRecord;
        std::uint64_t forcedState = 0;
        bool passiveChanged = false;
    };
    // Drops the document's file, or parks it with the kept origin.
    void ReleaseFile();

    // The view manager's side of the document; a member because the site host and the view
    // host both name their site Site().
    class CViewHost : public IViewHost {
    public:
        explicit CViewHost(CBTSConfigurationDoc& doc) : m_doc(doc) {}
        CSiteKODA* Site() override { return m_doc.SiteKODA(); }
        CSite* FamilySite() override { return m_doc.Site(); }
        const CHWInfoFile* PassiveUnits(int selector) override;
        bool BtsConnected() const override;
        bool ConnectionWanted() const override { return m_doc.ConnectionWanted(); }
        void UnitSelected(int packed) override;
        void ShowPassiveNode(int top, int group, int slot) override;
        void ViewsChanged() override;
        void DifferencesFound() override { m_doc.m_differencesFound = true; }
        void OpenProperties() override;
        void RequestBtsPart(int step) override;
        void PollConnection() override;

    private:
        CBTSConfigurationDoc& m_doc;
    };
    void DropViewManager();

    SServices m_services;
    CViewHost m_viewHost{*this};
    std::unique_ptr<CSite> m_site;
    std::unique_ptr<CRuleBook> m_ruleBook;
    // Declared after the site so that it goes first: its views hold the site's units.
    std::unique_ptr<CViewBase> m_viewManager;
    // The link's state at the view manager's last poll.
    bool m_polledLinkUp = false;
    std::unique_ptr<CSiteSCFile> m_file;
    CSCFSite* m_record = nullptr;
    // The TRE records that left the record with their units, with their places in its list: an
    // undo that brings a unit back brings its interfaces and the rest the tool does not edit.
    std::vector<std::pair<std::size_t, CSCFSiteTreUnit>> m_removedTre;
    CPreConfigFile m_preConfig;
    CHWInfoFile m_candidatePassive;
    CHWInfoFile m_btsPassive;
    CCommandTable m_commands;
    bool m_hasViewManager = false;
    bool m_eventLog = false;
    std::string m_path;
    std::string m_title = kUntitled;
    std::string m_configurationName;
    SDiskStamp m_stamp;
    // The lines the reader of m_file rejected were shown to the user (on a sheet's "Parse
    // Error" page), who then chose to go on; a rewrite leaves them out.
    bool m_problemsShown = false;
    int m_fileType = kSiteConfigurationFile;
    bool m_differencesFound = false;
    bool m_connectionWanted = false;
    bool m_showPhysicalUnits = true;
    bool m_passiveChanged = false;
    bool m_configurationChanged = false;
    // The candidate state (CSite::CandidateState) that was last loaded or saved; 0 for none.
    std::uint64_t m_savedState = 0;
    // What Save would have stored at that state; a candidate that stores the same is unchanged.
    std::shared_ptr<const CSCFSite> m_savedRecord;
    // The state a change in place left: changed whatever it stores, as nothing says what the
    // change was.
    std::uint64_t m_forcedState = 0;
    bool m_propertiesEnabled = false;
    bool m_btsTabSelected = false;
    int m_activeViewType = 1;
    int m_idlePass = 0;
    bool m_openAtStart = false;
    std::string m_startupSiteFile;
    int m_startupSiteNumber = -1;
    std::string m_startupPath;
    int m_reportKind = -1;
    CLinkStateLog m_stateLog;
    int m_busy = 0;
    std::unique_ptr<SOrigin> m_origin;
};
