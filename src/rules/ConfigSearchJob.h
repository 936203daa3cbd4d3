#pragma once
// A configuration search on a thread of its own, so that the window stays responsive on large
// archives: the owner polls the progress, may cancel, and takes the result once it is done.
// The BTS profile is taken at start; the search never touches the site model.

#include <atomic>
#include <mutex>
#include <optional>
#include <thread>

#include "rules/ConfigSearch.h"

class CConfigSearchJob {
public:
    CConfigSearchJob() = default;
    // Cancels a running search and waits for it.
    ~CConfigSearchJob();
    CConfigSearchJob(const CConfigSearchJob&) = delete;
    CConfigSearchJob& operator=(const CConfigSearchJob&) = delete;

    // Starts a search; a search still running is cancelled and its result dropped first.
    void Start(const std::string& folder, const SBtsProfile& bts);
    void Cancel() { m_cancel = true; }
    bool Running() const { return m_thread.joinable() && !m_done; }
    SSearchProgress Progress() const;
    // The result once the search has ended (also after a cancel); nothing while it runs or
    // when no search was started. Taking it joins the thread.
    std::optional<SSearchResult> TakeResult();
    // Blocks until the search ends; for the command line and tests.
    void Wait();

private:
    void Stop();

    std::thread m_thread;
    std::atomic<bool> m_cancel{false};
    std::atomic<bool> m_done{false};
    mutable std::mutex m_mutex;
    SSearchProgress m_progress;
    std::optional<SSearchResult> m_result;
};
