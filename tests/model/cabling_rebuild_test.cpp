#include "CablingFixture.h"
#include "files/ConfigSummary.h"
#include "model/CableReferences.h"

TEST(CableReferences, DecodeEveryReferenceKind) {
    SCableTarget t;
    ASSERT_TRUE(cableref::DecodeTxPath(24, t));
    EXPECT_EQ(t, (SCableTarget{kUnitKindWbc, 24, 0}));
    ASSERT_TRUE(cableref::DecodeTxPath(26, t));
    EXPECT_EQ(t, (SCableTarget{kUnitKindWbt, 1, 2}));
    ASSERT_TRUE(cableref::DecodeTxPath(27, t));
    EXPECT_EQ(t, (SCableTarget{kUnitKindWbt, 1, 3}));
    ASSERT_TRUE(cableref::DecodeTxPath(28, t));
    EXPECT_EQ(t, (SCableTarget{kUnitKindWbt, 2, 1}));
    EXPECT_EQ(cableref::WbtPathId(2, 1), 28);
    EXPECT_FALSE(cableref::DecodeTxPath(0, t));

    ASSERT_TRUE(cableref::DecodeCombinerPort(12, t));
    EXPECT_EQ(t, (SCableTarget{kUnitKindDdu, 6, 2}));
    ASSERT_TRUE(cableref::DecodeCombinerPort(15, t));
    EXPECT_EQ(t, (SCableTarget{kUnitKindRtc, 2, 1}));
    ASSERT_TRUE(cableref::DecodeCombinerPort(14, t));
    EXPECT_EQ(t, (SCableTarget{kUnitKindRtc, 1, 2}));
    ASSERT_TRUE(cableref::DecodeCombinerPort(18, t));
    EXPECT_EQ(t.kind, kUnitKindExternal);
    EXPECT_FALSE(cableref::DecodeCombinerPort(19, t));
    EXPECT_EQ(cableref::CombinerPortId(kUnitKindRtc, 2, 2), 16);

    ASSERT_TRUE(cableref::DecodeMulticoupler(7, t));
    EXPECT_EQ(t, (SCableTarget{kUnitKindMc6, 1, 0}));
    ASSERT_TRUE(cableref::DecodeMulticoupler(6, t));
    EXPECT_EQ(t, (SCableTarget{kUnitKindMc2, 6, 0}));
}

TEST_F(CablingTest, TxPathIdsReachTheRightWbtInputs) {
    auto* wbt1 = Add<CUnitKWBT>(1);
    auto* wbt2 = Add<CUnitKWBT>(2);
    Refs(1).txPath1 = 26; // WBT 1 input B: inputs 3-4, output 2
    Refs(2).txPath1 = 28; // WBT 2 input A
    Refs(3).txPath1 = 24; // a WBC number, and there is no WBC 24
    Rebuild();
    auto b = Between(&Trx(1), wbt1);
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(b[0]->EndKind(), kConnTxIn);
    EXPECT_EQ(b[0]->EndIndex(), 3);
    auto a = Between(&Trx(2), wbt2);
    ASSERT_EQ(a.size(), 1u);
    EXPECT_EQ(a[0]->EndIndex(), 1);
    EXPECT_EQ(Db().Cables().size(), 2u);
    EXPECT_EQ(Guy().MakeCable(Trx(3), 3, kUnitKindWbc, 24, 24, kCableTx, 1, false), 1);
}

TEST_F(CablingTest, TxChainThroughWbcToCombinersAndExternalCabinet) {
    auto* wbt = Add<CUnitKWBT>(1);
    auto* ddu = AddDdu(1);
    auto* rtc = Add<CUnitKRTC>(2);
    Refs(1).txPath1 = 27; // WBT 1 input C leaves through output 3
    Refs(1).txCombinerId = 2;
    Refs(2).txCombinerId = 15; // RTC 2 main
    Refs(3).txCombinerId = 18; // external Orvik cabinet
    Rebuild();
    auto wd = Between(wbt, ddu);
    ASSERT_EQ(wd.size(), 1u);
    EXPECT_EQ(wd[0]->StartIndex(), 3);
    EXPECT_EQ(wd[0]->EndIndex(), 2); // port b
    EXPECT_EQ(wd[0]->CableClass(), 1);
    EXPECT_TRUE(wd[0]->FlaggedFor(1));
    ASSERT_EQ(Between(&Trx(2), rtc).size(), 1u);
    ASSERT_EQ(Between(&Trx(3), site.ExternalUnit(18)).size(), 1u);
    EXPECT_EQ(Markers(), 3);
    for (const auto& c : Db().Cables()) {
        if (c->IsMarker() && c->End() == rtc) {
            EXPECT_EQ(c->StartKind(), kConnTxMark);
            EXPECT_EQ(c->CableType(), kCableTx);
            EXPECT_EQ(c->EndIndex(), 1); // the main port's mark
        }
    }
}

