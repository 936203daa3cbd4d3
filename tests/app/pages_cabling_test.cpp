// The cabling, antenna and cross-connection pages: proposals from shared equipment, previews
// that never become part of the configuration, and questions that guard Clear All.
#include <algorithm>

#include "PageTestSupport.h"
#include "app/pages/PageAntennaController.h"
#include "app/pages/PageCablingControllers.h"
#include "app/pages/PageInfoControllers.h"
#include "app/pages/PageUnitsController.h"
#include "rules/AntennaTypeRule.h"

namespace {

using CablingPages = PageTest;

TEST_F(CablingPages, APath1AnotherTrxUsesProposesItsPath2AndCombiner) {
    BuildCabinet();
    Trx(3).Cabling() = {.txPath1 = 5, .txPath2 = 43, .txCombinerId = 3};
    Trx(1).Cabling() = {.txPath1 = 6, .txCombinerId = 1};
    site.CableGuy()->RecomputeCableStates(kSelectCandidate);
    const std::string before = Before();

    PageTXCablingController page(site, document);
    page.SelectTrx(1);
    EXPECT_EQ(page.Path1(), 6);
    ASSERT_TRUE(page.ChoosePath1(5));
    EXPECT_EQ(page.Path2(), 43);
    EXPECT_EQ(page.Combiner(), 3);
    EXPECT_EQ(Trx(1).Preview(kPreviewTxPath1), 5);
    EXPECT_EQ(Trx(1).Preview(kPreviewTxCombiner), 3);
    // Previewing records nothing.
    EXPECT_EQ(site.UndoCount(), 0);
    EXPECT_EQ(Trx(1).Cabling().txPath1, 6);

    ASSERT_TRUE(page.Set());
    EXPECT_EQ(Label(), PageTXCablingController::kSetLabel);
    EXPECT_EQ(Trx(1).Cabling(), (STrxCabling{.txPath1 = 5, .txPath2 = 43, .txCombinerId = 3}));
    EXPECT_EQ(Trx(1).Preview(kPreviewTxPath1), 0);
    EXPECT_NE(page.CablingStatus().find("GEDA 5"), std::string::npos);
    ExpectUndoGives(before);
}

TEST_F(CablingPages, SetMakesTheTrxsOnTheSamePath1Follow) {
    BuildCabinet();
    Trx(2).Cabling() = {.txPath1 = 5, .txCombinerId = 1};
    Trx(1).Cabling() = {.txPath1 = 5, .txCombinerId = 1};
    PageTXCablingController page(site, document);
    page.SelectTrx(1);
    ASSERT_TRUE(page.ChooseCombiner(3));
    // The other TRX on WBC 5 is shown what it would follow.
    EXPECT_EQ(Trx(2).Preview(kPreviewTxCombiner), 3);
    ASSERT_TRUE(page.Set());
    EXPECT_EQ(Trx(2).Cabling().txCombinerId, 3);
    EXPECT_FALSE(page.ChooseCombiner(11)); // DDU 6 does not exist
    EXPECT_FALSE(page.ChoosePath2(2));
}

TEST_F(CablingPages, ClearAllAnsweredNoRecordsNothing) {
    BuildCabinet();
    Trx(1).Cabling() = {
        .txPath1 = 5, .txCombinerId = 1, .rxCombinerId = 2, .rxMainMulticoupler = 1};
    const std::string before = Before();
    PageTXCablingController tx(site, document);
    PageRXCablingController rx(site, document);
    prompt.answers = {false, false};
    EXPECT_FALSE(tx.ClearAll());
    EXPECT_FALSE(rx.ClearAll());
    EXPECT_EQ(site.UndoCount(), 0);
    ExpectSameJson(Json(), before);
    EXPECT_EQ(prompt.questions, (std::vector<std::string>{
                                    "Are you sure you want to clear all\nTX cabling information?",
                                    "Are you sure you want to clear all\nRX main cabling "
                                    "information?"}));

    prompt.answers = {true};
    tx.SelectTrx(1);
    ASSERT_TRUE(tx.ClearAll());
    EXPECT_EQ(Label(), "Clear All TX Cabling");
    EXPECT_EQ(Trx(1).Cabling().txPath1, 0);
    EXPECT_EQ(Trx(1).Cabling().rxCombinerId, 2);
    EXPECT_EQ(tx.SelectedTrx(), 0);
    ExpectUndoGives(before);
}

TEST_F(CablingPages, RxPagesProposeTheCombinerOfTheSharedMulticoupler) {
    BuildCabinet();
    Trx(2).Cabling() = {.rxDiversityCombiner = 4, .rxDiversityMulticoupler = 8};
    PageRXDCablingController page(site, document);
    page.SelectTrx(1);
    ASSERT_TRUE(page.ChooseMulticoupler(8));
    EXPECT_EQ(page.Combiner(), 4);
    ASSERT_TRUE(page.Set());
    EXPECT_EQ(Label(), "Set RX Div Cabling");
    EXPECT_EQ(Trx(1).Cabling().rxDiversityMulticoupler, 8);
    EXPECT_EQ(Trx(1).Cabling().rxDiversityCombiner, 4);
    ASSERT_TRUE(page.Clear());
    EXPECT_EQ(Label(), "Clear RX Div Cabling");
    EXPECT_EQ(Trx(1).Cabling().rxDiversityMulticoupler, 0);
    // Without a TRX there is nothing to set.
    page.SelectTrx(0);
    EXPECT_FALSE(page.Set());
}

using AntennaPage = PageTest;

TEST_F(AntennaPage, LossAndGainGiveTheHydcTarget) {
    BuildCabinet();
    PageAntennaController page(site, document);
    page.SelectAntenna(1);
    ASSERT_TRUE(page.ChooseConnection(1));
    ASSERT_TRUE(page.ChooseMhaType(3));
    page.SetGsm900(true);
    EXPECT_EQ(page.BaseText(), "32 dB -");
    EXPECT_EQ(page.TargetText(), "= 28.4 dB");
    EXPECT_EQ(page.Losses().front(), (SComboItem{"+7.0", 700}));
    EXPECT_EQ(page.Gains().front(), (SComboItem{"+3.4", 340}));
    EXPECT_EQ(page.Gains().back(), (SComboItem{"-3.6", -360}));
    ASSERT_TRUE(page.ChooseLoss(700));
    EXPECT_EQ(page.Gain(), 340);
    ASSERT_TRUE(page.ChooseLoss(0));
    EXPECT_EQ(page.Gain(), -360);
    ASSERT_TRUE(page.ChooseGain(190));
    EXPECT_EQ(page.Loss(), 550);

    page.SetGsm900(false);
    EXPECT_EQ(page.Losses().front(), (SComboItem{"+10.0", 1000}));
    EXPECT_EQ(page.Gains().front(), (SComboItem{"+6.4", 640}));
    EXPECT_EQ(page.TargetText(), "= 29.4 dB");

    // Every loss offered has the gain that completes the line.
    for (const SComboItem& loss : page.Losses()) {
        EXPECT_TRUE(page.ChooseLoss(loss.data)) << loss.text;
        EXPECT_EQ(3300 - page.Loss() + page.Gain(), 2940) << loss.text;
    }

    // Low gain MHAs have a fixed gain, and then no loss is claimed to give the target.
    ASSERT_TRUE(page.ChooseMhaType(2));
    EXPECT_EQ(page.Gains(), (ComboItems{{"Fixed", 9999}}));
    EXPECT_FALSE(page.LossGainEnabled());
    EXPECT_EQ(page.Loss(), PageAntennaController::kNoLoss);
    page.SelectAntenna(2);
    EXPECT_EQ(page.Loss(), PageAntennaController::kNoLoss);
}

TEST_F(AntennaPage, SettingAnotherAntennasConnectionTakesItAway) {
    BuildCabinet();
    CAntenna& five = *Db().Antenna(5);
    five.SetConnectedCombiner(3);
    five.SetMhaType(6);
    five.SetAttenuation(250);
    const std::string before = Before();

    PageAntennaController page(site, document);
    page.SelectAntenna(2);
    ASSERT_TRUE(page.ChooseConnection(3));
    ASSERT_TRUE(page.ChooseMhaType(7));
    page.SetVswr(true);
    page.SetCosite(true); // not while VSWR is monitored
    ASSERT_TRUE(page.Set());
    EXPECT_EQ(Label(), PageAntennaController::kSetLabel);
    const CAntenna& two = *Db().Antenna(2);
    EXPECT_EQ(two.ConnectedCombiner(), 3);
    EXPECT_EQ(two.MhaType(), 8);
    EXPECT_EQ(two.CositeMha(), 0);
    EXPECT_EQ(two.Attenuation(), 190);
    EXPECT_EQ(Db().Antenna(5)->ConnectedCombiner(), 0);
    EXPECT_EQ(Db().Antenna(5)->Attenuation(), 0);
    EXPECT_EQ(Db().Antenna(5)->MhaType(), 6);
    ExpectUndoGives(before);

    prompt.answers = {false};
    EXPECT_FALSE(page.ClearAll());
    EXPECT_EQ(site.UndoCount(), 0);
    EXPECT_EQ(prompt.questions.back(), PageAntennaController::kClearAllQuestion);
}

TEST_F(AntennaPage, APreviewEndsWithTheAntennaAndTheGsm900MarkFollowsTheConnection) {
    BuildCabinet();
    const auto antennaCables = [this] {
        return std::count_if(Db().Cables().begin(), Db().Cables().end(),
                             [](const auto& c) { return c->CableType() == kCableAntenna; });
    };
    PageAntennaController page(site, document);
    page.SelectAntenna(1);
    ASSERT_TRUE(page.ChooseConnection(1));
    ASSERT_EQ(antennaCables(), 1);
    page.SelectAntenna(2);
    EXPECT_EQ(antennaCables(), 0) << "the preview of antenna 1 is no longer drawn";
    ASSERT_TRUE(page.ChooseConnection(3));
    page.DropPreview(); // the page is left
    EXPECT_EQ(antennaCables(), 0);

    page.SetGsm900(true);
    ASSERT_TRUE(page.ChooseConnection(0));
    EXPECT_FALSE(page.Gsm900()) << "no unit behind \"-\" uses GSM 900";
}

TEST_F(AntennaPage, TheMhaDecidesTheAntennaType) {
    InstallTrxs(1);
    CUnit& high = *Db().FindUnit(kUnitKindMha, 1);
    high.SetType(51);
    high.SetUpgrade(false);
    Db().Antenna(1)->SetAttenuation(9999);
    CUnit& low = *Db().FindUnit(kUnitKindMha, 2);
    low.SetType(53);
    low.SetUpgrade(false);
    Db().Antenna(2)->SetMhaType(4); // VSWR monitored
    Db().Antenna(2)->SetAttenuation(120);
    CUnit& bypass = *Db().FindUnit(kUnitKindMha, 3);
    bypass.SetType(69);
    bypass.SetUpgrade(false);
    Db().Antenna(3)->SetAttenuation(300);
    ApplyAntennaTypeRule(site);
    EXPECT_EQ(Db().Antenna(1)->MhaType(), 3);
    EXPECT_EQ(Db().Antenna(1)->Attenuation(), 190);
    EXPECT_EQ(Db().Antenna(2)->MhaType(), 5);
    EXPECT_EQ(Db().Antenna(2)->Attenuation(), 9999);
    EXPECT_EQ(Db().Antenna(3)->MhaType(), 7);
    EXPECT_EQ(Db().Antenna(3)->Attenuation(), 300);
    EXPECT_EQ(Db().Antenna(4)->MhaType(), 1); // an upgrade MHA
    EXPECT_EQ(Db().Antenna(4)->Attenuation(), 9999);
}

using CrossConnectionPage = PageTest;

TEST_F(CrossConnectionPage, OnlyResetChangesAHalf) {
    InstallTrxs(3);
    Trx(3).SetBb2Id(1);
    Trx(1).SetBb2Id(3);
    const std::string before = Before();
    PageBB2XconController page(site, document);
    page.SelectTrx(2);
    page.ChooseHalf(1);
    // TRX 3 holds half 1: the swap is only shown.
    EXPECT_EQ(Trx(2).Preview(kPreviewLink), 1);
    EXPECT_EQ(Trx(3).Preview(kPreviewLink), 2);
    EXPECT_EQ(Trx(2).Bb2Id(), 2);
    EXPECT_EQ(Trx(3).Bb2Id(), 1);
    EXPECT_EQ(site.UndoCount(), 0);

    ASSERT_TRUE(page.ResetEnabled());
    ASSERT_TRUE(page.Reset());
    EXPECT_EQ(Label(), PageBB2XconController::kResetLabel);
    EXPECT_EQ(Trx(1).Bb2Id(), 1);
    EXPECT_EQ(Trx(3).Bb2Id(), 3);
    EXPECT_FALSE(page.ResetEnabled());
    EXPECT_FALSE(page.Reset());
    ExpectUndoGives(before);
}

TEST_F(CrossConnectionPage, TheInformationPagesReadTheCandidate) {
    InstallTrxs(2);
    PageDifferencesController differences(site, document);
    EXPECT_EQ(differences.Text(1).rfind("Missing TX Cabling for:\n", 0), 0u);
    EXPECT_NE(differences.Text(1).find("RV"), std::string::npos);

    PageNoInfoOnBTSController bts(site, document);
    EXPECT_EQ(bts.State().bcfState, "No connection to BTS");
    EXPECT_EQ(bts.State().comment, "-");
    document.connected = true;
    document.bcfState = 9;
    EXPECT_EQ(bts.State().comment, "Sending and fetching configuration information enabled");
    document.bcfState = 4;
    EXPECT_EQ(bts.State().comment, "Sending and fetching configuration information disabled");
    document.rightsMissing = true;
    EXPECT_EQ(bts.State().comment,
              "User does not have permissions to send the configuration file to BTS.");
}

} // namespace

