#pragma once
// The lines a configuration file reader rejected, as the "Parse Error" page of the open and save
// sheets lists them: one row per problem, sortable by any column.

#include <string>
#include <vector>

class CSiteConfigFile;

struct SParseProblemRow {
    int line = 0;
    std::string type;
    std::string tag;
    std::string parameter;
    std::string configuration;
};

class CParseProblemList {
public:
    static constexpr const char* kNote =
        "NOTE: These tags will NOT be included when the file is saved next time.";

    void Clear() { m_rows.clear(); }
    void AddFile(const CSiteConfigFile& file);
    bool Empty() const { return m_rows.empty(); }
    const std::vector<SParseProblemRow>& Rows() const { return m_rows; }
    // Columns 0-4; the line sorts by number, the others as text; again reverses.
    void SortBy(int column);
    int SortColumn() const { return m_sortColumn; }
    bool Ascending() const { return m_ascending; }

private:
    std::vector<SParseProblemRow> m_rows;
    int m_sortColumn = 0;
    bool m_ascending = true;
};
