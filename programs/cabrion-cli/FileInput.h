#pragma once
// Shared by the file commands: opening a site configuration file with the exit codes and
// messages scripts rely on.

#include <iostream>
#include <string>

#include "Command.h"
#include "PlanInput.h"
#include "files/AtomicFile.h"
#include "files/SiteSCFile.h"

namespace cli {

// Reads the file; on failure says why on standard error and gives the exit code to return.
// With problemsOnly a site configuration file keeps its errors but none of its configurations.
// With problemsOnly the file is read for its errors alone, on `threads` threads (0: one per
// processor).
inline int OpenSiteFile(const std::string& path, CSiteSCFile& file, bool problemsOnly = false,
                        unsigned threads = 0) {
    if (IsXmlPlanPath(path)) {
        return OpenPlanFile(path, file);
    }
    if (!(problemsOnly ? file.ReadFileProblems(path, threads) : file.ReadFile(path))) {
        std::cerr << "Cannot read " << path << "\n";
        return kExitUsage;
    }
    return kExitOk;
}

} // namespace cli
