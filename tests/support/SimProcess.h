#pragma once
// Runs a program (the simulated BTS, as a rule) with a pipe on its standard output, for the tests
// that drive it from outside; stopped by its process id when the test is done.

#include <csignal>
#include <cstdio>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace testsupport {

inline std::string BtsSimProgram() {
    return std::string(CABRION_BINARY_DIR) + "/programs/cabrion-btssim";
}

class CSimProcess {
public:
    explicit CSimProcess(std::vector<std::string> args) {
        int out[2];
        if (::pipe(out) != 0) {
            return;
        }
        m_pid = ::fork();
        if (m_pid == 0) {
            ::dup2(out[1], 1);
            ::close(out[0]);
            std::vector<char*> argv;
            for (auto& a : args) {
                argv.push_back(a.data());
            }
            argv.push_back(nullptr);
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        ::close(out[1]);
        m_out = ::fdopen(out[0], "r");
    }
    ~CSimProcess() {
        if (m_pid > 0) {
            ::kill(m_pid, SIGTERM);
            int status = 0;
            ::waitpid(m_pid, &status, 0);
        }
        if (m_out) {
            std::fclose(m_out);
        }
    }
    CSimProcess(const CSimProcess&) = delete;
    CSimProcess& operator=(const CSimProcess&) = delete;

    // For the tests that stop and resume the BTS with signals.
    pid_t Pid() const { return m_pid; }

    // The next line the program printed, without its line end; empty at its end.
    std::string FirstLine() {
        char line[256] = {};
        if (!m_out || !std::fgets(line, sizeof line, m_out)) {
            return {};
        }
        std::string s = line;
        while (!s.empty() && (s.back() == '\n' || s.back() == '\r')) {
            s.pop_back();
        }
        return s;
    }

private:
    pid_t m_pid = -1;
    std::FILE* m_out = nullptr;
};

} // namespace testsupport
