#pragma once
// The buttons of the main window's toolbars as data, beside the menu they take their commands
// from: the window builds its toolbars by it, and a command a family's menu lacks hides its
// button with its menu item.

#include <string>
#include <vector>

struct SToolbarLayout {
    // What the window calls the toolbar, and the name its place is kept under.
    std::string title;
    std::string name;
    // The View menu command that shows and hides it.
    int toggle = 0;
    // The commands of its buttons in order, 0 for a separator.
    std::vector<int> ids;
};

// The main toolbar, then the overlap toolbar with the two tabs.
const std::vector<SToolbarLayout>& MainWindowToolbars();
