#include "app/document/SaveSCFSheetModel.h"

#include "app/settings/FileDialogFolder.h"
#include "files/AtomicFile.h"
#include "files/xml/ReadXML.h"
#include "platform/Registry.h"
#include "platform/SettingsKeys.h"

#include <filesystem>

namespace {

constexpr const char* kNameEmpty =
    "Configuration Name field cannot be empty.\nGive the configuration a name.";
constexpr const char* kDescriptionEmpty =
    "Configuration Description field cannot be empty.\nWrite description for the configuration.";
constexpr const char* kDescriptionPlaceholder = "Write a description for the configuration.";
constexpr const char* kOverwrite = "Do you want to overwrite the existing configuration.";

std::string Counter(const std::string& text, size_t limit) {
    return std::to_string(text.size()) + " / " + std::to_string(limit);
}

} // namespace

bool ReadConfigurationFile(const std::string& path, CSiteSCFile& file, std::string& failure) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) {
        failure = "Cannot read " + path + ".";
        return false;
    }
    if (IsXmlPlanPath(path)) {
        CXML_NodeFile plan(path);
        if (!plan.LoadFromBuffer(bytes, false)) {
            failure = plan.GetLastError().message;
            if (plan.GetLastError().HasDetails()) {
                failure += "\n" + plan.GetLastError().details;
            }
            return false;
        }
        CReadXML reader(plan);
        for (const CXMLSiteEntry& entry : plan.GetSiteList()) {
            plan.SetCurrentBtsDistName(entry.distName);
            if (auto site = reader.Read()) {
                file.AddSite(std::move(site));
            }
        }
        return true;
    }
    file.ReadBytes(bytes);
    if (file.HeaderMissing()) {
        failure = file.HeaderFailureMessage();
        return false;
    }
    return true;
}

CSaveSCFSheetModel::CSaveSCFSheetModel(SInputs inputs, IUserPrompt& prompt)
    : m_in(std::move(inputs)), m_prompt(prompt), m_path(m_in.path) {
    m_name = m_in.configurationName;
    m_description = m_in.configurationDescription;
    if (!m_path.empty() && ReadFile(m_path, m_file, m_readFailure)) {
        m_problems.AddFile(*m_file);
    }
    FillRows();
    // The current configuration is selected: its row fills the edits.
    int current = 0;
    for (size_t i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].record != nullptr &&
            (m_rows[i].record->name == m_in.configurationName || IsPlan())) {
            current = static_cast<int>(i);
        }
    }
    if (!m_rows.empty()) {
        Select(current);
    }
}

bool CSaveSCFSheetModel::IsPlan() const {
    return IsXmlPlanPath(m_path);
}

bool CSaveSCFSheetModel::ReadFile(const std::string& path, std::unique_ptr<CSiteSCFile>& into,
                                  std::string& failure) {
    auto file = std::make_unique<CSiteSCFile>();
    std::error_code ec;
    if (std::filesystem::exists(path, ec) && !ReadConfigurationFile(path, *file, failure)) {
        return false;
    }
    into = std::move(file);
    return true;
}

void CSaveSCFSheetModel::FillRows() {
    m_rows.clear();
    // A plan holds one configuration; it gets no add-new row until another file is chosen.
    if (!(IsPlan() && !m_pathChosen)) {
        m_rows.push_back({CSiteSCFile::kAddNewConfiguration, nullptr, false});
    }
    if (m_file) {
        for (const auto& site : m_file->Sites()) {
            const int kind = site->siteTypeRead;
            if (kind == 1 || kind == 3 || kind == -1) {
                m_rows.push_back({site->name, site.get(), false});
            }
        }
    }
    m_selected = m_rows.empty() ? -1 : 0;
}

void CSaveSCFSheetModel::Select(int row) {
    if (row < 0 || row >= static_cast<int>(m_rows.size())) {
        return;
    }
    m_selected = row;
    const SSaveRow& r = m_rows[row];
    if (r.record == nullptr) {
        m_name = CSiteSCFile::kAddNewConfiguration;
        m_description = kAddNewDescription;
    } else {
        m_name = r.record->name;
        const CSCFCabinet* cab = CSiteSCFile::FirstCabinet(*r.record);
        m_description = cab ? cab->configDescription : std::string();
    }
}

void CSaveSCFSheetModel::SetName(const std::string& text) {
    m_name = text.substr(0, kMaxText);
}

void CSaveSCFSheetModel::SetDescription(const std::string& text) {
    m_description = text.substr(0, kMaxText);
}

std::string CSaveSCFSheetModel::NameCounter() const {
    return Counter(m_name, kMaxText);
}

std::string CSaveSCFSheetModel::DescriptionCounter() const {
    return Counter(m_description, kMaxText);
}

