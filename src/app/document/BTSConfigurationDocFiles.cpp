// The document's file side: new, open, save, the save-changes questions, undo and taking the
// configuration currently in BTS as the candidate.
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

namespace {

constexpr const char* kHwiFilter = "HW Information Files (*.hwi)|*.hwi|All Files (*.*)|*.*|";

std::string LastFour(const std::string& path) {
    std::string tail = path.size() >= 4 ? path.substr(path.size() - 4) : path;
    std::transform(tail.begin(), tail.end(), tail.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return tail;
}

} // namespace

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

// ---- Open ------------------------------------------------------------------------------------

bool CBTSConfigurationDoc::Open() {
    if (m_activeViewType == kPassiveUnitsView) {
        if (!SaveModified(false, true) || !ImportPassive()) {
            return false;
        }
        ViewCommand(cmd::kRefreshAllViews);
        if (LinkRef().IsLinkUp()) {
            m_passiveChanged = true;
        }
        return true;
    }
    if (!SaveModified(true, false)) {
        return false;
    }
    IUserPrompt::SFileDialog d = ConfigurationDialog("Open BTS HW Configuration File");
    d.mustExist = true;
    const std::optional<std::string> path = Windows().ChooseFile(d);
    return path && OpenPath(*path);
}

bool CBTSConfigurationDoc::OpenPlan(const std::string& path, std::unique_ptr<CSiteSCFile>& file,
                                    CSCFSite*& record, CHWInfoFile& passive) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) {
        Message("Cannot read " + path + ".\nThe file is not opened.");
        return false;
    }
    CXML_NodeFile plan(path);
    auto select = [this](const CXML_NodeFile& f) -> std::optional<std::size_t> {
        const auto& sites = f.GetSiteList();
        if (sites.size() == 1) {
            return 0;
        }
        std::vector<std::string> names;
        for (const CXMLSiteEntry& e : sites) {
            names.push_back(Cp1252ToUtf8(e.name) + " (" + e.familyType + ")");
        }
        return Windows().ChoosePlanSite(names);
    };
    if (!plan.LoadFromBuffer(bytes, true, select)) {
        const CXMLError& error = plan.GetLastError();
        if (error.IsSet()) { // not set when the user cancelled the selection
            Message(error.message + (error.HasDetails() ? "\n\n" + error.details : ""));
        }
        return false;
    }
    CReadXML reader(plan);
    std::unique_ptr<CSCFSite> site = reader.Read(&passive);
    if (!site) {
        Message("Incorrect or missing Cabinet Information.\nThe file is not opened.");
        return false;
    }
    file = std::make_unique<CSiteSCFile>();
    record = &file->AddSite(std::move(site));
    return true;
}

bool CBTSConfigurationDoc::OpenPath(const std::string& path, bool direct) {
    std::unique_ptr<CSiteSCFile> file;
    CSCFSite* record = nullptr;
    int fileType = kSiteConfigurationFile;
    // A plan carries the passive unit information of its BTS; it replaces the table.
    std::optional<CHWInfoFile> planPassive;
    if (LastFour(path) == ".ewb") {
        planPassive.emplace();
        if (!OpenPlan(path, file, record, *planPassive)) {
            return false;
        }
        fileType = kXmlPlan;
    } else {
        CNewSiteSheetModel sheet = CNewSiteSheetModel::ForFile(path);
        if (!sheet.ReadFailure().empty() && sheet.Rows().empty()) {
            Message(sheet.ReadFailure() + "\nThe file is not opened.");
            return false;
        }
        // A file named on the command line with one configuration opens without the sheet;
        // a configuration of another family is then refused below.
        const bool single = sheet.Rows().size() == 1 && !sheet.HasProblems();
        if (direct && single) {
            sheet.Select(0);
        } else if (!Windows().RunNewSiteSheet(sheet) || !sheet.CanFinish() || sheet.EmptyChosen()) {
            return false;
        }
        record = sheet.ChosenRecord();
        file = sheet.TakeFile();
        if (record == nullptr || !file) {
            return false;
        }
    }
    if (LinkRef().IsLinkUp() && m_site && record->bcfType != CurrentBtsType()) {
        Message(kTypeMismatch);
        return false;
    }
    // Serial numbers typed or scanned since the last save would go with the table.
    if (planPassive && m_passiveChanged && !SaveModified(false, true)) {
        return false;
    }
    if (!LoadRecord(std::move(file), record, path, fileType, false,
                    planPassive ? &*planPassive : nullptr)) {
        return false;
    }
    // The sheet showed what the reader rejected; a file named on the command line opens
    // without it only when nothing was.
    m_problemsShown = true;
    return true;
}

