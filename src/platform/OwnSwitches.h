#pragma once
// Cabrion's own switches, read from the raw command-line text: "-SW", "-SCF" with a quoted
// site configuration file, "-SNR=n" with a site number, and "-Ostrel" when the sibling tool
// started us.

#include <string>
#include <string_view>
#include <vector>

struct COwnSwitches {
    std::string startupPath; // a quoted absolute path ("C:..." or "/...")
    bool sw = false;
    std::string siteFilePath;
    bool openSiteFileAtStart = false;
    int siteNumber = -1;
    bool startedFromOstrel = false;
};

// Switch words end at a blank, a double quote or "="; unknown words are skipped. Text inside
// double quotes never starts a switch, so a path such as "/data/from-Ostrel.hwc" stays a path.
COwnSwitches ParseOwnSwitches(std::string_view raw);

// The raw text for a POSIX argument vector: the program and every argument that is not a switch
// in double quotes (double quotes inside an argument are dropped), switches as they are, the
// file of "-SCF=FILE" in double quotes, separated by blanks.
std::string RawCommandLine(const std::vector<std::string>& argv);
