#include "app/wizard/WizardNewPages.h"

#include <algorithm>

#include "app/document/BTSConfigurationDoc.h"
#include "app/views/ViewTexts.h"
#include "app/wizard/WizardSheetModel.h"
#include "files/ReportUnits.h"
#include "model/BandInformation.h"
#include "model/DataBaseKODA.h"
#include "model/SiteKODA.h"
#include "model/UnitKTrx.h"
#include "model/UnitTypeCatalogue.h"
#include "model/UnitTypeRecord.h"
#include "model/UnitsKODA.h"
#include "rules/KodaConfig.h"

namespace {

constexpr int kAllCablingView = 7;
constexpr int kRxDiversityView = 6;

CUnitKTrx* TrxAt(CSiteKODA& site, int position) {
    return dynamic_cast<CUnitKTrx*>(site.FindUnit(kUnitKindTrx, position, kSelectCandidate));
}

std::string TrxName(CSiteKODA& site, int position) {
    const CUnitKTrx* trx = TrxAt(site, position);
    return trx != nullptr ? trx->DisplayName() : "RVx " + std::to_string(position);
}

// A choice list that a band choice fill writes into.
void FillBandChoices(CBandChoiceVector& list) {
    list.entries.clear();
    CBandInformation::FillBandChoiceList(list, true, false, false, false);
}

int EntryWithValue(const CBandChoiceVector& list, int value) {
    for (std::size_t i = 0; i < list.entries.size(); ++i) {
        if (list.entries[i].value == value) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int CollectRows(const SSectorRows& rows) {
    std::vector<CBandInformation::Trx> trxs;
    for (const SSectorRow& row : rows) {
        if (row.sector != 0) {
            trxs.push_back({row.band & 0x7F, (row.band & 0x80) != 0, false});
        }
    }
    CBandInformation info;
    return info.Collect(trxs, true);
}

// The bands of the rows in use as "900/1900": the text of a mix that collects to no band of
// its own, which the user kept in the sector dialog.
std::string MixText(const SSectorRows& rows) {
    std::string text;
    for (const int band : {kBand900, kBand1800, kBand1900, kBand800}) {
        const bool used = std::any_of(rows.begin(), rows.end(), [band](const SSectorRow& row) {
            return row.sector != 0 && (row.band & band) != 0;
        });
        if (used) {
            text += (text.empty() ? "" : "/") + CBandInformation::BandName(band, 0);
        }
    }
    return text;
}

} // namespace

std::string WizardEndpointName(const CDataBaseKODA& db, int portId) {
    // The names the views and the report give the same ports, so that a page and the picture
    // beside it agree on which half of a DDU an antenna uses.
    const std::string name = ViewTexts::Combiner(db, portId);
    return name == "-" ? std::string() : name;
}

// ---- sector configuration --------------------------------------------------------------------

void CWizardPreferenceController::FirstDisplay() {
    CSectorConfigKODAMaster& sectors = m_sheet.Sectors();
    m_rows.clear();
    for (int i = 0; i < sectors.Count(); ++i) {
        const std::string name = sectors.Name(i);
        if (!name.empty() && name != "-") {
            m_rows.push_back({name, i});
        }
    }
    if (CSiteKODA* site = m_sheet.Site()) {
        for (int p = 1; p <= 12; ++p) {
            m_preview.SetText(p - 1, 0, TrxName(*site, p));
        }
    }
    m_selectedRow = 0;
}

void CWizardPreferenceController::Enter() {
    if (m_rows.empty()) {
        FirstDisplay();
    }
    int row = 0;
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].index == m_sheet.Sectors().Selected()) {
            row = static_cast<int>(i);
        }
    }
    m_sheet.ActivateView(kAllCablingView);
    ChooseRow(row);
}

