// The link against the simulated BTS on loopback: exchanges, chunking, reply matching, speed.
#include "LinkTestSupport.h"

#include <atomic>

using namespace linktest;

namespace {

SSimScenario ReplyScenario(uint8_t type, size_t size) {
    SSimScenario s;
    SSimReply reply;
    reply.message = {0xF0, 0x00, 0x00, 0x00};
    reply.size = size;
    s.replies[type] = reply;
    return s;
}

} // namespace

TEST(LinkExchange, LongRequestGoesInChunksAndChunkedReplyIsAssembled) {
    auto sim = StartTcpSim(ReplyScenario(0xEC, 600));
    Harness h;
    ASSERT_EQ(h.hub.StartConnection(kConnRemote, TcpTarget(*sim)), 1);
    ASSERT_TRUE(h.WaitLinkUp());

    const frame::Bytes request = Request(0xEC, 0x0202, 600);
    frame::Bytes reply;
    ASSERT_EQ(h.hub.Transact(request, reply), 1);
    EXPECT_EQ(sim->LastRequest(), request);
    ASSERT_EQ(reply.size(), 600u);
    EXPECT_EQ(reply[0], 0xF0);
    EXPECT_EQ(frame::TransactionId(reply), 0x0202);
    EXPECT_EQ(reply[599], static_cast<uint8_t>(599));

    const auto sent = h.wire->Requests();
    ASSERT_EQ(sent.size(), 3u);
    EXPECT_EQ(sent[0][1], 0x40);
    EXPECT_EQ(sent[0][3], 0);
    EXPECT_EQ(sent[0].size(), 260u);
    EXPECT_EQ(sent[1][1], 0x20);
    EXPECT_EQ(sent[1][3], 0);
    EXPECT_EQ(sent[2][1], 0x10);
    EXPECT_EQ(sent[2][3], 88);
    EXPECT_EQ(sent[2].size(), 92u);

    // Exactly one body's worth goes in a single frame whose length byte reads 0.
    const frame::Bytes full = Request(0xEC, 0x0204, 256);
    ASSERT_EQ(h.hub.Transact(full, reply), 1);
    const auto after = h.wire->Requests();
    ASSERT_EQ(after.size(), 4u);
    EXPECT_EQ(after[3][1], 0x80);
    EXPECT_EQ(after[3][3], 0);
    EXPECT_EQ(sim->LastRequest(), full);
}

TEST(LinkExchange, ForeignIdGoesToUplinkWhileCallerKeepsWaiting) {
    SSimScenario s;
    SSimReply reply;
    reply.uplinkBefore.push_back({0xD2, 0x00, 0x34, 0x12, 0x01, 0x02});
    s.replies[0x9C] = reply;
    auto sim = StartTcpSim(s);
    Harness h;
    ASSERT_EQ(h.hub.StartConnection(kConnRemote, TcpTarget(*sim)), 1);
    ASSERT_TRUE(h.WaitLinkUp());

    frame::Bytes answer;
    ASSERT_EQ(h.hub.Transact(Request(0x9C, 0x0300, 8), answer), 1);
    EXPECT_EQ(answer[0], 0x81);
    EXPECT_EQ(frame::TransactionId(answer), 0x0300);
    ASSERT_TRUE(h.PumpUntil([&] { return !h.client.uplinks.empty(); }));
    EXPECT_EQ(h.client.uplinks[0], (frame::Bytes{0xD2, 0x00, 0x34, 0x12, 0x01, 0x02}));
}

TEST(LinkExchange, UnsolicitedMessagesReachClientsInOrder) {
    SSimScenario s;
    s.uplink = {{0x82, 0x00, 0x00, 0x00, 0x01}, {0xD5, 0x00, 0x00, 0x00, 0x02}};
    auto sim = StartTcpSim(s);
    Harness h;
    // The GUI is woken for every item the link thread queues.
    std::atomic<int> wakeups{0};
    h.hub.Relay().SetNotifier([&] { ++wakeups; });
    ASSERT_EQ(h.hub.StartConnection(kConnRemote, TcpTarget(*sim)), 1);
    ASSERT_TRUE(h.PumpUntil([&] { return h.client.uplinks.size() >= 2; }));
    EXPECT_EQ(h.client.uplinks[0][0], 0x82);
    EXPECT_EQ(h.client.uplinks[1][0], 0xD5);
    // A message from the BTS brings the link up before it is handed on.
    EXPECT_EQ(h.client.reports.at(0).kind, CCommsReport::kStartingRemote);
    EXPECT_EQ(h.client.reports.at(1).kind, CCommsReport::kConnected);
    h.hub.StopConnection(); // the link thread has made its last call once this returns
    EXPECT_GE(wakeups.load(), 3);
    h.hub.Relay().SetNotifier(nullptr);
}

