#include "app/document/BTSConfigurationDoc.h"

#include "app/passive/PagePassive.h"
#include "files/SiteRecords.h"

#include "app/commands/CommandIds.h"
#include "app/commands/ViewCommands.h"
#include "app/document/SaveSCFSheetModel.h"
#include "app/settings/UserAccessControl.h"
#include "app/views/ViewBase.h"
#include "app/views/ViewBaseTARN.h"
#include "app/views/ViewPageBase.h"
#include "comms/CommsReport.h"
#include "files/TextCodec.h"
#include "model/BtsConfiguration.h"
#include "model/DataBaseKODA.h"
#include "model/Site.h"
#include "model/SiteKODA.h"
#include "model/SiteTARN.h"
#include "model/Strings.h"
#include "model/UcSwVersion.h"
#include "platform/Registry.h"
#include "platform/SettingsKeys.h"

#include <ctime>

CBTSConfigurationDoc::CBTSConfigurationDoc(SServices services) : m_services(std::move(services)) {
    RebuildMenu();
}

CBTSConfigurationDoc::~CBTSConfigurationDoc() {
    DropViewManager();
}

std::string CBTSConfigurationDoc::ProductVersion() {
    // The release names run "KS2" ... "KS7 MP1.0"; the update texts put "KS" before it.
    return CUcSwVersion(CUcSwVersion::kLatest).Name().substr(2);
}

CSiteKODA* CBTSConfigurationDoc::SiteKODA() const {
    return dynamic_cast<CSiteKODA*>(m_site.get());
}

CSiteTARN* CBTSConfigurationDoc::SiteTARN() const {
    return dynamic_cast<CSiteTARN*>(m_site.get());
}

CViewBaseKODA* CBTSConfigurationDoc::ViewManager() const {
    return dynamic_cast<CViewBaseKODA*>(m_viewManager.get());
}

std::string CBTSConfigurationDoc::Now() const {
    if (m_services.clock) {
        return m_services.clock();
    }
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[64];
    return std::strftime(text, sizeof text, "%X", &local) > 0 ? text : "";
}

void CBTSConfigurationDoc::RefreshFrame() {
    Windows().RefreshFrame();
}

// ---- menu ------------------------------------------------------------------------------------

void CBTSConfigurationDoc::RebuildMenu() {
    m_menu = CurrentBtsType() == kSelmoBtsType ? SelmoMainMenu() : BaseMainMenu();
    RebuildMainMenu(m_menu, ProductVersion());
    Windows().MenuRebuilt();
}

std::string CBTSConfigurationDoc::CommandText(int id) const {
    if (id == cmd::kUndo && m_site && m_site->UndoCount() > 0) {
        const CDataBase* step = m_site->Snapshot(m_site->RingIndex());
        return "&Undo " + (step ? step->Name() : std::string()) + "\tCtrl + Z";
    }
    if (id == cmd::kRedo && m_site && m_site->RedoCount() > 0) {
        return "&Redo " + m_site->RedoLabel() + "\tCtrl + Y";
    }
    if (id == cmd::kCopyBtsConfiguration) {
        return m_btsTabSelected ? "&Edit Current BTS Configuration" : "&Current BTS Configuration";
    }
    const SMenuItem* item = FindMenuItem(m_menu, id);
    return item ? item->text : std::string();
}