void CWizardPreferenceController::FillNetworks() {
    FillBandChoices(m_networks);
    CSiteKODA* site = m_sheet.Site();
    int value = 0;
    const SSectorRows& own = *m_sheet.Sectors().Own().Record(0);
    if (m_selectedRow == 0) {
        value = CollectRows(own);
    } else if (site != nullptr) {
        value = site->CollectBand(kSelectCandidate, false);
    }
    m_network = EntryWithValue(m_networks, value);
    if (m_network < 0) {
        const std::string mix = value == 0 ? MixText(own) : std::string();
        if (m_selectedRow == 0 && (value != 0 || !mix.empty())) {
            // A mix (value 0) is applied as "each row keeps its band", and Next sets no band.
            m_networks.Add(value != 0 ? CBandInformation::BandNameOfValue(value) : mix, value);
            m_network = static_cast<int>(m_networks.entries.size()) - 1;
        } else {
            m_network = m_networks.entries.size() > 1 ? 1 : 0;
        }
    }
}

int CWizardPreferenceController::NetworkValue() const {
    return m_network >= 0 && m_network < static_cast<int>(m_networks.entries.size())
               ? m_networks.entries[m_network].value
               : 0;
}

int CWizardPreferenceController::DialogSource() const {
    return m_selectedRow == 0 ? -1 : m_sheet.Sectors().Selected();
}

void CWizardPreferenceController::ChooseRow(int row) {
    if (row < 0 || row >= static_cast<int>(m_rows.size())) {
        return;
    }
    m_selectedRow = row;
    m_sheet.Sectors().Select(m_rows[row].index);
    FillNetworks();
    Apply();
}

void CWizardPreferenceController::ChooseNetwork(int entry) {
    if (entry < 0 || entry >= static_cast<int>(m_networks.entries.size())) {
        return;
    }
    m_network = entry;
    const int value = NetworkValue();
    Apply();
    FillNetworks();
    // The refill looks at the transceivers; the user's choice stands while they agree.
    if (const int again = EntryWithValue(m_networks, value); again >= 0) {
        m_network = again;
    }
}

void CWizardPreferenceController::Apply() {
    CKodaConfigMaster* grid = m_sheet.Schemes();
    if (grid == nullptr) {
        return;
    }
    CSectorConfigKODAMaster& sectors = m_sheet.Sectors();
    const int index = sectors.Selected();
    const int band = NetworkValue();
    grid->Clear();
    sectors.PlaceOnGrid(index, band, *grid);
    grid->Apply(band > 0 ? band : -1);
    // The band goes to the transceivers the grid has just made.
    sectors.ShowAndApplyBand(index, band, m_preview, *grid);
    m_sheet.Doc().MarkConfigurationChanged(true);
    m_sheet.Redraw();
}

void CWizardPreferenceController::Modified() {
    FillNetworks();
    if (m_selectedRow != 0) {
        m_sheet.Sectors().Select(0);
        m_selectedRow = 0;
        FillNetworks();
    }
    Apply();
}

void CWizardPreferenceController::Next() {
    const int band = NetworkValue();
    CSiteKODA* site = m_sheet.Site();
    CKodaConfigMaster* grid = m_sheet.Schemes();
    if (band == 0 || site == nullptr || grid == nullptr) {
        return;
    }
    site->SetBand(band, kSelectCandidate, true);
    grid->Clear();
    m_sheet.Sectors().PlaceOnGrid(m_sheet.Sectors().Selected(), band, *grid);
}

// ---- TRX group types -------------------------------------------------------------------------

void CWizardPreDefinedController::Refresh() {
    CSiteKODA* site = m_sheet.Site();
    CKodaConfigMaster* grid = m_sheet.Schemes();
    if (site == nullptr || grid == nullptr) {
        return;
    }
    grid->Apply(-1);
    for (int p = 1; p <= 12; ++p) {
        m_table.SetText(p - 1, 0, TrxName(*site, p));
        m_table.SetText(p - 1, 1, grid->SchemeAt(p) != 0 ? grid->SchemeNameAt(p) : "");
    }
    CTableVector sectors;
    m_sheet.Sectors().FillColumn(m_sheet.Sectors().Selected(), 1, sectors);
    for (int p = 1; p <= 12; ++p) {
        m_table.SetText(p - 1, 2, sectors.cells[p - 1][1]);
    }
    m_sheet.Doc().MarkConfigurationChanged(true);
    m_sheet.Redraw();
}

