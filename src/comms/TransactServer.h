#pragma once
// A connection through the communication service, kept alive by its own link thread; callers
// on the GUI thread hand it requests and wait for the replies.

#include "comms/BaseTransactServer.h"
#include "comms/CommServer.h"
#include "comms/LinkRelay.h"
#include "comms/LinkShared.h"
#include "comms/LinkTimings.h"
#include "platform/NamedLock.h"

#include <functional>
#include <memory>
#include <thread>

// Makes the service for a target; null when none can serve it.
using CommServerFactory = std::function<std::unique_ptr<CCommServer>(const CConnectParams&)>;

// Serial for "WP=COM" targets, TCP for the others.
CommServerFactory DefaultCommServerFactory(const SLinkTimings& timings);

class CTransactServer : public CBaseTransactServer {
public:
    // The lock, when given, is released when the link thread ends.
    CTransactServer(const CConnectParams& params, std::shared_ptr<CLinkRelay> relay,
                    CommServerFactory factory, const SLinkTimings& timings = {},
                    std::shared_ptr<CNamedLock> lock = nullptr);
    ~CTransactServer() override;

    void SetMaxSpeed(int index) override;
    int Transact(std::span<const uint8_t> request, frame::Bytes& reply) override;
    int IsLocalLinkActive() const override;
    int IsLinkUp() const override { return m_shared.linkUp.load(); }
    CConnectParams GetConnectParams() const override { return m_shared.Params(); }

    bool IsRunning() const { return m_shared.running.load() != 0; }
    // Waits until the link thread has ended; true when it did within the time.
    bool WaitForEnd(std::chrono::milliseconds timeout);

private:
    void LinkThread(CommServerFactory factory);
    std::chrono::milliseconds ReplyTimeout() const;

    CLinkShared m_shared;
    std::shared_ptr<CLinkRelay> m_relay;
    SLinkTimings m_timings;
    std::shared_ptr<CNamedLock> m_lock;
    // Set by the link thread before it signals started; null when the service is missing.
    std::mutex m_serverMutex;
    std::atomic<CCommServer*> m_server{nullptr};
    std::atomic<bool> m_ended{false};
    std::thread m_thread;
};
