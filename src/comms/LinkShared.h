#pragma once
// What the GUI thread and a link thread share: flags, the pending request and its reply, the
// connection parameters and the events that order them.

#include "comms/AutoResetEvent.h"
#include "comms/ConnectParams.h"
#include "comms/Frame.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>

class CLinkShared {
public:
    explicit CLinkShared(CConnectParams params) : m_params(std::move(params)) {}

    std::atomic<int> running{0};
    std::atomic<int> abort{0};
    std::atomic<int> waiting{0};
    std::atomic<int> linkUp{0};
    std::atomic<int> expectedId{0xFFFF};
    std::atomic<int> desiredSpeed{9};
    // Asked by the GUI thread; the link thread alone touches the service, so it carries it out.
    std::atomic<int> fallbackRequested{0};

    CAutoResetEvent wake;
    CAutoResetEvent replyReady;
    CAutoResetEvent threadStarted;
    CAutoResetEvent threadEnded;

    CConnectParams Params() const {
        std::lock_guard lock(m_paramsMutex);
        return m_params;
    }
    int CurrentSpeed() const {
        std::lock_guard lock(m_paramsMutex);
        return m_params.GetSpeedCode();
    }
    void SetCurrentSpeed(int code) {
        std::lock_guard lock(m_paramsMutex);
        m_params.SetSpeedCode(code);
    }
    void SetKind(int kind) {
        std::lock_guard lock(m_paramsMutex);
        m_params.SetKind(kind);
    }
    std::string Target() const {
        std::lock_guard lock(m_paramsMutex);
        return m_params.GetTarget();
    }

    // The request waiting for the link thread, and the reply it leaves.
    void PutRequest(std::span<const uint8_t> request) {
        std::lock_guard lock(m_dataMutex);
        m_request.assign(request.begin(), request.end());
        m_hasRequest = true;
        m_reply.clear();
        m_replyValid = false;
    }
    bool TakeRequest(frame::Bytes& out) {
        std::lock_guard lock(m_dataMutex);
        if (!m_hasRequest) {
            return false;
        }
        out = std::move(m_request);
        m_request.clear();
        m_hasRequest = false;
        return true;
    }
    void DropRequest() {
        std::lock_guard lock(m_dataMutex);
        m_request.clear();
        m_hasRequest = false;
    }
    void PutReply(std::span<const uint8_t> body) {
        std::lock_guard lock(m_dataMutex);
        m_reply.assign(body.begin(), body.end());
        m_replyValid = true;
    }
    bool TakeReply(frame::Bytes& out) {
        std::lock_guard lock(m_dataMutex);
        out = std::move(m_reply);
        m_reply.clear();
        const bool valid = m_replyValid;
        m_replyValid = false;
        return valid;
    }

    // Sleeps for the time unless the link stops meanwhile; true when it still runs.
    bool SleepWhileRunning(std::chrono::milliseconds time) {
        std::unique_lock lock(m_stopMutex);
        m_stopCv.wait_for(lock, time, [this] { return running.load() == 0; });
        return running.load() != 0;
    }
    // Ends the link for good: a link thread that has not started running yet will not.
    void Stop() {
        {
            std::lock_guard lock(m_stopMutex);
            m_stopRequested = true;
            running = 0;
        }
        m_stopCv.notify_all();
    }
    bool StartRunning() {
        std::lock_guard lock(m_stopMutex);
        if (m_stopRequested) {
            return false;
        }
        running = 1;
        return true;
    }
    bool StopRequested() {
        std::lock_guard lock(m_stopMutex);
        return m_stopRequested;
    }

private:
    mutable std::mutex m_paramsMutex;
    CConnectParams m_params;
    std::mutex m_dataMutex;
    frame::Bytes m_request;
    bool m_hasRequest = false;
    frame::Bytes m_reply;
    bool m_replyValid = false;
    std::mutex m_stopMutex;
    std::condition_variable m_stopCv;
    bool m_stopRequested = false;
};
