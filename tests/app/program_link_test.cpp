// The cabrion program started with a target or a sobriquet on its command line opens the link
// to that BTS at once, as a person starting it from a shortcut expects.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <netinet/in.h>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::string Program() {
    return std::string(CABRION_BINARY_DIR) + "/programs/cabrion";
}

// A BTS stand-in that only notices that somebody connected.
class CListener {
public:
    CListener() {
        m_fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof addr;
        if (m_fd < 0 || ::bind(m_fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
            ::listen(m_fd, 4) != 0 ||
            ::getsockname(m_fd, reinterpret_cast<sockaddr*>(&addr), &length) != 0) {
            return;
        }
        m_port = ntohs(addr.sin_port);
    }
    ~CListener() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    CListener(const CListener&) = delete;
    CListener& operator=(const CListener&) = delete;

    int Port() const { return m_port; }
    bool Connected(int timeoutMs) {
        pollfd p{m_fd, POLLIN, 0};
        if (::poll(&p, 1, timeoutMs) != 1) {
            return false;
        }
        const int client = ::accept4(m_fd, nullptr, nullptr, SOCK_CLOEXEC);
        if (client >= 0) {
            ::close(client);
        }
        return client >= 0;
    }

private:
    int m_fd = -1;
    int m_port = 0;
};

// The window program in a home of its own, stopped by its process id at the end.
class CProgram {
public:
    CProgram(const fs::path& home, std::vector<std::string> args,
             std::vector<std::string> environment) {
        m_pid = ::fork();
        if (m_pid != 0) {
            return;
        }
        ::setenv("HOME", home.c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", (home / "config").c_str(), 1);
        ::setenv("XDG_RUNTIME_DIR", home.c_str(), 1);
        ::setenv("CABRION_LOCK_DIR", home.c_str(), 1);
        ::setenv("CABRION_MACHINE_INI", (home / "no-machine.ini").c_str(), 1);
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        for (const std::string& e : environment) {
            const auto eq = e.find('=');
            ::setenv(e.substr(0, eq).c_str(), e.substr(eq + 1).c_str(), 1);
        }
        const int devnull = ::open("/dev/null", O_WRONLY);
        ::dup2(devnull, 1);
        ::dup2(devnull, 2);
        args.insert(args.begin(), Program());
        std::vector<char*> argv;
        for (auto& a : args) {
            argv.push_back(a.data());
        }
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ~CProgram() {
        if (m_pid > 0) {
            ::kill(m_pid, SIGTERM);
            int status = 0;
            ::waitpid(m_pid, &status, 0);
        }
    }
    CProgram(const CProgram&) = delete;
    CProgram& operator=(const CProgram&) = delete;

private:
    pid_t m_pid = -1;
};

class ProgramLink : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::exists(Program())) {
            GTEST_SKIP() << "cabrion is not built in this configuration";
        }
        std::string dir = (fs::temp_directory_path() / "cabrion-startXXXXXX").string();
        ASSERT_NE(::mkdtemp(dir.data()), nullptr);
        home = dir;
        ASSERT_GT(bts.Port(), 0);
    }
    void TearDown() override {
        if (!home.empty()) {
            fs::remove_all(home);
        }
    }

    std::string Target() const { return "HOST=127.0.0.1,TCPPORT=" + std::to_string(bts.Port()); }

    fs::path home;
    CListener bts;
};

} // namespace

TEST_F(ProgramLink, TargetOnTheCommandLineConnects) {
    CProgram cabrion(home, {"-target", Target()}, {});
    EXPECT_TRUE(bts.Connected(20000));
}

TEST_F(ProgramLink, SobriquetOnTheCommandLineConnectsThroughTheSobriquetFile) {
    const fs::path file = home / "sobriquets.ini";
    std::ofstream(file) << "[Sobriquets]\nquay=" << Target() << "\n";
    CProgram cabrion(home, {"-sobriquet", "quay"}, {"CABRION_SOBRIQUETS=" + file.string()});
    EXPECT_TRUE(bts.Connected(20000));
}
