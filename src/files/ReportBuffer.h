#pragma once
// The growing text of a configuration report: lines separated by a line feed, with tabs between
// the cells of a line. Shown as it is in a list, saved with the tabs expanded to fixed columns.

#include <string>
#include <string_view>
#include <vector>

#include "files/SiteConfigFile.h"

class CReportBuffer {
public:
    static constexpr std::size_t kCellWidth = 16;
    static constexpr std::size_t kRuleWidth = 75;

    void Clear() { m_text.clear(); }
    void AddLine(std::string_view text);
    // An empty line, a rule of dashes, the title and a rule of "=" as long as the title.
    void SectionHead(std::string_view title);

    const std::string& Text() const { return m_text; }
    // One entry per line, tabs kept: what a list box shows.
    std::vector<std::string> Lines() const;

    // Tabs expanded: every cell before a tab is padded to 16 characters; a longer cell is kept
    // whole and the next one follows it directly.
    static std::string ExpandTabs(std::string_view text);
    // The bytes of the report file: tabs expanded, CRLF line ends.
    std::string FileBytes() const;
    // Replaces the file only once the whole report is written; the previous one survives a
    // failure.
    CSaveResult Write(const std::string& path) const;

private:
    std::string m_text;
};
