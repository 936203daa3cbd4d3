#include "app/wizard/WizardFlowPages.h"
#include "app/views/ViewPageBase.h"

#include <algorithm>

#include "app/commands/CommandIds.h"
#include "app/document/BTSConfigurationDoc.h"
#include "app/document/SaveSCFSheetModel.h"
#include "app/settings/FileDialogFolder.h"
#include "app/wizard/WizardSheetModel.h"
#include "files/ConfigInfoKODA.h"
#include "files/SiteSCFile.h"
#include "files/TextCodec.h"
#include "model/BandInformation.h"
#include "model/SiteKODA.h"
#include "platform/Registry.h"
#include "platform/SettingsKeys.h"

namespace {
constexpr int kOrvik = CBTSConfigurationDoc::kOrvikBtsType;
} // namespace

// ---- way choice ------------------------------------------------------------------------------

void CWizardWayController::FirstDisplay() {
    m_way = m_sheet.Way();
    const CBTSConfigurationDoc& doc = m_sheet.Doc();
    // A remote connection may only send with full-control rights.
    m_checkEnabled = !doc.SendRightsMissing();
}

void CWizardWayController::Enter() {
    m_searchEnabled = m_sheet.Doc().Link().ConnectionKind() != 0;
    if (!m_searchEnabled && m_way == wizard::kWaySearch) {
        m_way = wizard::kWayNew;
    }
    m_sheet.ClearSelectedUnit();
    m_sheet.ActivateView(kViewCabinetUnits);
    m_sheet.SelectTab(false);
}

bool CWizardWayController::Next() {
    if (m_way == wizard::kWayCheckAndUpdate && !m_checkEnabled) {
        return false;
    }
    if (m_way == wizard::kWaySearch) {
        if (m_sheet.Doc().Link().ConnectionKind() == 0) {
            m_sheet.Prompt().Message(kSearchNeedsConnection);
            return false;
        }
        m_sheet.SetSearchAgain(true);
    }
    m_sheet.SetWay(m_way);
    if (m_way == wizard::kWayNew) {
        m_sheet.RebuildSchemes();
        m_sheet.Doc().BecomeUntitled();
    }
    return true;
}

// ---- configuration selection -----------------------------------------------------------------

CWizardSCFController::CWizardSCFController(CWizardSheetModel& sheet) : m_sheet(sheet) {}
CWizardSCFController::~CWizardSCFController() = default;

const CSiteSCFile* CWizardSCFController::File() const {
    return m_usesDocumentFile ? m_sheet.Doc().SiteFile() : m_ownFile.get();
}

bool CWizardSCFController::OpenFile(const std::string& path) {
    auto file = std::make_unique<CSiteSCFile>();
    std::string failure;
    if (!ReadConfigurationFile(path, *file, failure)) {
        m_sheet.Prompt().Message(failure);
        return false;
    }
    m_ownFile = std::move(file);
    m_usesDocumentFile = false;
    m_filePath = path;
    return true;
}

void CWizardSCFController::FirstDisplay() {
    CRegistry& settings = m_sheet.Settings();
    const std::string folder =
        settings::Read(settings, settings::kSCFPath, m_sheet.Doc().DocumentsFolderPath());
    const std::string name = settings::Read(settings, settings::kLastSCF);
    if (!folder.empty() && !name.empty()) {
        m_pathText = folder + "\\" + name;
    }
    if (m_sheet.Doc().SiteFile() != nullptr) {
        m_usesDocumentFile = true;
        m_filePath = m_sheet.Doc().PathName();
        if (!m_filePath.empty()) {
            m_pathText = m_filePath;
        }
    } else if (!m_pathText.empty()) {
        std::string path = m_pathText;
        std::replace(path.begin(), path.end(), '\\', '/');
        // A remembered file that has gone since is no reason for a message here.
        auto file = std::make_unique<CSiteSCFile>();
        std::string failure;
        if (ReadConfigurationFile(path, *file, failure)) {
            m_ownFile = std::move(file);
            m_filePath = path;
        }
    }
    RebuildList();
}

