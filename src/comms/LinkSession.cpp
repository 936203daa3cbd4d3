#include "comms/LinkSession.h"

#include "comms/Protocol.h"

#include <cstdio>

namespace {

using namespace protocol;

constexpr int kStatusBufferOverrun = 42;
constexpr int kStatusLinkLost = 31;
constexpr int kStatusLocalMmi = 1;

// A chunked reply that overflowed is drained up to this many more frames before the link
// gives up on finding its end.
constexpr int kDrainLimit = 256;

} // namespace

CLinkSession::CLinkSession(CLinkShared& shared, CLinkRelay& relay, CCommServer& server,
                           const SLinkTimings& timings)
    : m_shared(shared), m_relay(relay), m_server(server), m_timings(timings) {}

CLinkSession::~CLinkSession() {
    CloseFile();
}

void CLinkSession::QueueReport(int kind, int code, std::string text) {
    m_relay.QueueReport(std::make_unique<CCommsReport>(kind, code, std::move(text)));
}

bool CLinkSession::Open() {
    const CommResult result = m_server.Connect(m_shared.Target());
    if (!CommSucceeded(result)) {
        Translate(result, false);
        return false;
    }
    m_connected = true;
    return true;
}

void CLinkSession::Close() {
    if (m_connected) {
        m_server.Disconnect();
        m_connected = false;
    }
    CloseFile();
}

void CLinkSession::Turn() {
    if (m_shared.fallbackRequested.exchange(0)) {
        FallBackTo9600();
    }
    const bool busy = (m_fileActive && m_file) || m_shared.waiting.load() != 0;
    if (m_shared.wake.Wait(busy ? m_timings.busyPoll : m_timings.idlePoll)) {
        SendPending();
    } else if (m_shared.running.load()) {
        Poll();
    }
}

bool CLinkSession::Call(const frame::Bytes& out, frame::Bytes& reply) {
    const CommResult result = m_server.Exchange(m_address, out, reply);
    return CommSucceeded(result) && reply.size() >= frame::kHeaderSize;
}

void CLinkSession::SendPending() {
    if (m_fileActive && !m_fileFrame.empty()) {
        const frame::Bytes out = std::move(m_fileFrame);
        m_fileFrame.clear();
        ExchangeAndTakeIn(out, Step::Request);
        // A request that came in meanwhile still has to go out.
        m_shared.wake.Set();
        return;
    }
    frame::Bytes request;
    if (!m_shared.TakeRequest(request)) {
        return;
    }
    m_shared.expectedId = frame::TransactionId(request);
    for (const auto& chunk : frame::Split(request)) {
        m_shared.waiting = 1;
        if (!ExchangeAndTakeIn(chunk, Step::Request)) {
            // The caller is told at once; it finds no valid reply.
            m_shared.waiting = 0;
            m_shared.expectedId = 0xFFFF;
            m_shared.replyReady.Set();
            return;
        }
    }
}

void CLinkSession::Poll() {
    const int current = m_shared.CurrentSpeed();
    const int desired = m_shared.desiredSpeed.load();
    if (m_shared.linkUp.load() && current != -1 && current != desired) {
        m_shared.SetCurrentSpeed(-1);
        ExchangeAndTakeIn(frame::SpeedRequest(desired), Step::Poll);
        return;
    }
    m_pollFrame = frame::Poll(m_shared.linkUp.load() != 0);
    const frame::Bytes out = m_pollFrame;
    // Continuation polls of a chunked reply always say the link is up.
    m_pollFrame = frame::Poll(true);
    ExchangeAndTakeIn(out, Step::Poll);
}

bool CLinkSession::ExchangeAndTakeIn(const frame::Bytes& out, Step step) {
    frame::Bytes reply;
    if (!Call(out, reply)) {
        HandleError();
        return false;
    }
    const bool bothPolls = step == Step::Poll && m_previousWasPoll;
    m_previousWasPoll = step == Step::Poll;
    if (!CMessageAssembler::StartsMessage(reply)) {
        return true;
    }
    m_assembler.Start(reply);
    while (!m_assembler.Complete() && m_shared.running.load()) {
        if (!Call(m_pollFrame, reply)) {
            m_assembler.Clear();
            HandleError();
            return false;
        }
        if (!m_assembler.Append(reply)) {
            RefuseOversized(reply);
            return true;
        }
    }
    if (!m_assembler.Complete()) {
        m_assembler.Clear();
        return true;
    }
    Dispatch(m_assembler.Body(), bothPolls);
    m_assembler.Clear();
    return true;
}

