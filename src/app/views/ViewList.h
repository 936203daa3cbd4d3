#pragma once
// The rows and columns the list pane shows for a view, and the order it sorts them in.

#include <string>
#include <vector>

class CUnit;

struct SListRow {
    std::vector<std::string> cells;
    // The unit the row stands for (kind 0: none).
    int unitKind = 0;
    int unitNumber = 0;
    // The passive unit record the row stands for (-1: none).
    int passiveGroup = -1;
    int passiveSlot = -1;
    // Rows sort among the rows of their own section, and sections keep their order: a list of
    // two tables, one below the other.
    int section = 0;
    // Names the columns of the rows below it: drawn apart and not chosen.
    bool heading = false;

    bool Names(const CUnit* unit) const;
};

struct SListContent {
    std::vector<std::string> columns;
    std::vector<SListRow> rows;
};

inline constexpr const char* kNoInformation = "No information";

// Replaces an empty row list by the single row "No information".
void AddNoInformationRow(SListContent& content);

// Clicking a column header sorts by it; clicking the same header again reverses the order.
class CListSortState {
public:
    void HeaderClicked(int column);
    int Column() const { return m_column; }
    bool Ascending() const { return m_ascending; }
    void Reset() {
        m_column = -1;
        m_ascending = true;
    }
    // Sorts the rows by the chosen column; numbers inside texts compare by value, so that
    // "RVGA 10" follows "RVGA 9". Rows that compare equal keep their order.
    void Sort(std::vector<SListRow>& rows) const;

private:
    int m_column = -1;
    bool m_ascending = true;
};

// Widths of a list's columns in a pane `available` pixels wide. A column never gets less than
// its least (its share of the pane, its heading); it is widened to its texts while the pane has
// room. When the texts do not all fit, the widest are cut first, down to where the columns end
// at the pane's edge; only least widths wider than the pane make the list scroll sideways.
std::vector<int> FitColumnWidths(int available, const std::vector<int>& least,
                                 const std::vector<int>& wanted);

// Compares texts with runs of digits taken as numbers; negative, zero or positive.
int CompareNatural(const std::string& a, const std::string& b);
