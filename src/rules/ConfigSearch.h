#pragma once
// Finding, in a folder of site configuration files, the stored Orvik configurations that fit
// the units a BTS has autodetected. Only what the BTS detected counts: a configuration may hold
// more units than the BTS, never fewer. The search reads one file at a time and keeps only the
// configurations that pass, so that large archives cost no more memory than their results.

#include <atomic>
#include <bitset>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class CDataBase;
struct CSCFSite;

// What the search compares against: the detected TRXs 1-12, DDUs 1-6 and RTCs 1-2 of the BTS,
// each by number (DDUs and RTCs by displayed number). Index 0 is unused.
struct SBtsProfile {
    std::bitset<13> trx;
    std::bitset<7> ddu;
    std::bitset<3> rtc;

    // A unit counts as detected when the BTS has it and it is neither an upgrade unit nor idle.
    // No configuration (nullptr) detects nothing.
    static SBtsProfile FromConfiguration(const CDataBase* bts);
};

// Whether the record takes part at all (an Orvik configuration of a kind the lists show) and
// whether it has every detected unit.
bool RecordIsSearchable(const CSCFSite& record);
bool RecordFitsBts(const CSCFSite& record, const SBtsProfile& bts);

// One passing configuration. The record is owned here (shared, so that lists of the result can
// be copied cheaply); the file it came from is named by path and position.
struct SFoundConfiguration {
    std::string path;
    std::string name;
    int indexInFile = 0; // 0-based among all configurations of the file
    std::shared_ptr<const CSCFSite> record;
};

// A file the search had to pass over, with the reason in words.
struct SSkippedFile {
    std::string path;
    std::string reason;
};

struct SSearchResult {
    std::vector<SFoundConfiguration> found; // in the order found
    std::vector<SSkippedFile> skipped;      // unreadable files and files that are not ours
    int filesSearched = 0;                  // configuration files taken (skipped ones included)
    int configurationsExamined = 0;         // searchable configurations tested
    bool cancelled = false;
    // Set when the folder itself cannot be listed; nothing was searched then.
    std::string folderError;
};

// The progress of a running search, reported after each file.
struct SSearchProgress {
    int filesDone = 0;
    int filesTotal = 0;
    int found = 0;
};

// The "*.hwc" files of the folder (the extension in any case, since archives come from systems
// that do not keep case), sorted by name so that results repeat. Folders are not entered.
// False with a reason when the folder cannot be listed.
bool ListConfigurationFiles(const std::string& folder, std::vector<std::string>& files,
                            std::string& error);

// Searches one file's bytes; appends what passes. False when the bytes are not a site
// configuration file (no header), with nothing appended.
bool SearchConfigurationBytes(const std::string& path, std::string_view bytes,
                              const SBtsProfile& bts, std::vector<SFoundConfiguration>& found,
                              int& examined);

// Searches the folder. `cancel` is read between files; `progress` (may be empty) is called on
// the searching thread after each file.
SSearchResult SearchFolder(const std::string& folder, const SBtsProfile& bts,
                           const std::atomic<bool>* cancel = nullptr,
                           const std::function<void(const SSearchProgress&)>& progress = {});
