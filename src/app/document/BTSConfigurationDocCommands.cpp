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
    SMenuModel menu = CurrentBtsType() == kSelmoBtsType ? SelmoMainMenu() : BaseMainMenu();
    RebuildMainMenu(menu, ProductVersion());
    m_commands.LoadTexts(menu);
    Windows().MenuRebuilt();
}

std::string CBTSConfigurationDoc::CommandText(int id) const {
    return m_commands.MenuText(id);
}

bool CBTSConfigurationDoc::IsCommandEnabled(int id) const {
    return m_commands.IsEnabled(id);
}

bool CBTSConfigurationDoc::IsCommandChecked(int id) const {
    return m_commands.IsChecked(id);
}

bool CBTSConfigurationDoc::OnCommand(int id) {
    return m_commands.Run(id);
}

bool CBTSConfigurationDoc::CommandRule(int id) const {
    // A Selmo site has neither the wizard, nor cabinet replacement, nor a BTS to talk to: what
    // its menu leaves out is not reachable by keys or buttons either.
    if (CurrentBtsType() == kSelmoBtsType && id != cmd::kFileNew) {
        const SCommand* command = m_commands.Find(id);
        if (command == nullptr || !command->inMenu) {
            return false;
        }
    }
    return CommandRuleOfSite(id);
}

bool CBTSConfigurationDoc::CommandRuleOfSite(int id) const {
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

void CBTSConfigurationDoc::RegisterCommands() {
    using namespace cmd;
    const auto bind = [this](int id, std::function<bool()> handler) {
        m_commands.Bind(
            id, [this, id] { return CommandRule(id); }, std::move(handler));
    };
    // Every view command of either family; the views of the current manager are enabled, and
    // the shown one is checked.
    for (int type = 1; type <= 13; ++type) {
        const int id = ViewCommandOfType(type);
        m_commands.Bind(
            id, [this, id] { return m_viewManager && m_viewManager->FindViewByCommand(id); },
            [this, id] {
                ViewCommand(id);
                return true;
            },
            [this, id] {
                const CViewPageBase* shown = m_viewManager ? m_viewManager->ActiveView() : nullptr;
                return shown != nullptr && shown->Command() == id;
            });
    }
    const auto done = [](auto action) {
        return [action] {
            action();
            return true;
        };
    };
    bind(kNew, done([this] { New(false); }));
    bind(kFileNew, done([this] { New(true); }));
    bind(kNewFromTemplate, [this] { return NewFromTemplate(); });
    bind(kOpen, [this] { return Open(); });
    bind(kSave, [this] { return Save(); });
    bind(kSaveAs, [this] { return SaveAs(); });
    bind(kUndo, done([this] { Undo(); }));
    bind(kRedo, done([this] { Redo(); }));
    bind(kCopyBtsConfiguration, done([this] { CopyBtsConfiguration(); }));
    bind(kUpdateToLatest, done([this] { UpdateToLatest(); }));
    bind(kReplaceCabinet, done([this] { Windows().RunAddCabinetSheet(); }));
    for (const int id : {kBtsTab, kCandidateTab}) {
        m_commands.Bind(
            id, [this, id] { return CommandRule(id); },
            done([this, id] { SelectTab(id == kBtsTab); }),
            [this, id] { return HasSite() && m_btsTabSelected == (id == kBtsTab); });
    }
    for (const int id : {kShowPhysicalUnits, kShowFileUnits}) {
        bind(id, done([this, id] {
                 SetShowPhysicalUnits(id == kShowPhysicalUnits);
                 RefreshViews();
             }));
    }
    // The transfer dialog's modes in the order of the BTS menu's items.
    const int transfers[] = {kSend, kSendPassive, kFetch, kFetchPassive};
    for (int mode = 0; mode < 4; ++mode) {
        bind(transfers[mode], [this, mode] { return Windows().RunTransferDialog(mode); });
    }
    bind(kConnectLocal, done([this] { ConnectLocal(); }));
    bind(kConnectRemote, done([this] { ConnectRemote(); }));
    bind(kDisconnect, done([this] { Disconnect(); }));
    bind(kSimulator, done([this] { ConnectSimulator(); }));
    // Undo and redo name the step they would take back or do again; the edit command says
    // whether the configuration it copies can be edited on the tab shown.
    m_commands.BindText(kUndo, [this] {
        if (!m_site || m_site->UndoCount() == 0) {
            return std::string();
        }
        const CDataBase* step = m_site->Snapshot(m_site->RingIndex());
        return "&Undo " + (step ? step->Name() : std::string()) + "\tCtrl + Z";
    });
    m_commands.BindText(kRedo, [this] {
        return m_site && m_site->RedoCount() > 0 ? "&Redo " + m_site->RedoLabel() + "\tCtrl + Y"
                                                 : std::string();
    });
    m_commands.BindText(kCopyBtsConfiguration, [this] {
        return std::string(m_btsTabSelected ? "&Edit Current BTS Configuration"
                                            : "&Current BTS Configuration");
    });
    // The windows carry these out; the document only knows when they may run.
    for (const int id : {kOptions, kPropertySheetOptions, kPrint, kPrintPreview, kProperties}) {
        bind(id, nullptr);
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
