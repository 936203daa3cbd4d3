#pragma once
// Shared helpers of the plan tests: a scratch directory, file access and an in-memory passive
// unit table.

#include "files/xml/PassiveUnitInfo.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <utility>

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

class FakePassive : public IPassiveUnitInfo {
public:
    int SlotCount(int group) const override {
        switch (group) {
        case 5:
        case 6:
        case 9:
        case 10:
            return 12;
        case 7:
        case 8:
            return 6;
        case 13:
            return 25;
        case 14:
            return 10;
        case 16:
            return 30;
        case 1:
        case 2:
        case 3:
        case 4:
        case 11:
            return 1;
        default:
            return 0;
        }
    }
    bool GetSlot(int group, int index, std::string& serial, std::string& product) const override {
        auto it = slots.find({group, index});
        if (it == slots.end()) {
            return false;
        }
        serial = it->second.first;
        product = it->second.second;
        return true;
    }
    int SetSlot(int group, int index, const std::string& serial,
                const std::string& product) override {
        if (index < 0 || index >= SlotCount(group)) {
            return -1;
        }
        slots[{group, index}] = {serial, product};
        return index;
    }

    std::map<std::pair<int, int>, std::pair<std::string, std::string>> slots;
};

} // namespace xmltest