void CWizardSCFController::RebuildList() {
    m_entries.clear();
    m_records.clear();
    if (m_sheet.Doc().HasSite()) {
        m_entries.push_back(kActiveConfiguration);
        m_records.push_back(-1);
    }
    if (const CSiteSCFile* file = File()) {
        const auto& sites = file->Sites();
        for (std::size_t i = 0; i < sites.size(); ++i) {
            const int kind = sites[i]->siteTypeRead;
            if ((kind == 1 || kind == 3 || kind == -1) && sites[i]->bcfType == kOrvik) {
                m_entries.push_back(Cp1252ToUtf8(sites[i]->name));
                m_records.push_back(static_cast<int>(i));
            }
        }
    }
    Select(m_entries.empty() ? -1 : 0);
}

void CWizardSCFController::Select(int row) {
    if (row < 0 || row >= static_cast<int>(m_entries.size())) {
        m_selected = -1;
        m_description = kNoInformation;
        m_buttons = wizard::EButtons::BackOnly;
        return;
    }
    m_selected = row;
    m_buttons = wizard::EButtons::BackNext;
    if (m_records[row] < 0) {
        m_description = kActiveDescription;
    } else {
        // As the open and save dialogs describe a configuration: by its site description.
        const CSCFSite& site = *File()->Sites()[m_records[row]];
        m_description =
            site.description.empty() ? std::string(kNoDescription) : Cp1252ToUtf8(site.description);
    }
}

bool CWizardSCFController::Browse() {
    CRegistry& settings = m_sheet.Settings();
    IUserPrompt::SFileDialog dialog;
    dialog.title = kBrowseTitle;
    dialog.filter = kFilter;
    dialog.directory =
        SettingFolder(settings, settings::kSCFPath, m_sheet.Doc().DocumentsFolderPath());
    dialog.mustExist = true;
    const auto chosen = m_sheet.Prompt().ChooseFile(dialog);
    if (!chosen || !OpenFile(*chosen)) {
        return false;
    }
    const auto cut = chosen->find_last_of("/\\");
    settings::Write(settings, settings::kSCFPath,
                    cut == std::string::npos ? std::string() : chosen->substr(0, cut));
    settings::Write(settings, settings::kLastSCF,
                    cut == std::string::npos ? *chosen : chosen->substr(cut + 1));
    m_pathText = *chosen;
    RebuildList();
    return true;
}

void CWizardSCFController::Next() {
    CBTSConfigurationDoc& doc = m_sheet.Doc();
    if (doc.SiteKODA() == nullptr) {
        doc.New(false);
        m_sheet.RebuildSchemes();
    }
    const int record = m_selected >= 0 && m_selected < static_cast<int>(m_records.size())
                           ? m_records[m_selected]
                           : -1;
    const CSiteSCFile* file = File();
    if (record >= 0 && file != nullptr) {
        // The document takes a file of its own: the list's file stays with the page, so that
        // Back and another choice still find it.
        const std::string path = m_filePath;
        auto copy = std::make_unique<CSiteSCFile>();
        std::string failure;
        if (ReadConfigurationFile(path, *copy, failure) &&
            record < static_cast<int>(copy->Sites().size())) {
            CSCFSite* chosen = copy->Sites()[record].get();
            const std::string name = chosen->name;
            if (doc.TakeConfiguration(std::move(copy), chosen, path)) {
                m_sheet.RebuildSchemes();
                m_sheet.SetReportFields(path, Cp1252ToUtf8(name));
            }
        } else {
            m_sheet.Prompt().Message(failure.empty() ? CBTSConfigurationDoc::kOperationFailed
                                                     : failure);
        }
    } else {
        m_sheet.SetReportFields({}, {});
    }
    m_sheet.SelectTab(false);
}

void CWizardSCFController::Back() {
    m_buttons = wizard::EButtons::BackNext;
    m_sheet.SelectTab(false);
}

// ---- waiting for the BTS ---------------------------------------------------------------------

void CWizardWaitController::SetState(int state) {
    static constexpr const char* kStatus[] = {
        "Waiting for BTS connection...", "Waiting for initial information...",
        "Waiting for BCF commissioning state...", "You can click Next to proceed"};
    m_state = state;
    m_lines.push_back(kStatus[state]);
    if (state == kNoConnection && settings::Read(m_sheet.Settings(), settings::kEnableBTS) == 0 &&
        m_sheet.Prompt().AskYesNo(kActivateQuestion, true)) {
        settings::Write(m_sheet.Settings(), settings::kEnableBTS, 1);
        m_sheet.Doc().ConnectLocal();
    }
}

