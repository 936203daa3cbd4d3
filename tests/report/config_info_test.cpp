#include <gtest/gtest.h>

#include "ReportTestSite.h"
#include "files/ConfigInfoKODA.h"

namespace {

CConfigInfoKODA Info(ReportTestSite& t) {
    CConfigInfoKODA info(&t.Site());
    info.Recompute();
    info.SetBtsConnected(true);
    return info;
}

} // namespace

TEST(ConfigInfo, CandidateTexts) {
    ReportTestSite t;
    CConfigInfoKODA info(&t.Site());
    EXPECT_EQ(info.TrxCountText(), "Not defined");
    EXPECT_EQ(info.CablingKindsText(), "Not defined");
    t.Trx(1, 1).Cabling().rxDiversityCombiner = 2;
    t.Trx(2);
    info.Recompute();
    EXPECT_EQ(info.TrxCountText(), "2");
    EXPECT_EQ(info.CablingKindsText(), "TX, RX Div");

    t.Candidate().SetCabinetSettings({1, 1, 0, 1, 2, 1});
    EXPECT_EQ(info.CabinetDescription(kSelectCandidate),
              "Indoor Midi, Clock Sync. is Autodetect On, LTE is in use, WCDMA upgrade is in use, "
              "MRC support with WBC in use");
    EXPECT_EQ(info.CabinetDescription(kSelectBts), "");

    CConfigInfoKODA none(nullptr);
    none.Recompute();
    EXPECT_EQ(none.TrxCountText(), "Not defined");
    EXPECT_FALSE(none.MissingInformation(3));
    EXPECT_TRUE(none.IsEmpty(kSelectCandidate, true));
}

TEST(ConfigInfo, CountsLeaveOutUpgradeUnits) {
    ReportTestSite t;
    t.Unit(kUnitKindDdu, 1, 43);
    t.Unit(kUnitKindMc2, 1, 33);
    t.Unit(kUnitKindRtc, 1, 40).SetUpgrade(true);
    t.Trx(1, 1).Cabling().rxMainMulticoupler = 1;
    t.Trx(2).SetBb2Id(5);
    t.Candidate().Antenna(1)->SetConnectedCombiner(1);
    t.Candidate().Antenna(1)->SetMhaType(5); // low gain with VSWR monitoring is still an MHA
    t.Candidate().Antenna(4)->SetMhaType(7);
    const CConfigInfoKODA info = Info(t);
    const SConfigSummary& s = info.Summary(kSelectCandidate);
    EXPECT_EQ(s.trxUnits, 2);
    EXPECT_EQ(s.cablingUnits, 2);
    EXPECT_EQ(s.cabling.trxWithCabling[kCablingTx - 1], 1);
    EXPECT_EQ(s.cabling.trxWithCabling[kCablingRxMain - 1], 1);
    EXPECT_EQ(s.cabling.trxWithCabling[kCablingRxDiv - 1], 0);
    EXPECT_EQ(s.antennas.connected, 1);
    EXPECT_EQ(s.antennas.withMha, 2);
    EXPECT_FALSE(s.cross.straightThrough);
    EXPECT_EQ(s.cross.channel[1], 5);
    EXPECT_EQ(s.cross.channel[2], 3) << "an absent TRX keeps its own channel";
    EXPECT_FALSE(info.IsEmpty(kSelectCandidate, false));

    EXPECT_EQ(info.SummaryText(2, kSelectCandidate), "2 RVx / 2 cabling units");
    EXPECT_EQ(info.SummaryText(3, kSelectCandidate), "Modified");
    EXPECT_EQ(info.SummaryText(4, kSelectCandidate), "1 RVx / 0 cables");
    EXPECT_EQ(info.SummaryText(8, kSelectCandidate), "1 Ant / 2 MHAs");
    EXPECT_EQ(info.SummaryText(10, kSelectCandidate), "0");
}

TEST(ConfigInfo, EmptyCheck) {
    ReportTestSite t;
    t.Trx(1);
    const CConfigInfoKODA info = Info(t);
    EXPECT_TRUE(info.IsEmpty(kSelectCandidate, false));
    EXPECT_FALSE(info.IsEmpty(kSelectCandidate, true)) << "one TRX unit is counted";
    EXPECT_TRUE(info.IsEmpty(kSelectBts, true));
}

