// cabrion-cli new and check: a configuration made from a sector configuration, saved without
// harming what the file held, and checked against the wiring rules.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

#include "CliRunner.h"

namespace {

using CliResult = clitest::Run;
using clitest::Cli;
using clitest::ReadAll;
using clitest::WriteAll;

class RulesCli : public ::testing::Test {
protected:
    void SetUp() override {
        dir = clitest::Temp("rules") + "/";
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }
    std::string dir;
};

TEST_F(RulesCli, NewWritesAConfigurationThatListsAndChecksClean) {
    const std::string out = dir + "rtc.hwc";
    const CliResult made =
        Cli("new --sector '6+6 (RTC)' --band 2 --description 'two halves' -o " + out);
    ASSERT_EQ(made.rc, 0) << made.err;
    const std::string text = ReadAll(out);
    EXPECT_NE(text.find("\"6+6 (RTC)\""), std::string::npos);
    EXPECT_NE(text.find("two halves"), std::string::npos);

    const CliResult list = Cli("list " + out);
    EXPECT_EQ(list.rc, 0);
    EXPECT_NE(list.out.find("6+6 (RTC)"), std::string::npos);
    EXPECT_EQ(Cli("validate " + out).rc, 0);
    // A clean check says what it checked; --quiet keeps it silent.
    const CliResult check = Cli("check " + out);
    EXPECT_EQ(check.rc, 0) << check.out;
    EXPECT_EQ(check.out, out + ": cabling of 6+6 (RTC) checked, no problems\n");
    const CliResult quiet = Cli("check --quiet " + out);
    EXPECT_EQ(quiet.rc, 0) << quiet.out;
    EXPECT_EQ(quiet.out, "");

    // A second configuration joins the file; the first stays.
    const CliResult second = Cli("new --sector 1 --band 130 --name Harbour -o " + out);
    ASSERT_EQ(second.rc, 0) << second.err;
    const CliResult both = Cli("list " + out);
    EXPECT_NE(both.out.find("6+6 (RTC)"), std::string::npos);
    EXPECT_NE(both.out.find("Harbour"), std::string::npos);
    EXPECT_EQ(Cli("check --config Harbour " + out).rc, 0);
    EXPECT_EQ(Cli("check " + out).out,
              out + ": cabling of 2 configurations checked, no problems\n");
    EXPECT_EQ(Cli("check --index 3 " + out).rc, 2);
}

TEST_F(RulesCli, NewRefusesBadInputAndLeavesTheFileAlone) {
    const std::string out = dir + "keep.hwc";
    ASSERT_EQ(Cli("new --sector 5 --band 2 -o " + out).rc, 0);
    const std::string before = ReadAll(out);

    EXPECT_EQ(Cli("new --sector 17 --band 2 -o " + out).rc, 2);
    EXPECT_EQ(Cli("new --sector 0 --band 2 -o " + out).rc, 2);
    EXPECT_EQ(Cli("new --sector 'no such' --band 2 -o " + out).rc, 2);
    EXPECT_EQ(Cli("new --sector 5 --band 0 -o " + out).rc, 2);
    EXPECT_EQ(Cli("new --sector 5 --band 1024 -o " + out).rc, 2);
    // The same name twice would leave two configurations nobody can tell apart.
    const CliResult twice = Cli("new --sector 5 --band 2 -o " + out);
    EXPECT_EQ(twice.rc, 1);
    EXPECT_NE(twice.err.find("already has"), std::string::npos);
    EXPECT_EQ(ReadAll(out), before);

    const std::string notes = dir + "notes.hwc";
    WriteAll(notes, "shopping list\n");
    EXPECT_EQ(Cli("new --sector 5 --band 2 -o " + notes).rc, 2);
    EXPECT_EQ(ReadAll(notes), "shopping list\n");
}

TEST_F(RulesCli, CheckReportsATransceiverOnTheOtherHalfsRtc) {
    const std::string out = dir + "crossed.hwc";
    ASSERT_EQ(Cli("new --sector '6+6 (RTC)' --band 2 -o " + out).rc, 0);
    std::string text = ReadAll(out);
    // TRX 1 sends into RTC 2 main.
    const std::string tx = "\\CAB_TRX_TX_CON           13";
    const auto at = text.find(tx);
    ASSERT_NE(at, std::string::npos);
    text.replace(at, tx.size(), "\\CAB_TRX_TX_CON           15");
    WriteAll(out, text);

    const CliResult check = Cli("check " + out);
    EXPECT_EQ(check.rc, 1);
    EXPECT_NE(check.out.find("Critical\tRVx TX must be connected directly to RTC left of it.\t"
                             "Reconnect."),
              std::string::npos)
        << check.out;
    EXPECT_EQ(Cli("check " + dir + "missing.hwc").rc, 2);
}

} // namespace
