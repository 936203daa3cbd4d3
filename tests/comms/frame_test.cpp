#include "comms/CommsClient.h"
#include "comms/CommsReport.h"
#include "comms/CommunicationBTS.h"
#include "comms/Frame.h"
#include "comms/MessageAssembler.h"

#include <gtest/gtest.h>

TEST(Frame, MessagesAreSplitIntoChunksOfAtMost256Bytes) {
    frame::Bytes m(600, 0xAB);
    auto frames = frame::Split(m);
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_EQ(frames[0][1], frame::kFirstChunk);
    EXPECT_EQ(frames[1][1], frame::kMiddleChunk);
    EXPECT_EQ(frames[2][1], frame::kLastChunk);
    EXPECT_EQ(frames[2][3], 88);
    EXPECT_EQ(frame::Split(frame::Bytes(512, 1)).back()[3], 0);
    EXPECT_EQ(frame::Split(frame::Bytes(512, 1)).back()[1], frame::kLastChunk);
    EXPECT_EQ(frame::Split(frame::Bytes(256, 1)).size(), 1u);
    EXPECT_EQ(frame::Split(frame::Bytes(257, 1)).size(), 2u);
    EXPECT_TRUE(frame::Split({}).empty());
    EXPECT_EQ(frame::Poll(false).back(), 0x1F);
    EXPECT_EQ(frame::Poll(true).back(), 0x20);
    EXPECT_EQ(frame::TransactionId(frame::Bytes{1, 0, 0x34, 0x12}), 0x1234);
    EXPECT_EQ(frame::TransactionId(frame::Bytes{1, 0, 0x34}), 0xFFFF);
}

TEST(MessageAssembler, AssemblesChunksAndRefusesWhatDoesNotFit) {
    CMessageAssembler a;
    const auto frames = frame::Split(frame::Bytes(600, 7));
    ASSERT_TRUE(CMessageAssembler::StartsMessage(frames[0]));
    EXPECT_FALSE(CMessageAssembler::StartsMessage(frames[1]));
    ASSERT_TRUE(a.Start(frames[0]));
    EXPECT_FALSE(a.Complete());
    ASSERT_TRUE(a.Append(frames[1]));
    ASSERT_TRUE(a.Append(frames[2]));
    EXPECT_TRUE(a.Complete());
    EXPECT_EQ(a.Body().size(), 600u);
    EXPECT_EQ(a.Message().size(), 604u);

    // A frame cut shorter than its length byte says contributes what it has.
    ASSERT_TRUE(a.Start(frame::Bytes{0x80, 0x80, 0, 50, 1, 2}));
    EXPECT_EQ(a.Body().size(), 2u);

    frame::Bytes middle = frame::Make(0x80, frame::kMiddleChunk, 0, frame::Bytes(256, 1));
    ASSERT_TRUE(a.Start(frame::Make(0x80, frame::kFirstChunk, 0, frame::Bytes(256, 1))));
    int appended = 1;
    while (a.Append(middle)) {
        ++appended;
    }
    EXPECT_TRUE(a.Overflowed());
    EXPECT_EQ(appended, 255); // 4 header bytes and 255 bodies fill 64 KB less 252 bytes
    EXPECT_FALSE(a.Append(middle));
    a.Clear();
    EXPECT_FALSE(a.Overflowed());
    EXPECT_FALSE(a.Start(frame::Bytes{0x80, 0x80}));
}

TEST(CommsReport, TextsByCode) {
    EXPECT_EQ(CCommsReport(0, 5).Text(), "Server not found");
    EXPECT_EQ(CCommsReport(0, 16).Text(),
              "Cannot connect to remote BTS because another remote connection to the sameBTS "
              "exists.\n\nTry again once the current remote session has finished.");
    EXPECT_EQ(CCommsReport(4, 1, "Communication speed changed to 9600.").Text(),
              "Communication speed changed to 9600.");
    EXPECT_EQ(CCommsReport(0, 0).Text(), "");
    EXPECT_EQ(CCommsReport(0, 17).Text(), "");
    EXPECT_EQ(CCommsReport::FixedText(-1), "");
}

namespace {

struct OrderClient : CCommsClient {
    OrderClient(CCommunicationBTS& hub, std::vector<int>& log, int id)
        : CCommsClient(hub), log(log), id(id) {}
    void OnReport(const CCommsReport&) override { log.push_back(id); }
    std::vector<int>& log;
    int id;
};

} // namespace

TEST(CommsClients, FiveSlotsFilledInOrderAndFreedOnDestruction) {
    CCommunicationBTS hub;
    std::vector<std::string> told;
    hub.SetMessageSink([&](const std::string& m) { told.push_back(m); });
    std::vector<int> log;
    std::vector<std::unique_ptr<OrderClient>> clients;
    for (int i = 0; i < 6; ++i) {
        clients.push_back(std::make_unique<OrderClient>(hub, log, i));
    }
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0], "CCommunicationBTS:No More client space to add client");
    hub.DispatchReport(std::make_unique<CCommsReport>(1, 0));
    EXPECT_EQ(log, (std::vector<int>{0, 1, 2, 3, 4}));

    // A freed slot is the first taken by the next client.
    clients[1].reset();
    clients.push_back(std::make_unique<OrderClient>(hub, log, 9));
    log.clear();
    hub.DispatchReport(std::make_unique<CCommsReport>(1, 0));
    EXPECT_EQ(log, (std::vector<int>{0, 9, 2, 3, 4}));

    // Without a connection nothing is exchanged.
    frame::Bytes reply;
    EXPECT_EQ(hub.Transact(frame::Bytes{1, 0, 0, 0}, reply), -1);
    EXPECT_EQ(hub.IsLinkUp(), 0);
    EXPECT_EQ(hub.GetConnectionKind(), kConnNone);
    EXPECT_EQ(hub.GetConnectParams(), nullptr);
    // The simulator cannot start without its engine.
    log.clear();
    EXPECT_EQ(hub.StartConnection(kConnSimulator, ""), 0);
    EXPECT_EQ(log.size(), 5u);
}
