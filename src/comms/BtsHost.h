#pragma once
// What the BTS object model needs from the document and the windows: the connection event log,
// the wait cursor, redraws and messages. The GUI, the command line and tests each put their own
// behind it; every call has a do-nothing default.

#include <string>

class CSite;

class IBtsHost {
public:
    virtual ~IBtsHost() = default;
    // The site whose "Currently in BTS" side the reported objects fill; nullptr when none.
    virtual CSite* Site() { return nullptr; }
    virtual void SetWaitCursor(bool /*on*/) {}
    // A line of the connection event log; continuation lines have an empty time column.
    virtual void AddEventLine(const std::string& /*time*/, const std::string& /*text*/) {}
    virtual void NotifyMainWindow(int /*message*/, int /*wParam*/, int /*lParam*/) {}
    // A unit whose state or alarm changed has to be drawn again.
    virtual void RedrawObject(int /*objectClass*/, int /*index*/) {}
    virtual void RefreshViews(int /*view*/) {}
    // A refusal the user has to acknowledge.
    virtual void ShowMessage(const std::string& /*text*/) {}
    // A supported BTS reported and the document has no "Currently in BTS" side yet.
    virtual void EnsureBtsSite() {}
    // Bands of the transceivers the BTS reports (band bits, accumulating).
    virtual void AddBtsBand(int /*bandBits*/) {}
    virtual void StoreBtsVariant(int /*variant*/, bool /*edge*/) {}
    // A problem the document tells the user about.
    virtual void ReportProblem(const std::string& /*text*/) {}
};