bool CBTSConfigurationDoc::IsCommandEnabled(int id) const {
    if (m_viewManager && m_viewManager->FindViewByCommand(id) != nullptr) {
        return true;
    }
    // A Selmo site has neither the wizard, nor cabinet replacement, nor a BTS to talk to: what
    // its menu leaves out is not reachable by keys or buttons either.
    if (CurrentBtsType() == kSelmoBtsType && id != cmd::kFileNew &&
        FindMenuItem(m_menu, id) == nullptr) {
        return false;
    }
    const bool linkUp = LinkRef().IsLinkUp();
    switch (id) {
    case cmd::kNew:
    case cmd::kNewFromTemplate:
    case cmd::kFileNew:
    case cmd::kOpen:
    case cmd::kSaveAs:
    case cmd::kOptions:
    case cmd::kPropertySheetOptions:
        return true;
    case cmd::kPrint:
    case cmd::kPrintPreview:
        return m_viewManager && m_viewManager->ActiveView() != nullptr;
    case cmd::kSave:
        return HasSite();
    case cmd::kReplaceCabinet:
        // Orvik cabinets only; a Selmo site keeps what its file says.
        return SiteKODA() != nullptr;
    case cmd::kUpdateToLatest:
        // A configuration already at the latest level has nothing to update to.
        return NeedsUpdateToLatest();
    case cmd::kUndo:
        return m_site && m_site->UndoCount() > 0;
    case cmd::kRedo:
        return m_site && m_site->RedoCount() > 0;
    case cmd::kProperties:
        // The sheet has pages for every view of an Orvik site.
        return m_propertiesEnabled || (m_viewManager && m_viewManager->ActiveView() != nullptr);
    case cmd::kCopyBtsConfiguration:
        return linkUp && SiteKODA() != nullptr;
    case cmd::kBtsTab:
    case cmd::kCandidateTab:
        // Only while the tab row is there; the configuration currently in BTS is an Orvik one.
        return m_viewManager && m_viewManager->BtsConnectionEnabled() &&
               (id == cmd::kCandidateTab ? HasSite() : SiteKODA() != nullptr);
    case cmd::kShowPhysicalUnits:
    case cmd::kShowFileUnits:
        return m_differencesFound && linkUp && m_btsTabSelected &&
               m_activeViewType == kDifferencesView &&
               m_showPhysicalUnits == (id == cmd::kShowFileUnits);
    case cmd::kSend:
    case cmd::kSendPassive:
        return m_services.transferDialogs && linkUp && SiteKODA() != nullptr &&
               !SendRightsMissing();
    case cmd::kFetch:
    case cmd::kFetchPassive:
        return m_services.transferDialogs && linkUp && SiteKODA() != nullptr;
    case cmd::kConnectLocal:
        return !SelmoSite() && CanConnectLocal();
    case cmd::kConnectRemote:
        return !SelmoSite() && CanConnectRemote();
    case cmd::kDisconnect:
        return CanDisconnect();
    case cmd::kSimulator:
        return !SelmoSite() && CanConnectSimulator();
    default:
        return false;
    }
}

bool CBTSConfigurationDoc::IsCommandChecked(int id) const {
    if (m_viewManager && m_viewManager->FindViewByCommand(id) != nullptr) {
        return m_viewManager->ActiveView() == m_viewManager->FindViewByCommand(id);
    }
    if (id == cmd::kBtsTab) {
        return HasSite() && m_btsTabSelected;
    }
    if (id == cmd::kCandidateTab) {
        return HasSite() && !m_btsTabSelected;
    }
    return false;
}

bool CBTSConfigurationDoc::OnCommand(int id) {
    if (!IsCommandEnabled(id)) {
        return false;
    }
    if (m_viewManager && m_viewManager->FindViewByCommand(id) != nullptr) {
        ViewCommand(id);
        return true;
    }
    switch (id) {
    case cmd::kNew:
        New(false);
        return true;
    case cmd::kFileNew:
        New(true);
        return true;
    case cmd::kNewFromTemplate:
        return NewFromTemplate();
    case cmd::kOpen:
        return Open();
    case cmd::kSave:
        return Save();
    case cmd::kSaveAs:
        return SaveAs();
    case cmd::kUndo:
        Undo();
        return true;
    case cmd::kRedo:
        Redo();
        return true;
    case cmd::kCopyBtsConfiguration:
        CopyBtsConfiguration();
        return true;
    case cmd::kUpdateToLatest:
        UpdateToLatest();
        return true;
    case cmd::kReplaceCabinet:
        Windows().RunAddCabinetSheet();
        return true;
    case cmd::kBtsTab:
    case cmd::kCandidateTab:
        SelectTab(id == cmd::kBtsTab);
        return true;
    case cmd::kShowPhysicalUnits:
    case cmd::kShowFileUnits:
        SetShowPhysicalUnits(id == cmd::kShowPhysicalUnits);
        RefreshViews();
        return true;
    case cmd::kSend:
        return Windows().RunTransferDialog(0);
    case cmd::kSendPassive:
        return Windows().RunTransferDialog(1);
    case cmd::kFetch:
        return Windows().RunTransferDialog(2);
    case cmd::kFetchPassive:
        return Windows().RunTransferDialog(3);
    case cmd::kConnectLocal:
        ConnectLocal();
        return true;
    case cmd::kConnectRemote:
        ConnectRemote();
        return true;
    case cmd::kDisconnect:
        Disconnect();
        return true;
    case cmd::kSimulator:
        ConnectSimulator();
        return true;
    default:
        return false;
    }
}