TEST_F(CablingTest, SharedCablesAreBuiltOnceAndFlaggedForEachTrx) {
    auto* wbc = Add<CUnitKWBC>(3);
    auto* ddu = AddDdu(1);
    auto* mc = Add<CUnitKMC6>(1);
    for (int n : {1, 2, 5}) {
        Refs(n).txPath1 = 3;
        Refs(n).txCombinerId = 1;
        Refs(n).rxMainMulticoupler = 7;
        Refs(n).rxCombinerId = 1;
    }
    Rebuild();
    // A WBC has two inputs: the third transceiver finds none free.
    EXPECT_EQ(Between(&Trx(1), wbc).size(), 1u);
    EXPECT_EQ(Between(&Trx(2), wbc).size(), 1u);
    EXPECT_EQ(Between(&Trx(5), wbc).size(), 0u);
    auto tx = Between(wbc, ddu);
    ASSERT_EQ(tx.size(), 1u);
    EXPECT_TRUE(tx[0]->FlaggedFor(1));
    EXPECT_TRUE(tx[0]->FlaggedFor(2));
    EXPECT_FALSE(tx[0]->FlaggedFor(3));
    auto rx = Between(ddu, mc);
    ASSERT_EQ(rx.size(), 1u);
    EXPECT_EQ(rx[0]->CableClass(), 2);
    EXPECT_TRUE(rx[0]->FlaggedFor(5));
    // Each transceiver gets its own multicoupler output.
    std::vector<int> outputs;
    for (int n : {1, 2, 5}) {
        auto c = Between(mc, &Trx(n));
        ASSERT_EQ(c.size(), 1u);
        outputs.push_back(c[0]->StartIndex());
    }
    EXPECT_EQ(outputs, (std::vector<int>{1, 2, 3}));
}

TEST_F(CablingTest, RxDiversityPathsAndExternalCabinetDirectToTrx) {
    auto* rtc = Add<CUnitKRTC>(1);
    auto* mc = Add<CUnitKMC2>(1);
    Refs(1).rxDiversityMulticoupler = 1;
    Refs(1).rxDiversityCombiner = 14; // RTC 1 div
    Refs(2).rxDiversityCombiner = 17;
    Refs(3).rxCombinerId = 17; // RX main without multicoupler: only the marker
    Rebuild();
    auto feed = Between(rtc, mc);
    ASSERT_EQ(feed.size(), 1u);
    EXPECT_EQ(feed[0]->StartKind(), kConnRxDivOut);
    EXPECT_EQ(feed[0]->EndKind(), kConnRxDivIn);
    EXPECT_EQ(feed[0]->CableClass(), 3);
    EXPECT_EQ(feed[0]->CableType(), kCableRxDiv);
    auto ext = Between(site.ExternalUnit(17), &Trx(2));
    ASSERT_EQ(ext.size(), 1u);
    EXPECT_EQ(ext[0]->CableClass(), 3);
    EXPECT_TRUE(Between(site.ExternalUnit(17), &Trx(3)).empty());
    EXPECT_EQ(Markers(), 3);
}

TEST_F(CablingTest, RebuildingIsRepeatableAndCopiesPointIntoTheCopy) {
    Add<CUnitKWBC>(1);
    AddDdu(1);
    AddDdu(2);
    Add<CUnitKMC6>(1);
    for (int n = 1; n <= 4; ++n) {
        Refs(n).txPath1 = 1 + (n - 1) / 2;
        Refs(n).txCombinerId = 3;
        Refs(n).rxMainMulticoupler = 7;
        Refs(n).rxCombinerId = 1;
        Db().Antenna(n)->SetConnectedCombiner(n);
    }
    Rebuild();
    const auto first = Describe(Db());
    Rebuild();
    EXPECT_EQ(Describe(Db()), first);
    Guy().RebuildCables(1, 1);
    EXPECT_EQ(Describe(Db()), first);

    const CDataBase& before = Db();
    site.PushUndoStep("Edit");
    const CDataBase& after = Db();
    ASSERT_NE(&before, &after);
    EXPECT_EQ(Describe(after), first);
    for (const auto& c : after.Cables()) {
        EXPECT_TRUE(after.Contains(c->Start()) || c->Start()->Kind() == kUnitKindExternal);
        EXPECT_TRUE(after.Contains(c->End()) || c->End()->Kind() == kUnitKindExternal);
    }
}

