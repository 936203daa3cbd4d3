#include "files/SCFLineScanner.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

constexpr std::string_view kEofLine = "\\EOF";

} // namespace

bool CSCFLineScanner::Refill() {
    if (m_fd < 0 || m_sourceDone)
        return false;
    // The unread rest (part of a line) moves to the front; a line longer than the whole
    // window doubles it.
    const std::string_view rest = m_bytes.substr(m_pos);
    if (m_window.empty()) {
        m_window.resize(kWindowBytes);
    } else if (rest.size() == m_window.size()) {
        std::string bigger(m_window.size() * 2, '\0');
        std::memcpy(bigger.data(), rest.data(), rest.size());
        m_window.swap(bigger);
    } else if (!rest.empty()) {
        std::memmove(m_window.data(), rest.data(), rest.size());
    }
    const std::size_t kept = rest.size();
    m_bytes = std::string_view(m_window.data(), kept);
    m_pos = 0;
    ssize_t n = 0;
    do {
        n = ::read(m_fd, m_window.data() + kept, m_window.size() - kept);
    } while (n < 0 && errno == EINTR);
    if (n <= 0) {
        m_sourceDone = true;
        m_readFailed = n < 0;
        return false;
    }
    m_bytes = std::string_view(m_window.data(), kept + static_cast<std::size_t>(n));
    return true;
}

void CSCFLineScanner::Next() {
    for (;;) {
        std::size_t end = m_bytes.find('\n', m_pos);
        // The rest of the line may still be in the file.
        if (end == std::string_view::npos && Refill())
            continue;
        if (m_pos >= m_bytes.size())
            break;
        end = m_bytes.find('\n', m_pos);
        const std::size_t stop = end == std::string_view::npos ? m_bytes.size() : end;
        std::string_view line = m_bytes.substr(m_pos, stop - m_pos);
        m_pos = end == std::string_view::npos ? m_bytes.size() : end + 1;
        ++m_lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (!line.empty() && line.front() == '\\') {
            // A carriage return inside a line (mixed line ends, a stray CR before CR LF) is
            // read as the blank the writer turns it into: a value that reads one way and is
            // written another need not survive the next save. A BTS id of a lone CR, say,
            // would be written back empty, and the next reading would drop the BTS with all
            // its TRXs; read as a blank it is an empty value, reported at once.
            if (line.find('\r') != std::string_view::npos) {
                m_lineCopy.assign(line);
                std::replace(m_lineCopy.begin(), m_lineCopy.end(), '\r', ' ');
                line = m_lineCopy;
            }
            m_line = line;
            return;
        }
    }
    m_line = kEofLine;
}
