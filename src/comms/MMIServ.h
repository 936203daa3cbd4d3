#pragma once
// The BTS as the program knows it: the object model that uplink messages keep up to date, the
// command handler, and the one door every exchange with the BTS goes through.

#include "comms/BtsHost.h"
#include "comms/CommandHandler.h"
#include "comms/SiteData.h"

#include <array>
#include <atomic>
#include <ctime>
#include <functional>

#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <vector>

class CCommsReport;
class CCommunicationBTS;
class CHwScenario;

class CMMIServ {
public:
    // Created on first use, kept until exit; works through the process-wide link hub.
    static CMMIServ& Instance();
    explicit CMMIServ(CCommunicationBTS& hub);
    ~CMMIServ();
    CMMIServ(const CMMIServ&) = delete;
    CMMIServ& operator=(const CMMIServ&) = delete;

    // One exchange at a time: 1 reply received, 0 none, -1 no server. The reply is empty when
    // none came or when it is longer than `bufferSize`.
    int Transact(std::span<const uint8_t> request, std::vector<uint8_t>& reply, size_t bufferSize);

    // Runs the blocking part of an exchange. The window program installs one that waits on
    // another thread while its windows keep painting; none runs the exchange in place.
    using ExchangeRunner = std::function<int(const std::function<int()>& exchange)>;
    void SetExchangeRunner(ExchangeRunner runner) { m_runner = std::move(runner); }
    // An exchange is waiting for its reply. Whatever runs while a runner keeps the event loop
    // going must not start a second one: it would get no reply.
    bool InExchange() const { return m_inExchange.load(); }

    CCommandHandler& Commands() { return m_commands; }
    CCommunicationBTS& Hub() { return m_hub; }

    // The document's side; a do-nothing host while none is set. The host outlives its use.
    void SetHost(IBtsHost* host) { m_host = host ? host : &m_nullHost; }
    IBtsHost& Host() { return *m_host; }
    // Connection event log: a line stamped with the local time, or a continuation line.
    void LogEvent(const std::string& text);
    void LogContinuation(const std::string& text);

    CSiteData& Objects() { return m_objects; }
    CHwScenario& HwScenario() { return *m_hwScenario; }

    // Family of the connected BTS: 255 until a supported one reported, then 3.
    static constexpr int kFamilyUnknown = 255;
    static constexpr int kFamilyOrvik = 3;
    bool Supported() const { return familyMode == kFamilyOrvik && !unsupported; }
    // Forgets everything the BTS reported, for a new connection.
    void Reset();
    // The document hands every comms report on: a report that there is no connection empties
    // the object store, so the link that follows (a Connect after a Disconnect, or the link
    // reopened after a failure) starts without the mark of the previous BTS report and takes
    // the BTS's report again. Within one link a second report is still refused.
    void TakeReport(const CCommsReport& report);

    int familyMode = kFamilyUnknown;
    bool unsupported = false;
    std::array<uint8_t, 13> btsInformation{};
    int masterTrx = 0;
    int variant = 0;
    bool edge = false;
    // BSC time as reported (-1 while unknown) and its difference to local time in seconds.
    std::time_t bscTime = -1;
    long long bscTimeOffset = 0;
    bool omuSignalling = false;
    std::array<bool, 12> trxSignalling{};
    std::array<uint8_t, 10> traceBytes{};
    std::vector<std::array<uint8_t, 14>> timeStampedRecords;
    uint32_t value285a = 0;
    uint32_t value285b = 0;
    int bcfValue16 = 0;
    uint32_t bcfValue32 = 0;

private:
    CCommunicationBTS& m_hub;
    IBtsHost m_nullHost;
    IBtsHost* m_host = &m_nullHost;
    CCommandHandler m_commands{*this};
    CSiteData m_objects{m_host};
    std::unique_ptr<CHwScenario> m_hwScenario;
    std::mutex m_exchangeMutex;
    ExchangeRunner m_runner;
    std::atomic<bool> m_inExchange{false};
};
