#pragma once
// The last pages of the ways: the summary of a new or found configuration, and the report of
// the configuration with the send to the BTS and the report file.

#include <array>
#include <string>
#include <vector>

#include "app/wizard/WizardFlow.h"

class CDataBaseKODA;
class CSiteKODA;
class CWizardSheetModel;

// "Report of New Configuration": what the candidate now consists of, one list entry per line.
class CWizardNewLastController {
public:
    explicit CWizardNewLastController(CWizardSheetModel& sheet) : m_sheet(sheet) {}

    void Enter();
    const std::vector<std::string>& Lines() const { return m_lines; }
    wizard::EButtons Buttons() const { return m_buttons; }

    // What the summary counts; upgrade units are left out.
    struct SCounts {
        std::string network;
        int trxUnits = 0;
        int cablingUnits = 0;
        // TX, RX main, RX diversity.
        std::array<int, 3> trxWithCabling{};
        std::array<int, 3> cables{};
        int antennas = 0;
        int mhas = 0;
        bool vswr = false;
    };
    static SCounts CountsOf(CSiteKODA& site);
    static std::vector<std::string> SummaryLines(const SCounts& counts);

private:
    CWizardSheetModel& m_sheet;
    std::vector<std::string> m_lines;
    wizard::EButtons m_buttons = wizard::EButtons::Finish;
};

// "BTS Configuration Report": the report of the candidate, the send to the BTS on Finish and
// the report file.
class CWizardLastController {
public:
    static constexpr const char* kUpdateFailed = "BTS update failed.";
    static constexpr const char* kNoConnection =
        "No BTS connection. Update will not occur.\nContinue anyway?";
    static constexpr const char* kNoSendRights =
        "User does not have permissions to send the configuration file to BTS.\nUpdate will "
        "not occur.\nContinue anyway?";
    static constexpr const char* kOverwrite =
        "The report file already exists.\nAre you sure you want to overwrite it?";
    static constexpr const char* kSaveError =
        "Error in saving the BTS HW Configuration Report file.";
    static constexpr const char* kQuitAnyway =
        "The BTS has not been updated with the configuration.\nDo you want to quit anyway?";
    static constexpr const char* kQuitAfterPassive =
        "The passive unit information has been sent to the BTS, but the BTS has not been "
        "updated with the configuration.\nDo you want to quit anyway?";
    static constexpr const char* kBrowseTitle = "Save BTS HW Configuration Report";

    explicit CWizardLastController(CWizardSheetModel& sheet) : m_sheet(sheet) {}

    void Enter();
    // The save dialog; false when it was cancelled.
    bool Browse();
    void SetSaveAs(std::string path) { m_saveAs = std::move(path); }
    const std::string& SaveAs() const { return m_saveAs; }
    // True when the wizard may close.
    bool Finish();
    bool Cancel();

    const std::vector<std::string>& Lines() const { return m_lines; }
    wizard::EButtons Buttons() const { return m_buttons; }
    bool Sent() const { return m_sent; }

private:
    bool WriteReport();

    CWizardSheetModel& m_sheet;
    std::vector<std::string> m_lines;
    std::string m_reportText;
    std::string m_saveAs;
    wizard::EButtons m_buttons = wizard::EButtons::Finish;
    bool m_sent = false;
};
