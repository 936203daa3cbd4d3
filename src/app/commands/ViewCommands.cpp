#include "app/commands/ViewCommands.h"

#include "app/commands/CommandIds.h"
#include "app/views/ViewBase.h"
#include "model/SiteKODA.h"

namespace viewcommands {

int ViewTypeOfCommand(const CViewBase& manager, int command) {
    if (command == cmd::kRefreshAllViews) {
        return kViewRedraw;
    }
    const CViewPageBase* view = manager.FindViewByCommand(command);
    return view != nullptr ? view->Type() : 0;
}

bool Run(CViewBase& manager, int command) {
    switch (command) {
    case cmd::kCandidateTabView:
        manager.ShowConfiguration(kSelectCandidate);
        return true;
    case cmd::kBtsTabView:
        manager.ShowConfiguration(kSelectBts);
        return true;
    default:
        break;
    }
    const int type = ViewTypeOfCommand(manager, command);
    return type != 0 && manager.ActivateView(type);
}

bool Notify(CViewBase& manager, int message, int wParam, int /*lParam*/) {
    switch (message) {
    case notify::kConnectionState:
        // The BTS tab's picture depends on whether the BTS is there at all.
        manager.Redraw();
        return true;
    case notify::kBtsNotification:
        // A BTS that reported itself or changed an object changes the states the views mark.
        if (wParam == 1 || wParam == 2 || wParam == 3) {
            manager.Redraw();
            return true;
        }
        return false;
    case notify::kGeneral:
        if (wParam == notify::kUndoPerformed || wParam == notify::kTransferStatus) {
            manager.Redraw();
            return true;
        }
        return false;
    default:
        return false;
    }
}

} // namespace viewcommands