TEST(ConfigInfo, ComparisonsAndDifferenceRows) {
    ReportTestSite t;
    t.Unit(kUnitKindDdu, 1, 43);
    t.Trx(1, 1);
    t.Candidate().Antenna(1)->SetConnectedCombiner(1);

    // Without a BTS configuration nothing can be compared and its state stands in the BTS
    // column.
    {
        const CConfigInfoKODA info = Info(t);
        for (const SDifferenceRow& row : info.DifferenceRows()) {
            EXPECT_FALSE(row.same || row.comparable) << row.view;
            EXPECT_EQ(row.compared, "Not compared");
            EXPECT_EQ(row.bts, "-") << row.view;
        }
    }

    CDataBaseKODA& bts = t.CopyToBts();
    // A BTS configuration equal to the candidate but not received yet is not "OK" either.
    for (int step = 1; step <= 3; ++step) {
        bts.SetTransferStatus(step, 0);
    }
    for (const SDifferenceRow& row : Info(t).DifferenceRows()) {
        EXPECT_EQ(row.bts, "Not received") << row.view;
        EXPECT_EQ(row.compared, "Not compared") << row.view;
        EXPECT_FALSE(row.same);
    }
    for (int step = 1; step <= 3; ++step) {
        bts.SetTransferStatus(step, 1);
    }
    {
        const auto rows = Info(t).DifferenceRows();
        ASSERT_EQ(rows.size(), 8u);
        EXPECT_EQ(rows[0].view, "Cabinet Information");
        EXPECT_EQ(rows[0].bts, "Indoor, Clock Sync. is Auto Detect Off");
        EXPECT_EQ(rows[2].view, "BB2 - RVx Cross-connection");
        EXPECT_EQ(rows[2].candidate, "Straight through");
        for (const SDifferenceRow& row : rows) {
            EXPECT_TRUE(row.same) << row.view;
            EXPECT_EQ(row.compared, "OK");
            EXPECT_EQ(row.candidate, row.bts) << row.view;
        }
    }

    bts.Find<CUnitKTrx>(kUnitKindTrx, 1)->Cabling().txCombinerId = 2;
    bts.Antenna(1)->SetAttenuation(100);
    bts.Find<CUnitKTrx>(kUnitKindTrx, 1)->SetBb2Id(3);
    {
        const CConfigInfoKODA info = Info(t);
        EXPECT_FALSE(info.SameCabling(kCablingTx));
        EXPECT_TRUE(info.SameCabling(kCablingRxMain));
        EXPECT_FALSE(info.SameAntennas());
        EXPECT_FALSE(info.SameCrossConnection());
        EXPECT_TRUE(info.SameUnits());
        EXPECT_EQ(info.ComparedText(4), "Not same");
        EXPECT_EQ(info.ComparedText(1), "OK");
    }

    bts.DeleteUnit(bts.FindUnit(kUnitKindDdu, 1));
    bts.SetTransferStatus(2, 0);
    bts.SetTransferStatus(3, 2);
    const CConfigInfoKODA info = Info(t);
    EXPECT_FALSE(info.SameUnits());
    EXPECT_EQ(info.SummaryText(4, kSelectBts), "Not received");
    EXPECT_EQ(info.SummaryText(10, kSelectBts), "Uninitialized");
    CConfigInfoKODA offline(&t.Site());
    offline.Recompute();
    bts.SetTransferStatus(2, 1);
    EXPECT_EQ(offline.SummaryText(2, kSelectBts), "-");
    EXPECT_EQ(offline.ComparedText(2), "Not compared") << "units are not known offline";
    EXPECT_EQ(offline.SummaryText(2, kSelectCandidate), "1 RVx / 1 cabling units");
}

TEST(ConfigInfo, MissingInformation) {
    ReportTestSite t;
    for (int n = 1; n <= 5; ++n) {
        t.Trx(n).Cabling().rxCombinerId = 1;
    }
    t.Trx(6, 1).Cabling().rxCombinerId = 1;
    t.Unit(kUnitKindDdu, 1, 43);
    CConfigInfoKODA info(&t.Site());
    ASSERT_TRUE(info.MissingInformation(3));
    EXPECT_EQ(info.MissingInformationText(), "Missing TX Cabling for:\n"
                                             "RVDA 1, RVDA 2, RVDA 3\n"
                                             "RVDA 4, RVDA 5\n\n"
                                             "Missing Antenna Settings for:\n"
                                             "HYGx 1a\n\n");

    // The BTS has units the candidate lacks or only plans.
    t.Trx(7, 2);
    t.Unit(kUnitKindRtc, 2, 40);
    t.CopyToBts();
    t.Candidate().FindUnit(kUnitKindTrx, 7)->SetUpgrade(true);
    t.Candidate().DeleteUnit(t.Candidate().FindUnit(kUnitKindRtc, 2));
    for (int n = 1; n <= 6; ++n) {
        t.Candidate().Find<CUnitKTrx>(kUnitKindTrx, n)->Cabling().txCombinerId = 1;
    }
    t.Candidate().Antenna(1)->SetConnectedCombiner(1);
    ASSERT_TRUE(info.MissingInformation(0));
    EXPECT_EQ(info.MissingInformationText(), "Missing units from Candidate:\nRVDA 7, KNGx 2\n\n");

    // Positions the sector configuration leaves unused need no cabling.
    t.Candidate().Antenna(1)->SetConnectedCombiner(0);
    info.SetPositionUsed([](int position) { return position > 6; });
    info.MissingInformation(2);
    EXPECT_EQ(info.MissingInformationText().find("Antenna"), std::string::npos);
}

TEST(ConfigInfo, CountsTheCablesTheRulesBuild) {
    ReportTestSite t;
    t.Unit(kUnitKindDdu, 1, 44);
    t.Unit(kUnitKindWbc, 1, 47);
    t.Trx(1, 1).Cabling().txPath1 = 1;
    t.Trx(2, 1).Cabling().txPath1 = 1;
    t.Site().CableGuy()->RebuildCables(kSelectCandidate, 0);
    CConfigInfoKODA info(&t.Site());
    // Two TRX-to-WBC cables and one shared WBC-to-DDU cable; marker cables are not cables.
    EXPECT_EQ(info.SummaryText(4, kSelectCandidate), "2 RVx / 3 cables");

    t.Candidate().FindUnit(kUnitKindTrx, 2)->SetUpgrade(true);
    info.Recompute();
    EXPECT_EQ(info.SummaryText(4, kSelectCandidate), "1 RVx / 2 cables");
}
