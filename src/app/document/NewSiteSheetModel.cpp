#include "app/document/NewSiteSheetModel.h"

#include "files/AtomicFile.h"

#include <algorithm>
#include <cctype>

bool LessIgnoringCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(),
        [](unsigned char x, unsigned char y) { return std::tolower(x) < std::tolower(y); });
}

CNewSiteSheetModel CNewSiteSheetModel::ForFile(const std::string& path) {
    CNewSiteSheetModel m;
    m.m_caption = "Open BTS HW Configuration (" + path + ")";
    m.AddFile(path);
    if (!m.m_rows.empty()) {
        m.m_selected = 0;
    }
    // Listed as the header's sort mark says; the file's first configuration stays the chosen one.
    m.m_ascending = false; // SortBy flips it back to ascending
    m.SortBy(0);
    return m;
}

CNewSiteSheetModel CNewSiteSheetModel::ForTemplates(const std::string& folder) {
    CNewSiteSheetModel m;
    m.m_creating = true;
    SNewSiteRow empty;
    empty.name = CSiteSCFile::EmptyConfigurationName();
    empty.bcfType = CSiteSCFile::kOrvikFamilyName;
    empty.configurationDescription = CSiteSCFile::EmptyConfigurationDescription();
    m.m_rows.push_back(empty);
    for (const std::string& file : CSiteSCFile::TemplateFiles(folder)) {
        m.AddFile(file);
    }
    m.m_ascending = false; // SortBy flips it back to ascending
    m.SortBy(0);
    m.m_selected = 0;
    for (size_t i = 0; i < m.m_rows.size(); ++i) {
        if (m.m_rows[i].record == -1) {
            m.m_selected = static_cast<int>(i);
        }
    }
    return m;
}

void CNewSiteSheetModel::AddFile(const std::string& path) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) {
        if (m_readFailure.empty()) {
            m_readFailure = "Cannot read " + path + ".";
        }
        return;
    }
    auto file = std::make_unique<CSiteSCFile>();
    file->ReadBytes(bytes);
    if (file->HeaderMissing()) {
        if (m_readFailure.empty()) {
            m_readFailure = file->HeaderFailureMessage();
        }
    }
    const int fileIndex = static_cast<int>(m_files.size());
    int index = 0;
    for (const auto& site : file->Sites()) {
        SNewSiteRow row;
        row.name = site->name;
        row.bcfType = CSiteSCFile::BtsTypeText(*site);
        row.file = path;
        row.fileIndex = fileIndex;
        row.record = index++;
        row.siteDescription = site->description;
        if (const CSCFCabinet* cab = CSiteSCFile::FirstCabinet(*site)) {
            row.configurationDescription = cab->configDescription;
        }
        const bool supported = site->bcfType == kEmptyBtsType;
        row.image = supported ? 0 : 1;
        row.state = supported ? 0 : kNotSupported;
        m_rows.push_back(row);
    }
    m_problems.AddFile(*file);
    m_files.push_back(std::move(file));
}

void CNewSiteSheetModel::SortBy(int column) {
    if (column == m_sortColumn) {
        m_ascending = !m_ascending;
    } else {
        m_sortColumn = column;
        m_ascending = true;
    }
    const SNewSiteRow* selected = SelectedRow();
    const SNewSiteRow keep = selected ? *selected : SNewSiteRow{};
    auto key = [column](const SNewSiteRow& r) -> const std::string& {
        return column == 1 ? r.bcfType : r.name;
    };
    std::stable_sort(m_rows.begin(), m_rows.end(), [&](const SNewSiteRow& a, const SNewSiteRow& b) {
        return m_ascending ? LessIgnoringCase(key(a), key(b)) : LessIgnoringCase(key(b), key(a));
    });
    if (selected != nullptr) {
        for (size_t i = 0; i < m_rows.size(); ++i) {
            if (m_rows[i].fileIndex == keep.fileIndex && m_rows[i].record == keep.record) {
                m_selected = static_cast<int>(i);
            }
        }
    }
}

