#pragma once
// What the property pages need from the document and the windows around them: the changed mark
// that drives the save question, the redraw of the views, and the selection the views share.
// The document implements it; the command line and tests put their own behind it.

class IPageDocument {
public:
    virtual ~IPageDocument() = default;
    // The candidate differs from what was last saved or sent.
    virtual void MarkConfigurationChanged() = 0;
    // Redraws the active view (view type 14) after a change.
    virtual void RedrawViews() {}
    // The main frame shows the band; it is told when the band changes.
    virtual void BandChanged() {}
    // A page chose a unit: the views select it too. Kind 0 clears the selection.
    virtual void SelectUnitInViews(int /*kind*/, int /*number*/) {}
    // The software level the connected BTS reports; 0 when unknown or not connected.
    virtual int BtsSwLevel() const { return 0; }
    // The BTS link as the BTS page shows it.
    virtual bool BtsConnected() const { return false; }
    // The state of BCF 1 in the configuration currently in BTS; -1 when none was reported.
    virtual int BcfState() const { return -1; }
    // Sending over this connection needs full-control rights and the user lacks them.
    virtual bool SendRightsMissing() const { return false; }
};

// Counts what the pages asked for; enough for the command line, which only saves at the end.
class CCountingPageDocument : public IPageDocument {
public:
    void MarkConfigurationChanged() override { ++changes; }
    void RedrawViews() override { ++redraws; }
    void BandChanged() override { ++bandChanges; }
    void SelectUnitInViews(int kind, int number) override {
        selectedKind = kind;
        selectedNumber = number;
    }
    int BtsSwLevel() const override { return btsSwLevel; }
    bool BtsConnected() const override { return connected; }
    int BcfState() const override { return bcfState; }
    bool SendRightsMissing() const override { return rightsMissing; }

    int changes = 0;
    int redraws = 0;
    int bandChanges = 0;
    int selectedKind = 0;
    int selectedNumber = 0;
    int btsSwLevel = 0;
    bool connected = false;
    int bcfState = -1;
    bool rightsMissing = false;
};
