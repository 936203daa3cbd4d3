#pragma once
// The four files last opened or saved, newest first, kept in the settings (section
// "Recent File List", entries "File1" ... "File4") so that the next run offers them too.

#include <string>
#include <vector>

class CRegistry;

class CRecentFileList {
public:
    static constexpr int kSize = 4;
    static constexpr const char* kSection = "Recent File List";

    explicit CRecentFileList(CRegistry& store);
    void Add(const std::string& path);
    void Remove(const std::string& path);
    const std::vector<std::string>& Files() const { return m_files; }
    // What the File menu shows for each file, in the same order: its name, and where two
    // files share a name, as many of their folders as tell them apart ("north/plan.hwc").
    std::vector<std::string> ShownNames() const;

private:
    void Store();
    CRegistry& m_store;
    std::vector<std::string> m_files;
};
