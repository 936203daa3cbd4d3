#pragma once
// The sizes and button texts of the BTS connection error dialog: it opens collapsed, three
// quarters wide when it has no details to show, and a button expands it to its full size.

#include <string>

struct SDialogSize {
    int width = 0;
    int height = 0;
    bool operator==(const SDialogSize&) const = default;
};

class CBtsMessageRules {
public:
    static constexpr const char* kTitle = "BTS Connection Error";
    static constexpr const char* kExpandText = "&Details >>";
    static constexpr const char* kCollapseText = "&No Details <<";

    CBtsMessageRules(SDialogSize full, bool hasDetails) : m_full(full), m_hasDetails(hasDetails) {}

    SDialogSize Size() const;
    bool Expanded() const { return m_expanded; }
    bool ButtonEnabled() const { return m_hasDetails; }
    const char* ButtonText() const { return m_expanded ? kCollapseText : kExpandText; }
    void Toggle();
    // The user moved or resized the expanded dialog: that is its full size from now on.
    void Resized(SDialogSize size);

private:
    SDialogSize m_full;
    bool m_hasDetails;
    bool m_expanded = false;
};
