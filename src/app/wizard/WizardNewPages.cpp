#include "app/wizard/WizardNewPages.h"

#include <algorithm>

#include "app/BTSConfigurationDoc.h"
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
constexpr int kAntennaView = 8;

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

} // namespace

std::string WizardEndpointName(const CDataBaseKODA& db, int portId) {
    if (const char* external = ReportUnits::ExternalCabinetName(portId)) {
        return external;
    }
    if (portId >= 1 && portId <= 12) {
        const CUnit* ddu =
            ReportUnits::PresentByDisplayedNumber(db, kUnitKindDdu, (portId - 1) / 2 + 1);
        return ddu != nullptr ? ddu->DisplayName((portId - 1) % 2) : std::string();
    }
    if (portId >= 13 && portId <= 16) {
        const CUnit* rtc =
            ReportUnits::PresentByDisplayedNumber(db, kUnitKindRtc, (portId - 13) / 2 + 1);
        if (rtc == nullptr) {
            return {};
        }
        return portId % 2 == 0 ? rtc->DisplayName() + " div" : rtc->DisplayName();
    }
    return {};
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
    if (m_selectedRow == 0) {
        value = CollectRows(*m_sheet.Sectors().Own().Record(0));
    } else if (site != nullptr) {
        value = site->CollectBand(kSelectCandidate, false);
    }
    m_network = EntryWithValue(m_networks, value);
    if (m_network < 0) {
        if (m_selectedRow == 0 && value != 0) {
            m_networks.Add(CBandInformation::BandNameOfValue(value), value);
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

// ---- antennas --------------------------------------------------------------------------------

void CWizardAntennaController::AssignAutomatically() {
    CSiteKODA* site = m_sheet.Site();
    m_endpoints.assign(1, {"None", 0});
    if (site == nullptr) {
        return;
    }
    CDataBaseKODA& db = *site->GetKODA(kSelectCandidate);
    // Antennas go to main and diversity outputs in turn, so that a sector's two antennas sit on
    // the two ports that serve it.
    static constexpr int kOrder[] = {1, 14, 2, 13, 3, 4, 5, 6, 7, 16, 8, 15, 9, 10, 11, 12};
    for (const int port : kOrder) {
        const std::string name = WizardEndpointName(db, port);
        const bool listed = std::any_of(m_endpoints.begin(), m_endpoints.end(),
                                        [&](const auto& e) { return e.second == port; });
        if (!name.empty() && !listed) {
            m_endpoints.push_back({name, port});
        }
    }
    for (int a = 1; a <= CDataBaseKODA::kAntennas; ++a) {
        if (CAntenna* antenna = db.Antenna(a)) {
            antenna->SetConnectedCombiner(
                a < static_cast<int>(m_endpoints.size()) ? m_endpoints[a].second : 0);
        }
    }
}

std::vector<CWizardAntennaController::SRow> CWizardAntennaController::Rows() const {
    std::vector<SRow> rows;
    CSiteKODA* site = m_sheet.Site();
    if (site == nullptr) {
        return rows;
    }
    const CDataBaseKODA& db = *site->GetKODA(kSelectCandidate);
    CKodaConfigMaster* grid = const_cast<CWizardSheetModel&>(m_sheet).Schemes();
    const CSectorConfigKODAMaster& sectors = const_cast<CWizardSheetModel&>(m_sheet).Sectors();
    for (int a = 1; a <= CDataBaseKODA::kAntennas; ++a) {
        SRow row;
        row.antenna = std::to_string(a);
        const CAntenna* antenna = db.Antenna(a);
        const int c = antenna != nullptr ? antenna->ConnectedCombiner() : 0;
        const std::string name = c != 0 ? WizardEndpointName(db, c) : std::string();
        if (name.empty()) {
            row.combiner = "None";
            row.mhaType = row.vswr = row.sector = "-";
            rows.push_back(row);
            continue;
        }
        row.combiner = name;
        row.mhaType = CAntenna::MhaTypeText(antenna->MhaType(true));
        row.vswr = antenna->VswrMonitoring() ? "Yes" : "No";
        row.sector = "-";
        for (int p = 1; p <= 12 && grid != nullptr; ++p) {
            const CUnitKTrx* trx = dynamic_cast<const CUnitKTrx*>(db.FindUnit(kUnitKindTrx, p));
            if (trx != nullptr &&
                (trx->Cabling().txCombinerId == c || trx->Cabling().rxCombinerId == c ||
                 trx->Cabling().rxDiversityCombiner == c)) {
                const int sector = sectors.Sector(sectors.Selected(), p);
                if (sector > 0) {
                    row.sector = std::to_string(sector);
                    break;
                }
            }
        }
        rows.push_back(row);
    }
    return rows;
}

int CWizardAntennaController::SelectedEndpoint() const {
    CSiteKODA* site = m_sheet.Site();
    if (site == nullptr) {
        return 0;
    }
    const CAntenna* antenna = site->GetKODA(kSelectCandidate)->Antenna(m_antenna);
    const int c = antenna != nullptr ? antenna->ConnectedCombiner() : 0;
    for (std::size_t i = 0; i < m_endpoints.size(); ++i) {
        if (m_endpoints[i].second == c) {
            return static_cast<int>(i);
        }
    }
    return 0;
}

int CWizardAntennaController::TypeFromBoxes() const {
    if (m_highGain) {
        if (m_bypass) {
            return m_vswr ? 8 : 7;
        }
        return m_vswr ? 6 : 3;
    }
    return m_vswr ? 4 : 1;
}

void CWizardAntennaController::SetupMha(int number, int type, int connection) {
    CSiteKODA* site = m_sheet.Site();
    if (site == nullptr) {
        return;
    }
    CDataBaseKODA& db = *site->GetKODA(kSelectCandidate);
    CAntenna* antenna = db.Antenna(number);
    if (antenna == nullptr) {
        return;
    }
    if (type != 0) {
        antenna->SetMhaType(type);
    }
    const bool highGain = type == 3 || type == 6 || type == 7 || type == 8;
    antenna->SetAttenuation(highGain ? 190 : CAntenna::kAttenuationNotGiven);
    auto* mha = dynamic_cast<CUnitKMHA*>(site->FindUnit(kUnitKindMha, number, kSelectCandidate));
    if (mha == nullptr) {
        return;
    }
    const CUnit* behind = connection != 0 ? ReportUnits::Combiner(db, connection) : nullptr;
    const int mask = behind != nullptr ? (behind->Band() & 0x7F) : 0;
    switch (type == 0 ? 0 : antenna->MhaType(true)) {
    case 1:
        mha->SetBypassFlag(false);
        mha->SetUpgrade(true);
        break;
    case 2:
        mha->SetUpgrade(false);
        mha->SetBypassFlag(false);
        mha->SetType(53);
        break;
    case 3:
        mha->SetUpgrade(false);
        mha->SetBypassFlag(false);
        if (behind != nullptr) {
            const int typeId = mask == 1   ? 50
                               : mask == 2 ? 51
                               : mask == 4 ? 52
                               : mask == 8 ? 54
                                           : 0;
            if (typeId != 0) {
                mha->SetType(typeId);
            }
        }
        break;
    case 7:
        mha->SetUpgrade(false);
        mha->SetBypassFlag(true);
        if (mask == 4) {
            mha->SetType(59);
        }
        break;
    default:
        break;
    }
}

void CWizardAntennaController::AfterChange() {
    if (CSiteKODA* site = m_sheet.Site()) {
        if (CCableGuy* guy = site->CableGuy()) {
            guy->RecomputeCableStates(kSelectCandidate);
        }
    }
    m_sheet.Doc().MarkConfigurationChanged(true);
    m_sheet.Redraw();
}

void CWizardAntennaController::ApplyBoxes() {
    CSiteKODA* site = m_sheet.Site();
    if (site == nullptr) {
        return;
    }
    CDataBaseKODA& db = *site->GetKODA(kSelectCandidate);
    m_bypassEnabled = m_highGain && UnitTypeCatalogue::BypassMhaAvailable(db.Band());
    if (!m_bypassEnabled) {
        m_bypass = false;
    }
    const int type = TypeFromBoxes();
    for (int a = 1; a <= CDataBaseKODA::kAntennas; ++a) {
        const CAntenna* antenna = db.Antenna(a);
        if (antenna != nullptr && antenna->ConnectedCombiner() != 0) {
            SetupMha(a, type, antenna->ConnectedCombiner());
        }
    }
    AfterChange();
}

void CWizardAntennaController::Enter() {
    AssignAutomatically();
    m_sheet.ActivateView(kAntennaView);
    ApplyBoxes();
}

void CWizardAntennaController::SelectAntenna(int antenna) {
    m_antenna = antenna >= 1 && antenna <= CDataBaseKODA::kAntennas ? antenna : 1;
}

void CWizardAntennaController::SetHighGain(bool on) {
    m_highGain = on;
    ApplyBoxes();
}

void CWizardAntennaController::SetBypass(bool on) {
    m_bypass = on;
    ApplyBoxes();
}

void CWizardAntennaController::SetVswr(bool on) {
    m_vswr = on;
    CSiteKODA* site = m_sheet.Site();
    if (site == nullptr) {
        return;
    }
    CDataBaseKODA& db = *site->GetKODA(kSelectCandidate);
    for (int a = 1; a <= CDataBaseKODA::kAntennas; ++a) {
        CAntenna* antenna = db.Antenna(a);
        if (antenna == nullptr || antenna->ConnectedCombiner() == 0) {
            continue;
        }
        const int plain = antenna->MhaType(true);
        static constexpr int kWithVswr[] = {0, 4, 5, 6, 4, 5, 6, 8, 8};
        antenna->SetMhaType(on && plain >= 1 && plain <= 8 ? kWithVswr[plain] : plain);
    }
    AfterChange();
}

void CWizardAntennaController::Set(int entry) {
    CSiteKODA* site = m_sheet.Site();
    if (site == nullptr) {
        return;
    }
    CDataBaseKODA& db = *site->GetKODA(kSelectCandidate);
    CAntenna* antenna = db.Antenna(m_antenna);
    if (antenna == nullptr) {
        return;
    }
    const int port =
        entry > 0 && entry < static_cast<int>(m_endpoints.size()) ? m_endpoints[entry].second : 0;
    if (port == 0) {
        antenna->SetMhaType(1);
        antenna->SetConnectedCombiner(0);
    } else {
        for (int j = 1; j <= CDataBaseKODA::kAntennas; ++j) {
            CAntenna* other = db.Antenna(j);
            if (j != m_antenna && other != nullptr && other->ConnectedCombiner() == port) {
                other->SetConnectedCombiner(0);
                SetupMha(j, 0, 0);
            }
        }
        antenna->SetConnectedCombiner(port);
        SetupMha(m_antenna, TypeFromBoxes(), port);
    }
    AfterChange();
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
