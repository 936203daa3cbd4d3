#include "app/settings/FileDialogFolder.h"

#include <filesystem>

#include "platform/SettingsKeys.h"

std::string FolderOfPath(const std::string& path) {
    const size_t cut = path.find_last_of("/\\");
    return cut == std::string::npos ? std::string() : path.substr(0, cut);
}

std::string FileNameOfPath(const std::string& path) {
    const size_t cut = path.find_last_of("/\\");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string UsableFolder(const std::string& folder, const std::string& fallback) {
    std::error_code ec;
    if (!folder.empty() && std::filesystem::is_directory(folder, ec)) {
        return folder;
    }
    return fallback;
}

std::string SettingFolder(const CRegistry& store, const settings::TextKey& key,
                          const std::string& documentsFolder) {
    return UsableFolder(settings::Read(store, key, documentsFolder), documentsFolder);
}
