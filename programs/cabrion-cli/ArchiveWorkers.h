#pragma once
// Spreads a folder run over worker processes, one per core by default: each takes every n-th
// file of the folder and the parent adds up what they counted. Processes rather than threads:
// the site model and the painter keep process-wide state, and a fork before Qt starts shares
// none of it.

#include <cerrno>
#include <iostream>
#include <streambuf>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "ArchiveInput.h"

namespace cli {

struct SArchiveTotals {
    SArchiveCounts counts;
    int written = 0;
};

// Standard error of a worker: each line leaves in one write, so that lines of two workers
// never run into each other.
class CLineAtATime : public std::streambuf {
protected:
    int overflow(int c) override {
        if (c == traits_type::eof()) {
            return traits_type::not_eof(c);
        }
        m_line.push_back(static_cast<char>(c));
        if (c == '\n') {
            sync();
        }
        return c;
    }
    int sync() override {
        std::size_t done = 0;
        while (done < m_line.size()) {
            const ssize_t n = ::write(STDERR_FILENO, m_line.data() + done, m_line.size() - done);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                break;
            }
            done += static_cast<std::size_t>(n);
        }
        m_line.clear();
        return 0;
    }

private:
    std::string m_line;
};

// The workers a run uses when not told: one per core, a few at most.
inline int DefaultArchiveJobs() {
    const unsigned cores = std::thread::hardware_concurrency();
    return cores == 0 ? 1 : static_cast<int>(std::min(cores, 8u));
}

// Runs `work(share)` for each share of `jobs` (here when there is one) and adds up the
// totals. A worker that dies makes the run fail.
template <class Work> SArchiveTotals RunArchiveWorkers(int jobs, Work&& work) {
    if (jobs <= 1) {
        return work(SArchiveShare{});
    }
    std::cout.flush();
    std::cerr.flush();
    struct SWorker {
        pid_t pid = -1;
        int fd = -1;
    };
    std::vector<SWorker> workers;
    SArchiveTotals sum;
    for (int k = 0; k < jobs; ++k) {
        int fds[2];
        if (::pipe(fds) != 0) {
            break;
        }
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::close(fds[0]);
            static CLineAtATime lines;
            std::cerr.rdbuf(&lines);
            const SArchiveTotals totals = work(SArchiveShare{k, jobs});
            std::cerr.flush();
            const char* bytes = reinterpret_cast<const char*>(&totals);
            std::size_t done = 0;
            while (done < sizeof totals) {
                const ssize_t n = ::write(fds[1], bytes + done, sizeof totals - done);
                if (n <= 0 && errno != EINTR) {
                    ::_exit(kExitUsage);
                }
                done += n > 0 ? static_cast<std::size_t>(n) : 0;
            }
            ::_exit(0);
        }
        ::close(fds[1]);
        if (pid < 0) {
            ::close(fds[0]);
            break;
        }
        workers.push_back({pid, fds[0]});
    }
    if (static_cast<int>(workers.size()) < jobs) {
        std::cerr << "Cannot start " << jobs << " workers; some files were not done\n";
        sum.counts.worst = kExitUsage;
    }
    for (const SWorker& w : workers) {
        SArchiveTotals totals;
        char* bytes = reinterpret_cast<char*>(&totals);
        std::size_t got = 0;
        while (got < sizeof totals) {
            const ssize_t n = ::read(w.fd, bytes + got, sizeof totals - got);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                break;
            }
            got += static_cast<std::size_t>(n);
        }
        ::close(w.fd);
        int status = 0;
        while (::waitpid(w.pid, &status, 0) < 0 && errno == EINTR) {
        }
        if (got != sizeof totals || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            std::cerr << "A worker stopped before its files were done\n";
            sum.counts.worst = kExitUsage;
            continue;
        }
        sum.counts.files += totals.counts.files;
        sum.counts.unreadable += totals.counts.unreadable;
        sum.counts.configurations += totals.counts.configurations;
        sum.counts.skipped += totals.counts.skipped;
        sum.counts.worst = Worse(sum.counts.worst, totals.counts.worst);
        sum.written += totals.written;
    }
    return sum;
}

} // namespace cli
