// The document as the property pages see it: an edit through a page controller is one labelled
// step that the Edit menu names, marks the candidate changed and redraws; a unit chosen in a page
// is selected in the views and the windows hear of it; the BTS page reads the link.
#include <gtest/gtest.h>

#include "DocumentTestSupport.h"
#include "app/commands/CommandIds.h"
#include "app/pages/PageAntennaController.h"
#include "app/pages/PageCablingControllers.h"
#include "app/pages/PageInfoControllers.h"
#include "app/views/ViewBase.h"
#include "model/SiteKODA.h"

#include <algorithm>

namespace {

std::string Sample() {
    return std::string(CABRION_TEST_DATA_DIR) + "/../../docs/samples/harbour-4x3.hwc";
}

bool Heard(const ScriptedWindows& w, int wParam, int lParam) {
    return std::find(w.notifications.begin(), w.notifications.end(),
                     std::tuple<int, int, int>{notify::kGeneral, wParam, lParam}) !=
           w.notifications.end();
}

} // namespace

TEST(DocumentPages, AnEditThroughAPageIsOneNamedStepOfTheLiveDocument) {
    DocumentFixture f;
    ASSERT_TRUE(f.doc->OpenPath(Sample(), true));
    EXPECT_FALSE(f.doc->ConfigurationChanged());
    EXPECT_FALSE(f.doc->IsCommandEnabled(cmd::kUndo));
    EXPECT_TRUE(f.doc->IsCommandEnabled(cmd::kProperties));
    const int redraws = f.windows.redraws;

    PageTXCablingController tx(*f.doc->SiteKODA(), *f.doc);
    tx.SelectTrx(3);
    // The page's choice is the views' selection, and the windows are told.
    EXPECT_EQ(f.doc->ViewManager()->SelectedKind(), 1);
    EXPECT_EQ(f.doc->ViewManager()->SelectedNumber(), 3);
    EXPECT_TRUE(Heard(f.windows, notify::kSelectionChanged, 256 * 3 + 1));
    ASSERT_TRUE(tx.Clear());
    EXPECT_TRUE(f.doc->ConfigurationChanged());
    EXPECT_GT(f.windows.redraws, redraws);
    EXPECT_EQ(f.doc->CommandText(cmd::kUndo), "&Undo Clear TX Cabling\tCtrl + Z");
    EXPECT_EQ(f.doc->SiteKODA()->UndoCount(), 1);

    f.doc->OnCommand(cmd::kUndo);
    EXPECT_FALSE(f.doc->IsCommandEnabled(cmd::kUndo));

    // Clear All is asked with the exclamation icon, on every page that has it.
    PageAntennaController antenna(*f.doc->SiteKODA(), *f.doc);
    f.windows.questionIcons.clear();
    EXPECT_FALSE(tx.ClearAll());
    EXPECT_FALSE(antenna.ClearAll());
    EXPECT_EQ(f.windows.questionIcons, (std::vector<bool>{false, false}));
}

TEST(DocumentPages, ViewChangesAreAnnouncedForTheSheet) {
    DocumentFixture f;
    ASSERT_TRUE(f.doc->OpenPath(Sample(), true));
    f.windows.notifications.clear();
    f.doc->OnCommand(cmd::ViewCommandOfType(kViewAntenna));
    EXPECT_TRUE(Heard(f.windows, notify::kViewChanged, kViewAntenna));
    // A new site drops the old manager first: the sheet lets go of its pages then.
    f.windows.notifications.clear();
    f.doc->New(false);
    EXPECT_TRUE(Heard(f.windows, notify::kViewChanged, 0));
}

TEST(DocumentPages, TheBtsPageReadsTheLinkAndTheUsersRights) {
    DocumentFixture f;
    ASSERT_TRUE(f.doc->OpenPath(Sample(), true));
    PageNoInfoOnBTSController bts(*f.doc->SiteKODA(), *f.doc);
    EXPECT_EQ(bts.State().bcfState, "No connection to BTS");
    EXPECT_EQ(f.doc->BcfState(), -1);

    // A remote link needs full control to send; a read-only user is told so.
    f.link.GoUp(1);
    f.doc->SetAccessLevel(0);
    EXPECT_TRUE(f.doc->SendRightsMissing());
    EXPECT_EQ(bts.State().comment,
              "User does not have permissions to send the configuration file to BTS.");
    f.link.GoUp(2);
    EXPECT_FALSE(f.doc->SendRightsMissing());
    f.doc->SetAccessLevel(1);
    f.link.GoUp(1);
    EXPECT_FALSE(f.doc->SendRightsMissing());
}
