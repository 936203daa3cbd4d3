#include "comms/CommsClient.h"
#include "comms/CommsReport.h"
#include "comms/CommunicationBTS.h"
#include "sim/SIMTransactServer.h"
#include "sim/SimBts.h"
#include "sim/SimScenario.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

frame::Bytes Body(const frame::Bytes& f) {
    return frame::Bytes(f.begin() + 4, f.end());
}

} // namespace

TEST(SimScenario, ReadsWhatTheBtsIsAndRefusesBadInputClearly) {
    SSimScenario s;
    std::string error;
    ASSERT_TRUE(ParseSimScenario(R"({
        "name": "site 7", "linkStatus": 33,
        "uplink": ["82 00 00 00 01"],
        "replies": {"EC": {"message": "F0000000", "size": 300, "uplinkBefore": ["D2 00 01 00"]}},
        "faults": {"closeAfterFrames": 4, "refuseAfterDrop": true, "replyDelayMs": 5,
                   "corruptFrame": 2, "silentAfterFrames": 9, "statusAfterFrames": 1,
                   "statusValue": 31, "statusTimes": 2}
    })",
                                 s, error))
        << error;
    EXPECT_EQ(s.name, "site 7");
    EXPECT_EQ(s.linkStatus, 33);
    ASSERT_EQ(s.uplink.size(), 1u);
    EXPECT_EQ(s.uplink[0].size(), 5u);
    ASSERT_TRUE(s.replies.count(0xEC));
    EXPECT_EQ(s.replies[0xEC].size, 300u);
    EXPECT_EQ(s.replies[0xEC].uplinkBefore.size(), 1u);
    EXPECT_EQ(s.faults.closeAfterFrames, 4);
    EXPECT_TRUE(s.faults.refuseAfterDrop);
    EXPECT_EQ(s.faults.statusValue, 31);
    EXPECT_EQ(s.faults.statusTimes, 2);

    const char* bad[] = {
        "{",
        "[]",
        R"({"uplink": "82"})",
        R"({"uplink": ["82 0"]})",
        R"({"uplink": ["82 00"]})",
        R"({"replies": {"ECC": {}}})",
        R"({"replies": {"EC": {"message": "zz"}}})",
        R"({"replies": {"EC": {"size": -1}}})",
        R"({"faults": 3})",
    };
    for (const char* text : bad) {
        error.clear();
        EXPECT_FALSE(ParseSimScenario(text, s, error)) << text;
        EXPECT_FALSE(error.empty()) << text;
    }
    EXPECT_FALSE(LoadSimScenario("/nonexistent/scenario.json", s, error));
    EXPECT_NE(error.find("/nonexistent/scenario.json"), std::string::npos);
}

TEST(SimBts, AnswersPollsSpeedRequestsAndChunkedRequests) {
    SSimScenario s;
    s.uplink = {{0x82, 0x00, 0x00, 0x00, 0x05}};
    SSimReply big;
    big.message = {0xF0, 0x00, 0x00, 0x00};
    big.size = 300;
    s.replies[0xEC] = big;
    CSimBts bts(s);

    // The queued unsolicited message answers the first poll, then the link status does.
    auto a = bts.HandleFrame(frame::Poll(false));
    EXPECT_EQ(Body(a.frame), (frame::Bytes{0x82, 0x00, 0x00, 0x00, 0x05}));
    a = bts.HandleFrame(frame::Poll(true));
    EXPECT_EQ(Body(a.frame).back(), 0x20);

    a = bts.HandleFrame(frame::SpeedRequest(57));
    EXPECT_EQ(Body(a.frame)[0], frame::kTypeSpeedAck);
    EXPECT_EQ(bts.SpeedCode(), 57);

    frame::Bytes request(600, 3);
    request[0] = 0xEC;
    request[2] = 0x22;
    request[3] = 0x11;
    const auto frames = frame::Split(request);
    EXPECT_EQ(bts.HandleFrame(frames[0]).frame[1], 0x00);
    EXPECT_EQ(bts.HandleFrame(frames[1]).frame[1], 0x00);
    a = bts.HandleFrame(frames[2]);
    EXPECT_EQ(bts.LastRequest(), request);
    ASSERT_EQ(a.frame[1], frame::kFirstChunk);
    EXPECT_EQ(a.frame[6], 0x22);
    EXPECT_EQ(a.frame[7], 0x11);
    a = bts.HandleFrame(frame::Poll(true));
    EXPECT_EQ(a.frame[1], frame::kLastChunk);
    EXPECT_EQ(a.frame[3], 300 - 256);

    // A new client does not get the rest of a reply meant for the one before.
    bts.HandleFrame(frames[2]);
    bts.NewConnection();
    EXPECT_EQ(Body(bts.HandleFrame(frame::Poll(true)).frame)[0], frame::kTypeLinkStatus);
}

