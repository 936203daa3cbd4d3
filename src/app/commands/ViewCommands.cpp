#include "app/commands/ViewCommands.h"

#include "app/commands/CommandIds.h"
#include "app/views/ViewBase.h"
#include "model/SiteKODA.h"

namespace viewcommands {

int ViewTypeOfCommand(int command) {
    if (command == cmd::kRefreshAllViews) {
        return kViewRedraw;
    }
    // The inverse of ViewCommandOfType: the views' commands are fixed by their types.
    for (int type = 1; type <= 13; ++type) {
        if (cmd::ViewCommandOfType(type) == command) {
            return type;
        }
    }
    return 0;
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
    // A view the family lacks is not activated.
    const int type = ViewTypeOfCommand(command);
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