TEST_F(CablingTest, PreviewValuesStandInAndMarkCablesChanged) {
    auto* ddu1 = AddDdu(1);
    auto* ddu2 = AddDdu(2);
    Refs(1).txCombinerId = 1;
    Trx(1).SetPreview(kPreviewTxCombiner, 3);
    Rebuild();
    EXPECT_TRUE(Between(&Trx(1), ddu1).empty());
    auto c = Between(&Trx(1), ddu2);
    ASSERT_EQ(c.size(), 1u);
    EXPECT_TRUE(c[0]->Changed());
    Trx(1).ClearPreview();
    Rebuild();
    ASSERT_EQ(Between(&Trx(1), ddu1).size(), 1u);
    EXPECT_FALSE(Between(&Trx(1), ddu1)[0]->Changed());
}

TEST_F(CablingTest, AntennaCablesFollowRecordsAndCandidateLinks) {
    auto* ddu = AddDdu(1);
    auto* rtc = Add<CUnitKRTC>(1);
    Db().Antenna(1)->SetConnectedCombiner(2);  // DDU 1 port b
    Db().Antenna(2)->SetConnectedCombiner(14); // RTC 1 div
    Db().Antenna(3)->SetConnectedCombiner(5);  // DDU 3 does not exist
    Guy().BuildAntennaCables(1);
    Guy().BuildAntennaCables(1); // replaces, never doubles
    ASSERT_EQ(Db().Cables().size(), 2u);
    auto* mha1 = Db().FindUnit(kUnitKindMha, 1);
    auto a = Between(ddu, mha1);
    ASSERT_EQ(a.size(), 1u);
    EXPECT_EQ(a[0]->StartKind(), kConnCombinerAntenna);
    EXPECT_EQ(a[0]->StartIndex(), 2);
    EXPECT_EQ(a[0]->EndKind(), kConnMhaAntenna);
    EXPECT_EQ(a[0]->CableClass(), 0);
    EXPECT_EQ(a[0]->CableType(), kCableAntenna);
    EXPECT_EQ(Between(rtc, Db().FindUnit(kUnitKindMha, 2))[0]->StartIndex(), 2);

    Db().Antenna(2)->SetAttenuation(250);
    EXPECT_EQ(Db().AntennaAttenuationText(2), "+2.50");
    Db().DeleteUnit(Db().FindUnit(kUnitKindMha, 12));
    EXPECT_EQ(Db().AntennaAttenuationText(12), "Invalid unit");

    // A connection chosen on the MHA but not yet recorded is drawn in its place.
    Db().Find<CUnitKMHA>(kUnitKindMha, 1)->SetLinkValue(1);
    Guy().BuildAntennaCables(1);
    ASSERT_EQ(Between(ddu, mha1).size(), 1u);
    EXPECT_EQ(Between(ddu, mha1)[0]->StartIndex(), 1);
    EXPECT_TRUE(Between(ddu, mha1)[0]->Changed());
}

TEST_F(CablingTest, CombinerTypesFollowTheTransceiverBand) {
    auto* ddu = AddDdu(1);
    auto* rtc = Add<CUnitKRTC>(1);
    ASSERT_EQ(Trx(1).Band(), kBand1800);
    Refs(1).txCombinerId = 1;
    Refs(2).txCombinerId = 13;
    Rebuild();
    EXPECT_EQ(ddu->TypeId(), 44);
    EXPECT_EQ(rtc->TypeId(), 41);
    // Already of the band: the remembered type is kept as it was.
    ddu->SetTypeByNumber(44);
    Guy().RebuildCables(1, 1);
    EXPECT_EQ(ddu->TypeId(), 44);
    EXPECT_EQ(site.RememberedCombinerTypes()[1], 44);
    EXPECT_EQ(site.RememberedCombinerTypes()[13], 41);
}