void CWizardWaitController::FirstDisplay() {
    if (m_firstShown) {
        return;
    }
    m_firstShown = true;
    // A wizard opened on a live link has missed the notifications that led there.
    if (!m_sheet.LinkUp()) {
        SetState(kNoConnection);
    } else if (m_sheet.BcfState() < 0) {
        SetState(kWaitingInfo);
    } else {
        SetState(kWaitingBcf);
    }
    CheckBcfState();
}

void CWizardWaitController::Enter() {
    FirstDisplay();
    m_sheet.ActivateView(CBTSConfigurationDoc::kDifferencesView);
    m_sheet.SelectTab(true);
    CheckBcfState();
}

void CWizardWaitController::ConnectionLost() {
    m_lines.clear();
    m_lastBcf = -1;
    m_lines.push_back("- BTS Connection lost");
    SetState(kNoConnection);
}

void CWizardWaitController::ConnectionEstablished() {
    m_lines.push_back("- Connection established");
    SetState(kWaitingInfo);
}

void CWizardWaitController::InformationReceived() {
    m_lines.push_back("- Information received");
    SetState(kWaitingBcf);
}

void CWizardWaitController::CheckBcfState() {
    const int value = m_sheet.BcfState();
    if (value == m_lastBcf) {
        return;
    }
    m_lastBcf = value;
    const bool commissioning = value == 9;
    const bool passed = value == 0 || value == 1 || value == 2 || value == 3 || value == 10;
    // Commissioning is news even on a ready page (the BCF came back to it); a state past it
    // is only news to a page that was not ready yet.
    if (commissioning) {
        m_lines.push_back("- BCF is in the Commissioning state");
        SetState(kReady);
    } else if (passed && m_state != kReady) {
        m_lines.push_back("- BCF has passed the Commissioning state");
        SetState(kReady);
    }
}

void CWizardWaitController::OnNotification(int message, int wParam) {
    if (message == notify::kConnectionState) {
        if (wParam == notify::kDisconnectedIcon) {
            ConnectionLost();
        } else if (wParam == notify::kConnectedIcon) {
            ConnectionEstablished();
        }
    } else if (message == notify::kBtsNotification) {
        // 1: the BTS has reported its objects; anything else may carry a new BCF state.
        if (wParam == 1 && m_state < kWaitingBcf) {
            InformationReceived();
        }
        CheckBcfState();
    }
}

bool CWizardWaitController::Next() {
    if (m_state == kNoConnection && !m_sheet.Prompt().AskYesNo(kNotEstablished, false)) {
        return false;
    }
    if ((m_state == kWaitingInfo || m_state == kWaitingBcf) &&
        !m_sheet.Prompt().AskYesNo(kIncorrectBcf, false)) {
        return false;
    }
    const CBTSConfigurationDoc& doc = m_sheet.Doc();
    m_sheet.SetReportFields(doc.PathName(), Cp1252ToUtf8(doc.ConfigurationName()));
    m_sheet.SelectTab(false);
    return true;
}

bool CWizardWaitController::BackAllowed() const {
    return m_sheet.Way() != wizard::kWayUpdateOnly;
}

CWizardWaitController::SInfo CWizardWaitController::Information() const {
    SInfo info;
    const CBTSConfigurationDoc& doc = m_sheet.Doc();
    if (doc.SiteRecord() != nullptr && !doc.SiteRecord()->name.empty()) {
        info.name = Cp1252ToUtf8(doc.SiteRecord()->name);
    } else if (!doc.ConfigurationName().empty()) {
        info.name = Cp1252ToUtf8(doc.ConfigurationName());
    } else {
        info.name = kNotDefined;
    }
    CSiteKODA* site = m_sheet.Site();
    if (site == nullptr) {
        info.network = info.trxUnits = info.cabling = kNotDefined;
        return info;
    }
    CConfigInfoKODA summary(site);
    summary.Recompute();
    CBandInformation band;
    site->CollectBand(kSelectCandidate, false, &band);
    // Without a transceiver in use there is no band to judge, not an illegal one.
    const bool anyTrx = summary.Summary(1).trxUnits > 0;
    info.network = !anyTrx || band.BandText().empty() ? kNotDefined : band.BandText();
    info.trxUnits = summary.TrxCountText();
    info.cabling = summary.CablingKindsText();
    if (info.cabling.empty()) {
        info.cabling = kNotDefined;
    }
    return info;
}
