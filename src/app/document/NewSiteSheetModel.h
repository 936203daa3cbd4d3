#pragma once
// The rules of the sheet that chooses a configuration to create or to open: the rows of every
// configuration found, their sorting, the information panels of the selected row, the parse
// problems of the files read, and what finishing hands to the document.

#include "app/document/ParseProblemList.h"
#include "files/SiteSCFile.h"

#include <memory>
#include <string>
#include <vector>

struct SNewSiteRow {
    std::string name; // as stored (Windows-1252)
    std::string bcfType;
    std::string file; // path; empty for the empty row
    int fileIndex = -1;
    int record = -1; // -1 for the empty row
    std::string siteDescription;
    std::string configurationDescription;
    int image = 0; // 0 supported, 1 not supported
    int state = 0; // kNotSupported rows cannot be finished
};

// Label and value texts of the three information groups.
struct SInfoPanel {
    std::string labels;
    std::string values;
};

class CNewSiteSheetModel {
public:
    static constexpr int kNotSupported = 2;
    static constexpr int kEmptyBtsType = 6;
    static constexpr const char* kNotDefined = "Not defined";
    static constexpr const char* kProblemsNote = CParseProblemList::kNote;

    // Opening a file: its configurations are the rows.
    static CNewSiteSheetModel ForFile(const std::string& path);
    // Creating: the empty row and the configurations of the template folder's ".hwc" files.
    static CNewSiteSheetModel ForTemplates(const std::string& folder);

    const std::string& Caption() const { return m_caption; }
    const char* FinishText() const { return m_creating ? "Create" : "Open"; }
    bool Creating() const { return m_creating; }
    // Why a file could not be read at all; empty when every file was read.
    const std::string& ReadFailure() const { return m_readFailure; }

    const std::vector<SNewSiteRow>& Rows() const { return m_rows; }
    // Column 0 name, 1 BCF type; the same column again reverses the order.
    void SortBy(int column);
    int SortColumn() const { return m_sortColumn; }
    bool SortAscending() const { return m_ascending; }

    void Select(int row);
    int Selected() const { return m_selected; }
    bool CanFinish() const;
    SInfoPanel BscInformation() const;
    SInfoPanel SiteInformation() const;
    SInfoPanel ConfigurationInformation() const;
    std::string SiteDescription() const;
    std::string ConfigurationDescription() const;

    // The parse problems page is shown when any file read had problems.
    bool HasProblems() const { return !m_problems.Empty(); }
    const std::vector<SParseProblemRow>& Problems() const { return m_problems.Rows(); }
    CParseProblemList& ProblemList() { return m_problems; }
    // Columns 0-4; the line sorts by number, the others as text; again reverses.
    void SortProblemsBy(int column) { m_problems.SortBy(column); }

    // After finishing: the chosen file and record, or nothing for the empty configuration.
    bool EmptyChosen() const;
    std::unique_ptr<CSiteSCFile> TakeFile();
    CSCFSite* ChosenRecord() const;
    std::string ChosenPath() const;

private:
    CNewSiteSheetModel() = default;
    void AddFile(const std::string& path);
    const SNewSiteRow* SelectedRow() const;
    const CSCFSite* RecordOf(const SNewSiteRow& row) const;

    bool m_creating = false;
    std::string m_caption = "BTS HW Configuration";
    std::string m_readFailure;
    std::vector<std::unique_ptr<CSiteSCFile>> m_files;
    std::vector<SNewSiteRow> m_rows;
    CParseProblemList m_problems;
    int m_sortColumn = 0;
    bool m_ascending = true;
    int m_selected = -1;
};

// Whether a is before b, ignoring case.
bool LessIgnoringCase(const std::string& a, const std::string& b);
