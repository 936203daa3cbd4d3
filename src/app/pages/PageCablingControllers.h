#pragma once
// The TX, RX main and RX diversity cabling pages: one TRX at a time, its endpoints chosen by
// name, previewed in the views before they are set, and kept consistent with the TRXs that
// share a wideband unit or multicoupler.

#include <string>

#include "app/pages/ComboFillers.h"
#include "app/pages/PageController.h"

class CUnitKTrx;

class CCablingPageController : public CPageController {
public:
    ComboItems Trxs() const { return combo::TrxList(Candidate(), true); }
    // Selecting a TRX drops every preview and shows its recorded endpoints; 0 selects none.
    void SelectTrx(int number);
    // The views selected a unit while the sheet was not active: a TRX the page lists is
    // shown, anything else selects "Not selected".
    void FollowSelection(int kind, int number);
    int SelectedTrx() const { return m_trx; }
    bool Enabled() const;
    // The cables of this page's type that run for the selected TRX, one per line.
    std::string CablingStatus() const;
    // Sets the selected TRX's endpoints to 0.
    bool Clear();
    // Asks first; No records nothing.
    bool ClearAll();

protected:
    CCablingPageController(CSiteKODA& site, IPageDocument& document, int cableType)
        : CPageController(site, document), m_cableType(cableType) {}
    CUnitKTrx* Trx() const;
    // Every TRX's preview fields go; the views draw what is recorded again.
    void ClearPreviews();
    // Lets the TRXs that share equipment with the selected one show what they would follow.
    void ProposeToSharing();
    // Writes the boxes into the TRX, lets the sharing TRXs follow, and records the step.
    bool StoreAndShare(const char* label);
    virtual void LoadBoxes() = 0;
    virtual void WriteBoxes(CUnitKTrx& trx) const = 0;
    virtual void ClearEndpoints(CUnitKTrx& trx) const = 0;
    virtual const char* ClearLabel() const = 0;
    virtual const char* ClearAllLabel() const = 0;
    virtual const char* ClearAllQuestion() const = 0;

    int m_cableType;
    int m_trx = 0;
};

class PageTXCablingController : public CCablingPageController {
public:
    static constexpr const char* kSetLabel = "Set TX Cabling";

    PageTXCablingController(CSiteKODA& site, IPageDocument& document);

    ComboItems Paths() const { return combo::WidebandUnits(Candidate()); }
    ComboItems Combiners() const { return combo::TxCombiners(Candidate()); }
    int Path1() const { return m_path1; }
    int Path2() const { return m_path2; }
    int Combiner() const { return m_combiner; }
    // Each choice previews; path 1 proposes path 2 and the combiner of a TRX already on it,
    // path 2 the combiner. False when the box does not offer the value.
    bool ChoosePath1(int path);
    bool ChoosePath2(int path);
    bool ChooseCombiner(int combiner);
    bool Set();

protected:
    void LoadBoxes() override;
    void WriteBoxes(CUnitKTrx& trx) const override;
    void ClearEndpoints(CUnitKTrx& trx) const override;
    const char* ClearLabel() const override { return "Clear TX Cabling"; }
    const char* ClearAllLabel() const override { return "Clear All TX Cabling"; }
    const char* ClearAllQuestion() const override {
        return "Are you sure you want to clear all\nTX cabling information?";
    }

private:
    void Preview(int field, int value, int recorded);
    int m_path1 = 0;
    int m_path2 = 0;
    int m_combiner = 0;
};

// RX main and RX diversity differ only in the fields and texts.
class CRxCablingController : public CCablingPageController {
public:
    ComboItems Multicouplers() const { return combo::Multicouplers(Candidate()); }
    ComboItems Combiners() const { return combo::RxCombiners(Candidate()); }
    int Multicoupler() const { return m_multicoupler; }
    int Combiner() const { return m_combiner; }
    // Choosing a multicoupler proposes the combiner of a TRX already on it.
    bool ChooseMulticoupler(int multicoupler);
    bool ChooseCombiner(int combiner);
    bool Set();

protected:
    CRxCablingController(CSiteKODA& site, IPageDocument& document, int cableType);
    void LoadBoxes() override;
    void WriteBoxes(CUnitKTrx& trx) const override;
    void ClearEndpoints(CUnitKTrx& trx) const override;
    virtual const char* SetLabel() const = 0;

private:
    bool Main() const;
    int& RecordedMulticoupler(CUnitKTrx& trx) const;
    int& RecordedCombiner(CUnitKTrx& trx) const;
    int m_multicoupler = 0;
    int m_combiner = 0;
};

class PageRXCablingController : public CRxCablingController {
public:
    static constexpr const char* kSetLabel = "Set RX Main Cabling";
    PageRXCablingController(CSiteKODA& site, IPageDocument& document);

protected:
    const char* SetLabel() const override { return kSetLabel; }
    const char* ClearLabel() const override { return "Clear RX Main Cabling"; }
    const char* ClearAllLabel() const override { return "Clear All RX Main Cabling"; }
    const char* ClearAllQuestion() const override {
        return "Are you sure you want to clear all\nRX main cabling information?";
    }
};

class PageRXDCablingController : public CRxCablingController {
public:
    static constexpr const char* kSetLabel = "Set RX Div Cabling";
    PageRXDCablingController(CSiteKODA& site, IPageDocument& document);

protected:
    const char* SetLabel() const override { return kSetLabel; }
    const char* ClearLabel() const override { return "Clear RX Div Cabling"; }
    const char* ClearAllLabel() const override { return "Clear All RX Div Cabling"; }
    const char* ClearAllQuestion() const override {
        return "Are you sure you want to clear all\nRX diversity cabling information?";
    }
};
