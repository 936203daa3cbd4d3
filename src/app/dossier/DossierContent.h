#pragma once
// What a commissioning dossier holds, gathered from the open configuration before anything is
// drawn: the cover facts, the configuration report as tables, the picture and list of each view,
// the passive units grouped as the passive units tree groups them, and the differences from the
// configuration currently in BTS. The command line and the window both fill it here and draw it
// with the same painter, so that both hand over the same document. Texts are UTF-8.

#include <ctime>
#include <string>
#include <utility>
#include <vector>

#include "app/dossier/ReportTables.h"
#include "app/views/CabinetScene.h"
#include "app/views/ViewList.h"

class CHWInfoFile;
class CSiteKODA;
class CViewBase;

struct SDossierView {
    int viewType = 0;
    std::string title;
    std::string subtitle;
    SCabinetScene scene;
    SListContent list;
};

struct SDossierPassiveGroup {
    std::string topGroup;
    std::string group;
    // Unit, serial number, product identifier of every filled slot.
    std::vector<std::vector<std::string>> entries;
};

struct SDossier {
    std::string siteName;
    // Label and value lines of the cover, in order.
    std::vector<std::pair<std::string, std::string>> cover;
    std::vector<std::string> transceivers;
    SReportTables report;
    std::vector<SDossierView> views;
    std::vector<SDossierPassiveGroup> passive;
    // Present only when a configuration currently in BTS was given.
    bool hasDifferences = false;
    SDossierView differences;
    std::string missingInformation;
};

struct SDossierSource {
    std::string fileName;
    std::string configurationName; // as the file holds it (code page)
    // Where the configuration currently in BTS came from; empty when there is none.
    std::string btsSource;
    const CHWInfoFile* candidatePassive = nullptr;
    const CHWInfoFile* btsPassive = nullptr;
    // Cable colours of the views (0xRRGGBB, in the order of the colour table); the program's
    // defaults when empty.
    std::vector<SceneColour> colours;
    int viewSettings = 5;
    bool btsConnected = true;
    std::string version;
    std::tm date{};
};

// The manager's active view as a page: its name, the picture and the list as the window shows
// them, texts in UTF-8. The scene points at the site's units, as below.
SDossierView ActiveViewPage(const CViewBase& manager, const std::string& subtitle);

// The view types a dossier shows a page of, in page order.
const std::vector<int>& DossierViewTypes();

// The scenes point at the site's units: draw the dossier before the site changes. The site
// shows what it showed before when this returns.
SDossier BuildDossier(CSiteKODA& site, const SDossierSource& source);
