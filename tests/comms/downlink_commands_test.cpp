#include "FakeBtsServer.h"

#include "comms/CommandHandler.h"
#include "comms/MMIServ.h"
#include "comms/TransactionId.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Bytes = std::vector<uint8_t>;

uint16_t IdOf(const Bytes& message) {
    return static_cast<uint16_t>(message[2] | (message[3] << 8));
}

Bytes WithoutId(Bytes message) {
    message[2] = message[3] = 0;
    return message;
}

class CLogHost : public IBtsHost {
public:
    void AddEventLine(const std::string& time, const std::string& text) override {
        lines.push_back(text);
        stamped.push_back(!time.empty());
    }
    void SetWaitCursor(bool on) override { cursor.push_back(on); }
    std::vector<std::string> lines;
    std::vector<bool> stamped;
    std::vector<bool> cursor;
};

class DownlinkTest : public ::testing::Test {
protected:
    CCommunicationBTS hub;
    CMMIServ server{hub};
    CLogHost host;
    std::shared_ptr<fakebts::SScript> script = fakebts::Connect(hub);
    void SetUp() override { server.SetHost(&host); }
    CCommandHandler& commands() { return server.Commands(); }
};

TEST(DownlinkEncoding, GenericRequestsCarryOperationAndLengthField) {
    const Bytes fetch3 = CCommandHandler::BuildGeneric(3, nullptr);
    EXPECT_EQ(WithoutId(fetch3),
              (Bytes{0xEC, 0, 0, 0, 0x5F, 0x82, 0x11, 0x01, 0x01, 0x5F, 0x82, 0x16, 0x01, 0x03}));

    const Bytes data(376, 0xAB);
    const Bytes send0 = CCommandHandler::BuildGeneric(0, &data);
    ASSERT_EQ(send0.size(), 20u + 376u);
    EXPECT_EQ(send0[8], 0);
    EXPECT_EQ(Bytes(send0.begin() + 14, send0.begin() + 20),
              (Bytes{0x5F, 0x82, 0x15, 0x82, 0x01, 0x78}));
    EXPECT_EQ(send0[20], 0xAB);

    const Bytes small(200, 1);
    const Bytes send4 = CCommandHandler::BuildGeneric(4, &small);
    EXPECT_EQ(Bytes(send4.begin() + 17, send4.begin() + 19), (Bytes{0x81, 0xC8}));
}

TEST(DownlinkEncoding, ConsecutiveRequestsTakeIdsTwoApart) {
    const uint16_t first = IdOf(CCommandHandler::BuildAutodetect());
    const uint16_t second = IdOf(CCommandHandler::BuildHardwareInformation());
    EXPECT_EQ(static_cast<uint16_t>(second - first), 2);
    EXPECT_EQ(transaction::Peek(), static_cast<uint16_t>(second + 2));
}

TEST(DownlinkEncoding, IdsWrapAtSixteenBitsPassingOverZero) {
    // Id 0 belongs to the file service's acknowledgements; a request carrying it would have its
    // reply swallowed by the link. One full turn of the counter must never hand it out.
    const uint16_t start = transaction::Peek();
    constexpr int kIdsPerTurn = 0x10000 / 2 - 1;
    uint16_t previous = IdOf(CCommandHandler::BuildAutodetect());
    ASSERT_EQ(previous % 2, 0);
    bool wrapped = false;
    for (int i = 1; i < kIdsPerTurn; ++i) {
        const uint16_t id = IdOf(CCommandHandler::BuildAutodetect());
        ASSERT_NE(id, 0) << "after " << previous;
        if (previous == 0xFFFE) {
            ASSERT_EQ(id, 0x0002);
            wrapped = true;
        } else {
            ASSERT_EQ(id, previous + 2);
        }
        previous = id;
    }
    EXPECT_TRUE(wrapped);
    EXPECT_EQ(transaction::Peek(), start) << "a turn covers every other even id once";
}