bool CBTSConfigurationDoc::LoadRecord(std::unique_ptr<CSiteSCFile> file, CSCFSite* record,
                                      const std::string& path, int fileType, bool keepSite,
                                      const CHWInfoFile* passive, bool loadOnly) {
    // Checked before anything is dropped: a file that cannot be opened leaves the open
    // configuration as it was.
    if (record->bcfType != kOrvikBtsType && record->bcfType != kSelmoBtsType) {
        Message(kUnsupportedType);
        return false;
    }
    if (!loadOnly) {
        RememberFolder(path);
    }
    SelectTab(false);
    // Only an Orvik configuration can start from the empty one; a family change takes a new site.
    const bool sameFamily = record->bcfType == kOrvikBtsType;
    if (CSiteKODA* kept = keepSite && sameFamily ? SiteKODA() : nullptr) {
        // The configuration starts from the empty one, in the undo slot the caller opened.
        CDataBase* candidate = kept->GetKODA(kSelectCandidate);
        const std::string label = candidate->Name();
        candidate->CopyFrom(kept->TemplateConfiguration());
        candidate->SetName(label);
        m_configurationName.clear();
    } else {
        CreateSiteForType(record->bcfType);
    }
    ViewCommand(cmd::ViewCommandOfType(m_activeViewType));
    m_file = std::move(file);
    m_record = record;
    m_removedTre.clear();
    m_fileType = fileType;
    m_problemsShown = false;
    m_preConfig.LoadFromSite(*record, 1);
    ++m_busy;
    const bool built = BuildSiteFromRecord(*m_site, *record, 0);
    --m_busy;
    if (!built) {
        Message(kOperationFailed);
    }
    m_path = path;
    m_configurationName = record->name;
    m_title = Cp1252ToUtf8(record->name);
    m_stamp = StampOf(path);
    // Building the candidate is no edit of the user's. The passive unit information is not
    // part of a configuration file: what was typed or scanned before stays marked.
    MarkConfigurationChanged(false);
    if (passive != nullptr) {
        m_candidatePassive = *passive;
        m_passiveChanged = false;
    }
    RefreshFrame();
    if (!loadOnly) {
        RememberRecentFile(path);
        AskUpgrade();
    }
    m_site->Refresh(false);
    RefreshViews();
    SiteLoaded();
    return true;
}

bool CBTSConfigurationDoc::NeedsUpdateToLatest() const {
    // Only an Orvik configuration can be brought to the latest software level.
    const CDataBase* candidate = SiteKODA() ? m_site->GetConfiguration(kSelectCandidate) : nullptr;
    return candidate != nullptr && candidate->SwLevel().Level() < CUcSwVersion::kLatest;
}

void CBTSConfigurationDoc::AskUpgrade() {
    if (!NeedsUpdateToLatest()) {
        return;
    }
    const std::string text =
        ReplaceAll(std::string(LoadString(64095)), "%VERSION%", ProductVersion());
    // Yes leads to the update's own question, which warns about the clock synchronisation.
    if (Windows().AskYesNo(text, true)) {
        UpdateToLatest(true);
    }
}

void CBTSConfigurationDoc::UpdateToLatest(bool ask) {
    CSiteKODA* site = SiteKODA();
    // At the latest level already the update would change nothing but the changed mark.
    if (site == nullptr || !NeedsUpdateToLatest()) {
        return;
    }
    if (ask) {
        const std::string text =
            ReplaceAll(std::string(LoadString(64096)), "%VERSION%", ProductVersion());
        if (!Windows().AskYesNo(text, true)) {
            return;
        }
    }
    CDataBaseKODA* db = site->GetKODA(kSelectCandidate);
    if (db == nullptr) {
        return;
    }
    const SCabinetSettings s = db->CabinetSettings();
    site->SetCabinet(std::min(s.clockSync, 1), s.lte, s.vswr, s.wcdma, s.cabinetType, s.mrc,
                     kSelectCandidate);
    db->SetSwLevel(CUcSwVersion(CUcSwVersion::kLatest));
    RefreshViews();
    RefreshFrame();
    MarkConfigurationChanged(true);
    if (m_fileType == kXmlPlan) {
        m_passiveChanged = true;
    }
}

// ---- Save ------------------------------------------------------------------------------------

bool CBTSConfigurationDoc::Save() {
    if (m_activeViewType == kPassiveUnitsView) {
        const bool ok = ExportPassive();
        if (ok && !LinkRef().IsLinkUp()) {
            m_passiveChanged = false;
        }
        return ok;
    }
    if (m_path.empty() || m_configurationName.empty()) {
        return SaveAs();
    }
    const bool ok = WriteCandidate();
    RefreshFrame();
    return ok;
}

