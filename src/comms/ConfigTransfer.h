#pragma once
// The site operations that move a configuration between the program and the BTS: send the
// candidate (and its passive unit information) and fetch what the BTS holds into the
// configuration currently in BTS, with the statuses, event log lines and questions that go with
// them.

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "comms/ConfigBlocks.h"

class CCommandHandler;
class CHWInfoFile;
class CSiteKODA;

// What a transfer needs besides the site: the BTS (absent without a connection), the level it
// reported and the document's side.
struct STransferContext {
    // nullptr while there is no BTS model (no connection).
    CCommandHandler* commands = nullptr;
    // The software level the BTS reported; 0 when it has not.
    int btsSwLevel = 0;
    // Waits between attempts; tests pass one that returns at once.
    std::function<void(int ms)> wait;
    // The passive unit information of the candidate and of the BTS; nullptr when none is kept.
    CHWInfoFile* candidatePassive = nullptr;
    CHWInfoFile* btsPassive = nullptr;
    // The document's changed marks, cleared after a send; and the view refresh after a fetch.
    std::function<void()> clearConfigurationChanged;
    std::function<void()> clearPassiveChanged;
    std::function<void()> refreshViews;
};

class CConfigTransfer {
public:
    static constexpr int kAttempts = 3;
    static constexpr int kAttemptPauseMs = 500;
    static constexpr int kStepFirst = 1;
    static constexpr int kStepSecond = 2;
    static constexpr int kStepPassive = 3;

    CConfigTransfer(CSiteKODA& site, STransferContext context);

    // Asks first when the candidate's software level differs from the BTS's; "No" marks all
    // three steps as not sent.
    void Download(bool passive);
    void Fetch(bool passive);

    void SendConfiguration();
    void SendPassiveUnits();
    void FetchFirstFile();
    void FetchSecondFile();
    void FetchPassiveUnits();

    // A step's status in the configuration currently in BTS; -1 when there is none.
    static int TransferStatus(int step);
    // Why the last run of a step did not get through, as words for the user ("the BTS did not
    // answer"); empty when it did, or when it was not run by this transfer.
    const std::string& FailureReason(int step) const;

private:
    void FetchFirst();
    void FetchSecond();
    void Log(int stringId);
    void SetStatus(int step, int status);
    void Pause();
    // Runs the exchange of a step up to three times; true when one of them was acknowledged.
    // A refusal ends the tries: the BTS gives the same answer to the same file.
    bool Attempts(int step, const std::function<int()>& exchange);
    // Keeps why the step's last exchange failed, or that it did not.
    void NoteReply(int step);
    void NoteNoConnection(int step);

    CSiteKODA& m_site;
    STransferContext m_context;
    std::array<std::string, 4> m_failure;
    // What the last first-file fetch applied, for the MHAs to be chosen again once the second
    // file has told the combiners' types: nothing when the first file was not applied, an
    // empty block when the BTS sent none.
    std::optional<std::optional<blocks::SCrossConnectionBlock>> m_appliedFirst;
};
