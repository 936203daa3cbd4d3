#include "app/pages/PageAntennaController.h"

#include <cstdio>

#include "model/SiteKODA.h"
#include "model/UnitKODA.h"

namespace {

constexpr int kDefaultGain = 190;
constexpr int kStep = 50;

std::string FormatTenths(int hundredths) {
    char text[16];
    std::snprintf(text, sizeof text, hundredths >= 0 ? "+%1.1f" : "%1.1f", hundredths / 100.0);
    return text;
}

// The DDU or RTC behind a combiner port.
const CUnit* CombinerOfPort(const CDataBaseKODA& db, int port) {
    if (port >= 1 && port <= 12) {
        return db.FindUnitByDisplayedNumber(kUnitKindDdu, (port + 1) / 2);
    }
    if (port >= 13 && port <= 16) {
        return db.FindUnitByDisplayedNumber(kUnitKindRtc, (port - 11) / 2);
    }
    return nullptr;
}

} // namespace

ComboItems PageAntennaController::MhaTypes() {
    return {
        {"No MHA", 1}, {"Low gain MHA", 2}, {"High gain MHA", 3}, {"High gain MHA with Bypass", 7}};
}

ComboItems PageAntennaController::Losses() const {
    ComboItems items;
    for (int loss = m_gsm900 ? 700 : 1000; loss >= 0; loss -= kStep) {
        items.push_back({FormatTenths(loss), loss});
    }
    return items;
}

bool PageAntennaController::GainsOffered() const {
    return (m_mhaType == 3 || m_mhaType == 7) && m_connection > 0;
}

ComboItems PageAntennaController::Gains() const {
    if (!GainsOffered()) {
        return {{"Fixed", kFixed}};
    }
    ComboItems items;
    for (int gain = m_gsm900 ? 340 : 640; gain > -370; gain -= kStep) {
        items.push_back({FormatTenths(gain), gain});
    }
    return items;
}

std::string PageAntennaController::BaseText() const {
    return m_gsm900 ? "32 dB -" : "33 dB -";
}

std::string PageAntennaController::TargetText() const {
    return m_gsm900 ? "= 28.4 dB" : "= 29.4 dB";
}

CAntenna* PageAntennaController::Record() const {
    return Candidate().Antenna(m_antenna);
}

void PageAntennaController::FitGain(int wanted) {
    const ComboItems gains = Gains();
    if (!GainsOffered()) {
        // A fixed gain has no loss that would make the line add up: the loss box shows none.
        m_gain = kFixed;
        m_loss = kNoLoss;
        return;
    }
    m_gain = combo::Offers(gains, wanted) ? wanted : kDefaultGain;
    if (!combo::Offers(gains, m_gain)) {
        m_gain = gains.front().data;
    }
    m_loss = m_gain + (Base() - Target());
}

void PageAntennaController::DropPreview() {
    CUnitKODA* mha = Candidate().Find<CUnitKODA>(kUnitKindMha, m_antenna);
    if (mha == nullptr || mha->Preview(kPreviewLink) == 0) {
        return;
    }
    mha->SetPreview(kPreviewLink, 0);
    if (CCableGuy* guy = Site().CableGuy()) {
        guy->RecomputeCableStates(kSelectCandidate);
    }
    Document().RedrawViews();
}

void PageAntennaController::SelectAntenna(int number) {
    DropPreview();
    m_antenna = number;
    const CAntenna* record = Record();
    if (record == nullptr) {
        m_antenna = 0;
        m_connection = 0;
        m_mhaType = 1;
        m_vswr = m_cosite = m_gsm900 = m_hydcNote = false;
        m_loss = kNoLoss;
        m_gain = kFixed;
    } else {
        m_mhaType = record->MhaType(true);
        m_vswr = record->VswrMonitoring();
        m_cosite = record->CositeMha() == 1;
        m_connection = record->ConnectedCombiner();
        const CUnit* unit = CombinerOfPort(Candidate(), m_connection);
        const int band = unit != nullptr ? unit->Band() : 0;
        m_gsm900 = (band & (kBand900 | kBand800)) != 0;
        m_hydcNote = band == kBand1800;
        FitGain(record->Attenuation());
    }
    Document().SelectUnitInViews(m_antenna > 0 ? kUnitKindMha : 0, m_antenna);
    Document().RedrawViews();
}

