#include "app/document/ParseProblemList.h"

#include "app/document/NewSiteSheetModel.h"
#include "files/SiteConfigFile.h"

#include <algorithm>

void CParseProblemList::AddFile(const CSiteConfigFile& file) {
    for (const CSCFParseError& e : file.Errors()) {
        m_rows.push_back(
            {e.line, std::string(e.TypeWord()), e.keyword, e.value, e.ConfigurationName()});
    }
}

void CParseProblemList::SortBy(int column) {
    if (column == m_sortColumn) {
        m_ascending = !m_ascending;
    } else {
        m_sortColumn = column;
        m_ascending = true;
    }
    auto less = [column](const SParseProblemRow& a, const SParseProblemRow& b) {
        switch (column) {
        case 0:
            return a.line < b.line;
        case 1:
            return LessIgnoringCase(a.type, b.type);
        case 2:
            return LessIgnoringCase(a.tag, b.tag);
        case 3:
            return LessIgnoringCase(a.parameter, b.parameter);
        default:
            return LessIgnoringCase(a.configuration, b.configuration);
        }
    };
    std::stable_sort(m_rows.begin(), m_rows.end(),
                     [&](const SParseProblemRow& a, const SParseProblemRow& b) {
                         return m_ascending ? less(a, b) : less(b, a);
                     });
}
