#include "comms/CommandHandler.h"
#include "comms/CommsClient.h"
#include "comms/CommsReport.h"
#include "comms/CommunicationBTS.h"
#include "comms/HwScenario.h"
#include "comms/MMIServ.h"
#include "comms/ObjectMaps.h"
#include "comms/UpLinkMessageParser.h"
#include "model/BtsConfiguration.h"
#include "model/DataBase.h"
#include "model/SiteKODA.h"
#include "sim/SIMTransactServer.h"
#include "sim/SimScenario.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

class CHost : public IBtsHost {
public:
    CSite* Site() override { return &site; }
    void AddEventLine(const std::string& time, const std::string& text) override {
        lines.push_back(time.empty() ? "  " + text : text);
    }
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    CSiteKODA site;
    std::vector<std::string> lines;
    std::vector<std::string> messages;
};

class CParsingClient : public CCommsClient {
public:
    CParsingClient(CCommunicationBTS& hub, CMMIServ& server, CUpLinkMessageParser& parser)
        : CCommsClient(hub), m_server(server), m_parser(parser) {}
    // As the document does: the BTS model hears of every report.
    void OnReport(const CCommsReport& report) override { m_server.TakeReport(report); }
    void OnUplinkMessage(std::span<const uint8_t> m) override {
        types.push_back(m[0]);
        m_parser.Parse(m);
    }
    std::vector<int> types;

private:
    CMMIServ& m_server;
    CUpLinkMessageParser& m_parser;
};

// The in-process simulated BTS, its object model and a site, pumped by hand.
class SimulatedBts : public ::testing::Test {
protected:
    void SetUp() override { CBtsConfiguration::Drop(); }
    void TearDown() override {
        hub.StopConnection();
        CBtsConfiguration::Drop();
    }
    void Connect(SSimScenario scenario) {
        hub.SetSimulatorFactory([scenario](const CConnectParams& p, CCommunicationBTS& h) {
            return std::make_unique<CSIMTransactServer>(p, h, scenario);
        });
        server.SetHost(&host);
        ASSERT_EQ(hub.StartConnection(kConnSimulator, ""), 1);
        for (int n = 0; n < 5; ++n) {
            hub.Pump();
        }
    }
    static SSimScenario Parse(const std::string& json) {
        SSimScenario s;
        std::string error;
        EXPECT_TRUE(ParseSimScenario(json, s, error)) << error;
        return s;
    }

    CCommunicationBTS hub;
    CHost host;
    CMMIServ server{hub};
    CUpLinkMessageParser parser{server};
    CParsingClient client{hub, server, parser};
};

TEST_F(SimulatedBts, ReportsItselfAfterLinkUp) {
    Connect(Parse(R"({"bts": {"bcfState": "Commissioning",
        "units": [{"kind": "TRX", "first": 1, "last": 6}, {"kind": "DDU", "first": 1, "last": 3}]}})"));
    ASSERT_GE(client.types.size(), 3u);
    EXPECT_EQ(client.types[0], 0x82);
    EXPECT_EQ(host.lines[0], "Received message: Orvik BTS reported.");
    CObjectData* bcf = server.Objects().FirstOfClass(objects::kClassBcf);
    ASSERT_NE(bcf, nullptr);
    EXPECT_EQ(bcf->state, 9);
    EXPECT_NE(server.Objects().Find(objects::kClassTrx, 6), nullptr);
    EXPECT_EQ(server.Objects().Find(objects::kClassTrx, 7), nullptr);
    EXPECT_NE(server.Objects().Find(objects::kClassDdu, 5), nullptr);

    int trx = 0;
    int ddu = 0;
    for (const auto& unit : CBtsConfiguration::Get()->Units()) {
        if (unit->IsUpgrade()) {
            continue;
        }
        trx += unit->Kind() == kUnitKindTrx;
        ddu += unit->Kind() == kUnitKindDdu;
    }
    EXPECT_EQ(trx, 6);
    EXPECT_EQ(ddu, 3);
}

