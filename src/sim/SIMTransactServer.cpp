#include "sim/SIMTransactServer.h"

#include "comms/CommunicationBTS.h"

namespace {
// Unsolicited messages the simulated BTS may put ahead of a reply before it counts as lost.
constexpr int kMaxInterleaved = 64;
} // namespace

CSIMTransactServer::CSIMTransactServer(const CConnectParams& params, CCommunicationBTS& hub,
                                       SSimScenario scenario)
    : m_params(params), m_hub(hub), m_bts(std::move(scenario)) {
    m_params.SetSimulator();
    m_linkUp = 1;
    m_hub.DispatchReport(
        std::make_unique<CCommsReport>(CCommsReport::kConnected, CCommsReport::kNone));
}

CSIMTransactServer::~CSIMTransactServer() {
    m_hub.DispatchReport(
        std::make_unique<CCommsReport>(CCommsReport::kNoConnection, CCommsReport::kNone));
}

void CSIMTransactServer::SetMaxSpeed(int index) {
    const int code = (index >= 2 && index <= 5) ? CConnectParams::SpeedCodeOfIndex(index) : 9;
    m_params.SetSpeedCode(code);
    m_hub.DispatchReport(std::make_unique<CCommsReport>(
        CCommsReport::kInformation, CCommsReport::kSpeedChanged,
        CCommsReport::SpeedChangedText(CConnectParams::SpeedTextOfCode(code))));
}

bool CSIMTransactServer::ExchangeMessage(const frame::Bytes& out, frame::Bytes& message) {
    message.clear();
    auto answer = m_bts.HandleFrame(out);
    if (answer.action != CSimBts::Action::Reply ||
        !CMessageAssembler::StartsMessage(answer.frame)) {
        return false;
    }
    m_assembler.Start(answer.frame);
    while (!m_assembler.Complete()) {
        answer = m_bts.HandleFrame(frame::Poll(true));
        if (answer.action != CSimBts::Action::Reply || !m_assembler.Append(answer.frame)) {
            m_assembler.Clear();
            return false;
        }
    }
    const auto body = m_assembler.Body();
    message.assign(body.begin(), body.end());
    m_assembler.Clear();
    return !message.empty();
}

int CSIMTransactServer::Transact(std::span<const uint8_t> request, frame::Bytes& reply) {
    reply.clear();
    const auto frames = frame::Split(request);
    if (frames.empty()) {
        return 0;
    }
    const uint16_t id = frame::TransactionId(request);
    frame::Bytes message;
    for (size_t i = 0; i + 1 < frames.size(); ++i) {
        m_bts.HandleFrame(frames[i]);
    }
    bool got = ExchangeMessage(frames.back(), message);
    for (int n = 0; n < kMaxInterleaved; ++n) {
        if (got && frame::TransactionId(message) == id) {
            reply = std::move(message);
            return 1;
        }
        if (got && message[0] != frame::kTypeLinkStatus) {
            m_hub.DispatchUplink(message);
        }
        got = ExchangeMessage(frame::Poll(true), message);
    }
    return 0;
}

void CSIMTransactServer::Pump() {
    frame::Bytes message;
    for (int n = 0; n < kMaxInterleaved; ++n) {
        if (!ExchangeMessage(frame::Poll(true), message) || message[0] == frame::kTypeLinkStatus) {
            return;
        }
        m_hub.DispatchUplink(message);
    }
}