void CLinkSession::RefuseOversized(const frame::Bytes& first) {
    // The rest of the message is read and thrown away so that its tail is not taken for a
    // message of its own.
    frame::Bytes reply = first;
    for (int n = 0; n < kDrainLimit && m_shared.running.load(); ++n) {
        if (reply[1] == frame::kLastChunk || reply[1] == frame::kOnlyChunk) {
            break;
        }
        if (!Call(m_pollFrame, reply)) {
            m_assembler.Clear();
            HandleError();
            return;
        }
    }
    m_assembler.Clear();
    if (m_shared.waiting.load()) {
        m_shared.waiting = 0;
        m_shared.expectedId = 0xFFFF;
        m_shared.replyReady.Set();
    }
    QueueReport(CCommsReport::kInformation, CCommsReport::kBufferOverrun);
}

void CLinkSession::MarkLinkUp() {
    if (!m_shared.linkUp.load()) {
        m_shared.linkUp = 1;
        QueueReport(CCommsReport::kConnected, CCommsReport::kNone);
    }
}

void CLinkSession::Dispatch(std::span<const uint8_t> body, bool bothPolls) {
    if (body.empty()) {
        return;
    }
    const uint8_t type = body[0];
    if (type != frame::kTypeLinkStatus) {
        m_watchdogStart = std::chrono::steady_clock::now();
        MarkLinkUp();
    }
    switch (type) {
    case kTypeFileEnd:
        FileEnd(body);
        return;
    case kTypeFileRequest:
        FileRequest(body);
        MatchOrQueue(body, false);
        return;
    case kTypeAck:
        if (frame::TransactionId(body) == 0) {
            FileAck(body);
            return;
        }
        MatchOrQueue(body, false);
        return;
    case frame::kTypeLinkStatus:
        if (body.size() == 9) {
            DispatchLinkStatus(body, bothPolls);
            return;
        }
        MatchOrQueue(body, false);
        return;
    case frame::kTypeSpeedAck:
        DispatchSpeedAck();
        return;
    case kTypeTrace:
        if (body.size() > 19 && body[19] == 'W') {
            m_shared.PutReply(body);
            m_shared.waiting = 0;
            m_shared.replyReady.Set();
            return;
        }
        MatchOrQueue(body, true);
        return;
    case kTypeHardwareIdentities:
        MatchOrQueue(body, true);
        return;
    default:
        MatchOrQueue(body, false);
    }
}

void CLinkSession::MatchOrQueue(std::span<const uint8_t> body, bool unsolicitedOnly) {
    if (!unsolicitedOnly && m_shared.waiting.load() &&
        (frame::TransactionId(body) == m_shared.expectedId.load() || body[0] == kTypeAlwaysReply)) {
        m_shared.PutReply(body);
        m_shared.waiting = 0;
        m_shared.expectedId = 0xFFFF;
        m_shared.replyReady.Set();
        return;
    }
    if (m_shared.running.load()) {
        m_relay.QueueUplink(frame::Bytes(body.begin(), body.end()));
    }
}

void CLinkSession::DispatchLinkStatus(std::span<const uint8_t> body, bool bothPolls) {
    const int value = body[8];
    if (value == kStatusBufferOverrun) {
        CloseFile();
        m_shared.waiting = 0;
        m_shared.expectedId = 0xFFFF;
        QueueReport(CCommsReport::kInformation, CCommsReport::kBufferOverrun);
        m_shared.replyReady.Set();
    } else if (value == kStatusLinkLost || value == kStatusLocalMmi) {
        CloseFile();
        m_shared.waiting = 0;
        m_shared.expectedId = 0xFFFF;
        const bool wasUp = m_shared.linkUp.exchange(0) != 0;
        int code = CCommsReport::kNone;
        if (value == kStatusLocalMmi) {
            m_shared.Stop();
            code = wasUp ? CCommsReport::kRemoteEndedByLocal : CCommsReport::kRemoteBlockedByLocal;
        }
        QueueReport(CCommsReport::kNoConnection, code);
    } else if (!m_shared.linkUp.load()) {
        m_shared.linkUp = 1;
        m_shared.waiting = 0;
        m_shared.expectedId = 0xFFFF;
        QueueReport(CCommsReport::kConnected, CCommsReport::kNone);
    }

    const auto now = std::chrono::steady_clock::now();
    if (!m_watchdogStart) {
        m_watchdogStart = now;
    }
    if (m_fileActive && m_file && bothPolls && now - *m_watchdogStart > m_timings.fileWatchdog) {
        FailFile(0xFFFF);
    } else if (m_fileActive && m_file && m_fileFrame.empty()) {
        PrepareFileFrame();
    }
}

