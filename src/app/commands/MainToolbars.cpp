#include "app/commands/MainToolbars.h"

#include "app/commands/CommandIds.h"

const std::vector<SToolbarLayout>& MainWindowToolbars() {
    using namespace cmd;
    static const std::vector<SToolbarLayout> toolbars = {
        {"Toolbar",
         "MainToolbar",
         kToolbar,
         {kNew, kOpen, kSave, 0, kUndo, 0, kConnectLocal, kDisconnect, 0, kHelpTopics}},
        {"Overlap Toolbar", "OverlapToolbar", kOverlapToolbar, {kCandidateTab, kBtsTab}},
    };
    return toolbars;
}
