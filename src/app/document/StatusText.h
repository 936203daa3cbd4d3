#pragma once
// The texts of the main window's title and status bar for the state of the BTS link.

#include "platform/StartupTarget.h"

#include <string>

struct StatusInputs {
    std::string documentName; // empty: "Untitled"
    int reportKind = -1;      // kind of the report that asked for the rebuild, -1 for none
    ConnectionKind connection = kConnectionNone;
    int bscId = 0;         // remote
    int bcfId = 0;         // remote
    int accessLevel = 1;   // remote: 1 full control, 0 read only
    bool linkUp = false;   // local
    std::string speedText; // local, e.g. "9600"
    int comPort = 0;       // local
};

struct StatusTexts {
    std::string title;
    std::string pane1;
    std::string pane2;
    std::string pane3;
};

// Report kinds that announce a link being started.
inline constexpr int kReportStartingRemote = 2;
inline constexpr int kReportStartingLocal = 3;

StatusTexts BuildStatusTexts(const StatusInputs& in);