namespace {

using GonePages = PageTest;

using FollowingPages = PageTest;

// Pages follow what the views select, and only what they list.
TEST_F(FollowingPages, TheSelectionOfTheViews) {
    BuildCabinet();
    PageTXCablingController tx(site, document);
    tx.FollowSelection(kUnitKindTrx, 3);
    EXPECT_EQ(tx.SelectedTrx(), 3);
    tx.FollowSelection(kUnitKindTrx, 9); // an upgrade TRX is not listed
    EXPECT_EQ(tx.SelectedTrx(), 0);
    tx.FollowSelection(kUnitKindTrx, 2);
    tx.FollowSelection(kUnitKindDdu, 1);
    EXPECT_EQ(tx.SelectedTrx(), 0);
    EXPECT_EQ(document.selectedKind, 0);

    PageAntennaController antenna(site, document);
    antenna.FollowSelection(kUnitKindMha, 4);
    EXPECT_EQ(antenna.SelectedAntenna(), 4);
    antenna.FollowSelection(kUnitKindTrx, 1);
    EXPECT_EQ(antenna.SelectedAntenna(), 0);

    PageUnitsController units(site, document);
    units.FollowSelection(kUnitKindWbc, 5);
    EXPECT_EQ(units.SelectedKind(), kUnitKindWbc);
    EXPECT_TRUE(units.ModifyEnabled());
    units.FollowSelection(kUnitKindExternal, 1);
    EXPECT_EQ(units.SelectedKind(), 0);
}

// Undo replaces every unit object; pages look units up again and do nothing when theirs is gone.
TEST_F(GonePages, ActionsOnAUnitThatNoLongerExistsDoNothing) {
    BuildCabinet();
    ASSERT_TRUE(Db().DeleteUnit(Db().FindUnit(kUnitKindTrx, 6)));
    PageUnitsController units(site, document);
    units.Select(kUnitKindTrx, 6);
    ASSERT_TRUE(units.Add());
    PageTXCablingController tx(site, document);
    tx.SelectTrx(6);
    PageAntennaController antenna(site, document);
    antenna.SelectAntenna(3);
    ASSERT_EQ(site.Undo(kSelectCandidate), 1);

    const std::string before = Before();
    const int steps = site.UndoCount();
    EXPECT_FALSE(units.Modify());
    EXPECT_FALSE(units.Remove());
    EXPECT_FALSE(tx.ChoosePath1(5));
    EXPECT_FALSE(tx.Set());
    EXPECT_FALSE(tx.Clear());
    EXPECT_EQ(site.UndoCount(), steps);
    ExpectSameJson(Json(), before);
    // The antenna records belong to the configuration, which always has twelve.
    EXPECT_TRUE(antenna.Enabled());
}

} // namespace
