// The changed mark follows the undo ring: a candidate that stores what was last opened or saved
// is unchanged, whichever way it got there. A cabinet too small for some units asks before it
// drops them, and the views then list what they draw.
#include <gtest/gtest.h>

#include "DocumentTestSupport.h"
#include "app/commands/CommandIds.h"
#include "app/pages/PageCabinetControllers.h"
#include "app/pages/PageCablingControllers.h"
#include "app/views/CabinetScene.h"
#include "app/views/ViewBase.h"
#include "app/views/ViewPageBase.h"
#include "model/CabinetKODA.h"
#include "model/SiteKODA.h"
#include "model/UnitKTrx.h"

#include <filesystem>
#include <set>

namespace {

std::string Sample() {
    return std::string(CABRION_TEST_DATA_DIR) + "/../../docs/samples/harbour-4x3.hwc";
}

int Transceivers(CBTSConfigurationDoc& doc) {
    int count = 0;
    for (const auto& u : doc.SiteKODA()->GetKODA(kSelectCandidate)->Units()) {
        count += u->Kind() == kUnitKindTrx && !u->IsUpgrade();
    }
    return count;
}

// The units the list of the active view names and the units its picture draws.
std::set<std::pair<int, int>> Listed(const CViewBase& views) {
    std::set<std::pair<int, int>> out;
    for (const SListRow& row : views.ListContent().rows) {
        out.insert({row.unitKind, row.unitNumber});
    }
    return out;
}
std::set<std::pair<int, int>> Drawn(const CViewBase& views) {
    std::set<std::pair<int, int>> out;
    for (const SSceneUnit& u : views.BuildScene().units) {
        if (u.shown && u.unit->Owner() == nullptr) {
            out.insert({u.unit->Kind(), u.unit->Number()});
        }
    }
    return out;
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

TEST(CabinetType, ASmallerCabinetNamesTheUnitsItDropsAndAsksFirst) {
    DocumentFixture f;
    ASSERT_TRUE(f.doc->OpenPath(Sample(), true));
    ASSERT_EQ(Transceivers(*f.doc), 12);
    f.doc->OnCommand(cmd::ViewCommandOfType(kViewCabinetUnits));
    const CViewBase& views = *f.doc->ViewManager();
    PageCabTypeController page(*f.doc->SiteKODA(), *f.doc);

    // No, the default, changes nothing.
    f.windows.questionIcons.clear();
    EXPECT_FALSE(page.ChooseType(kCabinetMini));
    ASSERT_EQ(f.windows.questionIcons, std::vector<bool>{false});
    const std::string& question = f.windows.shown.back();
    EXPECT_EQ(question.rfind("The Mini cabinet has no place for these units:\n", 0), 0u)
        << question;
    for (const char* unit : {"RVDB 5", "RVDB 12", "HYDx 5"}) {
        EXPECT_NE(question.find(unit), std::string::npos) << unit << " in " << question;
    }
    EXPECT_EQ(question.find("RVDB 4"), std::string::npos);
    EXPECT_EQ(f.doc->SiteKODA()->GetKODA(1)->CabinetSettings().cabinetType, kCabinetIndoor);
    EXPECT_EQ(Transceivers(*f.doc), 12);
    EXPECT_EQ(f.doc->SiteKODA()->UndoCount(), 0);
    EXPECT_FALSE(f.doc->ConfigurationChanged());

    // Yes drops them in one step; the list names what the picture draws, in every view.
    f.windows.answers = {EAnswer::Yes};
    ASSERT_TRUE(page.ChooseType(kCabinetMini));
    EXPECT_EQ(Transceivers(*f.doc), 4);
    for (int type = kViewCabinetUnits; type <= kViewAntenna; ++type) {
        f.doc->OnCommand(cmd::ViewCommandOfType(type));
        const auto listed = Listed(views);
        for (const auto& drawn : Drawn(views)) {
            if (drawn.first == kUnitKindTrx) {
                EXPECT_LE(drawn.second, 4);
            }
        }
        for (const auto& row : listed) {
            if (row.first != 0) {
                EXPECT_EQ(Drawn(views).count(row), 1u)
                    << "view " << type << " lists " << row.first << "/" << row.second;
            }
        }
    }
    // Nothing to ask when nothing would go, and Undo brings the units back.
    f.windows.shown.clear();
    ASSERT_TRUE(page.ChooseType(kCabinetIndoor));
    EXPECT_TRUE(f.windows.shown.empty());
    f.doc->OnCommand(cmd::kUndo);
    f.doc->OnCommand(cmd::kUndo);
    EXPECT_EQ(Transceivers(*f.doc), 12);
    EXPECT_FALSE(f.doc->ConfigurationChanged());
}