void CBTSConfigurationDoc::SelectTab(bool bts) {
    // With nothing from the BTS to show, the views stay on the candidate; the document says
    // the same, or the tab row, the menu's check marks and the edit command would each name a
    // different configuration.
    m_btsTabSelected = bts && CBtsConfiguration::Get() != nullptr && SiteKODA() != nullptr;
    if (m_site) {
        m_site->SetShowBts(m_btsTabSelected);
    }
    ViewCommand(bts ? cmd::kBtsTabView : cmd::kCandidateTabView);
}

// ---- connection ------------------------------------------------------------------------------

bool CBTSConfigurationDoc::CanConnectRemote() const {
    return !(LinkRef().IsLinkUp() && LinkRef().ConnectionKind() == 1);
}

bool CBTSConfigurationDoc::CanConnectLocal() const {
    return !LinkRef().IsLocalLinkActive();
}

bool CBTSConfigurationDoc::CanConnectSimulator() const {
    return !LinkRef().IsLinkUp();
}

bool CBTSConfigurationDoc::CanDisconnect() const {
    return LinkRef().IsLinkUp() || LinkRef().IsLocalLinkActive();
}

void CBTSConfigurationDoc::ConnectRemote() {
    if (SelmoSite()) {
        Message(kSelmoNoConnection);
        return;
    }
    // The link in use stays until the user has named where to go: a cancelled dialog must
    // not cost a live link, least of all a local one at the BTS.
    IDocumentLink& link = LinkRef();
    const std::string target = link.AskRemoteTarget();
    if (target.empty()) {
        return;
    }
    // Already talking to that BTS: a reconnect would only drop what the BTS has reported. One
    // that is not up yet is tried afresh, which is what asking for it again means.
    if (link.IsLinkUp() && link.IsRemoteTarget(target)) {
        return;
    }
    Disconnect();
    SetShowPhysicalUnits(true);
    StartConnection(1, target);
}

void CBTSConfigurationDoc::ConnectLocal() {
    m_differencesFound = false;
    SetShowPhysicalUnits(true);
    StartConnection(2);
}

void CBTSConfigurationDoc::SetShowPhysicalUnits(bool physical) {
    // The views draw the choice: a new view manager takes it over in CreateSiteForType.
    m_showPhysicalUnits = physical;
    if (m_viewManager) {
        m_viewManager->SetShowPhysicalUnits(physical);
    }
}

void CBTSConfigurationDoc::ConnectSimulator() {
    StartConnection(3);
}

void CBTSConfigurationDoc::StartConnection(int kind, const std::string& target) {
    if (SelmoSite()) {
        Message(kSelmoNoConnection);
        return;
    }
    m_connectionWanted = true;
    if (LinkRef().Start(kind, target)) {
        SiteLoaded();
    }
    if (CSiteKODA* site = SiteKODA()) {
        site->SetCrossConnectionWarned(false);
    }
    RefreshFrame();
}

void CBTSConfigurationDoc::Disconnect() {
    m_connectionWanted = false;
    LinkRef().Stop();
    m_differencesFound = false;
    RefreshFrame();
}

void CBTSConfigurationDoc::DisableConnection() {
    Windows().Notify(notify::kConnectionState, notify::kDisconnectedIcon, 0);
    LinkRef().Stop();
    if (m_site) {
        m_site->Refresh(false);
    }
    LogEvent(std::string(LoadString(64068)));
}

void CBTSConfigurationDoc::SiteLoaded() {
    IDocumentLink& link = LinkRef();
    const int comPort = settings::Read(*m_services.settings, settings::kComPort);
    if (m_connectionWanted) {
        // A Selmo site has no BTS to talk to.
        if (!SelmoSite() && link.ConnectionKind() != 1 &&
            (!link.IsLocalLinkActive() || link.ComPort() != comPort)) {
            link.Start(2, std::string());
        }
    } else if (link.ConnectionKind() == 2) {
        DisableConnection();
    }
    RebuildMenu();
}

// ---- idle passes -----------------------------------------------------------------------------

