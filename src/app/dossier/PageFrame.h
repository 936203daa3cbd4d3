#pragma once
// What the top and bottom of a printed or exported view say about where it comes from: the
// site, which of the two configurations, the file, the date and the software level. A sheet
// that leaves the office in a site folder has to name all of them, because the picture alone
// does not.

#include <string>

struct SPageFrame {
    std::string site;          // the configuration's name, UTF-8
    std::string configuration; // "Configuration Candidate" or "Currently in BTS"
    std::string file;          // the file's name without its folder
    std::string date;          // "YYYY-MM-DD HH:MM"
    std::string swLevel;       // the shown configuration's software level ("KS7 MP1.0")
    std::string version;       // the program's version
};

// "<site>_<candidate|bts>_<view>_<YYYY-MM-DD>.<suffix>", with what a file name cannot hold and
// spaces replaced, so that the pictures of one site sort together in its folder.
std::string ViewExportFileName(const SPageFrame& frame, const std::string& viewName,
                               const std::string& suffix);
