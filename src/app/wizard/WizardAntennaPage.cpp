#include "app/wizard/WizardAntennaPage.h"
#include "app/views/ViewPageBase.h"

#include <algorithm>

#include "app/document/BTSConfigurationDoc.h"
#include "app/wizard/WizardNewPages.h"
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
    const CKodaConfigMaster* grid = m_sheet.Schemes();
    const CSectorConfigKODAMaster& sectors = m_sheet.Sectors();
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
    m_sheet.ActivateView(kViewAntenna);
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
