#pragma once
// Paths as the file dialogs and the settings "SCFPath" and "LastSCF" keep them. Settings made
// on Windows hold backslashes and drive letters; both separators are accepted.

#include <string>

class CRegistry;
namespace settings {
struct TextKey;
}

// The folder of a path: up to its last separator, without it.
std::string FolderOfPath(const std::string& path);
std::string FileNameOfPath(const std::string& path);
// The folder when it exists here, else the fallback (the user's documents folder): a stored
// default such as "C:\Temp" names nothing on this machine.
std::string UsableFolder(const std::string& folder, const std::string& fallback);
// A folder setting ("SCFPath", "HWInfoDir", "DefaultReportDir") as a file dialog starts in it:
// the stored folder when it exists here, else the documents folder, which also stands in for
// the setting's "C:\Temp" default on a fresh install. Every dialog reads its folder this way.
std::string SettingFolder(const CRegistry& store, const settings::TextKey& key,
                          const std::string& documentsFolder);
