// The passive units page rules against a real passive unit table.
#include "app/passive/PagePassive.h"
#include "app/passive/PassiveProductId.h"
#include "files/HWInfoFile.h"
#include "platform/MemoryRegistry.h"
#include "platform/SettingsKeys.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <optional>
#include <string>
#include <vector>

namespace {

struct RecordingPassiveHost : IPassivePageHost {
    void Warning(const std::string& text) override { warnings.push_back(text); }
    bool AskYesNo(const std::string& question) override {
        questions.push_back(question);
        return answer;
    }
    void Beep() override { ++beeps; }
    void MoveFocus(PassiveField field, bool selectAll) override {
        focus = field;
        focusSelectsAll = selectAll;
    }
    void CaretToEnd(PassiveField field) override { caretAtEnd = field; }
    void RedrawActiveView() override { ++redraws; }
    void SetPassiveInfoChanged(bool value) override { changed = value; }
    std::optional<std::string> ChooseImportFile() override { return importPath; }
    std::optional<std::string> ChooseExportFile() override { return exportPath; }

    std::vector<std::string> warnings;
    std::vector<std::string> questions;
    bool answer = true;
    int beeps = 0;
    PassiveField focus = PassiveField::None;
    bool focusSelectsAll = false;
    PassiveField caretAtEnd = PassiveField::None;
    int redraws = 0;
    std::optional<bool> changed;
    std::optional<std::string> importPath;
    std::optional<std::string> exportPath;
};

constexpr int kFanGroup = 3;
constexpr int kMiscGroup = 16;

struct PassivePage : ::testing::Test {
    explicit PassivePage(int validation = 1) {
        settings::Write(store, settings::kPassiveUnitValidationOption, validation);
    }
    // The page as it opens on the MHA group of the current cabinet.
    CPagePassive& Opened(SPassiveSelection at = {0, CHWInfoFile::kMhaGroup, -1}) {
        page.ShowSelection(at);
        page.Open();
        return page;
    }
    void Type(const std::string& serial, const std::string& item, const std::string& revision) {
        page.SetSerial(serial);
        page.EditItemCode(item, static_cast<int>(item.size()));
        page.EditRevision(revision);
    }

    CMemoryRegistry store;
    CHWInfoFileConf table;
    RecordingPassiveHost host;
    CPagePassive page{table, store, host};
};

struct PassivePageWithoutValidation : PassivePage {
    PassivePageWithoutValidation() : PassivePage(0) {}
};

} // namespace

TEST(PassiveProductId, ComposesAndSplitsAgain) {
    EXPECT_EQ(passive::ComposeProductId("ABC", "1"), "ABC..........1");
    EXPECT_EQ(passive::ComposeProductId("", ""), "");
    EXPECT_EQ(passive::ComposeProductId("", "A"), ".............A");
    EXPECT_EQ(passive::ComposeProductId("ABCDEFGHIJ", "R1"), "ABCDEFGHIJ..R1");
    EXPECT_EQ(passive::ItemCodeOf("ABC..........1"), "ABC");
    EXPECT_EQ(passive::RevisionOf("ABC..........1"), "..1");
    // Recomposing the shown parts gives the stored identifier back.
    EXPECT_EQ(passive::ComposeProductId("ABC", "..1"), "ABC..........1");
    EXPECT_EQ(passive::RevisionOf("X1"), "X1");
}

TEST_F(PassivePage, ComposedIdentifierIsStoredAndShownBackInItsParts) {
    Opened();
    Type("AB123456789", "ABC", "1");
    EXPECT_TRUE(page.ProductReadOnly());
    EXPECT_EQ(page.Product(), "ABC..........1");
    ASSERT_TRUE(page.Add());
    EXPECT_TRUE(host.warnings.empty());
    EXPECT_EQ(host.focus, PassiveField::ItemCode);
    EXPECT_EQ(host.changed, true);
    EXPECT_EQ(page.UnitsCounterText(), "1 / 100");

    page.ShowSelection({0, kFanGroup, -1});
    EXPECT_EQ(page.Serial(), "");
    page.ShowSelection({0, CHWInfoFile::kMhaGroup, 0});
    EXPECT_EQ(page.Serial(), "AB123456789");
    EXPECT_EQ(page.ItemCode(), "ABC");
    EXPECT_EQ(page.Revision(), "..1");
    EXPECT_EQ(page.Product(), "ABC..........1");
    EXPECT_EQ(page.CounterText(PassiveField::Revision), "3 / 3");
    EXPECT_EQ(page.CounterText(PassiveField::ItemCode), "3 / 10");
    EXPECT_EQ(page.CounterText(PassiveField::Product), "14 / 14");
}

