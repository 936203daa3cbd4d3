#pragma once
// Every command of the menus, keys and buttons: what the menu shows, its key, when it may run,
// whether it is checked, and what it runs. A command id is looked up here once and acts at once;
// the menus, the toolbar and the help read the same entries.

#include "app/commands/DocumentMenu.h"

#include <functional>
#include <string>
#include <vector>

struct SCommand {
    int id = 0;
    // The text with its "&" mnemonic, without the key; empty while the menu lacks the command.
    std::string text;
    // Without blanks ("Ctrl+Z"); empty for a command without a key.
    std::string shortcut;
    // The page of the user guide that F1 on the command opens ("files.html#open").
    std::string helpPage;
    // The current menu holds the command. One it lacks keeps its rule and handler, so that a
    // family's menu decides what is shown and the rules what may run.
    bool inMenu = false;
    std::function<bool()> enabled;
    // Unset for a command that is never checked.
    std::function<bool()> checked;
    // False when the command was not carried out (a cancelled or failed open or save).
    std::function<bool()> handler;
};

class CCommandTable {
public:
    // Texts and keys of every item of the menu; rules and handlers come with Bind.
    void LoadTexts(const SMenuModel& menu);
    // A command of the menu or one reached only by keys and buttons; false when the id is 0.
    // Binding again replaces what an earlier owner bound: the window carries out what the
    // document only knows the rule of.
    bool Bind(int id, std::function<bool()> enabled, std::function<bool()> handler,
              std::function<bool()> checked = nullptr);
    const SCommand* Find(int id) const;
    const std::vector<SCommand>& Commands() const { return m_commands; }
    // A command without a rule is never enabled, so that an unbound entry cannot run.
    bool IsEnabled(int id) const;
    bool IsChecked(int id) const;
    // False when the id is not in the table, not enabled, or the handler did not carry it out.
    bool Run(int id) const;

private:
    SCommand& Entry(int id);
    std::vector<SCommand> m_commands;
};
