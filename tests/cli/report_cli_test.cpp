#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

#include <nlohmann/json.hpp>

#include "CliRunner.h"

namespace {

using clitest::ReadAll;
using CliRun = clitest::Run;

const std::string kSites = std::string(CABRION_TEST_DATA_DIR) + "/report_sites.hwc";

// The report header carries the date: fix it unless the test says otherwise.
CliRun Cli(const std::string& args, const std::string& env = "SOURCE_DATE_EPOCH=0") {
    return clitest::Cli(args, env);
}

} // namespace

TEST(ReportCli, ReportAsTheFileHoldsIt) {
    const CliRun out = Cli("report " + kSites);
    ASSERT_EQ(out.rc, 0) << out.err;
    EXPECT_EQ(out.out.rfind(std::string(75, '-') + "\r\nBTS HW Configuration Report\r\n"
                                                   "Thursday, January 01, 1970 00:00:00\r\n\r\n"
                                                   "Config. name:   Harbour Planned\r\n"
                                                   "Filename:       report_sites.hwc\r\n",
                            0),
              0u);
    // A label of sixteen characters runs straight into its value.
    EXPECT_NE(out.out.find("\r\nClock Sync Used:Autodetect On\r\n"), std::string::npos);
    EXPECT_NE(out.out.find("\r\nRVGA 2          -               -               HYGx 1b\r\n"),
              std::string::npos);
    EXPECT_EQ(out.out.find('('), out.out.find("(QD2A 1a-RVx 1")) << "no BTS, no brackets";
    EXPECT_EQ(out.out.find('\t'), std::string::npos);

    const std::string base = ::testing::TempDir() + "report_cli_out";
    std::filesystem::remove(base + ".hwr");
    ASSERT_EQ(Cli("report " + kSites + " -o " + base).rc, 0);
    EXPECT_EQ(ReadAll(base + ".hwr"), out.out);
    std::filesystem::remove(base + ".hwr");
}

TEST(ReportCli, ReportAgainstBtsConfiguration) {
    const CliRun out = Cli("report " + kSites + " --bts " + kSites + " --bts-index 2");
    ASSERT_EQ(out.rc, 0) << out.err;
    EXPECT_NE(out.out.find("\r\n(RVGA 2)        -               -               HYGx 1b\r\n"),
              std::string::npos);
    EXPECT_TRUE(out.out.ends_with("\r\n\r\n(Units within brackets are upgrade units)\r\n"));

    const CliRun second = Cli("report " + kSites + " --config \"Harbour Installed\"");
    ASSERT_EQ(second.rc, 0) << second.err;
    EXPECT_NE(second.out.find("Config. name:   Harbour Installed\r\n"), std::string::npos);
    EXPECT_EQ(second.out.find("RVGA 2"), std::string::npos);
}

TEST(ReportCli, DiffOfAConfigurationWithItselfIsTheSameWithAnExternalCabinet) {
    // TRX 3 ends at the external Orvik cabinet through a TX path that names no unit.
    const std::string path = ::testing::TempDir() + "external_orvik.hwc";
    std::filesystem::remove(path);
    ASSERT_EQ(Cli("new --sector 3 --band 2 -o " + path).rc, 0);
    // The TX page offers no external cabinet, so the file is changed as another tool would.
    std::string text = ReadAll(path);
    const std::string trx3 = "\\CAB_TRX_TX_CON           3\r\n";
    ASSERT_NE(text.find(trx3), std::string::npos);
    text.replace(text.find(trx3), trx3.size(), "\\CAB_TRX_TX_CON           18\r\n");
    std::ofstream(path, std::ios::binary) << text;
    ASSERT_EQ(Cli("validate " + path).rc, 0);

    const CliRun run = Cli("diff " + path + " --bts " + path);
    EXPECT_EQ(run.rc, 0) << run.out << run.err;
    EXPECT_EQ(run.out.find("Not same"), std::string::npos) << run.out;
}

TEST(ReportCli, DiffListsEveryView) {
    const CliRun same = Cli("diff " + kSites + " --bts " + kSites);
    EXPECT_EQ(same.rc, 0) << same.err;
    EXPECT_EQ(same.out.rfind("Cabinet Information\tIndoor, Clock Sync. is Autodetect On, LTE is "
                             "in use\tIndoor, Clock Sync. is Autodetect On, LTE is in use\tOK\n"
                             "Cabinet Units\t2 RVx / 1 cabling units\t2 RVx / 1 cabling units\t"
                             "OK\n",
                             0),
              0u);

    const CliRun differs = Cli("diff " + kSites + " --bts " + kSites + " --bts-index 2");
    EXPECT_EQ(differs.rc, 1);
    EXPECT_NE(differs.out.find("\nBB2 - RVx Cross-connection\tStraight through\tStraight "
                               "through\tOK\n"),
              std::string::npos);
    EXPECT_NE(differs.out.find("\nTX Cabling\t2 RVx / 2 cables\t1 RVx / 1 cables\tNot same\n"),
              std::string::npos);
    EXPECT_NE(differs.out.find("\nAntenna Settings\t1 Ant / 1 MHAs\t1 Ant / 1 MHAs\tOK\n"),
              std::string::npos);
    // TRX 2 of the candidate uses DDU 1 port b, which feeds no antenna.
    EXPECT_TRUE(differs.out.ends_with("\tOK\n\nMissing Antenna Settings for:\nHYGx 1b\n\n"));
}

