// The table every command goes through: what it lets run, what another owner's binding does to
// it, that the menu of either family gives each key to one command, the texts that name a step,
// and the toolbars' commands.
#include "app/DocumentTestSupport.h"
#include "app/commands/CommandIds.h"
#include "app/commands/CommandTable.h"
#include "app/commands/MainToolbars.h"
#include "model/UnitsKODA.h"

#include <gtest/gtest.h>

#include <map>

TEST(CommandTable, RunsOnlyWhatIsBoundAndEnabled) {
    CCommandTable table;
    table.LoadTexts(BaseMainMenu());
    ASSERT_NE(table.Find(cmd::kSave), nullptr);
    EXPECT_EQ(table.Find(cmd::kSave)->text, "&Save");
    EXPECT_EQ(table.Find(cmd::kSave)->shortcut, "Ctrl+S");
    // A command the menu names but nobody bound is never enabled and never runs.
    EXPECT_FALSE(table.IsEnabled(cmd::kSave));
    EXPECT_FALSE(table.Run(cmd::kSave));
    EXPECT_FALSE(table.Bind(
        0, [] { return true; }, [] { return true; }));

    bool allowed = false;
    int runs = 0;
    table.Bind(
        cmd::kWizard, [&] { return allowed; }, [&] { return ++runs > 0; });
    EXPECT_FALSE(table.Run(cmd::kWizard));
    allowed = true;
    EXPECT_TRUE(table.Run(cmd::kWizard));
    // A menu without the command takes its text, not its rule: keys and buttons still ask it.
    table.LoadTexts(SelmoMainMenu());
    EXPECT_FALSE(table.Find(cmd::kWizard)->inMenu);
    EXPECT_TRUE(table.Find(cmd::kWizard)->text.empty());
    EXPECT_TRUE(table.Run(cmd::kWizard));
    // The window's binding replaces the document's.
    table.Bind(
        cmd::kWizard, [] { return true; }, [] { return false; });
    EXPECT_FALSE(table.Run(cmd::kWizard));
    EXPECT_EQ(runs, 2);
}

TEST(CommandTable, EveryKeyOfEitherFamilysMenuHasOneCommand) {
    DocumentFixture f;
    for (const int btsType : {6, 4}) {
        ASSERT_TRUE(f.doc->NewSiteOfType(btsType));
        std::map<std::string, int> keys;
        for (const SCommand& c : f.doc->Commands().Commands()) {
            if (c.inMenu && !c.shortcut.empty()) {
                const auto [it, fresh] = keys.emplace(c.shortcut, c.id);
                EXPECT_TRUE(fresh)
                    << btsType << ": " << c.shortcut << " of " << it->second << " and " << c.id;
            }
        }
        EXPECT_GE(keys.size(), 6u) << btsType;
    }
}

TEST(CommandTable, UndoAndRedoNameTheStepOfTheRingAcrossMenuLoads) {
    DocumentFixture f;
    ASSERT_TRUE(f.doc->OnCommand(cmd::kNew));
    const CCommandTable& table = f.doc->Commands();
    EXPECT_EQ(table.Text(cmd::kUndo), "&Undo");
    auto mha = CSiteKODA::CreateUnitOfKind(kUnitKindMha);
    mha->SetNumber(7);
    f.doc->Site()->AddUnit(std::move(mha), true, kSelectCandidate);
    // What the window shows: the step, without the key its action owns.
    EXPECT_EQ(table.Text(cmd::kUndo), "&Undo Add Unit");
    ASSERT_TRUE(f.doc->OnCommand(cmd::kUndo));
    EXPECT_EQ(table.Text(cmd::kUndo), "&Undo");
    EXPECT_EQ(table.Text(cmd::kRedo), "&Redo Add Unit");
    // Loading the menu again, as another family's site does, keeps the rules.
    f.doc->RebuildMenu();
    EXPECT_EQ(table.Text(cmd::kRedo), "&Redo Add Unit");
    EXPECT_EQ(table.MenuText(cmd::kRedo), "&Redo Add Unit\tCtrl + Y");
    ASSERT_TRUE(f.doc->OnCommand(cmd::kRedo));
    EXPECT_EQ(table.Text(cmd::kRedo), "&Redo");
    EXPECT_EQ(table.MenuText(cmd::kRedo), "&Redo\tCtrl+Y");
}

// The window makes an action for each command of the menu only: a button of any other command
// would have none.
TEST(CommandTable, ToolbarsCarryOnlyCommandsOfTheMenu) {
    DocumentFixture f;
    ASSERT_TRUE(f.doc->OnCommand(cmd::kNew));
    ASSERT_EQ(MainWindowToolbars().size(), 2u);
    for (const SToolbarLayout& bar : MainWindowToolbars()) {
        EXPECT_TRUE(InMenu(f.doc->Commands(), bar.toggle)) << bar.name;
        EXPECT_FALSE(bar.ids.empty()) << bar.name;
        for (const int id : bar.ids) {
            EXPECT_TRUE(id == 0 || InMenu(f.doc->Commands(), id)) << bar.name << ": " << id;
        }
    }
}
