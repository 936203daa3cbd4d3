#pragma once
// A site configuration file (".hwc", ".sdf"): reads every configuration of the file into site
// records, collects the problems found, and writes the records back as text.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "files/SCFParseError.h"
#include "files/SCFSite.h"

// File-level values written before the first configuration.
struct CSCFFileHeader {
    std::string bscId;
    std::string bscName;
    std::string workOrderId;
    std::string workOrderDescription;
    std::string arfcnScan;
    std::string gatewayArfcnScan;
};

// What a save reports: ok, or a text saying what failed.
struct CSaveResult {
    bool ok = true;
    std::string error;
    explicit operator bool() const { return ok; }
};

class CSiteConfigFile {
public:
    static constexpr std::string_view kCurrentVersion = "3.00";

    CSiteConfigFile() = default;
    // Reads the file. A path that is empty, cannot be opened or names an XML plan (".ewb")
    // leaves the site and error lists empty.
    explicit CSiteConfigFile(std::string path);
    ~CSiteConfigFile();
    CSiteConfigFile(const CSiteConfigFile&) = delete;
    CSiteConfigFile& operator=(const CSiteConfigFile&) = delete;

    // Reads the configurations from file contents already in memory (bytes as stored).
    void ReadBytes(std::string_view bytes);
    // Reads the configurations of a file without holding all of its bytes at once; false,
    // with nothing read, when it cannot be opened or read to its end.
    bool ReadFile(const std::string& path);
    // Reads a file for its problems alone: the errors, the header and the version are what
    // ReadFile gives, but each configuration is let go once read (its errors keep its name),
    // so a file of any size is checked in the memory of one configuration per part. A large
    // regular file is read in parts cut at its configurations, by `threads` threads (0: one
    // per processor) in `parts` parts (0: as many as its size and the threads make worth it).
    bool ReadFileProblems(const std::string& path, unsigned threads = 0, unsigned parts = 0);

    const std::string& Path() const { return m_path; }
    CSCFFileHeader& Header() { return m_header; }
    const CSCFFileHeader& Header() const { return m_header; }

    // Configurations in file order. The file owns them; pointers stay valid until removed.
    const std::vector<std::unique_ptr<CSCFSite>>& Sites() const { return m_sites; }
    CSCFSite& AddSite(std::unique_ptr<CSCFSite> site);
    void RemoveSite(const CSCFSite* site);
    CSCFSite* FindSite(std::string_view name) const;
    // Hands every configuration over to the caller; the file keeps none (its errors then name
    // no configuration).
    std::vector<std::unique_ptr<CSCFSite>> TakeSites();

    const std::vector<CSCFParseError>& Errors() const { return m_errors; }
    bool HasErrors() const { return !m_errors.empty(); }

    // Set when the file does not begin with VERSION; nothing was read then.
    bool HeaderMissing() const { return m_headerMissing; }
    int CurrentLineNumber() const { return m_lineNumber; }
    const std::string& CurrentLine() const { return m_line; }
    // "Syntax Error  %d: %.30s" for the line where reading stopped.
    std::string HeaderFailureMessage() const;

    const std::string& VersionText() const { return m_version; }
    bool IsSupportedVersion() const;
    bool IsOldVersion() const;
    bool IsCurrentVersion() const;

    // Writes every configuration to the path. The previous file survives any failure.
    CSaveResult Write(const std::string& path) const;
    // The text Write puts into the file.
    std::string WriteToString() const;

private:
    friend class CSCFReader;
    void Reset();
    bool ReadFileKeeping(const std::string& path, bool keepSites);
    // Adds what a later part of the file read, whose lines follow `linesBefore` lines.
    void AppendPart(CSiteConfigFile& part, int linesBefore);

    std::string m_path;
    CSCFFileHeader m_header;
    std::string m_version;
    std::string m_line;
    int m_lineNumber = 0;
    bool m_headerMissing = false;
    std::vector<std::unique_ptr<CSCFSite>> m_sites;
    std::vector<CSCFParseError> m_errors;
};

// Whether the path names an XML configuration plan (".ewb", any case).
bool IsXmlPlanPath(std::string_view path);
