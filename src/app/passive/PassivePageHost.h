#pragma once
// What the passive units page controller needs from its window: message boxes, focus, the
// file dialogs, and the document's redraw and changed mark.

#include <optional>
#include <string>

enum class PassiveField { None, Serial, Product, ItemCode, Revision };

class IPassivePageHost {
public:
    virtual ~IPassivePageHost() = default;

    virtual void Warning(const std::string& text) = 0;
    virtual bool AskYesNo(const std::string& question) = 0;
    virtual void Beep() = 0;
    // Puts the focus on the box; with selectAll its whole text is selected.
    virtual void MoveFocus(PassiveField field, bool selectAll) = 0;
    virtual void CaretToEnd(PassiveField field) = 0;
    virtual void RedrawActiveView() = 0;
    virtual void SetPassiveInfoChanged(bool changed) = 0;
    // The file dialogs of the table's files; nothing when the user cancels.
    virtual std::optional<std::string> ChooseImportFile() = 0;
    virtual std::optional<std::string> ChooseExportFile() = 0;
};
