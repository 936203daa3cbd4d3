#include "sim/SimBts.h"

#include "comms/Protocol.h"

#include <algorithm>

namespace {

using namespace protocol;

frame::Bytes Nothing() {
    return {frame::kClassMessage, 0x00, 0x00, 0x01, 0x00};
}

} // namespace

CSimBts::CSimBts(SSimScenario scenario)
    : m_scenario(std::move(scenario)), m_store(m_scenario.stored) {
    for (auto& m : m_scenario.uplink) {
        m_unsolicited.push_back(m);
    }
    ReportToNewClient();
    if (m_scenario.bts) {
        std::stable_sort(
            m_scenario.bts->events.begin(), m_scenario.bts->events.end(),
            [](const SSimEvent& a, const SSimEvent& b) { return a.afterMs < b.afterMs; });
        m_reportDue = true;
    }
}

void CSimBts::NewConnection() {
    m_silentForThisClient = false;
    m_out.clear();
    m_request.clear();
}

void CSimBts::LinkStarts() {
    ReportToNewClient();
    // Every new link sees the BTS report itself again, and its changes from the start.
    m_reportDue = m_scenario.bts.has_value();
    m_linkUpAt.reset();
    m_nextEvent = 0;
}

void CSimBts::TakePoll(std::span<const uint8_t> poll) {
    // A client polls with "link down" until it has seen the link come up. Polling so after it
    // had the link is a new link (a new client, or one that lost the link and connected
    // again); a client that only changed the line speed keeps its link and polls "link up".
    const bool clientHasLink = poll.size() > 8 && poll[8] == frame::kPollLinkUp;
    if (!clientHasLink && m_clientHadLink) {
        LinkStarts();
    }
    m_clientHadLink = clientHasLink;
}

void CSimBts::ReportToNewClient() {
    for (const auto& m : m_scenario.reportOnConnect) {
        m_unsolicited.push_back(m);
    }
}

void CSimBts::ReportItself() {
    m_reportDue = false;
    m_linkUpAt = std::chrono::steady_clock::now();
    const SSimBtsModel& model = *m_scenario.bts;
    m_unsolicited.push_back(simmsg::BtsReported(model));
    m_unsolicited.push_back(simmsg::InformationStatus(model));
    m_unsolicited.push_back(simmsg::DeviceStatus(model));
}

void CSimBts::QueueDueEvents() {
    if (!m_scenario.bts || !m_linkUpAt) {
        return;
    }
    const auto& events = m_scenario.bts->events;
    const auto elapsed = std::chrono::steady_clock::now() - *m_linkUpAt;
    while (m_nextEvent < events.size() &&
           elapsed >= std::chrono::milliseconds(events[m_nextEvent].afterMs)) {
        const SSimEvent& e = events[m_nextEvent++];
        int code = 0;
        int index = 0;
        SimObjectCode(e.kind, e.index, code, index);
        if (e.state >= 0 || e.lost) {
            m_unsolicited.push_back(simmsg::OneStatus(code, index, e.lost, std::max(e.state, 0)));
        }
        if (e.alarm >= 0) {
            m_unsolicited.push_back(simmsg::Alarm(code, index, e.alarm, e.severity, e.level));
        }
    }
}

bool CSimBts::AnswerAsBts(std::span<const uint8_t> request) {
    const SSimBtsModel& model = *m_scenario.bts;
    const frame::Bytes ack = {kTypeAck, 0x00, request[2], request[3], 0x00, 0x00, 0x00, 0x01};
    switch (request[0]) {
    case kTypeHardwareRequest:
        // Byte 7: 1 asks for every identity, 0 for the attributes of the identity that follows
        // (its class at byte 8 and its index at byte 23).
        if (request.size() > 7 && request[7] == 1) {
            QueueMessage(simmsg::Identities(model));
        } else if (request.size() > 23) {
            const frame::Bytes answer = simmsg::Attributes(model, request[8], request[23]);
            if (!answer.empty()) {
                QueueMessage(answer);
            }
        }
        QueueMessage(ack);
        return true;
    case kTypeAutodetect: {
        QueueMessage(ack);
        int code = 0;
        int index = 0;
        SimObjectCode("BCF", 1, code, index);
        constexpr int kAutodetecting = 1;
        QueueMessage(simmsg::OneStatus(code, index, false, kAutodetecting));
        QueueMessage(simmsg::OneStatus(code, index, false, model.bcfState));
        return true;
    }
    case kTypeCrossTable:
        QueueMessage(ack);
        return true;
    default:
        return false;
    }
}

