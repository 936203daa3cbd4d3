#include "files/SCFLineScanner.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <unistd.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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
    if (m_ranged) {
        const std::size_t want = static_cast<std::size_t>(
            std::min<std::uint64_t>(m_window.size() - kept, m_end - m_offset));
        if (want == 0) {
            m_sourceDone = true;
            return false;
        }
        do {
            n = ::pread(m_fd, m_window.data() + kept, want, static_cast<off_t>(m_offset));
        } while (n < 0 && errno == EINTR);
        if (n > 0)
            m_offset += static_cast<std::uint64_t>(n);
    } else {
        do {
            n = ::read(m_fd, m_window.data() + kept, m_window.size() - kept);
        } while (n < 0 && errno == EINTR);
    }
    if (n <= 0) {
        m_sourceDone = true;
        m_readFailed = n < 0;
        return false;
    }
    m_bytes = std::string_view(m_window.data(), kept + static_cast<std::size_t>(n));
    return true;
}

CSCFLineScanner::ETaken CSCFLineScanner::TakeLineQuickly() {
#if defined(__SSE2__)
    // Most lines are a keyword padded to column 26 and a short value: two or three 16-byte
    // steps find the line end, a stray carriage return and the blanks around the keyword at
    // once, where separate searches would each pay a call and a pass per line.
    const char* const begin = m_bytes.data() + m_pos;
    const char* const limit = m_bytes.data() + m_bytes.size();
    const __m128i newline = _mm_set1_epi8('\n');
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i space = _mm_set1_epi8(' ');
    const __m128i tab = _mm_set1_epi8('\t');
    std::uint64_t blanks = 0; // of the first 64 bytes
    for (const char* q = begin; limit - q >= 17; q += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q));
        const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q + 1));
        const auto ends = static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, newline)));
        // A carriage return that is not the one before a line feed.
        const auto strayCr = static_cast<std::uint32_t>(_mm_movemask_epi8(
            _mm_andnot_si128(_mm_cmpeq_epi8(next, newline), _mm_cmpeq_epi8(v, cr))));
        const std::size_t offset = static_cast<std::size_t>(q - begin);
        if (offset < 64)
            blanks |= static_cast<std::uint64_t>(static_cast<std::uint32_t>(_mm_movemask_epi8(
                          _mm_or_si128(_mm_cmpeq_epi8(v, space), _mm_cmpeq_epi8(v, tab)))))
                      << offset;
        if (ends == 0) {
            if (strayCr != 0)
                return ETaken::Nothing;
            continue;
        }
        const int bit = __builtin_ctz(ends);
        if ((strayCr & ((1u << bit) - 1)) != 0)
            return ETaken::Nothing;
        const std::size_t lineEnd = offset + static_cast<std::size_t>(bit);
        std::size_t length = lineEnd;
        if (length > 0 && begin[length - 1] == '\r')
            --length;
        m_pos += lineEnd + 1;
        ++m_lineNumber;
        if (length == 0 || begin[0] != '\\')
            return ETaken::OtherLine;
        m_line = std::string_view(begin, length);
        if (length > 64) {
            FindColumns();
            return ETaken::KeywordLine;
        }
        const std::uint64_t inLine =
            length == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << length) - 1;
        const std::uint64_t lineBlanks = blanks & inLine;
        m_keywordEnd =
            lineBlanks != 0 ? static_cast<std::size_t>(__builtin_ctzll(lineBlanks)) : length;
        m_valueStart = length;
        if (m_keywordEnd < length) {
            const std::uint64_t value =
                ~lineBlanks & inLine & ~((std::uint64_t{1} << m_keywordEnd) - 1);
            if (value != 0)
                m_valueStart = static_cast<std::size_t>(__builtin_ctzll(value));
        }
        return ETaken::KeywordLine;
    }
#endif
    return ETaken::Nothing;
}

void CSCFLineScanner::FindColumns() {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    std::size_t i = 0;
    while (i < m_line.size() && !isBlank(m_line[i]))
        ++i;
    m_keywordEnd = i;
    while (i < m_line.size() && isBlank(m_line[i]))
        ++i;
    m_valueStart = i;
}

void CSCFLineScanner::Next() {
    for (;;) {
        switch (TakeLineQuickly()) {
        case ETaken::KeywordLine:
            return;
        case ETaken::OtherLine:
            continue;
        case ETaken::Nothing:
            break;
        }
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
            FindColumns();
            return;
        }
    }
    m_line = kEofLine;
    m_exhausted = true;
    FindColumns();
}