void CWizardPreDefinedController::Enter() {
    m_sheet.ActivateView(kAllCablingView);
    Refresh();
    SelectPosition(m_position);
}

void CWizardPreDefinedController::SelectPosition(int position) {
    m_position = position >= 1 && position <= 12 ? position : 1;
    m_choices.Clear();
    m_choices.Add("None", 0);
    CKodaConfigMaster* grid = m_sheet.Schemes();
    if (grid == nullptr) {
        return;
    }
    const int placed = grid->SchemeAt(m_position);
    if (placed > 0) {
        m_choices.Add(grid->SchemeNameAt(m_position), placed);
        m_choices.Select(1);
        return;
    }
    for (int id = 1; id <= grid->SchemeCount(); ++id) {
        const CKodaConfig* scheme = grid->Scheme(id);
        if (scheme != nullptr && !scheme->Name().empty() && scheme->Fits(m_position)) {
            m_choices.Add(scheme->Name(), id);
        }
    }
    m_choices.Select(0);
}

bool CWizardPreDefinedController::Set(int entry) {
    CKodaConfigMaster* grid = m_sheet.Schemes();
    if (grid == nullptr || entry < 0 || entry >= m_choices.Count()) {
        return false;
    }
    const int scheme = m_choices.entries[entry].value;
    if (scheme == grid->SchemeAt(m_position)) {
        return false;
    }
    CSectorConfigKODAMaster& sectors = m_sheet.Sectors();
    if (sectors.Selected() != 0) {
        // A pre-defined configuration is not edited: the own one takes it over first.
        sectors.CopyFrom(0, sectors.Selected());
        sectors.Select(0);
    }
    if (!grid->PlaceScheme(m_position, scheme)) {
        return false;
    }
    sectors.TakeOwnFromGrid(*grid);
    Refresh();
    SelectPosition(m_position);
    return true;
}

// ---- RX diversity ----------------------------------------------------------------------------

void CWizardDiversityController::Refresh() {
    CSiteKODA* site = m_sheet.Site();
    if (site == nullptr) {
        return;
    }
    const CDataBaseKODA& db = *site->GetKODA(kSelectCandidate);
    CTableVector sectors;
    m_sheet.Sectors().FillColumn(m_sheet.Sectors().Selected(), 1, sectors);
    for (int p = 1; p <= 12; ++p) {
        m_table.SetText(p - 1, 0, TrxName(*site, p));
        const CUnitKTrx* trx = TrxAt(*site, p);
        std::string combiner = "None";
        if (trx != nullptr && trx->IsUpgrade()) {
            combiner = "-";
        } else if (trx != nullptr && trx->Cabling().rxDiversityCombiner != 0) {
            const std::string name = WizardEndpointName(db, trx->Cabling().rxDiversityCombiner);
            combiner = name.empty() ? "None" : name;
        }
        m_table.SetText(p - 1, 1, combiner);
        m_table.SetText(p - 1, 2, sectors.cells[p - 1][1]);
    }
}

void CWizardDiversityController::Enter() {
    m_sheet.ActivateView(kRxDiversityView);
    Refresh();
    SelectPosition(m_position);
}

