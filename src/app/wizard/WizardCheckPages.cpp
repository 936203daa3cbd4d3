#include "app/wizard/WizardCheckPages.h"
#include "app/views/ViewPageBase.h"

#include <cmath>
#include <cstdio>

#include "app/document/BTSConfigurationDoc.h"
#include "app/pages/CabinetFit.h"
#include "app/views/ViewBase.h"
#include "app/wizard/WizardNewPages.h"
#include "app/wizard/WizardSheetModel.h"
#include "files/ReportUnits.h"
#include "model/BtsConfiguration.h"
#include "model/SiteKODA.h"
#include "model/Strings.h"
#include "model/UnitKTrx.h"
#include "model/UnitTypeRecord.h"

namespace {

constexpr int kCabinetInformationView = 1;
constexpr int kBb2View = 3;
constexpr int kPassiveView = 10;
constexpr int kCommissioning = 9;

CDataBaseKODA* CandidateOf(CWizardSheetModel& sheet) {
    CSiteKODA* site = sheet.Site();
    return site != nullptr ? site->GetKODA(kSelectCandidate) : nullptr;
}

CUnitKTrx* TrxOf(CDataBaseKODA& db, int number) {
    return dynamic_cast<CUnitKTrx*>(db.FindUnit(kUnitKindTrx, number));
}

std::string Signed(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%s%1.1f", value >= 0 ? "+" : "", value);
    return buffer;
}

int EntryNear(const std::vector<SWizardEntry>& entries, int value) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (std::abs(entries[i].data - value) <= 24) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace

// ---- cabinet ---------------------------------------------------------------------------------

SCabinetSettings CWizardCabinetController::Stored() const {
    const CDataBaseKODA* db = CandidateOf(m_sheet);
    return db != nullptr ? db->CabinetSettings() : SCabinetSettings{};
}

void CWizardCabinetController::Write(const SCabinetSettings& s) {
    if (CSiteKODA* site = m_sheet.Site()) {
        site->SetCabinet(s.clockSync, s.lte, s.vswr, s.wcdma, s.cabinetType, s.mrc,
                         kSelectCandidate);
        m_sheet.Doc().MarkConfigurationChanged(true);
        m_sheet.Redraw();
    }
}

void CWizardCabinetController::FirstDisplay() {
    const CDataBaseKODA* db = CandidateOf(m_sheet);
    if (db == nullptr) {
        return;
    }
    const SCabinetSettings s = db->CabinetSettings();
    m_type = s.cabinetType >= 0 && s.cabinetType <= 3 ? s.cabinetType : -1;
    const bool lmu = db->SwLevel().Level() == 2;
    m_clockChoices = {{"Do NOT use autodetected Clock Sync.", 0},
                      {"Use autodetected Clock Sync.", 1}};
    if (lmu) {
        m_clockChoices.push_back({"LMU is Connected to this BTS", 2});
        m_clockChoices.push_back({"LMU is connected to this chain BUT NOT to this cabinet", 3});
    }
    m_clock = !lmu && s.clockSync > 1 ? 0 : s.clockSync;
    m_lte = s.lte != 0;
    m_wcdma = s.wcdma != 0;
    m_wcdmaEnabled = lmu;
    const CDataBase* bts = CBtsConfiguration::Get();
    if (m_sheet.LinkUp() && bts != nullptr && bts->SwLevel().Level() == 1 && m_wcdma) {
        // That BTS has no WCDMA upgrade; what the page shows is what gets stored.
        m_wcdma = false;
        SCabinetSettings shown = s;
        shown.cabinetType = m_type >= 0 ? m_type : s.cabinetType;
        shown.clockSync = m_clock;
        shown.lte = m_lte ? 1 : 0;
        shown.wcdma = 0;
        Write(shown);
    }
}

void CWizardCabinetController::Enter() {
    m_sheet.SelectTab(false);
    m_sheet.ActivateView(kCabinetInformationView);
}

void CWizardCabinetController::ChooseType(int button) {
    CSiteKODA* site = m_sheet.Site();
    const CDataBaseKODA* db = CandidateOf(m_sheet);
    if (button < 0 || button > 3 || site == nullptr || db == nullptr) {
        return;
    }
    // As on the Cabinet Type page: a Midi cabinet holds six transceivers, and what it has no
    // place for goes only when the user says so. The wizard's own step undoes it.
    const std::vector<CUnit*> dropped = db->CabinetSettings().cabinetType == button
                                            ? std::vector<CUnit*>{}
                                            : UnitsWithoutPlace(*db, button);
    if (!dropped.empty() && !m_sheet.Prompt().AskYesNo(DropQuestion(*db, button), false)) {
        return;
    }
    m_type = button;
    DropUnits(*site, dropped);
    SCabinetSettings s = Stored();
    s.cabinetType = button;
    Write(s);
}

void CWizardCabinetController::ChooseClock(int value) {
    m_clock = value;
    SCabinetSettings s = Stored();
    s.clockSync = value;
    Write(s);
}

void CWizardCabinetController::SetLte(bool on) {
    m_lte = on;
    SCabinetSettings s = Stored();
    s.lte = on ? 1 : 0;
    Write(s);
}

void CWizardCabinetController::SetWcdma(bool on) {
    if (!m_wcdmaEnabled) {
        return;
    }
    m_wcdma = on;
    SCabinetSettings s = Stored();
    s.wcdma = on ? 1 : 0;
    Write(s);
}

// ---- BB2 cross-connection --------------------------------------------------------------------

void CWizardBB2Controller::FirstDisplay() {
    CDataBaseKODA* db = CandidateOf(m_sheet);
    if (db == nullptr) {
        return;
    }
    for (int b = 1; b <= 6; ++b) {
        const CUnit* bb2 = db->FindUnit(kUnitKindBb2, b);
        m_labels[b - 1] = bb2 != nullptr ? bb2->DisplayName() + " -" : std::string();
    }
    m_trxs.clear();
    for (int n = 1; n <= 12; ++n) {
        if (const CUnitKTrx* trx = TrxOf(*db, n)) {
            m_trxs.push_back({trx->DisplayName(), n});
        }
    }
}

void CWizardBB2Controller::Enter() {
    if (m_trxs.empty()) {
        FirstDisplay();
    }
    if (CDataBaseKODA* db = CandidateOf(m_sheet)) {
        for (int n = 1; n <= 12; ++n) {
            CUnitKTrx* trx = TrxOf(*db, n);
            if (trx != nullptr && trx->Bb2Id() == -1) {
                trx->SetBb2Id(n);
            }
        }
        for (int h = 1; h <= 12; ++h) {
            m_trxOfHalf[h - 1] = 0;
            for (int n = 1; n <= 12; ++n) {
                const CUnitKTrx* trx = TrxOf(*db, n);
                if (trx != nullptr && trx->Bb2Id() == h) {
                    m_trxOfHalf[h - 1] = n;
                    break;
                }
            }
        }
    }
    CheckAvailability();
    FollowSide();
}

void CWizardBB2Controller::FollowSide() {
    m_sheet.SelectTab(m_viewBts);
    m_sheet.ActivateView(m_viewBts ? CBTSConfigurationDoc::kDifferencesView : kBb2View);
}

void CWizardBB2Controller::CheckAvailability() {
    const bool commissioning = m_sheet.LinkUp() && m_sheet.BcfState() == kCommissioning;
    // Autodetection writes a cross-connection table into the BTS and resets it.
    m_autodetectEnabled = commissioning && !m_sheet.Doc().SendRightsMissing();
    if (m_running && commissioning) {
        m_running = false;
    }
    // A link that dropped will not bring the BCF back to Commissioning: the user must not be
    // held on the page by an autodetection that can no longer end.
    if (m_running && !m_sheet.LinkUp()) {
        m_running = false;
    }
}

void CWizardBB2Controller::ToggleViewAutodetected() {
    m_viewBts = !m_viewBts;
    FollowSide();
    CheckAvailability();
}

bool CWizardBB2Controller::Autodetect() {
    CBTSConfigurationDoc& doc = m_sheet.Doc();
    if (!m_sheet.LinkUp() || doc.SendRightsMissing() ||
        !m_sheet.Prompt().AskYesNo(kResetQuestion, false)) {
        return false;
    }
    doc.LogEvent("Cross-Connection Table command");
    const int code = doc.Link().SendCrossConnectionTable(m_trxOfHalf);
    if (code != 0) {
        doc.LogEvent("Command failed");
        doc.LogEvent("Result code: " + std::to_string(code));
        CheckAvailability();
        return true;
    }
    doc.LogEvent("Operation succeeded");
    m_running = true;
    m_autodetectEnabled = false;
    doc.LogEvent("Autodetect Request");
    const int result = doc.Link().RequestAutodetect();
    if (result == 0) {
        doc.LogEvent("Operation succeeded");
    } else {
        doc.LogEvent("Request failed");
        doc.LogEvent("Result code: " + std::to_string(result));
        m_running = false;
    }
    CheckAvailability();
    return true;
}

// ---- current cabling -------------------------------------------------------------------------

void CWizardCablingCheckController::Rebuild() {
    m_entries.clear();
    CDataBaseKODA* db = CandidateOf(m_sheet);
    m_entries.push_back({"All cabling ", 7});
    struct SKind {
        const char* text;
        int view;
        int STrxCabling::*field;
    };
    static constexpr SKind kKinds[] = {
        {"TX cabling ", 4, &STrxCabling::txCombinerId},
        {"RX main cabling ", 5, &STrxCabling::rxCombinerId},
        {"RX diversity cabling ", 6, &STrxCabling::rxDiversityCombiner},
    };
    for (const SKind& kind : kKinds) {
        m_entries.push_back({std::string("All ") + kind.text, kind.view});
        for (int n = 1; n <= 12 && db != nullptr; ++n) {
            const CUnitKTrx* trx = TrxOf(*db, n);
            if (trx == nullptr || trx->IsUpgrade() || trx->Cabling().*kind.field == 0) {
                continue;
            }
            m_entries.push_back({std::string(" - ") + kind.text + "for TRX " + std::to_string(n),
                                 kind.view + 256 * n});
        }
    }
}

void CWizardCablingCheckController::Enter() {
    m_sheet.SelectTab(false);
    Rebuild();
    Select(0);
}

void CWizardCablingCheckController::Select(int row) {
    if (row < 0 || row >= static_cast<int>(m_entries.size())) {
        return;
    }
    m_selected = row;
    const int data = m_entries[row].data;
    m_sheet.ActivateView(data & 0xFF);
    m_sheet.SelectUnit(data >> 8 != 0 ? kUnitKindTrx : 0, data >> 8);
    m_sheet.Redraw();
}

void CWizardCablingCheckController::Leave() {
    m_sheet.ClearSelectedUnit();
}

void CWizardCablingCheckController::SetViewBit(int bit, bool on) {
    if (CViewBaseKODA* views = m_sheet.Doc().ViewManager()) {
        // Only for this run of the program: the stored view settings are not written.
        views->SetViewSettings(on ? views->ViewSettings() | bit : views->ViewSettings() & ~bit);
        m_sheet.Redraw();
    }
}

void CWizardCablingCheckController::SetShowWideband(bool on) {
    SetViewBit(1, on);
}

void CWizardCablingCheckController::SetOnlySelected(bool on) {
    SetViewBit(4, on);
}

bool CWizardCablingCheckController::ShowWideband() const {
    const CViewBaseKODA* views = m_sheet.Doc().ViewManager();
    return views != nullptr && views->ShowWideband();
}

bool CWizardCablingCheckController::OnlySelected() const {
    const CViewBaseKODA* views = m_sheet.Doc().ViewManager();
    return views != nullptr && views->ShowOnlySelectedCabling();
}

// ---- antenna settings check ------------------------------------------------------------------

int CWizardSimpleAntController::Antenna() const {
    return m_row >= 0 && m_row < static_cast<int>(m_rows.size()) ? m_rows[m_row].antenna : 0;
}

void CWizardSimpleAntController::RefreshRow(int row) {
    CDataBaseKODA* db = CandidateOf(m_sheet);
    SRow& r = m_rows[row];
    const CAntenna* antenna = db != nullptr ? db->Antenna(r.antenna) : nullptr;
    if (antenna == nullptr) {
        return;
    }
    const int c = antenna->ConnectedCombiner();
    r.cells[0] = std::to_string(r.antenna);
    r.cells[1] = c == 18 ? "Ext Orvik" : c == 17 ? "Ext Kettra" : WizardEndpointName(*db, c);
    switch (antenna->MhaType(true)) {
    case 1:
        r.cells[2] = "No MHA";
        break;
    case 2:
        r.cells[2] = "Low gain MHA";
        break;
    case 3:
        r.cells[2] = "High gain MHA";
        break;
    case 7:
        r.cells[2] = "High gain MHA with bypass";
        break;
    default:
        r.cells[2].clear();
        break;
    }
    r.cells[3] = db->AntennaAttenuationText(r.antenna);
    r.cells[4] = antenna->VswrMonitoring() ? "Yes" : "No";
    const CUnit* unit = ReportUnits::Combiner(*db, c);
    r.lowBand = unit != nullptr && (unit->Band() & (1 | 8)) != 0;
}

void CWizardSimpleAntController::Rebuild() {
    m_rows.clear();
    CDataBaseKODA* db = CandidateOf(m_sheet);
    for (int a = 1; a <= CDataBaseKODA::kAntennas && db != nullptr; ++a) {
        const CAntenna* antenna = db->Antenna(a);
        if (antenna != nullptr && antenna->ConnectedCombiner() != 0) {
            m_rows.push_back({a, {}, false});
            RefreshRow(static_cast<int>(m_rows.size()) - 1);
        }
    }
    if (m_rows.empty()) {
        m_rows.push_back({0, {"No info", "", "", "", ""}, false});
    }
}

void CWizardSimpleAntController::Enter() {
    m_sheet.SelectTab(false);
    m_sheet.ActivateView(kViewAntenna);
    Rebuild();
    Select(0);
}

void CWizardSimpleAntController::Leave() {
    m_sheet.ClearSelectedUnit();
}

void CWizardSimpleAntController::FillLists(int antenna, bool lowBand) {
    m_baseText = lowBand ? "32 dB -" : "33 dB -";
    m_resultText = lowBand ? "= 28.4 dB" : "= 29.4 dB";
    m_base = lowBand ? 3200 : 3300;
    m_target = lowBand ? 2840 : 2940;
    m_losses.clear();
    for (int loss = lowBand ? 700 : 1000; loss >= 0; loss -= 50) {
        m_losses.push_back({Signed(loss / 100.0), loss});
    }
    m_gains.clear();
    for (int gain = lowBand ? 340 : 640; gain > -370; gain -= 50) {
        m_gains.push_back({Signed(gain / 100.0), gain});
    }
    const CDataBaseKODA* db = CandidateOf(m_sheet);
    const int attenuation = db != nullptr ? db->Antenna(antenna)->Attenuation() : 190;
    m_gain = EntryNear(m_gains, attenuation);
    if (m_gain < 0) {
        m_gain = EntryNear(m_gains, 190);
    }
    ChooseGain(m_gain);
}

void CWizardSimpleAntController::Select(int row) {
    if (row < 0 || row >= static_cast<int>(m_rows.size())) {
        return;
    }
    m_row = row;
    const int a = Antenna();
    CDataBaseKODA* db = CandidateOf(m_sheet);
    const CAntenna* antenna = db != nullptr && a > 0 ? db->Antenna(a) : nullptr;
    m_listsEnabled = antenna != nullptr && antenna->Attenuation() != CAntenna::kAttenuationNotGiven;
    if (m_listsEnabled) {
        FillLists(a, m_rows[row].lowBand);
    } else {
        m_losses.clear();
        m_gains.clear();
        m_loss = m_gain = -1;
    }
    m_vswr = antenna != nullptr && antenna->VswrMonitoring();
    m_sheet.SelectUnit(a > 0 ? kUnitKindMha : 0, a);
    m_sheet.Redraw();
}

void CWizardSimpleAntController::ChooseGain(int entry) {
    if (entry < 0 || entry >= static_cast<int>(m_gains.size())) {
        return;
    }
    m_gain = entry;
    m_loss = EntryNear(m_losses, m_gains[entry].data + (m_base - m_target));
}

void CWizardSimpleAntController::ChooseLoss(int entry) {
    if (entry < 0 || entry >= static_cast<int>(m_losses.size())) {
        return;
    }
    m_loss = entry;
    const int gain = EntryNear(m_gains, m_target + m_losses[entry].data - m_base);
    if (gain >= 0) {
        m_gain = gain;
    }
}

void CWizardSimpleAntController::Set() {
    CDataBaseKODA* db = CandidateOf(m_sheet);
    const int a = Antenna();
    if (db == nullptr || a <= 0 || m_gain < 0 || !m_listsEnabled) {
        return;
    }
    db->Antenna(a)->SetAttenuation(m_gains[m_gain].data);
    RefreshRow(m_row);
    m_sheet.Doc().MarkConfigurationChanged(true);
    m_sheet.Redraw();
}

void CWizardSimpleAntController::SetVswr(bool on) {
    CDataBaseKODA* db = CandidateOf(m_sheet);
    const int a = Antenna();
    if (db == nullptr || a <= 0) {
        return;
    }
    CAntenna* antenna = db->Antenna(a);
    const int plain = antenna->MhaType(true);
    static constexpr int kWithVswr[] = {0, 4, 5, 6, 4, 5, 6, 8, 8};
    antenna->SetMhaType(on && plain >= 1 && plain <= 8 ? kWithVswr[plain] : plain);
    m_vswr = antenna->VswrMonitoring();
    RefreshRow(m_row);
    m_sheet.Doc().MarkConfigurationChanged(true);
    m_sheet.Redraw();
}

// ---- passive units ---------------------------------------------------------------------------

void CWizardPassiveController::FirstDisplay() {
    if (m_firstShown) {
        return;
    }
    m_firstShown = true;
    CSiteKODA* site = m_sheet.Site();
    if (site != nullptr && m_sheet.LinkUp() &&
        m_sheet.Doc().Link().FetchPassive(*site, m_sheet.Passive())) {
        m_toSend = true;
    }
}

void CWizardPassiveController::Enter() {
    FirstDisplay();
    m_sheet.SelectTab(true);
    m_sheet.ActivateView(kPassiveView);
}

bool CWizardPassiveController::Import() {
    if (!m_sheet.Doc().ImportPassiveInto(m_sheet.Passive())) {
        return false;
    }
    m_toSend = true;
    return true;
}

std::vector<SPassiveTreeNode> CWizardPassiveController::Tree() const {
    return BuildPassiveTree(m_sheet.Passive());
}

void CWizardPassiveController::Next() {
    CSiteKODA* site = m_sheet.Site();
    if (!m_toSend || !m_sheet.LinkUp() || site == nullptr || m_sheet.Doc().SendRightsMissing()) {
        return;
    }
    CBTSConfigurationDoc& doc = m_sheet.Doc();
    doc.LogEvent(std::string(LoadString(64089)));
    // The transfer logs its own result.
    if (doc.Link().SendPassive(*site, m_sheet.Passive())) {
        m_toSend = false;
        m_sheet.SetPassiveSent();
    }
}
