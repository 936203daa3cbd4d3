// The link against a simulated BTS that misbehaves: status values, drops, silence, floods.
#include "LinkTestSupport.h"

using namespace linktest;

namespace {

SSimScenario StatusAfter(int frames, int value, int times = 0) {
    SSimScenario s;
    s.faults.statusAfterFrames = frames;
    s.faults.statusValue = value;
    s.faults.statusTimes = times;
    return s;
}

} // namespace

TEST(LinkFailure, LocalMmiStatusEndsTheLinkWithTheRightCode) {
    {
        // Before the link came up: the remote session cannot be established.
        auto sim = StartTcpSim(StatusAfter(0, 1));
        Harness h;
        ASSERT_EQ(h.hub.StartConnection(kConnRemote, TcpTarget(*sim)), 1);
        ASSERT_TRUE(h.PumpUntil([&] { return h.client.Has(0, 11); }));
        EXPECT_FALSE(h.client.Has(1, 0));
        ASSERT_TRUE(h.PumpUntil([&] { return h.hub.GetConnectionKind() == kConnNone; }));
    }
    {
        // After it came up: the session was terminated.
        auto sim = StartTcpSim(StatusAfter(3, 1));
        Harness h;
        ASSERT_EQ(h.hub.StartConnection(kConnRemote, TcpTarget(*sim)), 1);
        ASSERT_TRUE(h.PumpUntil([&] { return h.client.Has(0, 12); }));
        EXPECT_TRUE(h.client.Has(1, 0));
        ASSERT_TRUE(h.PumpUntil([&] { return h.hub.GetConnectionKind() == kConnNone; }));
        frame::Bytes reply;
        EXPECT_EQ(h.hub.Transact(Request(0xF2, 2, 4), reply), 0);
        // The lock went with the link: the same BTS can be reached again.
        EXPECT_EQ(h.hub.StartConnection(kConnRemote, TcpTarget(*sim)), 1);
    }
}

TEST(LinkFailure, LinkLostAndBufferOverrunStatusesKeepTheLinkRunning) {
    auto sim = StartTcpSim(StatusAfter(2, 31, 1));
    Harness h;
    ASSERT_EQ(h.hub.StartConnection(kConnRemote, TcpTarget(*sim)), 1);
    // Up, lost (kind 0, code 0), up again.
    ASSERT_TRUE(h.PumpUntil([&] {
        int ups = 0;
        for (const auto& r : h.client.reports) {
            ups += r.kind == 1;
        }
        return ups >= 2;
    }));
    EXPECT_TRUE(h.client.Has(0, 0));

    auto flood = StartTcpSim(StatusAfter(3, 42, 1));
    Harness g;
    ASSERT_EQ(g.hub.StartConnection(kConnRemote, TcpTarget(*flood)), 1);
    ASSERT_TRUE(g.PumpUntil([&] { return g.client.Has(4, CCommsReport::kBufferOverrun); }));
    EXPECT_EQ(g.hub.IsLinkUp(), 1);
}

TEST(LinkFailure, SecondStartForTheSameBtsIsRefused) {
    auto sim = StartTcpSim();
    Harness first;
    Harness second;
    second.hub.SetLockDirectory(first.lockDir);
    const std::string target = TcpTarget(*sim, ",BSCID=12,BCFID=3");
    ASSERT_EQ(first.hub.StartConnection(kConnRemote, target), 1);
    EXPECT_EQ(second.hub.StartConnection(kConnRemote, target), 0);
    EXPECT_TRUE(second.client.Has(CCommsReport::kInformation, CCommsReport::kRemoteDuplicate));
    // Another BCF of the same BSC is a different BTS.
    EXPECT_EQ(second.hub.StartConnection(kConnRemote, TcpTarget(*sim, ",BSCID=12,BCFID=4")), 1);
}