void CNewSiteSheetModel::Select(int row) {
    m_selected = row >= 0 && row < static_cast<int>(m_rows.size()) ? row : -1;
}

const SNewSiteRow* CNewSiteSheetModel::SelectedRow() const {
    return m_selected >= 0 && m_selected < static_cast<int>(m_rows.size()) ? &m_rows[m_selected]
                                                                           : nullptr;
}

const CSCFSite* CNewSiteSheetModel::RecordOf(const SNewSiteRow& row) const {
    if (row.fileIndex < 0 || row.record < 0 || !m_files[row.fileIndex]) {
        return nullptr;
    }
    const auto& sites = m_files[row.fileIndex]->Sites();
    return row.record < static_cast<int>(sites.size()) ? sites[row.record].get() : nullptr;
}

bool CNewSiteSheetModel::CanFinish() const {
    const SNewSiteRow* row = SelectedRow();
    return row != nullptr && row->state != kNotSupported;
}

SInfoPanel CNewSiteSheetModel::BscInformation() const {
    SInfoPanel p{CSiteSCFile::kLabelIdName, std::string(kNotDefined) + "\n" + kNotDefined};
    const SNewSiteRow* row = SelectedRow();
    if (const CSCFSite* site = row ? RecordOf(*row) : nullptr) {
        const CSCFPanelValues v = m_files[row->fileIndex]->PanelValues(*site);
        p.values = v.id + "\n" + v.name;
    }
    return p;
}

SInfoPanel CNewSiteSheetModel::SiteInformation() const {
    SInfoPanel p{CSiteSCFile::kLabelNetwork,
                 std::string(kNotDefined) + "\n" + kNotDefined + "\n" + kNotDefined};
    const SNewSiteRow* row = SelectedRow();
    if (const CSCFSite* site = row ? RecordOf(*row) : nullptr) {
        const CSCFPanelValues v = m_files[row->fileIndex]->PanelValues(*site);
        p.values = v.network + "\n" + v.trxIds + "\n" + v.sectors;
    }
    return p;
}

SInfoPanel CNewSiteSheetModel::ConfigurationInformation() const {
    SInfoPanel p{CSiteSCFile::kLabelUnits,
                 std::string(kNotDefined) + "\n" + kNotDefined + "\n" + kNotDefined};
    const SNewSiteRow* row = SelectedRow();
    if (const CSCFSite* site = row ? RecordOf(*row) : nullptr) {
        const CSCFPanelValues v = m_files[row->fileIndex]->PanelValues(*site);
        p.values = v.network + "\n" + v.trxUnits + "\n" + v.cabling;
    }
    return p;
}

std::string CNewSiteSheetModel::SiteDescription() const {
    const SNewSiteRow* row = SelectedRow();
    return row && !row->siteDescription.empty() ? row->siteDescription : kNotDefined;
}

std::string CNewSiteSheetModel::ConfigurationDescription() const {
    const SNewSiteRow* row = SelectedRow();
    return row && !row->configurationDescription.empty() ? row->configurationDescription
                                                         : kNotDefined;
}

bool CNewSiteSheetModel::EmptyChosen() const {
    const SNewSiteRow* row = SelectedRow();
    return row != nullptr && row->record == -1;
}

std::unique_ptr<CSiteSCFile> CNewSiteSheetModel::TakeFile() {
    const SNewSiteRow* row = SelectedRow();
    if (row == nullptr || row->fileIndex < 0) {
        return nullptr;
    }
    return std::move(m_files[row->fileIndex]);
}

CSCFSite* CNewSiteSheetModel::ChosenRecord() const {
    const SNewSiteRow* row = SelectedRow();
    return row ? const_cast<CSCFSite*>(RecordOf(*row)) : nullptr;
}

std::string CNewSiteSheetModel::ChosenPath() const {
    const SNewSiteRow* row = SelectedRow();
    return row ? row->file : std::string();
}