bool CBTSConfigurationDoc::WriteCandidate() {
    if (!m_site) {
        return false;
    }
    // The whole file is written from what was read: had another program changed it since,
    // its changes would be lost without a word.
    if (m_stamp.exists && !(StampOf(m_path) == m_stamp)) {
        Message("The file " + m_path +
                "\nwas changed by another program after it was opened.\nThe configuration was "
                "not saved; use Save As to save it.");
        return false;
    }
    if (m_fileType == kXmlPlan) {
        if (SiteKODA() == nullptr) {
            Message(kSelmoNotInPlan);
            return false;
        }
        return WritePlan();
    }
    if (!m_file) {
        auto file = std::make_unique<CSiteSCFile>();
        std::string failure;
        std::error_code ec;
        if (std::filesystem::exists(m_path, ec) && !ReadConfigurationFile(m_path, *file, failure)) {
            Message(failure + "\nThe configuration was not saved.");
            return false;
        }
        m_file = std::move(file);
        m_record = m_file->FindSite(m_configurationName);
        m_problemsShown = false;
    }
    // The whole file is written from what was read: lines the reader rejected would go
    // without the user having seen them.
    if (m_file->HasErrors() && !m_problemsShown) {
        Message("The file " + m_path +
                "\nholds lines that could not be read; saving would leave them out.\nThe "
                "configuration was not saved; use Save As to see them.");
        return false;
    }
    const bool created = m_record == nullptr;
    if (m_record != nullptr) {
        m_record->name = m_configurationName;
    }
    m_site->SetText(m_configurationName);
    const CSaveResult result = SaveSite(*m_site, *m_file, m_record, m_path);
    if (!result) {
        // A record added for this save must not linger in the file held for the next one.
        if (created && m_record != nullptr) {
            m_file->RemoveSite(m_record);
            m_record = nullptr;
        }
        Message(result.error + "\nThe configuration was not saved.");
        return false;
    }
    m_stamp = StampOf(m_path);
    MarkConfigurationChanged(false);
    RememberRecentFile(m_path);
    return true;
}

void CBTSConfigurationDoc::RememberRecentFile(const std::string& path) {
    // The recent file list opens through the configuration list, which refuses a Selmo
    // configuration: such a file would be offered only to be refused.
    if (!SelmoSite()) {
        Windows().AddRecentFile(path);
    }
}

bool CBTSConfigurationDoc::WritePlan() {
    CSCFSite record;
    if (m_record != nullptr) {
        record = *m_record;
    }
    record.name = m_configurationName;
    if (!CopySiteIntoRecord(*m_site, record) || record.cabinets.empty()) {
        Message("The configuration could not be stored.\nThe configuration was not saved.");
        return false;
    }
    CXML_NodeFile plan(m_path);
    std::error_code ec;
    if (std::filesystem::exists(m_path, ec)) {
        // Only the BTS of this configuration is replaced; the plan's others stay.
        bool found = false;
        auto select = [&](const CXML_NodeFile& f) -> std::optional<std::size_t> {
            const auto& sites = f.GetSiteList();
            for (std::size_t i = 0; i < sites.size(); ++i) {
                if (sites[i].name == record.name) {
                    found = true;
                    return i;
                }
            }
            return std::nullopt;
        };
        if (!plan.Load(false, select) || !found) {
            Message("The plan " + m_path + " holds no BTS named " + Cp1252ToUtf8(record.name) +
                    " that could be replaced.\nThe configuration was not saved.");
            return false;
        }
    }
    if (!WriteXMLPlan(plan, record, record.cabinets.front(), &m_candidatePassive)) {
        Message(plan.GetLastError().message + "\nThe configuration was not saved.");
        return false;
    }
    if (m_record != nullptr) {
        *m_record = record;
    }
    m_stamp = StampOf(m_path);
    MarkConfigurationChanged(false);
    m_passiveChanged = false;
    Windows().AddRecentFile(m_path);
    return true;
}

