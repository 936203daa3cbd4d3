#pragma once
// What the site needs from the document that holds it and from the user: the site never shows
// a window; the windows, the command line and tests each put their own behind these.

#include <string>

// General notifications the site sends to the main window.
enum ESiteNotification : int {
    kNotifyUndoPerformed = 1,
    kNotifyTransferStatusChanged = 2,
};

class ISiteHost {
public:
    virtual ~ISiteHost() = default;
    virtual void LogEvent(const std::string& line) = 0;
    virtual void SetModified() = 0;
    // A unit left the candidate for good (it was not kept as an upgrade unit). A document that
    // keeps the file record it was opened from or saved to drops the unit's record with it.
    virtual void UnitDeleted(int /*kind*/, int /*number*/) {}
    virtual void RefreshViews() = 0;
    // A general notification for the main window and the value that goes with it (a transfer
    // status change: step x 256 + the new status; 0 otherwise).
    virtual void NotifyMainWindow(int notification, int value) = 0;
    // The view's selection, stored with every undo snapshot.
    virtual int ViewSelection() const { return 1; }
    virtual void ResetPassiveUnits() {}
    virtual void StartDownload(bool /*fromConnection*/) {}
};

class IPrompt {
public:
    virtual ~IPrompt() = default;
    // A refusal or error the user has to acknowledge.
    virtual void Message(const std::string& text) = 0;
    virtual bool AskYesNo(const std::string& text) = 0;
    // The same with the exclamation icon, for a question whose Yes cannot be taken back
    // lightly (clearing all of something, sending what the BTS may not take).
    virtual bool AskYesNoWarning(const std::string& text) { return AskYesNo(text); }
};

// Stands in when a site has no document: nothing is logged, questions are answered No.
class CNullSiteHost : public ISiteHost, public IPrompt {
public:
    void LogEvent(const std::string&) override {}
    void SetModified() override {}
    void RefreshViews() override {}
    void NotifyMainWindow(int, int) override {}
    void Message(const std::string&) override {}
    bool AskYesNo(const std::string&) override { return false; }
};