void CSimBts::QueueUplink(frame::Bytes message) {
    if (!message.empty()) {
        m_unsolicited.push_back(std::move(message));
    }
}

void CSimBts::QueueMessage(const frame::Bytes& message) {
    for (auto& f : frame::Split(message)) {
        m_out.push_back(std::move(f));
    }
}

frame::Bytes CSimBts::LinkStatus() {
    int value = m_scenario.linkStatus;
    const auto& f = m_scenario.faults;
    if (f.statusAfterFrames >= 0 && m_answered >= f.statusAfterFrames &&
        (f.statusTimes == 0 || m_statusGiven < f.statusTimes)) {
        value = f.statusValue;
        ++m_statusGiven;
    }
    const frame::Bytes body = {frame::kTypeLinkStatus,     0x00, 0x00, 0x00, 0x5F, 0x82, 0x07, 0x01,
                               static_cast<uint8_t>(value)};
    return frame::Make(frame::kClassMessage, frame::kOnlyChunk, 0, body);
}

frame::Bytes CSimBts::Next() {
    QueueDueEvents();
    if (m_out.empty() && !m_unsolicited.empty()) {
        QueueMessage(m_unsolicited.front());
        m_unsolicited.pop_front();
    }
    if (m_out.empty()) {
        // The link is up once a status went out; the BTS then tells what it is.
        frame::Bytes status = LinkStatus();
        if (m_reportDue) {
            ReportItself();
        }
        return status;
    }
    frame::Bytes f = std::move(m_out.front());
    m_out.pop_front();
    return f;
}

frame::Bytes CSimBts::ReplyTo(std::span<const uint8_t> request) const {
    frame::Bytes reply;
    size_t size = 0;
    if (auto it = m_scenario.replies.find(request[0]); it != m_scenario.replies.end()) {
        reply = it->second.message;
        size = it->second.size;
    }
    if (reply.empty()) {
        // An acknowledgement that reports success.
        reply = {kTypeAck, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01};
    }
    for (size_t i = reply.size(); i < size; ++i) {
        reply.push_back(static_cast<uint8_t>(i));
    }
    reply[2] = request.size() > 2 ? request[2] : 0;
    reply[3] = request.size() > 3 ? request[3] : 0;
    return reply;
}

void CSimBts::HandleMessage(std::span<const uint8_t> message) {
    const uint8_t type = message[0];
    if (type == frame::kTypeLinkStatus) {
        TakePoll(message); // whatever is queued answers it
        return;
    }
    if (type == frame::kTypeSpeedRequest) {
        // Not a new link: the client reopens the line at the new speed and goes on.
        const int code = message.size() > 8 ? message[8] : 9;
        QueueMessage({frame::kTypeSpeedAck, 0x00, 0x01, 0x00, 0x5F, 0x82, 0x00, 0x01,
                      static_cast<uint8_t>(code)});
        m_speedCode = code;
        // On a serial line the client that comes back after a failure starts here.
        m_silentForThisClient = false;
        return;
    }
    m_lastRequest.assign(message.begin(), message.end());
    const auto scripted = m_scenario.replies.find(type);
    if (scripted == m_scenario.replies.end() && m_scenario.bts && message.size() >= 4 &&
        AnswerAsBts(message)) {
        return;
    }
    if (scripted != m_scenario.replies.end()) {
        for (const auto& m : scripted->second.uplinkBefore) {
            QueueMessage(m);
        }
    }
    // A scripted reply wins, so that a scenario can make a transfer fail.
    if (scripted == m_scenario.replies.end() || scripted->second.message.empty()) {
        if (auto reply = m_store.Handle(message)) {
            QueueMessage(*reply);
            return;
        }
    }
    QueueMessage(ReplyTo(message));
}

