#include "CablingFixture.h"
#include "model/CrossConnection.h"

namespace {

CCabling Drawn(CUnit* a, int aKind, int aIndex, CUnit* b, int bKind, int bIndex) {
    CCabling c(a, aKind, aIndex, b, bKind, bIndex);
    c.SetChanged(true);
    return c;
}

} // namespace

TEST_F(CablingTest, DrawnTxCableToAnMhaIsIllegalAndChangesNothing) {
    auto* mha = Db().FindUnit(kUnitKindMha, 1);
    const STrxCabling before = Refs(1);
    const int undo = site.UndoCount();
    CCabling drawn = Drawn(&Trx(1), kConnTxOut, 1, mha, kConnTxIn, 1);
    EXPECT_EQ(Guy().ApplyDrawnCable(drawn), 0);
    EXPECT_EQ(host.messages, (std::vector<std::string>{"Illegal cabling"}));
    EXPECT_EQ(Refs(1), before);
    EXPECT_EQ(site.UndoCount(), undo); // the step is taken back
    EXPECT_EQ(site.RedoCount(), 0);    // and is not offered again
}

TEST_F(CablingTest, DrawnCableWithoutTransceiverIsRefused) {
    auto* ddu = AddDdu(1);
    auto* mc = Add<CUnitKMC2>(1);
    const int undo = site.UndoCount();
    CCabling drawn = Drawn(ddu, kConnRxMainOut, 1, mc, kConnRxMainIn, 1);
    EXPECT_EQ(Guy().ApplyDrawnCable(drawn), 0);
    EXPECT_EQ(host.messages, (std::vector<std::string>{"RVx unit is zero"}));
    EXPECT_EQ(site.UndoCount(), undo);

    // While the read-only BTS configuration is shown nothing is recorded and no step undone.
    site.PushUndoStep("Earlier edit");
    site.SetShowBts(true);
    CCabling toDdu = Drawn(&Trx(1), kConnTxOut, 1, ddu, kConnTxIn, 1);
    EXPECT_EQ(Guy().ApplyDrawnCable(toDdu), 0);
    site.SetShowBts(false);
    EXPECT_EQ(site.UndoCount(), undo + 1);
    EXPECT_EQ(Refs(1).txCombinerId, 0);
}

