// new: a new Orvik site built from one of the pre-defined sector configurations, saved as a
// configuration of a site configuration file (the wizard's "New" way without a window).
#include <filesystem>

#include "FileInput.h"
#include "files/SiteConfigFile.h"
#include "files/SiteRecords.h"
#include "files/TextCodec.h"
#include "files/xml/PlanTextCodec.h"
#include "model/BandInformation.h"
#include "model/BtsConfiguration.h"
#include "model/SiteKODA.h"
#include "rules/ConfigLists.h"
#include "rules/KodaConfigMaster.h"
#include "rules/SectorConfigKODAMaster.h"

namespace {

struct NewOptions {
    std::string sector;
    int band = 0;
    std::string name;
    bool nameGiven = false;
    std::string description;
    std::string out;
};

// The global index of a pre-defined configuration given by name or by its number 1-16.
int ResolveSector(const CSectorConfigKODAMaster& sectors, const std::string& text) {
    if (!text.empty() && text.find_first_not_of("0123456789") == std::string::npos &&
        text.size() <= 2) {
        const int index = std::stoi(text);
        return index >= 1 && index < sectors.Count() ? index : -1;
    }
    const int index = sectors.FindByName(text);
    return index >= 1 ? index : -1;
}

bool ValidBand(int band) {
    return band > 0 && band <= 0x1FF && (band & kBandMaskBits) != 0 &&
           CBandInformation::BandNameOfValue(band) != "Illegal";
}

int RunNew(const NewOptions& o) {
    CSectorConfigKODAMaster sectors;
    const int index = ResolveSector(sectors, o.sector);
    if (index < 0) {
        std::cerr << "Unknown sector configuration: " << o.sector << "\n";
        return cli::kExitUsage;
    }
    if (!ValidBand(o.band)) {
        std::cerr << "Not a band value: " << o.band << "\n";
        return cli::kExitUsage;
    }
    const std::string name = o.nameGiven ? o.name : sectors.Name(index);
    if (name.empty()) {
        std::cerr << "A configuration needs a name\n";
        return cli::kExitUsage;
    }

    // The output file keeps what it already holds; the new configuration joins it.
    CSiteConfigFile file;
    if (std::filesystem::exists(o.out)) {
        if (IsXmlPlanPath(o.out)) {
            std::cerr << "Cannot add a configuration to a plan: " << o.out << "\n";
            return cli::kExitUsage;
        }
        std::string bytes;
        if (!ReadWholeFile(o.out, bytes)) {
            std::cerr << "Cannot read " << o.out << "\n";
            return cli::kExitUsage;
        }
        file.ReadBytes(bytes);
        if (file.HeaderMissing()) {
            std::cerr << o.out << " is not a site configuration file; it is left as it is\n";
            return cli::kExitUsage;
        }
        if (file.FindSite(Utf8ToCp1252(name)) != nullptr) {
            std::cerr << o.out << " already has a configuration named " << name << "\n";
            return cli::kExitProblems;
        }
    }

    CBtsConfiguration::Drop();
    CSiteKODA site;
    CKodaConfigMaster grid(site);
    sectors.Select(index);
    if (!sectors.PlaceOnGrid(index, o.band, grid)) {
        std::cerr << "The sector configuration " << sectors.Name(index)
                  << " cannot be used with band " << o.band << "\n";
        return cli::kExitProblems;
    }
    grid.Apply(o.band);
    CTableVector shown;
    sectors.ShowAndApplyBand(index, o.band, shown, grid);

    auto record = std::make_unique<CSCFSite>();
    record->name = Utf8ToCp1252(name);
    record->description = Utf8ToCp1252(o.description);
    if (!CopySiteIntoRecord(site, *record)) {
        std::cerr << "The configuration could not be stored.\n";
        return cli::kExitProblems;
    }
    file.AddSite(std::move(record));
    if (const CSaveResult saved = file.Write(o.out); !saved) {
        std::cerr << saved.error << "\n";
        return cli::kExitUsage;
    }
    return cli::kExitOk;
}

cli::CommandRegistrar register_new("new", [](CLI::App& app) {
    app.description("Create an Orvik configuration from a pre-defined sector configuration");
    auto o = std::make_shared<NewOptions>();
    app.add_option("--sector", o->sector, "Sector configuration: name or number 1-16")->required();
    app.add_option("--band", o->band, "Band value, e.g. 2 for 1800, 130 for 1800 EDGE")->required();
    app.add_option("--name", o->name, "Configuration name (default: the sector configuration's)")
        ->each([o](const std::string&) { o->nameGiven = true; });
    app.add_option("--description", o->description, "Configuration description");
    app.add_option("-o,--output", o->out, "Site configuration file to write")->required();
    return [=]() -> int { return RunNew(*o); };
});

} // namespace