void PageAntennaController::FollowSelection(int kind, int number) {
    const bool listed = kind == kUnitKindMha && number > 0 && combo::Offers(Antennas(), number);
    if ((listed ? number : 0) != m_antenna) {
        SelectAntenna(listed ? number : 0);
    }
}

void PageAntennaController::PreviewConnection() {
    if (CUnitKODA* mha = Candidate().Find<CUnitKODA>(kUnitKindMha, m_antenna)) {
        mha->SetPreview(kPreviewLink, m_connection);
        if (CCableGuy* guy = Site().CableGuy()) {
            guy->RecomputeCableStates(kSelectCandidate);
        }
    }
    Document().RedrawViews();
}

bool PageAntennaController::ChooseConnection(int connection) {
    if (!Enabled() || !combo::Offers(Connections(), connection)) {
        return false;
    }
    m_connection = connection;
    const CUnit* unit = CombinerOfPort(Candidate(), connection);
    const int band = unit != nullptr ? unit->Band() : 0;
    m_gsm900 = (band & (kBand900 | kBand800)) != 0;
    m_hydcNote = band == kBand1800;
    FitGain(m_gain);
    PreviewConnection();
    return true;
}

bool PageAntennaController::ChooseMhaType(int plainType) {
    if (!Enabled() || !combo::Offers(MhaTypes(), plainType)) {
        return false;
    }
    m_mhaType = plainType;
    FitGain(m_gain);
    return true;
}

void PageAntennaController::SetVswr(bool on) {
    if (VswrEnabled()) {
        m_vswr = on;
    }
}

void PageAntennaController::SetCosite(bool on) {
    if (CositeEnabled()) {
        m_cosite = on;
    }
}

void PageAntennaController::SetGsm900(bool used) {
    m_gsm900 = used;
    FitGain(m_gain);
}

bool PageAntennaController::ChooseLoss(int loss) {
    if (!LossGainEnabled() || !combo::Offers(Losses(), loss)) {
        return false;
    }
    const int gain = loss - (Base() - Target());
    if (!combo::Offers(Gains(), gain)) {
        return false;
    }
    m_loss = loss;
    m_gain = gain;
    return true;
}

bool PageAntennaController::ChooseGain(int gain) {
    if (!Enabled() || !combo::Offers(Gains(), gain)) {
        return false;
    }
    m_gain = gain;
    m_loss = GainsOffered() ? gain + (Base() - Target()) : kNoLoss;
    return true;
}

bool PageAntennaController::Set() {
    if (!Enabled() || !BeginEdit(kSetLabel)) {
        return false;
    }
    CDataBaseKODA& db = Candidate();
    // A port feeds one antenna: the one that had it loses the connection but keeps its MHA.
    for (int n = 1; n <= CDataBaseKODA::kAntennas; ++n) {
        CAntenna& other = *db.Antenna(n);
        if (n != m_antenna && m_connection > 0 && other.ConnectedCombiner() == m_connection) {
            other.SetConnectedCombiner(0);
            other.SetAttenuation(0);
        }
    }
    CAntenna& record = *Record();
    record.SetConnectedCombiner(m_connection);
    const int vswrType = m_mhaType == 7 ? 8 : m_mhaType + 3;
    record.SetMhaType(m_vswr ? vswrType : m_mhaType);
    record.SetAttenuation(m_gain);
    record.SetDualBand(0);
    record.SetCositeMha(m_cosite ? 1 : 0);
    EndEdit();
    return true;
}

bool PageAntennaController::Clear() {
    if (!Enabled() || !BeginEdit(kClearLabel)) {
        return false;
    }
    Record()->SetConnectedCombiner(0);
    Record()->SetAttenuation(0);
    EndEdit();
    SelectAntenna(m_antenna);
    return true;
}

bool PageAntennaController::ClearAll() {
    if (!Editable() || !Prompt().AskYesNoWarning(kClearAllQuestion) || !BeginEdit(kClearAllLabel)) {
        return false;
    }
    for (int n = 1; n <= CDataBaseKODA::kAntennas; ++n) {
        Candidate().Antenna(n)->SetConnectedCombiner(0);
        Candidate().Antenna(n)->SetAttenuation(0);
    }
    EndEdit();
    SelectAntenna(0);
    return true;
}
