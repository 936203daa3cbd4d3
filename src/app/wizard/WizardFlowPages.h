#pragma once
// The pages that carry the wizard's flow: the choice of way, the choice of configuration, and
// the wait for a BTS that is ready to take a configuration.

#include <memory>
#include <string>
#include <vector>

#include "app/wizard/WizardFlow.h"

class CSiteSCFile;
class CWizardSheetModel;

// "Configuration Wizard": the three ways a user may choose from.
class CWizardWayController {
public:
    static constexpr const char* kSearchNeedsConnection =
        "BTS Connection is required to\nsearch for a configuration.";

    explicit CWizardWayController(CWizardSheetModel& sheet) : m_sheet(sheet) {}

    void FirstDisplay();
    void Enter();
    void Choose(int way) { m_way = way; }
    // Stores the way; false keeps the page.
    bool Next();

    int Way() const { return m_way; }
    bool SearchEnabled() const { return m_searchEnabled; }
    bool CheckEnabled() const { return m_checkEnabled; }

private:
    CWizardSheetModel& m_sheet;
    int m_way = wizard::kWaySearch;
    bool m_searchEnabled = true;
    bool m_checkEnabled = true;
};

// "Select Configuration": the active configuration or an Orvik configuration of a file.
class CWizardSCFController {
public:
    static constexpr const char* kActiveConfiguration = "<Active Configuration>";
    static constexpr const char* kNoInformation = "No information available";
    static constexpr const char* kActiveDescription = "Currently active configuration";
    static constexpr const char* kNoDescription = "No description available";
    static constexpr const char* kBrowseTitle = "Open BTS HW Configuration File";
    static constexpr const char* kFilter = "BTS HW Configuration Files (*.hwc)|*.hwc|Site "
                                           "Configuration Files (*.sdf)|*.sdf|All Files "
                                           "(*.*)|*.*|";

    explicit CWizardSCFController(CWizardSheetModel& sheet);
    ~CWizardSCFController();

    void FirstDisplay();
    // Rebuilds the list from the file and selects the first entry.
    void RebuildList();
    void Select(int row);
    // The file dialog; false when it was cancelled.
    bool Browse();
    void Next();
    void Back();

    const std::string& PathText() const { return m_pathText; }
    const std::vector<std::string>& Entries() const { return m_entries; }
    int Selected() const { return m_selected; }
    const std::string& Description() const { return m_description; }
    wizard::EButtons Buttons() const { return m_buttons; }

private:
    // The file's record behind a list row; nullptr for the active configuration.
    const CSiteSCFile* File() const;
    bool OpenFile(const std::string& path);

    CWizardSheetModel& m_sheet;
    std::unique_ptr<CSiteSCFile> m_ownFile;
    bool m_usesDocumentFile = false;
    std::string m_filePath;
    std::string m_pathText;
    std::vector<std::string> m_entries;
    // Per row: the index of the record in the file, -1 for the active configuration.
    std::vector<int> m_records;
    int m_selected = -1;
    std::string m_description;
    wizard::EButtons m_buttons = wizard::EButtons::BackOnly;
};

// "BTS Connection": how ready the BTS is to take a configuration, as a list of status lines.
class CWizardWaitController {
public:
    enum EState { kNoConnection = 0, kWaitingInfo = 1, kWaitingBcf = 2, kReady = 3 };
    static constexpr const char* kNotDefined = "Not defined";
    static constexpr const char* kActivateQuestion =
        "To be able to update the BTS, BTS connection is required.\nThe BTS Connection is "
        "currently disabled, do you want to activate it?";
    static constexpr const char* kNotEstablished =
        "BTS connection is not established. You may not be able \nto update the configuration. "
        "Proceed anyway?";
    static constexpr const char* kIncorrectBcf =
        "Incorrect BCF state. You may not be able \nto update the configuration. Proceed anyway?";

    explicit CWizardWaitController(CWizardSheetModel& sheet) : m_sheet(sheet) {}

    void FirstDisplay();
    void Enter();
    void ConnectionLost();
    void ConnectionEstablished();
    void InformationReceived();
    void CheckBcfState();
    // A notification the main window relays: connection state, or news from the BTS.
    void OnNotification(int message, int wParam);
    // False keeps the page.
    bool Next();
    bool BackAllowed() const;

    int State() const { return m_state; }
    const std::vector<std::string>& Lines() const { return m_lines; }
    // The candidate as the page shows it: name, network type, TRX units, cabling.
    struct SInfo {
        std::string name;
        std::string network;
        std::string trxUnits;
        std::string cabling;
    };
    SInfo Information() const;

private:
    void SetState(int state);

    CWizardSheetModel& m_sheet;
    int m_state = kNoConnection;
    int m_lastBcf = -2;
    bool m_firstShown = false;
    std::vector<std::string> m_lines;
};