TEST(LinkExchange, SpeedIsRaisedOnceTheLinkIsUp) {
    auto sim = StartTcpSim();
    Harness h(SLinkSettings{1, 5});
    ASSERT_EQ(h.hub.StartConnection(kConnRemote, TcpTarget(*sim)), 1);
    ASSERT_TRUE(h.PumpUntil([&] { return h.client.Find(CCommsReport::kSpeedChanged) != nullptr; }));
    EXPECT_EQ(h.client.Find(CCommsReport::kSpeedChanged)->text,
              "Communication speed changed to 115200.");
    EXPECT_EQ(sim->SpeedCode(), 115);
    const auto sent = h.wire->Requests();
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(sent[0], (frame::Bytes{0x80, 0x80, 0x00, 0x09, 0xCA, 0x00, 0x01, 0x00, 0x5F, 0x82,
                                     0x00, 0x01, 115}));
    // Exchanges go on at the new speed.
    frame::Bytes reply;
    EXPECT_EQ(h.hub.Transact(Request(0xF2, 0x0400, 4), reply), 1);
}

TEST(LinkExchange, SerialLineOverPtyCarriesExchangesAndSpeedChange) {
    auto sim = StartPtySim(ReplyScenario(0xEC, 300));
    Harness h(SLinkSettings{7, 5});
    (*h.comPaths)[7] = sim->PtyPath();
    // An empty local target is made from the settings: COM7 at the highest speed.
    ASSERT_EQ(h.hub.StartConnection(kConnLocal, ""), 1);
    EXPECT_TRUE(h.client.Has(CCommsReport::kStartingLocal, 0));
    ASSERT_TRUE(h.PumpUntil([&] { return h.client.Find(CCommsReport::kSpeedChanged) != nullptr; }));
    EXPECT_EQ(h.hub.IsLocalLinkActive(), 1);
    const auto params = h.hub.GetConnectParams();
    ASSERT_TRUE(params);
    EXPECT_NE(params->GetTarget().find("SPEED=115200"), std::string::npos);

    frame::Bytes reply;
    ASSERT_EQ(h.hub.Transact(Request(0xEC, 0x0500, 600), reply), 1);
    EXPECT_EQ(reply.size(), 300u);

    // A second program on the same port is turned away.
    Harness other(SLinkSettings{7, 1});
    other.lockDir = h.lockDir;
    other.hub.SetLockDirectory(h.lockDir);
    EXPECT_EQ(other.hub.StartConnection(kConnLocal, "WP=COM,PORT=7"), 0);
    EXPECT_TRUE(other.client.Has(CCommsReport::kInformation, CCommsReport::kComPortInUse));
}

TEST(LinkExchange, PortHeldElsewhereIsReportedAsInUse) {
    auto sim = StartPtySim();
    Harness holder;
    (*holder.comPaths)[3] = sim->PtyPath();
    ASSERT_EQ(holder.hub.StartConnection(kConnLocal, "WP=COM,PORT=3"), 1);
    ASSERT_TRUE(holder.WaitLinkUp());
    // Another COM number that names the same device: the lock names differ, the device is busy.
    Harness h;
    (*h.comPaths)[4] = sim->PtyPath();
    ASSERT_EQ(h.hub.StartConnection(kConnLocal, "WP=COM,PORT=4"), 1);
    ASSERT_TRUE(h.PumpUntil([&] { return h.client.Has(0, CCommsReport::kComPortInUse); }));
    EXPECT_EQ(h.hub.IsLocalLinkActive(), 0);
}
