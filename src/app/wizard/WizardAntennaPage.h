#pragma once
// "Define Antenna Settings" of the New way: which combiner output each antenna is connected to,
// and the masthead amplifiers the three boxes ask for.

#include <string>
#include <utility>
#include <vector>

class CWizardSheetModel;

// "Define Antenna Settings".
class CWizardAntennaController {
public:
    struct SRow {
        std::string antenna;
        std::string combiner;
        std::string mhaType;
        std::string vswr;
        std::string sector;
    };

    explicit CWizardAntennaController(CWizardSheetModel& sheet) : m_sheet(sheet) {}

    void Enter();
    void SelectAntenna(int antenna);
    void SetHighGain(bool on);
    void SetBypass(bool on);
    void SetVswr(bool on);
    void Set(int entry);

    // The endpoints offered, "None" first; the order antennas are given them automatically.
    const std::vector<std::pair<std::string, int>>& Endpoints() const { return m_endpoints; }
    std::vector<SRow> Rows() const;
    int SelectedAntenna() const { return m_antenna; }
    int SelectedEndpoint() const;
    bool HighGain() const { return m_highGain; }
    bool Bypass() const { return m_bypass; }
    bool BypassEnabled() const { return m_bypassEnabled; }
    bool Vswr() const { return m_vswr; }
    int TypeFromBoxes() const;

private:
    void AssignAutomatically();
    void SetupMha(int antenna, int type, int connection);
    void ApplyBoxes();
    void AfterChange();

    CWizardSheetModel& m_sheet;
    std::vector<std::pair<std::string, int>> m_endpoints;
    int m_antenna = 1;
    bool m_highGain = false;
    bool m_bypass = false;
    bool m_bypassEnabled = false;
    bool m_vswr = false;
};
