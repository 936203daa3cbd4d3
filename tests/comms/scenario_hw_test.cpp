#include "FakeBtsServer.h"
#include "UplinkTestSupport.h"

#include "comms/HwScenario.h"
#include "comms/ObjectMaps.h"
#include "model/DataBase.h"

#include <algorithm>

namespace {

using namespace uplinktest;

Bytes Identity(int unitIndex) {
    Bytes value(21, 0);
    value[0] = 0xA0;
    value[16] = static_cast<uint8_t>(unitIndex); // byte 19 of the element
    return Element(91, value);
}

Bytes Text(int tag, const std::string& text) {
    return Element(tag, Bytes(text.begin(), text.end()));
}

const Bytes kAck{0x81, 0, 0, 0, 0, 0, 0, 1};

class HwScenarioTest : public UplinkFixture {
protected:
    void SetUp() override {
        UplinkFixture::SetUp();
        script = fakebts::Connect(hub);
        scenario().SetClock([this] { return now; });
        Report(4);
        parser.Parse(Message(0xD2, {Status(4, 2, false, 96)}));
    }
    CHwScenario& scenario() { return server.HwScenario(); }
    // Starts the scenario, lets the BTS name the given units and asks for the first one's
    // attributes.
    void AskFirstOf(const std::vector<Bytes>& identities) {
        scenario().Start();
        now += 4;
        scenario().Tick();
        script->replies.push_back(kAck);
        scenario().Tick();
        parser.Parse(Message(0x9D, identities));
        script->replies.push_back(kAck);
        scenario().Tick();
        ASSERT_EQ(scenario().State(), CHwScenario::kWaitAttributes);
    }
    size_t AttributeRequests() const {
        return static_cast<size_t>(std::count_if(script->sent.begin(), script->sent.end(),
                                                 [](const Bytes& m) { return m.size() == 31; }));
    }