// Serial number then product identifier is how an engineer scans a unit; the option may change
// on the options page while the page waits in the sheet.
TEST_F(PassivePage, AScannedIdentifierIsTakenApartAndTheOptionIsReadAgain) {
    Opened();
    page.SetSerial("AB123456789");
    EXPECT_TRUE(page.ReplaceText(PassiveField::Product, "KRC1........R2"));
    EXPECT_EQ(page.ItemCode(), "KRC1");
    EXPECT_EQ(page.Revision(), ".R2");
    EXPECT_EQ(page.Product(), "KRC1........R2");
    EXPECT_TRUE(host.warnings.empty());
    // What the parts cannot make is refused aloud, and what was there stays.
    EXPECT_FALSE(page.ReplaceText(PassiveField::Product, "KRC1234567R1AB"));
    ASSERT_EQ(host.warnings.size(), 1u);
    EXPECT_NE(host.warnings[0].find("Item Code"), std::string::npos);
    EXPECT_EQ(page.Product(), "KRC1........R2");

    settings::Write(store, settings::kPassiveUnitValidationOption, 0);
    page.ReadOptions();
    EXPECT_FALSE(page.ProductReadOnly());
    EXPECT_EQ(page.Serial(), "AB123456789");
    EXPECT_TRUE(page.ReplaceText(PassiveField::Product, "any-thing-14ch"));
    settings::Write(store, settings::kPassiveUnitValidationOption, 1);
    page.ReadOptions();
    EXPECT_TRUE(page.ProductReadOnly());
    EXPECT_EQ(page.ItemCode(), "any-thing");
    EXPECT_EQ(page.Product(), "any-thing-14ch");

    for (const SPassiveSelection node :
         {SPassiveSelection{2, 0, -1}, SPassiveSelection{0, 5, -1}, SPassiveSelection{2, 16, 29}}) {
        EXPECT_EQ(UnpackPassiveSelection(PackPassiveSelection(node)), node);
    }
}

TEST_F(PassivePage, EleventhItemCodeCharacter) {
    Opened();
    page.EditRevision("7");
    page.EditItemCode("ABCDEFGHIJ", 10);
    page.EditItemCode("ABCDEFGHIJ.", 11);
    EXPECT_EQ(page.ItemCode(), "ABCDEFGHIJ");
    EXPECT_EQ(host.focus, PassiveField::Revision);
    EXPECT_TRUE(host.focusSelectsAll);
    EXPECT_EQ(host.beeps, 0);
    EXPECT_EQ(page.Product(), "ABCDEFGHIJ...7");

    host.focus = PassiveField::None;
    // Typed in the middle: the character typed goes, not the last one.
    page.EditItemCode("ABCXDEFGHIJ", 4);
    EXPECT_EQ(page.ItemCode(), "ABCDEFGHIJ");
    EXPECT_EQ(host.beeps, 1);
    EXPECT_EQ(host.caretAtEnd, PassiveField::ItemCode);
    EXPECT_EQ(host.focus, PassiveField::None);
}

TEST_F(PassivePage, PreChecksReportTheFirstFailingRuleAndFocusItsBox) {
    Opened();
    struct Case {
        std::string serial, item, revision, message;
        PassiveField focus;
    };
    const std::vector<Case> cases = {
        {"  ", "ABC", "1", "Serial Number must be entered before\nunit information can be added.",
         PassiveField::Serial},
        {"AB123456789", "", "", "Item Code can't be empty", PassiveField::ItemCode},
        {"AB12345678", "ABC", "1", "Serial Number must contain 11 characters.",
         PassiveField::Serial},
        {"AB123456789", "ABCDEFGHIJ", "12345", "Product Identifier must contain 14 characters.",
         PassiveField::Product},
        {"AB-23456789", "ABC", "1",
         "Please Enter a Valid SERIAL No.\nValid Serial No: [A/a-Z/z], [0-9]",
         PassiveField::Serial},
        {"AB123456789", "AB-C", "1",
         "Please Enter the Valid ItemCode/ Revision.\n\nValid Characters: [A/a-Z/z], [0-9], "
         "and .\nItem Code should contain atleast 1 Alphanumeric character.\nRevision can be "
         "blank.",
         PassiveField::ItemCode},
        {"AB123456789", "...", "1",
         "Please Enter the Valid ItemCode \nAtleast 1-Alphanumeric character should be entered.",
         PassiveField::ItemCode},
    };
    for (const auto& c : cases) {
        host.warnings.clear();
        Type(c.serial, c.item, c.revision);
        EXPECT_FALSE(page.Add()) << c.message;
        ASSERT_EQ(host.warnings.size(), 1u) << c.message;
        EXPECT_EQ(host.warnings[0], c.message);
        EXPECT_EQ(host.focus, c.focus) << c.message;
    }
    EXPECT_EQ(table.FilledCount(), 0);
    EXPECT_FALSE(host.changed.has_value());
}

