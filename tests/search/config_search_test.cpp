// Which stored configurations fit the detected units, and how a folder is walked.

#include <atomic>

#include "SearchFixture.h"
#include "rules/ConfigSearch.h"
#include "rules/ConfigSearchJob.h"

using namespace searchtest;

namespace {

SBtsProfile Trxs(std::initializer_list<int> numbers) {
    SBtsProfile p;
    for (int n : numbers) {
        p.trx[n] = true;
    }
    return p;
}

std::vector<SFoundConfiguration> FoundIn(const std::vector<SStoredConfig>& configs,
                                         const SBtsProfile& bts) {
    std::vector<SFoundConfiguration> found;
    int examined = 0;
    EXPECT_TRUE(SearchConfigurationBytes("f.hwc", FileText(configs), bts, found, examined));
    return found;
}

std::vector<std::string> Names(const std::vector<SFoundConfiguration>& found) {
    std::vector<std::string> names;
    for (const auto& f : found) {
        names.push_back(f.name);
    }
    return names;
}

} // namespace

TEST_F(SearchTest, EveryDetectedTransceiverMustBeStoredExtraOnesDoNotMatter) {
    const auto found = FoundIn(
        {{"Six", {1, 2, 3, 4, 5, 6}, {}}, {"Three", {1, 2, 3}, {}}, {"Gap", {1, 2, 4, 5}, {}}},
        Trxs({1, 2, 3, 4}));
    EXPECT_EQ(Names(found), std::vector<std::string>{"Six"});
    // A BTS that detected nothing takes every Orvik configuration.
    EXPECT_EQ(FoundIn({{"A", {1}, {}}, {"B", {}, {}}}, SBtsProfile{}).size(), 2u);
}

TEST_F(SearchTest, DetectedOnlyCountsUnitsThatAreNeitherPlannedNorIdle) {
    CSiteKODA site;
    SetBts({"Bts", {1, 2, 3, 4, 5}, {Ddu(1, 1), Rtc(1)}}, site);
    CDataBase* bts = CBtsConfiguration::Get();
    bts->FindUnit(kUnitKindTrx, 5)->SetUpgrade(true);
    bts->FindUnitByDisplayedNumber(kUnitKindRtc, 1)->SetIdle(true);
    const SBtsProfile p = SBtsProfile::FromConfiguration(bts);
    EXPECT_EQ(p.trx, Trxs({1, 2, 3, 4}).trx);
    EXPECT_TRUE(p.ddu[1]);
    EXPECT_FALSE(p.ddu[2]);
    EXPECT_FALSE(p.rtc[1]);
    EXPECT_EQ(SBtsProfile::FromConfiguration(nullptr).trx.count(), 0u);
}

TEST_F(SearchTest, DdusAndRtcsMatchByNumberOrByPlace) {
    SBtsProfile bts;
    bts.ddu[2] = true;
    // DDU 2 stands at places 3 and 4; a generic DDU row names no unit.
    EXPECT_EQ(Names(FoundIn({{"ByPlace3", {}, {Ddu(3)}},
                             {"ByPlace4", {}, {Ddu(4)}},
                             {"ByNumber", {}, {Ddu(9, 2)}},
                             {"WrongPlace", {}, {Ddu(5)}},
                             {"NumberedElsewhere", {}, {Ddu(3, 1)}},
                             {"Generic", {}, {{903, 3, -1}}},
                             {"RtcInstead", {}, {Rtc(2)}}},
                            bts)),
              (std::vector<std::string>{"ByPlace3", "ByPlace4", "ByNumber"}));
    SBtsProfile rtc;
    rtc.rtc[2] = true;
    EXPECT_EQ(Names(FoundIn({{"Rtc2", {}, {Rtc(2)}},
                             {"Rtc1", {}, {Rtc(1)}},
                             {"Numbered", {}, {Rtc(1, 2)}},
                             {"Generic", {}, {{901, 2, -1}}}},
                            rtc)),
              (std::vector<std::string>{"Rtc2", "Numbered"}));
}

TEST_F(SearchTest, OnlyOrvikConfigurationsOfTheListedKindsTakePart) {
    SStoredConfig other{"Other family", {1}, {}};
    other.bcfType = 4;
    SStoredConfig network{"Network only", {1}, {}};
    network.siteType = 2;
    std::vector<SFoundConfiguration> found;
    int examined = 0;
    ASSERT_TRUE(SearchConfigurationBytes("f.hwc", FileText({other, network, {"Ours", {1}, {}}}),
                                         Trxs({1}), found, examined));
    EXPECT_EQ(Names(found), std::vector<std::string>{"Ours"});
    EXPECT_EQ(examined, 1);
    EXPECT_EQ(found[0].indexInFile, 2);
    ASSERT_NE(found[0].record, nullptr);
    EXPECT_EQ(found[0].record->name, "Ours");
}

