#pragma once
// The BTS as the program knows it: the object model that uplink messages keep up to date, the
// command handler, and the one door every exchange with the BTS goes through.

#include "comms/BtsHost.h"
#include "comms/CommandHandler.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <vector>

class CCommunicationBTS;

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

    CCommandHandler& Commands() { return m_commands; }
    CCommunicationBTS& Hub() { return m_hub; }

    // The document's side; a do-nothing host while none is set. The host outlives its use.
    void SetHost(IBtsHost* host) { m_host = host ? host : &m_nullHost; }
    IBtsHost& Host() { return *m_host; }
    // Connection event log: a line stamped with the local time, or a continuation line.
    void LogEvent(const std::string& text);
    void LogContinuation(const std::string& text);

private:
    CCommunicationBTS& m_hub;
    IBtsHost m_nullHost;
    IBtsHost* m_host = &m_nullHost;
    CCommandHandler m_commands{*this};
    std::mutex m_exchangeMutex;
};
