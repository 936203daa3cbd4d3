#pragma once
// Plans written by the command line name their schema in the maker's tools folder, found the
// way the window program finds it.

#include "app/settings/MachineSettings.h"
#include "files/xml/XML_NodeFile.h"

namespace cli {

inline void UseToolsFolder(CXML_NodeFile& plan) {
    plan.SetManagerDirectory(ToolsBaseDirectory(CMachineSettings()).toStdString());
}

} // namespace cli
