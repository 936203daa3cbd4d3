// The real program under an X server, as a person starts it: a sample file on the command line,
// once without a BTS and once with the simulated BTS on a pseudo-terminal. What the window shows
// is read back from the X server's window list.
#include "support/SimProcess.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

namespace {

namespace fs = std::filesystem;

std::string Output(const std::string& command) {
    std::string out;
    if (FILE* p = ::popen(command.c_str(), "r")) {
        char buf[4096];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) {
            out.append(buf, n);
        }
        ::pclose(p);
    }
    return out;
}

bool HaveProgram(const char* name) {
    return std::system((std::string("command -v ") + name + " >/dev/null 2>&1").c_str()) == 0;
}

// A child process with its own environment additions, ended by its id.
class CChild {
public:
    CChild(std::vector<std::string> args, std::vector<std::string> env) {
        m_pid = ::fork();
        if (m_pid == 0) {
            for (auto& e : env) {
                ::putenv(e.data());
            }
            std::FILE* devnull = std::fopen("/dev/null", "w");
            if (devnull) {
                ::dup2(::fileno(devnull), 1);
                ::dup2(::fileno(devnull), 2);
            }
            std::vector<char*> argv;
            for (auto& a : args) {
                argv.push_back(a.data());
            }
            argv.push_back(nullptr);
            ::execvp(argv[0], argv.data());
            ::_exit(127);
        }
    }
    ~CChild() {
        if (m_pid > 0) {
            ::kill(m_pid, SIGTERM);
            int status = 0;
            ::waitpid(m_pid, &status, 0);
        }
    }
    CChild(const CChild&) = delete;
    CChild& operator=(const CChild&) = delete;

private:
    pid_t m_pid = -1;
};

