// The rules of the two search pages of the wizard and of the folder chooser, without windows.

#include <gtest/gtest.h>

#include <filesystem>

#include "DocumentTestSupport.h"
#include "app/commands/CommandIds.h"
#include "app/search/DirDialogModel.h"
#include "app/search/DirectoryPageModel.h"
#include "app/search/DocumentSearchHost.h"
#include "app/search/SearchResultModel.h"
#include "files/SiteConfigFile.h"
#include "files/SiteRecords.h"
#include "model/BtsConfiguration.h"
#include "model/DataBaseKODA.h"
#include "model/SiteKODA.h"
#include "platform/MemoryRegistry.h"
#include "support/SearchBts.h"

using namespace searchtest;
namespace fs = std::filesystem;

namespace {

std::string ComboDir(const CRegistry& store, int i) {
    return store.GetString("Wizard", "ComboDir" + std::to_string(i), "");
}

} // namespace

TEST(DirectoryPage, HistorySkipsEmptyEntriesAndSelectsTheFirstSetting) {
    CMemoryRegistry store;
    store.SetString("Wizard", "ComboDir0", "/data/b");
    store.SetString("Wizard", "ComboDir2", "/data/a");
    store.SetString("Wizard", "ComboDir9", "/data/z");
    store.SetInt("Wizard", "DefaultSearch", 7);
    CDirectoryPageModel page(store, "/home/eng");
    EXPECT_EQ(page.HomeDirectory(), "/home/eng/Cabrion/");
    EXPECT_EQ(page.Choice(), CDirectoryPageModel::kHome); // 7 reads as the home folder
    EXPECT_FALSE(page.CustomEnabled());
    EXPECT_EQ(page.Folders(), (std::vector<std::string>{"/data/b", "/data/a", "/data/z"}));
    EXPECT_EQ(page.SelectedFolder(), "/data/b");

    // Without setting 0 nothing is selected, and Browse starts at home.
    CMemoryRegistry gap;
    gap.SetString("Wizard", "ComboDir3", "/x");
    CDirectoryPageModel other(gap, "/home/eng/");
    EXPECT_EQ(other.Selected(), -1);
    EXPECT_EQ(other.BrowseStart(), "/home/eng/Cabrion/");
}

TEST(DirectoryPage, NextRewritesTheHistoryWithTheChosenFolderFirst) {
    CMemoryRegistry store;
    for (int i = 0; i < 10; ++i) {
        store.SetString("Wizard", "ComboDir" + std::to_string(i), "/f" + std::to_string(i));
    }
    store.SetString("Wizard", "ComboDir4", "");
    CDirectoryPageModel page(store, "/home/eng");
    page.ChooseCustom();
    page.Select(5); // "/f6"
    EXPECT_EQ(page.Next(), "/f6");
    const std::vector<std::string> expected{"/f6", "/f0", "/f1", "/f2", "/f3",
                                            "/f5", "/f7", "/f8", "/f9", ""};
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(ComboDir(store, i), expected[i]) << i;
    }
    EXPECT_EQ(store.GetInt("Wizard", "DefaultSearch", -1), 1);

    // A new folder from Browse pushes the oldest one out of the ten.
    CDirectoryPageModel again(store, "/home/eng");
    again.FolderChosen("/new");
    EXPECT_EQ(again.SelectedFolder(), "/new");
    again.FolderChosen("/f1"); // already there: selected, not added
    EXPECT_EQ(again.Folders().size(), 10u);
    again.FolderChosen("/new");
    EXPECT_EQ(again.Next(), "/new");
    EXPECT_EQ(ComboDir(store, 0), "/new");
    EXPECT_EQ(ComboDir(store, 1), "/f6");
    EXPECT_EQ(ComboDir(store, 9), "/f9");
}

