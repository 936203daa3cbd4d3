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
    RegisterCommands();
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
        const int type = viewcommands::ViewTypeOfCommand(command);
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
