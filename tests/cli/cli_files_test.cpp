#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <sys/wait.h>

#include "CliRunner.h"

namespace {
using clitest::Cli;
using clitest::Data;
using clitest::ReadAll;
using clitest::Temp;
using clitest::WriteAll;
using CliRun = clitest::Run;
} // namespace

TEST(CliFiles, ListGivesThePanelValues) {
    const CliRun text = Cli("list " + Data("full.hwc"));
    EXPECT_EQ(text.rc, 0);
    EXPECT_EQ(text.out.substr(0, text.out.find('\n')),
              "1\tNorth Pier\tOrvik BTS\tNP-01\tGSM 900/1800\t2\t2\t1 + 2\tTX, RX Main, RX Div\t"
              "Two sectors, 900 and 1800");

    const CliRun json = Cli("list --json " + Data("full.hwc"));
    ASSERT_EQ(json.rc, 0);
    const auto rows = nlohmann::json::parse(json.out);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1]["index"], 2);
    EXPECT_EQ(rows[1]["name"], "Empty Lot");
    EXPECT_EQ(rows[1]["cabling"], "-");
    for (const char* key :
         {"btsType", "id", "network", "trxIds", "trxUnits", "sectors", "description"})
        EXPECT_TRUE(rows[0].contains(key)) << key;
}

TEST(CliFiles, ValidateReportsEveryProblem) {
    const CliRun ok = Cli("validate " + Data("full.hwc"));
    EXPECT_EQ(ok.rc, 0);
    EXPECT_TRUE(ok.out.empty());

    const CliRun bad = Cli("validate " + Data("errors.hwc"));
    EXPECT_EQ(bad.rc, 1);
    EXPECT_EQ(bad.out.substr(0, bad.out.find('\n')),
              "3\tMisplaced\t\\CAB_UNIT_SLOT\t1\t<File Header>");
    EXPECT_NE(bad.out.find("5\tValue\t\\SITE_ID\t\tBroken \xc3\xa5sa\n"), std::string::npos)
        << "names are shown as UTF-8";

    const CliRun json = Cli("validate " + Data("no_version.hwc") + " --json");
    EXPECT_EQ(json.rc, 1);
    const auto rows = nlohmann::json::parse(json.out);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0]["type"], "Missing");
    EXPECT_EQ(rows[0]["line"], 3);
    EXPECT_EQ(rows[0]["configuration"], "<File Header>");
    EXPECT_EQ(json.err.rfind("Syntax Error  3: ", 0), 0u);
}

TEST(CliFiles, UsageAndUnreadableInput) {
    EXPECT_EQ(Cli("list /nonexistent/file.hwc").rc, 2);
    EXPECT_EQ(Cli("validate").rc, 2);
    EXPECT_EQ(Cli("hwi import /nonexistent.hwi").rc, 2);
    for (const char* cmd : {"list --help", "validate --help", "hwi --help", "hwi import --help"})
        EXPECT_EQ(Cli(cmd).rc, 0) << cmd;
}

TEST(CliFiles, HwiImportAndExport) {
    const CliRun json = Cli("hwi import " + Data("passive.hwi") + " --json");
    ASSERT_EQ(json.rc, 0);
    const auto rows = nlohmann::json::parse(json.out);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1]["group"], 5);
    EXPECT_EQ(rows[1]["slot"], 3);
    EXPECT_EQ(rows[1]["serialNumber"], "MH-3");
    EXPECT_EQ(rows[2]["productId"], "MISC");

    const std::string out = clitest::Temp("export.hwi");
    ASSERT_EQ(Cli("hwi export " + Data("passive.hwi") + " " + out).rc, 0);
    const CliRun again = Cli("hwi import " + out + " --json");
    EXPECT_EQ(nlohmann::json::parse(again.out), rows);
    EXPECT_EQ(ReadAll(out).rfind("File: export.hwi\r\n\r\n*Current Cabinet\r\n", 0), 0u);
}

// A Selmo configuration is listed, but every command that would build it as an Orvik one
// refuses it by name and leaves the target alone.
TEST(CliFiles, SelmoConfigurationsAreRefusedNotHalfRun) {
    const std::string selmo = Data("../../docs/samples/selmo-4trx.hwc");
    const std::string orvik = Data("../../docs/samples/chapel-2x3.hwc");
    const CliRun list = Cli("list " + selmo);
    EXPECT_EQ(list.rc, 0);
    EXPECT_NE(list.out.find("Selmo 2+2\tNot supported"), std::string::npos) << list.out;
    const std::string out = Temp("selmo-out.hwc");
    const std::string script = Temp("selmo-script.json");
    WriteAll(script, "[]");
    for (const std::string& args :
         {"dump " + selmo, "report " + selmo, "convert " + selmo + " " + out,
          "render " + selmo + " --view 2 --out " + Temp("selmo.png"),
          "edit " + selmo + " --script " + script, "diff " + orvik + " --bts " + selmo,
          "search " + Data("../../docs/samples") + " --bts " + selmo}) {
        const CliRun r = Cli(args);
        EXPECT_NE(r.rc, 0) << args;
        EXPECT_NE(r.err.find("is a Selmo configuration; cabrion-cli works on Orvik "
                             "configurations only"),
                  std::string::npos)
            << args << ": " << r.err;
    }
    std::ifstream written(out);
    EXPECT_FALSE(written.good());
    std::remove(script.c_str());
}
