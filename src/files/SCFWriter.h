#pragma once
// Turns the records of a site configuration file into its text, CRLF line ends, keywords
// padded to a fixed column.

#include <string>

class CSiteConfigFile;

// The complete file text for all configurations of the file.
std::string WriteSCFText(const CSiteConfigFile& file);
