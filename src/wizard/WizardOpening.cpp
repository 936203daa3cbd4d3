#include "wizard/WizardOpening.h"

#include "app/commands/CommandIds.h"
#include "app/document/BTSConfigurationDoc.h"
#include "ui/MainFrame.h"
#include "wizard/WizardSheet.h"

namespace {

SWizardOpening OpeningOf(CMainFrame& frame, CBTSConfigurationDoc& doc, CRegistry& settings) {
    SWizardOpening opening;
    opening.doc = &doc;
    opening.prompt = &frame;
    opening.settings = &settings;
    opening.mainWindow = &frame;
    const int mask =
        notify::MaskOf(notify::kConnectionState) | notify::MaskOf(notify::kBtsNotification);
    opening.registerNotifications = [&frame, mask](QObject* window,
                                                   std::function<void(int, int, int)> handler) {
        return frame.RegisterForNotifications(window, mask, false, std::move(handler));
    };
    opening.unregisterNotifications = [&frame](int id) { frame.UnregisterNotifications(id); };
    return opening;
}

} // namespace

void InstallWizard(CMainFrame& frame, CBTSConfigurationDoc& doc, CRegistry& settings) {
    frame.wizard = [&frame, &doc, &settings] {
        RunWizard(OpeningOf(frame, doc, settings), false);
        frame.UpdateCommands();
    };
    frame.UpdateCommands();
}

bool OpenStartupWizard(CMainFrame& frame, CBTSConfigurationDoc& doc, CRegistry& settings) {
    if (doc.IdlePass() < 2 || !doc.OpenSiteFileAtStart() || !doc.HasSite()) {
        return false;
    }
    // Cleared first: the wizard's own event loop runs the idle passes again.
    doc.ClearSiteFileAtStart();
    RunWizard(OpeningOf(frame, doc, settings), true);
    frame.UpdateCommands();
    return true;
}