TEST_F(CablingTest, DrawnCablesRecordReferencesAndShareThem) {
    AddDdu(1);
    AddDdu(2);
    Add<CUnitKWBC>(3);
    Refs(1).txPath1 = 3;
    Refs(1).txCombinerId = 1;
    Rebuild();
    // A second transceiver on WBC 3 takes the combiner the first one already feeds.
    CCabling toWbc = Drawn(&Trx(2), kConnTxOut, 1, Db().FindUnit(kUnitKindWbc, 3), kConnTxIn, 2);
    EXPECT_EQ(Guy().ApplyDrawnCable(toWbc), 1);
    EXPECT_EQ(Db().Name(), "Drag and Drop Cabling");
    EXPECT_EQ(Refs(2).txPath1, 3);
    EXPECT_EQ(Refs(2).txCombinerId, 1);
    // Moving the WBC to DDU 2 port b moves both transceivers, found through the WBC's cables.
    auto* wbc = Db().FindUnit(kUnitKindWbc, 3);
    auto* ddu2 = site.FindUnitByDisplayedNumber(kUnitKindDdu, 2, 1);
    CCabling toDdu = Drawn(wbc, kConnTxOut, 1, ddu2, kConnTxIn, 2);
    EXPECT_EQ(Guy().ApplyDrawnCable(toDdu), 1);
    EXPECT_EQ(Refs(1).txCombinerId, 4);
    EXPECT_EQ(Refs(2).txCombinerId, 4);
    // The drawn cable was replaced by the ones the references give.
    for (const auto& c : Db().Cables()) {
        EXPECT_TRUE(c->TrxNumber() != 0);
    }
    // Drawing what is already recorded changes nothing and leaves no undo step.
    const int undo = site.UndoCount();
    CCabling again = Drawn(&Trx(2), kConnTxOut, 1, Db().FindUnit(kUnitKindWbc, 3), kConnTxIn, 2);
    EXPECT_EQ(Guy().ApplyDrawnCable(again), 0);
    EXPECT_EQ(site.UndoCount(), undo);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(CablingTest, DrawnRxCablesPickThePortFromTheConnector) {
    auto* ddu = AddDdu(2);
    Add<CUnitKRTC>(1);
    Add<CUnitKMC6>(1);
    CCabling toTrx = Drawn(ddu, kConnRxMainOut, 3, &Trx(1), kConnRxMainIn, 1);
    EXPECT_EQ(Guy().ApplyDrawnCable(toTrx), 1);
    EXPECT_EQ(Refs(1).rxCombinerId, 4); // DDU 2 port b
    CCabling mcToTrx =
        Drawn(Db().FindUnit(kUnitKindMc6, 1), kConnRxDivOut, 2, &Trx(1), kConnRxDivIn, 1);
    EXPECT_EQ(Guy().ApplyDrawnCable(mcToTrx), 1);
    EXPECT_EQ(Refs(1).rxDiversityMulticoupler, 7);
    // The RTC's diversity output names its second port, also directly to a transceiver.
    CCabling rtcToMc = Drawn(site.FindUnit(kUnitKindRtc, 1, 1), kConnRxDivOut, 1,
                             site.FindUnit(kUnitKindMc6, 1, 1), kConnRxDivIn, 1);
    EXPECT_EQ(Guy().ApplyDrawnCable(rtcToMc), 1);
    EXPECT_EQ(Refs(1).rxDiversityCombiner, 14);
    CCabling rtcToTrx =
        Drawn(site.FindUnit(kUnitKindRtc, 1, 1), kConnRxDivOut, 1, &Trx(2), kConnRxDivIn, 1);
    EXPECT_EQ(Guy().ApplyDrawnCable(rtcToTrx), 1);
    EXPECT_EQ(Refs(2).rxDiversityCombiner, 14);
}

TEST_F(CablingTest, MouseCableTakesTheNearestConnectorsEitherWay) {
    auto* ddu = AddDdu(1);
    // Port b's TX input sits at (7, 26); the TRX's TX output at (100, 12).
    EXPECT_EQ(Guy().AddCableByMouse(kCableTx, *ddu, Trx(1), {9, 27}, {101, 13}), 1);
    ASSERT_EQ(Db().Cables().size(), 1u);
    const CCabling& c = *Db().Cables()[0];
    EXPECT_EQ(c.Start(), &Trx(1));
    EXPECT_EQ(c.End(), ddu);
    EXPECT_EQ(c.EndIndex(), 2);
    EXPECT_TRUE(c.Changed());
    EXPECT_EQ(Guy().AddCableByMouse(kCableTx, Trx(1), Trx(2), {0, 0}, {0, 0}), 0);
    EXPECT_EQ(Guy().ApplyDrawnCable(*Db().Cables()[0]), 1);
    EXPECT_EQ(Refs(1).txCombinerId, 2);
}

TEST_F(CablingTest, SharingFollowsPathsAndProposesPreviews) {
    for (int n : {1, 2}) {
        Refs(n).txPath1 = 3;
        Refs(n).txPath2 = 5;
        Refs(n).txCombinerId = 1;
    }
    Refs(3).txPath2 = 5;
    Refs(3).txCombinerId = 1;
    Refs(4).txCombinerId = 9; // no path: shares nothing with anyone
    Refs(1).txCombinerId = 2;
    Guy().ShareReferences(Trx(1), kCableTx, false, false, 1);
    EXPECT_EQ(Refs(2).txCombinerId, 2);
    EXPECT_EQ(Refs(3).txCombinerId, 2);
    EXPECT_EQ(Refs(4).txCombinerId, 9);

    // Preview: the others keep their records and get the proposal as a preview.
    Trx(1).SetPreview(kPreviewTxCombiner, 6);
    Trx(3).SetPreview(kPreviewTxCombiner, 6);
    Refs(3).txCombinerId = 6;
    Guy().ShareReferences(Trx(1), kCableTx, false, true, 1);
    EXPECT_EQ(Refs(2).txCombinerId, 2);
    EXPECT_EQ(Trx(2).Preview(kPreviewTxCombiner), 6);
    EXPECT_EQ(Trx(3).Preview(kPreviewTxCombiner), 0); // equal to the record: cleared

    // RX: fill mode takes the combiner of a transceiver on the same multicoupler first.
    Refs(5).rxDiversityMulticoupler = 8;
    Refs(5).rxDiversityCombiner = 3;
    Refs(6).rxDiversityMulticoupler = 8;
    Guy().ShareReferences(Trx(6), kCableRxDiv, true, false, 1);
    EXPECT_EQ(Refs(6).rxDiversityCombiner, 3);
    EXPECT_EQ(Refs(5).rxDiversityCombiner, 3);
}

TEST_F(CablingTest, CrossConnectionStraightThroughAndOtherwise) {
    // A new site is straight through, also with transceivers missing or planned.
    EXPECT_TRUE(crossconnect::IsStraightThrough(Db()));
    Trx(12).SetUpgrade(true);
    Trx(12).SetBb2Id(1);
    EXPECT_TRUE(crossconnect::IsStraightThrough(Db()));
    EXPECT_EQ(crossconnect::DescriptionLines(Db())[1], "(QD2A 1a-RVx 1 .. QD2A 6b-RVx 12)");

    Trx(1).SetBb2Id(2);
    Trx(2).SetBb2Id(1);
    Db().DeleteUnit(Db().FindUnit(kUnitKindBb2, 6));
    Trx(11).SetBb2Id(-1);
    EXPECT_FALSE(crossconnect::IsStraightThrough(Db()));
    const auto lines = crossconnect::DescriptionLines(Db());
    ASSERT_EQ(lines.size(), 6u);
    const std::string bb2 = Db().FindUnit(kUnitKindBb2, 1)->TypeCodeText();
    EXPECT_EQ(lines[0], bb2 + " 1a - " + Trx(2).DisplayName() + "\t    " + bb2 + " 1b - " +
                            Trx(1).DisplayName());
    EXPECT_EQ(lines[5], "(QD2x 6a) - (RVx)\t    (QD2x 6b) - (RVx)");
    EXPECT_EQ(crossconnect::PortOf(12).bb2, 6);
    EXPECT_EQ(crossconnect::PortOf(12).half, 'b');
}

// Through the far unit only a cable of the kind being drawn leads to a transceiver: the RX
// cable that leaves a DDU says nothing about who transmits into it.
TEST_F(CablingTest, DrawnCableFindsItsTransceiverOnlyThroughCablesOfItsKind) {
    auto* ddu1 = AddDdu(1);
    AddDdu(2);
    Add<CUnitKMC6>(1);
    auto* unused = Add<CUnitKWBC>(2);
    Refs(1).rxMainMulticoupler = 7;
    Refs(1).rxCombinerId = 1;
    Refs(1).txCombinerId = 3;
    Rebuild();
    const STrxCabling before = Refs(1);
    const int undo = site.UndoCount();
    CCabling drawn = Drawn(unused, kConnTxOut, 1, ddu1, kConnTxIn, 1);
    EXPECT_EQ(Guy().ApplyDrawnCable(drawn), 0);
    EXPECT_EQ(host.messages, (std::vector<std::string>{"RVx unit is zero"}));
    EXPECT_EQ(Refs(1), before);
    EXPECT_EQ(site.UndoCount(), undo);
}

// RX cabling drawn from the transceiver outwards: the multicoupler's cable stays while the
// multicoupler is not fed yet, and feeding it then finds the transceiver through that cable.
TEST_F(CablingTest, RxPathDrawnFromTheTransceiverOutwards) {
    AddDdu(1);
    Add<CUnitKMC6>(1);
    // Every applied drawing works on a new undo snapshot: units are looked up afresh.
    auto mc = [this] { return Db().FindUnit(kUnitKindMc6, 1); };
    CCabling mcToTrx = Drawn(mc(), kConnRxMainOut, 1, &Trx(3), kConnRxMainIn, 1);
    ASSERT_EQ(Guy().ApplyDrawnCable(mcToTrx), 1);
    EXPECT_EQ(Refs(3).rxMainMulticoupler, 7);
    ASSERT_EQ(Between(mc(), &Trx(3)).size(), 1u);
    CCabling dduToMc = Drawn(site.FindUnitByDisplayedNumber(kUnitKindDdu, 1, kSelectCandidate),
                             kConnRxMainOut, 1, mc(), kConnRxMainIn, 1);
    ASSERT_EQ(Guy().ApplyDrawnCable(dduToMc), 1);
    EXPECT_EQ(Refs(3).rxCombinerId, 1);
    EXPECT_TRUE(host.messages.empty());
}
