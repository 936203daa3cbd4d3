#pragma once
// Builds a site record from the BTS selected in a loaded configuration plan: the BTS and
// cabinet information, transceivers with their cabling, units, antennas and, when asked, the
// passive unit information.

#include "files/SCFSite.h"
#include "files/xml/XML_NodeFile.h"

#include <memory>
#include <string>
#include <vector>

class CHWInfoFile;

// What the site selection shows about one BTS of a plan.
struct CXMLSiteSummary {
    std::string bandText;                      // band of the transceiver codes
    std::vector<std::string> transceiverCodes; // distinct, in plan order
    bool txCabling = false;
    bool rxMainCabling = false;
    bool rxDivCabling = false;

    // "TX", "RX Main" and "RX Div", those present, joined with ",".
    std::string CablingText() const;
};

class CReadXML {
public:
    explicit CReadXML(CXML_NodeFile& file) : m_file(file) {}

    // The record of the file's current BTS; null when its cabinet information is missing or
    // unreadable. Passive units go into `passive` when it is given.
    std::unique_ptr<CSCFSite> Read(CHWInfoFile* passive = nullptr);

    // Summary of the BTS with this distName (the current BTS is restored afterwards).
    CXMLSiteSummary Summarise(const std::string& distName);

private:
    bool ReadCabinetInfo(CSCFSite& site, CSCFCabinet& cabinet);
    void ReadTransceivers(CSCFCabinet& cabinet);
    void ReadUnits(CSCFSite& site, CSCFCabinet& cabinet);
    void ReadAntennas(CSCFCabinet& cabinet);
    void ReadPassive(CHWInfoFile& passive);
    std::vector<XMLParameterList> Items(const char* className, const char* listName);

    CXML_NodeFile& m_file;
};

// Loads the plan at `path` (the selector picks the BTS; without one the first) and reads it.
// Null on failure, with `error` holding what the error display shows (empty on Cancel).
std::unique_ptr<CSCFSite> ReadXMLPlan(CXML_NodeFile& file,
                                      const CXML_NodeFile::SiteSelector& select,
                                      CHWInfoFile* passive, CXMLError& error);

// Loads the plan and reads the BTS named `siteName` (the first BTS when the name is empty), as
// a command line picks a configuration by name. Null on failure with `error` filled.
std::unique_ptr<CSCFSite> ReadXMLPlanSite(CXML_NodeFile& file, const std::string& siteName,
                                          CHWInfoFile* passive, CXMLError& error);
