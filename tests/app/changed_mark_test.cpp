// The changed mark follows the undo ring: a candidate that stores what was last opened or saved
// is unchanged, whichever way it got there.
#include <gtest/gtest.h>

#include "DocumentTestSupport.h"
#include "app/CommandIds.h"
#include "app/pages/PageCablingControllers.h"
#include "model/SiteKODA.h"
#include "model/UnitKTrx.h"

#include <filesystem>

namespace {

std::string Sample() {
    return std::string(CABRION_TEST_DATA_DIR) + "/../../docs/samples/harbour-4x3.hwc";
}

} // namespace

TEST(ChangedMark, FollowsUndoAndRedoBackToWhatWasOpenedAndSaved) {
    DocumentFixture f;
    const std::string path = f.Path("harbour.hwc");
    std::filesystem::copy_file(Sample(), path);
    ASSERT_TRUE(f.doc->OpenPath(path, true));
    ASSERT_FALSE(f.doc->ConfigurationChanged());
    EXPECT_FALSE(f.doc->IsCommandEnabled(cmd::kRedo));

    PageTXCablingController tx(*f.doc->SiteKODA(), *f.doc);
    tx.SelectTrx(3);
    ASSERT_TRUE(tx.Clear());
    tx.SelectTrx(4);
    ASSERT_TRUE(tx.Clear());
    EXPECT_TRUE(f.doc->Modified());

    ASSERT_TRUE(f.doc->OnCommand(cmd::kUndo));
    EXPECT_TRUE(f.doc->ConfigurationChanged());
    ASSERT_TRUE(f.doc->OnCommand(cmd::kUndo));
    EXPECT_FALSE(f.doc->ConfigurationChanged());
    EXPECT_FALSE(f.doc->Modified());
    // Nothing to save: closing asks nothing.
    f.windows.shown.clear();
    EXPECT_TRUE(f.doc->CanClose());
    EXPECT_TRUE(f.windows.shown.empty());

    // Redo walks the same steps forward and marks the document again.
    ASSERT_TRUE(f.doc->IsCommandEnabled(cmd::kRedo));
    EXPECT_EQ(f.doc->CommandText(cmd::kRedo), "&Redo Clear TX Cabling\tCtrl + Y");
    ASSERT_TRUE(f.doc->OnCommand(cmd::kRedo));
    EXPECT_TRUE(f.doc->ConfigurationChanged());
    EXPECT_EQ(f.doc->SiteKODA()->GetKODA(1)->Find<CUnitKTrx>(kUnitKindTrx, 3)->Cabling().txPath1,
              0);
    ASSERT_TRUE(f.doc->OnCommand(cmd::kRedo));
    EXPECT_FALSE(f.doc->IsCommandEnabled(cmd::kRedo));
    EXPECT_FALSE(f.doc->OnCommand(cmd::kRedo));

    // After a save the saved step is the unchanged one.
    ASSERT_TRUE(f.doc->Save());
    EXPECT_FALSE(f.doc->ConfigurationChanged());
    f.doc->OnCommand(cmd::kUndo);
    EXPECT_TRUE(f.doc->ConfigurationChanged());
    f.windows.answers = {EAnswer::Cancel};
    EXPECT_FALSE(f.doc->CanClose());
    EXPECT_EQ(f.windows.shown.back(),
              "The configuration has been changed.\nSave changes to Harbour 4+4+4?");
    f.doc->OnCommand(cmd::kRedo);
    EXPECT_FALSE(f.doc->ConfigurationChanged());

    // A new edit after an undo leaves nothing to redo; a step that changed nothing (a wizard
    // left at once) and an edit made back by hand leave nothing to save.
    f.doc->OnCommand(cmd::kUndo);
    tx.SelectTrx(5);
    ASSERT_TRUE(tx.Clear());
    EXPECT_FALSE(f.doc->IsCommandEnabled(cmd::kRedo));
    f.doc->OnCommand(cmd::kUndo);
    f.doc->OnCommand(cmd::kRedo);
    f.doc->OnCommand(cmd::kUndo);
    EXPECT_TRUE(f.doc->ConfigurationChanged());
    f.doc->Site()->PushUndoStep("Wizard");
    EXPECT_TRUE(f.doc->ConfigurationChanged());
    f.doc->OnCommand(cmd::kUndo);
    f.doc->OnCommand(cmd::kRedo);
    tx.SelectTrx(4);
    ASSERT_TRUE(tx.Clear());
    EXPECT_FALSE(f.doc->ConfigurationChanged());
}
