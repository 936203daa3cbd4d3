#pragma once
// The exchange that reads the identities of the BTS's hardware units and then, unit by unit,
// their type text, serial number and product code into the BTS object model.

#include "comms/HwUnitIdentity.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <span>
#include <string>

class CMMIServ;

class CHwScenario {
public:
    enum EState : int {
        kIdle = 0,
        kStarted = 1,
        kAskIdentifiers = 2,
        kCollecting = 3,
        kAskAttributes = 4,
        kWaitAttributes = 5,
    };
    static constexpr int64_t kStartDelaySeconds = 3;
    // How long a unit's attributes may take to come back before the scenario gives up on that
    // unit and asks for the next one. The answer is a single short message, so this is ample even
    // at 9600 baud, while a BTS that never answers cannot hold up the remaining units.
    static constexpr int64_t kAttributeAnswerTimeoutSeconds = 10;

    explicit CHwScenario(CMMIServ& server);

    void Start();
    void Stop();
    // Runs the next step; 0 when idle or just finished, 1 while there is more to do.
    int Tick();
    // One message of the answer (identities and attribute texts).
    void HandleReply(std::span<const uint8_t> message);

    int State() const { return m_state; }
    size_t Pending() const { return m_pending.size(); }
    // Seconds since some fixed time; the wall clock unless tests set their own.
    void SetClock(std::function<int64_t()> clock) { m_clock = std::move(clock); }
    // Where TRX type elements met in an answer go.
    void SetTrxTypeHandler(std::function<void(std::span<const uint8_t>)> handler) {
        m_trxType = std::move(handler);
    }

    // The text of an attribute element without its leading zeros.
    static std::string StripLeadingZeros(std::span<const uint8_t> text);

private:
    bool Connected() const;
    void Fail(const char* text);

    std::deque<std::unique_ptr<CHwUnitIdentity>> m_pending;
    int64_t m_startTime = 0;
    int64_t m_askedTime = 0;
    CMMIServ& m_server;
    int m_state = kIdle;
    std::function<int64_t()> m_clock;
    std::function<void(std::span<const uint8_t>)> m_trxType;
};
