#include "app/views/ViewList.h"

#include <algorithm>
#include <cctype>

#include "model/Unit.h"

bool SListRow::Names(const CUnit* unit) const {
    return unit != nullptr && unitKind != 0 && unit->Kind() == unitKind &&
           unit->Number() == unitNumber;
}

void AddNoInformationRow(SListContent& content) {
    if (!content.rows.empty()) {
        return;
    }
    SListRow row;
    row.cells.push_back(kNoInformation);
    content.rows.push_back(std::move(row));
}

std::vector<int> FitColumnWidths(int available, const std::vector<int>& least,
                                 const std::vector<int>& wanted) {
    const std::size_t count = least.size();
    std::vector<int> widths(count);
    const auto fitTo = [&](int cap) {
        int total = 0;
        for (std::size_t i = 0; i < count; ++i) {
            const int want = i < wanted.size() ? std::max(least[i], wanted[i]) : least[i];
            widths[i] = std::max(least[i], std::min(want, cap));
            total += widths[i];
        }
        return total;
    };
    int low = 0;
    int high = 0;
    for (std::size_t i = 0; i < count; ++i) {
        high = std::max({high, least[i], i < wanted.size() ? wanted[i] : 0});
    }
    if (fitTo(high) <= available) {
        return widths;
    }
    // The largest cap under which the columns still fit; every column at its least width when
    // none does.
    while (low < high) {
        const int cap = low + (high - low + 1) / 2;
        if (fitTo(cap) <= available) {
            low = cap;
        } else {
            high = cap - 1;
        }
    }
    fitTo(low);
    return widths;
}

void CListSortState::HeaderClicked(int column) {
    if (column == m_column) {
        m_ascending = !m_ascending;
    } else {
        m_column = column;
        m_ascending = true;
    }
}

void CListSortState::Sort(std::vector<SListRow>& rows) const {
    if (m_column < 0) {
        return;
    }
    const auto cell = [this](const SListRow& r) -> const std::string& {
        static const std::string empty;
        return m_column < static_cast<int>(r.cells.size()) ? r.cells[m_column] : empty;
    };
    std::stable_sort(rows.begin(), rows.end(), [&](const SListRow& a, const SListRow& b) {
        if (a.section != b.section) {
            return a.section < b.section;
        }
        const int c = CompareNatural(cell(a), cell(b));
        return m_ascending ? c < 0 : c > 0;
    });
}

int CompareNatural(const std::string& a, const std::string& b) {
    std::size_t i = 0;
    std::size_t j = 0;
    const auto digit = [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; };
    while (i < a.size() && j < b.size()) {
        if (digit(a[i]) && digit(b[j])) {
            std::size_t ei = i;
            std::size_t ej = j;
            while (ei < a.size() && digit(a[ei])) {
                ++ei;
            }
            while (ej < b.size() && digit(b[ej])) {
                ++ej;
            }
            // Leading zeros do not make a number larger.
            std::size_t si = i;
            std::size_t sj = j;
            while (si + 1 < ei && a[si] == '0') {
                ++si;
            }
            while (sj + 1 < ej && b[sj] == '0') {
                ++sj;
            }
            if (ei - si != ej - sj) {
                return ei - si < ej - sj ? -1 : 1;
            }
            if (const int c = a.compare(si, ei - si, b, sj, ej - sj); c != 0) {
                return c;
            }
            i = ei;
            j = ej;
            continue;
        }
        const int ca = std::tolower(static_cast<unsigned char>(a[i]));
        const int cb = std::tolower(static_cast<unsigned char>(b[j]));
        if (ca != cb) {
            return ca < cb ? -1 : 1;
        }
        ++i;
        ++j;
    }
    if (i < a.size()) {
        return 1;
    }
    return j < b.size() ? -1 : 0;
}