void CBTSConfigurationDoc::SetStartupSiteFile(const std::string& path, int siteNumber) {
    m_startupSiteFile = path;
    m_startupSiteNumber = siteNumber;
    m_openAtStart = !path.empty();
}

void CBTSConfigurationDoc::OnIdle() {
    if (!m_eventLog) {
        RefreshFrame();
        Windows().CreateEventLog();
        m_eventLog = true;
        for (const std::string& note : m_services.startupNotes) {
            LogEvent(note);
        }
    }
    const int pass = m_idlePass;
    if (m_idlePass < 2) {
        ++m_idlePass;
    }
    if (pass == 0) {
        if (!m_services.startedFromOstrel &&
            settings::Read(*m_services.settings, settings::kEnableBTS) == 1 &&
            LinkRef().ConnectionKind() == 0) {
            // The enabled connection is a wanted one: a site loaded later restarts its link
            // when the thread has ended, rather than disabling it.
            m_connectionWanted = true;
            LinkRef().Start(2, std::string());
            LogEvent(std::string(LoadString(64067)));
        }
        RebuildMenu();
        RefreshFrame();
    } else if (pass == 1) {
        if (m_openAtStart) {
            auto file = std::make_unique<CSiteSCFile>();
            std::string failure;
            CSCFSite* record = nullptr;
            if (ReadConfigurationFile(m_startupSiteFile, *file, failure)) {
                const int index = m_startupSiteNumber - 1;
                if (index >= 0 && index < static_cast<int>(file->Sites().size())) {
                    record = file->Sites()[index].get();
                }
            }
            if (record != nullptr) {
                LoadRecord(std::move(file), record, m_startupSiteFile,
                           IsXmlPlanPath(m_startupSiteFile) ? kXmlPlan : kSiteConfigurationFile,
                           false, nullptr, true);
                // The update wizard that follows builds Orvik configurations only.
                m_openAtStart = m_openAtStart && !SelmoSite();
            } else {
                m_openAtStart = false;
                Message(failure.empty() ? "Configuration " + std::to_string(m_startupSiteNumber) +
                                              " was not found in " + m_startupSiteFile + "."
                                        : failure);
            }
        } else if (!m_startupPath.empty()) {
            OpenPath(m_startupPath, true);
        }
    } else if (CViewBaseKODA* views = ViewManager()) {
        views->StartupPass();
    } else if (SelmoSite() && LinkRef().ConnectionKind() != 0) {
        // A Selmo BTS cannot be talked to: a link that was running when its file opened
        // would only report into a site that cannot take it.
        DisableConnection();
        RefreshFrame();
    }
}

void CBTSConfigurationDoc::SettingsChanged() {
    if (auto* selmo = dynamic_cast<CViewBaseTARN*>(m_viewManager.get())) {
        selmo->SettingsChanged(*m_services.settings);
        return;
    }
    CViewBaseKODA* views = ViewManager();
    if (views == nullptr) {
        return;
    }
    const CViewBaseKODA::SSettingsEffect effect = views->SettingsChanged(*m_services.settings);
    if (effect.disconnect) {
        Disconnect();
        SelectTab(false);
    } else if (effect.reconnect && LinkRef().ConnectionKind() == 2) {
        // A new start replaces the link on the old port.
        LinkRef().Start(2, std::string());
    } else if (effect.newSpeed) {
        LinkRef().SetMaxSpeed(effect.maxSpeed);
    }
    RebuildMenu();
    RefreshViews();
}

// ---- comms client ----------------------------------------------------------------------------

void CBTSConfigurationDoc::OnReport(const CCommsReport& report) {
    // Before the event list exists no state has been shown: the first one after it is.
    if (const char* line = m_eventLog ? m_stateLog.LineFor(report) : nullptr) {
        LogEvent(line);
    }
    switch (report.Kind()) {
    case CCommsReport::kNoConnection:
        LinkRef().ResetObjects();
        Windows().Notify(notify::kConnectionState, notify::kDisconnectedIcon, 0);
        break;
    case CCommsReport::kConnected:
        Windows().Notify(notify::kConnectionState, notify::kConnectedIcon, 0);
        break;
    case CCommsReport::kStartingLocal:
        m_connectionWanted = true;
        break;
    default:
        break;
    }
    // The frame shows what the report says before any box below holds the user.
    m_reportKind = report.Kind();
    RefreshFrame();
    m_reportKind = -1;
    switch (report.Code()) {
    case CCommsReport::kNone:
        break;
    case CCommsReport::kSpeedChanged:
        LogEvent(report.Text());
        break;
    case CCommsReport::kReason:
        LogContinuation(report.Text());
        Windows().ShowBtsMessage("Cannot Open Connection to BTS.", report.Text());
        break;
    default:
        m_connectionWanted = true;
        Message(report.Text());
        break;
    }
    RefreshViews();
}

