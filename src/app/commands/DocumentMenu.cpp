#include "app/commands/DocumentMenu.h"

#include "app/commands/CommandIds.h"

#include <algorithm>

SMenuModel BaseMainMenu() {
    using namespace cmd;
    const SMenuItem sep{};
    SMenuModel menu;
    menu.push_back({"&File",
                    {{kNew, "&New\tCtrl+N"},
                     {kNewFromTemplate, "New from &Template..."},
                     {kOpen, "&Open...\tCtrl+O"},
                     {kSave, "&Save\tCtrl+S"},
                     {kSaveAs, "Save &As..."},
                     sep,
                     {kPrint, "&Print...\tCtrl+P"},
                     {kPrintPreview, "Print Pre&view"},
                     sep,
                     // The recent files are inserted here by the window.
                     {kRecentFile1, "Recent File"},
                     sep,
                     {kExit, "E&xit"}}});
    menu.push_back({"&Edit",
                    {{kUndo, "&Undo\tCtrl+Z"},
                     // Ctrl+Shift+Z does the same; the window gives the action both keys.
                     {kRedo, "&Redo\tCtrl+Y"},
                     sep,
                     {kCopyBtsConfiguration, "&Edit Current BTS Configuration"},
                     sep,
                     {kProperties, "&Properties...\tAlt+Return"},
                     {kOptions, "&Options..."}}});
    menu.push_back({"&View",
                    {{kToolbar, "&Toolbar"},
                     {kOverlapToolbar, "&Overlap Toolbar"},
                     {kStatusBar, "&Status Bar"},
                     sep,
                     {kCandidateTab, "&Configuration Candidate Tab\tAlt+C"},
                     {kBtsTab, "Currently in &BTS Tab\tAlt+B"},
                     sep,
                     {kShowPhysicalUnits, "Show &Physical Units"},
                     // "C" is the candidate tab's in this menu.
                     {kShowFileUnits, "Show Configuration &File Units"},
                     sep,
                     {kUpdateToLatest, "&Update To Latest (KS%VERSION%)"}}});
    // Alt+B and Alt+C are the tab commands' keys: the two menus open with Alt+T and Alt+N.
    menu.push_back({kBtsMenuTitle,
                    {{kWizard, "&Wizard..."},
                     {kReplaceCabinet, "&Replace Cabinet..."},
                     sep,
                     {kSend, "&Send BTS Configuration"},
                     {kSendPassive, "S&end BTS Passive Unit Information"},
                     {kFetch, "&Fetch BTS Configuration"},
                     {kFetchPassive, "Fe&tch BTS Passive Unit Information"},
                     sep,
                     // "T" is Fe&tch's.
                     {kPropertySheetOptions, "Opt&ions..."}}});
    menu.push_back({kConnectionMenuTitle,
                    {{kConnectLocal, "Connect &Locally\tCtrl+L"},
                     {kConnectRemote, "Connect..."},
                     {kDisconnect, "Disconnect"},
                     {kSimulator, "Simulator"}}});
    menu.push_back(
        {"&Help", {{kHelpTopics, "&Help Topics\tF1"}, sep, {kAbout, "&About Cabrion..."}}});
    return menu;
}

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
    if (from.empty()) {
        return text;
    }
    for (size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

SMenuModel SelmoMainMenu() {
    using namespace cmd;
    // The Orvik menu less what needs a BTS, the wizard or an Orvik cabinet, so that the two keep
    // the same texts and shortcuts for what they share.
    const auto orvikOnly = [](const SMenuItem& item) {
        switch (item.id) {
        case kCopyBtsConfiguration:
        case kCandidateTab:
        case kBtsTab:
        case kShowPhysicalUnits:
        case kShowFileUnits:
        case kUpdateToLatest:
            return true;
        default:
            return false;
        }
    };
    SMenuModel menu;
    for (SSubMenu& sub : BaseMainMenu()) {
        if (sub.title == kBtsMenuTitle || sub.title == kConnectionMenuTitle) {
            continue;
        }
        std::erase_if(sub.items, orvikOnly);
        // Separators left doubled or trailing by the removal go as well.
        std::vector<SMenuItem> items;
        for (const SMenuItem& item : sub.items) {
            if (item.IsSeparator() && (items.empty() || items.back().IsSeparator())) {
                continue;
            }
            items.push_back(item);
        }
        while (!items.empty() && items.back().IsSeparator()) {
            items.pop_back();
        }
        sub.items = std::move(items);
        menu.push_back(std::move(sub));
    }
    return menu;
}

void RebuildMainMenu(SMenuModel& menu, const std::string& productVersion) {
    for (SSubMenu& sub : menu) {
        for (SMenuItem& item : sub.items) {
            if (item.id == cmd::kUpdateToLatest) {
                item.text = ReplaceAll(item.text, "%VERSION%", productVersion);
            }
        }
    }
    if (menu.size() >= 2) {
        auto& items = menu[menu.size() - 2].items;
        std::erase_if(items, [](const SMenuItem& i) { return i.id == cmd::kSimulator; });
    }
}

void SplitMenuText(const std::string& full, std::string& text, std::string& shortcut) {
    const size_t tab = full.find('\t');
    text = full.substr(0, tab);
    shortcut.clear();
    if (tab != std::string::npos) {
        for (char c : full.substr(tab + 1)) {
            if (c != ' ') {
                shortcut += c;
            }
        }
    }
}
