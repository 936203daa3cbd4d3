#include <gtest/gtest.h>

#include "model/LogicalUnit.h"
#include "model/SiteKODA.h"
#include "model/UnitKTrx.h"
#include "model/UnitTypeCatalogue.h"
#include "model/UnitsKODA.h"
#include "model/UnitsTARN.h"

TEST(Units, NumberingAndNamesWithPortsAndBrackets) {
    CUnitKDDU ddu;
    ddu.SetType(43);
    ddu.SetNumber(7);
    EXPECT_EQ(ddu.DisplayedNumber(), 4);
    EXPECT_EQ(ddu.SpareNumber(), 7);
    EXPECT_EQ(ddu.DisplayName(7), "HYGx 4a");
    EXPECT_EQ(ddu.DisplayName(8), "HYGx 4b");
    EXPECT_EQ(ddu.DisplayName(13), "HYGx 4"); // outside the port range: the plain name
    EXPECT_EQ(ddu.ConnectionText(), "(Connected to backplane-connector 4)");
    ddu.SetNumber(14);
    EXPECT_EQ(ddu.DisplayedNumber(), 6); // never beyond the last backplane connector

    CUnitKMC2 mc2;
    mc2.SetNumber(5);
    EXPECT_EQ(mc2.DisplayedNumber(), 3);
    EXPECT_EQ(mc2.Number(), 5);

    CUnitKTrx trx;
    trx.SetType(1010);
    trx.SetNumber(3);
    EXPECT_EQ(trx.DisplayName(), "RVGA 3");
    trx.SetUpgrade(true);
    EXPECT_EQ(trx.DisplayName(), "(RVGA 3)");
    EXPECT_TRUE(trx.KeepWhenRemoved());
    trx.SetUpgrade(false);
    trx.SetIdle(true);
    EXPECT_EQ(trx.DisplayName(), "(RVGA 3)");

    CUnitKRTC rtc;
    rtc.SetType(40);
    rtc.SetNumber(2);
    EXPECT_EQ(rtc.DisplayName(15), "KNGx 2 main");
    EXPECT_EQ(rtc.DisplayName(14), "KNGx 1 div");
    EXPECT_EQ(rtc.DisplayName(-1), "KNGx 2");
    EXPECT_EQ(rtc.ConnectionText(), "(Connected to backplane-connector 5)");
    EXPECT_EQ(rtc.PortLetter(1), "div");

    CUnitKWBT wbt;
    wbt.SetType(65);
    wbt.SetNumber(1);
    EXPECT_EQ(wbt.DisplayName(25), "GEGT 1 A");
    EXPECT_EQ(wbt.DisplayName(26), "GEGT 1 B");
    EXPECT_EQ(wbt.DisplayName(27), "GEGT 1 C");
    EXPECT_EQ(wbt.DisplayName(24), "GEGT 1");

    CUnitKBB2 bb2;
    bb2.SetNumber(6);
    EXPECT_EQ(bb2.DisplayName(12), "QD2A 6b");

    CUnitKBOI boi;
    EXPECT_EQ(boi.ShortTypeText(), "BOI");
    boi.SetNumber(1);
    EXPECT_EQ(boi.DisplayName(), "BOI 1");
    // The catalogue pads its codes to four letters; no name of any type shows the padding,
    // nor one the BTS reported padded.
    for (const UnitTypeRecord& row : UnitTypeCatalogue::Table(EUnitFamily::Orvik)) {
        auto unit = CSiteKODA::CreateUnitOfKind(row.category);
        ASSERT_NE(unit, nullptr) << row.code;
        unit->SetType(row.typeId);
        unit->SetNumber(1);
        for (int port : {-1, 1, 2, 13, 14, 25, 26}) {
            const std::string name = unit->DisplayName(port);
            EXPECT_EQ(name.find("  "), std::string::npos) << row.code << " " << port;
            EXPECT_NE(name.back(), ' ') << row.code << " " << port;
        }
    }
    CUnitKMHA mha;
    mha.SetType(53);
    mha.SetNumber(2);
    EXPECT_EQ(mha.DisplayName(), "MHA 2");
    boi.SetReportedTypeText("BOI ");
    EXPECT_EQ(boi.DisplayName(), "BOI 1");
}

