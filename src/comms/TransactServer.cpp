#include "comms/TransactServer.h"

#include "comms/LinkSession.h"
#include "comms/SerialCommServer.h"
#include "comms/TcpCommServer.h"

CommServerFactory DefaultCommServerFactory(const SLinkTimings& timings) {
    return [timings](const CConnectParams& params) -> std::unique_ptr<CCommServer> {
        if (params.GetKind() == kConnLocal) {
            return std::make_unique<CSerialCommServer>(timings);
        }
        return std::make_unique<CTcpCommServer>(timings);
    };
}

CTransactServer::CTransactServer(const CConnectParams& params, std::shared_ptr<CLinkRelay> relay,
                                 CommServerFactory factory, const SLinkTimings& timings,
                                 std::shared_ptr<CNamedLock> lock)
    : m_shared(params), m_relay(std::move(relay)), m_timings(timings), m_lock(std::move(lock)) {
    m_shared.desiredSpeed = params.GetSpeedCode();
    m_shared.wake.Reset();
    m_shared.threadStarted.Reset();
    m_shared.threadEnded.Reset();
    m_thread = std::thread([this, f = std::move(factory)] { LinkThread(f); });
    m_shared.threadStarted.Wait(m_timings.threadStart);
}

CTransactServer::~CTransactServer() {
    m_shared.Stop();
    {
        std::lock_guard lock(m_serverMutex);
        if (CCommServer* server = m_server.load()) {
            server->Interrupt();
        }
    }
    m_shared.wake.Set();
    // Every wait of the link thread ends when it is stopped and interrupted, so the join
    // after this bounded wait returns at once.
    WaitForEnd(m_timings.threadStop);
    if (m_thread.joinable()) {
        m_thread.join();
    }
    m_relay->QueueReport(
        std::make_unique<CCommsReport>(CCommsReport::kNoConnection, CCommsReport::kNone));
}

bool CTransactServer::WaitForEnd(std::chrono::milliseconds timeout) {
    if (m_ended.load()) {
        return true;
    }
    if (m_shared.threadEnded.Wait(timeout)) {
        m_shared.threadEnded.Set(); // keep it visible to a second waiter
        return true;
    }
    return m_ended.load();
}

void CTransactServer::LinkThread(CommServerFactory factory) {
    m_shared.SetCurrentSpeed(9);
    std::unique_ptr<CCommServer> server = factory ? factory(m_shared.Params()) : nullptr;
    if (!server) {
        m_relay->QueueReport(std::make_unique<CCommsReport>(CCommsReport::kNoConnection,
                                                            CCommsReport::kUnknownError));
        m_shared.threadStarted.Set();
    } else {
        {
            std::lock_guard lock(m_serverMutex);
            m_server = server.get();
            if (m_shared.StopRequested()) {
                server->Interrupt();
            }
        }
        CLinkSession session(m_shared, *m_relay, *server, m_timings);
        const bool open = session.Open();
        if (open && m_shared.StartRunning()) {
            m_shared.threadStarted.Set();
            while (m_shared.running.load()) {
                session.Turn();
            }
        } else {
            m_shared.threadStarted.Set();
        }
        session.Close();
        std::lock_guard lock(m_serverMutex);
        m_server = nullptr;
    }
    m_shared.Stop();
    m_shared.SetKind(kConnNone);
    m_relay->QueueReport(
        std::make_unique<CCommsReport>(CCommsReport::kNoConnection, CCommsReport::kNone));
    if (m_lock) {
        m_lock->Release();
    }
    m_ended = true;
    m_shared.threadEnded.Set();
}

void CTransactServer::SetMaxSpeed(int index) {
    if (index == -1 && m_shared.CurrentSpeed() != 9 && m_server.load() &&
        m_shared.Params().GetKind() != kConnRemote) {
        m_shared.fallbackRequested = 1;
        m_shared.wake.Set();
    }
    m_shared.desiredSpeed =
        (index >= 2 && index <= 5) ? CConnectParams::SpeedCodeOfIndex(index) : 9;
}

int CTransactServer::IsLocalLinkActive() const {
    return m_shared.running.load() && m_shared.Params().GetKind() == kConnLocal ? 1 : 0;
}

std::chrono::milliseconds CTransactServer::ReplyTimeout() const {
    const int code = m_shared.CurrentSpeed();
    const int factor = code <= 19 ? 4 : code <= 38 ? 2 : 1;
    return m_timings.replyBase * factor;
}

int CTransactServer::Transact(std::span<const uint8_t> request, frame::Bytes& reply) {
    reply.clear();
    if (!m_shared.running.load() || m_shared.abort.load() || !m_server.load() || request.empty()) {
        return 0;
    }
    m_shared.expectedId = 0xFFFF;
    for (int i = 0;
         i < m_timings.speedChangeSteps && m_shared.CurrentSpeed() != m_shared.desiredSpeed.load();
         ++i) {
        if (!m_shared.SleepWhileRunning(m_timings.speedChangeStep)) {
            break;
        }
    }
    m_shared.PutRequest(request);
    m_shared.replyReady.Reset();
    m_shared.wake.Set();
    const bool signalled = m_shared.replyReady.Wait(ReplyTimeout());
    frame::Bytes stored;
    const bool valid = m_shared.TakeReply(stored);
    int result = 0;
    if (signalled && valid && m_shared.running.load() && !m_shared.abort.load()) {
        reply = std::move(stored);
        result = 1;
    }
    m_shared.DropRequest();
    m_shared.waiting = 0;
    m_shared.expectedId = 0xFFFF;
    return result;
}
