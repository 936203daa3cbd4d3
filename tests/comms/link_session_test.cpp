// The link thread's work driven step by step on the test thread against a scripted service.
#include "ScriptedServer.h"

#include "comms/LinkSession.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace {

struct Sink : ILinkDispatch {
    void DispatchReport(std::unique_ptr<CCommsReport> r) override {
        reports.push_back({r->Kind(), r->Code(), r->Text()});
    }
    void DispatchUplink(std::span<const uint8_t> m) override {
        uplinks.emplace_back(m.begin(), m.end());
    }
    struct R {
        int kind, code;
        std::string text;
    };
    std::vector<R> reports;
    std::vector<frame::Bytes> uplinks;
};

CConnectParams Remote() {
    CConnectParams p(1, 1);
    p.SetTarget("HOST=127.0.0.1,TCPPORT=9");
    return p;
}

struct Session {
    explicit Session(CConnectParams p = Remote())
        : shared(p), session(shared, relay, server, Timings()) {
        EXPECT_TRUE(session.Open());
        EXPECT_TRUE(shared.StartRunning());
    }
    static SLinkTimings Timings() {
        SLinkTimings t = SLinkTimings::Scaled(1000);
        t.reportDrainLimit = std::chrono::milliseconds(0);
        return t;
    }
    // Hands a request to the session as Transact does, without waiting.
    void Request(const frame::Bytes& r) {
        shared.PutRequest(r);
        session.SendPending();
    }
    Sink Pump() {
        Sink s;
        relay.Pump(s);
        return s;
    }

    CScriptedServer server;
    CLinkShared shared;
    CLinkRelay relay;
    CLinkSession session;
};

frame::Bytes Status(int value) {
    return {0xE3, 0, 0, 0, 0x5F, 0x82, 7, 1, static_cast<uint8_t>(value)};
}

} // namespace

TEST(LinkSession, RepliesAreMatchedByIdOrTypeAndTheRestIsUnsolicited) {
    Session s;
    // Link up from the first status; the poll after that says so.
    s.session.Poll();
    EXPECT_EQ(s.shared.linkUp.load(), 1);
    EXPECT_EQ(s.server.sent[0].back(), 0x1F);
    s.session.Poll();
    EXPECT_EQ(s.server.sent[1].back(), 0x20);

    // A foreign id is unsolicited; the awaited id is the reply.
    s.server.Reply({0xD2, 0, 0x99, 0x00});
    s.Request({0xF2, 0, 0x10, 0x00});
    EXPECT_EQ(s.shared.waiting.load(), 1);
    s.server.Reply({0x81, 0, 0x10, 0x00, 0, 0, 0, 1});
    s.session.Poll();
    frame::Bytes reply;
    ASSERT_TRUE(s.shared.TakeReply(reply));
    EXPECT_EQ(reply[0], 0x81);
    EXPECT_EQ(s.shared.waiting.load(), 0);
    EXPECT_EQ(s.shared.expectedId.load(), 0xFFFF);

    // 0x84 answers whatever the id; a trace marked "W" is a reply too.
    s.server.Reply({0x84, 0, 0x55, 0x55});
    s.Request({0xF2, 0, 0x12, 0x00});
    ASSERT_TRUE(s.shared.TakeReply(reply));
    EXPECT_EQ(reply[0], 0x84);
    frame::Bytes trace(24, 0);
    trace[0] = 0xD4;
    trace[19] = 'W';
    s.server.Reply(trace);
    s.Request({0xF2, 0, 0x14, 0x00});
    ASSERT_TRUE(s.shared.TakeReply(reply));
    EXPECT_EQ(reply[19], 'W');

    // Hardware identities and other traces never count as replies, even with the right id.
    s.server.Reply({0x9D, 0, 0x16, 0x00});
    s.server.Reply({0xD4, 0, 0x16, 0x00});
    s.server.Reply({0xE3, 0, 0x00, 0x00}); // a status of the wrong size is a message
    s.Request({0xF2, 0, 0x16, 0x00});
    s.session.Poll();
    s.session.Poll();
    EXPECT_FALSE(s.shared.TakeReply(reply));
    const Sink out = s.Pump();
    ASSERT_EQ(out.uplinks.size(), 4u);
    EXPECT_EQ(out.uplinks[0][0], 0xD2);
    EXPECT_EQ(out.uplinks[1][0], 0x9D);
    EXPECT_EQ(out.uplinks[2][0], 0xD4);
    EXPECT_EQ(out.uplinks[3][0], 0xE3);
    ASSERT_FALSE(out.reports.empty());
    EXPECT_EQ(out.reports[0].kind, CCommsReport::kConnected);
}

TEST(LinkSession, BufferOverrunStatusReleasesTheCallerWithoutAReply) {
    Session s;
    s.session.Poll();
    s.server.Reply(Status(42));
    s.Request({0xF2, 0, 0x20, 0x00});
    frame::Bytes reply;
    EXPECT_TRUE(s.shared.replyReady.Wait(std::chrono::milliseconds(0)));
    EXPECT_FALSE(s.shared.TakeReply(reply));
    EXPECT_EQ(s.shared.waiting.load(), 0);
    const Sink out = s.Pump();
    EXPECT_EQ(out.reports.back().code, CCommsReport::kBufferOverrun);
}

