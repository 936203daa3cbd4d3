// cabrion-cli search: the configurations of a folder that fit a BTS, given as a file or as a
// live (simulated) BTS, with the exit codes scripts rely on.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "CliRunner.h"
#include "support/SearchArchive.h"
#include "support/SimProcess.h"

namespace {

namespace fs = std::filesystem;
using namespace searchtest;
using clitest::Cli;

class SearchCli : public ::testing::Test {
protected:
    void SetUp() override {
        dir = clitest::Temp("search");
        fs::create_directories(dir + "/archive");
        WriteFile(dir + "/archive/a.hwc",
                  FileText({{"Four", {1, 2, 3, 4}}, {"Six", {1, 2, 3, 4, 5, 6}}}));
        WriteFile(dir + "/archive/b.hwc", FileText({{"Six", {1, 2, 3, 4, 5, 6}, {Ddu(1, 1)}}}));
        WriteFile(dir + "/archive/garbage.hwc", "not a configuration\r\n");
        WriteFile(dir + "/bts4.hwc", FileText({{"Bts", {1, 2, 3, 4}}}));
        WriteFile(dir + "/bts.hwc", FileText({{"Small", {1}}, {"Big", {1, 2, 3, 4, 5, 6, 7}}}));
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string Archive() const { return dir + "/archive"; }

    std::string dir;
};

TEST_F(SearchCli, ListsWhatFitsInTheOrderFoundAndNamesWhatItPassedOver) {
    const auto r = Cli("search " + Archive() + " --bts " + dir + "/bts4.hwc");
    EXPECT_EQ(r.rc, 0) << r.err;
    EXPECT_EQ(r.out, Archive() + "/a.hwc\tFour\n" + Archive() + "/a.hwc\tSix\n" + Archive() +
                         "/b.hwc\tSix\n");
    EXPECT_NE(r.err.find("garbage.hwc: is not a configuration file"), std::string::npos) << r.err;

    const auto j = Cli("search " + Archive() + " --bts " + dir + "/bts4.hwc --json");
    ASSERT_EQ(j.rc, 0) << j.err;
    const auto doc = nlohmann::json::parse(j.out);
    ASSERT_EQ(doc["found"].size(), 3u);
    EXPECT_EQ(doc["found"][1]["name"], "Six");
    EXPECT_EQ(doc["found"][1]["index"], 2);
    EXPECT_EQ(doc["skipped"][0]["file"], Archive() + "/garbage.hwc");
    EXPECT_EQ(doc["filesSearched"], 3);
    EXPECT_EQ(doc["configurationsExamined"], 3);
}

TEST_F(SearchCli, TheBtsConfigurationIsChosenByNameAndNothingFoundIsNoSuccess) {
    const auto big = Cli("search " + Archive() + " --bts " + dir + "/bts.hwc --bts-config Big");
    EXPECT_EQ(big.rc, 1);
    EXPECT_EQ(big.out, "");
    EXPECT_NE(big.err.find("No matching configuration found."), std::string::npos) << big.err;
    const auto json =
        Cli("search " + Archive() + " --bts " + dir + "/bts.hwc --bts-config Big --json");
    EXPECT_EQ(json.rc, 1);
    EXPECT_TRUE(nlohmann::json::parse(json.out)["found"].empty());
    EXPECT_EQ(Cli("search " + Archive() + " --bts " + dir + "/bts.hwc").rc, 0);
}

TEST_F(SearchCli, BadInputIsAUsageError) {
    EXPECT_EQ(Cli("search " + Archive()).rc, 2);
    EXPECT_EQ(Cli("search " + dir + "/missing --bts " + dir + "/bts4.hwc").rc, 2);
    EXPECT_EQ(Cli("search " + Archive() + " --bts " + dir + "/missing.hwc").rc, 2);
    EXPECT_EQ(Cli("search " + Archive() + " --bts " + dir + "/bts.hwc --bts-config Nope").rc, 2);
    EXPECT_EQ(Cli("search " + Archive() + " --bts x.hwc --target HOST=127.0.0.1").rc, 2);
}

TEST_F(SearchCli, ALiveBtsIsComparedByTheUnitsItReports) {
    WriteFile(dir + "/bts.json", R"({"bts": {"bcfState": "Commissioning",
        "units": [{"kind": "TRX", "first": 1, "last": 6}, {"kind": "DDU", "first": 1, "last": 1}]
    }})");
    testsupport::CSimProcess sim(
        {testsupport::BtsSimProgram(), "--listen", "127.0.0.1:0", "--scenario", dir + "/bts.json"});
    const std::string line = sim.FirstLine();
    ASSERT_EQ(line.rfind("listening 127.0.0.1:", 0), 0u) << line;
    const std::string target = "HOST=127.0.0.1,TCPPORT=" + line.substr(20);

    const auto r = Cli("search " + Archive() + " --timeout 20 --target " + target);
    EXPECT_EQ(r.rc, 0) << r.err;
    // Six transceivers and DDU 1: only the second file's configuration has them all. The
    // link's event lines stay off standard output.
    EXPECT_EQ(r.out, Archive() + "/b.hwc\tSix\n") << r.err;
}

TEST_F(SearchCli, ABtsThatNeverAnswersIsNotAnEmptyResult) {
    WriteFile(dir + "/mute.json", "{}");
    testsupport::CSimProcess sim({testsupport::BtsSimProgram(), "--listen", "127.0.0.1:0",
                                  "--scenario", dir + "/mute.json"});
    const std::string line = sim.FirstLine();
    const auto r = Cli("search " + Archive() +
                       " --timeout 1 --target HOST=127.0.0.1,TCPPORT=" + line.substr(20));
    EXPECT_EQ(r.rc, 2);
    EXPECT_EQ(r.out, "");
}

} // namespace
