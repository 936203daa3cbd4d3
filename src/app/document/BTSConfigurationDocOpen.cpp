// Open: the file dialog, the configuration plan, the load of a record, and the update of an
// older configuration to the latest software level.
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

std::string LastFour(const std::string& path) {
    std::string tail = path.size() >= 4 ? path.substr(path.size() - 4) : path;
    std::transform(tail.begin(), tail.end(), tail.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return tail;
}

} // namespace

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