TEST(Units, BackplaneConnectorStaysNearTheNumber) {
    CUnitKDDU ddu;
    ddu.SetNumber(5); // (5 + 1) / 2 = 3: connectors 1-5
    EXPECT_FALSE(ddu.CanUseBackplaneConnector(0));
    EXPECT_TRUE(ddu.CanUseBackplaneConnector(1));
    EXPECT_TRUE(ddu.CanUseBackplaneConnector(5));
    EXPECT_FALSE(ddu.CanUseBackplaneConnector(6));
    EXPECT_TRUE(ddu.SetBackplaneConnector(5));
    EXPECT_EQ(ddu.DisplayedNumber(), 5);
    EXPECT_FALSE(ddu.SetBackplaneConnector(6));
    EXPECT_EQ(ddu.DisplayedNumber(), 5);
    CUnitKTrx trx;
    EXPECT_FALSE(trx.SetBackplaneConnector(1));
}

TEST(Units, ApplyBandTables) {
    CUnitKTrx trx;
    EXPECT_EQ(trx.TypeCode(), "RVx");
    EXPECT_EQ(trx.Band(), 65535);
    ASSERT_TRUE(trx.ApplyBand(4 | kEdgeAll));
    EXPECT_EQ(trx.TypeCode(), "RVPB");
    EXPECT_TRUE(trx.IsEdge());
    EXPECT_EQ(trx.BandText(), "1900E");

    CUnitKTrx trx800;
    trx800.SetType(1010);
    ASSERT_TRUE(trx800.ApplyBand(8));
    EXPECT_EQ(trx800.TypeCode(), "RVTB");
    EXPECT_TRUE(trx800.IsEdge());
    EXPECT_FALSE(trx800.ApplyBand(3)); // a dual band names no single row
    EXPECT_EQ(trx800.TypeCode(), "RVTB");
    ASSERT_TRUE(trx800.ApplyBand(0));
    EXPECT_EQ(trx800.TypeId(), 900);

    struct Case {
        std::unique_ptr<CUnit> unit;
        int ids[5];
    };
    Case cases[] = {
        {std::make_unique<CUnitKDDU>(), {903, 43, 44, 45, 55}},
        {std::make_unique<CUnitKRTC>(), {901, 40, 41, 42, 58}},
        {std::make_unique<CUnitKMC2>(), {904, 33, 34, 34, 33}},
        {std::make_unique<CUnitKMC6>(), {905, 35, 36, 36, 35}},
        {std::make_unique<CUnitKWBC>(), {909, 46, 47, 48, 46}},
        {std::make_unique<CUnitKWBT>(), {909, 65, 66, 67, 65}},
        {std::make_unique<CUnitKMHA>(), {910, 50, 51, 52, 54}},
    };
    const int bands[5] = {0, 1, 2, 4, 8};
    for (auto& c : cases) {
        for (int i = 0; i < 5; ++i) {
            ASSERT_TRUE(c.unit->ApplyBand(bands[i]));
            EXPECT_EQ(c.unit->TypeId(), c.ids[i]) << c.unit->Description() << " band " << bands[i];
        }
    }

    CUnitKBB2 bb2;
    EXPECT_TRUE(bb2.ApplyBand(2 | kEdgeAll));
    EXPECT_EQ(bb2.TypeId(), 57);
    EXPECT_TRUE(bb2.ApplyBand(9)); // ignores the band
    EXPECT_EQ(bb2.TypeId(), 32);

    CUnitKBTR booster;
    EXPECT_FALSE(booster.ApplyBand(1));
}

