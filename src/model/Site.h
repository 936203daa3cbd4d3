#pragma once
// The model of one BTS as the tool sees it: the configuration candidate the user edits, kept as
// a ring of snapshots so that every edit can be undone, and the configuration currently in the
// BTS. Every other part reaches units and cables through the site, naming the configuration by
// a selector.

#include <cstdint>
#include <memory>
#include <string>

#include "model/CableGuy.h"
#include "model/DataBase.h"
#include "model/SiteHost.h"
#include "model/UndoRing.h"

class CBandInformation;
struct UnitTypeRecord;

// Configuration selectors.
enum ESelector : int {
    kSelectShown = 0,
    kSelectCandidate = 1,
    kSelectBts = 2,
};

class CSite {
public:
    static constexpr int kRingSize = CUndoRing::kSize;
    static constexpr int kMaxUndo = CUndoRing::kMaxUndo;

    virtual ~CSite();
    CSite(const CSite&) = delete;
    CSite& operator=(const CSite&) = delete;

    // Configurations. The candidate slot of the ring is created on first use; the BTS
    // configuration may be absent (nullptr).
    CDataBase* GetConfiguration(int selector);
    bool HasConfiguration(int selector);
    bool SelectsBts(int selector) const;
    int ForcedMode() const { return m_forcedMode; }
    // Only taken while no mode is forced; ClearForcedMode ends it.
    void SetForcedMode(int mode);
    void ClearForcedMode() { m_forcedMode = 0; }
    bool ShowsBts() const { return m_showBts; }
    void SetShowBts(bool show) { m_showBts = show; }
    int UndoCount() const { return m_undo.Count(); }
    int RedoCount() const { return m_undo.RedoCount(); }
    int RingIndex() const { return m_undo.Index(); }
    const CDataBase* Snapshot(int slot) const;
    int Option() const { return m_option; }
    void SetOption(int option) { m_option = option; }
    const std::string& Text() const { return m_text; }
    void SetText(std::string text) { m_text = std::move(text); }

    // Units and cables.
    CUnit* FirstUnitOfKind(int& position, int kind, int selector);
    CUnit* NextUnitOfKind(int& position, int kind, int selector);
    CUnit* FindUnit(int kind, int number, int selector);
    CUnit* FindUnitByDisplayedNumber(int kind, int displayedNumber, int selector);
    CCabling* FirstCable(int& position, int selector);
    CCabling* NextCable(int& position, int selector);
    CCabinet* Cabinet(int index, int selector);
    // Appends the unit; with an undo step the edit is labelled "Add Unit". -1 on failure.
    int AddUnit(std::unique_ptr<CUnit> unit, bool withUndo, int selector);
    // A unit kept when removed becomes an upgrade unit; any other is deleted with its cables.
    void RemoveUnit(CUnit* unit, int selector);
    bool ContainsUnit(const CUnit* unit);
    int AddCable(std::unique_ptr<CCabling> cable, int selector);
    void RemoveCable(const CCabling* cable, int selector);
    CLogicalUnit* LogicalUnitFor(int logicalKind, const CUnit& unit, int selector);

    // Stores the band value; units that do not take it are given its (primary) band. A dual
    // band changes units only when forced.
    void SetBand(int bandValue, int selector, bool force);
    // Collects the bands of transceivers 1-12, adapting any still open transceiver to 900.
    int CollectBand(int selector, bool includeOutOfUse, CBandInformation* info = nullptr);

    // Undo ring.
    void PushUndoStep(const std::string& label);
    // 1 when a step was undone.
    int Undo(int selector);
    // 1 when an undone step was made again.
    int Redo(int selector);
    // The label of the step Redo makes again; empty when there is none.
    std::string RedoLabel() const;
    // What the candidate is now, as a document compares it with what it saved: equal values
    // are the same snapshot, unchanged since.
    std::uint64_t CandidateState();
    // The candidate was changed without a step of its own.
    void MarkCandidateChanged() { m_undo.MarkCurrentChanged(); }
    // The steps ahead can no longer be made again (a run that was cancelled, not undone).
    void DropRedo() { m_undo.DropRedo(); }

    CCableGuy* CableGuy() const { return m_cableGuy.get(); }
    ISiteHost& Host() const { return *m_host; }
    IPrompt& Prompt() const { return *m_prompt; }

    // Family operations.
    virtual void RemoveOrMarkIdleCombiners(int /*mode*/, int /*selector*/) {}
    virtual void ReleaseUnitCabling(CUnit& /*unit*/) {}
    virtual void MoveDduCabling(int /*kind*/, int /*from*/, int /*to*/) {}
    virtual void RebuildOccupancyMaps(int /*selector*/) {}
    virtual bool PlacesFree(int /*selector*/, const CUnit& /*unit*/, const CUnit* /*ignore*/) {
        return true;
    }
    virtual CUnit* CreateCombinerUnit(int /*kind*/, int /*number*/, int /*selector*/) {
        return nullptr;
    }
    virtual std::string TypeNameById(int /*typeId*/, int /*number*/, bool /*parentheses*/) {
        return {};
    }
    // Makes the configuration currently in BTS the new candidate (an undoable edit).
    virtual bool EditBtsConfiguration();
    virtual void Refresh(bool withDocument);
    virtual int FamilyConstantA() const { return 0; }
    virtual int FamilyConstantB() const { return 0; }
    virtual CLogicalUnit* CreateLogicalUnit(int logicalKind, const CUnit* unit, int selector);
    virtual void ResetBtsConfiguration() {}
    virtual void DropBtsConfiguration();
    virtual const UnitTypeRecord* CatalogueRow(int /*index*/) const { return nullptr; }
    virtual void Download(bool /*fromConnection*/) {}
    virtual void UnitReportedByBts(int /*objectClass*/, int /*number*/,
                                   const CLogicalUnit* /*reported*/) {}
    virtual std::string KindName(int /*kind*/) const { return {}; }
    // The first connector index of the kind at that end (0 start, 1 end) that no cable uses;
    // -1 when there is none. The cable found on a tried index is handed back.
    virtual int FreeConnector(int end, const CUnit& unit, int connectorKind, int startIndex,
                              int selector, CCabling** occupiedBy);
    virtual void SetCabinet(int /*clockSync*/, int /*lte*/, int /*vswr*/, int /*wcdma*/,
                            int /*cabinetType*/, int /*mrc*/, int /*selector*/) {}

protected:
    // Without a host the site runs on its own: nothing is logged and questions are answered No.
    CSite(ISiteHost* host, IPrompt* prompt);
    // An empty configuration of the site's family; nullptr when the family has none.
    virtual std::unique_ptr<CDataBase> CreateDataBase() const { return nullptr; }
    void SetCableGuy(std::unique_ptr<CCableGuy> guy) { m_cableGuy = std::move(guy); }
    // The candidate at the current ring index, whatever the selector rules say.
    CDataBase* Candidate();

private:
    // Units a page showed when the step was recorded: the page went with the undo.
    void DropShownOnlyUnits();
    std::unique_ptr<CCableGuy> m_cableGuy;
    int m_forcedMode = 0;
    std::string m_text;
    bool m_showBts = false;
    int m_option = 1;
    CUndoRing m_undo;
    CNullSiteHost m_nullHost;
    ISiteHost* m_host;
    IPrompt* m_prompt;
};
