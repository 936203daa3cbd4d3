#pragma once
// Opening a configuration plan (".ewb") for the file commands: every BTS of the plan becomes
// one configuration, in plan order, so that the commands treat plans like text files.

#include <iostream>
#include <string>

#include "Command.h"
#include "files/AtomicFile.h"
#include "files/SiteSCFile.h"
#include "files/TextCodec.h"
#include "files/xml/ReadXML.h"

namespace cli {

inline int OpenPlanFile(const std::string& path, CSiteSCFile& file) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) {
        std::cerr << "Cannot read " << path << "\n";
        return kExitUsage;
    }
    CXML_NodeFile plan(path);
    if (!plan.LoadFromBuffer(bytes, false)) {
        const CXMLError& error = plan.GetLastError();
        std::cerr << path << ": " << Cp1252ToUtf8(error.message) << "\n";
        if (error.HasDetails()) {
            std::cerr << Cp1252ToUtf8(error.details) << (error.details.ends_with('\n') ? "" : "\n");
        }
        return kExitProblems;
    }
    int rc = kExitOk;
    CReadXML reader(plan);
    for (const CXMLSiteEntry& entry : plan.GetSiteList()) {
        plan.SetCurrentBtsDistName(entry.distName);
        if (auto site = reader.Read()) {
            file.AddSite(std::move(site));
        } else {
            std::cerr << path << ": " << Cp1252ToUtf8(entry.name)
                      << ": Incorrect or missing Cabinet Information.\n";
            rc = kExitProblems;
        }
    }
    return rc;
}

} // namespace cli