TEST(DownlinkEncoding, PassiveUnitsAreCutToOneHundredAndToWhatWasGiven) {
    const Bytes records(150 * 32, 7);
    const Bytes data = CCommandHandler::BuildPassiveUnitData(records, 150);
    EXPECT_EQ(data[0], 100);
    EXPECT_EQ(data.size(), 21u + 100u * 32u);
    // A count larger than the records handed over never reads past them.
    const Bytes two(2 * 32, 7);
    EXPECT_EQ(CCommandHandler::BuildPassiveUnitData(two, 50).size(), 21u + 64u);
    EXPECT_EQ(CCommandHandler::BuildPassiveUnitData(two, -3)[0], 0);
}

TEST(DownlinkEncoding, OtherRequests) {
    Bytes identity(24);
    for (size_t i = 0; i < identity.size(); ++i) {
        identity[i] = static_cast<uint8_t>(i);
    }
    const Bytes attributes = CCommandHandler::BuildHardwareAttributes(identity);
    ASSERT_EQ(attributes.size(), 31u);
    EXPECT_EQ(Bytes(attributes.begin() + 4, attributes.begin() + 8),
              (Bytes{0x5F, 0x53, 0x01, 0x00}));
    EXPECT_EQ(attributes[8], 4);
    EXPECT_EQ(attributes[27], 23);
    EXPECT_EQ(attributes[28], 0); // past the identity: zeros
    EXPECT_EQ(CCommandHandler::BuildHardwareInformation().size(), 8u);

    const int bb2[12] = {1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6};
    const Bytes table = CCommandHandler::BuildCrossConnectionTable(bb2);
    ASSERT_EQ(table.size(), 20u);
    EXPECT_EQ(Bytes(table.begin() + 4, table.begin() + 9), (Bytes{0x5F, 0x82, 0x18, 0x0C, 2}));
    EXPECT_EQ(table[19], 7);
    EXPECT_EQ(CCommandHandler::BuildAutodetect().size(), 4u);
}

TEST(DownlinkReplies, AcknowledgementResults) {
    EXPECT_EQ(CCommandHandler::AcknowledgementResult(Bytes{0x81, 0, 2, 2, 0, 0, 0, 1}), 0);
    EXPECT_EQ(CCommandHandler::AcknowledgementResult(Bytes{0x81, 0, 2, 2, 0, 0, 0, 0, 5, 1}), 261);
    EXPECT_EQ(CCommandHandler::AcknowledgementResult(Bytes{0x81, 0, 2, 2, 0, 0, 0, 0, 0, 0}), 99);
    // Too short to carry a code: a refusal, not a success and not a read past the end.
    EXPECT_EQ(CCommandHandler::AcknowledgementResult(Bytes{0x81, 0, 2, 2, 0}), 99);
    EXPECT_EQ(CCommandHandler::AcknowledgementResult(Bytes{0xF0, 0, 2, 2, 0, 0, 0, 1}), -1);
    EXPECT_EQ(CCommandHandler::AcknowledgementResult(Bytes{0x81, 0}), -1);
}

TEST(DownlinkReplies, DataRepliesMatchTheOperation) {
    const Bytes reply{0xF0, 0, 2, 2, 0x5F, 0x82, 0x16, 0x01, 0x03, 0x5F, 0x82, 0x15, 0x02, 9, 8};
    EXPECT_EQ(CCommandHandler::DataOfReply(reply, 3), (Bytes{9, 8}));
    EXPECT_TRUE(CCommandHandler::DataOfReply(reply, 0).empty());
    Bytes longer{0xF0, 0, 2, 2, 0x5F, 0x82, 0x16, 0x01, 0x00, 0x5F, 0x82, 0x15, 0x82, 0x01, 0x00};
    longer.insert(longer.end(), 256, 5);
    EXPECT_EQ(CCommandHandler::DataOfReply(longer, 0).size(), 256u);
    // No data byte, or a length field that cannot be read, is no data.
    EXPECT_TRUE(CCommandHandler::DataOfReply(Bytes(reply.begin(), reply.begin() + 13), 3).empty());
    Bytes bad = reply;
    bad[12] = 0x85;
    EXPECT_TRUE(CCommandHandler::DataOfReply(bad, 3).empty());
}

