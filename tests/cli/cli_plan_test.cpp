#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <sys/wait.h>

namespace {

struct PlanRun {
    int rc = -1;
    std::string out;
    std::string err;
};

std::string PlanData(const std::string& name) {
    return std::string(CABRION_TEST_DATA_DIR) + "/" + name;
}

PlanRun RunCli(const std::string& args) {
    const std::string errFile = ::testing::TempDir() + "cli_plan_stderr.txt";
    const std::string cmd =
        std::string(CABRION_BINARY_DIR) + "/programs/cabrion-cli " + args + " 2>" + errFile;
    PlanRun r;
    FILE* p = ::popen(cmd.c_str(), "r");
    if (p == nullptr)
        return r;
    std::array<char, 4096> buf{};
    std::size_t n = 0;
    while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0)
        r.out.append(buf.data(), n);
    const int status = ::pclose(p);
    r.rc = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream in(errFile, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    r.err = s.str();
    return r;
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
    const std::string broken = ::testing::TempDir() + "cli_plan_broken.ewb";
    std::ofstream(broken) << "<qorm version=\"1.9\"></qorm>";
    const PlanRun run = RunCli("list " + broken);
    EXPECT_EQ(run.rc, 1);
    EXPECT_NE(run.err.find("Qorm version specified in the file is not supported."),
              std::string::npos)
        << run.err;
    std::remove(broken.c_str());

    EXPECT_EQ(RunCli("list " + ::testing::TempDir() + "cli_plan_absent.ewb").rc, 2);
}
