#pragma once
// The one place the program reaches the BTS through: starts and stops the connection, carries
// exchanges, and hands reports and uplink messages to the registered clients on the GUI
// thread.

#include "comms/BaseTransactServer.h"
#include "comms/LinkRelay.h"
#include "comms/LinkTimings.h"
#include "comms/TransactServer.h"
#include "platform/NamedLock.h"

#include <array>
#include <functional>
#include <memory>
#include <string>

class CCommsClient;
class CCommunicationBTS;

// The settings a connection starts from ("ComPort", "MaxUARTSpeed").
struct SLinkSettings {
    int comPort = 1;
    int maxSpeedIndex = 5;
};

using SimulatorFactory = std::function<std::unique_ptr<CBaseTransactServer>(
    const CConnectParams& params, CCommunicationBTS& hub)>;

class CCommunicationBTS : public ILinkDispatch {
public:
    static constexpr size_t kClientSlots = 5;

    static CCommunicationBTS& Instance();
    CCommunicationBTS();
    ~CCommunicationBTS() override;
    CCommunicationBTS(const CCommunicationBTS&) = delete;
    CCommunicationBTS& operator=(const CCommunicationBTS&) = delete;

    // Set-up, before the first connection.
    void SetSettings(const SLinkSettings& settings) { m_settings = settings; }
    void SetTimings(const SLinkTimings& timings);
    void SetServerFactory(CommServerFactory factory) { m_factory = std::move(factory); }
    void SetSimulatorFactory(SimulatorFactory factory) { m_simulator = std::move(factory); }
    void SetLockDirectory(const std::string& directory);
    // Asks the user for a remote target (the connection tool); empty when none was given.
    void SetTargetQuery(std::function<std::string()> query) { m_targetQuery = std::move(query); }
    // Runs that query on its own, leaving the connection as it is.
    std::string AskTarget() const { return m_targetQuery ? m_targetQuery() : std::string(); }
    // Shows a message to the user; standard error unless set.
    void SetMessageSink(std::function<void(const std::string&)> sink) { m_sink = std::move(sink); }

    int StartConnection(int kind, const std::string& target);
    void StopConnection();
    // 1 reply received, 0 none, -1 no connection.
    int Transact(std::span<const uint8_t> request, frame::Bytes& reply);
    void SetMaxSpeed(int index);
    int IsLinkUp() const;
    int IsLocalLinkActive() const;
    // The connection's parameters, or null without a connection.
    std::unique_ptr<CConnectParams> GetConnectParams() const;
    int GetConnectionKind() const;
    CBaseTransactServer* Server() const { return m_server.get(); }

    void RegisterClient(CCommsClient* client);
    void UnregisterClient(CCommsClient* client);
    void DispatchReport(std::unique_ptr<CCommsReport> report) override;
    void DispatchUplink(std::span<const uint8_t> message) override;

    // GUI thread: hands everything queued to the clients; returns how many items went out.
    int Pump();
    // Waits for queued items up to the time, then pumps.
    int WaitAndPump(std::chrono::milliseconds timeout);
    CLinkRelay& Relay() { return *m_relay; }

private:
    void Tell(const std::string& message);
    void ReleaseLock();

    SLinkSettings m_settings;
    SLinkTimings m_timings;
    CommServerFactory m_factory;
    SimulatorFactory m_simulator;
    std::function<std::string()> m_targetQuery;
    std::function<void(const std::string&)> m_sink;
    std::shared_ptr<CLinkRelay> m_relay = std::make_shared<CLinkRelay>();
    std::string m_lockDirectory;
    std::shared_ptr<CNamedLock> m_lock; // the lock of the current connection
    std::unique_ptr<CBaseTransactServer> m_server;
    std::unique_ptr<CBaseTransactServer> m_retired; // stopped during a pump
    bool m_pumping = false;
    std::array<CCommsClient*, kClientSlots> m_clients{};
};
