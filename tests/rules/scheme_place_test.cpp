// Where schemes fit, where a placement really starts, and what a release leaves for neighbours.
#include "RulesFixture.h"

namespace {

using SchemePlaceTest = RulesTest;

TEST_F(SchemePlaceTest, BypassAndItsBHalfShareOneDdu) {
    ASSERT_TRUE(grid.PlaceScheme(1, 1));
    ASSERT_TRUE(grid.PlaceScheme(2, 2));
    EXPECT_EQ(grid.CombinerMark(1), 1);
    EXPECT_EQ(grid.CombinerMark(2), 2);
    grid.Apply(kBand1800);

    EXPECT_EQ(CountOf(kUnitKindDdu), 1);
    EXPECT_TRUE(Has(kUnitKindDdu, 1));
    EXPECT_TRUE(Has(kUnitKindMc2, 1));
    EXPECT_EQ(Refs(1).txCombinerId, 1);
    EXPECT_EQ(Refs(1).rxMainMulticoupler, 1);
    EXPECT_EQ(Refs(2).txCombinerId, 2);
    EXPECT_EQ(Refs(2).rxMainMulticoupler, 1);
    // Both take RX main from the port the first one set up.
    EXPECT_EQ(Refs(2).rxCombinerId, 1);
}

TEST_F(SchemePlaceTest, GroupStartFollowsTheSchemesRules) {
    // A 4-way group asked for near the top moves down so that it fits in the cabinet.
    ASSERT_TRUE(grid.PlaceScheme(10, 5));
    for (int p = 9; p <= 12; ++p) {
        EXPECT_EQ(grid.SchemeAt(p), 5) << p;
        EXPECT_EQ(grid.PlaceInGroup(p), p - 8);
    }
    EXPECT_EQ(grid.SchemeAt(8), 0);

    // RTC covers the whole half, wherever in it it is asked for.
    ASSERT_TRUE(grid.PlaceScheme(3, 7));
    for (int p = 1; p <= 6; ++p) {
        EXPECT_EQ(grid.SchemeAt(p), 7);
        EXPECT_EQ(grid.CombinerMark(p), 6);
    }
    EXPECT_EQ(grid.SchemeNameAt(1), "RTC");
    EXPECT_EQ(grid.SchemeNameAt(8), "None");
}

TEST_F(SchemePlaceTest, SchemesDoNotFitWhereTheirUnitsWouldLeaveTheCabinet) {
    // 2:1 WBT(B)-DDU would need its WBT at place 0.
    EXPECT_FALSE(grid.PlaceScheme(1, 15));
    EXPECT_FALSE(grid.PlaceScheme(2, 15));
    EXPECT_TRUE(grid.Scheme(15)->Fits(3));
    // (6+6)4:1 WBT-DDU(b half) needs its DDU three places below.
    for (int p = 1; p <= 4; ++p) {
        EXPECT_FALSE(grid.PlaceScheme(p, 9)) << p;
    }
    EXPECT_TRUE(grid.Scheme(9)->Fits(5));
    // (12-Omni)4:1 WBT-DDU(b half): 10 is taken as 9, 11 and 12 have no room for four.
    EXPECT_EQ(grid.Scheme(10)->GroupStart(10), 9);
    EXPECT_FALSE(grid.Scheme(10)->Fits(11));
    EXPECT_FALSE(grid.Scheme(10)->Fits(12));
    EXPECT_TRUE(grid.PlaceScheme(10, 10));
    // 4-way to b half never starts at 1 or 2; even bypass positions refuse the a half scheme.
    EXPECT_FALSE(grid.Scheme(6)->Fits(2));
    EXPECT_FALSE(grid.Scheme(1)->Fits(4));
    EXPECT_FALSE(grid.Scheme(2)->Fits(3));
    EXPECT_EQ(grid.SchemeAt(1), 0);
}

TEST_F(SchemePlaceTest, OccupiedPositionsAndCombinerPlacesRefuseAnotherScheme) {
    ASSERT_TRUE(grid.PlaceScheme(1, 3));
    EXPECT_FALSE(grid.PlaceScheme(2, 3));
    EXPECT_FALSE(grid.PlaceScheme(1, 7));
    EXPECT_FALSE(grid.PlaceScheme(2, 1));

    // The b half bypass does not fit beside a WBT(B) scheme that uses the DDU below it.
    CKodaConfigMaster other(site);
    ASSERT_TRUE(other.PlaceScheme(3, 18));
    EXPECT_FALSE(other.Scheme(2)->Fits(2));
    CKodaConfigMaster clean(site);
    ASSERT_TRUE(clean.PlaceScheme(1, 1));
    EXPECT_TRUE(clean.Scheme(2)->Fits(2));
}

TEST_F(SchemePlaceTest, WbcToBHalfRefusesATxCombinerPortInUse) {
    EXPECT_TRUE(grid.Scheme(13)->Fits(3));
    grid.Trx(5)->Cabling().txCombinerId = 2;
    EXPECT_FALSE(grid.Scheme(13)->Fits(3));
    EXPECT_FALSE(grid.PlaceScheme(3, 13));
}

TEST_F(SchemePlaceTest, ReleaseKeepsADduTheNeighbourStillUses) {
    ASSERT_TRUE(grid.PlaceScheme(1, 1));
    ASSERT_TRUE(grid.PlaceScheme(2, 2));
    ASSERT_TRUE(grid.PlaceScheme(1, 0));
    EXPECT_EQ(grid.SchemeAt(1), 0);
    EXPECT_EQ(grid.CombinerMark(1), 1);
    EXPECT_EQ(grid.CombinerMark(2), 2);
    ASSERT_TRUE(grid.PlaceScheme(2, 0));
    EXPECT_EQ(grid.CombinerMark(1), 0);
    EXPECT_EQ(grid.CombinerMark(2), 0);
    EXPECT_EQ(grid.TrxUse(1), 0);
    // Releasing an empty position is harmless.
    EXPECT_TRUE(grid.PlaceScheme(5, 0));
    // Freed positions take a new scheme.
    EXPECT_TRUE(grid.PlaceScheme(1, 3));
}

TEST_F(SchemePlaceTest, ReleaseKeepsAWbtAndDduOtherTransceiversAreCabledTo) {
    // 2:1 WBT(A) at 1 and the one-transceiver WBT(C) at 3 share DDU 2 and WBT 4; WBT(B) at
    // 5 shares the WBT too.
    ASSERT_TRUE(grid.PlaceScheme(1, 14));
    ASSERT_TRUE(grid.PlaceScheme(3, 22));
    ASSERT_TRUE(grid.PlaceScheme(5, 15));
    grid.Apply(kBand1800);
    EXPECT_EQ(Refs(3).txCombinerId, 2);
    EXPECT_EQ(Refs(3).txPath1, 36);
    EXPECT_EQ(Refs(5).txPath1, 35);
    EXPECT_EQ(Refs(5).txCombinerId, 5);
    ASSERT_TRUE(grid.PlaceScheme(1, 0));
    EXPECT_EQ(grid.SchemeAt(1), 0);
    EXPECT_EQ(grid.SchemeAt(2), 0);
    EXPECT_EQ(grid.CombinerMark(4), 14);
    EXPECT_EQ(grid.CombinerMark(2), 1);
    EXPECT_EQ(grid.CombinerMark(3), 2);
}

TEST_F(SchemePlaceTest, ReleaseAnywhereInAGroupReleasesTheWholeGroup) {
    ASSERT_TRUE(grid.PlaceScheme(1, 5));
    ASSERT_TRUE(grid.PlaceScheme(9, 5));
    ASSERT_TRUE(grid.PlaceScheme(4, 0));
    ASSERT_TRUE(grid.PlaceScheme(12, 0));
    for (int p = 1; p <= 12; ++p) {
        EXPECT_EQ(grid.SchemeAt(p), 0) << p;
        EXPECT_EQ(grid.PlaceInGroup(p), 0) << p;
        EXPECT_EQ(grid.CombinerMark(p), 0) << p;
    }
    EXPECT_EQ(grid.CombinerMark(13), 0);
    // A group whose first position was lost is not released half-way.
    ASSERT_TRUE(grid.PlaceScheme(5, 8));
    grid.SetPlaceInGroup(5, 0);
    EXPECT_FALSE(grid.PlaceScheme(7, 0));
    EXPECT_EQ(grid.SchemeAt(7), 8);
}

TEST_F(SchemePlaceTest, ReleaseOfAnUnsharedWbtSchemeClearsItsUnits) {
    ASSERT_TRUE(grid.PlaceScheme(9, 16));
    EXPECT_EQ(grid.CombinerMark(9), 14);
    ASSERT_TRUE(grid.PlaceScheme(10, 0));
    for (int k = 9; k <= 11; ++k) {
        EXPECT_EQ(grid.CombinerMark(k), 0) << k;
        EXPECT_EQ(grid.CombinerUse(k), 0) << k;
    }
    EXPECT_TRUE(grid.PlaceScheme(9, 16));
}

TEST_F(SchemePlaceTest, ReleaseOfWbcToBHalfKeepsTheDduPlacesAnotherTransceiverEndsAt) {
    // WBC with DDU (to b half) at 3 ends on port b of DDU 2; the 2-way WBC at 1 ends on its
    // port a, so the DDU's two places stay marked and in use after the release.
    ASSERT_TRUE(grid.PlaceScheme(3, 13));
    ASSERT_TRUE(grid.PlaceScheme(1, 3));
    grid.Apply(kBand1800);
    ASSERT_EQ(Refs(1).txCombinerId, 1);
    ASSERT_EQ(Refs(3).txCombinerId, 2);
    ASSERT_TRUE(grid.PlaceScheme(3, 0));
    EXPECT_EQ(grid.SchemeAt(3), 0);
    EXPECT_EQ(grid.TrxUse(3), 0);
    EXPECT_EQ(grid.TrxUse(4), 0);
    EXPECT_EQ(grid.CombinerMark(4), 0) << "its own WBC goes";
    EXPECT_EQ(grid.CombinerUse(4), 0);
    EXPECT_EQ(grid.CombinerMark(2), 1);
    EXPECT_EQ(grid.CombinerMark(3), 2);
    EXPECT_NE(grid.CombinerUse(2), 0);
    EXPECT_NE(grid.CombinerUse(3), 0) << "the DDU's second place is still in use";

    // Without a transceiver on the other port the DDU goes with the scheme.
    grid.Clear();
    ASSERT_TRUE(grid.PlaceScheme(3, 13));
    grid.Apply(kBand1800);
    ASSERT_TRUE(grid.PlaceScheme(3, 0));
    for (int k = 2; k <= 4; ++k) {
        EXPECT_EQ(grid.CombinerMark(k), 0) << k;
        EXPECT_EQ(grid.CombinerUse(k), 0) << k;
    }
}

TEST_F(SchemePlaceTest, OutputPortOfAPositionInsideAPlacedGroupIsTheGroups) {
    // Groups of four start at any odd position, so a position inside a placed group is not
    // the start of a group of its own.
    struct SCase {
        int scheme;
        int start;
        int port;
    };
    for (const SCase c : {SCase{5, 1, 3}, SCase{5, 3, 5}, SCase{6, 3, 2}, SCase{8, 1, 2},
                          SCase{10, 3, 2}, SCase{11, 1, 3}, SCase{3, 5, 5}}) {
        grid.Clear();
        ASSERT_TRUE(grid.PlaceScheme(c.start, c.scheme)) << c.scheme;
        for (int p = c.start; p < c.start + grid.GroupSizeOfScheme(c.scheme); ++p) {
            EXPECT_EQ(grid.OutputPort(p, 1, c.scheme), c.port)
                << "scheme " << c.scheme << " at " << c.start << ", position " << p;
        }
    }
    // Where the scheme is not placed, the position is taken as the start of a group.
    grid.Clear();
    EXPECT_EQ(grid.OutputPort(3, 1, 5), 5);
    ASSERT_TRUE(grid.PlaceScheme(1, 8));
    EXPECT_EQ(grid.OutputPort(3, 1, 5), 5) << "another scheme's group does not count";
}

TEST_F(SchemePlaceTest, OutputPortsNameTheCombinerPortOfTheGroup) {
    EXPECT_EQ(grid.OutputPort(2, 1, 2), 2);
    EXPECT_EQ(grid.OutputPort(5, 1, 12), 6);
    EXPECT_EQ(grid.OutputPort(5, 2, 12), 5);
    EXPECT_EQ(grid.OutputPort(5, 3, 12), 0);
    EXPECT_EQ(grid.OutputPort(4, 1, 3), 3);
    EXPECT_EQ(grid.OutputPort(1, 1, 5), 3);
    EXPECT_EQ(grid.OutputPort(7, 1, 7), 15);
    EXPECT_EQ(grid.OutputPort(8, 2, 7), 16);
    EXPECT_EQ(grid.OutputPort(5, 1, 9), 2);
    EXPECT_EQ(grid.OutputPort(1, 1, 0), 0);
    EXPECT_EQ(grid.OutputsOfScheme(7), 2);
    EXPECT_EQ(grid.GroupSizeOfScheme(9), 2);
    EXPECT_EQ(grid.GroupSizeOfScheme(21), 1);
}

} // namespace
