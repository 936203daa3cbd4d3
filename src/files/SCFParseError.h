#pragma once
// One problem found while reading a site configuration file.

#include <string>
#include <string_view>

struct CSCFSite;

enum class ESCFErrorType {
    Missing = 0,      // the file does not begin with VERSION
    Version = 1,      // unsupported version text
    Unidentified = 2, // keyword not known
    Misplaced = 3,    // keyword deeper than the block being read
    Value = 4,        // value missing or malformed
};

struct CSCFParseError {
    int line = 0; // 1-based physical line
    ESCFErrorType type = ESCFErrorType::Value;
    std::string text;               // the whole line
    const CSCFSite* site = nullptr; // none before the first SITE_NAME
    std::string siteName;           // kept by value: the record may be dropped later
    std::string keyword;            // the line up to its first blank or tab
    std::string value;              // the rest, leading blanks removed

    // "Missing", "Version", "Unidentified", "Misplaced", "Value" or "Unknown".
    static std::string_view TypeWord(int type);
    std::string_view TypeWord() const { return TypeWord(static_cast<int>(type)); }
    // The configuration name shown for the error; "<File Header>" outside a configuration.
    std::string ConfigurationName() const;
};
