#include "comms/CommunicationBTS.h"

#include "comms/CommsClient.h"

#include <iostream>

CCommunicationBTS& CCommunicationBTS::Instance() {
    static CCommunicationBTS instance;
    return instance;
}

CCommunicationBTS::CCommunicationBTS() : m_factory(DefaultCommServerFactory(m_timings)) {}

CCommunicationBTS::~CCommunicationBTS() {
    m_server.reset();
    ReleaseLock();
}

void CCommunicationBTS::ReleaseLock() {
    if (m_lock) {
        m_lock->Release();
    }
}

void CCommunicationBTS::SetTimings(const SLinkTimings& timings) {
    m_timings = timings;
    m_factory = DefaultCommServerFactory(timings);
}

void CCommunicationBTS::SetLockDirectory(const std::string& directory) {
    ReleaseLock();
    m_lockDirectory = directory;
}

void CCommunicationBTS::Tell(const std::string& message) {
    if (m_sink) {
        m_sink(message);
    } else {
        std::cerr << message << '\n';
    }
}

int CCommunicationBTS::StartConnection(int kind, const std::string& target) {
    std::string text = target;
    if (kind == kConnRemote && text.empty()) {
        text = AskTarget();
        if (text.empty()) {
            return 0;
        }
    }
    m_server.reset();

    CConnectParams params(m_settings.comPort, m_settings.maxSpeedIndex);
    if (kind == kConnSimulator) {
        ReleaseLock();
        params.SetSimulator();
        m_server = m_simulator ? m_simulator(params, *this) : nullptr;
        if (!m_server) {
            DispatchReport(std::make_unique<CCommsReport>(CCommsReport::kNoConnection,
                                                          CCommsReport::kServerNotFound));
            return 0;
        }
        return 1;
    }
    if (!text.empty()) {
        params.SetTarget(text);
    }
    const bool remote = params.GetKind() == kConnRemote;
    // A new connection lets go of the previous one's lock before taking its own.
    ReleaseLock();
    // Machine-wide, as its "Global\" name says: two users must not both hold a link to one BTS.
    m_lock = std::make_shared<CNamedLock>(params.RemoteLockName(), m_lockDirectory);
    if (m_lock->TryAcquire() != CNamedLock::Result::Acquired) {
        DispatchReport(std::make_unique<CCommsReport>(CCommsReport::kInformation,
                                                      remote ? CCommsReport::kRemoteDuplicate
                                                             : CCommsReport::kComPortInUse));
        return 0;
    }
    DispatchReport(std::make_unique<CCommsReport>(remote ? CCommsReport::kStartingRemote
                                                         : CCommsReport::kStartingLocal,
                                                  CCommsReport::kNone));
    m_server = std::make_unique<CTransactServer>(params, m_relay, m_factory, m_timings, m_lock);
    return 1;
}

void CCommunicationBTS::StopConnection() {
    ReleaseLock();
    if (m_pumping) {
        // A client stops the link while the server is handing it a message: the server lives
        // on until its hand-over has returned.
        m_retired = std::move(m_server);
        return;
    }
    m_server.reset();
}

int CCommunicationBTS::Transact(std::span<const uint8_t> request, frame::Bytes& reply) {
    reply.clear();
    if (!m_server) {
        return -1;
    }
    return m_server->Transact(request, reply);
}

void CCommunicationBTS::SetMaxSpeed(int index) {
    if (m_server) {
        m_server->SetMaxSpeed(index);
    }
}

int CCommunicationBTS::IsLinkUp() const {
    return m_server ? m_server->IsLinkUp() : 0;
}

int CCommunicationBTS::IsLocalLinkActive() const {
    return m_server ? m_server->IsLocalLinkActive() : 0;
}

std::unique_ptr<CConnectParams> CCommunicationBTS::GetConnectParams() const {
    if (!m_server) {
        return nullptr;
    }
    return std::make_unique<CConnectParams>(m_server->GetConnectParams());
}

int CCommunicationBTS::GetConnectionKind() const {
    return m_server ? m_server->GetConnectParams().GetKind() : kConnNone;
}

void CCommunicationBTS::RegisterClient(CCommsClient* client) {
    for (auto& slot : m_clients) {
        if (slot == nullptr) {
            slot = client;
            return;
        }
    }
    Tell("CCommunicationBTS:No More client space to add client");
}

void CCommunicationBTS::UnregisterClient(CCommsClient* client) {
    for (auto& slot : m_clients) {
        if (slot == client) {
            slot = nullptr;
        }
    }
}

void CCommunicationBTS::DispatchReport(std::unique_ptr<CCommsReport> report) {
    // Slots are read one by one: a client may unregister itself or another while handling.
    for (size_t i = 0; i < m_clients.size(); ++i) {
        if (CCommsClient* client = m_clients[i]) {
            client->OnReport(*report);
        }
    }
}

void CCommunicationBTS::DispatchUplink(std::span<const uint8_t> message) {
    for (size_t i = 0; i < m_clients.size(); ++i) {
        if (CCommsClient* client = m_clients[i]) {
            client->OnUplinkMessage(message);
        }
    }
}

int CCommunicationBTS::Pump() {
    const bool outer = !m_pumping;
    m_pumping = true;
    int count = m_relay->Pump(*this);
    if (m_server) {
        m_server->Pump();
    }
    if (outer) {
        m_pumping = false;
        m_retired.reset();
    }
    return count;
}

int CCommunicationBTS::WaitAndPump(std::chrono::milliseconds timeout) {
    m_relay->WaitForItems(timeout);
    return Pump();
}

CCommsClient::CCommsClient() : CCommsClient(CCommunicationBTS::Instance()) {}

CCommsClient::CCommsClient(CCommunicationBTS& hub) : m_hub(&hub) {
    m_hub->RegisterClient(this);
}

CCommsClient::~CCommsClient() {
    m_hub->UnregisterClient(this);
}
