#pragma once
// Seeded random input for the real program under an X server: the program's windows as the
// server lists them, and batches of clicks and keys typed by one xdotool process each, so that
// thousands of inputs fit in a test's time.

#include "support/XDesktop.h"

#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace testsupport {

struct SXWindow {
    std::string id;
    std::string title;
    int x = 0, y = 0, width = 0, height = 0;
    bool popup = false; // a menu or a tooltip: override-redirect, no title of its own
};

// The program's mapped top-level windows, front first as the server stacks them.
inline std::vector<SXWindow> ProgramWindows(const std::string& display) {
    std::vector<SXWindow> out;
    std::istringstream tree(
        CommandOutput("DISPLAY=" + display + " timeout 10 xwininfo -root -tree"));
    std::string line;
    while (std::getline(tree, line)) {
        const size_t open = line.find('"');
        const size_t close = line.find("\": (\"cabrion\"");
        if (open == std::string::npos || close == std::string::npos) {
            continue;
        }
        SXWindow w;
        std::istringstream(line) >> w.id;
        w.title = line.substr(open + 1, close - open - 1);
        const size_t geometry = line.find(')', close) + 1;
        char sep = 0;
        std::istringstream g(line.substr(geometry));
        int relX = 0, relY = 0;
        g >> w.width >> sep >> w.height >> relX >> relY >> w.x >> w.y;
        if (w.width > 8 && w.height > 8) {
            out.push_back(w);
        }
    }
    // One xwininfo per window, all in one shell: the tree keeps windows that were hidden, and
    // menus are the windows the server does not manage.
    std::string ask = "for w in";
    for (const auto& w : out) {
        ask += " " + w.id;
    }
    ask += "; do i=$(DISPLAY=" + display + " timeout 5 xwininfo -id $w); echo $w " +
           "$(echo \"$i\" | grep -c IsViewable) $(echo \"$i\" | grep -c 'Redirect State: yes');" +
           " done";
    std::istringstream states(out.empty() ? std::string() : CommandOutput(ask));
    std::vector<SXWindow> shown;
    std::string id;
    int viewable = 0, popup = 0;
    while (states >> id >> viewable >> popup) {
        for (auto& w : out) {
            if (w.id == id && viewable > 0) {
                w.popup = popup > 0;
                shown.push_back(w);
            }
        }
    }
    return shown;
}

// A file or print dialog: it could lead out of the scratch folder, so it is only ever closed.
inline bool LeadsOutOfTheFolder(const std::string& title) {
    for (const char* start : {"Open", "Save", "Export", "Print", "Select", "Choose", "Browse"}) {
        if (title.rfind(start, 0) == 0) {
            return true;
        }
    }
    return title.find("File") != std::string::npos || title.find("Folder") != std::string::npos;
}

class CMonkeyInput {
public:
    explicit CMonkeyInput(unsigned seed) : m_random(seed) {}

    // The xdotool arguments of `count` inputs into these windows; `sent` counts them.
    std::string Batch(const std::vector<SXWindow>& windows, int count, int& sent) {
        std::string out;
        for (int i = 0; i < count; ++i, ++sent) {
            out += Next(windows);
            out += " sleep 0.0" + std::to_string(Pick(0, 2));
        }
        return out;
    }

private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

    std::string Click(const std::vector<SXWindow>& windows, const char* button) {
        const SXWindow& w = windows[static_cast<size_t>(Pick(0, int(windows.size()) - 1))];
        // A menu's last row is spared: the File menu ends with the command that quits.
        const int height = w.popup ? std::max(1, w.height - 32) : w.height;
        return " mousemove " + std::to_string(w.x + Pick(0, w.width - 1)) + " " +
               std::to_string(w.y + Pick(0, height - 1)) + " " + button;
    }

    std::string Next(const std::vector<SXWindow>& windows) {
        // Per menu, the letters of its commands, the exit command's left out.
        static const std::vector<std::pair<std::string, std::string>> kMenus = {
            {"alt+f", "ntosapved12"},
            {"alt+e", "uerpo"},
            {"alt+v", "tosbcpfu"},
            {"alt+t", "wrseftif"},
            {"alt+n", "l"}};
        static const std::vector<std::string> kKeys = {
            "Tab",    "shift+Tab", "Return", "Escape", "alt+Return", "ctrl+z", "ctrl+y",
            "ctrl+s", "alt+c",     "alt+b",  "space",  "ctrl+n",     "ctrl+o", "ctrl+l",
            "ctrl+1", "ctrl+2",    "ctrl+3", "ctrl+4", "ctrl+5",     "ctrl+6", "ctrl+shift+z"};
        const int kind = Pick(0, 99);
        if (kind < 30 && !windows.empty()) {
            return Click(windows, "click --delay 10 1");
        }
        if (kind < 40 && !windows.empty()) {
            return Click(windows, "click --repeat 2 --delay 60 1");
        }
        if (kind < 47 && !windows.empty()) {
            return Click(windows, "click --delay 10 3");
        }
        if (kind < 60) {
            const auto& menu = kMenus[static_cast<size_t>(Pick(0, int(kMenus.size()) - 1))];
            const int letter = Pick(0, int(menu.second.size()));
            // Sometimes the menu is only opened and closed again.
            return " key " + menu.first + " sleep 0.05 key " +
                   (letter == int(menu.second.size())
                        ? std::string("Escape")
                        : std::string(1, menu.second[static_cast<size_t>(letter)]));
        }
        return " key " + kKeys[static_cast<size_t>(Pick(0, int(kKeys.size()) - 1))];
    }

    std::mt19937 m_random;
};

} // namespace testsupport