TEST(LinkSession, FailedExchangeReconnectsAtLowSpeedOrStopsWithAReport) {
    CConnectParams local(4, 5);
    Session s(local);
    s.session.Poll();
    s.shared.SetCurrentSpeed(57);
    s.server.replies.push_back({}); // the next exchange fails
    s.session.Poll();
    EXPECT_EQ(s.shared.running.load(), 1);
    EXPECT_EQ(s.shared.CurrentSpeed(), 9);
    EXPECT_EQ(s.shared.linkUp.load(), 0);
    EXPECT_EQ(s.server.disconnects, 1);
    EXPECT_NE(s.server.targets.back().find("SPEED=9600"), std::string::npos);
    Sink out = s.Pump();
    EXPECT_EQ(out.reports.back().kind, 0);
    EXPECT_EQ(out.reports.back().code, 0);

    // The reconnect fails: a local port reports why, and the link ends.
    s.server.replies.push_back({});
    s.server.connectOk = false;
    s.server.errMinor = kMinorPortInUse;
    s.session.Poll();
    EXPECT_EQ(s.shared.running.load(), 0);
    out = s.Pump();
    EXPECT_EQ(out.reports.back().code, CCommsReport::kComPortInUse);
}

TEST(LinkSession, ErrorTranslation) {
    struct Case {
        bool remote;
        bool infoOk;
        CommResult result;
        long major, minor;
        bool retry;
        int code;
    };
    const Case cases[] = {
        {true, false, kCommNotSupported, 0, 0, false, CCommsReport::kServiceNotSupported},
        {true, false, kCommNotRunning, 0, 0, false, CCommsReport::kServiceNotRunning},
        {true, false, kCommFailed, 0, 0, false, CCommsReport::kUnknownError},
        {true, true, kCommFailed, 0, 0, true, CCommsReport::kRemoteRefused},
        {true, true, kCommFailed, 2, kMinorAbisLink, true, CCommsReport::kAbisProblem},
        {false, true, kCommFailed, 1, kMinorPortInUse, false, CCommsReport::kComPortInUse},
        {true, true, kCommFailed, 2, 77, false, CCommsReport::kReason},
    };
    for (const auto& c : cases) {
        CConnectParams p = c.remote ? Remote() : CConnectParams(2, 1);
        CScriptedServer server;
        server.connectOk = false;
        server.failure = c.result;
        server.errorInfoOk = c.infoOk;
        server.errMajor = c.major;
        server.errMinor = c.minor;
        CLinkShared shared(p);
        CLinkRelay relay;
        CLinkSession session(shared, relay, server, Session::Timings());
        if (c.retry) {
            // Reconnect after a failed exchange: the translation runs with the retry flag.
            server.connectOk = true;
            ASSERT_TRUE(session.Open());
            shared.StartRunning();
            server.connectOk = false;
            server.replies.push_back({});
            session.Poll();
        } else {
            EXPECT_FALSE(session.Open());
        }
        Sink out;
        relay.Pump(out);
        ASSERT_FALSE(out.reports.empty());
        EXPECT_EQ(out.reports.back().code, c.code) << c.minor;
        if (c.code == CCommsReport::kReason) {
            EXPECT_EQ(
                out.reports.back().text,
                ">>> Reason:\r\n\r\nscripted failure\r\n\r\n>>> details:\r\n\r\nMajor Code 2, "
                "Minor Code 77, loc info 0x00001234\r\n");
        }
    }
}

TEST(LinkSession, FileServiceSendsTheRequestedFileInNumberedFrames) {
    const auto dir = std::filesystem::temp_directory_path() / "cabrion-filesvc";
    std::filesystem::create_directories(dir);
    {
        std::ofstream f(dir / "CONF.DAT", std::ios::binary);
        f << std::string(600, 'x');
    }
    Session s;
    s.session.SetFilePrefix(dir.string() + "/");
    s.session.Poll();

    frame::Bytes request(27, ' ');
    request[0] = 0x85;
    request[1] = 0;
    request[2] = request[3] = 0;
    std::memcpy(&request[7], "CONF", 4);
    std::memcpy(&request[15], "DAT", 3);
    request[26] = 1;
    const frame::Bytes ack = {0x81, 0, 0, 0, 0, 0, 0, 1};
    s.server.Reply(request);
    s.server.Reply(ack);
    s.server.Reply(ack);
    s.server.Reply({0xE1, 0, 0, 0, 0, 0, 0, 1});
    s.session.Poll(); // takes the file request; the first data frame waits
    for (int i = 0; i < 3; ++i) {
        s.session.Turn();
    }
    std::vector<frame::Bytes> data;
    for (const auto& f : s.server.sent) {
        if (f[0] == 0x81) {
            data.push_back(f);
        }
    }
    ASSERT_EQ(data.size(), 3u);
    EXPECT_EQ(data[0][1], 0x40);
    EXPECT_EQ(data[0][2], 0);
    EXPECT_EQ(data[1][1], 0x20);
    EXPECT_EQ(data[1][2], 1);
    EXPECT_EQ(data[2][1], 0x10);
    EXPECT_EQ(data[2][3], 88);
    const auto status = s.relay.FileStatus();
    EXPECT_EQ(status.status, 4);
    EXPECT_EQ(status.fileName, dir.string() + "/CONF.DAT");

    // A name that tries to leave the folder is kept inside it.
    std::memcpy(&request[7], "../../x ", 8);
    s.server.Reply(request);
    s.session.Poll();
    EXPECT_EQ(s.relay.FileStatus().fileName, dir.string() + "/______x.DAT");
    EXPECT_EQ(s.relay.FileStatus().status, 2);
    std::filesystem::remove_all(dir);
}