void CSimBts::TakeMessage(std::span<const uint8_t> message, Answer& answer) {
    using Kind = SSimBlockFault::Kind;
    const SSimBlockFault& fault = m_scenario.faults.blockFault;
    const bool blockRequest = message.size() >= 4 && message[0] == CSimConfigStore::kTypeGeneric;
    if (blockRequest) {
        ++m_blockRequests;
    }
    if (!blockRequest || fault.kind == Kind::None || m_blockRequests != fault.request) {
        HandleMessage(message);
        answer.frame = Next();
        return;
    }
    switch (fault.kind) {
    case Kind::Drop:
        // The request is lost with the connection.
        answer.action = Action::Close;
        return;
    case Kind::Silence:
        answer.action = Action::Silent;
        m_silentForThisClient = true;
        return;
    case Kind::Oversize: {
        // A reply to the request that no client can hold; the request itself is not served.
        frame::Bytes huge = {0xF0, 0x00, message[2], message[3]};
        huge.resize(70000);
        for (size_t i = 4; i < huge.size(); ++i) {
            huge[i] = static_cast<uint8_t>(i);
        }
        QueueMessage(huge);
        answer.frame = Next();
        return;
    }
    case Kind::Status: {
        // The request is served, but the link status comes first; the reply follows it.
        HandleMessage(message);
        const frame::Bytes body = {
            frame::kTypeLinkStatus,           0x00, 0x00, 0x00, 0x5F, 0x82, 0x07, 0x01,
            static_cast<uint8_t>(fault.value)};
        answer.frame = frame::Make(frame::kClassMessage, frame::kOnlyChunk, 0, body);
        return;
    }
    case Kind::Delay:
        HandleMessage(message);
        answer.frame = Next();
        answer.delayMs = fault.value;
        return;
    case Kind::Corrupt:
        HandleMessage(message);
        answer.frame = Next();
        for (size_t i = frame::kHeaderSize; i < answer.frame.size(); ++i) {
            answer.frame[i] ^= 0x5A;
        }
        return;
    case Kind::None:
        break;
    }
}

CSimBts::Answer CSimBts::HandleFrame(std::span<const uint8_t> in) {
    Answer answer;
    const auto& f = m_scenario.faults;
    if (m_silentForThisClient || (f.silentAfterFrames > 0 && m_answered >= f.silentAfterFrames)) {
        answer.action = Action::Silent;
        return answer;
    }
    if (f.closeAfterFrames > 0 && m_answered >= f.closeAfterFrames && !m_dropped) {
        m_dropped = true;
        answer.action = Action::Close;
        return answer;
    }
    if (in.size() < frame::kHeaderSize) {
        answer.frame = Nothing();
    } else if (in[0] == frame::kClassFile) {
        // File data from the client: acknowledge each frame, end after the last.
        const bool last = in[1] == frame::kLastChunk;
        const frame::Bytes body = {
            static_cast<uint8_t>(last ? kTypeFileEnd : kTypeAck), 0, 0, 0, 0, 0, 0, 0x01};
        answer.frame = frame::Make(frame::kClassMessage, frame::kOnlyChunk, 0, body);
    } else {
        const auto body = in.subspan(frame::kHeaderSize);
        switch (in[1]) {
        case frame::kOnlyChunk:
            m_request.clear();
            if (!body.empty()) {
                TakeMessage(body, answer);
            } else {
                answer.frame = Next();
            }
            break;
        case frame::kFirstChunk:
            m_request.assign(body.begin(), body.end());
            answer.frame = Nothing();
            break;
        case frame::kMiddleChunk:
            m_request.insert(m_request.end(), body.begin(), body.end());
            answer.frame = Nothing();
            break;
        case frame::kLastChunk:
            m_request.insert(m_request.end(), body.begin(), body.end());
            if (!m_request.empty()) {
                const frame::Bytes message = std::move(m_request);
                m_request.clear();
                TakeMessage(message, answer);
            } else {
                answer.frame = Next();
            }
            break;
        default:
            answer.frame = Nothing();
        }
    }
    if (answer.action != Action::Reply) {
        return answer;
    }
    ++m_answered;
    if (f.corruptFrame > 0 && m_answered == f.corruptFrame) {
        for (size_t i = frame::kHeaderSize; i < answer.frame.size(); ++i) {
            answer.frame[i] ^= 0x5A;
        }
    }
    return answer;
}
