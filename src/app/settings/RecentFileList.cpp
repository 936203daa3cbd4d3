#include "app/settings/RecentFileList.h"

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
// The folders and the name of a path, last first; both separators count.
std::vector<std::string> PartsFromEnd(const std::string& path) {
    std::vector<std::string> parts;
    std::string part;
    for (auto it = path.rbegin(); it != path.rend(); ++it) {
        if (*it == '/' || *it == '\\') {
            if (!part.empty()) {
                parts.emplace_back(part.rbegin(), part.rend());
                part.clear();
            }
        } else {
            part.push_back(*it);
        }
    }
    if (!part.empty()) {
        parts.emplace_back(part.rbegin(), part.rend());
    }
    return parts;
}

bool SameEnd(const std::vector<std::string>& a, const std::vector<std::string>& b, size_t n) {
    if (a.size() < n || b.size() < n) {
        return false;
    }
    return std::equal(a.begin(), a.begin() + static_cast<std::ptrdiff_t>(n), b.begin());
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

std::vector<std::string> CRecentFileList::ShownNames() const {
    std::vector<std::vector<std::string>> parts;
    for (const std::string& f : m_files) {
        parts.push_back(PartsFromEnd(f));
    }
    std::vector<std::string> names;
    for (size_t i = 0; i < parts.size(); ++i) {
        size_t depth = 1;
        const auto clashes = [&] {
            for (size_t j = 0; j < parts.size(); ++j) {
                if (j != i && SameEnd(parts[i], parts[j], depth)) {
                    return true;
                }
            }
            return false;
        };
        while (depth < parts[i].size() && clashes()) {
            ++depth;
        }
        std::string name;
        for (size_t k = std::min(depth, parts[i].size()); k-- > 0;) {
            name += parts[i][k];
            if (k > 0) {
                name += '/';
            }
        }
        names.push_back(name.empty() ? m_files[i] : name);
    }
    return names;
}