TEST_F(PassivePageWithoutValidation, AnyCharactersPassWhenTheLengthsAreRight) {
    Opened();
    EXPECT_FALSE(page.ValidationApplies());
    page.SetSerial(" AB-34567890 ");
    page.SetProduct("x/y 1234 -+#!z");
    EXPECT_TRUE(page.Add());
    EXPECT_EQ(host.focus, PassiveField::Product);
    EXPECT_EQ(page.Serial(), "AB-34567890") << "blanks at the ends are removed";
    EXPECT_GE(table.Find("AB-34567890", "x/y 1234 -+#!z"), 0);

    page.SetSerial("AB123456789");
    page.SetProduct("");
    EXPECT_FALSE(page.Add());
    EXPECT_EQ(host.warnings.back(),
              "Product Identifier must be entered before\nunit information can be added.");
    EXPECT_EQ(host.focus, PassiveField::Product);
}

TEST_F(PassivePage, MiscellaneousTakesTheIdentifierAsTyped) {
    Opened();
    EXPECT_TRUE(page.ValidationApplies());
    page.ChooseLocation(CPagePassive::kMiscellaneousTop);
    EXPECT_FALSE(page.ValidationApplies());
    EXPECT_FALSE(page.ProductReadOnly());
    page.ChooseUnitType(kMiscGroup);
    page.SetSerial("AB-23456789");
    page.SetProduct("any-thing 1234");
    EXPECT_TRUE(page.Add()) << (host.warnings.empty() ? "" : host.warnings.back());
    page.ChooseLocation(0);
    EXPECT_TRUE(page.ValidationApplies());
    // A unit type of another location cannot be chosen.
    page.ChooseUnitType(kMiscGroup);
    EXPECT_EQ(page.UnitType(), 0);
    // The tree selection decides the location.
    page.ShowSelection({0, kMiscGroup, 0});
    EXPECT_EQ(page.Location(), CPagePassive::kMiscellaneousTop);
    EXPECT_FALSE(page.ValidationApplies());
    EXPECT_EQ(page.Product(), "any-thing 1234");
}

TEST_F(PassivePage, TheMaximumIsReportedBeforeAnyOtherCheck) {
    // The candidate's table has fewer places than the maximum; the BTS side's has more.
    CHWInfoFile full;
    int filled = 0;
    for (int group : CHWInfoFile::Groups()) {
        for (int slot = 0; slot < CHWInfoFile::GroupCapacity(group) && filled < 100; ++slot) {
            if (full.SetSlot(group, slot, "S" + std::to_string(filled), "P") >= 0) {
                ++filled;
            }
        }
    }
    ASSERT_EQ(full.FilledCount(), 100);
    CPagePassive fullPage(full, store, host);
    fullPage.ShowSelection({2, kMiscGroup, -1});
    fullPage.Open();
    EXPECT_EQ(fullPage.UnitsCounterText(), "100 / 100");
    fullPage.SetSerial("");
    EXPECT_FALSE(fullPage.Add());
    ASSERT_EQ(host.warnings.size(), 1u);
    EXPECT_EQ(host.warnings[0], "Failed to add unit. BTS can store a maximum of 100 units");
    EXPECT_EQ(host.focus, PassiveField::None);
    // Modifying an empty slot would make a 101st unit.
    fullPage.ShowSelection({2, kMiscGroup, 29});
    fullPage.SetSerial("AB123456789");
    fullPage.SetProduct("AB123456789012");
    EXPECT_FALSE(fullPage.Modify());
    EXPECT_EQ(host.warnings.back(), "Failed to modify unit information.");
    EXPECT_EQ(full.FilledCount(), 100);
}

TEST_F(PassivePage, ModifyKeepsTheTableUniqueAndChangesTheSelectedEntry) {
    table.SetSlot(CHWInfoFile::kMhaGroup, 2, "AB123456789", "ABC..........1");
    Opened({0, CHWInfoFile::kMhaGroup, 2});
    EXPECT_FALSE(page.Modify());
    EXPECT_EQ(host.warnings.back(),
              "A unit with the given Product Identifier and\nSerial Number already exists.");
    page.EditRevision("2");
    EXPECT_TRUE(page.Modify());
    std::string serial, product;
    ASSERT_TRUE(table.GetSlot(CHWInfoFile::kMhaGroup, 2, serial, product));
    EXPECT_EQ(product, "ABC..........2");
    EXPECT_EQ(table.FilledCount(), 1);
}