TEST(LinkFailure, DroppedConnectionIsReopenedOnce) {
    SSimScenario s;
    s.faults.closeAfterFrames = 3;
    auto sim = StartTcpSim(s);
    Harness h;
    ASSERT_EQ(h.hub.StartConnection(kConnRemote, TcpTarget(*sim)), 1);
    ASSERT_TRUE(h.WaitLinkUp());
    // The recovery reports the lost link, reconnects and the BTS answers again.
    ASSERT_TRUE(h.PumpUntil([&] { return sim->ClientsServed() >= 2; }));
    ASSERT_TRUE(h.PumpUntil([&] { return h.client.Has(0, 0); }));
    frame::Bytes reply;
    EXPECT_TRUE(h.PumpUntil([&] { return h.hub.Transact(Request(0xF2, 6, 4), reply) == 1; }));
}

TEST(LinkFailure, FailedReconnectEndsTheLinkWithAReport) {
    SSimScenario s;
    s.faults.closeAfterFrames = 3;
    s.faults.refuseAfterDrop = true;
    auto sim = StartTcpSim(s);
    Harness h;
    ASSERT_EQ(h.hub.StartConnection(kConnRemote, TcpTarget(*sim)), 1);
    ASSERT_TRUE(h.PumpUntil([&] { return h.client.Has(0, CCommsReport::kRemoteRefused); }));
    ASSERT_TRUE(h.PumpUntil([&] { return h.hub.GetConnectionKind() == kConnNone; }));

    // Over a serial line the device is gone: the reason is reported.
    auto pty = StartPtySim(s);
    Harness l;
    (*l.comPaths)[2] = pty->PtyPath();
    ASSERT_EQ(l.hub.StartConnection(kConnLocal, "WP=COM,PORT=2"), 1);
    ASSERT_TRUE(l.PumpUntil([&] { return l.client.Has(0, CCommsReport::kReason); }));
    EXPECT_NE(l.client.Find(CCommsReport::kReason)->text.find(">>> Reason:"), std::string::npos);
    ASSERT_TRUE(l.PumpUntil([&] { return l.hub.IsLocalLinkActive() == 0; }));
}

TEST(LinkFailure, SilentBtsLeavesTransactEmptyAfterItsTimeout) {
    SSimScenario s;
    s.faults.silentAfterFrames = 1;
    auto sim = StartTcpSim(s);
    Harness h;
    SLinkTimings quick = h.timings;
    quick.exchangeTimeout = 300ms;
    h.hub.SetTimings(quick);
    ASSERT_EQ(h.hub.StartConnection(kConnRemote, TcpTarget(*sim)), 1);
    ASSERT_TRUE(h.WaitLinkUp());
    frame::Bytes reply{1, 2, 3};
    EXPECT_EQ(h.hub.Transact(Request(0xF2, 8, 4), reply), 0);
    EXPECT_TRUE(reply.empty());
}

TEST(LinkFailure, ReplyLargerThanTheAssemblyBufferIsRefused) {
    SSimScenario s;
    SSimReply huge;
    huge.message = {0xF0, 0x00, 0x00, 0x00};
    huge.size = 70000;
    s.replies[0xEC] = huge;
    auto sim = StartTcpSim(s);
    Harness h;
    ASSERT_EQ(h.hub.StartConnection(kConnRemote, TcpTarget(*sim)), 1);
    ASSERT_TRUE(h.WaitLinkUp());
    frame::Bytes reply;
    EXPECT_EQ(h.hub.Transact(Request(0xEC, 0x10, 14), reply), 0);
    EXPECT_TRUE(reply.empty());
    ASSERT_TRUE(h.PumpUntil([&] { return h.client.Has(4, CCommsReport::kBufferOverrun); }));
    // The tail of the refused message is not taken for a message of its own, and the link
    // still serves the next exchange.
    EXPECT_TRUE(h.client.uplinks.empty());
    EXPECT_EQ(h.hub.IsLinkUp(), 1);
}