void CSaveSCFSheetModel::Delete() {
    if (m_selected < 0) {
        return;
    }
    SSaveRow& r = m_rows[m_selected];
    if (r.record != nullptr && !r.toDelete) {
        r.toDelete = true;
        r.name = r.record->name + kDeletedSuffix;
    }
}

void CSaveSCFSheetModel::Undelete() {
    if (m_selected < 0) {
        return;
    }
    SSaveRow& r = m_rows[m_selected];
    if (r.record != nullptr && r.toDelete) {
        r.toDelete = false;
        r.name = r.record->name;
    }
}

CSCFPanelValues CSaveSCFSheetModel::SelectedValues() {
    if (m_selected < 0 || m_rows[m_selected].record == nullptr || !m_file) {
        return {};
    }
    return m_file->PanelValues(*m_rows[m_selected].record);
}

CSCFPanelValues CSaveSCFSheetModel::NewValues() {
    if (m_in.newRecord == nullptr) {
        return {};
    }
    CSiteSCFile scratch;
    return scratch.PanelValues(*m_in.newRecord);
}

IUserPrompt::SFileDialog CSaveSCFSheetModel::Dialog(const char* title) const {
    IUserPrompt::SFileDialog d;
    d.title = title;
    d.filter = kFilter;
    d.mustExist = false;
    d.directory = m_in.documentsFolder;
    if (m_in.settings != nullptr) {
        d.directory = SettingFolder(*m_in.settings, settings::kSCFPath, m_in.documentsFolder);
        d.fileName = settings::Read(*m_in.settings, settings::kLastSCF);
    }
    return d;
}

void CSaveSCFSheetModel::Remember(const std::string& path) {
    if (m_in.settings != nullptr) {
        settings::Write(*m_in.settings, settings::kSCFPath, FolderOfPath(path));
        settings::Write(*m_in.settings, settings::kLastSCF, FileNameOfPath(path));
    }
}

bool CSaveSCFSheetModel::Browse() {
    const char* title =
        m_file ? "Select BTS HW Configuration File" : "Define BTS HW Configuration File";
    const std::optional<std::string> chosen = m_prompt.ChooseFile(Dialog(title));
    if (!chosen) {
        return false;
    }
    Remember(*chosen);
    std::unique_ptr<CSiteSCFile> file;
    std::string failure;
    if (!ReadFile(*chosen, file, failure)) {
        m_prompt.Message(failure);
        return false;
    }
    m_file = std::move(file);
    m_problems.Clear();
    m_problems.AddFile(*m_file);
    m_path = *chosen;
    m_pathChosen = true;
    const std::string name = m_name;
    const std::string description = m_description;
    FillRows();
    // What the user typed stays; a row of the same name is the one shown as selected.
    for (size_t i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].record != nullptr && m_rows[i].record->name == name) {
            m_selected = static_cast<int>(i);
        }
    }
    m_name = name;
    m_description = description;
    return true;
}

bool CSaveSCFSheetModel::Refuse(const std::string& text, EField field) {
    m_prompt.Message(text);
    m_focus = field;
    return false;
}

CSCFSite* CSaveSCFSheetModel::FindLive(const std::string& name) const {
    for (const SSaveRow& r : m_rows) {
        if (r.record != nullptr && !r.toDelete && r.record->name == name) {
            return r.record;
        }
    }
    return nullptr;
}

bool CSaveSCFSheetModel::Finish() {
    m_focus = EField::None;
    m_target = nullptr;
    if (m_name.empty()) {
        return Refuse(kNameEmpty, EField::Name);
    }
    if (m_name.find(CSiteSCFile::kAddNewConfiguration) != std::string::npos) {
        return Refuse(*CSiteSCFile::RefuseConfigurationName(CSiteSCFile::kAddNewConfiguration),
                      EField::Name);
    }
    if (m_description.empty()) {
        return Refuse(kDescriptionEmpty, EField::Description);
    }
    if (m_description.find(kAddNewDescription) != std::string::npos) {
        return Refuse(kDescriptionPlaceholder, EField::Description);
    }
    if (!m_file && !Browse()) {
        return false;
    }
    if (!m_file) {
        m_prompt.Message(kNotSaved);
        return false;
    }
    if (FindLive(m_name) != nullptr && !m_prompt.AskYesNo(kOverwrite, true)) {
        return false;
    }
    // Only a configuration of the same name is replaced: a selected row with another name is
    // left alone, so that no configuration is overwritten without the question above.
    m_target = FindLive(m_name);
    for (const SSaveRow& r : m_rows) {
        if (r.toDelete && r.record != nullptr) {
            m_file->RemoveSite(r.record);
        }
    }
    m_rows.clear();
    m_selected = -1;
    if (m_target != nullptr) {
        if (CSCFCabinet* cab = CSiteSCFile::FirstCabinet(*m_target)) {
            cab->configDescription = m_description;
        }
    }
    return true;
}
