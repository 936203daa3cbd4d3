#pragma once
// Cuts the bytes of a site configuration file into its keyword lines. The bytes come from
// memory or from an open file through a window that is refilled as its lines are used up, so
// reading a file takes the memory of its records, not of its bytes as well.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class CSCFLineScanner {
public:
    explicit CSCFLineScanner(std::string_view bytes) : m_bytes(bytes) {}
    explicit CSCFLineScanner(int fd) : m_fd(fd) {}
    // The bytes [begin, end) of a regular file, read with pread: scanners of several parts of
    // one file may share its descriptor. A part begins at a line start and is cut where the
    // next part begins, so it ends as a file would.
    CSCFLineScanner(int fd, std::uint64_t begin, std::uint64_t end)
        : m_fd(fd), m_ranged(true), m_offset(begin), m_end(end) {}

    // Moves to the next line that starts with a backslash; past the last one the line is
    // "\EOF". Line ends are cut off; a carriage return left inside the line reads as a blank.
    void Next();
    // Valid until the next call of Next().
    std::string_view Line() const { return m_line; }
    // Where the keyword of the line ends (its first blank, or the end of the line) and where
    // the value after it starts (the first character that is not a blank, or the end).
    std::size_t KeywordEnd() const { return m_keywordEnd; }
    std::size_t ValueStart() const { return m_valueStart; }
    // One-based, counting every line of the file, keyword line or not.
    int LineNumber() const { return m_lineNumber; }
    // The file could not be read to its end.
    bool ReadFailed() const { return m_readFailed; }
    // The line is the "\EOF" given past the last line, not one of the bytes.
    bool Exhausted() const { return m_exhausted; }

private:
    // Moves the unread rest of the window to its front and reads more of the file behind it;
    // false at the end of the file (or on a read error).
    bool Refill();
    enum class ETaken { Nothing, OtherLine, KeywordLine };
    // Takes the line at m_pos in one pass when it ends well inside the bytes and holds no
    // carriage return but the one of its line end; Nothing leaves the line to Next().
    ETaken TakeLineQuickly();
    void FindColumns();

    static constexpr std::size_t kWindowBytes = 256 * 1024;
    std::string_view m_bytes;
    std::size_t m_pos = 0;
    std::string_view m_line;
    std::string m_lineCopy; // holds the current line when it had to be changed
    int m_fd = -1;
    std::string m_window;
    bool m_ranged = false;
    std::uint64_t m_offset = 0; // of the next byte to read, when ranged
    std::uint64_t m_end = 0;
    bool m_sourceDone = false;
    bool m_readFailed = false;
    bool m_exhausted = false;
    int m_lineNumber = 0;
    std::size_t m_keywordEnd = 0;
    std::size_t m_valueStart = 0;
};
