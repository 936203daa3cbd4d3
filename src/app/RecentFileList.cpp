#include "app/RecentFileList.h"

#include "platform/Registry.h"

#include <algorithm>
#include <filesystem>

namespace {
std::string Entry(int i) {
    return "File" + std::to_string(i + 1);
}

// One file reached by two spellings ("a/../b.hwc", "b.hwc") is listed once.
std::string Normal(const std::string& path) {
    std::error_code ec;
    const auto absolute = std::filesystem::absolute(path, ec);
    return ec ? path : absolute.lexically_normal().string();
}
} // namespace

CRecentFileList::CRecentFileList(CRegistry& store) : m_store(store) {
    for (int i = 0; i < kSize; ++i) {
        const std::string path = m_store.GetString(kSection, Entry(i), "");
        if (!path.empty()) {
            m_files.push_back(path);
        }
    }
}

void CRecentFileList::Add(const std::string& path) {
    const std::string normal = Normal(path);
    std::erase(m_files, normal);
    m_files.insert(m_files.begin(), normal);
    if (m_files.size() > kSize) {
        m_files.resize(kSize);
    }
    Store();
}

void CRecentFileList::Remove(const std::string& path) {
    std::erase(m_files, path);
    Store();
}

void CRecentFileList::Store() {
    for (int i = 0; i < kSize; ++i) {
        m_store.SetString(kSection, Entry(i),
                          i < static_cast<int>(m_files.size()) ? m_files[i] : "");
    }
}
