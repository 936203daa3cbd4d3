#include "files/ReportBuffer.h"

#include "files/AtomicFile.h"

void CReportBuffer::AddLine(std::string_view text) {
    m_text.append(text);
    m_text.push_back('\n');
}

void CReportBuffer::SectionHead(std::string_view title) {
    AddLine("");
    AddLine(std::string(kRuleWidth, '-'));
    AddLine(title);
    AddLine(std::string(title.size(), '='));
}

std::vector<std::string> CReportBuffer::Lines() const {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < m_text.size()) {
        std::size_t end = m_text.find('\n', start);
        if (end == std::string::npos) {
            end = m_text.size();
        }
        lines.emplace_back(m_text, start, end - start);
        start = end + 1;
    }
    return lines;
}

std::string CReportBuffer::ExpandTabs(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 2);
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t tab = text.find('\t', pos);
        if (tab == std::string_view::npos) {
            break;
        }
        // A line without a further tab is written as it stands, its line feed included.
        const std::size_t feed = text.find('\n', pos);
        if (feed < tab) {
            out.append(text.substr(pos, feed + 1 - pos));
            pos = feed + 1;
            continue;
        }
        const std::string_view cell = text.substr(pos, tab - pos);
        out.append(cell);
        if (cell.size() < kCellWidth) {
            out.append(kCellWidth - cell.size(), ' ');
        }
        pos = tab + 1;
    }
    out.append(text.substr(pos));
    return out;
}

std::string CReportBuffer::FileBytes() const {
    const std::string expanded = ExpandTabs(m_text);
    std::string out;
    out.reserve(expanded.size() + expanded.size() / 16);
    for (const char c : expanded) {
        if (c == '\n') {
            out.push_back('\r');
        }
        out.push_back(c);
    }
    return out;
}

CSaveResult CReportBuffer::Write(const std::string& path) const {
    CSaveResult result;
    result.error = WriteFileAtomically(path, FileBytes());
    result.ok = result.error.empty();
    return result;
}
