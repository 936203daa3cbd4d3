#pragma once
// The antenna page: which combiner port feeds an antenna, the masthead amplifier type it
// carries, VSWR monitoring, a co-site powered MHA, and the cable loss and MHA gain that together
// must give the attenuation the HYDC expects.

#include <string>

#include "app/pages/ComboFillers.h"
#include "app/pages/PageController.h"

class CAntenna;

class PageAntennaController : public CPageController {
public:
    static constexpr const char* kSetLabel = "Set Antenna";
    static constexpr const char* kClearLabel = "Clear Antenna Settings";
    static constexpr const char* kClearAllLabel = "Clear All Antenna Settings";
    static constexpr const char* kClearAllQuestion =
        "Are you sure you want to clear all\nAntenna settings information?";
    static constexpr const char* kHydcNote = "NOTE: HYDC uses 32 dB - Loss + Gain = 28.4 dB";
    static constexpr int kFixed = 9999;
    // The loss while the gain is fixed: none is chosen.
    static constexpr int kNoLoss = -1;

    using CPageController::CPageController;

    ComboItems Antennas() const { return combo::Antennas(Candidate()); }
    ComboItems Connections() const { return combo::RxCombiners(Candidate()); }
    static ComboItems MhaTypes();
    // +10.0 (+7.0 with GSM 900) down to +0.0, in hundredths of a dB.
    ComboItems Losses() const;
    // For high gain MHAs with a connection: +6.4 (+3.4 with GSM 900) down to -3.6; otherwise
    // "Fixed" alone.
    ComboItems Gains() const;

    // Shows the antenna's record; 0 selects none.
    void SelectAntenna(int number);
    // Selecting an MHA in the views shows the antenna of its number; anything else none.
    void FollowSelection(int kind, int number);
    int SelectedAntenna() const { return m_antenna; }
    bool Enabled() const { return Editable() && m_antenna > 0; }

    bool ChooseConnection(int connection);
    bool ChooseMhaType(int plainType);
    void SetVswr(bool on);
    void SetCosite(bool on);
    // Loss and gain are coupled so that base - loss + gain gives the target.
    bool ChooseLoss(int loss);
    bool ChooseGain(int gain);
    void SetGsm900(bool used);

    int Connection() const { return m_connection; }
    int MhaType() const { return m_mhaType; }
    bool Vswr() const { return m_vswr; }
    bool Cosite() const { return m_cosite; }
    bool VswrEnabled() const { return Enabled() && !m_cosite; }
    bool CositeEnabled() const { return Enabled() && !m_vswr; }
    bool Gsm900() const { return m_gsm900; }
    bool HydcNoteVisible() const { return m_hydcNote; }
    bool LossGainEnabled() const { return Enabled() && GainsOffered(); }
    int Loss() const { return m_loss; }
    int Gain() const { return m_gain; }
    // "32 dB -" or "33 dB -", and "= 28.4 dB" or "= 29.4 dB".
    std::string BaseText() const;
    std::string TargetText() const;

    bool Set();
    bool Clear();
    bool ClearAll();
    // Lets go of a connection only previewed, when the page goes or another antenna is chosen:
    // the views must not go on drawing a cable that is not recorded.
    void DropPreview();

private:
    bool GainsOffered() const;
    int Base() const { return m_gsm900 ? 3200 : 3300; }
    int Target() const { return m_gsm900 ? 2840 : 2940; }
    // Picks the gain the antenna has (else 1.9 dB) and the loss that goes with it.
    void FitGain(int wanted);
    void PreviewConnection();
    CAntenna* Record() const;

    int m_antenna = 0;
    int m_connection = 0;
    int m_mhaType = 1;
    bool m_vswr = false;
    bool m_cosite = false;
    bool m_gsm900 = false;
    bool m_hydcNote = false;
    int m_loss = kNoLoss;
    int m_gain = kFixed;
};