    int64_t now = 1000;
    std::shared_ptr<fakebts::SScript> script;
};

TEST_F(HwScenarioTest, WaitsMoreThanThreeSecondsAfterStart) {
    scenario().Start();
    now += 2;
    EXPECT_EQ(scenario().Tick(), 1);
    EXPECT_EQ(scenario().State(), CHwScenario::kStarted);
    now += 1;
    scenario().Tick();
    EXPECT_EQ(scenario().State(), CHwScenario::kStarted);
    now += 1;
    scenario().Tick();
    EXPECT_EQ(scenario().State(), CHwScenario::kAskIdentifiers);
    EXPECT_TRUE(script->sent.empty());
}

TEST_F(HwScenarioTest, ReadsIdentitiesThenAttributesIntoTheObjects) {
    scenario().Start();
    now += 4;
    scenario().Tick();
    script->replies.push_back(kAck);
    scenario().Tick();
    EXPECT_EQ(scenario().State(), CHwScenario::kCollecting);
    ASSERT_EQ(script->sent.size(), 1u);
    EXPECT_EQ(script->sent[0][0], 0x9C);

    parser.Parse(Message(0x9D, {Identity(2), Identity(7)}));
    EXPECT_EQ(scenario().State(), CHwScenario::kAskAttributes);
    EXPECT_EQ(scenario().Pending(), 2u);

    script->replies.push_back(kAck);
    EXPECT_EQ(scenario().Tick(), 1);
    EXPECT_EQ(scenario().State(), CHwScenario::kWaitAttributes);
    ASSERT_EQ(script->sent.size(), 2u);
    EXPECT_EQ(script->sent[1].size(), 31u);
    EXPECT_EQ(script->sent[1][8], Identity(2)[4]);

    // A message without an identity leaves the scenario waiting.
    parser.Parse(Message(0x9D, {Text(100, "1")}));
    EXPECT_EQ(scenario().State(), CHwScenario::kWaitAttributes);

    parser.Parse(
        Message(0x9D, {Identity(2), Text(274, "\x04TRXA"), Text(100, "000123"), Text(99, "0000")}));
    EXPECT_EQ(scenario().State(), CHwScenario::kAskAttributes);
    CObjectData* trx = server.Objects().Find(objects::kClassTrx, 2);
    ASSERT_NE(trx, nullptr);
    EXPECT_EQ(trx->typeText, "TRXA");
    EXPECT_EQ(trx->serialNumber, "123");
    EXPECT_EQ(trx->productCode, "");
    CUnit* unit = server.Objects().LinkedUnit(*trx);
    ASSERT_NE(unit, nullptr);
    EXPECT_EQ(unit->ReportedTypeText(), "TRXA");

    // Unit 7 has no object: nothing changes, the walk goes on and then ends.
    script->replies.push_back(kAck);
    scenario().Tick();
    parser.Parse(Message(0x9D, {Identity(7), Text(274, "\x04XXXX")}));
    EXPECT_EQ(scenario().State(), CHwScenario::kAskAttributes);
    EXPECT_EQ(scenario().Tick(), 0);
    EXPECT_EQ(scenario().State(), CHwScenario::kIdle);
}

TEST_F(HwScenarioTest, UnknownElementDropsTheAnswer) {
    scenario().Start();
    now += 4;
    scenario().Tick();
    script->replies.push_back(kAck);
    scenario().Tick();
    parser.Parse(Message(0x9D, {Identity(2)}));
    script->replies.push_back(kAck);
    scenario().Tick();
    parser.Parse(Message(0x9D, {Identity(2), Element(1, {0}), Text(274, "\x04TRXA")}));
    EXPECT_EQ(scenario().State(), CHwScenario::kAskAttributes);
    EXPECT_EQ(server.Objects().Find(objects::kClassTrx, 2)->typeText, "Unknown");
}

TEST_F(HwScenarioTest, GarbledAnswerIsDroppedAndTheNextUnitIsAsked) {
    AskFirstOf({Identity(2), Identity(7), Identity(9)});
    const Bytes badLength{0x41, 0x83, 0x00};
    // The identity and texts in front of the unreadable element are not applied either.
    Bytes garbled = Message(0x9D, {Identity(2), Text(274, "\x04TRXA"), Text(100, "42")});
    garbled.insert(garbled.end(), badLength.begin(), badLength.end());
    parser.Parse(garbled);
    EXPECT_EQ(scenario().State(), CHwScenario::kAskAttributes);
    const CObjectData* trx = server.Objects().Find(objects::kClassTrx, 2);
    EXPECT_EQ(trx->typeText, "Unknown");
    EXPECT_EQ(trx->serialNumber, "Unknown");

    script->replies.push_back(kAck);
    scenario().Tick();
    ASSERT_EQ(scenario().State(), CHwScenario::kWaitAttributes);
    parser.Parse(Message(0x9D, {badLength}));
    EXPECT_EQ(scenario().State(), CHwScenario::kAskAttributes);

    // An element whose length runs past the end of the message reads the same way.
    script->replies.push_back(kAck);
    scenario().Tick();
    ASSERT_EQ(scenario().State(), CHwScenario::kWaitAttributes);
    parser.Parse(Message(0x9D, {Bytes{0x5F, 0x64, 0x09, '1'}}));
    EXPECT_EQ(scenario().State(), CHwScenario::kAskAttributes);
    EXPECT_EQ(AttributeRequests(), 3u);
    EXPECT_EQ(scenario().Tick(), 0);
}

TEST_F(HwScenarioTest, UnitThatNeverAnswersIsGivenUpAfterTheTimeout) {
    AskFirstOf({Identity(2), Identity(7)});
    now += CHwScenario::kAttributeAnswerTimeoutSeconds;
    EXPECT_EQ(scenario().Tick(), 1);
    EXPECT_EQ(scenario().State(), CHwScenario::kWaitAttributes);
    now += 1;
    scenario().Tick();
    EXPECT_EQ(scenario().State(), CHwScenario::kAskAttributes);

    // The next unit gets its own full time.
    script->replies.push_back(kAck);
    scenario().Tick();
    ASSERT_EQ(AttributeRequests(), 2u);
    EXPECT_EQ(script->sent.back()[8], Identity(7)[4]);
    now += CHwScenario::kAttributeAnswerTimeoutSeconds;
    scenario().Tick();
    EXPECT_EQ(scenario().State(), CHwScenario::kWaitAttributes);
    parser.Parse(Message(0x9D, {Identity(7), Text(274, "\x04TRXA")}));
    EXPECT_EQ(scenario().State(), CHwScenario::kAskAttributes);
    EXPECT_EQ(scenario().Tick(), 0);
}

TEST_F(HwScenarioTest, FailedRequestsAndLostConnectionsEndIt) {
    scenario().Start();
    now += 4;
    scenario().Tick();
    EXPECT_EQ(scenario().Tick(), 0); // no reply to the identifier request
    ASSERT_EQ(host.problems.size(), 1u);
    EXPECT_EQ(host.problems[0], "Failed to request BTS HW identifiers from the BTS.");

    scenario().Start();
    hub.StopConnection();
    EXPECT_EQ(scenario().Tick(), 0);
    EXPECT_EQ(scenario().State(), CHwScenario::kIdle);
}

TEST(HwScenarioText, LeadingZerosAreStripped) {
    const std::string serial = "000123";
    const std::string zeros = "0000";
    EXPECT_EQ(CHwScenario::StripLeadingZeros(Bytes(serial.begin(), serial.end())), "123");
    EXPECT_EQ(CHwScenario::StripLeadingZeros(Bytes(zeros.begin(), zeros.end())), "");
}

} // namespace
