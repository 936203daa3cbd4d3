#pragma once
// The pages of the Check and update way that check the candidate against the cabinet: cabinet
// information, the BB2 cross-connection with autodetection, the current cabling, the antenna
// settings and the passive units.

#include <array>
#include <string>
#include <vector>

#include "app/passive/PassiveUnitTree.h"
#include "model/DataBaseKODA.h"

class CWizardSheetModel;

struct SWizardEntry {
    std::string text;
    int data = 0;
    bool operator==(const SWizardEntry&) const = default;
};

// "Cabinet Information".
class CWizardCabinetController {
public:
    explicit CWizardCabinetController(CWizardSheetModel& sheet) : m_sheet(sheet) {}

    void FirstDisplay();
    void Enter();
    // Radio 0-3.
    void ChooseType(int button);
    void ChooseClock(int value);
    void SetLte(bool on);
    void SetWcdma(bool on);

    // The radio checked; -1 for a cabinet no radio stands for (Mini).
    int TypeButton() const { return m_type; }
    int Clock() const { return m_clock; }
    bool Lte() const { return m_lte; }
    bool Wcdma() const { return m_wcdma; }
    bool WcdmaEnabled() const { return m_wcdmaEnabled; }
    const std::vector<SWizardEntry>& ClockChoices() const { return m_clockChoices; }

private:
    void Write(const SCabinetSettings& settings);
    SCabinetSettings Stored() const;

    CWizardSheetModel& m_sheet;
    int m_type = -1;
    int m_clock = 0;
    bool m_lte = false;
    bool m_wcdma = false;
    bool m_wcdmaEnabled = false;
    std::vector<SWizardEntry> m_clockChoices;
};

// "BB2-RVx Cross-connections".
class CWizardBB2Controller {
public:
    static constexpr const char* kResetQuestion =
        "This action will reset the BCF,\ncontinue anyway?";

    explicit CWizardBB2Controller(CWizardSheetModel& sheet) : m_sheet(sheet) {}

    void FirstDisplay();
    void Enter();
    void CheckAvailability();
    void ToggleViewAutodetected();
    // False when it was not asked for or the user said No.
    bool Autodetect();

    // Pair labels of BB2 1-6 (empty: keep the dialog's own text).
    const std::array<std::string, 6>& PairLabels() const { return m_labels; }
    // The TRXs a box offers: their display names with their numbers.
    const std::vector<SWizardEntry>& TrxEntries() const { return m_trxs; }
    // Per half 1-12 the TRX number shown; 0 for none.
    int TrxOfHalf(int half) const { return half >= 1 && half <= 12 ? m_trxOfHalf[half - 1] : 0; }
    bool AutodetectEnabled() const { return m_autodetectEnabled; }
    bool NavigationEnabled() const { return !m_running; }
    bool Running() const { return m_running; }
    bool ViewingBts() const { return m_viewBts; }

private:
    void FollowSide();

    CWizardSheetModel& m_sheet;
    std::array<std::string, 6> m_labels;
    std::vector<SWizardEntry> m_trxs;
    std::array<int, 12> m_trxOfHalf{};
    bool m_autodetectEnabled = false;
    bool m_running = false;
    bool m_viewBts = false;
};

// "Current Cabling".
class CWizardCablingCheckController {
public:
    explicit CWizardCablingCheckController(CWizardSheetModel& sheet) : m_sheet(sheet) {}

    void Enter();
    void Select(int row);
    void Leave();
    void SetShowWideband(bool on);
    void SetOnlySelected(bool on);
    bool ShowWideband() const;
    bool OnlySelected() const;

    const std::vector<SWizardEntry>& Entries() const { return m_entries; }
    int Selected() const { return m_selected; }

private:
    void Rebuild();
    void SetViewBit(int bit, bool on);

    CWizardSheetModel& m_sheet;
    std::vector<SWizardEntry> m_entries;
    int m_selected = -1;
};

// "Antenna Settings": connected antennas and the attenuation a high gain MHA needs.
class CWizardSimpleAntController {
public:
    struct SRow {
        int antenna = 0;
        std::array<std::string, 5> cells;
        bool lowBand = false;
    };

    explicit CWizardSimpleAntController(CWizardSheetModel& sheet) : m_sheet(sheet) {}

    void Enter();
    void Leave();
    void Select(int row);
    void ChooseGain(int entry);
    void ChooseLoss(int entry);
    void Set();
    void SetVswr(bool on);

    const std::vector<SRow>& Rows() const { return m_rows; }
    int SelectedRow() const { return m_row; }
    bool ListsEnabled() const { return m_listsEnabled; }
    bool Vswr() const { return m_vswr; }
    const std::string& BaseText() const { return m_baseText; }
    const std::string& ResultText() const { return m_resultText; }
    const std::vector<SWizardEntry>& Losses() const { return m_losses; }
    const std::vector<SWizardEntry>& Gains() const { return m_gains; }
    int Loss() const { return m_loss; }
    int Gain() const { return m_gain; }

private:
    void Rebuild();
    void FillLists(int antenna, bool lowBand);
    void RefreshRow(int row);
    int Antenna() const;

    CWizardSheetModel& m_sheet;
    std::vector<SRow> m_rows;
    int m_row = -1;
    bool m_listsEnabled = false;
    bool m_vswr = false;
    std::string m_baseText;
    std::string m_resultText;
    int m_base = 0;
    int m_target = 0;
    std::vector<SWizardEntry> m_losses;
    std::vector<SWizardEntry> m_gains;
    int m_loss = -1;
    int m_gain = -1;
};

// "Passive Units": the sheet's own passive unit table, from the BTS or a file, sent on Next.
class CWizardPassiveController {
public:
    explicit CWizardPassiveController(CWizardSheetModel& sheet) : m_sheet(sheet) {}

    void FirstDisplay();
    void Enter();
    // The document's import, through its dialog: a file that cannot be read is reported and
    // leaves the table, and what Next sends, as it was.
    bool Import();
    void Next();
    bool InformationToSend() const { return m_toSend; }
    // The table as the Passive Units view lists it: groups, and every slot of a group.
    std::vector<SPassiveTreeNode> Tree() const;

private:
    CWizardSheetModel& m_sheet;
    bool m_firstShown = false;
    bool m_toSend = false;
};
