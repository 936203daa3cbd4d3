#pragma once
// What the transfer dialog does, without a window: its mode and title, which buttons are shown
// and enabled, the comparison columns, the status line with its progress, and the Send and
// Fetch commands with their questions and messages. A window only mirrors these fields.

#include <functional>
#include <initializer_list>
#include <string>

class CConfigInfoKODA;
class CHWInfoFile;
class CConfigTransfer;
class CSiteKODA;

class CBTSUpdateFetchDlg {
public:
    enum EMode : int {
        kSendConfiguration = 0,
        kSendPassive = 1,
        kFetchConfiguration = 2,
        kFetchPassive = 3,
    };

    // What the dialog reads from around it.
    struct SEnvironment {
        CSiteKODA* site = nullptr;
        CConfigTransfer* transfer = nullptr;
        // The configuration summary; nullptr leaves the comparison columns empty.
        CConfigInfoKODA* info = nullptr;
        std::function<bool()> linkUp;
        // State of the BCF of the configuration currently in BTS; -1 without one.
        std::function<int()> bcfState;
        bool remote = false;
        bool fullControl = true;
        // Shows the "Currently in BTS" tab after a failed send; unset without a container view.
        std::function<void()> selectBtsTab;
        // Passive unit information of the candidate and of the BTS, for the empty check.
        const CHWInfoFile* candidatePassive = nullptr;
        const CHWInfoFile* btsPassive = nullptr;
        // Event log of the document.
        std::function<void(const std::string&)> log;
    };

    CBTSUpdateFetchDlg(int mode, SEnvironment environment);

    int Mode() const { return m_mode; }
    std::string Title() const;
    // False when the user declined to send a configuration that is not fully compatible: the
    // dialog then closes.
    bool Start();
    void Refresh();
    void OnSend();
    void OnFetch();
    // Ignored for a step above 4 or an empty text.
    void SetStatus(const std::string& text, int step);

    // What the window shows.
    std::string bcfStateText;
    std::string comment;
    bool sendEnabled = false;
    bool fetchEnabled = false;
    bool sendVisible = true;
    bool fetchVisible = true;
    bool missingInfoVisible = true;
    std::string candidateLabels, candidateValues;
    std::string btsLabels, btsValues;
    std::string status;
    int progress = 0;
    std::string percentText;
    bool crossConnectionDiffers = false;

private:
    bool TransferAllowed() const;
    // A remote link and no full control: nothing may be sent.
    bool SendRightsMissing() const;
    void Compare();
    // The flow is over: the bar ends, and the status and the message say why when the
    // transfer knows it.
    void Fail(const std::string& message, bool sending, const std::string& reason);
    // The reason of the first of the steps that failed.
    std::string ReasonOf(std::initializer_list<int> steps) const;
    void Log(int stringId);

    int m_mode;
    SEnvironment m_env;
    bool m_fullyCompatible = true;
};
