// A found configuration becomes the candidate, adapted to what the BTS detected.

#include "SearchFixture.h"
#include "model/UnitKTrx.h"
#include "rules/SearchApply.h"

using namespace searchtest;

namespace {

struct SUnitState {
    int kind;
    int number;
    bool upgrade;
    bool idle;
    bool operator==(const SUnitState&) const = default;
};

std::vector<SUnitState> StateOf(CSiteKODA& site) {
    std::vector<SUnitState> states;
    for (const auto& u : site.GetConfiguration(kSelectCandidate)->Units()) {
        states.push_back({u->Kind(), u->Number(), u->IsUpgrade(), u->IsIdle()});
    }
    return states;
}

class SearchApplyTest : public SearchTest {
protected:
    // Reads the stored configuration into a record that outlives the call.
    const CSCFSite& Record(const SStoredConfig& config) {
        files.push_back(std::make_unique<CSiteConfigFile>());
        files.back()->ReadBytes(FileText({config}));
        return *files.back()->Sites().front();
    }
    CUnit* Unit(int kind, int number) {
        return site.GetConfiguration(kSelectCandidate)->FindUnit(kind, number);
    }
    CUnit* Shown(int kind, int displayed) {
        return site.GetConfiguration(kSelectCandidate)->FindUnitByDisplayedNumber(kind, displayed);
    }

    CSiteKODA site;
    std::vector<std::unique_ptr<CSiteConfigFile>> files;
};

} // namespace

TEST_F(SearchApplyTest, TransceiversTheBtsLacksArePlannedOrIdleAndTheSwitchComesBack) {
    SetBts({"Bts", {1, 2, 3, 4}, {}}, site);
    const CSCFSite& six = Record({"Six", {1, 2, 3, 4, 5, 6}, {}, 6, 3, {{5, 1}}});

    ASSERT_TRUE(ApplyFoundConfiguration(site, &six, {true}));
    const auto withSwitch = StateOf(site);
    EXPECT_FALSE(Unit(kUnitKindTrx, 4)->IsUpgrade());
    EXPECT_TRUE(Unit(kUnitKindTrx, 5)->IsUpgrade());
    // A planned transceiver keeps no cabling.
    EXPECT_EQ(static_cast<CUnitKTrx*>(Unit(kUnitKindTrx, 5))->Cabling().txCombinerId, 0);

    ASSERT_TRUE(ApplyFoundConfiguration(site, &six, {false}));
    EXPECT_FALSE(Unit(kUnitKindTrx, 5)->IsUpgrade());
    EXPECT_TRUE(Unit(kUnitKindTrx, 5)->IsIdle());
    EXPECT_FALSE(Unit(kUnitKindTrx, 4)->IsIdle());

    ASSERT_TRUE(ApplyFoundConfiguration(site, &six, {true}));
    EXPECT_EQ(StateOf(site), withSwitch);
}

TEST_F(SearchApplyTest, CombinersTheBtsLacksGoUnlessATransceiverIsCabledToThem) {
    SetBts({"Bts", {1, 2}, {Ddu(1, 1)}}, site);
    // DDU 2 carries transceiver 2 (endpoint 3), DDU 3 nothing, RTC 1 nothing.
    const CSCFSite& stored = Record(
        {"Stored", {1, 2}, {Ddu(1, 1), Ddu(3, 2), Ddu(5, 3), Rtc(1)}, 6, 3, {{1, 1}, {2, 3}}});

    ASSERT_TRUE(ApplyFoundConfiguration(site, &stored, {true}));
    ASSERT_NE(Shown(kUnitKindDdu, 1), nullptr);
    EXPECT_FALSE(Shown(kUnitKindDdu, 1)->IsIdle());
    ASSERT_NE(Shown(kUnitKindDdu, 2), nullptr);
    EXPECT_TRUE(Shown(kUnitKindDdu, 2)->IsIdle());
    EXPECT_EQ(Shown(kUnitKindDdu, 3), nullptr);
    EXPECT_EQ(Shown(kUnitKindRtc, 1), nullptr);

    ASSERT_TRUE(ApplyFoundConfiguration(site, &stored, {false}));
    ASSERT_NE(Shown(kUnitKindDdu, 3), nullptr);
    EXPECT_TRUE(Shown(kUnitKindDdu, 3)->IsIdle());
    ASSERT_NE(Shown(kUnitKindRtc, 1), nullptr);
    EXPECT_TRUE(Shown(kUnitKindRtc, 1)->IsIdle());
}

TEST_F(SearchApplyTest, NothingFoundLeavesACandidateWithoutTheEarlierConfiguration) {
    SetBts({"Bts", {1}, {}}, site);
    const CSCFSite& stored = Record({"Stored", {1, 2}, {Ddu(1, 1)}, 6, 3, {{1, 1}}});
    ASSERT_TRUE(ApplyFoundConfiguration(site, &stored, {false}));
    site.GetKODA(kSelectCandidate)->Antenna(1)->SetConnectedCombiner(1);

    ASSERT_TRUE(ApplyFoundConfiguration(site, nullptr, {true}));
    EXPECT_EQ(Shown(kUnitKindDdu, 1), nullptr);
    for (int n = 1; n <= 12; ++n) {
        ASSERT_NE(Unit(kUnitKindTrx, n), nullptr);
        EXPECT_TRUE(Unit(kUnitKindTrx, n)->IsUpgrade()) << n;
    }
    // The antenna settings of the earlier configuration do not linger.
    EXPECT_EQ(site.GetKODA(kSelectCandidate)->Antenna(1)->ConnectedCombiner(), 0);
    EXPECT_TRUE(site.GetConfiguration(kSelectCandidate)->Cables().empty());
}

TEST_F(SearchApplyTest, TheCandidateTakesTheBandsOfTheBts) {
    SetBts({"Bts", {1, 2}, {}}, site);
    CDataBase* bts = CBtsConfiguration::Get();
    bts->SetBand(kBand1800);
    bts->FindUnit(kUnitKindTrx, 2)->ApplyBand(kBand1800 | kEdgeAll);
    bts->FindUnit(kUnitKindTrx, 2)->SetEdge(true);
    const CSCFSite& stored = Record({"Stored", {1, 2, 3}, {}});

    ASSERT_TRUE(ApplyFoundConfiguration(site, &stored, {true}));
    EXPECT_EQ(site.GetConfiguration(kSelectCandidate)->Band(), kBand1800);
    EXPECT_EQ(Unit(kUnitKindTrx, 2)->Band(), kBand1800);
    EXPECT_TRUE(Unit(kUnitKindTrx, 2)->IsEdge());
    // Transceiver 1 of the BTS kept the stored 900 type.
    EXPECT_EQ(Unit(kUnitKindTrx, 1)->Band(), kBand900);

    CBtsConfiguration::Drop();
    ASSERT_TRUE(ApplyFoundConfiguration(site, &stored, {true}));
    EXPECT_EQ(site.GetConfiguration(kSelectCandidate)->Band(), kBand900);
}
