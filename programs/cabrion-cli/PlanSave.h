#pragma once
// Saving a configuration into a plan (".ewb") for the commands that write files: the plan's
// other BTSs stay, a BTS of the same site name is replaced, and a failed save leaves the plan
// as it was.

#include <sys/stat.h>

#include <iostream>
#include <memory>
#include <string>

#include "Command.h"
#include "PlanInput.h"
#include "PlanOutput.h"
#include "files/HWInfoFile.h"
#include "files/TextCodec.h"
#include "files/xml/ReadXML.h"
#include "files/xml/XMLPlanWriter.h"

namespace cli {

inline bool HoldsSomething(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && st.st_size > 0;
}

inline int RefuseSave(const std::string& out, const std::string& why) {
    std::cerr << "Cannot save into " << out << ": " << why << ". The file was left unchanged.\n";
    return kExitProblems;
}

inline std::string UnusedBtsDistName(const CXML_NodeFile& plan) {
    for (int n = 1;; ++n) {
        const std::string distName = "BTS_NE-" + std::to_string(n);
        bool used = false;
        for (const CXMLSiteEntry& entry : plan.GetSiteList()) {
            used = used || entry.distName == distName;
        }
        if (!used) {
            return distName;
        }
    }
}

// Plan target: its other BTSs stay; a BTS of the same name is replaced.
inline int SavePlan(const CSCFSite& record, const CHWInfoFile* passive, const std::string& out) {
    CXML_NodeFile plan(out);
    UseToolsFolder(plan);
    if (HoldsSomething(out)) {
        // A file the plan reader cannot take would be replaced by a new plan.
        if (!plan.Load(false)) {
            const CXMLError& error = plan.GetLastError();
            const int rc = RefuseSave(out, "it is not a plan that can be added to");
            std::cerr << Cp1252ToUtf8(error.message) << "\n";
            if (error.HasDetails()) {
                std::cerr << Cp1252ToUtf8(error.details)
                          << (error.details.ends_with('\n') ? "" : "\n");
            }
            return rc;
        }
        std::string distName;
        std::string notFound;
        if (!plan.GetSiteDistName(record.name, distName, notFound)) {
            distName = UnusedBtsDistName(plan);
        }
        plan.SetCurrentBtsDistName(distName);
    }
    if (!WriteXMLPlan(plan, record, record.cabinets.front(), passive)) {
        std::cerr << Cp1252ToUtf8(plan.GetLastError().message) << "\n";
        return kExitUsage;
    }
    return kExitOk;
}

// The passive unit information a plan carries for the configuration, so that a plan written
// from a plan keeps it; null when there is none to carry.
inline std::unique_ptr<CHWInfoFile> PassiveUnitsOf(const std::string& in, const CSCFSite& record) {
    if (!IsXmlPlanPath(in)) {
        return nullptr;
    }
    auto passive = std::make_unique<CHWInfoFile>();
    CXML_NodeFile plan(in);
    CXMLError error;
    if (!ReadXMLPlanSite(plan, record.name, passive.get(), error)) {
        return nullptr;
    }
    return passive;
}

} // namespace cli
