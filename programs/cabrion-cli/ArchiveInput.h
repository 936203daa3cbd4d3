#pragma once
// Shared by the commands that take a folder (an archive of sites) instead of one file: every
// ".hwc" and ".sdf" file in it, each of their Orvik configurations in turn, a progress line
// while a terminal watches, and the exit code of the worst case.

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <unistd.h>
#include <vector>

#include "FileInput.h"
#include "files/SCFParseError.h"
#include "files/SCFSite.h"
#include "files/SiteSCFile.h"
#include "files/TextCodec.h"

namespace cli {

inline bool IsFolder(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_directory(path, ec);
}

// The site configuration files of the folder (not of its subfolders), by name.
inline std::vector<std::filesystem::path> ArchiveFiles(const std::string& folder) {
    std::vector<std::filesystem::path> files;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        std::string ext = entry.path().extension().string();
        std::transform(ext.begin(), ext.end(), ext.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        std::error_code typeError;
        if ((ext == ".hwc" || ext == ".sdf") && entry.is_regular_file(typeError)) {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

// "<file name without extension>-<position of the configuration><extension>": the same file
// name for the same configuration from one run to the next.
inline std::string ArchiveOutputName(const std::filesystem::path& file, int index,
                                     const std::string& extension) {
    return file.stem().string() + "-" + std::to_string(index) + extension;
}

// 0 fine, 1 the input has problems, 2 unreadable or not written: the larger counts.
inline int Worse(int a, int b) {
    return std::max(a, b);
}

struct SArchiveCounts {
    int files = 0;
    int unreadable = 0;
    int configurations = 0;
    int skipped = 0; // not Orvik configurations
    int worst = 0;
};

// The files one of several workers takes: every `count`-th, from the `index`-th on. The first
// shows the progress.
struct SArchiveShare {
    int index = 0;
    int count = 1;
};

// Calls `each(path, file, record, position, problems)` for every Orvik configuration of every
// file of the folder (of the share) and keeps the worst exit code it returns. Unreadable files
// and files without a header are told on standard error and counted; the rest goes on.
template <class Each>
SArchiveCounts ForEachArchiveConfiguration(const std::string& folder, Each&& each,
                                           const SArchiveShare& share = {}) {
    SArchiveCounts counts;
    const std::vector<std::filesystem::path> files = ArchiveFiles(folder);
    const bool terminal = ::isatty(STDERR_FILENO) == 1 && share.index == 0;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (static_cast<int>(i % static_cast<std::size_t>(share.count)) != share.index) {
            continue;
        }
        const std::string path = files[i].string();
        if (terminal) {
            std::cerr << "\r\033[K" << i + 1 << "/" << files.size() << " "
                      << files[i].filename().string() << std::flush;
        }
        ++counts.files;
        CSiteSCFile file;
        if (OpenSiteFile(path, file) == kExitUsage) {
            ++counts.unreadable;
            counts.worst = Worse(counts.worst, kExitUsage);
            continue;
        }
        if (file.HeaderMissing()) {
            std::cerr << path << ": " << Cp1252ToUtf8(file.HeaderFailureMessage()) << "\n";
            ++counts.unreadable;
            counts.worst = Worse(counts.worst, kExitProblems);
            continue;
        }
        int position = 0;
        for (const auto& record : file.Sites()) {
            ++position;
            if (record->bcfType == kBcfTypeSelmo ||
                CSiteSCFile::BtsTypeText(*record) == "Not supported") {
                ++counts.skipped;
                continue;
            }
            bool problems = false;
            for (const CSCFParseError& e : file.Errors()) {
                problems = problems || e.site == nullptr || e.site == record.get();
            }
            ++counts.configurations;
            counts.worst = Worse(counts.worst, each(files[i], file, *record, position, problems));
        }
    }
    if (terminal && !files.empty()) {
        std::cerr << "\r\033[K" << std::flush;
    }
    return counts;
}

// The closing line of a folder run, e.g. "12 files, 40 configurations: 40 reports written".
inline void PrintArchiveSummary(const SArchiveCounts& counts, const std::string& what) {
    std::cout << counts.files << " files, " << counts.configurations << " configurations: " << what;
    if (counts.unreadable > 0) {
        std::cout << ", " << counts.unreadable << " unreadable";
    }
    if (counts.skipped > 0) {
        std::cout << ", " << counts.skipped << " of other families skipped";
    }
    std::cout << "\n";
}

} // namespace cli
