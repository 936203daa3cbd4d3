// The configuration search against the simulated BTS in-process: what the BTS reports decides
// which stored configurations fit, and the one applied is restricted to it.

#include <gtest/gtest.h>

#include <filesystem>

#include "comms/CommsClient.h"
#include "comms/CommsReport.h"
#include "comms/CommunicationBTS.h"
#include "comms/MMIServ.h"
#include "comms/UpLinkMessageParser.h"
#include "model/BtsConfiguration.h"
#include "model/DataBase.h"
#include "model/SiteKODA.h"
#include "rules/ConfigSearch.h"
#include "rules/SearchApply.h"
#include "sim/SIMTransactServer.h"
#include "sim/SimScenario.h"
#include "support/SearchArchive.h"

using namespace searchtest;

namespace {

class CSearchBtsHost : public IBtsHost {
public:
    CSite* Site() override { return &site; }
    CSiteKODA site;
};

class CFeeder : public CCommsClient {
public:
    CFeeder(CCommunicationBTS& hub, CMMIServ& server, CUpLinkMessageParser& parser)
        : CCommsClient(hub), m_server(server), m_parser(parser) {}
    void OnReport(const CCommsReport& report) override { m_server.TakeReport(report); }
    void OnUplinkMessage(std::span<const uint8_t> m) override { m_parser.Parse(m); }

private:
    CMMIServ& m_server;
    CUpLinkMessageParser& m_parser;
};

class SearchAgainstSimulatedBts : public ::testing::Test {
protected:
    void SetUp() override {
        CBtsConfiguration::Drop();
        folder = ::testing::TempDir() + "search_sim_" + std::to_string(::getpid());
        std::filesystem::create_directories(folder);
    }
    void TearDown() override {
        hub.StopConnection();
        hub.Pump();
        server.SetHost(nullptr);
        CBtsConfiguration::Drop();
        std::filesystem::remove_all(folder);
    }
    void Connect(const std::string& json) {
        SSimScenario scenario;
        std::string error;
        ASSERT_TRUE(ParseSimScenario(json, scenario, error)) << error;
        hub.SetSimulatorFactory([scenario](const CConnectParams& p, CCommunicationBTS& h) {
            return std::make_unique<CSIMTransactServer>(p, h, scenario);
        });
        server.SetHost(&host);
        ASSERT_EQ(hub.StartConnection(kConnSimulator, ""), 1);
        for (int n = 0; n < 5; ++n) {
            hub.Pump();
        }
        ASSERT_NE(CBtsConfiguration::Get(), nullptr);
    }
    CUnit* Candidate(int kind, int displayed) {
        return host.site.GetConfiguration(kSelectCandidate)
            ->FindUnitByDisplayedNumber(kind, displayed);
    }

    std::string folder;
    CCommunicationBTS hub;
    CSearchBtsHost host;
    CMMIServ server{hub};
    CUpLinkMessageParser parser{server};
    CFeeder feeder{hub, server, parser};
};

} // namespace

TEST_F(SearchAgainstSimulatedBts, TheReportedUnitsDecideAndTheFoundOneIsRestrictedToThem) {
    Connect(R"({"bts": {"bcfState": "Commissioning",
        "units": [{"kind": "TRX", "first": 1, "last": 4},
                  {"kind": "DDU", "first": 1, "last": 1}]}})");
    WriteFile(folder + "/archive.hwc", FileText({{"Four without DDU", {1, 2, 3, 4}},
                                                 {"Six on two DDUs",
                                                  {1, 2, 3, 4, 5, 6},
                                                  {Ddu(1, 1), Ddu(3, 2)},
                                                  6,
                                                  3,
                                                  {{1, 1}, {2, 1}, {5, 3}, {6, 3}}},
                                                 {"Three", {1, 2, 3}, {Ddu(1, 1)}}}));

    const SBtsProfile bts = SBtsProfile::FromConfiguration(CBtsConfiguration::Get());
    EXPECT_EQ(bts.trx.count(), 4u);
    EXPECT_TRUE(bts.ddu[1]);
    const SSearchResult r = SearchFolder(folder, bts);
    ASSERT_EQ(r.found.size(), 1u);
    EXPECT_EQ(r.found[0].name, "Six on two DDUs");

    ASSERT_TRUE(ApplyFoundConfiguration(host.site, r.found[0].record.get(), {true}));
    for (int n = 1; n <= 4; ++n) {
        CUnit* trx = host.site.FindUnit(kUnitKindTrx, n, kSelectCandidate);
        ASSERT_NE(trx, nullptr);
        EXPECT_FALSE(trx->IsUpgrade()) << n;
        // The band the BTS holds for the transceiver, whatever the stored one said.
        EXPECT_EQ(trx->Band(), CBtsConfiguration::Get()->FindUnit(kUnitKindTrx, n)->Band()) << n;
    }
    // Transceivers 5 and 6 are not in the BTS: planned and without cabling, so DDU 2, which
    // only they used, goes with them.
    EXPECT_TRUE(host.site.FindUnit(kUnitKindTrx, 5, kSelectCandidate)->IsUpgrade());
    EXPECT_TRUE(host.site.FindUnit(kUnitKindTrx, 6, kSelectCandidate)->IsUpgrade());
    ASSERT_NE(Candidate(kUnitKindDdu, 1), nullptr);
    EXPECT_FALSE(Candidate(kUnitKindDdu, 1)->IsIdle());
    EXPECT_EQ(Candidate(kUnitKindDdu, 2), nullptr);
    EXPECT_EQ(host.site.GetConfiguration(kSelectCandidate)->Band(),
              CBtsConfiguration::Get()->Band());
}