void CBTSConfigurationDoc::OnUplinkMessage(std::span<const uint8_t> message) {
    // A malformed message must not take the program down: it is dropped.
    try {
        LinkRef().ParseUplink(message.data(), message.size());
    } catch (...) {
    }
}

StatusInputs CBTSConfigurationDoc::StatusFor(int reportKind) const {
    StatusInputs in;
    in.documentName = Title();
    in.reportKind = reportKind >= 0 ? reportKind : m_reportKind;
    const IDocumentLink& link = LinkRef();
    in.connection = static_cast<ConnectionKind>(link.ConnectionKind());
    in.bscId = link.BscId();
    in.bcfId = link.BcfId();
    in.accessLevel = m_services.accessLevel;
    in.linkUp = link.IsLinkUp();
    in.speedText = link.SpeedText();
    in.comPort = link.ComPort();
    return in;
}

// ---- event log -------------------------------------------------------------------------------

void CBTSConfigurationDoc::LogEvent(const std::string& line) {
    if (m_eventLog) {
        Windows().AddEventLine(Now(), line);
    }
}

void CBTSConfigurationDoc::LogContinuation(const std::string& line) {
    if (m_eventLog) {
        Windows().AddEventLine(std::string(), line);
    }
}

void CBTSConfigurationDoc::AddEventLine(const std::string& time, const std::string& text) {
    if (m_eventLog) {
        Windows().AddEventLine(time, text);
    }
}

// ---- the site's and the BTS model's side -----------------------------------------------------

// A transmission unit that leaves the candidate takes its TRE record with it, kept aside for an
// undo; the other units are written afresh on every save.
void CBTSConfigurationDoc::UnitDeleted(int kind, int number) {
    if (m_record == nullptr) {
        return;
    }
    const auto& tre = m_record->tre.units;
    for (std::size_t i = 0; kind == kUnitKindTre && i < tre.size(); ++i) {
        if (tre[i].slot == number) {
            m_removedTre.emplace_back(i, tre[i]);
        }
    }
    ForgetUnitRecord(*m_record, kind, number);
}

void CBTSConfigurationDoc::RefreshViews() {
    ViewCommand(cmd::kRefreshAllViews);
}

void CBTSConfigurationDoc::ViewCommand(int command) {
    if (m_viewManager) {
        const int type = viewcommands::ViewTypeOfCommand(*m_viewManager, command);
        if (viewcommands::Run(*m_viewManager, command) && type != 0 && type != kViewRedraw) {
            m_activeViewType = type;
        }
    }
    Windows().RunViewCommand(command);
    if (command != cmd::kRefreshAllViews) {
        Windows().Notify(notify::kGeneral, notify::kViewChanged, m_activeViewType);
    }
}

void CBTSConfigurationDoc::ViewNotification(int message, int wParam, int lParam) {
    if (m_viewManager) {
        viewcommands::Notify(*m_viewManager, message, wParam, lParam);
    }
}

const CHWInfoFile* CBTSConfigurationDoc::CViewHost::PassiveUnits(int selector) {
    return selector == kSelectBts ? &m_doc.m_btsPassive : &m_doc.m_candidatePassive;
}

bool CBTSConfigurationDoc::CViewHost::BtsConnected() const {
    return m_doc.LinkRef().IsLinkUp();
}

void CBTSConfigurationDoc::CViewHost::RequestBtsPart(int step) {
    CSiteKODA* site = m_doc.SiteKODA();
    if (site != nullptr && m_doc.LinkRef().IsLinkUp()) {
        m_doc.LinkRef().FetchPart(*site, step, &m_doc.m_btsPassive);
    }
}

void CBTSConfigurationDoc::CViewHost::PollConnection() {
    // The frame's connection texts follow a link that changed without a report.
    const bool up = m_doc.LinkRef().IsLinkUp();
    if (up != m_doc.m_polledLinkUp) {
        m_doc.m_polledLinkUp = up;
        m_doc.RefreshFrame();
    }
}