TEST(Units, MastheadAmplifierBandRules) {
    CUnitKMHA lowGain;
    lowGain.SetType(53);
    for (int band : {0, 1, 2, 4, 8}) {
        lowGain.ApplyBand(band);
        EXPECT_EQ(lowGain.TypeId(), 53);
    }
    CUnitKMHA bypass;
    bypass.SetType(68);
    EXPECT_TRUE(bypass.BypassFlag());
    bypass.ApplyBand(2);
    EXPECT_EQ(bypass.TypeId(), 69);
    bypass.ApplyBand(8);
    EXPECT_EQ(bypass.TypeId(), 71);
    // SZPF is a bypass MHA by code but not by type id: 1900 keeps it.
    CUnitKMHA szpf;
    szpf.SetType(59);
    EXPECT_TRUE(szpf.BypassFlag());
    szpf.ApplyBandMha(4, false);
    EXPECT_EQ(szpf.TypeId(), 59);
    CUnitKMHA plain;
    plain.SetType(51);
    plain.ApplyBandMha(4, false);
    EXPECT_EQ(plain.TypeId(), 52);
    plain.ApplyBandMha(4, true);
    EXPECT_EQ(plain.TypeId(), 70);
}

TEST(Units, BandAcceptance) {
    CUnitKMC2 mc2;
    mc2.SetType(33); // band 9
    // The multicoupler judges by the previous site band unless leaving a dual band.
    EXPECT_TRUE(mc2.AcceptsBand(2, 2));
    EXPECT_FALSE(mc2.AcceptsBand(2, 1));
    EXPECT_FALSE(mc2.AcceptsBand(2, 3)); // dual to single: its own band 9 counts
    EXPECT_TRUE(mc2.AcceptsBand(1, 3));

    CUnitKTrx trx;
    trx.SetType(1011); // RVDA, non-EDGE only
    EXPECT_TRUE(trx.AcceptsBand(2, 2));
    EXPECT_FALSE(trx.AcceptsBand(2 | kEdgeAll, 2));
    EXPECT_TRUE(trx.AcceptsBand(2 | kEdgeSome, 2));
    EXPECT_FALSE(trx.AcceptsBand(1, 2));
    CUnitKTrx generic; // RVx: edge 0 accepts nothing plain
    EXPECT_FALSE(generic.AcceptsBand(2, 2));
    CUnitKBB2 bb2; // band 0 always passes the band test
    EXPECT_TRUE(bb2.AcceptsBand(4, 2));
    EXPECT_FALSE(bb2.AcceptsBand(4 | kEdgeAll, 2));

    EXPECT_FALSE(trx.AcceptsEdgeValue(1) && trx.IsEdge());
    trx.SetType(1015);
    EXPECT_FALSE(trx.AcceptsEdgeValue(1));
    EXPECT_TRUE(trx.AcceptsEdgeValue(2));
}

TEST(Units, ReportedTypeTextRefinesTheType) {
    CUnitKBB2 bb2;
    bb2.SetReportedTypeText("QD2E QD2F");
    EXPECT_EQ(bb2.TypeId(), 60);
    EXPECT_EQ(bb2.TypeCodeText(), "QD2E QD2F");
    bb2.SetReportedTypeText("");
    EXPECT_EQ(bb2.TypeCodeText(), "QD2F");
    EXPECT_EQ(bb2.TypeId(), 60);

    CUnitKDDU ddu;
    ddu.SetReportedTypeText("HYJx");
    EXPECT_EQ(ddu.TypeId(), 64);
    EXPECT_FALSE(ddu.SetTypeByNumber(41));
    EXPECT_TRUE(ddu.SetTypeByNumber(55));
    EXPECT_EQ(ddu.TypeId(), 55);

    CUnitKRTC rtc;
    rtc.SetReportedTypeText("KNH");
    EXPECT_EQ(rtc.TypeId(), 61);
    EXPECT_TRUE(rtc.SetTypeByNumber(58));
    EXPECT_FALSE(rtc.SetTypeByNumber(43));

    CUnitKPWR pwr;
    pwr.SetReportedTypeText("B-module");
    EXPECT_EQ(pwr.TypeId(), 31);
    pwr.SetReportedTypeText("C");
    EXPECT_EQ(pwr.TypeId(), 31);

    CUnitKTRE tre;
    tre.SetReportedTypeText("DRB E1T1 BRIDGE");
    EXPECT_EQ(tre.TypeId(), 1102);
    tre.SetReportedTypeText("DRB STM-1");
    EXPECT_EQ(tre.TypeId(), 1108);
    EXPECT_EQ(tre.TypeCodeText(), "YTOA"); // the catalogue code, never the reported text

    CUnitKTrx trx;
    trx.SetType(4242); // unknown id: only the id changes
    EXPECT_EQ(trx.TypeId(), 4242);
    EXPECT_EQ(trx.TypeCode(), "RVx");
}