TEST_F(SimulatedBts, AConnectionAfterADisconnectTakesTheBtsReportAgain) {
    const std::string reported = "Received message: Orvik BTS reported.";
    const std::string rejected = "  Message rejected because it has already been received";
    Connect(Parse(R"({"bts": {}})"));
    ASSERT_FALSE(host.lines.empty());
    EXPECT_EQ(host.lines[0], reported);
    hub.StopConnection();
    hub.Pump();
    EXPECT_EQ(server.Objects().FirstOfClass(objects::kClassBcf), nullptr)
        << "the objects of a link that is gone";
    host.lines.clear();
    Connect(Parse(R"({"bts": {}})"));
    ASSERT_GE(host.lines.size(), 1u);
    EXPECT_EQ(host.lines[0], reported);
    EXPECT_EQ(std::count(host.lines.begin(), host.lines.end(), rejected), 0);
    EXPECT_NE(server.Objects().FirstOfClass(objects::kClassBcf), nullptr);

    // On one link a second report is still refused.
    std::vector<uint8_t> again = {0x82, 0, 0, 0, 0x13, 0x01, 0x13};
    parser.Parse(again);
    EXPECT_EQ(std::count(host.lines.begin(), host.lines.end(), rejected), 1);
}

TEST_F(SimulatedBts, AnswersHardwareRequestsWithItsUnits) {
    Connect(Parse(R"({"bts": {"units": [{"kind": "TRX", "first": 1, "last": 2,
        "typeText": "TRXB", "serial": "000123", "product": "0T5"}]}})"));
    CHwScenario& scenario = server.HwScenario();
    int64_t now = 0;
    scenario.SetClock([&now] { return now; });
    scenario.Start();
    now = 10;
    for (int n = 0; n < 10 && scenario.Tick() != 0; ++n) {
        hub.Pump();
    }
    EXPECT_EQ(scenario.State(), CHwScenario::kIdle);
    CObjectData* trx = server.Objects().Find(objects::kClassTrx, 2);
    ASSERT_NE(trx, nullptr);
    EXPECT_EQ(trx->typeText, "TRXB");
    EXPECT_EQ(trx->serialNumber, "123");
    EXPECT_EQ(trx->productCode, "T5");
}

TEST_F(SimulatedBts, AutodetectPassesThroughAutodetecting) {
    Connect(Parse(R"({"bts": {"bcfState": 4}})"));
    host.lines.clear();
    EXPECT_EQ(server.Commands().RequestAutodetect(), 0);
    hub.Pump();
    ASSERT_EQ(host.lines.size(), 4u);
    EXPECT_EQ(host.lines[1], "  BCF state: Autodetecting");
    EXPECT_EQ(host.lines[3], "  BCF state: Commissioning");
    const int bb2[12] = {};
    EXPECT_EQ(server.Commands().SendCrossConnectionTable(bb2), 0);
}

TEST_F(SimulatedBts, UnsupportedTypeEndsTheConnection) {
    Connect(Parse(R"({"bts": {"type": 21}})"));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(hub.Server(), nullptr);
}

TEST(SimBtsScenario, RefusesBadSections) {
    SSimScenario s;
    std::string error;
    EXPECT_FALSE(ParseSimScenario(R"({"bts": {"units": [{"kind": "XYZ"}]}})", s, error));
    EXPECT_NE(error.find("bts.units"), std::string::npos);
    EXPECT_FALSE(ParseSimScenario(R"({"bts": {"bcfState": "Sleeping"}})", s, error));
    EXPECT_FALSE(
        ParseSimScenario(R"({"bts": {"units": [{"kind": "TRX", "first": "a"}]}})", s, error));
    EXPECT_FALSE(ParseSimScenario(R"({"bts": {"events": [{"afterMs": -1}]}})", s, error));
    EXPECT_TRUE(ParseSimScenario(R"({"bts": {}})", s, error));
    EXPECT_TRUE(s.bts.has_value());
}

} // namespace