TEST(DirectoryPage, CustomWithoutAnyFolderBrowsesAndFallsBackHome) {
    CMemoryRegistry store;
    store.SetInt("Wizard", "DefaultSearch", 1);
    CDirectoryPageModel page(store, "/home/eng");
    EXPECT_EQ(page.Choice(), CDirectoryPageModel::kCustom);
    EXPECT_TRUE(page.ChooseCustom());
    page.BrowseClosed();
    EXPECT_EQ(page.Choice(), CDirectoryPageModel::kHome);
    // Custom with an empty box searches home and leaves the history alone.
    page.ChooseCustom();
    EXPECT_EQ(page.Next(), "/home/eng/Cabrion/");
    EXPECT_EQ(ComboDir(store, 0), "");
}

TEST(DirDialog, TypedPathsAreCheckedBeforeTheChooserCloses) {
    const std::string base = ::testing::TempDir() + "dirdlg_" + std::to_string(::getpid());
    fs::create_directories(base);
    WriteFile(base + "/file.txt", "x");
    CDirDialogModel dialog;
    using V = CDirDialogModel::EVerdict;
    EXPECT_EQ(dialog.Check("\\\\server").text, "\\\\server\nThis is not a valid folder.");
    EXPECT_EQ(dialog.Check("//server/").verdict, V::kRefuse);
    EXPECT_EQ(dialog.Check("//server/share").verdict, V::kAskCreate);
    EXPECT_EQ(dialog.Check("Q:\\Archive").text, "Q:\\Archive\nThe drive is invalid.");
    EXPECT_EQ(dialog.Check(base + "/file.txt").text,
              base + "/file.txt\nThis is a file not a directory.");
    const auto ok = dialog.Check(base + "/");
    EXPECT_EQ(ok.verdict, V::kAccept);
    EXPECT_EQ(ok.text, base);
    EXPECT_EQ(dialog.Check("/").text, "/");

    const std::string deep = base + "/a/b/c";
    const auto ask = dialog.Check(deep);
    EXPECT_EQ(ask.verdict, V::kAskCreate);
    EXPECT_EQ(ask.text, deep + "\nThis folder does not exist.\n\nDo you want to create it?");
    const auto made = dialog.Create(deep + "/");
    EXPECT_EQ(made.verdict, V::kAccept);
    EXPECT_EQ(made.text, deep);
    EXPECT_TRUE(fs::is_directory(deep));
    fs::remove_all(base);
}

TEST(DirDialog, AFolderThatCannotBeCreatedSaysWhyByTheKindOfDrive) {
    using K = CDirDialogModel::EDriveKind;
    for (const auto& [kind, text] :
         std::vector<std::pair<K, std::string>>{{K::kRemovable, CDirDialogModel::kRemovableFailed},
                                                {K::kNetwork, CDirDialogModel::kNetworkFailed},
                                                {K::kCdRom, CDirDialogModel::kCdRomFailed},
                                                {K::kOther, CDirDialogModel::kOtherFailed}}) {
        CDirDialogModel::SFileSystem fakeFs;
        fakeFs.kind = [](const std::string&) { return 0; };
        fakeFs.createAll = [](const std::string&) { return false; };
        fakeFs.driveKind = [kind](const std::string&) { return kind; };
        const auto r = CDirDialogModel(fakeFs).Create("/media/stick/new");
        EXPECT_EQ(r.verdict, CDirDialogModel::EVerdict::kRefuse);
        EXPECT_EQ(r.text, text);
    }
}

namespace {

class CFakeSearchHost : public ISearchResultHost {
public:
    CSiteKODA* Site() override { return &site; }
    void SelectCandidateTab() override { ++candidateTab; }
    void ActivateView(int viewType) override { views.push_back(viewType); }
    void BandChanged() override { ++bandChanges; }
    void RedrawViews() override { ++redraws; }
    void SetCurrentRecord(const SFoundConfiguration* found) override { record = found; }
    void MarkConfigurationChanged() override { ++changes; }

