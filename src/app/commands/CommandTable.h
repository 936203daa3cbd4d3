#pragma once
// Every command of the menus, keys and buttons: what the menu shows, its key, when it may run,
// whether it is checked, and what it runs. A command id is looked up here once and acts at once;
// the menus, the toolbar and the help read the same entries, and the menu bar is laid out as the
// table's submenus say.

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
    // The text of a command that names what it would act on ("&Undo Add Unit\tCtrl + Z"),
    // worded as a menu item with its key after a tab; unset, or empty for the moment, where
    // the menu's text stands.
    std::function<std::string()> textRule;
};

// A submenu of the menu bar: its title and its commands in order, 0 for a separator.
struct SCommandMenu {
    std::string title;
    std::vector<int> ids;

    bool operator==(const SCommandMenu&) const = default;
};

class CCommandTable {
public:
    // Texts, keys and the submenus of the menu; rules and handlers come with Bind, text rules
    // with BindText, and a menu loaded again keeps them.
    void LoadTexts(const SMenuModel& menu);
    // A command of the menu or one reached only by keys and buttons; false when the id is 0.
    // Binding again replaces what an earlier owner bound: the window carries out what the
    // document only knows the rule of.
    bool Bind(int id, std::function<bool()> enabled, std::function<bool()> handler,
              std::function<bool()> checked = nullptr);
    bool BindText(int id, std::function<std::string()> rule);
    const SCommand* Find(int id) const;
    const std::vector<SCommand>& Commands() const { return m_commands; }
    const std::vector<SCommandMenu>& Menus() const { return m_menus; }
    // What the menu item reads now, with the "&" mnemonic and without the key; empty for an id
    // the menu lacks.
    std::string Text(int id) const;
    // The same with the key after a tab, worded as the text rule words it.
    std::string MenuText(int id) const;
    // A command without a rule is never enabled, so that an unbound entry cannot run.
    bool IsEnabled(int id) const;
    bool IsChecked(int id) const;
    // False when the id is not in the table, not enabled, or the handler did not carry it out.
    bool Run(int id) const;

private:
    SCommand& Entry(int id);
    std::vector<SCommand> m_commands;
    std::vector<SCommandMenu> m_menus;
};
