#pragma once
// Command ids of the menus and toolbars. Stored nowhere, but the help contexts (0x10000 + id)
// and the notification parameters of other windows name them, so they keep their values.

namespace cmd {

inline constexpr int kOverlapToolbar = 385;
inline constexpr int kWizard = 32772;
inline constexpr int kProperties = 32806;
inline constexpr int kNew = 32822;
// Our own: the new-site sheet over the templates folder.
inline constexpr int kNewFromTemplate = 32991;
inline constexpr int kSend = 32823;
inline constexpr int kOptions = 32825;
inline constexpr int kFetch = 32826;
inline constexpr int kCandidateTabView = 32828;
inline constexpr int kBtsTabView = 32829;
inline constexpr int kPropertySheetOptions = 32950;
inline constexpr int kReplaceCabinet = 32952;
inline constexpr int kCopyBtsConfiguration = 32954;
inline constexpr int kBtsTab = 32955;
inline constexpr int kCandidateTab = 32956;
inline constexpr int kSendPassive = 32957;
inline constexpr int kFetchPassive = 32958;
inline constexpr int kUpdateToLatest = 32964;
inline constexpr int kDisconnect = 32967;
inline constexpr int kConnectRemote = 32969;
inline constexpr int kConnectLocal = 32970;
inline constexpr int kSimulator = 32973;
inline constexpr int kShowPhysicalUnits = 32977;
inline constexpr int kShowFileUnits = 32978;

inline constexpr int kFileNew = 57600;
inline constexpr int kOpen = 57601;
inline constexpr int kSave = 57603;
inline constexpr int kSaveAs = 57604;
inline constexpr int kPrint = 57607;
inline constexpr int kPrintPreview = 57609;
inline constexpr int kRecentFile1 = 57616; // to 57619
inline constexpr int kRecentFileCount = 4;
inline constexpr int kUndo = 57643;
inline constexpr int kRedo = 57644;
inline constexpr int kAbout = 57664;
inline constexpr int kExit = 57665;
inline constexpr int kHelpTopics = 57667;
inline constexpr int kToolbar = 59392;
inline constexpr int kStatusBar = 59393;

// View commands of the view manager: view types 1-10 and the redraw of every view.
inline constexpr int kFirstViewCommand = 32773;
inline constexpr int kDifferencesView = 32785;
inline constexpr int kSelmoDiversityView = 32784;
inline constexpr int kConnectionView = 32783;
inline constexpr int kRefreshAllViews = 32786;

// The view command that shows a view type; the redraw of every view for other types.
constexpr int ViewCommandOfType(int viewType) {
    if (viewType >= 1 && viewType <= 10) {
        return kFirstViewCommand + viewType - 1;
    }
    switch (viewType) {
    case 11:
        return kDifferencesView;
    case 12:
        return kSelmoDiversityView;
    case 13:
        return kConnectionView;
    default:
        return kRefreshAllViews;
    }
}

} // namespace cmd

// Notifications relayed by the main window to the windows that registered for them.
namespace notify {
inline constexpr int kConnectionState = 3054; // mask 1
inline constexpr int kBtsNotification = 3055; // mask 2
inline constexpr int kGeneral = 3056;         // mask 4

inline constexpr int kDisconnectedIcon = 1;
inline constexpr int kConnectedIcon = 2;
inline constexpr int kUndoPerformed = 4;
inline constexpr int kTransferStatus = 5;
// The active view, the shown configuration or the whole view manager changed; the property
// sheet lays out its pages again.
inline constexpr int kViewChanged = 6;
// The views selected another unit (lParam 256 x number + kind, 0 for none).
inline constexpr int kSelectionChanged = 9;
// A passive unit node was chosen (lParam PackPassiveSelection); the passive units tree and
// page show it.
inline constexpr int kPassiveRecordChosen = 11;

constexpr int MaskOf(int message) {
    return message == kConnectionState   ? 1
           : message == kBtsNotification ? 2
           : message == kGeneral         ? 4
                                         : 0;
}
} // namespace notify