TEST(SimBts, FaultsFollowTheScenario) {
    SSimScenario s;
    s.faults.corruptFrame = 1;
    s.faults.statusAfterFrames = 2;
    s.faults.statusValue = 1;
    s.faults.statusTimes = 1;
    s.faults.closeAfterFrames = 4;
    s.faults.silentAfterFrames = 6;
    CSimBts bts(s);
    auto a = bts.HandleFrame(frame::Poll(false));
    EXPECT_NE(Body(a.frame)[0], frame::kTypeLinkStatus); // garbled
    a = bts.HandleFrame(frame::Poll(false));
    EXPECT_EQ(Body(a.frame).back(), 0x20);
    a = bts.HandleFrame(frame::Poll(false));
    EXPECT_EQ(Body(a.frame).back(), 1);
    a = bts.HandleFrame(frame::Poll(false));
    EXPECT_EQ(Body(a.frame).back(), 0x20);
    EXPECT_EQ(bts.HandleFrame(frame::Poll(false)).action, CSimBts::Action::Close);
    // Dropped once; the next client is served until the BTS falls silent.
    EXPECT_EQ(bts.HandleFrame(frame::Poll(false)).action, CSimBts::Action::Reply);
    EXPECT_EQ(bts.HandleFrame(frame::Poll(false)).action, CSimBts::Action::Reply);
    EXPECT_EQ(bts.HandleFrame(frame::Poll(false)).action, CSimBts::Action::Silent);
    // Short and file-service frames still get an answer.
    CSimBts plain;
    EXPECT_EQ(plain.HandleFrame(frame::Bytes{0x80}).frame.size(), 5u);
    const auto file =
        plain.HandleFrame(frame::Make(0x81, frame::kLastChunk, 3, frame::Bytes(9, 1))).frame;
    EXPECT_EQ(Body(file)[0], 0xE1);
    EXPECT_EQ(Body(file)[7], 1);
}

TEST(SimBts, BlockFaultHitsTheChosenRequestOnly) {
    using Kind = SSimBlockFault::Kind;
    SSimBlockFault f;
    EXPECT_TRUE(ParseSimBlockFault("status@3:31", f));
    EXPECT_EQ(f.kind, Kind::Status);
    EXPECT_EQ(f.request, 3);
    EXPECT_EQ(f.value, 31);
    EXPECT_TRUE(ParseSimBlockFault("oversize@1", f));
    EXPECT_EQ(f.kind, Kind::Oversize);
    for (const char* bad : {"drop", "drop@", "drop@0", "drop@x", "drop@2:5", "delay@2",
                            "status@1:256", "loud@1", "@1", "status@1:", "drop@-1"}) {
        EXPECT_FALSE(ParseSimBlockFault(bad, f)) << bad;
    }
    SSimScenario parsed;
    std::string error;
    EXPECT_TRUE(ParseSimScenario(R"({"faults": {"blockFault": "delay@2:40"}})", parsed, error));
    EXPECT_EQ(parsed.faults.blockFault.value, 40);
    EXPECT_FALSE(ParseSimScenario(R"({"faults": {"blockFault": 2}})", parsed, error));

    // Block requests count across polls and other requests; only the chosen one is hit.
    const frame::Bytes block = {0xEC, 0x00, 0x02, 0x02, 0x5F, 0x82, 0x11,
                                0x01, 0x01, 0x5F, 0x82, 0x16, 0x01, 0x03};
    const frame::Bytes other = {0xF3, 0x00, 0x04, 0x02};
    auto run = [&](Kind kind, int value) {
        SSimScenario s;
        s.faults.blockFault = {kind, 2, value};
        CSimBts bts(s);
        EXPECT_EQ(bts.HandleFrame(frame::Split(block).front()).action, CSimBts::Action::Reply);
        bts.HandleFrame(frame::Poll(true));
        bts.HandleFrame(frame::Split(other).front());
        auto hit = bts.HandleFrame(frame::Split(block).front());
        auto after = bts.HandleFrame(frame::Split(block).front());
        return std::pair(hit, after);
    };
    auto [dropped, next] = run(Kind::Drop, 0);
    EXPECT_EQ(dropped.action, CSimBts::Action::Close);
    EXPECT_EQ(next.action, CSimBts::Action::Reply);

    auto [silent, still] = run(Kind::Silence, 0);
    EXPECT_EQ(silent.action, CSimBts::Action::Silent);
    EXPECT_EQ(still.action, CSimBts::Action::Silent) << "silent until the client reconnects";

    auto [status, reply] = run(Kind::Status, 1);
    EXPECT_EQ(Body(status.frame), (frame::Bytes{0xE3, 0, 0, 0, 0x5F, 0x82, 0x07, 0x01, 1}));
    EXPECT_EQ(Body(reply.frame)[0], 0xF0) << "the reply follows the status";

    auto [delayed, prompt] = run(Kind::Delay, 70);
    EXPECT_EQ(delayed.delayMs, 70);
    EXPECT_EQ(prompt.delayMs, 0);

    auto [garbled, clean] = run(Kind::Corrupt, 0);
    EXPECT_NE(Body(garbled.frame)[0], 0xF0);
    EXPECT_EQ(Body(clean.frame)[0], 0xF0);

    auto [huge, rest] = run(Kind::Oversize, 0);
    EXPECT_EQ(huge.frame[1], frame::kFirstChunk);
    EXPECT_EQ(Body(huge.frame)[0], 0xF0);
    EXPECT_EQ(rest.frame[1], frame::kMiddleChunk) << "the oversized reply goes on";
}

