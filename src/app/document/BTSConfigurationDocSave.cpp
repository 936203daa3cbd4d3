// Save and Save As of configuration files and plans, and the passive unit information's
// import and export.
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

} // namespace

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
