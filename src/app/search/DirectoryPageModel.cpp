#include "app/search/DirectoryPageModel.h"

#include <algorithm>
#include <cstdio>

#include "platform/Registry.h"
#include "platform/SettingsKeys.h"

namespace {

std::string ComboDirEntry(int index) {
    char name[16];
    std::snprintf(name, sizeof name, settings::kComboDirFormat, index);
    return name;
}

} // namespace

CDirectoryPageModel::CDirectoryPageModel(CRegistry& settings, const std::string& applicationHome)
    : m_settings(settings) {
    m_home = applicationHome;
    if (!m_home.empty() && m_home.back() != '/') {
        m_home += '/';
    }
    m_home += "Cabrion/";
    const int stored = settings.GetInt(settings::kWizard, settings::kDefaultSearch.entry,
                                       settings::kDefaultSearch.readDefault);
    m_choice = stored == kCustom ? kCustom : kHome;
    const std::string first = settings.GetString(settings::kWizard, ComboDirEntry(0), "");
    for (int i = 0; i < settings::kComboDirCount; ++i) {
        std::string folder = settings.GetString(settings::kWizard, ComboDirEntry(i), "");
        if (!folder.empty()) {
            m_folders.push_back(std::move(folder));
        }
    }
    if (!first.empty()) {
        m_selected = 0;
    }
}

std::string CDirectoryPageModel::SelectedFolder() const {
    return m_selected >= 0 && m_selected < static_cast<int>(m_folders.size())
               ? m_folders[m_selected]
               : std::string();
}

void CDirectoryPageModel::Select(int index) {
    if (index >= 0 && index < static_cast<int>(m_folders.size())) {
        m_selected = index;
    }
}

bool CDirectoryPageModel::ChooseCustom() {
    m_choice = kCustom;
    return m_folders.empty();
}

std::string CDirectoryPageModel::BrowseStart() const {
    const std::string selected = SelectedFolder();
    return selected.empty() ? m_home : selected;
}

void CDirectoryPageModel::FolderChosen(const std::string& folder) {
    if (folder.empty()) {
        return;
    }
    const auto at = std::find(m_folders.begin(), m_folders.end(), folder);
    if (at != m_folders.end()) {
        m_selected = static_cast<int>(at - m_folders.begin());
        return;
    }
    m_folders.insert(m_folders.begin(), folder);
    m_selected = 0;
}

void CDirectoryPageModel::BrowseClosed() {
    if (m_folders.empty()) {
        m_choice = kHome;
    }
}

std::string CDirectoryPageModel::Next() {
    const std::string selected = SelectedFolder();
    const std::string folder = m_choice == kCustom && !selected.empty() ? selected : m_home;
    if (!selected.empty()) {
        std::vector<std::string> history{selected};
        for (int i = 0; i < settings::kComboDirCount; ++i) {
            std::string previous = m_settings.GetString(settings::kWizard, ComboDirEntry(i), "");
            if (!previous.empty() && previous != selected &&
                static_cast<int>(history.size()) < settings::kComboDirCount) {
                history.push_back(std::move(previous));
            }
        }
        for (int i = 0; i < settings::kComboDirCount; ++i) {
            m_settings.SetString(settings::kWizard, ComboDirEntry(i),
                                 i < static_cast<int>(history.size()) ? history[i] : "");
        }
    }
    m_settings.SetInt(settings::kWizard, settings::kDefaultSearch.entry, m_choice);
    return folder;
}
