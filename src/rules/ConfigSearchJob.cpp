#include "rules/ConfigSearchJob.h"

#include <utility>

CConfigSearchJob::~CConfigSearchJob() {
    Stop();
}

void CConfigSearchJob::Stop() {
    m_cancel = true;
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

void CConfigSearchJob::Start(const std::string& folder, const SBtsProfile& bts) {
    Stop();
    m_cancel = false;
    m_done = false;
    {
        std::lock_guard lock(m_mutex);
        m_progress = {};
        m_result.reset();
    }
    m_thread = std::thread([this, folder, bts] {
        SSearchResult result =
            SearchFolder(folder, bts, &m_cancel, [this](const SSearchProgress& step) {
                std::lock_guard lock(m_mutex);
                m_progress = step;
            });
        {
            std::lock_guard lock(m_mutex);
            m_result = std::move(result);
        }
        m_done = true;
    });
}

SSearchProgress CConfigSearchJob::Progress() const {
    std::lock_guard lock(m_mutex);
    return m_progress;
}

std::optional<SSearchResult> CConfigSearchJob::TakeResult() {
    if (!m_done) {
        return std::nullopt;
    }
    if (m_thread.joinable()) {
        m_thread.join();
    }
    std::lock_guard lock(m_mutex);
    return std::exchange(m_result, std::nullopt);
}

void CConfigSearchJob::Wait() {
    if (m_thread.joinable()) {
        m_thread.join();
    }
}