TEST_F(DownlinkTest, AcknowledgedOperationsGoThroughTheServer) {
    script->replies.push_back({0x81, 0, 0, 0, 0, 0, 0, 1});
    const Bytes config(10, 3);
    EXPECT_EQ(commands().SendSecondConfiguration(config), 0);
    ASSERT_EQ(script->sent.size(), 1u);
    EXPECT_EQ(script->sent[0][13], 3);
    EXPECT_EQ(host.cursor, (std::vector<bool>{true, false}));

    // No reply at all, or a reply of the wrong kind, is an invalid reply.
    EXPECT_EQ(commands().RequestAutodetect(), -1);
    script->replies.push_back({0xF0, 0, 0, 0});
    EXPECT_EQ(commands().SendCrossConnectionTable({}), -1);

    EXPECT_EQ(commands().RequestHardwareInformation(), -1);
    ASSERT_EQ(host.lines.size(), 1u);
    EXPECT_EQ(host.lines[0], "Requesting BTS HW information");
    EXPECT_TRUE(host.stamped[0]);
}

// The window program waits for replies in its event loop; a timer that asks the BTS something
// from inside that wait must get no reply at once rather than wait forever on the exchange lock,
// and the waiting exchange still gets its own reply.
TEST_F(DownlinkTest, AnExchangeAskedForWhileOneWaitsOnTheSameThreadGetsNoReply) {
    script->replies.push_back({0x81, 0, 0, 0, 0, 0, 0, 1});
    int nested = 99;
    bool busyInside = false;
    server.SetExchangeRunner([&](const std::function<int()>& exchange) {
        busyInside = server.InExchange();
        std::vector<uint8_t> reply{1};
        nested = server.Transact(Bytes{0xF2, 0, 0, 0}, reply, 512);
        EXPECT_TRUE(reply.empty());
        return exchange();
    });
    EXPECT_EQ(commands().SendSecondConfiguration(Bytes(10, 3)), 0);
    EXPECT_EQ(nested, 0);
    EXPECT_TRUE(busyInside);
    EXPECT_FALSE(server.InExchange());
    EXPECT_EQ(script->sent.size(), 1u);

    // Once the runner is gone, exchanges run in place again.
    server.SetExchangeRunner({});
    EXPECT_EQ(commands().RequestAutodetect(), -1);
    EXPECT_EQ(script->sent.size(), 2u);
}

TEST_F(DownlinkTest, FetchesKeepTheDataAndRefuseOversizedReplies) {
    Bytes cross{0xF0, 0, 0, 0, 0x5F, 0x82, 0x16, 0x01, 0x04, 0x5F, 0x82, 0x15, 0x03, 1, 2, 3};
    script->replies.push_back(cross);
    const Bytes data = commands().FetchCrossConnection();
    ASSERT_EQ(data.size(), 25u);
    EXPECT_EQ(data[2], 3);
    EXPECT_EQ(data[3], 0xFF);

    // A reply longer than the operation's buffer is dropped, not cut.
    Bytes big{0xF0, 0, 0, 0, 0x5F, 0x82, 0x16, 0x01, 0x03, 0x5F, 0x82, 0x15, 0x82, 0x02, 0x00};
    big.insert(big.end(), 512, 1);
    script->replies.push_back(big);
    EXPECT_TRUE(commands().FetchSecondConfiguration().empty());
    script->replies.push_back(big);
    big[8] = 1;
    script->replies.back() = big;
    EXPECT_EQ(commands().FetchPassiveUnits().size(), 512u);
}

TEST(DownlinkNoConnection, OperationsFailWithoutAServer) {
    CCommunicationBTS hub;
    CMMIServ server(hub);
    std::vector<uint8_t> reply{1, 2};
    EXPECT_EQ(server.Transact(Bytes{0xF2, 0, 0, 0}, reply, 512), -1);
    EXPECT_TRUE(reply.empty());
    EXPECT_EQ(server.Commands().RequestAutodetect(), -1);
    EXPECT_TRUE(server.Commands().FetchFirstConfiguration().empty());
}

} // namespace