// The six-transceiver sample against the twelve-transceiver one in the BTS: the lines of the
// differences follow the views, JSON carries the same rows, and the units called missing are
// exactly the ones the rows show the BTS alone to have.
TEST(ReportCli, DiffDetailListsTheDifferencesInTextAndJson) {
    const std::string samples = std::string(CABRION_TEST_DATA_DIR) + "/../../docs/samples/";
    const std::string args =
        "diff " + samples + "chapel-2x3.hwc --bts " + samples + "harbour-4x3.hwc --detail";
    const CliRun text = Cli(args);
    EXPECT_EQ(text.rc, 1) << text.err;
    EXPECT_NE(text.out.find("\nPassive Units\t0\t0\tOK\n\nCabinet Units\tRVDA 1\t"),
              std::string::npos)
        << text.out;
    EXPECT_NE(text.out.find("\nCabinet Units\tRVDB 12\t-\tRVDB Transceiver\n"), std::string::npos)
        << text.out;
    EXPECT_NE(text.out.find("\nTX Cabling\tRVDA 2\tHYDx 1b\tHYDx 1a via GEDA 1\n"),
              std::string::npos);
    EXPECT_NE(text.out.find("\nMissing units from Candidate:\nRVDB 3, RVDB 4, RVDB 7, RVDB 8\n"),
              std::string::npos);

    const CliRun json = Cli(args + " --json");
    EXPECT_EQ(json.rc, 1);
    const auto doc = nlohmann::json::parse(json.out);
    ASSERT_EQ(doc["views"].size(), 8u);
    std::vector<std::string> onlyInBts;
    std::size_t lines = 0;
    for (const auto& d : doc["differences"]) {
        ++lines;
        const int kind = d["unit"].is_null() ? 0 : d["unit"]["kind"].get<int>();
        if (d["view"] == "Cabinet Units" && d["candidate"] == "-" &&
            (kind == 1 || kind == 5 || kind == 6)) {
            onlyInBts.push_back(d["item"]);
        }
        EXPECT_NE(text.out.find("\n" + d["view"].get<std::string>() + "\t" +
                                d["item"].get<std::string>() + "\t" +
                                d["candidate"].get<std::string>() + "\t" +
                                d["bts"].get<std::string>() + "\n"),
                  std::string::npos)
            << d.dump();
    }
    EXPECT_GT(lines, 20u);
    EXPECT_EQ(doc["missing"]["units"], nlohmann::json(onlyInBts));
    EXPECT_EQ(onlyInBts.size(), 6u);

    // Without the flag the output is what scripts already read.
    const CliRun plain =
        Cli("diff " + samples + "chapel-2x3.hwc --bts " + samples + "harbour-4x3.hwc");
    EXPECT_EQ(plain.out.find("RVDB Transceiver"), std::string::npos);
}

TEST(ReportCli, ProblemsInTheChosenConfigurationAreReported) {
    std::string bytes = ReadAll(kSites);
    const std::string after = "\"Harbour Planned\"\r\n";
    bytes.insert(bytes.find(after) + after.size(), "\\NO_SUCH_KEYWORD         1\r\n");
    const std::string path = ::testing::TempDir() + "report_cli_problem.hwc";
    std::ofstream(path, std::ios::binary) << bytes;

    const CliRun planned = Cli("report " + path);
    EXPECT_EQ(planned.rc, 1);
    EXPECT_NE(planned.out.find("Config. name:   Harbour Planned"), std::string::npos);
    EXPECT_NE(planned.err.find("1 problem(s) in configuration \"Harbour Planned\""),
              std::string::npos);
    EXPECT_EQ(Cli("report " + path + " --index 2").rc, 0);
    std::filesystem::remove(path);
}

TEST(ReportCli, UsageAndUnreadableInput) {
    EXPECT_EQ(Cli("report " + kSites + " --index 4").rc, 2);
    EXPECT_EQ(Cli("report " + kSites + " --config Nowhere").rc, 2);
    EXPECT_EQ(Cli("report " + kSites + " --config X --index 1").rc, 2);
    EXPECT_EQ(Cli("report " + kSites + " --bts-index 2").rc, 2);
    EXPECT_EQ(Cli("report /nonexistent/sites.hwc").rc, 2);
    EXPECT_EQ(Cli("report " + kSites + " -o /nonexistent/dir/out").rc, 2);
    EXPECT_EQ(Cli("report " + kSites, "SOURCE_DATE_EPOCH=soon").rc, 2);
    EXPECT_EQ(Cli("diff " + kSites).rc, 2);
    EXPECT_EQ(Cli("diff " + kSites + " --bts " + kSites + " --missing 0").rc, 2);
    // A configuration without cabinet records cannot be described.
    const CliRun bare = Cli("report " + kSites + " --index 3");
    EXPECT_EQ(bare.rc, 1);
    EXPECT_NE(bare.err.find("\"Bare Cabinet\" has no cabinet"), std::string::npos);
    for (const char* cmd : {"report --help", "diff --help"})
        EXPECT_EQ(Cli(cmd).rc, 0) << cmd;
}