namespace {

struct Recorder : CCommsClient {
    explicit Recorder(CCommunicationBTS& hub) : CCommsClient(hub) {}
    void OnReport(const CCommsReport& r) override { reports.push_back(r.Kind() * 100 + r.Code()); }
    void OnUplinkMessage(std::span<const uint8_t> m) override {
        uplinks.emplace_back(m.begin(), m.end());
    }
    std::vector<int> reports;
    std::vector<frame::Bytes> uplinks;
};

} // namespace

TEST(SimTransactServer, SimulatorConnectionRunsInProcess) {
    CCommunicationBTS hub;
    Recorder client(hub);
    SSimScenario s;
    s.uplink = {{0x82, 0x00, 0x00, 0x00}};
    SSimReply reply;
    reply.message = {0xF0, 0x00, 0x00, 0x00};
    reply.size = 700;
    reply.uplinkBefore = {{0xD2, 0x00, 0x77, 0x00}};
    s.replies[0xEC] = reply;
    hub.SetSimulatorFactory([s](const CConnectParams& p, CCommunicationBTS& h) {
        return std::make_unique<CSIMTransactServer>(p, h, s);
    });
    ASSERT_EQ(hub.StartConnection(kConnSimulator, ""), 1);
    EXPECT_EQ(client.reports, (std::vector<int>{100}));
    EXPECT_EQ(hub.GetConnectionKind(), kConnSimulator);
    EXPECT_EQ(hub.IsLocalLinkActive(), 1);
    EXPECT_EQ(hub.IsLinkUp(), 1);

    frame::Bytes request(600, 1);
    request[0] = 0xEC;
    request[2] = 0x02;
    request[3] = 0x02;
    frame::Bytes answer;
    ASSERT_EQ(hub.Transact(request, answer), 1);
    EXPECT_EQ(answer.size(), 700u);
    EXPECT_EQ(frame::TransactionId(answer), 0x0202);
    // What the BTS put ahead of the reply went to the clients; its older queue follows on the
    // next pump.
    ASSERT_EQ(client.uplinks.size(), 1u);
    EXPECT_EQ(client.uplinks[0][0], 0xD2);
    hub.Pump();
    ASSERT_EQ(client.uplinks.size(), 2u);
    EXPECT_EQ(client.uplinks[1][0], 0x82);

    auto* sim = dynamic_cast<CSIMTransactServer*>(hub.Server());
    ASSERT_NE(sim, nullptr);
    sim->Bts().QueueUplink({0xAE, 0x00, 0x00, 0x00, 0x09});
    hub.Pump();
    ASSERT_EQ(client.uplinks.size(), 3u);
    EXPECT_EQ(client.uplinks[2][0], 0xAE);

    hub.SetMaxSpeed(4);
    EXPECT_EQ(client.reports.back(), 401);
    EXPECT_EQ(hub.GetConnectParams()->GetSpeedCode(), 57);
    hub.StopConnection();
    EXPECT_EQ(client.reports.back(), 0);
    EXPECT_EQ(hub.GetConnectionKind(), kConnNone);
}