TEST_F(PassivePage, AddFindsItsPlaceOrSaysWhyNot) {
    // An empty slot chosen in the tree is used: for the MHA group it is the antenna.
    Opened({0, CHWInfoFile::kMhaGroup, 5});
    Type("AB123456789", "MHA", "1");
    ASSERT_TRUE(page.Add());
    EXPECT_EQ(page.Selection().slot, 5);
    std::string serial, product;
    EXPECT_TRUE(table.GetSlot(CHWInfoFile::kMhaGroup, 5, serial, product));

    page.ShowSelection({0, kFanGroup, -1});
    Type("FA123456789", "FAN", "1");
    ASSERT_TRUE(page.Add());
    Type("FB123456789", "FAN", "1");
    EXPECT_FALSE(page.Add());
    EXPECT_EQ(host.warnings.back(), "Cannot add more units to this unit type.");

    page.ChooseLocation(0);
    Type("FC123456789", "FAN", "1");
    EXPECT_FALSE(page.Add());
    EXPECT_EQ(host.warnings.back(),
              "Cannot add unit to the selected place.\nSelect unit type and try again.");
    // The candidate's table keeps no support cabinet units.
    page.ShowSelection({1, 13, -1});
    Type("FC123456789", "XYZ", "1");
    EXPECT_FALSE(page.Add());
    EXPECT_EQ(host.warnings.back(),
              "Cannot find proper unit place.\nSelect unit type and try again.");
    EXPECT_EQ(table.FilledCount(), 2);
}

TEST_F(PassivePage, DeletingAGroupAsksFirst) {
    table.SetSlot(CHWInfoFile::kMhaGroup, 0, "AB123456789", "ABC..........1");
    table.SetSlot(CHWInfoFile::kMhaGroup, 1, "AB123456780", "ABC..........1");
    Opened();
    host.answer = false;
    EXPECT_FALSE(page.Delete());
    ASSERT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(host.questions[0], "Are you sure you want to delete all items\nbelongin to (MHA) "
                                 "Mast Head Amplifier.");
    EXPECT_EQ(table.FilledCount(), 2);
    EXPECT_FALSE(host.changed.has_value());

    page.ShowSelection({0, CHWInfoFile::kMhaGroup, 1});
    EXPECT_TRUE(page.Delete());
    EXPECT_EQ(table.FilledCount(), 1);
    EXPECT_EQ(page.Serial(), "");
    EXPECT_EQ(page.ItemCode(), "");
    EXPECT_EQ(host.focus, PassiveField::Serial);
    EXPECT_EQ(host.changed, true);
    // Deleting the now empty entry again changes nothing.
    host.changed.reset();
    EXPECT_FALSE(page.Delete());
    EXPECT_FALSE(host.changed.has_value());

    host.answer = true;
    page.ShowSelection({0, CHWInfoFile::kMhaGroup, -1});
    EXPECT_TRUE(page.Delete());
    EXPECT_EQ(table.FilledCount(), 0);
}

TEST_F(PassivePage, AFailedImportKeepsTheEntriesAndExportClearsTheMark) {
    QTemporaryDir dir;
    table.SetSlot(CHWInfoFile::kMhaGroup, 0, "AB123456789", "ABC..........1");
    Opened();
    host.importPath = dir.filePath("missing.hwi").toStdString();
    EXPECT_FALSE(page.Import());
    EXPECT_EQ(host.warnings.back(), "Importing the file failed.");
    EXPECT_EQ(table.FilledCount(), 1);
    EXPECT_FALSE(host.changed.has_value());

    host.changed = true;
    host.exportPath = dir.filePath("units.hwi").toStdString();
    EXPECT_TRUE(page.Export());
    EXPECT_EQ(host.changed, false);

    table.Clear();
    host.importPath = host.exportPath;
    EXPECT_TRUE(page.Import());
    EXPECT_EQ(table.FilledCount(), 1);
    EXPECT_EQ(host.changed, true);

    host.exportPath = dir.filePath("no-such-folder/units.hwi").toStdString();
    EXPECT_FALSE(page.Export());
    EXPECT_EQ(host.warnings.back(),
              "An error occurred during the creation of the file/export to the file.");
    EXPECT_EQ(host.changed, true);
}
