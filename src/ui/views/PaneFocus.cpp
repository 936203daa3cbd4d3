#include "ui/views/PaneFocus.h"

#include <QWidget>

namespace pane_focus {

namespace {

bool Takes(const QWidget* w) {
    return w != nullptr && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus);
}

} // namespace

QWidget* Next(const std::vector<QWidget*>& order, const QWidget* from, bool forward) {
    const int n = static_cast<int>(order.size());
    int at = -1;
    for (int i = 0; i < n && from != nullptr; ++i) {
        if (order[i] != nullptr && (order[i] == from || order[i]->isAncestorOf(from))) {
            at = i;
            break;
        }
    }
    if (at < 0) {
        at = forward ? n - 1 : 0;
    }
    for (int step = 1; step <= n; ++step) {
        QWidget* w = order[((forward ? at + step : at - step) % n + n) % n];
        if (Takes(w)) {
            return w;
        }
    }
    return nullptr;
}

} // namespace pane_focus
