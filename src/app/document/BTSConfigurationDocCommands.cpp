// The document's menu commands: their texts, enable rules and check marks, and what each does.
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