void CBTSConfigurationDoc::CViewHost::UnitSelected(int packed) {
    m_doc.Windows().ViewSelectionChanged();
    m_doc.Windows().Notify(notify::kGeneral, notify::kSelectionChanged, packed);
}

void CBTSConfigurationDoc::CViewHost::ShowPassiveNode(int top, int group, int slot) {
    if (top < 0 || top > 255 || group < 0 || group > 255 || slot < -1 || slot > 254) {
        return;
    }
    m_doc.Windows().Notify(notify::kGeneral, notify::kPassiveRecordChosen,
                           PackPassiveSelection({top, group, slot}));
}

void CBTSConfigurationDoc::CViewHost::ViewsChanged() {
    m_doc.Windows().RedrawViews();
}

void CBTSConfigurationDoc::CViewHost::OpenProperties() {
    m_doc.Windows().OpenProperties();
}

void CBTSConfigurationDoc::RefreshViews(int /*view*/) {
    RefreshViews();
}

void CBTSConfigurationDoc::NotifyMainWindow(int notification, int value) {
    if (notification == kNotifyUndoPerformed) {
        FollowUndoRing();
        Windows().Notify(notify::kGeneral, notify::kUndoPerformed, 0);
    } else if (notification == kNotifyTransferStatusChanged) {
        // The transfer window reads the step and its new status from the value.
        Windows().Notify(notify::kGeneral, notify::kTransferStatus, value);
    }
}

void CBTSConfigurationDoc::NotifyMainWindow(int message, int wParam, int lParam) {
    Windows().Notify(message, wParam, lParam);
}

void CBTSConfigurationDoc::ResetPassiveUnits() {
    m_candidatePassive = m_btsPassive;
}

void CBTSConfigurationDoc::Message(const std::string& text) {
    Windows().Message(text);
}

bool CBTSConfigurationDoc::AskYesNo(const std::string& text) {
    return Windows().AskYesNo(text, true);
}

bool CBTSConfigurationDoc::AskYesNoWarning(const std::string& text) {
    return Windows().AskYesNo(text, false);
}

void CBTSConfigurationDoc::SetWaitCursor(bool on) {
    Windows().SetWaitCursor(on);
}

void CBTSConfigurationDoc::EnsureBtsSite() {
    if (m_site && CBtsConfiguration::Get() == nullptr) {
        m_site->ResetBtsConfiguration();
    }
}

// ---- property pages ----------------------------------------------------------------------------

void CBTSConfigurationDoc::MarkConfigurationChanged() {
    // The page recorded its undo step first: what the step changed is known, so a candidate
    // that stores what is saved again counts as unchanged.
    m_configurationChanged = true;
    // The Edit menu names the step that undo takes back now.
    RebuildMenu();
}

void CBTSConfigurationDoc::RedrawViews() {
    ViewCommand(cmd::kRefreshAllViews);
}

void CBTSConfigurationDoc::BandChanged() {
    RefreshFrame();
}

void CBTSConfigurationDoc::SelectUnitInViews(int kind, int number) {
    if (!m_viewManager) {
        return;
    }
    CDataBase* shown = m_viewManager->ShownAny();
    const CUnit* unit = kind != 0 && shown != nullptr ? shown->FindUnit(kind, number) : nullptr;
    m_viewManager->SelectUnit(unit);
    m_viewManager->Redraw();
}

int CBTSConfigurationDoc::BtsSwLevel() const {
    const CDataBase* bts = CBtsConfiguration::Get();
    return LinkRef().IsLinkUp() && bts != nullptr ? bts->SwLevel().Level() : 0;
}

bool CBTSConfigurationDoc::BtsConnected() const {
    return LinkRef().IsLinkUp();
}

int CBTSConfigurationDoc::BcfState() const {
    return LinkRef().IsLinkUp() ? LinkRef().BcfState() : -1;
}

bool CBTSConfigurationDoc::SendRightsMissing() const {
    // Only a remote link checks the user's rights; a local one sends whoever is at the BTS.
    // Everything that writes to a BTS asks this one rule.
    return LinkRef().ConnectionKind() == 1 &&
           m_services.accessLevel != CUserAccessControl::kFullControl;
}