    CSiteKODA site;
    int candidateTab = 0;
    std::vector<int> views;
    int bandChanges = 0;
    int redraws = 0;
    const SFoundConfiguration* record = nullptr;
    int changes = 0;
};

class SearchResultPage : public ::testing::Test {
protected:
    void SetUp() override {
        CBtsConfiguration::Drop();
        folder = ::testing::TempDir() + "searchpage_" + std::to_string(::getpid());
        fs::create_directories(folder);
        // The BTS detected transceivers 1-4; transceiver 5 is planned there.
        ASSERT_TRUE(SetBtsDetecting({1, 2, 3, 4}));
    }
    void TearDown() override {
        CBtsConfiguration::Drop();
        fs::remove_all(folder);
    }
    std::vector<std::string> Texts(const CSearchResultModel& m) {
        std::vector<std::string> t;
        for (const auto& e : m.Entries()) {
            t.push_back(e.text);
        }
        return t;
    }
    CUnit* Trx(int n) { return host.site.GetConfiguration(kSelectCandidate)->FindUnit(1, n); }

    std::string folder;
    CFakeSearchHost host;
};

} // namespace

TEST_F(SearchResultPage, SearchesOnEnteringListsInOrderAndAppliesTheFirst) {
    WriteFile(folder + "/a.hwc", FileText({{"Three", {1, 2, 3}}, {"Six", {1, 2, 3, 4, 5, 6}}}));
    WriteFile(folder + "/b.hwc", FileText({{"Six", {1, 2, 3, 4, 5, 6}}}));
    CSearchResultModel page(host);
    page.Created();
    page.SetSearchDirectory(folder);
    EXPECT_TRUE(page.Enter());
    page.Wait();
    EXPECT_FALSE(page.Searching());
    EXPECT_EQ(Texts(page), (std::vector<std::string>{"Six", "Six"}));
    EXPECT_EQ(page.Selected(), 0);
    EXPECT_EQ(host.record, nullptr); // the document takes it on Next only
    EXPECT_TRUE(Trx(5)->IsUpgrade());
    EXPECT_GE(host.bandChanges, 1);
    EXPECT_EQ(host.views, (std::vector<int>{7, 2}));

    // The check box re-applies the same entry.
    page.SetOnlyAutodetected(false);
    EXPECT_TRUE(Trx(5)->IsIdle());
    EXPECT_FALSE(Trx(5)->IsUpgrade());
    page.SetActiveViewChoice(9); // out of range: Cabinet Units
    EXPECT_EQ(page.ActiveViewChoice(), 0);

    // Next on a found configuration: no idle marks are left and the change is unsent.
    page.Next();
    EXPECT_FALSE(Trx(5)->IsIdle());
    EXPECT_EQ(host.changes, 1);
    ASSERT_NE(host.record, nullptr);
    EXPECT_EQ(host.record->path, folder + "/a.hwc");
    EXPECT_EQ(host.record->indexInFile, 1);

    // Back and Next with the same folder keep the result; choosing the Search way again
    // searches again.
    page.Select(1);
    page.SetSearchDirectory(folder);
    EXPECT_FALSE(page.Enter());
    EXPECT_EQ(page.Selected(), 1);
    page.MarkForNewSearch();
    EXPECT_TRUE(page.Enter());
    page.Wait();
    EXPECT_EQ(page.Selected(), 0);
}

TEST_F(SearchResultPage, NothingFoundGivesTheSingleEntryAndAnEmptyCandidate) {
    WriteFile(folder + "/a.hwc", FileText({{"Three", {1, 2, 3}, {Ddu(1, 1)}}}));
    WriteFile(folder + "/broken.hwc", "garbage");
    CSearchResultModel page(host);
    page.MarkForNewSearch(); // not shown yet: the first entering searches anyway
    page.SetSearchDirectory(folder);
    page.Enter();
    page.Wait();
    EXPECT_EQ(Texts(page), std::vector<std::string>{CSearchResultModel::kNoMatch});
    EXPECT_EQ(host.record, nullptr);
    EXPECT_EQ(page.Skipped().size(), 1u);
    EXPECT_EQ(host.site.GetConfiguration(kSelectCandidate)->FindUnitByDisplayedNumber(6, 1),
              nullptr);
    page.Next();
    EXPECT_EQ(host.changes, 0);
}

