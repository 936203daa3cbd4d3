#pragma once
// The folder that settings such as "SCFPath", "HWInfoDir" and "DefaultReportDir" start from
// before the user picks one: the user's documents folder, else the home folder.

#include <string>

std::string DocumentsFolder();
