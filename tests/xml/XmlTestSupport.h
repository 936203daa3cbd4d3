#pragma once
// Shared helpers of the plan tests: a scratch directory and file access.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace xmltest {

// A fresh directory removed again at the end of the test.
class ScratchDir {
public:
    ScratchDir() {
        static int counter = 0;
        m_path = std::filesystem::temp_directory_path() /
                 ("cabrion_xml_" + std::to_string(::getpid()) + "_" + std::to_string(++counter));
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~ScratchDir() { std::filesystem::remove_all(m_path); }
    std::string File(const std::string& name) const { return (m_path / name).string(); }
    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

inline std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

inline void WriteAll(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

inline int Count(const std::string& text, const std::string& what) {
    int n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos;
         at = text.find(what, at + what.size())) {
        ++n;
    }
    return n;
}

} // namespace xmltest
