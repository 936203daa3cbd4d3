#pragma once
// The "RX Diversity" page of a Selmo site: which transceiver is worked on, which other one it
// shares its RX diversity with, and the three edits (set, clear, clear all). Each edit is one
// labelled undo step; an edit that would change nothing records none.

#include <string>

#include "app/pages/ComboFillers.h"
#include "app/pages/PageDocument.h"

class CDataBase;
class CSiteTARN;

class PageRXDivTARNController {
public:
    static constexpr const char* kSetLabel = "Set RX Diversity Pair";
    static constexpr const char* kClearLabel = "Clear RX Diversity Pair";
    static constexpr const char* kClearAllLabel = "Clear All RX Diversity Pairs";
    static constexpr const char* kNotSelected = "Not selected";
    static constexpr const char* kNoPartner = "-";

    PageRXDivTARNController(CSiteTARN& site, IPageDocument& document)
        : m_site(site), m_document(document) {}

    // "Not selected" (0), then every transceiver by number.
    ComboItems Trxs() const;
    // The transceiver worked on; 0 for none (also once it is gone).
    int Chosen() const;
    // Chosen in the page: the views select it too.
    void Choose(int number);
    // The views selected a unit; anything but a transceiver leaves the page on none.
    void Follow(int kind, int number);

    // "-" (0), then every transceiver but the chosen one.
    ComboItems Partners() const;
    // The transceiver the chosen one is paired with; 0 for none.
    int Partner() const;

    bool Editable() const;
    bool CanSet(int partner) const;
    bool CanClear() const;
    bool CanClearAll() const;
    // Pairs the chosen transceiver with the partner; earlier partners of either are left
    // without a pair. False when nothing was changed.
    bool Set(int partner);
    bool Clear();
    bool ClearAll();

private:
    CDataBase* Candidate() const;
    bool Exists(int number) const;
    void Edited();

    CSiteTARN& m_site;
    IPageDocument& m_document;
    int m_trx = 0;
};
