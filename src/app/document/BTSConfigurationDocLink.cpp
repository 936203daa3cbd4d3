// The document's side of the BTS link: the connection commands, the link's reports and uplink
// messages, and the connection event log.
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
