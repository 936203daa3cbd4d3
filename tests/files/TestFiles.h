#pragma once
// Helpers shared by the file tests: fixture paths and scratch folders that clean up.

#include <filesystem>
#include <string>

inline std::string DataPath(const std::string& name) {
    return std::string(CABRION_TEST_DATA_DIR) + "/" + name;
}

class CScratchDir {
public:
    CScratchDir() {
        char pattern[] = "/tmp/cabrion-files-XXXXXX";
        m_path = ::mkdtemp(pattern);
    }
    ~CScratchDir() {
        std::error_code ec;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(m_path, ec);
    }
    CScratchDir(const CScratchDir&) = delete;
    CScratchDir& operator=(const CScratchDir&) = delete;
    std::string File(const std::string& name) const { return m_path + "/" + name; }
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};
