#pragma once
// The "Options" page of a Selmo site: of the display options only "show only selected cabling"
// means something for the diversity pairs. A change is stored in "ViewSettings" at once, the
// other option bits kept as they are, and the views redraw.

class CRegistry;
class CViewBase;

class PageOptionsRXDivTARNController {
public:
    // Bit 2 of "ViewSettings".
    static constexpr int kOnlySelectedBit = 4;

    PageOptionsRXDivTARNController(CRegistry& settings, CViewBase* views)
        : m_settings(settings), m_views(views) {}

    bool OnlySelectedCabling() const;
    // Stores the option and redraws; false when it was already so.
    bool SetOnlySelectedCabling(bool on);

private:
    CRegistry& m_settings;
    CViewBase* m_views;
};
