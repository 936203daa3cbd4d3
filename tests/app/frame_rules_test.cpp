// The main window's rules without a window: recent files, the notification relay and the sizes
// of the BTS message dialog.
#include "app/link/BtsMessageRules.h"
#include "app/link/NotificationRelay.h"
#include "app/settings/RecentFileList.h"
#include "app/settings/SheetPlacement.h"
#include "app/settings/WindowPlacement.h"
#include "platform/MemoryRegistry.h"

#include <gtest/gtest.h>

namespace {

TEST(RecentFiles, NewestFirstFourAtMostAndKeptInTheSettings) {
    CMemoryRegistry store;
    {
        CRecentFileList list(store);
        for (const char* f : {"/a.hwc", "/b.hwc", "/c.hwc", "/d.hwc", "/e.hwc"}) {
            list.Add(f);
        }
        list.Add("/x/../c.hwc"); // the same file by another spelling moves up
        EXPECT_EQ(list.Files(), (std::vector<std::string>{"/c.hwc", "/e.hwc", "/d.hwc", "/b.hwc"}));
    }
    CRecentFileList again(store);
    EXPECT_EQ(again.Files().front(), "/c.hwc");
    again.Remove("/e.hwc");
    EXPECT_EQ(CRecentFileList(store).Files(),
              (std::vector<std::string>{"/c.hwc", "/d.hwc", "/b.hwc"}));

    // Files of one name are told apart by as many folders as it takes, and only those.
    CMemoryRegistry named;
    CRecentFileList same(named);
    for (const char* f : {"/sites/north/x/plan.hwc", "/sites/south/x/plan.hwc",
                          "/sites/north/harbour.hwc", "/sites/quay.hwc"}) {
        same.Add(f);
    }
    EXPECT_EQ(same.ShownNames(),
              (std::vector<std::string>{"quay.hwc", "harbour.hwc", "south/x/plan.hwc",
                                        "north/x/plan.hwc"}));
}

TEST(SheetPlacement, TheSheetLeavesThePictureOrAtLeastTheSelectedUnitInSight) {
    SSheetPlaceInputs in;
    in.screen = {0, 0, 1920, 1080};
    in.picture = {100, 150, 500, 700};
    in.unit = {300, 400, 60, 30};
    // Where the user left it, clear of the picture: it stays.
    in.sheet = {900, 200, 520, 480};
    EXPECT_EQ(PlaceSheet(in), in.sheet);
    // Over the picture (a dialog centred on the window is): beside it, at the same height.
    in.sheet = {200, 200, 520, 480};
    EXPECT_EQ(PlaceSheet(in), (SScreenRect{608, 200, 520, 480}));
    // Near the screen's bottom the sheet moves up as far as it must.
    in.sheet = {200, 700, 520, 480};
    EXPECT_EQ(PlaceSheet(in), (SScreenRect{608, 600, 520, 480}));
    // A small screen has no room beside the whole picture: beside the unit then.
    in.screen = {0, 0, 1024, 600};
    in.picture = {20, 80, 450, 500};
    in.unit = {200, 300, 60, 30};
    in.sheet = {230, 60, 560, 480};
    EXPECT_EQ(PlaceSheet(in), (SScreenRect{268, 60, 560, 480}));
    // Without a selected unit, and no room, it opens where it would have.
    in.unit = {};
    EXPECT_EQ(PlaceSheet(in), in.sheet);
}

struct CountingTarget : INotificationTarget {
    bool exists = true;
    int* sent;
    int* posted;
    CountingTarget(int* s, int* p) : sent(s), posted(p) {}
    bool Exists() const override { return exists; }
    void Send(int, int, int) override { ++*sent; }
    void Post(int, int, int) override { ++*posted; }
};

TEST(Relay, MaskChoosesTheWindowsAndTheFlagHowTheyAreTold) {
    CNotificationRelay relay;
    int sent = 0, posted = 0, other = 0, unused = 0;
    const int a = relay.Register(std::make_unique<CountingTarget>(&sent, &unused), 1 | 4, true);
    const int b = relay.Register(std::make_unique<CountingTarget>(&unused, &posted), 4, false);
    const int c = relay.Register(std::make_unique<CountingTarget>(&other, &other), 2, true);
    EXPECT_NE(a, b);
    relay.Relay(3054, 1, 0);
    relay.Relay(3056, 4, 0);
    EXPECT_EQ(sent, 2);
    EXPECT_EQ(posted, 1);
    EXPECT_EQ(other, 0);
    EXPECT_FALSE(relay.Find(c)->delivered);
    EXPECT_TRUE(relay.Find(b)->delivered);
    // Messages the relay does not know reach no window.
    relay.Relay(1234, 0, 0);
    EXPECT_EQ(sent + posted + other, 3);
}

TEST(BtsMessage, OpensCollapsedAndOnlyDetailsExpand) {
    CBtsMessageRules none({400, 300}, false);
    EXPECT_EQ(none.Size(), (SDialogSize{300, 135}));
    none.Toggle();
    EXPECT_FALSE(none.Expanded());

    CBtsMessageRules details({400, 300}, true);
    EXPECT_EQ(details.Size(), (SDialogSize{400, 135}));
    details.Toggle();
    EXPECT_EQ(details.Size(), (SDialogSize{400, 300}));
    details.Resized({500, 320}); // the user made it larger: that is its full size now
    details.Toggle();
    EXPECT_EQ(details.Size(), (SDialogSize{500, 145}));
    details.Toggle();
    EXPECT_EQ(details.Size(), (SDialogSize{500, 320}));
}

TEST(Placement, TopEdgeIsClampedLikeTheLeftAndSavedValuesRoundTrip) {
    CMemoryRegistry store;
    SavePlacement(store, {0, 3, 10, 3000, 900, 3600});
    const auto p = RestorePlacement(store, 1280, 1024, 32, 32);
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(p->top, 992);
    EXPECT_EQ(p->left, 10);
    EXPECT_EQ(p->showCommand, 3);
    EXPECT_FALSE(RestorePlacement(CMemoryRegistry(), 1280, 1024, 32, 32).has_value());
}

} // namespace
