#pragma once
// The main menu as data: submenus with command ids, texts and shortcuts. The document builds
// it for the family of its site; the command table takes each command's text and key and the
// submenus from it, and the window lays its menu bar out by the table.

#include <string>
#include <vector>

struct SMenuItem {
    int id = 0; // 0 for a separator
    // Menu text with "&" mnemonics; a shortcut shown in the menu follows a tab.
    std::string text;

    bool IsSeparator() const { return id == 0; }
};

struct SSubMenu {
    std::string title;
    std::vector<SMenuItem> items;
};

using SMenuModel = std::vector<SSubMenu>;

inline constexpr const char* kBtsMenuTitle = "B&TS";
inline constexpr const char* kConnectionMenuTitle = "Co&nnection";

// The menu as the resources hold it, before the rebuild touches it.
SMenuModel BaseMainMenu();

// The menu of an open Selmo site: the same command ids, without the wizard, the BTS menu and
// the connection, since that family is only opened, edited and saved here.
SMenuModel SelmoMainMenu();

// What the rebuild does to a loaded menu: "%VERSION%" in the update item becomes the product
// version, and the simulator item goes from the second-last submenu (the connection menu):
// the in-process simulated BTS is reached through a pseudo-terminal instead.
void RebuildMainMenu(SMenuModel& menu, const std::string& productVersion);

// Splits "&Undo Add Unit\tCtrl + Z" into the text and a shortcut without blanks ("Ctrl+Z").
void SplitMenuText(const std::string& full, std::string& text, std::string& shortcut);

// Replaces every occurrence of `from`.
std::string ReplaceAll(std::string text, const std::string& from, const std::string& to);
