#include "app/commands/HelpTopics.h"

#include <array>
#include <filesystem>

#include "app/commands/CommandIds.h"

namespace help {

namespace {

constexpr const char* kContents = "index.html";

// Framework commands above 0xE000 that the guide describes; the others fall back to contents.
constexpr std::array kFrameworkWithHelp = {
    cmd::kOpen,
    cmd::kSave,
    cmd::kSaveAs,
    57606,
    cmd::kPrint,
    cmd::kPrintPreview,
    cmd::kRecentFile1,
    cmd::kRecentFile1 + 1,
    cmd::kRecentFile1 + 2,
    cmd::kRecentFile1 + 3,
    57643,
    cmd::kAbout,
    cmd::kExit,
    cmd::kHelpTopics,
    57671,
    cmd::kToolbar,
    cmd::kStatusBar,
};

bool HasContents(const std::filesystem::path& folder) {
    std::error_code ec;
    return !folder.empty() && std::filesystem::is_regular_file(folder / kContents, ec);
}

} // namespace

int CommandContext(int commandId) {
    if (commandId <= 0) {
        return 0;
    }
    if (commandId > 0xE000) {
        bool listed = false;
        for (int id : kFrameworkWithHelp) {
            listed = listed || id == commandId;
        }
        if (!listed) {
            return 0;
        }
    }
    return kCommandContextBase + commandId;
}

std::string PageForView(int viewType) {
    switch (viewType) {
    case 1:
        return "views.html#cabinet-information";
    case 2:
        return "views.html#cabinet-units";
    case 3:
        return "views.html#cross-connection";
    case 4:
        return "views.html#tx-cabling";
    case 5:
        return "views.html#rx-main-cabling";
    case 6:
        return "views.html#rx-diversity-cabling";
    case 7:
        return "views.html#all-cabling";
    case 8:
        return "views.html#antenna-settings";
    case 10:
        return "passive-units.html";
    case 11:
        return "views.html#differences";
    case 12:
        return "selmo.html";
    case 13:
        return "connecting.html#event-list";
    default:
        return "views.html";
    }
}

std::string PageForContext(int context) {
    if (context < kCommandContextBase) {
        return kContents;
    }
    const int id = context - kCommandContextBase;
    if (id >= cmd::kFirstViewCommand && id < cmd::kFirstViewCommand + 10) {
        return PageForView(id - cmd::kFirstViewCommand + 1);
    }
    if (id >= cmd::kRecentFile1 && id < cmd::kRecentFile1 + cmd::kRecentFileCount) {
        return "files.html#recent";
    }
    switch (id) {
    case cmd::kNew:
    case cmd::kFileNew:
        return "files.html#new";
    case cmd::kOpen:
        return "files.html#open";
    case cmd::kSave:
    case cmd::kSaveAs:
        return "files.html#save";
    case cmd::kPrint:
    case cmd::kPrintPreview:
    case 57606:
        return "files.html#print";
    case cmd::kUndo:
    case cmd::kRedo:
        return "editing.html#undo";
    case cmd::kProperties:
        return "property-pages.html";
    case cmd::kPropertySheetOptions:
    case cmd::kOptions:
        return "options.html";
    case cmd::kWizard:
        return "wizard.html";
    case cmd::kReplaceCabinet:
    case cmd::kUpdateToLatest:
        return "editing.html#cabinet";
    case cmd::kCopyBtsConfiguration:
    case cmd::kBtsTab:
    case cmd::kCandidateTab:
    case cmd::kBtsTabView:
    case cmd::kCandidateTabView:
    case cmd::kDifferencesView:
        return "views.html#bts-tab";
    case cmd::kSend:
    case cmd::kFetch:
    case cmd::kSendPassive:
    case cmd::kFetchPassive:
        return "connecting.html#transfer";
    case cmd::kConnectLocal:
    case cmd::kConnectRemote:
    case cmd::kDisconnect:
    case cmd::kConnectionView:
        return "connecting.html";
    case cmd::kSimulator:
        return "simulated-bts.html";
    case cmd::kSelmoDiversityView:
        return PageForView(12);
    case cmd::kToolbar:
    case cmd::kStatusBar:
    case cmd::kOverlapToolbar:
        return "index.html#window";
    default:
        return kContents;
    }
}

std::string GuideFolder(const std::string& programDir, const char* overrideFolder,
                        const std::string& sourceFolder) {
    namespace fs = std::filesystem;
    if (overrideFolder != nullptr && *overrideFolder != '\0') {
        return HasContents(overrideFolder) ? std::string(overrideFolder) : std::string();
    }
    const fs::path installed = fs::path(programDir).parent_path() / "share" / "cabrion" / "help";
    if (!programDir.empty() && HasContents(installed)) {
        return installed.string();
    }
    return HasContents(sourceFolder) ? sourceFolder : std::string();
}

} // namespace help