TEST(LinkFailure, StopEndsALinkThreadBlockedOnASilentBts) {
    SSimScenario s;
    s.faults.silentAfterFrames = 2;
    auto sim = StartTcpSim(s);
    Harness h;
    SLinkTimings slow; // the documented waits: the transport would block for seconds
    h.hub.SetTimings(slow);
    ASSERT_EQ(h.hub.StartConnection(kConnRemote, TcpTarget(*sim)), 1);
    ASSERT_TRUE(h.PumpUntil([&] { return sim->FramesAnswered() >= 2; }));
    const auto start = std::chrono::steady_clock::now();
    h.hub.StopConnection();
    EXPECT_LT(std::chrono::steady_clock::now() - start, slow.threadStop);
    EXPECT_EQ(h.hub.GetConnectionKind(), kConnNone);
}

TEST(LinkFailure, ConnectFailuresBecomeReports) {
    Harness h;
    // Nothing listens on this port: the reason text names it.
    auto sim = StartTcpSim();
    const std::string target = TcpTarget(*sim);
    sim.reset();
    ASSERT_EQ(h.hub.StartConnection(kConnRemote, target), 1);
    ASSERT_TRUE(h.PumpUntil([&] { return h.client.Has(0, CCommsReport::kReason); }));
    EXPECT_NE(h.client.Find(10)->text.find("Major Code 0, Minor Code 0"), std::string::npos);

    // A remote target that says nowhere to go.
    Harness g;
    ASSERT_EQ(g.hub.StartConnection(kConnRemote, "BSCID=1,BCFID=2"), 1);
    ASSERT_TRUE(g.PumpUntil([&] { return g.client.Has(0, CCommsReport::kReason); }));
    EXPECT_NE(g.client.Find(10)->text.find("HOST="), std::string::npos);

    // No service at all.
    Harness n;
    n.hub.SetServerFactory([](const CConnectParams&) { return nullptr; });
    ASSERT_EQ(n.hub.StartConnection(kConnRemote, "HOST=127.0.0.1,TCPPORT=1"), 1);
    ASSERT_TRUE(n.PumpUntil([&] { return n.client.Has(0, CCommsReport::kUnknownError); }));
    frame::Bytes reply;
    EXPECT_EQ(n.hub.Transact(Request(0xF2, 2, 4), reply), 0);

    // A remote start without target asks for one and stays offline without an answer.
    EXPECT_EQ(n.hub.StartConnection(kConnRemote, ""), 0);
    n.hub.SetTargetQuery([] { return std::string("HOST=127.0.0.1,TCPPORT=1"); });
    EXPECT_EQ(n.hub.StartConnection(kConnRemote, ""), 1);
}

namespace {

// A service whose Connect hangs until it is interrupted, like a BTS that never answers it.
class CHangingServer : public CCommServer {
public:
    CommResult Connect(const std::string&) override {
        std::unique_lock lock(m_mutex);
        m_cv.wait(lock, [this] { return m_interrupted; });
        return kCommFailed;
    }
    void Disconnect() override {}
    CommResult Exchange(const std::string&, const std::vector<uint8_t>&,
                        std::vector<uint8_t>&) override {
        return kCommFailed;
    }
    bool GetLastErrorInfo(long& major, long& minor, unsigned long& location,
                          std::string& reason) override {
        major = kMajorRemote;
        minor = kMinorInterrupted;
        location = 0;
        reason = "interrupted";
        return true;
    }
    void Interrupt() override {
        {
            std::lock_guard lock(m_mutex);
            m_interrupted = true;
        }
        m_cv.notify_all();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_cv;
    bool m_interrupted = false;
};

} // namespace

TEST(LinkFailure, StoppingWhileConnectingTellsTheUserNothing) {
    Harness h;
    SLinkTimings t = h.timings;
    t.threadStart = 50ms;
    h.hub.SetTimings(t);
    h.hub.SetServerFactory(
        [](const CConnectParams&) { return std::make_unique<CHangingServer>(); });
    ASSERT_EQ(h.hub.StartConnection(kConnRemote, "HOST=127.0.0.1,TCPPORT=1"), 1);
    h.hub.StopConnection();
    h.hub.Pump();
    for (const auto& r : h.client.reports) {
        EXPECT_EQ(r.code, CCommsReport::kNone) << r.text;
    }
}
