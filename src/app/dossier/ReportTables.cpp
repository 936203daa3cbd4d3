#include "app/dossier/ReportTables.h"

#include <algorithm>

#include "files/ConfigurationReportKODA.h"
#include "files/ReportBuffer.h"

namespace {

bool AllOf(const std::string& line, char c) {
    return !line.empty() && std::all_of(line.begin(), line.end(), [c](char x) { return x == c; });
}

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::vector<std::string> Cells(const std::string& line) {
    std::vector<std::string> cells;
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = line.find('\t', start);
        cells.push_back(Trimmed(line.substr(start, tab - start)));
        if (tab == std::string::npos) {
            return cells;
        }
        start = tab + 1;
    }
}

} // namespace

SReportTables SplitReport(const CReportBuffer& report) {
    SReportTables out;
    const std::vector<std::string> lines = report.Lines();
    SReportTable* section = nullptr;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        // A section opens with a rule of dashes, its title and a rule of "=" under the title.
        if (AllOf(line, '-') && i + 2 < lines.size() && AllOf(lines[i + 2], '=') &&
            lines[i + 2].size() == lines[i + 1].size()) {
            out.sections.push_back({lines[i + 1], {}, {}});
            section = &out.sections.back();
            i += 2;
            continue;
        }
        if (section == nullptr || line.empty() || AllOf(line, '-')) {
            continue;
        }
        if (line == CConfigurationReportKODA::kUpgradeNote) {
            out.notes.push_back(line);
            continue;
        }
        std::vector<std::string> cells = Cells(line);
        // The column line is the one the report follows with an empty line.
        const bool columnLine = section->columns.empty() && section->rows.empty() &&
                                cells.size() > 1 && i + 1 < lines.size() && lines[i + 1].empty();
        if (columnLine) {
            section->columns = std::move(cells);
        } else {
            section->rows.push_back(std::move(cells));
        }
    }
    return out;
}
