// The cabrion-btssim program itself: it prints where it serves and serves the link there.
#include "comms/CommsClient.h"
#include "comms/CommsReport.h"
#include "comms/CommunicationBTS.h"

#include <gtest/gtest.h>

#include "support/SimProcess.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

using testsupport::CSimProcess;

struct UpClient : CCommsClient {
    explicit UpClient(CCommunicationBTS& hub) : CCommsClient(hub) {}
    void OnReport(const CCommsReport& r) override {
        up = up || r.Kind() == CCommsReport::kConnected;
    }
    bool up = false;
};

std::string Program() {
    return std::string(CABRION_BINARY_DIR) + "/programs/cabrion-btssim";
}

} // namespace

TEST(BtsSimProgram, ServesTheLinkOnTheAnnouncedPort) {
    if (!std::filesystem::exists(Program())) {
        GTEST_SKIP() << "cabrion-btssim is not built in this configuration";
    }
    CSimProcess sim({Program(), "--listen", "127.0.0.1:0", "--seconds", "30"});
    const std::string line = sim.FirstLine();
    ASSERT_EQ(line.rfind("listening 127.0.0.1:", 0), 0u) << line;
    const std::string port = line.substr(std::string("listening 127.0.0.1:").size());

    CCommunicationBTS hub;
    hub.SetSettings({1, 1});
    std::string dir = (std::filesystem::temp_directory_path() / "cabrion-simXXXXXX").string();
    ASSERT_NE(::mkdtemp(dir.data()), nullptr);
    hub.SetLockDirectory(dir);
    UpClient client(hub);
    ASSERT_EQ(hub.StartConnection(kConnRemote, "HOST=127.0.0.1,TCPPORT=" + port), 1);
    const auto end = std::chrono::steady_clock::now() + 10s;
    while (!client.up && std::chrono::steady_clock::now() < end) {
        hub.WaitAndPump(50ms);
    }
    EXPECT_TRUE(client.up);
    frame::Bytes reply;
    EXPECT_EQ(hub.Transact(frame::Bytes{0xF2, 0x00, 0x02, 0x02}, reply), 1);
    EXPECT_EQ(reply.at(0), 0x81);
    hub.StopConnection();
}

TEST(BtsSimProgram, RefusesAScenarioItCannotRead) {
    if (!std::filesystem::exists(Program())) {
        GTEST_SKIP() << "cabrion-btssim is not built in this configuration";
    }
    std::string dir = (std::filesystem::temp_directory_path() / "cabrion-simXXXXXX").string();
    ASSERT_NE(::mkdtemp(dir.data()), nullptr);
    const std::string file = dir + "/bad.json";
    std::FILE* f = std::fopen(file.c_str(), "w");
    ASSERT_NE(f, nullptr);
    std::fputs("{\"uplink\": [\"zz\"]}", f);
    std::fclose(f);
    const std::string cmd = Program() + " --scenario " + file + " --seconds 1 2>/dev/null";
    const int status = std::system(cmd.c_str());
    EXPECT_EQ(WEXITSTATUS(status), 2);
    std::filesystem::remove_all(dir);
}

TEST(BtsSimProgram, CliLinkPrintsReportsAndUplinkMessages) {
    const std::string cli = std::string(CABRION_BINARY_DIR) + "/programs/cabrion-cli";
    if (!std::filesystem::exists(Program()) || !std::filesystem::exists(cli)) {
        GTEST_SKIP() << "the programs are not built in this configuration";
    }
    std::string dir = (std::filesystem::temp_directory_path() / "cabrion-simXXXXXX").string();
    ASSERT_NE(::mkdtemp(dir.data()), nullptr);
    const std::string scenario = dir + "/bts.json";
    {
        std::FILE* f = std::fopen(scenario.c_str(), "w");
        ASSERT_NE(f, nullptr);
        std::fputs("{\"uplink\": [\"82 00 00 00 13\"]}", f);
        std::fclose(f);
    }
    CSimProcess sim({Program(), "--scenario", scenario, "--seconds", "30"});
    const std::string line = sim.FirstLine();
    ASSERT_EQ(line.rfind("listening 127.0.0.1:", 0), 0u) << line;
    const std::string port = line.substr(std::string("listening 127.0.0.1:").size());

    const std::string out = dir + "/out.txt";
    const std::string cmd =
        "XDG_RUNTIME_DIR=" + dir + " CABRION_LOCK_DIR=" + dir + " " + cli +
        " link --max-speed 1 --seconds 1 --target HOST=127.0.0.1,TCPPORT=" + port + " > " + out;
    const int status = std::system(cmd.c_str());
    EXPECT_EQ(WEXITSTATUS(status), 0);
    std::string text;
    {
        std::FILE* f = std::fopen(out.c_str(), "r");
        ASSERT_NE(f, nullptr);
        char buffer[512];
        while (std::fgets(buffer, sizeof buffer, f)) {
            text += buffer;
        }
        std::fclose(f);
    }
    EXPECT_EQ(text.rfind("report kind=2 code=0\nreport kind=1 code=0\n", 0), 0u) << text;
    EXPECT_NE(text.find("uplink 82 00 00 00 13\n"), std::string::npos) << text;
    EXPECT_NE(text.find("report kind=0 code=0\n"), std::string::npos) << text;

    // Nothing to connect to: the link never comes up.
    const std::string refused = "XDG_RUNTIME_DIR=" + dir + " CABRION_LOCK_DIR=" + dir + " " + cli +
                                " link --seconds 0.2 --target HOST=127.0.0.1,TCPPORT=1 >/dev/null";
    EXPECT_EQ(WEXITSTATUS(std::system(refused.c_str())), 1);
    EXPECT_EQ(WEXITSTATUS(std::system((cli + " link 2>/dev/null").c_str())), 2);
    std::filesystem::remove_all(dir);
}
