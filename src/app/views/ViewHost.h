#pragma once
// What the view manager needs from the document that owns it: the open site, the passive unit
// information of both configurations, the state of the BTS link, and where to send the
// notifications that make the windows follow a change.

class CSite;
class CSiteKODA;
class CHWInfoFile;

class IViewHost {
public:
    virtual ~IViewHost() = default;

    // nullptr while the document has no site.
    virtual CSiteKODA* Site() = 0;
    // The open site of any family; hosts that only carry Orvik sites need not say.
    virtual CSite* FamilySite() { return nullptr; }
    // Passive unit information of the candidate (1) or of the configuration currently in BTS
    // (2); nullptr when there is none.
    virtual const CHWInfoFile* PassiveUnits(int /*selector*/) { return nullptr; }
    // The link to the BTS is up.
    virtual bool BtsConnected() const { return false; }
    // The document keeps a connection, whatever "EnableBTS" says: a remote one, or a target
    // given on the command line.
    virtual bool ConnectionWanted() const { return false; }

    // The selected unit changed; 256 × number + kind, 0 for none.
    virtual void UnitSelected(int /*packedKindAndNumber*/) {}
    // A passive unit node was chosen in a list row, the tree or the passive units page: a top
    // group (group 0), a group (slot -1) or one record. The tree and the page follow it.
    virtual void ShowPassiveNode(int /*top*/, int /*group*/, int /*slot*/) {}
    // The picture and the list need to be drawn and filled again.
    virtual void ViewsChanged() {}
    // Drawing the configuration currently in BTS met a unit that only one configuration has.
    virtual void DifferencesFound() {}
    // Properties of the selected unit were asked for (double click, Enter).
    virtual void OpenProperties() {}

    // Start-up passes. The first one opens the update-only wizard when the program was started
    // for it; later ones fetch what is missing of the configuration currently in BTS, one
    // transfer step (1-3) at a time, and then keep an eye on the link.
    virtual void OpenUpdateWizard() {}
    virtual void RequestBtsPart(int /*step*/) {}
    virtual void PollConnection() {}
};