bool CBTSConfigurationDoc::SaveAs() {
    SelectTab(false);
    if (m_activeViewType == kPassiveUnitsView) {
        const bool ok = ExportPassive();
        if (ok && !LinkRef().IsLinkUp()) {
            m_passiveChanged = false;
        }
        return ok;
    }
    if (!m_site) {
        return false;
    }
    // A Selmo configuration is written into the record it came from, which holds far more than
    // the site: the preview starts from that record too, or it shows less than is written.
    CSCFSite preview = SiteKODA() == nullptr && m_record != nullptr ? *m_record : CSCFSite();
    CopySiteIntoRecord(*m_site, preview);
    CSaveSCFSheetModel::SInputs in;
    in.path = m_path;
    in.configurationName = m_configurationName;
    if (const CCabinet* cab = m_site->Cabinet(0, kSelectCandidate)) {
        in.configurationDescription = cab->DescriptionText();
    }
    in.newRecord = &preview;
    in.settings = m_services.settings;
    in.documentsFolder = m_services.documentsFolder;
    CSaveSCFSheetModel sheet(std::move(in), Windows());
    if (!Windows().RunSaveSheet(sheet)) {
        return false;
    }
    if (!sheet.HasFile()) {
        Message(CSaveSCFSheetModel::kNotSaved);
        return false;
    }
    // The document keeps what it had until the new file is written.
    std::unique_ptr<CSiteSCFile> previousFile = std::move(m_file);
    CSCFSite* previousRecord = m_record;
    const std::string previousPath = m_path;
    const std::string previousName = m_configurationName;
    const int previousType = m_fileType;
    const SDiskStamp previousStamp = m_stamp;
    const std::string previousDescription =
        m_site->Cabinet(0, kSelectCandidate)
            ? m_site->Cabinet(0, kSelectCandidate)->DescriptionText()
            : std::string();

    m_record = sheet.TargetRecord();
    m_file = sheet.TakeFile();
    m_path = sheet.Path();
    m_configurationName = sheet.Name();
    m_fileType = IsXmlPlanPath(m_path) ? kXmlPlan : kSiteConfigurationFile;
    m_stamp = {}; // the sheet read the file just now
    const bool previousProblemsShown = m_problemsShown;
    m_problemsShown = true; // on the sheet's "Parse Error" page
    if (CCabinet* cab = m_site->Cabinet(0, kSelectCandidate)) {
        cab->SetDescriptionText(sheet.Description());
    }
    CarryRecordInto(previousRecord);
    if (!WriteCandidate()) {
        m_file = std::move(previousFile);
        m_record = previousRecord;
        m_path = previousPath;
        m_configurationName = previousName;
        m_fileType = previousType;
        m_stamp = previousStamp;
        m_problemsShown = previousProblemsShown;
        if (CCabinet* cab = m_site->Cabinet(0, kSelectCandidate)) {
            cab->SetDescriptionText(previousDescription);
        }
        RefreshFrame();
        return false;
    }
    RememberFolder(m_path);
    m_title = Cp1252ToUtf8(m_configurationName);
    RefreshFrame();
    return true;
}

void CBTSConfigurationDoc::CarryRecordInto(const CSCFSite* source) {
    // A Selmo configuration holds far less than its record: the values it does not hold come
    // from the record it was opened from, or a new file would lose them.
    if (SiteKODA() != nullptr || source == nullptr || m_fileType != kSiteConfigurationFile ||
        !m_file) {
        return;
    }
    auto copy = std::make_unique<CSCFSite>(*source);
    copy->name = m_configurationName;
    if (m_record != nullptr) {
        *m_record = std::move(*copy);
    } else {
        m_record = &m_file->AddSite(std::move(copy));
    }
}

// ---- passive unit information ----------------------------------------------------------------

bool CBTSConfigurationDoc::ImportPassive() {
    return ImportPassiveInto(m_candidatePassive);
}

bool CBTSConfigurationDoc::ImportPassiveInto(CHWInfoFile& table) {
    IUserPrompt::SFileDialog d;
    d.title = "Open HW Information File";
    d.filter = kHwiFilter;
    d.directory =
        SettingFolder(*m_services.settings, settings::kHWInfoDir, m_services.documentsFolder);
    const std::optional<std::string> path = Windows().ChooseFile(d);
    if (!path) {
        return false;
    }
    CHWInfoFile read;
    if (!read.Import(*path)) {
        Message(CHWInfoFile::kImportFailed);
        return false;
    }
    table = read;
    settings::Write(*m_services.settings, settings::kHWInfoDir, FolderOfPath(*path));
    return true;
}

bool CBTSConfigurationDoc::ExportPassive() {
    IUserPrompt::SFileDialog d;
    d.title = "Save HW Information File";
    d.filter = kHwiFilter;
    d.mustExist = false;
    d.directory =
        SettingFolder(*m_services.settings, settings::kHWInfoDir, m_services.documentsFolder);
    const std::optional<std::string> path = Windows().ChooseFile(d);
    if (!path) {
        return false;
    }
    if (!m_candidatePassive.Export(*path)) {
        Message(CHWInfoFile::kExportFailed);
        return false;
    }
    settings::Write(*m_services.settings, settings::kHWInfoDir, FolderOfPath(*path));
    return true;
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
