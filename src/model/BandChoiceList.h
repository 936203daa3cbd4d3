#pragma once
// A list of band choices that the band operations fill; the windows put a combo box behind it,
// the core and the tests a plain vector.

#include <string>
#include <vector>

class IBandChoiceList {
public:
    virtual ~IBandChoiceList() = default;
    virtual bool Contains(const std::string& text) const = 0;
    virtual void Add(const std::string& text, int value) = 0;
};

// The plain implementation: entries in the order they were added.
class CBandChoiceVector : public IBandChoiceList {
public:
    struct Entry {
        std::string text;
        int value;
    };

    bool Contains(const std::string& text) const override {
        for (const auto& e : entries) {
            if (e.text == text) {
                return true;
            }
        }
        return false;
    }
    void Add(const std::string& text, int value) override { entries.push_back({text, value}); }

    std::vector<Entry> entries;
};
