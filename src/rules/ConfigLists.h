#pragma once
// The lists the sector configuration operations fill: a choice list (a combo box in the
// windows) and a table of twelve transceiver rows. Plain implementations serve the command line
// and the tests.

#include <array>
#include <string>
#include <vector>

class IChoiceList {
public:
    virtual ~IChoiceList() = default;
    virtual void Clear() = 0;
    virtual void Add(const std::string& text, int value) = 0;
    // Selects the entry at the row (0-based).
    virtual void Select(int row) = 0;
    virtual int Count() const = 0;
};

class ITableList {
public:
    virtual ~ITableList() = default;
    // Row 0-11 for positions 1-12.
    virtual void SetText(int row, int column, const std::string& text) = 0;
};

class CChoiceVector : public IChoiceList {
public:
    struct Entry {
        std::string text;
        int value;
    };
    void Clear() override {
        entries.clear();
        selected = -1;
    }
    void Add(const std::string& text, int value) override { entries.push_back({text, value}); }
    void Select(int row) override { selected = row; }
    int Count() const override { return static_cast<int>(entries.size()); }

    std::vector<Entry> entries;
    int selected = -1;
};

class CTableVector : public ITableList {
public:
    void SetText(int row, int column, const std::string& text) override {
        if (row >= 0 && row < 12 && column >= 0 && column < 3) {
            cells[row][column] = text;
        }
    }
    std::array<std::array<std::string, 3>, 12> cells;
};