void CLinkSession::DispatchSpeedAck() {
    const int desired = m_shared.desiredSpeed.load();
    if (m_shared.CurrentSpeed() == desired) {
        return;
    }
    m_shared.SetCurrentSpeed(desired);
    if (m_connected) {
        m_server.Disconnect();
        m_connected = false;
    }
    if (!m_shared.SleepWhileRunning(m_timings.speedSwitchPause)) {
        return;
    }
    if (CommSucceeded(m_server.Connect(m_shared.Target()))) {
        m_connected = true;
        m_shared.SetCurrentSpeed(desired);
        QueueReport(CCommsReport::kInformation, CCommsReport::kSpeedChanged,
                    CCommsReport::SpeedChangedText(CConnectParams::SpeedTextOfCode(desired)));
    }
}

bool CLinkSession::Translate(CommResult result, bool retry) {
    // A link being stopped fails its calls on purpose: nothing to tell the user.
    if (m_shared.StopRequested()) {
        return !CommSucceeded(result);
    }
    long major = 0;
    long minor = 0;
    unsigned long location = 0;
    std::string reason;
    if (!m_server.GetLastErrorInfo(major, minor, location, reason)) {
        const int code = result == kCommNotSupported ? CCommsReport::kServiceNotSupported
                         : result == kCommNotRunning ? CCommsReport::kServiceNotRunning
                                                     : CCommsReport::kUnknownError;
        QueueReport(CCommsReport::kNoConnection, code);
        return true;
    }
    // A successful call needs no report: its error details are those of an earlier failure.
    if (CommSucceeded(result)) {
        return false;
    }
    if (retry && m_shared.Params().GetKind() == kConnRemote) {
        if (major == 0 && minor == 0) {
            QueueReport(CCommsReport::kNoConnection, CCommsReport::kRemoteRefused);
            return true;
        }
        if (minor == kMinorAbisLink) {
            QueueReport(CCommsReport::kNoConnection, CCommsReport::kAbisProblem);
            return true;
        }
    }
    if (minor == kMinorPortInUse) {
        QueueReport(CCommsReport::kNoConnection, CCommsReport::kComPortInUse);
        return true;
    }
    char details[512];
    std::snprintf(details, sizeof details,
                  ">>> Reason:\r\n\r\n%s\r\n\r\n>>> details:\r\n\r\nMajor Code %ld, Minor Code "
                  "%ld, loc info 0x%08lX\r\n",
                  reason.c_str(), major, minor, location);
    QueueReport(CCommsReport::kNoConnection, CCommsReport::kReason, details);
    return true;
}

bool CLinkSession::Reconnect() {
    const CommResult result = m_server.Connect(m_shared.Target());
    if (Translate(result, true) || !CommSucceeded(result)) {
        return false;
    }
    m_connected = true;
    return true;
}

void CLinkSession::HandleError() {
    if (!m_shared.running.load()) {
        return;
    }
    m_shared.abort = 1;
    if (m_shared.waiting.load()) {
        m_shared.replyReady.Set();
    }
    m_relay.DropUplinks();
    // Reports already queued go out before the ones this recovery makes; the wait is bounded
    // so that a GUI that is busy elsewhere cannot hold the link thread for ever.
    const auto drainUntil = std::chrono::steady_clock::now() + m_timings.reportDrainLimit;
    while (m_relay.HasReports() && std::chrono::steady_clock::now() < drainUntil) {
        if (!m_shared.SleepWhileRunning(std::chrono::milliseconds(100))) {
            return;
        }
    }
    if (m_connected) {
        m_connected = false;
        m_server.Disconnect();
    }
    CloseFile();
    m_fileActive = false;
    m_fileFrame.clear();
    if (m_shared.CurrentSpeed() != 9 && !m_shared.SleepWhileRunning(m_timings.reconnectPause)) {
        return;
    }
    m_shared.SetCurrentSpeed(9);
    const bool reconnected = Reconnect();
    m_shared.SleepWhileRunning(m_timings.afterReconnect);
    if (!reconnected) {
        m_shared.Stop();
    } else {
        QueueReport(CCommsReport::kNoConnection, CCommsReport::kNone);
    }
    m_shared.linkUp = 0;
    m_shared.abort = 0;
}

void CLinkSession::FallBackTo9600() {
    if (m_shared.CurrentSpeed() == 9 || m_shared.Params().GetKind() == kConnRemote) {
        return;
    }
    if (m_connected) {
        m_server.Disconnect();
        m_connected = false;
    }
    if (!m_shared.SleepWhileRunning(m_timings.speedSwitchPause)) {
        return;
    }
    m_shared.SetCurrentSpeed(9);
    m_connected = CommSucceeded(m_server.Connect(m_shared.Target()));
    m_shared.linkUp = 0;
}
