// The document's file side: the site it holds, New, the save-changes questions, and taking
// the configuration currently in BTS as the candidate. Open and Save have files of their own.
#include "app/document/BTSConfigurationDoc.h"
#include "app/views/ViewBase.h"
#include "app/views/ViewBaseTARN.h"
#include "app/views/ViewPageBase.h"

#include "app/commands/CommandIds.h"
#include "app/document/NewSiteSheetModel.h"
#include "app/document/SaveSCFSheetModel.h"
#include "app/settings/FileDialogFolder.h"
#include "files/AtomicFile.h"
#include "files/SiteRecords.h"
#include "files/TextCodec.h"
#include "files/xml/ReadXML.h"
#include "files/xml/XMLPlanWriter.h"
#include "model/BtsConfiguration.h"
#include "model/DataBaseKODA.h"
#include "model/SiteKODA.h"
#include "model/SiteTARN.h"
#include "model/Strings.h"
#include "platform/Registry.h"
#include "platform/SettingsKeys.h"

#include <algorithm>
#include <filesystem>
#include <optional>

CBTSConfigurationDoc::SDiskStamp CBTSConfigurationDoc::StampOf(const std::string& path) {
    SDiskStamp s;
    std::error_code ec;
    if (path.empty() || !std::filesystem::is_regular_file(path, ec)) {
        return s;
    }
    s.exists = true;
    s.size = std::filesystem::file_size(path, ec);
    s.modified = std::filesystem::last_write_time(path, ec).time_since_epoch().count();
    return s;
}

void CBTSConfigurationDoc::RememberFolder(const std::string& path) {
    // A path relative to where the program was started means nothing to the next run.
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    settings::Write(*m_services.settings, settings::kSCFPath,
                    FolderOfPath(ec ? path : absolute.lexically_normal().string()));
    settings::Write(*m_services.settings, settings::kLastSCF, FileNameOfPath(path));
}

IUserPrompt::SFileDialog CBTSConfigurationDoc::ConfigurationDialog(const char* title) const {
    IUserPrompt::SFileDialog d;
    d.title = title;
    d.filter = kFilter;
    d.directory =
        SettingFolder(*m_services.settings, settings::kSCFPath, m_services.documentsFolder);
    d.fileName = settings::Read(*m_services.settings, settings::kLastSCF);
    return d;
}

// ---- site ------------------------------------------------------------------------------------

int CBTSConfigurationDoc::CurrentBtsType() const {
    if (dynamic_cast<const CSiteKODA*>(m_site.get()) != nullptr) {
        return kOrvikBtsType;
    }
    return m_site ? kSelmoBtsType : 0;
}

void CBTSConfigurationDoc::DropViewManager() {
    if (!m_viewManager) {
        return;
    }
    // The windows let go of the old manager before it goes.
    auto old = std::move(m_viewManager);
    Windows().ViewManagerChanged();
    Windows().Notify(notify::kGeneral, notify::kViewChanged, 0);
}

bool CBTSConfigurationDoc::CreateSiteForType(int btsType) {
    DropViewManager();
    m_site.reset();
    m_removedTre.clear();
    m_ruleBook.reset();
    m_hasViewManager = false;
    if (btsType == kOrvikBtsType) {
        m_site = std::make_unique<CSiteKODA>(this, this);
        m_ruleBook = std::make_unique<CRuleBookKODA>();
    } else if (btsType == kSelmoBtsType) {
        m_site = std::make_unique<CSiteTARN>(this, this);
    }
    if (m_site) {
        m_hasViewManager = true;
        if (SiteKODA() != nullptr) {
            m_viewManager = std::make_unique<CViewBaseKODA>(m_viewHost, *m_services.settings);
        } else {
            m_viewManager = std::make_unique<CViewBaseTARN>(m_viewHost, *m_services.settings);
        }
        m_viewManager->SetShowPhysicalUnits(m_showPhysicalUnits);
        // A view the family lacks leaves the manager on its own first view.
        m_viewManager->ActivateView(m_activeViewType);
        if (const CViewPageBase* active = m_viewManager->ActiveView()) {
            m_activeViewType = active->Type();
        }
        Windows().ViewManagerChanged();
        Windows().Notify(notify::kGeneral, notify::kViewChanged, m_activeViewType);
        m_configurationName.clear();
        // A site that replaces an unchanged one starts as what is saved; one that replaces
        // unsaved changes has nothing saved to come back to.
        m_savedState = m_configurationChanged ? 0 : m_site->CandidateState();
        m_savedRecord = m_configurationChanged ? nullptr : CandidateRecord();
        RefreshFrame();
    }
    RebuildMenu();
    if (m_site) {
        m_site->Refresh(false);
    }
    RefreshViews();
    return m_site != nullptr;
}

bool CBTSConfigurationDoc::NewSiteOfType(int btsType) {
    const bool made = CreateSiteForType(btsType);
    ResetNames();
    MarkConfigurationChanged(false);
    RefreshFrame();
    return made;
}

void CBTSConfigurationDoc::ResetNames() {
    m_configurationName.clear();
    m_path.clear();
    m_title = kUntitled;
    m_stamp = {};
}

