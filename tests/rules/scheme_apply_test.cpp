// What applying the grid creates in the candidate and which references transceivers get.
#include "RulesFixture.h"

namespace {

using SchemeApplyTest = RulesTest;

TEST_F(SchemeApplyTest, FourWayWbcAtTheTopCreatesItsWbcsAndDdu) {
    ASSERT_TRUE(grid.PlaceScheme(10, 5));
    grid.Apply(kBand1800);
    for (int n : {9, 10, 11}) {
        EXPECT_TRUE(Has(kUnitKindWbc, n)) << n;
    }
    const CUnit* ddu = Db().FindUnit(kUnitKindDdu, 12);
    ASSERT_NE(ddu, nullptr);
    EXPECT_EQ(ddu->DisplayedNumber(), 6);
    EXPECT_TRUE(Has(kUnitKindMc6, 2));
    EXPECT_EQ(Refs(9).txCombinerId, 11);
    EXPECT_EQ(Refs(9).txPath1, 9);
    EXPECT_EQ(Refs(12).txPath1, 11);
    EXPECT_EQ(Refs(12).txPath2, 10);
    EXPECT_EQ(Refs(10).rxMainMulticoupler, 8);
}

TEST_F(SchemeApplyTest, KeptTransceiversLoseTheReferencesOfRemovedUnits) {
    ASSERT_TRUE(grid.PlaceScheme(1, 3));
    grid.Apply(kBand1800);
    ASSERT_EQ(Refs(1).txPath1, 1);
    CKodaConfigMaster other(site);
    ASSERT_TRUE(other.PlaceScheme(5, 1));
    other.Apply(kBand1800);
    ASSERT_NE(grid.Trx(1), nullptr);
    EXPECT_TRUE(grid.Trx(1)->IsUpgrade());
    EXPECT_EQ(Refs(1), STrxCabling{});
    EXPECT_FALSE(Has(kUnitKindWbc, 1));
    EXPECT_EQ(CountOf(kUnitKindTrx), 12);
}

TEST_F(SchemeApplyTest, RtcInTheUpperHalf) {
    ASSERT_TRUE(grid.PlaceScheme(11, 7));
    grid.Apply(kBand1800);
    EXPECT_TRUE(Has(kUnitKindMc6, 2));
    EXPECT_TRUE(Has(kUnitKindRtc, 2));
    EXPECT_FALSE(Has(kUnitKindMc6, 1));
    EXPECT_FALSE(Has(kUnitKindRtc, 1));
    for (int t = 7; t <= 12; ++t) {
        EXPECT_EQ(Refs(t).txCombinerId, 15) << t;
        EXPECT_EQ(Refs(t).rxMainMulticoupler, 8) << t;
        EXPECT_EQ(Refs(t).rxCombinerId, 15) << t;
        EXPECT_FALSE(grid.Trx(t)->IsUpgrade());
    }
    EXPECT_TRUE(grid.Trx(1)->IsUpgrade());
}

TEST_F(SchemeApplyTest, WbtSchemesUseTheInputsOfTheirWbt) {
    ASSERT_TRUE(grid.PlaceScheme(1, 14));
    grid.Apply(kBand1800);
    EXPECT_EQ(Refs(1).txPath1, 34);
    EXPECT_EQ(Refs(2).txPath1, 34);
    EXPECT_EQ(Refs(1).txCombinerId, 1);
    EXPECT_TRUE(Has(kUnitKindWbt, 4));
    EXPECT_TRUE(Has(kUnitKindDdu, 2));

    // A group of four: the first two on input A, the last two on input C, all on B next.
    CKodaConfigMaster four(site);
    ASSERT_TRUE(four.PlaceScheme(5, 8));
    four.Apply(kBand1800);
    EXPECT_EQ(Refs(5).txPath1, 37);
    EXPECT_EQ(Refs(6).txPath1, 37);
    EXPECT_EQ(Refs(7).txPath1, 39);
    EXPECT_EQ(Refs(8).txPath1, 39);
    for (int t = 5; t <= 8; ++t) {
        EXPECT_EQ(Refs(t).txPath2, 38) << t;
        EXPECT_EQ(Refs(t).txCombinerId, 5) << t;
    }
    // The earlier apply's units and references are gone.
    EXPECT_FALSE(Has(kUnitKindWbt, 4));
    EXPECT_EQ(Refs(1), STrxCabling{});
    // Applying again gives the same references: a group never starts from a stale count.
    four.Apply(-1);
    EXPECT_EQ(Refs(5).txPath1, 37);
    EXPECT_EQ(Refs(7).txPath1, 39);
}

TEST_F(SchemeApplyTest, MissingTransceiversAreCreatedForPositionsWithASchemeOnly) {
    for (int n = 1; n <= 12; ++n) {
        Db().DeleteUnit(grid.Trx(n));
    }
    ASSERT_TRUE(grid.PlaceScheme(1, 12));
    grid.Apply(kBand900);
    ASSERT_NE(grid.Trx(1), nullptr);
    EXPECT_FALSE(grid.Trx(1)->IsUpgrade());
    EXPECT_EQ(grid.Trx(1)->LogicalTrxId(), 1);
    EXPECT_EQ(grid.Trx(1)->Band(), kBand900);
    EXPECT_EQ(grid.Trx(2), nullptr);
    EXPECT_EQ(CountOf(kUnitKindTrx), 1);
    EXPECT_EQ(site.GetConfiguration(kSelectCandidate)->Band(), kBand900);
}

TEST_F(SchemeApplyTest, DiversityFollowsTheFirstTransceiverOnTheMulticoupler) {
    ASSERT_TRUE(grid.PlaceScheme(1, 7));
    grid.SetDiversityPort(1, 14);
    grid.SetDiversityPort(2, 16);
    grid.Apply(kBand1800);
    EXPECT_EQ(Refs(1).rxDiversityCombiner, 14);
    EXPECT_EQ(Refs(1).rxDiversityMulticoupler, 7);
    EXPECT_EQ(Refs(2).rxDiversityCombiner, 14);
    EXPECT_EQ(Refs(3).rxDiversityMulticoupler, 0);

    grid.SetGroupDiversityPort(4, 0);
    for (int p = 1; p <= 6; ++p) {
        EXPECT_EQ(grid.DiversityPort(p), 0);
    }
}

} // namespace
