#include "app/dossier/DocumentDossier.h"

#include <ctime>

#include "app/document/BTSConfigurationDoc.h"
#include "app/settings/FileDialogFolder.h"
#include "app/views/ViewBase.h"
#include "cabrion_version.h"
#include "files/TextCodec.h"
#include "model/BtsConfiguration.h"
#include "model/DataBaseKODA.h"

bool DossierSourceOf(CBTSConfigurationDoc& doc, SDossierSource& source) {
    if (doc.SiteKODA() == nullptr) {
        return false;
    }
    source = {};
    source.fileName = doc.PathName().empty() ? doc.Title() : FileNameOfPath(doc.PathName());
    source.configurationName =
        doc.ConfigurationName().empty() ? doc.Title() : doc.ConfigurationName();
    source.candidatePassive = &doc.CandidatePassive();
    if (CBtsConfiguration::Get() != nullptr) {
        source.btsSource = "fetched from the BTS";
        source.btsPassive = &doc.BtsPassive();
    }
    if (const auto* views = dynamic_cast<const CViewBaseKODA*>(doc.AnyViewManager())) {
        source.colours.assign(views->Colours().begin(), views->Colours().end());
        source.viewSettings = views->ViewSettings();
    }
    source.btsConnected = doc.BtsConnected();
    source.version = CABRION_VERSION;
    const std::time_t now = std::time(nullptr);
    localtime_r(&now, &source.date);
    return true;
}

std::string DossierFileName(const CBTSConfigurationDoc& doc) {
    std::string name = Cp1252ToUtf8(doc.ConfigurationName());
    for (char& c : name) {
        if (c == '/' || c == '\\' || c == ':' || c == '*' || c == '?' || c == '"' || c == '<' ||
            c == '>' || c == '|') {
            c = '_';
        }
    }
    return (name.empty() ? std::string(CBTSConfigurationDoc::kUntitled) : name) + ".pdf";
}

SPageFrame PageFrameOf(const CBTSConfigurationDoc& doc, const CViewBase& manager) {
    SPageFrame frame;
    frame.site =
        Cp1252ToUtf8(doc.ConfigurationName().empty() ? doc.Title() : doc.ConfigurationName());
    frame.file = Cp1252ToUtf8(doc.PathName().empty() ? std::string(CBTSConfigurationDoc::kUntitled)
                                                     : FileNameOfPath(doc.PathName()));
    frame.configuration = manager.BtsTab() ? "Currently in BTS" : "Configuration Candidate";
    const CDataBaseKODA* shown = manager.Shown();
    frame.swLevel = shown != nullptr ? shown->SwLevel().Name() : "Unknown";
    const std::time_t now = std::time(nullptr);
    std::tm when{};
    localtime_r(&now, &when);
    char date[32];
    std::strftime(date, sizeof date, "%Y-%m-%d %H:%M", &when);
    frame.date = date;
    frame.version = CABRION_VERSION;
    return frame;
}