TEST(Units, CopyKeepsUpgradeAndFieldsButNotTransientState) {
    CUnitKTrx trx;
    trx.SetType(1015);
    trx.SetNumber(4);
    trx.SetUpgrade(true);
    trx.SetIdle(true);
    trx.SetState(7);
    trx.SetSelectedPort(2);
    trx.SetReportedTypeText("RVDB rev 2");
    trx.SetLogicalTrxId(9);
    trx.SetBb2Id(3);
    trx.Cabling().txPath1 = 26;
    trx.Cabling().rxMainMulticoupler = 7;
    trx.SetPreview(kPreviewTxPath1, 5);
    auto copy = trx.Copy();
    auto* c = dynamic_cast<CUnitKTrx*>(copy.get());
    ASSERT_NE(c, nullptr);
    EXPECT_TRUE(c->IsUpgrade());
    EXPECT_TRUE(c->KeepWhenRemoved());
    EXPECT_FALSE(c->IsIdle());
    EXPECT_EQ(c->State(), 2);
    EXPECT_EQ(c->SelectedPort(), -1);
    EXPECT_TRUE(c->ReportedTypeText().empty());
    EXPECT_EQ(c->TypeCodeText(), "RVDB");
    EXPECT_EQ(c->LogicalTrxId(), 9);
    EXPECT_EQ(c->Bb2Id(), 3);
    EXPECT_EQ(c->Cabling(), trx.Cabling());
    EXPECT_EQ(c->Preview(kPreviewTxPath1), 0);
    EXPECT_TRUE(c->IsEdge());

    CUnitKMHA mha;
    mha.SetType(69);
    mha.SetLinkValue(3);
    auto mcopy = mha.Copy();
    auto* m = dynamic_cast<CUnitKMHA*>(mcopy.get());
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->LinkValue(), 3);
    EXPECT_TRUE(m->BypassFlag());

    CUnitKExtOrvik ext;
    EXPECT_NE(dynamic_cast<CUnitKExtOrvik*>(ext.Copy().get()), nullptr);
    CUnitTTRX selmo;
    EXPECT_NE(dynamic_cast<CUnitTTRX*>(selmo.Copy().get()), nullptr);
    CUnitTOuter hop;
    hop.SetNumber(2);
    EXPECT_EQ(hop.RadioHopEntry(), "Radio Hop 2");
    EXPECT_EQ(hop.ShortTypeText(), "R 2");
}

