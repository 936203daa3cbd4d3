#pragma once
// The simulated Orvik BTS: takes one frame and gives the frame it answers with. It knows
// nothing of the wire, so the TCP and pty servers and the in-process simulator share it.

#include "comms/Frame.h"
#include "sim/SimConfigStore.h"
#include "sim/SimScenario.h"

#include <chrono>
#include <deque>
#include <optional>
#include <span>

class CSimBts {
public:
    enum class Action { Reply, Silent, Close };
    struct Answer {
        Action action = Action::Reply;
        frame::Bytes frame;
        int delayMs = 0; // besides the scenario's delay for every answer
    };

    explicit CSimBts(SSimScenario scenario = {});

    Answer HandleFrame(std::span<const uint8_t> frame);
    // A new connection on the transport: half-received requests and half-sent replies are
    // forgotten. Whether it is also a new link the client's polls tell (a client that changed
    // the line speed connects again but keeps its link).
    void NewConnection();
    // Queues an unsolicited message; it goes out with the next polls.
    void QueueUplink(frame::Bytes message);

    int SpeedCode() const { return m_speedCode; }
    int FramesAnswered() const { return m_answered; }
    const SSimScenario& Scenario() const { return m_scenario; }
    // The last complete request message, for checks.
    const frame::Bytes& LastRequest() const { return m_lastRequest; }
    const CSimConfigStore& Store() const { return m_store; }
    // Configuration block requests taken so far, retries included.
    int BlockRequests() const { return m_blockRequests; }

private:
    frame::Bytes Next();
    void ReportToNewClient();
    void LinkStarts();
    void TakePoll(std::span<const uint8_t> poll);
    frame::Bytes LinkStatus();
    void HandleMessage(std::span<const uint8_t> message);
    void QueueMessage(const frame::Bytes& message);
    frame::Bytes ReplyTo(std::span<const uint8_t> request) const;
    // The BTS's own behaviour: reports after link-up, delayed events and its answers.
    void ReportItself();
    void QueueDueEvents();
    bool AnswerAsBts(std::span<const uint8_t> request);
    // A complete message from the client; applies the block fault when its turn has come.
    void TakeMessage(std::span<const uint8_t> message, Answer& answer);

    SSimScenario m_scenario;
    CSimConfigStore m_store;
    std::deque<frame::Bytes> m_out;         // frames waiting for the client's polls
    std::deque<frame::Bytes> m_unsolicited; // messages not yet started
    frame::Bytes m_request;                 // a chunked request being received
    frame::Bytes m_lastRequest;
    int m_speedCode = 9;
    int m_answered = 0;
    int m_statusGiven = 0;
    int m_blockRequests = 0;
    bool m_silentForThisClient = false;
    bool m_dropped = false; // the connection is dropped once
    bool m_reportDue = false;
    bool m_clientHadLink = false; // the last poll said the client has the link up
    std::optional<std::chrono::steady_clock::time_point> m_linkUpAt;
    size_t m_nextEvent = 0;
};