TEST_F(CablingTest, BtsConfigurationCreatesMissingCombinersAndWakesUpgradeTrxs) {
    site.ResetBtsConfiguration();
    CUnitKTrx& trx = Trx(4, kSelectBts);
    ASSERT_TRUE(trx.IsUpgrade());
    trx.Cabling().txCombinerId = 4; // DDU 2 port b, not reported
    trx.Cabling().rxCombinerId = 14;
    Rebuild(kSelectBts);
    EXPECT_FALSE(trx.IsUpgrade());
    EXPECT_TRUE(trx.IsIdle());
    CUnit* ddu = site.FindUnitByDisplayedNumber(kUnitKindDdu, 2, kSelectBts);
    ASSERT_NE(ddu, nullptr);
    EXPECT_TRUE(ddu->IsIdle());
    EXPECT_EQ(ddu->Number(), 3);
    EXPECT_NE(site.FindUnit(kUnitKindRtc, 1, kSelectBts), nullptr);
    EXPECT_EQ(Between(&trx, ddu, kSelectBts).size(), 1u);
    // The candidate never grows units it was not given.
    Refs(4).txCombinerId = 4;
    Rebuild();
    EXPECT_EQ(site.FindUnitByDisplayedNumber(kUnitKindDdu, 2, kSelectCandidate), nullptr);
}

TEST_F(CablingTest, SubBandCombinerSurvivesABandChangeThroughTheSiteTable) {
    auto* ddu = AddDdu(1);
    ddu->SetTypeByNumber(63); // sub band H, a 900 type
    Trx(1).AdaptToBand(kBand900);
    ASSERT_EQ(Trx(1).Band(), kBand900);
    Refs(1).txCombinerId = 1;
    Guy().RebuildCables(1, 1);
    EXPECT_EQ(ddu->TypeId(), 63);
    EXPECT_EQ(site.RememberedCombinerTypes()[1], 63);

    // Mode 0 remembers in the rules' own table and leaves the site's alone.
    ddu->SetTypeByNumber(44);
    Rebuild();
    EXPECT_NE(Guy().RememberedType(1), 0);
    EXPECT_EQ(site.RememberedCombinerTypes()[1], 63);
    EXPECT_EQ(ddu->TypeId(), 63);
}

// A multicoupler's cable to its transceiver stands without a combiner only where the user draws
// (the candidate); summaries count RX cables only on fed paths, so both sides compare alike.
TEST_F(CablingTest, UnfedMulticouplerCableIsDrawnOnlyWhereTheUserDraws) {
    auto* mc = Add<CUnitKMC6>(1);
    Refs(2).rxMainMulticoupler = 7;
    Refs(2).rxDiversityMulticoupler = 7;
    Rebuild();
    EXPECT_EQ(Between(mc, &Trx(2)).size(), 2u);

    site.ResetBtsConfiguration();
    auto* btsMc = Add<CUnitKMC6>(1, kSelectBts);
    CUnitKTrx& btsTrx = Trx(2, kSelectBts);
    btsTrx.SetUpgrade(false);
    btsTrx.Cabling().rxMainMulticoupler = 7;
    btsTrx.Cabling().rxDiversityMulticoupler = 7;
    Rebuild(kSelectBts);
    EXPECT_TRUE(Between(btsMc, &btsTrx, kSelectBts).empty());

    const SConfigSummary candidate = SConfigSummary::Of(&Db());
    const SConfigSummary bts = SConfigSummary::Of(&Db(kSelectBts));
    EXPECT_EQ(candidate.cabling.cables[kCablingRxMain - 1], 0);
    EXPECT_EQ(candidate.cabling.cables[kCablingRxDiv - 1], 0);
    EXPECT_EQ(candidate.cabling.cables, bts.cabling.cables);

    // Once fed, the path counts its cables as before.
    Refs(2).rxCombinerId = 1;
    AddDdu(1);
    Rebuild();
    EXPECT_EQ(SConfigSummary::Of(&Db()).cabling.cables[kCablingRxMain - 1], 2);
}

// A low-gain MHA serves every band and names none: its antenna cable leaves the DDU's type alone.
TEST_F(CablingTest, LowGainMhaLeavesItsDduTypeAlone) {
    auto* ddu = AddDdu(1);
    ddu->SetTypeByNumber(44);
    auto* mha = Db().FindUnit(kUnitKindMha, 1);
    mha->SetType(53);
    ASSERT_EQ(mha->Band(), 0);
    Db().Antenna(1)->SetConnectedCombiner(1);
    Rebuild();
    Guy().RebuildCables(kSelectCandidate, 1);
    EXPECT_EQ(ddu->TypeId(), 44);
    EXPECT_EQ(Between(ddu, mha).size(), 1u);
}