TEST(Units, LogicalNamesAndReferences) {
    CUnitKTrx trx;
    EXPECT_EQ(trx.LogicalName(), "-");
    trx.SetLogicalTrxId(128);
    EXPECT_EQ(trx.LogicalName(), "TRX 128");
    trx.SetLogicalTrxId(129);
    EXPECT_EQ(trx.LogicalName(), "-");

    CUnitKDDU ddu;
    ddu.SetNumber(3); // displayed 2
    EXPECT_EQ(ddu.OwnReference(), 3);
    CUnitKMC6 mc6;
    mc6.SetNumber(1);
    EXPECT_EQ(mc6.OwnReference(), 7);
    CUnitKRTC rtc;
    rtc.SetNumber(2);
    EXPECT_EQ(rtc.OwnReference(), 15);

    auto bcf = CLogicalUnit::Create(kLogicalBcf);
    EXPECT_EQ(bcf->DisplayName(), "BCF");
    auto lt = CLogicalUnit::Create(kLogicalTrx);
    lt->Attach(kUnitKindTrx, 5);
    EXPECT_EQ(lt->DisplayName(), "TRX 5");
    EXPECT_EQ(CLogicalUnit::Create(7), nullptr);
    lt->SetState(10);
    EXPECT_EQ(lt->StateClass(), 1);
    EXPECT_EQ(lt->StateIconId(), 331);
    lt->SetState(3);
    EXPECT_EQ(lt->StateClass(), 2);
    EXPECT_EQ(lt->StateClassIconId(), 357);
    lt->SetState(8);
    EXPECT_EQ(lt->StateIconId(), 321);
}

TEST(Units, ConnectorAndMarkPositions) {
    CUnitKTrx trx;
    trx.SetDrawOffset(10);
    SPoint p;
    ASSERT_TRUE(trx.ConnectorPosition(kCableTx, kConnTxOut, 1, p));
    EXPECT_EQ(p, (SPoint{112, 24}));
    EXPECT_FALSE(trx.ConnectorPosition(kCableRxMain, kConnTxOut, 1, p));
    ASSERT_TRUE(trx.MarkPosition(kCableRxDiv, kConnRxDivIn, 1, p));
    EXPECT_EQ(p, (SPoint{82, 17}));
    EXPECT_FALSE(trx.MarkPosition(kCableTx, kConnRxDivIn, 1, p));

    CUnitKDDU ddu;
    ASSERT_TRUE(ddu.MarkPosition(kCableRxMain, kConnRxMainOut, 3, p));
    EXPECT_EQ(p, (SPoint{9, 29})); // mark 10 of port b
    ASSERT_TRUE(ddu.MarkPosition(kCableTx, kConnTxIn, 2, p));
    EXPECT_EQ(p, (SPoint{9, 24}));
    EXPECT_EQ(ddu.ConnectorCount(), 14);

    CUnitKMHA mha;
    ASSERT_TRUE(mha.MarkPosition(kCableAntenna, kConnMhaAntenna, 1, p));
    EXPECT_EQ(p, (SPoint{6, 10}));
    CUnitKBOI boi;
    EXPECT_EQ(boi.ConnectorCount(), 0);
    EXPECT_FALSE(boi.MarkPosition(kCableTx, kConnTxIn, 1, p));
}

TEST(Units, AdaptToBandKeepsEdgeSubBandAndBypass) {
    CUnitKTrx edge;
    edge.SetType(1014); // RVGB
    edge.AdaptToBand(2);
    EXPECT_EQ(edge.TypeCode(), "RVDB");
    CUnitKTrx plain;
    plain.SetType(1010);
    plain.AdaptToBand(2);
    EXPECT_EQ(plain.TypeCode(), "RVDA");
    CUnitKMHA bypass;
    bypass.SetType(68);
    bypass.AdaptToBand(2);
    EXPECT_EQ(bypass.TypeCode(), "SWDA");
    CUnitKDDU subBand;
    subBand.SetType(63);
    subBand.AdaptToBand(1);
    EXPECT_EQ(subBand.TypeId(), 63);
    CUnitKRTC rtc;
    rtc.AdaptToBand(8);
    EXPECT_EQ(rtc.TypeCode(), "ERR!");
    CUnitKMHA lowGain;
    lowGain.SetType(53);
    lowGain.AdaptToBand(4);
    EXPECT_EQ(lowGain.TypeId(), 53);
}
