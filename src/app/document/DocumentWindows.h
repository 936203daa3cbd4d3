#pragma once
// Everything the document and its sheets need from windows: questions, file dialogs, the
// modal sheets, and the frame and views to refresh. The window program implements it with
// widgets; tests script it.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

class CNewSiteSheetModel;
class CSaveSCFSheetModel;

enum class EAnswer { Yes, No, Cancel };

// Questions and file dialogs, titled "Cabrion".
class IUserPrompt {
public:
    virtual ~IUserPrompt() = default;
    // A refusal or error (exclamation icon).
    virtual void Message(const std::string& text) = 0;
    // Yes/No; `question` chooses the question icon over the exclamation icon.
    virtual bool AskYesNo(const std::string& text, bool question = true) = 0;
    virtual EAnswer AskYesNoCancel(const std::string& text) = 0;

    struct SFileDialog {
        std::string title;
        // "Description (*.ext)|*.ext|...|" as the string table holds it.
        std::string filter;
        std::string directory;
        std::string fileName;
        bool mustExist = true;
        // A save dialog asks before it hands back a file that exists.
        bool confirmOverwrite = false;
    };
    // The chosen path, or nothing on Cancel.
    virtual std::optional<std::string> ChooseFile(const SFileDialog& dialog) = 0;
};

class IDocumentWindows : public IUserPrompt {
public:
    // The site selection of a configuration plan that holds several BTSs: an index into the
    // names, or nothing to cancel.
    virtual std::optional<std::size_t> ChoosePlanSite(const std::vector<std::string>& names) = 0;
    // Modal sheets; true when the user finished them.
    virtual bool RunNewSiteSheet(CNewSiteSheetModel& sheet) = 0;
    virtual bool RunSaveSheet(CSaveSCFSheetModel& sheet) = 0;
    // The BTS message dialog of connection errors.
    virtual void ShowBtsMessage(const std::string& message, const std::string& details) = 0;

    // Title, status bar and the enable state of every command.
    virtual void RefreshFrame() = 0;
    // The menu was rebuilt (the document holds it).
    virtual void MenuRebuilt() = 0;
    // A view command: a view type's command, or the redraw of every view.
    virtual void RunViewCommand(int command) = 0;
    // A relayed notification (3054, 3055, 3056).
    virtual void Notify(int message, int wParam, int lParam) = 0;
    // The connection event list: created on the document's first idle pass.
    virtual void CreateEventLog() = 0;
    virtual void AddEventLine(const std::string& time, const std::string& text) = 0;
    // A file was opened or saved: it goes to the top of the recent files.
    virtual void AddRecentFile(const std::string& path) = 0;
    virtual void SetWaitCursor(bool /*on*/) {}
    // The cabinet sheet of "Replace Cabinet...".
    virtual void RunAddCabinetSheet() {}
    // The document made a new view manager or dropped its old one: the view bar and the view
    // container must be rebuilt before the old one goes.
    virtual void ViewManagerChanged() {}
    // The view manager asks for the picture, the list and the bar to be drawn again.
    virtual void RedrawViews() {}
    // The selected unit changed in one pane; the others follow.
    virtual void ViewSelectionChanged() {}
    // Properties of the selected unit (double click, Enter in the list).
    virtual void OpenProperties() {}
    // The transfer dialog in one of its four modes; false when there is none to run.
    virtual bool RunTransferDialog(int /*mode*/) { return false; }
};
