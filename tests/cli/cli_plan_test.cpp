#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <sys/wait.h>

#include "CliRunner.h"

namespace {
using PlanRun = clitest::Run;
inline std::string PlanData(const std::string& name) {
    return clitest::Data(name);
}
inline PlanRun RunCli(const std::string& args) {
    return clitest::Cli(args);
}
} // namespace

TEST(CliPlan, ListShowsEveryBtsOfAPlan) {
    const PlanRun run = RunCli("list --json " + PlanData("plan_two_sites.ewb"));
    ASSERT_EQ(run.rc, 0) << run.err;
    const auto rows = nlohmann::json::parse(run.out);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0]["name"], "Harbour");
    EXPECT_EQ(rows[0]["btsType"], "Orvik BTS");
    EXPECT_EQ(rows[1]["name"], "Ferry");
}

TEST(CliPlan, BrokenOrMissingPlansGiveTheirExitCodes) {
    const std::string broken = clitest::Temp("broken.ewb");
    std::ofstream(broken) << "<qorm version=\"1.9\"></qorm>";
    const PlanRun run = RunCli("list " + broken);
    EXPECT_EQ(run.rc, 1);
    EXPECT_NE(run.err.find("Qorm version specified in the file is not supported."),
              std::string::npos)
        << run.err;
    std::remove(broken.c_str());

    EXPECT_EQ(RunCli("list " + clitest::Temp("absent.ewb")).rc, 2);
}
