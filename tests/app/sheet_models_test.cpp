// The rules of the open and save sheets without their windows.
#include "DocumentTestSupport.h"
#include "app/document/MissingInfoModel.h"
#include "files/ConfigInfoKODA.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

namespace {

std::vector<std::string> RowNames(const CNewSiteSheetModel& m) {
    std::vector<std::string> names;
    for (const auto& r : m.Rows()) {
        names.push_back(r.name);
    }
    return names;
}

TEST(NewSiteSheet, TemplateFolderWithoutFilesOffersOnlyTheEmptyConfiguration) {
    DocumentFixture f;
    std::ofstream(f.Path("readme.txt")) << "not a template\n";
    CNewSiteSheetModel m = CNewSiteSheetModel::ForTemplates(f.dir.string());
    EXPECT_STREQ(m.FinishText(), "Create");
    ASSERT_EQ(RowNames(m), std::vector<std::string>{"<Empty Orvik BTS>"});
    EXPECT_TRUE(m.CanFinish());
    EXPECT_TRUE(m.EmptyChosen());
    EXPECT_EQ(m.ConfigurationDescription(), "This is an empty Orvik BTS configuration.");
    EXPECT_EQ(m.SiteInformation().values, "Not defined\nNot defined\nNot defined");
}

TEST(NewSiteSheet, RowsSortByEitherColumnAndOtherFamiliesCannotBeFinished) {
    DocumentFixture f;
    std::vector<std::unique_ptr<CSCFSite>> records;
    records.push_back(OrvikRecord("bravo"));
    auto selmo = OrvikRecord("Alpha");
    selmo->bcfType = 4;
    records.push_back(std::move(selmo));
    records.push_back(OrvikRecord("Charlie"));
    WriteConfigurations(f.Path("t.hwc"), std::move(records));

    CNewSiteSheetModel m = CNewSiteSheetModel::ForTemplates(f.dir.string());
    // Case does not count; the empty row sorts with the others.
    EXPECT_EQ(RowNames(m),
              (std::vector<std::string>{"<Empty Orvik BTS>", "Alpha", "bravo", "Charlie"}));
    m.SortBy(0);
    EXPECT_EQ(RowNames(m),
              (std::vector<std::string>{"Charlie", "bravo", "Alpha", "<Empty Orvik BTS>"}));
    m.SortBy(1);
    EXPECT_EQ(m.Rows().back().bcfType, "Orvik BTS");
    EXPECT_EQ(m.Rows().front().bcfType, "Not supported");

    m.Select(0);
    EXPECT_FALSE(m.CanFinish());
    m.Select(1);
    EXPECT_TRUE(m.CanFinish());
    EXPECT_NE(m.ConfigurationDescription(), "Not defined");
}

TEST(NewSiteSheet, ParseProblemsAreListedWithTheirConfiguration) {
    DocumentFixture f;
    std::vector<std::unique_ptr<CSCFSite>> records;
    records.push_back(OrvikRecord("Only"));
    WriteConfigurations(f.Path("p.hwc"), std::move(records));
    {
        std::ifstream in(f.Path("p.hwc"), std::ios::binary);
        std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        text.insert(text.rfind("\\EOF"), "\\NO_SUCH_KEYWORD 1\r\n");
        std::ofstream(f.Path("p.hwc"), std::ios::binary) << text;
    }
    CNewSiteSheetModel m = CNewSiteSheetModel::ForFile(f.Path("p.hwc"));
    EXPECT_STREQ(m.FinishText(), "Open");
    EXPECT_EQ(m.Caption(), "Open BTS HW Configuration (" + f.Path("p.hwc") + ")");
    ASSERT_TRUE(m.HasProblems());
    EXPECT_EQ(m.Problems().front().type, "Unidentified");
    EXPECT_EQ(m.Problems().front().tag, "\\NO_SUCH_KEYWORD");
    // Still openable: the rows the file gives are listed.
    EXPECT_EQ(RowNames(m), std::vector<std::string>{"Only"});
}

// Opening lists the configurations as the header's ascending mark says, keeps the file's first
// one chosen, and shows its site id and name as the BSC information.
TEST(NewSiteSheet, AnOpenedFileIsListedSortedAndShowsTheSiteIdAndName) {
    DocumentFixture f;
    std::vector<std::unique_ptr<CSCFSite>> records;
    records.push_back(OrvikRecord("Zulu"));
    records.back()->siteId = "4711";
    records.push_back(OrvikRecord("Mike"));
    WriteConfigurations(f.Path("z.hwc"), std::move(records));
    CNewSiteSheetModel m = CNewSiteSheetModel::ForFile(f.Path("z.hwc"));
    EXPECT_EQ(RowNames(m), (std::vector<std::string>{"Mike", "Zulu"}));
    EXPECT_TRUE(m.SortAscending());
    EXPECT_EQ(m.Rows()[m.Selected()].name, "Zulu");
    EXPECT_EQ(m.BscInformation().values, "4711\nZulu");
}

// "Missing Information" joins the names as the summary does, on one line, each list under the
// icon of the view where it is put right.
TEST(MissingInformation, NamesAreJoinedAsTheSummaryJoinsThem) {
    CSiteKODA site;
    CDataBaseKODA& db = *site.GetKODA(kSelectCandidate);
    for (int n = 1; n <= 3; ++n) {
        db.FindUnit(kUnitKindTrx, n)->SetUpgrade(false);
    }
    CConfigInfoKODA info(&site);
    info.Recompute();
    const auto sections = MissingInformationSections(info);
    const std::string& tx = sections[1].text;
    EXPECT_EQ(std::count(tx.begin(), tx.end(), ','), 2) << tx;
    EXPECT_EQ(tx.find('\n'), std::string::npos) << tx;
    EXPECT_EQ(sections[1].viewType, 4);
    EXPECT_EQ(sections[3].viewType, 8);
}

struct SaveSheetFixture : DocumentFixture {
    std::string path = Path("s.hwc");
    SaveSheetFixture() {
        std::vector<std::unique_ptr<CSCFSite>> records;
        records.push_back(OrvikRecord("One"));
        records.push_back(OrvikRecord("Two"));
        WriteConfigurations(path, std::move(records));
    }
    CSaveSCFSheetModel Sheet(const std::string& current = "Two") {
        CSaveSCFSheetModel::SInputs in;
        in.path = path;
        in.configurationName = current;
        in.settings = &settings;
        in.documentsFolder = dir.string();
        return CSaveSCFSheetModel(in, windows);
    }
};

TEST(SaveSheet, ListsTheFileAndSelectsTheCurrentConfiguration) {
    SaveSheetFixture f;
    CSaveSCFSheetModel m = f.Sheet();
    ASSERT_EQ(m.Rows().size(), 3u);
    EXPECT_EQ(m.Rows()[0].name, "< Add New Configuration to this file >");
    EXPECT_EQ(m.Selected(), 2);
    EXPECT_EQ(m.Name(), "Two");
    EXPECT_EQ(m.Description(), "Two description");
    EXPECT_EQ(m.NameCounter(), "3 / 80");
    m.SetName(std::string(100, 'x'));
    EXPECT_EQ(m.NameCounter(), "80 / 80");
    m.Select(0);
    EXPECT_EQ(m.Description(), "Add configuration description here.");
}

TEST(SaveSheet, DeleteMarksAndUndeleteRestores) {
    SaveSheetFixture f;
    CSaveSCFSheetModel m = f.Sheet();
    m.Select(1);
    m.Delete();
    EXPECT_EQ(m.Rows()[1].name, "One - To be deleted");
    m.Delete(); // twice marks once
    EXPECT_EQ(m.Rows()[1].name, "One - To be deleted");
    m.Undelete();
    EXPECT_EQ(m.Rows()[1].name, "One");
    EXPECT_FALSE(m.Rows()[1].toDelete);
    m.Select(0);
    m.Delete(); // the add-new row is no configuration
    EXPECT_FALSE(m.Rows()[0].toDelete);

    // Deleted on finish: "One" goes, and a new name takes its place beside "Two".
    m.Select(1);
    m.Delete();
    m.Select(0);
    m.SetName("Three");
    m.SetDescription("third");
    ASSERT_TRUE(m.Finish());
    EXPECT_EQ(m.TargetRecord(), nullptr);
    auto file = m.TakeFile();
    ASSERT_EQ(file->Sites().size(), 1u);
    EXPECT_EQ(file->Sites()[0]->name, "Two");
}

TEST(SaveSheet, FinishChecksInOrderWithTheirFocus) {
    SaveSheetFixture f;
    CSaveSCFSheetModel m = f.Sheet();
    m.SetName("");
    m.SetDescription("");
    EXPECT_FALSE(m.Finish());
    EXPECT_EQ(f.windows.messages.back(),
              "Configuration Name field cannot be empty.\nGive the configuration a name.");
    EXPECT_EQ(m.FocusField(), CSaveSCFSheetModel::EField::Name);

    // The new-configuration text refused even with more after it.
    m.SetName("< Add New Configuration to this file >2");
    EXPECT_FALSE(m.Finish());
    EXPECT_EQ(f.windows.messages.back(),
              "Configuration name '< Add New Configuration to this file >' cannot be "
              "accepted.\nSelect another name for the configuration.");

    m.SetName("Fine");
    EXPECT_FALSE(m.Finish());
    EXPECT_EQ(m.FocusField(), CSaveSCFSheetModel::EField::Description);
    EXPECT_EQ(f.windows.messages.back(),
              "Configuration Description field cannot be empty.\nWrite description for the "
              "configuration.");
    m.SetDescription("Add configuration description here. please");
    EXPECT_FALSE(m.Finish());
    EXPECT_EQ(f.windows.messages.back(), "Write a description for the configuration.");
    EXPECT_EQ(f.windows.shown.size(), 4u); // no question yet

    m.SetDescription("ok");
    EXPECT_TRUE(m.Finish());
    EXPECT_EQ(m.FocusField(), CSaveSCFSheetModel::EField::None);
}

TEST(SaveSheet, WithoutAFileTheDefineDialogMustNameOne) {
    DocumentFixture f;
    CSaveSCFSheetModel::SInputs in;
    in.settings = &f.settings;
    in.documentsFolder = f.dir.string();
    f.settings.SetString("Settings", "SCFPath", "C:\\Temp");
    CSaveSCFSheetModel m(in, f.windows);
    m.SetName("N");
    m.SetDescription("D");
    EXPECT_FALSE(m.Finish()); // the dialog was cancelled
    EXPECT_EQ(f.windows.shown.back(), "[file] Define BTS HW Configuration File");

    f.windows.files.push_back(f.Path("new.hwc"));
    ASSERT_TRUE(m.Finish());
    EXPECT_EQ(m.Path(), f.Path("new.hwc"));
    EXPECT_EQ(f.settings.GetString("Settings", "LastSCF", ""), "new.hwc");
    EXPECT_EQ(f.settings.GetString("Settings", "SCFPath", ""), f.dir.string());
}

TEST(SaveSheet, UnreadableChoiceLeavesTheListAsItWas) {
    SaveSheetFixture f;
    CSaveSCFSheetModel m = f.Sheet();
    std::ofstream(f.Path("junk.hwc")) << "junk\n";
    f.windows.files.push_back(f.Path("junk.hwc"));
    EXPECT_FALSE(m.Browse());
    EXPECT_NE(f.windows.messages.back().find("Syntax Error"), std::string::npos);
    EXPECT_EQ(m.Rows().size(), 3u);
    EXPECT_EQ(m.Path(), f.path);
}

} // namespace