TEST_F(SearchTest, FolderWalkPassesOverWhatItCannotReadAndListsIt) {
    Write("a.hwc", {{"Same", {1, 2}, {}}, {"Short", {1}, {}}});
    Write("b.hwc", {{"Same", {1, 2, 3}, {}}});
    Write("C.HWC", {{"Upper", {1, 2}, {}}});
    Write("notes.txt", {{"Not searched", {1, 2}, {}}});
    WriteFile(File("foreign.hwc"), "PK\x03\x04 this is an archive, not a configuration");
    WriteFile(File("empty.hwc"), "");
    std::filesystem::create_symlink(File("gone.hwc"), File("dangling.hwc"));
    std::filesystem::create_directory(File("folder.hwc"));
    Write("folder.hwc/inside.hwc", {{"Nested", {1, 2}, {}}});

    std::vector<SSearchProgress> steps;
    const SSearchResult r = SearchFolder(folder, Trxs({1, 2}), nullptr,
                                         [&](const SSearchProgress& p) { steps.push_back(p); });
    EXPECT_TRUE(r.folderError.empty());
    EXPECT_FALSE(r.cancelled);
    // Names sort with upper case first; two configurations of the same name both appear.
    EXPECT_EQ(Names(r.found), (std::vector<std::string>{"Upper", "Same", "Same"}));
    EXPECT_EQ(r.found[1].path, File("a.hwc"));
    EXPECT_EQ(r.found[2].path, File("b.hwc"));
    EXPECT_EQ(r.filesSearched, 6);
    ASSERT_EQ(r.skipped.size(), 3u);
    EXPECT_EQ(r.skipped[0].path, File("dangling.hwc"));
    EXPECT_EQ(r.skipped[0].reason, "cannot be opened");
    EXPECT_EQ(r.skipped[1].path, File("empty.hwc"));
    EXPECT_EQ(r.skipped[2].reason, "is not a configuration file");
    ASSERT_EQ(steps.size(), 6u);
    EXPECT_EQ(steps.back().filesDone, 6);
    EXPECT_EQ(steps.back().filesTotal, 6);
    EXPECT_EQ(steps.back().found, 3);
}

TEST_F(SearchTest, CancelStopsBetweenFilesAndKeepsWhatWasFound) {
    for (int i = 0; i < 5; ++i) {
        Write("f" + std::to_string(i) + ".hwc", {{"C" + std::to_string(i), {1}, {}}});
    }
    std::atomic<bool> cancel{false};
    const SSearchResult r = SearchFolder(folder, Trxs({1}), &cancel, [&](const SSearchProgress& p) {
        if (p.filesDone == 2) {
            cancel = true;
        }
    });
    EXPECT_TRUE(r.cancelled);
    EXPECT_EQ(r.filesSearched, 2);
    EXPECT_EQ(Names(r.found), (std::vector<std::string>{"C0", "C1"}));
}

TEST_F(SearchTest, AFolderThatCannotBeListedSaysWhy) {
    const SSearchResult r = SearchFolder(File("missing"), SBtsProfile{});
    EXPECT_FALSE(r.folderError.empty());
    EXPECT_TRUE(r.found.empty());
    EXPECT_EQ(r.filesSearched, 0);
}

TEST_F(SearchTest, AJobSearchesOnItsOwnThreadAndCanBeCancelledMidway) {
    for (int i = 0; i < 40; ++i) {
        Write("f" + std::to_string(100 + i) + ".hwc", {{"C" + std::to_string(i), {1}, {}}});
    }
    CConfigSearchJob job;
    EXPECT_FALSE(job.TakeResult().has_value());
    job.Start(folder, Trxs({1}));
    job.Wait();
    auto whole = job.TakeResult();
    ASSERT_TRUE(whole.has_value());
    EXPECT_EQ(whole->found.size(), 40u);
    EXPECT_FALSE(job.TakeResult().has_value());

    // Cancelled before it could finish: the result says so and holds only what was found.
    job.Start(folder, Trxs({1}));
    job.Cancel();
    job.Wait();
    auto cut = job.TakeResult();
    ASSERT_TRUE(cut.has_value());
    if (cut->cancelled) {
        EXPECT_LT(cut->found.size(), 40u);
        EXPECT_EQ(static_cast<int>(cut->found.size()), cut->filesSearched);
    }
    // A new start drops a search still running.
    job.Start(folder, Trxs({1}));
    job.Start(folder, Trxs({2}));
    job.Wait();
    auto second = job.TakeResult();
    ASSERT_TRUE(second.has_value());
    EXPECT_TRUE(second->found.empty());
    EXPECT_EQ(second->filesSearched, 40);
}
