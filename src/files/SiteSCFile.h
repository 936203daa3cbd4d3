#pragma once
// A site configuration file as the open, new-site, save and wizard dialogs see it: the parsed
// file plus the summary texts of the "Configuration Information" panel for each configuration.

#include <optional>
#include <string>
#include <vector>

#include "files/SiteConfigFile.h"
#include "model/BandInformation.h"

// What the panel shows of one configuration; every value already in its display form.
struct CSCFPanelValues {
    std::string id;
    std::string name;
    std::string network;
    std::string trxIds;
    std::string sectors;
    std::string trxUnits;
    std::string cabling;
    std::string description;
};

struct CSCFSiteSummary {
    int trxCount = 0;
    int trxBand = 0; // combined band value of the counted TRXs
    int networkFlags = 0;
    int networkTrxCount = 0;
    std::string sectors;
};

class CSiteSCFile : public CSiteConfigFile {
public:
    static constexpr const char* kLabelIdName = "ID\nName";
    static constexpr const char* kLabelNetwork = "Network\nTRX ID(s)\nSector(s)";
    static constexpr const char* kLabelUnits = "Network\nTRX unit(s)\nCabling";
    static constexpr const char* kAddNewConfiguration = "< Add New Configuration to this file >";
    static constexpr const char* kOrvikFamilyName = "Orvik BTS";

    CSiteSCFile() = default;
    explicit CSiteSCFile(std::string path) : CSiteConfigFile(std::move(path)) {}

    CSCFSiteSummary Summarise(const CSCFSite& site);
    CSCFPanelValues PanelValues(const CSCFSite& site);

    // "Orvik BTS" for BCF type 6, "Missing" without a type, "Not supported" otherwise.
    static std::string BtsTypeText(const CSCFSite& site);

    static CSCFCabinet* FirstCabinet(CSCFSite& site);
    static const CSCFCabinet* FirstCabinet(const CSCFSite& site);
    // Resets the cabinet's settings and empties its units, cabling and antennas, so that a
    // configuration can be written into an existing record.
    static void ClearCabinetContents(CSCFCabinet& cabinet);

    static CSCFSiteTreUnit* FindTreUnit(CSCFSite& site, int slot);
    static CSCFHop* FindHop(CSCFSite& site, const std::string& name);

    // The row offered besides the template configurations: "<Empty Orvik BTS>".
    static std::string EmptyConfigurationName(const std::string& family = kOrvikFamilyName);
    static std::string EmptyConfigurationDescription(const std::string& family = kOrvikFamilyName);
    // The ".hwc" files of a template folder, sorted by name.
    static std::vector<std::string> TemplateFiles(const std::string& folder);

    // The refusal text for a configuration name that cannot be saved, or nothing.
    static std::optional<std::string> RefuseConfigurationName(const std::string& name);

    // Saves the configuration into the file at path: a configuration of the same name is
    // replaced, any other is appended, and every other configuration stays as it was. A path
    // that holds something other than a site configuration file is not overwritten.
    static CSaveResult SaveConfigurationInto(const std::string& path, const CSCFSite& site);

private:
    CBandInformation m_band;
};
