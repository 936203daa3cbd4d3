#pragma once
// The real program under an X server of the test's own: the server, the program started with a
// settings folder of its own, and the window titles read back from the server's window list.

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace testsupport {

inline std::string CommandOutput(const std::string& command) {
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

inline bool HaveProgram(const char* name) {
    return std::system((std::string("command -v ") + name + " >/dev/null 2>&1").c_str()) == 0;
}

// A child process with its own environment additions, ended by its id. Its output goes to the
// file named (a sanitizer report is read back from there), and it runs in the folder named.
class CChild {
public:
    CChild(std::vector<std::string> args, std::vector<std::string> env,
           const std::string& output = "/dev/null", const std::string& folder = {}) {
        m_pid = ::fork();
        if (m_pid == 0) {
            for (auto& e : env) {
                ::putenv(e.data());
            }
            if (std::FILE* out = std::fopen(output.c_str(), "w")) {
                ::dup2(::fileno(out), 1);
                ::dup2(::fileno(out), 2);
            }
            if (!folder.empty() && ::chdir(folder.c_str()) != 0) {
                ::_exit(126);
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

    pid_t Pid() const { return m_pid; }
    // False once the process has ended; it is reaped then, and the destructor leaves it alone.
    bool Running() {
        int status = 0;
        if (m_pid > 0 && ::waitpid(m_pid, &status, WNOHANG) == m_pid) {
            m_pid = -1;
        }
        return m_pid > 0;
    }

private:
    pid_t m_pid = -1;
};

class CXServer {
public:
    // The server picks a free display itself and says which once it listens, so test programs
    // and other X servers on the machine never meet on one display. Without -noreset it starts
    // over each time its last client leaves, and a client that comes during that is refused:
    // two checks in a row before the program connects could then fail the second.
    CXServer() {
        int fds[2];
        if (::pipe(fds) != 0) {
            return;
        }
        m_server = std::make_unique<CChild>(
            std::vector<std::string>{"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0",
                                     "1280x1024x24", "-nolisten", "tcp", "-noreset"},
            std::vector<std::string>{});
        ::close(fds[1]);
        std::string number;
        pollfd wait{fds[0], POLLIN, 0};
        char c = 0;
        while (::poll(&wait, 1, 10000) > 0 && ::read(fds[0], &c, 1) == 1 && c != '\n') {
            number += c;
        }
        ::close(fds[0]);
        display = number.empty() ? std::string(":none") : ":" + number;
        for (int i = 0; i < 50 && !Ready(); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    }
    bool Ready() const {
        return std::system(("DISPLAY=" + display + " xwininfo -root >/dev/null 2>&1").c_str()) == 0;
    }
    // Waits for a top-level window whose title contains the text; the title found, or empty.
    std::string WaitForTitle(const std::string& text, int seconds) const {
        for (int i = 0; i < seconds * 5; ++i) {
            const std::string tree = CommandOutput("DISPLAY=" + display + " xwininfo -root -tree");
            const size_t at = tree.find(text);
            if (at != std::string::npos) {
                const size_t open = tree.rfind('"', at);
                const size_t close = tree.find('"', at);
                return tree.substr(open + 1, close - open - 1);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
        }
        return {};
    }
    // Waits until a window has exactly this title, also when another title comes first.
    bool WaitForExactTitle(const std::string& title, int seconds) const {
        for (int i = 0; i < seconds * 5; ++i) {
            const std::string tree = CommandOutput("DISPLAY=" + display + " xwininfo -root -tree");
            if (tree.find("\"" + title + "\"") != std::string::npos) {
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
        }
        return false;
    }
    // Waits until the window list holds the text anywhere.
    bool WaitForText(const std::string& text, int seconds) const {
        for (int i = 0; i < seconds * 5; ++i) {
            if (CommandOutput("DISPLAY=" + display + " xwininfo -root -tree").find(text) !=
                std::string::npos) {
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
        }
        return false;
    }
    // Left, top, width and height of the window with this exact title; zeros when none.
    std::vector<int> WindowGeometry(const std::string& title) const {
        const std::string info =
            CommandOutput("DISPLAY=" + display + " xwininfo -name '" + title + "'");
        std::vector<int> out;
        for (const char* key :
             {"Absolute upper-left X:", "Absolute upper-left Y:", "Width:", "Height:"}) {
            const size_t at = info.find(key);
            out.push_back(at == std::string::npos
                              ? 0
                              : std::atoi(info.c_str() + at + std::string(key).size()));
        }
        return out;
    }
    // Gives the main window the keyboard and types the keys there.
    void KeysToMainWindow(const std::string& keys) const {
        std::system(("DISPLAY=" + display +
                     " xdotool search --name ' - Cabrion' windowfocus --sync key " + keys +
                     " >/dev/null 2>&1")
                        .c_str());
    }

    std::string display;

private:
    std::unique_ptr<CChild> m_server;
};

// A settings folder of the test's own, with the local connection switched on or off; removed
// with the object.
class CSettingsHome {
public:
    CSettingsHome(const std::string& name, bool enableBts) {
        path = std::filesystem::temp_directory_path() /
               ("cabrion-e2e-" + name + "-" + std::to_string(::getpid()));
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path / "Torvane");
        std::ofstream(path / "Torvane" / "Cabrion.ini")
            << "[Initialization]\nEnableBTS=" << (enableBts ? 1 : 0) << "\nComPort=1\n";
    }
    ~CSettingsHome() { std::filesystem::remove_all(path); }
    CSettingsHome(const CSettingsHome&) = delete;
    CSettingsHome& operator=(const CSettingsHome&) = delete;

    std::filesystem::path path;
};

inline std::string ProgramPath() {
    return std::string(CABRION_BINARY_DIR) + "/programs/cabrion";
}

inline std::string SampleFile(const char* name) {
    return (std::filesystem::path(CABRION_TEST_DATA_DIR) / ".." / ".." / "docs" / "samples" / name)
        .lexically_normal()
        .string();
}

// The program's standard output and error, kept in its settings folder.
inline std::string ProgramLog(const CSettingsHome& home) {
    return (home.path / "program.log").string();
}

// Starts the program on the X server with the settings folder and more environment entries.
inline std::unique_ptr<CChild> StartProgram(const CXServer& x, const CSettingsHome& home,
                                            std::vector<std::string> args,
                                            std::vector<std::string> env = {}) {
    args.insert(args.begin(), ProgramPath());
    // Its locks stay in its own folder: a link of another test of the tree on the same COM
    // port number would otherwise hold the port, and the program would say so in a box.
    env.insert(env.end(), {"DISPLAY=" + x.display, "XDG_CONFIG_HOME=" + home.path.string(),
                           "XDG_RUNTIME_DIR=" + home.path.string(),
                           "CABRION_LOCK_DIR=" + home.path.string(), "QT_QPA_PLATFORM=xcb"});
    return std::make_unique<CChild>(std::move(args), std::move(env), ProgramLog(home));
}

// For a failed wait: what the program said and which windows the server has, so that a run
// that fails once can be read afterwards.
inline std::string WhatTheDesktopShows(const CXServer& x, const CSettingsHome& home) {
    std::ifstream log(ProgramLog(home));
    const std::string said((std::istreambuf_iterator<char>(log)), std::istreambuf_iterator<char>());
    return "\nprogram output:\n" + said + "\nwindows of " + x.display + ":\n" +
           CommandOutput("DISPLAY=" + x.display + " xwininfo -root -tree");
}

} // namespace testsupport