void CWizardDiversityController::SelectPosition(int position) {
    m_position = position >= 1 && position <= 12 ? position : 1;
    m_choices.Clear();
    CSiteKODA* site = m_sheet.Site();
    CKodaConfigMaster* grid = m_sheet.Schemes();
    const CUnitKTrx* trx = site != nullptr ? TrxAt(*site, m_position) : nullptr;
    if (trx != nullptr && trx->IsUpgrade()) {
        m_choices.Add("-", 0);
        m_choices.Select(0);
        return;
    }
    m_choices.Add("None", 0);
    m_choices.Select(0);
    if (grid == nullptr) {
        return;
    }
    CChoiceVector offered;
    const CSectorConfigKODAMaster& sectors = m_sheet.Sectors();
    const int index = sectors.Selected();
    sectors.FillDiversityChoices(index, m_position, sectors.Sector(index, m_position), offered,
                                 trx != nullptr ? trx->Cabling().rxDiversityCombiner : 0, *grid);
    for (const auto& e : offered.entries) {
        m_choices.Add(e.text, e.value);
    }
    if (offered.selected >= 0) {
        m_choices.Select(offered.selected + 1);
    }
}

void CWizardDiversityController::Set(int entry) {
    CKodaConfigMaster* grid = m_sheet.Schemes();
    if (grid == nullptr) {
        return;
    }
    const int port = entry >= 0 && entry < m_choices.Count() ? m_choices.entries[entry].value : 0;
    grid->SetDiversityPort(m_position, port);
    grid->Apply(-1);
    Refresh();
    m_sheet.Doc().MarkConfigurationChanged(true);
    m_sheet.Redraw();
    SelectPosition(m_position);
}

// ---- sector and network dialog ---------------------------------------------------------------

CSectorAndNetworkModel::CSectorAndNetworkModel(CWizardSheetModel& sheet, int source,
                                               int networkType)
    : m_sheet(sheet) {
    CSectorConfigKODAMaster& sectors = m_sheet.Sectors();
    CSectorConfigKODAOwn& own = sectors.Own();
    own.SaveCopy();
    if (source != -1) {
        sectors.CopyFrom(0, source);
    }
    for (int p = 1; p <= 12; ++p) {
        if ((*own.Record(0))[p - 1].band == 0) {
            own.SetBand(p, networkType);
        }
    }
    FillBandChoices(m_networks);
    Refresh();
}

void CSectorAndNetworkModel::Refresh() {
    CKodaConfigMaster* grid = m_sheet.Schemes();
    CSiteKODA* site = m_sheet.Site();
    if (grid == nullptr || site == nullptr) {
        return;
    }
    m_sheet.Sectors().ShowAndApplyBand(0, 0, m_table, *grid);
    CBandInformation info;
    m_collected = site->CollectBand(kSelectCandidate, true, &info);
    m_result = m_collected != 0 ? "GSM " + info.BandText() : info.BandText();
}

void CSectorAndNetworkModel::SelectRows(std::set<int> positions) {
    m_selected = std::move(positions);
}

int CSectorAndNetworkModel::SharedSector() const {
    const SSectorRows& rows = *m_sheet.Sectors().Own().Record(0);
    int shared = -1;
    for (const int p : m_selected) {
        const int sector = rows[p - 1].sector;
        if (shared != -1 && sector != shared) {
            return -1;
        }
        shared = sector;
    }
    return shared;
}

int CSectorAndNetworkModel::SharedNetwork() const {
    const SSectorRows& rows = *m_sheet.Sectors().Own().Record(0);
    int shared = -1;
    for (const int p : m_selected) {
        const int band = rows[p - 1].band;
        if (shared != -1 && band != shared) {
            return -1;
        }
        shared = band;
    }
    return shared;
}

void CSectorAndNetworkModel::ChooseSector(int sector) {
    for (const int p : m_selected) {
        m_sheet.Sectors().Own().SetSector(p, sector);
    }
    Refresh();
}

void CSectorAndNetworkModel::ChooseNetwork(int band) {
    for (const int p : m_selected) {
        m_sheet.Sectors().Own().SetBand(p, band);
    }
    Refresh();
}

bool CSectorAndNetworkModel::Ok() {
    return m_collected != 0 || m_sheet.Prompt().AskYesNo(kNotSupported, false);
}

void CSectorAndNetworkModel::Cancel() {
    m_sheet.Sectors().Own().RestoreCopy();
}