void CBTSConfigurationDoc::AdoptFoundConfiguration(const std::string& path, int indexInFile,
                                                   const std::string& name) {
    ForgetConfigurationFile();
    auto file = std::make_unique<CSiteSCFile>(path);
    if (indexInFile >= 0 && indexInFile < static_cast<int>(file->Sites().size()) &&
        file->Sites()[static_cast<std::size_t>(indexInFile)]->name == name) {
        m_record = file->Sites()[static_cast<std::size_t>(indexInFile)].get();
        m_file = std::move(file);
        m_problemsShown = false;
        m_path = path;
        m_configurationName = name;
        m_title = Cp1252ToUtf8(name);
        m_stamp = StampOf(path);
        m_fileType = kSiteConfigurationFile;
        m_preConfig.LoadFromSite(*m_record, 1);
    } else {
        m_path = path;
    }
    RefreshFrame();
}

void CBTSConfigurationDoc::ForgetConfigurationFile() {
    ReleaseFile();
    m_record = nullptr;
    ResetNames();
}

// ---- New -------------------------------------------------------------------------------------

void CBTSConfigurationDoc::New(bool fileNew) {
    if (!SaveModified(true, true)) {
        return;
    }
    m_candidatePassive.Clear();
    SelectTab(false);
    MarkConfigurationChanged(false);
    ReleaseFile();
    m_record = nullptr;
    if (LinkRef().IsLinkUp() && m_site && CurrentBtsType() != kOrvikBtsType) {
        Message(kTypeMismatch);
        return;
    }
    CreateSiteForType(kOrvikBtsType);
    ViewCommand(cmd::ViewCommandOfType(m_activeViewType));
    ResetNames();
    m_fileType = kSiteConfigurationFile;
    if (fileNew) {
        m_title = "PUntitled";
    }
    SiteLoaded();
    RefreshFrame();
}

// ---- the save-changes questions --------------------------------------------------------------

bool CBTSConfigurationDoc::FileMode() const {
    const IDocumentLink& link = LinkRef();
    return SendRightsMissing() || !link.IsLinkUp();
}

bool CBTSConfigurationDoc::SaveModified(bool configuration, bool passive) {
    const bool plan = m_fileType == kXmlPlan;
    if (FileMode()) {
        if (configuration && (ConfigurationChanged() || (plan && m_passiveChanged))) {
            const std::string name = m_configurationName.empty()
                                         ? std::string("SUntitled")
                                         : Cp1252ToUtf8(m_configurationName);
            switch (Windows().AskYesNoCancel(
                "The configuration has been changed.\nSave changes to " + name + "?")) {
            case EAnswer::Yes:
                // A save that failed or was cancelled keeps the changes and the caller waiting.
                if (!Save()) {
                    return false;
                }
                break;
            case EAnswer::Cancel:
                return false;
            case EAnswer::No:
                break;
            }
            MarkConfigurationChanged(false);
            if (plan) {
                m_passiveChanged = false;
            }
        }
        if (passive && !plan && m_passiveChanged) {
            switch (Windows().AskYesNoCancel(
                "The passive unit information has been changed.\nSave changes to file?")) {
            case EAnswer::Yes:
                if (!ExportPassive()) {
                    return false;
                }
                break;
            case EAnswer::Cancel:
                return false;
            case EAnswer::No:
                break;
            }
            m_passiveChanged = false;
        }
        return true;
    }

    auto updateBts = [this](const char* question, bool passiveStep) {
        switch (Windows().AskYesNoCancel(question)) {
        case EAnswer::Cancel:
            return false;
        case EAnswer::No:
            return true;
        case EAnswer::Yes:
            break;
        }
        // The link may have gone while the question was open: sending then fails cleanly.
        CSiteKODA* site = SiteKODA();
        if (site != nullptr && LinkRef().IsLinkUp() && LinkRef().SendingEnabled()) {
            LogEvent(std::string(LoadString(passiveStep ? 64089 : 64070)));
            if (!LinkRef().Send(*site, passiveStep, m_candidatePassive)) {
                Message(kUpdateFailed);
                return false;
            }
            return true;
        }
        return Windows().AskYesNo(kNotInState, false);
    };
    if (configuration && ConfigurationChanged()) {
        if (!updateBts("The configuration has been changed.\nUpdate BTS with changes?", false)) {
            return false;
        }
        MarkConfigurationChanged(false);
    }
    if (passive && m_passiveChanged) {
        if (!updateBts("The passive unit information has been changed.\nUpdate BTS with changes?",
                       true)) {
            return false;
        }
        m_passiveChanged = false;
    }
    return true;
}

// ---- undo and the BTS configuration ----------------------------------------------------------

void CBTSConfigurationDoc::BecomeUntitled() {
    // A configuration built afresh is none of the file's: the title and the save question
    // both call it untitled, and Save asks where it goes.
    m_configurationName.clear();
    m_path.clear();
    m_title = kUntitled;
    m_stamp = {};
    RefreshFrame();
}

void CBTSConfigurationDoc::CopyBtsConfiguration() {
    if (SelmoSite()) {
        // The configuration currently in BTS is an Orvik one; it has no place in a Selmo site.
        Message(kSelmoNoConnection);
        return;
    }
    if (ConfigurationChanged() &&
        !Windows().AskYesNo("The Edit tab contains some unsaved information.\nContinue anyway?",
                            true)) {
        return;
    }
    SelectTab(false);
    if (m_site && m_site->EditBtsConfiguration()) {
        RefreshFrame();
        ViewCommand(cmd::kRefreshAllViews);
        MarkConfigurationChanged(false);
        m_passiveChanged = false;
        RefreshFrame();
    } else {
        Message(kOperationFailed);
    }
}
