// The property sheet in the real program under an X server: Alt+Enter on the main window opens
// the sheet of the active view. Keys are typed with xdotool; titles are read back from the X
// server's window list.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

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

bool Have(const char* name) {
    return std::system((std::string("command -v ") + name + " >/dev/null 2>&1").c_str()) == 0;
}

// A child process ended by its id when the test is done.
class CProcess {
public:
    CProcess(std::vector<std::string> args, std::vector<std::string> env) {
        m_pid = ::fork();
        if (m_pid == 0) {
            for (auto& e : env) {
                ::putenv(e.data());
            }
            if (std::FILE* devnull = std::fopen("/dev/null", "w")) {
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
    ~CProcess() {
        if (m_pid > 0) {
            ::kill(m_pid, SIGTERM);
            int status = 0;
            ::waitpid(m_pid, &status, 0);
        }
    }
    CProcess(const CProcess&) = delete;
    CProcess& operator=(const CProcess&) = delete;

private:
    pid_t m_pid = -1;
};

class Properties : public ::testing::Test {
protected:
    void SetUp() override {
        if (!Have("Xvfb") || !Have("xwininfo") || !Have("xdotool")) {
            GTEST_SKIP() << "Xvfb, xwininfo and xdotool are needed (scripts/setup-deps.sh)";
        }
        // A display of our own, apart from the start test's.
        m_display = ":" + std::to_string(600 + ::getpid() % 300);
        m_server =
            std::make_unique<CProcess>(std::vector<std::string>{"Xvfb", m_display, "-screen", "0",
                                                                "1280x1024x24", "-nolisten", "tcp"},
                                       std::vector<std::string>{});
        for (int i = 0; i < 50 && !Ready(); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        m_home = fs::temp_directory_path() / ("cabrion-e2e-props-" + std::to_string(::getpid()));
        fs::remove_all(m_home);
        fs::create_directories(m_home / "Torvane");
        std::ofstream(m_home / "Torvane" / "Cabrion.ini") << "[Initialization]\nEnableBTS=0\n";
    }
    void TearDown() override {
        m_app.reset();
        m_server.reset();
        if (!m_home.empty()) {
            fs::remove_all(m_home);
        }
    }
    bool Ready() const {
        return std::system(("DISPLAY=" + m_display + " xwininfo -root >/dev/null 2>&1").c_str()) ==
               0;
    }
    void Start(const std::string& sample) {
        const std::string path =
            (fs::path(CABRION_TEST_DATA_DIR) / ".." / ".." / "docs" / "samples" / sample)
                .lexically_normal()
                .string();
        m_app = std::make_unique<CProcess>(
            std::vector<std::string>{std::string(CABRION_BINARY_DIR) + "/programs/cabrion", path},
            std::vector<std::string>{"DISPLAY=" + m_display, "XDG_CONFIG_HOME=" + m_home.string(),
                                     "XDG_RUNTIME_DIR=" + m_home.string(), "QT_QPA_PLATFORM=xcb"});
    }
    bool HasTitle(const std::string& text, int seconds) const {
        for (int i = 0; i < seconds * 5; ++i) {
            const std::string tree = Output("DISPLAY=" + m_display + " xwininfo -root -tree");
            if (tree.find("\"" + text + "\"") != std::string::npos) {
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
        }
        return false;
    }
    // Gives the main window the keyboard and types the keys there.
    void KeysToMainWindow(const std::string& keys) const {
        std::system(("DISPLAY=" + m_display +
                     " xdotool search --name ' - Cabrion' windowfocus --sync key " + keys +
                     " >/dev/null 2>&1")
                        .c_str());
    }

private:
    std::string m_display;
    fs::path m_home;
    std::unique_ptr<CProcess> m_server;
    std::unique_ptr<CProcess> m_app;
};

TEST_F(Properties, AltEnterOpensTheSheetOfTheActiveView) {
    Start("harbour-4x3.hwc");
    ASSERT_TRUE(HasTitle("Harbour 4+4+4 - Cabrion No connection to BTS ", 90));
    KeysToMainWindow("alt+Return");
    // The program starts on the Cabinet Information view.
    EXPECT_TRUE(HasTitle("Cabinet Properties", 30));
}

} // namespace
