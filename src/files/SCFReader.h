#pragma once
// Parses the text of a site configuration file into a CSiteConfigFile: one pass over the
// bytes, one reader per block level. Values are views into the current line until they are
// stored, so nothing is copied that is only compared or converted. The block readers are in
// SCFReader.cpp, the reading of values and the error records in SCFReaderValues.cpp.

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "files/SCFFields.h"
#include "files/SCFKeywords.h"
#include "files/SCFLineScanner.h"
#include "files/SiteConfigFile.h"

class CSCFReader {
public:
    CSCFReader(CSiteConfigFile& file, std::string_view bytes);
    CSCFReader(CSiteConfigFile& file, int fd);
    // Reads the bytes [begin, end) of the file: a part that begins at a configuration.
    CSCFReader(CSiteConfigFile& file, int fd, std::uint64_t begin, std::uint64_t end);
    // The whole file: its VERSION line, then its body.
    void Read();
    // Read() in two steps, so that the parts after the first can start as soon as the
    // version is known; ReadVersionLine is false when the file does not begin with one.
    bool ReadVersionLine();
    void ReadBody();
    // A part after the first, read as the body goes on at a configuration of a file whose
    // version line said oldVersion.
    void ReadPart(bool oldVersion);
    bool OldVersion() const { return m_oldVersion; }
    // Reading stopped because the bytes ended, not at an "\EOF" line, which ends a file
    // wherever it stands.
    bool ReachedEnd() const { return m_scanner.Exhausted(); }
    // Lines read so far, keyword lines or not.
    int LinesRead() const { return m_scanner.LineNumber(); }
    // Off: each configuration is dropped once read, and its errors name it by name only.
    void KeepSites(bool keep) { m_keepSites = keep; }
    // The file could not be read to its end.
    bool ReadFailed() const { return m_scanner.ReadFailed(); }

private:
    // Line handling.
    void Advance();
    void Classify();
    void AddError(ESCFErrorType type);
    void AddErrorAt(ESCFErrorType type, int lineNumber, std::string_view line);
    void Skip() { Advance(); }

    // Values read from the current column; each records a "Value" error when it fails.
    bool ReadInt(int& out);
    // The identity of a block: the file has no negative numbers, so one would be written
    // back as another block's identity (or, for a block left out when -1, lose the block).
    bool ReadBlockNumber(int& out, int max = std::numeric_limits<int>::max());
    // Reads the number that opens a block and moves past its line; false when the block is
    // skipped.
    bool OpenBlock(int& out, int max = std::numeric_limits<int>::max());
    // Views into the current line.
    std::optional<std::string_view> ReadQuoted();
    std::optional<std::string_view> ReadLineText();
    // Reads an int field and moves to the next line; the field keeps its value on failure.
    void IntField(int& field);
    void QuotedField(std::string& field);
    void LineField(std::string& field);

    // The body's own block: header values and configurations, to the end.
    void ReadFileBlock();
    // Runs one block: handle(id) returns true when it consumed the current keyword.
    template <class Handler> void Block(std::uint32_t level, Handler&& handle);
    // Reads the keyword into its field when the block's table has it as a plain value.
    template <class Rec, std::size_t N>
    bool Plain(const CSCFField<Rec> (&table)[N], Rec& record, std::uint32_t id);

    void ReadSite();
    void ReadBcf(CSCFSite& site);
    void ReadCabinetAmount(CSCFSite& site);
    void ReadCabinet(CSCFSite& site);
    void ReadUnit(CSCFCabinet& cabinet);
    void ReadAlarmLine(CSCFCabinet& cabinet, bool input);
    void ReadTrxCabling(CSCFCabinet& cabinet);
    void ReadAntenna(CSCFCabinet& cabinet);
    void ReadBts(CSCFSite& site);
    void ReadNetworkTrx(CSCFSite& site, const std::string& btsId);
    void ReadTre(CSCFSite& site);
    void ReadTreInterface(CSCFSiteTreUnit& unit);
    void ReadManagement(CSCFSite& site);
    void ReadSync(CSCFSiteTre& tre);
    void ReadHop(CSCFSiteTre& tre);

    CSiteConfigFile& m_file;
    CSCFLineScanner m_scanner;
    CSCFKeywordFinder m_keywords;
    std::string_view m_line;
    std::string m_trxIdLine;
    int m_lineNumber = 0;
    std::size_t m_column = 0;
    std::uint32_t m_id = 0;
    std::uint32_t m_level = 0;
    bool m_classified = false;
    bool m_oldVersion = false;
    bool m_keepSites = true;
    CSCFSite* m_site = nullptr; // the site being read, for error records
};
