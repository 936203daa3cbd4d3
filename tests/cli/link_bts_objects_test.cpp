// cabrion-cli link against cabrion-btssim: what the simulated BTS reports about itself ends up
// in the configuration currently in BTS.
#include <gtest/gtest.h>

#include "support/SimProcess.h"

#include <array>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// cabrion-btssim on a free loopback port, stopped by its process id; it ends by itself too.
class CBtsSim {
public:
    explicit CBtsSim(const std::string& scenario)
        : m_process({testsupport::BtsSimProgram(), "--listen", "127.0.0.1:0", "--seconds", "60",
                     "--scenario", scenario}) {
        std::sscanf(m_process.FirstLine().c_str(), "listening 127.0.0.1:%d", &m_port);
    }
    int Port() const { return m_port; }

private:
    testsupport::CSimProcess m_process;
    int m_port = 0;
};

struct SRun {
    int rc = -1;
    std::vector<std::string> lines;
};

SRun Link(int port, const std::string& more) {
    // Lock folders of its own keep the connection lock clear of other links on the machine.
    static const std::string runtime = [] {
        std::string dir = ::testing::TempDir() + "cabrion-linkXXXXXX";
        return ::mkdtemp(dir.data()) ? dir : ::testing::TempDir();
    }();
    const std::string cmd =
        "XDG_RUNTIME_DIR=" + runtime + " CABRION_LOCK_DIR=" + runtime + " " +
        std::string(CABRION_BINARY_DIR) +
        "/programs/cabrion-cli link --target HOST=127.0.0.1,TCPPORT=" + std::to_string(port) + " " +
        more + " 2>/dev/null";
    SRun run;
    FILE* p = ::popen(cmd.c_str(), "r");
    if (p == nullptr) {
        return run;
    }
    std::string out;
    std::array<char, 4096> buf{};
    size_t n = 0;
    while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0) {
        out.append(buf.data(), n);
    }
    const int status = ::pclose(p);
    run.rc = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        run.lines.push_back(line);
    }
    return run;
}

std::string WriteScenario(const std::string& name, const std::string& json) {
    const std::string path = ::testing::TempDir() + name;
    std::ofstream(path) << json;
    return path;
}

bool Has(const SRun& run, const std::string& text) {
    for (const auto& line : run.lines) {
        if (line.find(text) != std::string::npos) {
            return true;
        }
    }
    return false;
}

TEST(LinkBtsObjects, ConfigurationCurrentlyInBtsHoldsTheReportedUnits) {
    const std::string scenario = WriteScenario("link_six_trx.json", R"({"bts": {
        "bcfState": "Commissioning",
        "units": [{"kind": "TRX", "first": 1, "last": 6}, {"kind": "DDU", "first": 1, "last": 3}]
    }})");
    CBtsSim sim(scenario);
    ASSERT_GT(sim.Port(), 0);
    const SRun run = Link(sim.Port(), "--seconds 2 --objects");
    EXPECT_EQ(run.rc, 0);
    EXPECT_TRUE(Has(run, "Received message: Orvik BTS reported."));
    EXPECT_TRUE(Has(run, "Received message: Device state has changed."));
    EXPECT_TRUE(Has(run, " BCF state: Commissioning"));

    std::set<std::string> units;
    for (const auto& line : run.lines) {
        if (line.rfind("bts-unit ", 0) == 0) {
            units.insert(line.substr(9, line.find(" name=") - 9));
        }
    }
    std::set<std::string> expected{"kind=2 number=1"};
    for (int n = 1; n <= 6; ++n) {
        expected.insert("kind=1 number=" + std::to_string(n));
    }
    for (int n = 1; n <= 3; ++n) {
        expected.insert("kind=6 number=" + std::to_string(n));
    }
    EXPECT_EQ(units, expected);
    EXPECT_TRUE(Has(run, "bts-logical BCF state=Commissioning"));
    EXPECT_TRUE(Has(run, "object class=1 index=1 name=BCF state=Commissioning"));
}

int Count(const SRun& run, const std::string& text) {
    int n = 0;
    for (const auto& line : run.lines) {
        n += line.find(text) != std::string::npos ? 1 : 0;
    }
    return n;
}

TEST(LinkBtsObjects, TheBtsReportsOncePerLinkAndTheSpeedChangeIsNoNewLink) {
    // The link is raised to 115200 once it is up, which reopens the connection.
    CBtsSim sim(WriteScenario("link_once.json", R"({"bts": {}})"));
    ASSERT_GT(sim.Port(), 0);
    const SRun run = Link(sim.Port(), "--seconds 3");
    EXPECT_EQ(run.rc, 0);
    EXPECT_TRUE(Has(run, "report kind=4 code=1 text=Communication speed changed to 115200."));
    EXPECT_EQ(Count(run, "Received message: Orvik BTS reported."), 1);
    EXPECT_EQ(Count(run, "Message rejected because it has already been received"), 0);

    // Another client is another link: the BTS reports itself to it too.
    const SRun again = Link(sim.Port(), "--seconds 2");
    EXPECT_EQ(Count(again, "Received message: Orvik BTS reported."), 1);
    EXPECT_EQ(Count(again, "Message rejected because it has already been received"), 0);
}

TEST(LinkBtsObjects, ABtsThatReportsTwiceOnOneLinkIsRefusedTheSecondTime) {
    // Reported once by the BTS model and once more from the scenario's own messages.
    CBtsSim sim(
        WriteScenario("link_twice.json", R"({"bts": {}, "uplink": ["82 00 00 00 13 01 13"]})"));
    ASSERT_GT(sim.Port(), 0);
    const SRun run = Link(sim.Port(), "--seconds 3");
    EXPECT_EQ(Count(run, "Received message: Orvik BTS reported."), 2);
    EXPECT_EQ(Count(run, "Message rejected because it has already been received"), 1);
}

TEST(LinkBtsObjects, UnsupportedBtsIsRefused) {
    CBtsSim sim(WriteScenario("link_unsupported.json", R"({"bts": {"type": 21}})"));
    ASSERT_GT(sim.Port(), 0);
    const SRun run = Link(sim.Port(), "--seconds 5");
    EXPECT_EQ(run.rc, 1);
    EXPECT_TRUE(Has(run, "message Cabrion supports only\\nconnection to Orvik EDGE BTS."));
}

} // namespace
