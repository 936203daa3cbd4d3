// Feeds arbitrary frames from a BTS to the link's reply assembly and dispatch, as replies to
// polls and to a pending request.
#include "comms/CommServer.h"
#include "comms/LinkRelay.h"
#include "comms/LinkSession.h"

#include <cstddef>
#include <cstdint>
#include <deque>

namespace {

// Answers each exchange with the next frame cut from the input.
class CScriptedServer : public CCommServer {
public:
    explicit CScriptedServer(std::deque<frame::Bytes> replies) : m_replies(std::move(replies)) {}
    // A few reconnects succeed, then the link gives up: failures cannot loop for ever.
    CommResult Connect(const std::string&) override {
        return ++m_connects <= 4 ? kCommOk : kCommFailed;
    }
    void Disconnect() override {}
    CommResult Exchange(const std::string&, const std::vector<uint8_t>&,
                        std::vector<uint8_t>& reply) override {
        if (m_replies.empty()) {
            return kCommFailed;
        }
        reply = std::move(m_replies.front());
        m_replies.pop_front();
        return kCommOk;
    }
    bool GetLastErrorInfo(long& major, long& minor, unsigned long& location,
                          std::string& reason) override {
        major = minor = 0;
        location = 0;
        reason = "scripted";
        return true;
    }
    void Interrupt() override {}
    bool Done() const { return m_replies.empty(); }

private:
    std::deque<frame::Bytes> m_replies;
    int m_connects = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Each frame is a length byte (0 meaning empty) followed by that many bytes.
    std::deque<frame::Bytes> replies;
    size_t at = 0;
    while (at < size && replies.size() < 2048) {
        const size_t n = std::min<size_t>(data[at], size - at - 1);
        replies.emplace_back(data + at + 1, data + at + 1 + n);
        at += 1 + n;
    }
    CScriptedServer server(std::move(replies));
    CConnectParams params;
    params.SetTarget("HOST=127.0.0.1,TCPPORT=1");
    CLinkShared shared(params);
    CLinkRelay relay;
    // No pauses: recovery and speed changes run at once.
    SLinkTimings timings;
    timings.reconnectPause = timings.speedSwitchPause = timings.afterReconnect =
        timings.reportDrainLimit = std::chrono::milliseconds(0);
    CLinkSession session(shared, relay, server, timings);
    session.SetFilePrefix("/nonexistent-cabrion-fuzz/");
    if (!session.Open() || !shared.StartRunning()) {
        return 0;
    }
    const uint8_t request[] = {0xEC, 0x00, 0x02, 0x02, 0x5F, 0x82, 0x11, 0x01, 0x01};
    shared.PutRequest(request);
    session.SendPending();
    for (int turn = 0; turn < 4096 && shared.running.load() && !server.Done(); ++turn) {
        session.Poll();
    }
    // The GUI side: every relayed item is taken once.
    struct Sink : ILinkDispatch {
        void DispatchReport(std::unique_ptr<CCommsReport> r) override { (void)r->Text(); }
        void DispatchUplink(std::span<const uint8_t> m) override { (void)m.size(); }
    } sink;
    relay.Pump(sink);
    frame::Bytes reply;
    shared.TakeReply(reply);
    session.Close();
    return 0;
}
