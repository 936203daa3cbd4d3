#pragma once
// The view bar's rules without its window: which button has the focus and which is pressed,
// how far the list is scrolled, and what keys and clicks do.

#include <vector>

#include "app/views/ViewBase.h"

class CViewBarState {
public:
    static constexpr int kButtonHeight = 65;

    void SetEntries(std::vector<SBarEntry> entries);
    const std::vector<SBarEntry>& Entries() const { return m_entries; }
    int Count() const { return static_cast<int>(m_entries.size()); }

    int FocusIndex() const { return m_focus; }
    void SetFocusIndex(int index);
    // Index of the button of the view type, -1 when the bar has none.
    int IndexOfView(int viewType) const;

    // Keys: Home/PageUp the first, End/PageDown the last, Left/Up the previous and Right/Down
    // the next button, wrapping around; Space and Enter (Activate) press the focused button.
    // Returns the command of the button that now has the focus, 0 for another key.
    enum class EKey { Home, End, PageUp, PageDown, Left, Up, Right, Down, Activate, Other };
    int Key(EKey key);

    // A click runs its button's command when press and release hit the same button; 0 else.
    void Press(int index);
    int Release(int index);
    int Pressed() const { return m_pressed; }

    // Scrolling when the buttons do not fit the height.
    int FirstVisible() const { return m_first; }
    bool NeedsScrolling(int height) const;
    int VisibleCount(int height) const;
    void ScrollBy(int buttons, int height);
    // Scrolls so that the focused button is visible.
    void KeepFocusVisible(int height);

private:
    std::vector<SBarEntry> m_entries;
    int m_focus = 0;
    int m_pressed = -1;
    int m_first = 0;
};