struct XServer {
    std::string display;
    std::unique_ptr<CChild> server;
    XServer() {
        // A display number of our own, unlikely to be taken by another test run.
        display = ":" + std::to_string(90 + ::getpid() % 500);
        server =
            std::make_unique<CChild>(std::vector<std::string>{"Xvfb", display, "-screen", "0",
                                                              "1280x1024x24", "-nolisten", "tcp"},
                                     std::vector<std::string>{});
        for (int i = 0; i < 50 && !Ready(); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    }
    bool Ready() const {
        return std::system(("DISPLAY=" + display + " xwininfo -root >/dev/null 2>&1").c_str()) == 0;
    }
    // Waits for a top-level window whose title contains the text; returns the title found.
    std::string WaitForTitle(const std::string& text, int seconds) const {
        std::string last;
        for (int i = 0; i < seconds * 5; ++i) {
            const std::string tree = Output("DISPLAY=" + display + " xwininfo -root -tree");
            const size_t at = tree.find(text);
            if (at != std::string::npos) {
                const size_t open = tree.rfind('"', at);
                const size_t close = tree.find('"', at);
                return tree.substr(open + 1, close - open - 1);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
        }
        return last;
    }
};

// A settings folder of the test's own, with the local connection switched on or off.
fs::path SettingsHome(const std::string& name, bool enableBts) {
    const fs::path home =
        fs::temp_directory_path() / ("cabrion-e2e-" + name + "-" + std::to_string(::getpid()));
    fs::remove_all(home);
    fs::create_directories(home / "Torvane");
    std::ofstream(home / "Torvane" / "Cabrion.ini")
        << "[Initialization]\nEnableBTS=" << (enableBts ? 1 : 0) << "\nComPort=1\n";
    return home;
}

std::string Program() {
    return std::string(CABRION_BINARY_DIR) + "/programs/cabrion";
}

std::string Sample(const char* name) {
    return (fs::path(CABRION_TEST_DATA_DIR) / ".." / ".." / "docs" / "samples" / name)
        .lexically_normal()
        .string();
}

class Desktop : public ::testing::Test {
protected:
    void SetUp() override {
        if (!HaveProgram("Xvfb") || !HaveProgram("xwininfo")) {
            GTEST_SKIP() << "Xvfb and xwininfo are needed (scripts/setup-deps.sh installs them)";
        }
    }
};

TEST_F(Desktop, StartsWithTheSampleAndNoConnection) {
    XServer x;
    ASSERT_TRUE(x.Ready());
    const fs::path home = SettingsHome("offline", false);
    CChild app({Program(), Sample("harbour-4x3.hwc")},
               {"DISPLAY=" + x.display, "XDG_CONFIG_HOME=" + home.string(),
                "XDG_RUNTIME_DIR=" + home.string(), "QT_QPA_PLATFORM=xcb"});
    EXPECT_EQ(x.WaitForTitle("Harbour 4+4+4", 90), "Harbour 4+4+4 - Cabrion No connection to BTS ");
    fs::remove_all(home);
}

TEST_F(Desktop, ConnectsToTheSimulatedBtsOnAPseudoTerminal) {
    XServer x;
    ASSERT_TRUE(x.Ready());
    testsupport::CSimProcess sim({testsupport::BtsSimProgram(), "--pty"});
    const std::string line = sim.FirstLine();
    ASSERT_EQ(line.rfind("pty ", 0), 0u) << line;
    const fs::path home = SettingsHome("bts", true);
    CChild app({Program(), Sample("chapel-2x3.hwc")},
               {"DISPLAY=" + x.display, "XDG_CONFIG_HOME=" + home.string(),
                "XDG_RUNTIME_DIR=" + home.string(), "QT_QPA_PLATFORM=xcb",
                "CABRION_COM1=" + line.substr(4)});
    const std::string title = x.WaitForTitle("BTS Connected at Speed", 90);
    EXPECT_EQ(title.rfind("Chapel 2+2+2 - Cabrion BTS Connected at Speed ", 0), 0u) << title;
    fs::remove_all(home);
}

TEST_F(Desktop, SiteFileSwitchOpensTheWizardOnTheWaitingPage) {
    XServer x;
    ASSERT_TRUE(x.Ready());
    // With the connection switched off the waiting page asks to switch it on; the wizard is
    // on the screen by then.
    const fs::path home = SettingsHome("update-only", false);
    // As a planning tool hands a configuration over for the update at the cabinet.
    CChild app({Program(), "-SCF", "\"" + Sample("harbour-4x3.hwc") + "\"", "-SNR=1"},
               {"DISPLAY=" + x.display, "XDG_CONFIG_HOME=" + home.string(),
                "XDG_RUNTIME_DIR=" + home.string(), "QT_QPA_PLATFORM=xcb"});
    EXPECT_EQ(x.WaitForTitle("Configuration Wizard", 90), "Configuration Wizard");
    EXPECT_EQ(x.WaitForTitle("Harbour 4+4+4", 10).rfind("Harbour 4+4+4 - Cabrion", 0), 0u);
    fs::remove_all(home);
}

// A Selmo file opened as a double click opens it: its site has no BTS, so the local link that
// starts with the program stops and the title says so.
TEST_F(Desktop, SelmoSampleOpensAndItsSiteStopsTheLink) {
    XServer x;
    ASSERT_TRUE(x.Ready());
    const fs::path home = SettingsHome("selmo", true);
    CChild app({Program(), Sample("selmo-4trx.hwc")},
               {"DISPLAY=" + x.display, "XDG_CONFIG_HOME=" + home.string(),
                "XDG_RUNTIME_DIR=" + home.string(), "QT_QPA_PLATFORM=xcb"});
    const std::string want = "Selmo 2+2 - Cabrion No connection to BTS ";
    std::string title = x.WaitForTitle("Selmo 2+2", 90);
    for (int i = 0; i < 150 && title != want; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        title = x.WaitForTitle("Selmo 2+2", 1);
    }
    EXPECT_EQ(title, want);
    fs::remove_all(home);
}

} // namespace
