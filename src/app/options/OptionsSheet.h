#pragma once
// Which pages the options sheets carry.

#include "app/options/OptionsHost.h"

#include <string>
#include <vector>

enum class OptionsSheetKind {
    Site,  // the configuration menus' options: every page
    NoBTS, // the File menu's options: the BTS connection page only
};

// Page captions in order. The "LMP" page sets up a local line, which means nothing while the
// connection runs through the controller.
std::vector<std::string> OptionsPages(OptionsSheetKind kind, const SActiveConnection& connection);
