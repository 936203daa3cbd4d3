// cabrion-btssim: a simulated Orvik BTS that speaks the BTS protocol over TCP or a pseudo-terminal.
#include <CLI/CLI.hpp>

#include "cabrion_version.h"
#include "sim/SimScenario.h"
#include "sim/SimServer.h"

#include <csignal>
#include <iostream>
#include <optional>

namespace {

// Waits for SIGINT or SIGTERM, or the seconds when positive.
void WaitForEnd(double seconds) {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    if (seconds > 0) {
        timespec limit{};
        limit.tv_sec = static_cast<time_t>(seconds);
        limit.tv_nsec = static_cast<long>((seconds - static_cast<double>(limit.tv_sec)) * 1e9);
        sigtimedwait(&set, nullptr, &limit);
    } else {
        int sig = 0;
        sigwait(&set, &sig);
    }
}

} // namespace

int main(int argc, char** argv) {
    CLI::App app{"Simulated Orvik BTS for Cabrion tests and demonstrations", "cabrion-btssim"};
    app.set_version_flag("--version", std::string("cabrion-btssim ") + CABRION_VERSION);
    std::string listen;
    bool pty = false;
    std::string scenarioFile;
    double seconds = 0;
    std::optional<int> closeAfter, delay, corrupt, silentAfter, statusAfter, statusValue,
        statusTimes;
    bool refuseAfterDrop = false;
    auto* listenOpt = app.add_option("--listen", listen, "Serve TCP on HOST:PORT (port 0: any)");
    auto* ptyOpt = app.add_flag("--pty", pty, "Serve on a pseudo-terminal and print its path");
    listenOpt->excludes(ptyOpt);
    app.add_option("--scenario", scenarioFile, "JSON file that describes the BTS")
        ->check(CLI::ExistingFile);
    app.add_option("--seconds", seconds, "Stop after this many seconds (default: on a signal)");
    app.add_option("--close-after", closeAfter, "Drop the connection after N frames");
    app.add_flag("--refuse-after-drop", refuseAfterDrop, "Take no connection after a drop");
    app.add_option("--delay", delay, "Delay every answer by MS milliseconds");
    app.add_option("--corrupt", corrupt, "Garble the body of the N-th answer");
    app.add_option("--silent-after", silentAfter, "Stop answering after N frames");
    app.add_option("--status-after", statusAfter,
                   "Answer polls with --status-value after N frames");
    app.add_option("--status-value", statusValue, "Link status value (1, 31, 42...)");
    app.add_option("--status-times", statusTimes, "How many polls get that value (0: all)");
    std::string blockFault;
    app.add_option("--fault", blockFault,
                   "One fault at the N-th configuration block request: drop@N, delay@N:MS, "
                   "corrupt@N, silence@N (until the client reconnects), status@N:VALUE, "
                   "oversize@N (a reply over 64 KB)");
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        int rc = app.exit(e);
        return rc == 0 ? 0 : 2;
    }

    SSimScenario scenario;
    std::string error;
    if (!scenarioFile.empty() && !LoadSimScenario(scenarioFile, scenario, error)) {
        std::cerr << "cabrion-btssim: " << error << '\n';
        return 2;
    }
    if (scenarioFile.empty()) {
        // Out of the box the BTS is a supported one that reports itself.
        scenario.bts = SSimBtsModel::Default();
    }
    auto& f = scenario.faults;
    f.closeAfterFrames = closeAfter.value_or(f.closeAfterFrames);
    f.refuseAfterDrop = f.refuseAfterDrop || refuseAfterDrop;
    f.replyDelayMs = delay.value_or(f.replyDelayMs);
    f.corruptFrame = corrupt.value_or(f.corruptFrame);
    f.silentAfterFrames = silentAfter.value_or(f.silentAfterFrames);
    f.statusAfterFrames = statusAfter.value_or(f.statusAfterFrames);
    f.statusValue = statusValue.value_or(f.statusValue);
    f.statusTimes = statusTimes.value_or(f.statusTimes);
    if (!blockFault.empty() && !ParseSimBlockFault(blockFault, f.blockFault)) {
        std::cerr << "cabrion-btssim: --fault wants KIND@N or KIND@N:VALUE, not " << blockFault
                  << '\n';
        return 2;
    }

    // Signals are taken by sigwait in this thread only; block them before the server thread.
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    CSimServer server(scenario);
    if (pty) {
        if (!server.OpenPty(error)) {
            std::cerr << "cabrion-btssim: " << error << '\n';
            return 1;
        }
        std::cout << "pty " << server.PtyPath() << std::endl;
    } else {
        std::string host = "127.0.0.1";
        int port = 0;
        if (!listen.empty()) {
            const auto colon = listen.rfind(':');
            try {
                host = colon == std::string::npos ? listen : listen.substr(0, colon);
                port = colon == std::string::npos ? 0 : std::stoi(listen.substr(colon + 1));
            } catch (const std::exception&) {
                std::cerr << "cabrion-btssim: --listen wants HOST:PORT, not " << listen << '\n';
                return 2;
            }
        }
        if (!server.ListenTcp(host, port, error)) {
            std::cerr << "cabrion-btssim: " << error << '\n';
            return 1;
        }
        std::cout << "listening " << host << ":" << server.Port() << std::endl;
    }
    server.Start();
    WaitForEnd(seconds);
    server.Stop();
    return 0;
}
