#pragma once
// Tab and Shift+Tab in the main window go from pane to pane in one fixed order (the guide
// lists it), whatever order the panes were made in: the connection event list outlives the
// views and would otherwise come first.

#include <vector>

class QWidget;

namespace pane_focus {

// The pane after (or before) the one holding `from`, among those that can take the focus now,
// wrapping around; the first (or last) of them when `from` is in none; nullptr when none can.
QWidget* Next(const std::vector<QWidget*>& order, const QWidget* from, bool forward);

} // namespace pane_focus