TEST_F(SearchResultPage, CancelListsWhatWasFoundAndSearchesAgainNextTime) {
    for (int i = 0; i < 300; ++i) {
        WriteFile(folder + "/f" + std::to_string(1000 + i) + ".hwc",
                  FileText({{"C" + std::to_string(i), {1, 2, 3, 4}}}));
    }
    CSearchResultModel page(host);
    page.SetSearchDirectory(folder);
    ASSERT_TRUE(page.Enter());
    page.Cancel();
    page.Wait();
    EXPECT_FALSE(page.Searching());
    if (page.WasCancelled()) {
        EXPECT_LT(page.Entries().size(), 300u);
        EXPECT_TRUE(page.SearchNeeded());
    }
    EXPECT_EQ(page.Selected(), 0);
}

TEST(SearchOnDocument, TheFoundConfigurationBecomesTheDocumentsCandidate) {
    DocumentFixture f;
    f.doc->New();
    ASSERT_NE(f.doc->SiteKODA(), nullptr);
    const std::string folder = f.Path("archive");
    fs::create_directories(folder);
    WriteFile(folder + "/a.hwc",
              FileText({{"Other", {1}}, {"Found", {1, 2}, {Ddu(1, 1)}, 6, 3, {{1, 1}}}}));

    CDocumentSearchHost host(*f.doc);
    int bandChanges = 0;
    host.onBandChanged = [&] { ++bandChanges; };
    CSearchResultModel page(host);
    page.SetSearchDirectory(folder);
    page.Enter();
    page.Wait();
    // Without a configuration currently in BTS nothing is required: both fit.
    ASSERT_EQ(page.Entries().size(), 2u);
    page.Select(1);
    EXPECT_EQ(host.CurrentRecord(), nullptr);
    EXPECT_EQ(bandChanges, 2);
    CDataBase* db = f.doc->SiteKODA()->GetConfiguration(kSelectCandidate);
    EXPECT_NE(db->FindUnitByDisplayedNumber(kUnitKindDdu, 1), nullptr);
    EXPECT_FALSE(db->FindUnit(kUnitKindTrx, 2)->IsUpgrade());
    EXPECT_TRUE(f.doc->CandidateTabSelected());
    // The Cabinet Units view was asked for once; asking again for the active one does nothing.
    const auto shown = std::count(f.windows.viewCommands.begin(), f.windows.viewCommands.end(),
                                  cmd::ViewCommandOfType(2));
    page.SetActiveViewChoice(0);
    EXPECT_EQ(std::count(f.windows.viewCommands.begin(), f.windows.viewCommands.end(),
                         cmd::ViewCommandOfType(2)),
              shown);

    f.doc->MarkConfigurationChanged(false);
    page.Next();
    EXPECT_TRUE(f.doc->ConfigurationChanged());
    ASSERT_NE(host.CurrentRecord(), nullptr);
    EXPECT_EQ(f.doc->PathName(), folder + "/a.hwc");
    EXPECT_EQ(f.doc->Title(), "Found");
    ASSERT_NE(f.doc->SiteRecord(), nullptr);
    EXPECT_EQ(f.doc->SiteRecord()->name, "Found");

    // Saving writes the configuration back in its place; the file's other one stays.
    ASSERT_TRUE(f.doc->Save());
    CSiteConfigFile saved(folder + "/a.hwc");
    ASSERT_EQ(saved.Sites().size(), 2u);
    EXPECT_EQ(saved.Sites()[0]->name, "Other");
    EXPECT_EQ(saved.Sites()[1]->name, "Found");

    // Nothing found: the document no longer stands for any file, so a save cannot overwrite
    // what it held before.
    page.SetSearchDirectory(f.Path("empty"));
    page.Enter();
    page.Wait();
    page.Next();
    EXPECT_EQ(f.doc->PathName(), "");
    EXPECT_EQ(f.doc->SiteRecord(), nullptr);
}
