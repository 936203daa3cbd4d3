#pragma once
// Running cabrion-cli from the command tests, and reading what it wrote.

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace clitest {

struct Run {
    int rc = -1;
    std::string out;
    std::string err;
};

inline std::string Data(const std::string& name) {
    return std::string(CABRION_TEST_DATA_DIR) + "/" + name;
}

// A path in a folder of this process below the test's temporary folder; the folder goes when
// the process ends, so that runs leave nothing behind.
inline std::string Temp(const std::string& name) {
    static const std::filesystem::path dir = [] {
        std::filesystem::path d = std::filesystem::path(::testing::TempDir()) /
                                  ("cabrion-cli-" + std::to_string(::getpid()));
        std::filesystem::create_directories(d);
        // The path is made again: `dir` is destroyed before a handler registered while it was
        // being made runs.
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(std::filesystem::path(::testing::TempDir()) /
                                            ("cabrion-cli-" + std::to_string(::getpid())),
                                        ec);
        });
        return d;
    }();
    return (dir / name).string();
}

inline std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void WriteAll(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

inline void Copy(const std::string& from, const std::string& to) {
    WriteAll(to, ReadAll(from));
}

// Arguments are passed to the shell as they stand; the tests quote where needed. The clock is
// fixed unless the environment given says otherwise.
inline Run Cli(const std::string& args, const std::string& env = "SOURCE_DATE_EPOCH=1700000000") {
    const std::string errFile = Temp("stderr.txt");
    const std::string cmd = "env " + env + " " + std::string(CABRION_BINARY_DIR) +
                            "/programs/cabrion-cli " + args + " 2>" + errFile;
    Run r;
    FILE* p = ::popen(cmd.c_str(), "r");
    if (p == nullptr)
        return r;
    std::array<char, 4096> buf{};
    std::size_t n = 0;
    while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0)
        r.out.append(buf.data(), n);
    const int status = ::pclose(p);
    r.rc = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.err = ReadAll(errFile);
    std::remove(errFile.c_str());
    return r;
}

} // namespace clitest
