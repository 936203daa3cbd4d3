#pragma once
// The rules of the sheet that saves the candidate into a configuration file that may hold
// other configurations: its rows, the edits with their counters, delete and undelete, the
// browse and define dialogs, and the checks made before anything is written.

#include "app/document/DocumentWindows.h"
#include "app/document/ParseProblemList.h"
#include "files/SiteSCFile.h"

#include <memory>
#include <string>
#include <vector>

class CRegistry;

struct SSaveRow {
    std::string name;           // shown, with " - To be deleted" when marked
    CSCFSite* record = nullptr; // null for the add-new row
    bool toDelete = false;
};

class CSaveSCFSheetModel {
public:
    static constexpr size_t kMaxText = 80;
    static constexpr const char* kAddNewDescription = "Add configuration description here.";
    static constexpr const char* kDeletedSuffix = " - To be deleted";
    static constexpr const char* kNotSaved = "Error: File was not saved";
    static constexpr const char* kFilter =
        "BTS HW Configuration Files (*.hwc)|*.hwc|Site Configuration Files (*.sdf)|*.sdf|BTS HW "
        "Configuration Files (*.ewb)|*.ewb|All Files (*.*)|*.*|";

    enum class EField { None, Name, Description };

    struct SInputs {
        std::string path; // the document's file; empty when it has none
        std::string configurationName;
        std::string configurationDescription;
        // What the document would write, for the "New Configuration Information" group.
        const CSCFSite* newRecord = nullptr;
        CRegistry* settings = nullptr; // "SCFPath", "LastSCF"; none in some tests
        std::string documentsFolder;   // where dialogs start without a usable folder
    };

    CSaveSCFSheetModel(SInputs inputs, IUserPrompt& prompt);

    std::string Caption() const { return "Save BTS HW Configuration"; }
    const std::string& Path() const { return m_path; }
    bool IsPlan() const;
    // Why the file could not be read; the list is then empty but for the add-new row.
    const std::string& ReadFailure() const { return m_readFailure; }
    // The lines the reader of the chosen file rejected; a rewrite leaves them out, so the sheet
    // shows them on its "Parse Error" page.
    bool HasProblems() const { return !m_problems.Empty(); }
    CParseProblemList& ProblemList() { return m_problems; }

    const std::vector<SSaveRow>& Rows() const { return m_rows; }
    void Select(int row);
    int Selected() const { return m_selected; }

    const std::string& Name() const { return m_name; }
    const std::string& Description() const { return m_description; }
    // Longer texts are cut at the limit, as the edit boxes do.
    void SetName(const std::string& text);
    void SetDescription(const std::string& text);
    std::string NameCounter() const;
    std::string DescriptionCounter() const;

    void Delete();
    void Undelete();

    // The values of the selected row's configuration ("Site Information (Logical)" and
    // "Configuration Information") and of what the document would write.
    CSCFPanelValues SelectedValues();
    CSCFPanelValues NewValues();

    // "Browse...": choose another file (or define one when none is set); false on Cancel or a
    // read failure, which leaves the list as it was.
    bool Browse();

    // The checks of the finish button, in order; false keeps the sheet open with the focus on
    // FocusField().
    bool Finish();
    EField FocusField() const { return m_focus; }

    // After Finish: the rows marked to be deleted are gone from the file, and the target record
    // is the existing configuration of that name, or null for a new one.
    std::unique_ptr<CSiteSCFile> TakeFile() { return std::move(m_file); }
    CSCFSite* TargetRecord() const { return m_target; }
    bool HasFile() const { return m_file != nullptr; }

private:
    bool ReadFile(const std::string& path, std::unique_ptr<CSiteSCFile>& into,
                  std::string& failure);
    void FillRows();
    bool Refuse(const std::string& text, EField field);
    CSCFSite* FindLive(const std::string& name) const;
    IUserPrompt::SFileDialog Dialog(const char* title) const;
    void Remember(const std::string& path);

    SInputs m_in;
    IUserPrompt& m_prompt;
    std::string m_path;
    bool m_pathChosen = false;
    std::string m_readFailure;
    std::unique_ptr<CSiteSCFile> m_file;
    CParseProblemList m_problems;
    std::vector<SSaveRow> m_rows;
    int m_selected = -1;
    std::string m_name;
    std::string m_description;
    EField m_focus = EField::None;
    CSCFSite* m_target = nullptr;
};

// Reads a site configuration file, or every BTS of a configuration plan, into `file`. False
// with a sentence saying why when it cannot be read or is neither.
bool ReadConfigurationFile(const std::string& path, CSiteSCFile& file, std::string& failure);
