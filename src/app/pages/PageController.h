#pragma once
// The base of the window-free page controllers: every page edits the candidate of one site, and
// every edit is one labelled undo step followed by the same aftermath (cables, changed mark,
// redraw). Pages keep no copy of the configuration; they look units up on every use, because an
// undo step or another page may have replaced the objects since.

#include <string>

#include "app/pages/PageDocument.h"

class CDataBaseKODA;
class CSiteKODA;
class IPrompt;

class CPageController {
public:
    CPageController(CSiteKODA& site, IPageDocument& document)
        : m_site(site), m_document(document) {}
    virtual ~CPageController() = default;
    CPageController(const CPageController&) = delete;
    CPageController& operator=(const CPageController&) = delete;

    CSiteKODA& Site() const { return m_site; }
    IPageDocument& Document() const { return m_document; }
    // The candidate as it is now; never keep it across an edit.
    CDataBaseKODA& Candidate() const;
    // Pages edit only the candidate; while the BTS configuration is shown they only show.
    bool Editable() const;

protected:
    // Records the undo step the edit is undone by; false when nothing may be edited.
    bool BeginEdit(const std::string& label);
    // What follows every edit: the cable states, the antenna types from the MHAs (when the units
    // changed), the changed mark and the redraw.
    void EndEdit(bool unitsChanged = false);
    IPrompt& Prompt() const;

private:
    CSiteKODA& m_site;
    IPageDocument& m_document;
};
