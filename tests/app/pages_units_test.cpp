// The cabinet and unit pages: what they offer, and that each edit is one undoable step.
#include "PageTestSupport.h"
#include "app/pages/ComboFillers.h"
#include "app/pages/PageCabinetControllers.h"
#include "app/pages/PageUnitsController.h"
#include "model/CabinetKODA.h"

#include <algorithm>

namespace {

std::vector<int> Data(const ComboItems& items) {
    std::vector<int> out;
    for (const auto& item : items) {
        out.push_back(item.data);
    }
    return out;
}

using CabinetPages = PageTest;

TEST_F(CabinetPages, MidiAndMiniClearWcdmaAndMrcAndUndoBringsThemBack) {
    PageCabUsageController usage(site, document);
    ASSERT_TRUE(usage.Apply({.wcdma = 1, .mrc = 1}));
    EXPECT_EQ(Label(), PageCabUsageController::kUndoLabel);
    const std::string before = Before();

    PageCabTypeController type(site, document);
    ASSERT_TRUE(type.ChooseType(kCabinetMini));
    EXPECT_EQ(Label(), PageCabTypeController::kUndoLabel);
    EXPECT_EQ(Db().CabinetSettings().cabinetType, kCabinetMini);
    EXPECT_EQ(Db().CabinetSettings().wcdma, 0);
    EXPECT_EQ(Db().CabinetSettings().mrc, 0);
    EXPECT_EQ(type.SelectedButton(), 4);
    EXPECT_EQ(document.changes, 2);
    ExpectUndoGives(before);

    // Choosing the type the cabinet has is no edit.
    const int steps = site.UndoCount();
    EXPECT_FALSE(type.ChooseType(kCabinetIndoor));
    EXPECT_FALSE(type.ChooseType(5));
    EXPECT_EQ(site.UndoCount(), steps);
}

TEST_F(CabinetPages, TheMiniCabinetOffersOnlyWhatItHasRoomFor) {
    BuildCabinet();
    AddUnit(kUnitKindDdu, 5, 44);
    AddUnit(kUnitKindRtc, 1, 41);
    AddUnit(kUnitKindWbt, 1, 66);
    // As a file may hold them: units the Mini has no place for, which the page would drop.
    const auto setType = [&](int type) {
        const SCabinetSettings s = Db().CabinetSettings();
        site.SetCabinet(s.clockSync, s.lte, s.vswr, 0, type, 0, kSelectCandidate);
    };
    setType(kCabinetMini);
    const CDataBaseKODA& db = Db();
    // DDU 1 and 3 (backplane connectors 1 and 2); no RTC, WBC, 6-way or WBT beyond 1.
    EXPECT_EQ(Data(combo::RxCombiners(db)), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(Data(combo::Multicouplers(db)), (std::vector<int>{0, 1}));
    EXPECT_EQ(Data(combo::WidebandUnits(db)), (std::vector<int>{0, 25, 26, 27}));
    EXPECT_EQ(Data(combo::TrxList(db, true)), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(combo::Antennas(db).size(), 5u);
    EXPECT_EQ(combo::Bb2Halves(db).size(), 4u); // BB2 1 and 2

    setType(kCabinetIndoor);
    EXPECT_EQ(Data(combo::RxCombiners(Db())), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 13, 14}));
    EXPECT_EQ(Data(combo::TxCombiners(Db())), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 13}));
    EXPECT_EQ(Data(combo::Multicouplers(Db())), (std::vector<int>{0, 1, 8}));
    EXPECT_EQ(Data(combo::WidebandUnits(Db())),
              (std::vector<int>{0, 25, 26, 27, 43, 44, 45, 5, 6}));
}

TEST_F(CabinetPages, TheSwLevelDecidesTheLmuChoicesAndWcdma) {
    PageCabUsageController usage(site, document);
    Db().SetCabinetSettings({3, 0, 0, 1, kCabinetIndoor, 1});

    Db().SetSwLevel(CUcSwVersion(1));
    SCabUsageState st = usage.State();
    EXPECT_FALSE(st.lmuChoicesVisible);
    EXPECT_EQ(st.clockSync, 0);
    EXPECT_FALSE(st.wcdmaEnabled);
    EXPECT_FALSE(st.wcdma);
    EXPECT_FALSE(st.mrc);
    // Showing changes nothing stored.
    EXPECT_EQ(Db().CabinetSettings().clockSync, 3);
    EXPECT_FALSE(usage.SetClockSync(2));
    EXPECT_FALSE(usage.SetWcdma(true));

    Db().SetSwLevel(CUcSwVersion(31));
    EXPECT_EQ(usage.State().clockSync, 1);
    EXPECT_TRUE(usage.State().wcdmaEnabled);

    Db().SetSwLevel(CUcSwVersion(2));
    st = usage.State();
    EXPECT_TRUE(st.lmuChoicesVisible);
    EXPECT_EQ(st.clockSync, 3);
    EXPECT_TRUE(usage.SetClockSync(2));

    // A connected BTS at level 1 has no WCDMA upgrade, whatever the candidate says.
    document.btsSwLevel = 1;
    EXPECT_FALSE(usage.State().wcdmaEnabled);
    EXPECT_FALSE(usage.Refusal({.wcdma = 1}).empty());
}

TEST_F(CabinetPages, MrcOnlyWithWcdmaAndOneStepPerChange) {
    PageCabUsageController usage(site, document);
    EXPECT_FALSE(usage.SetMrc(true));
    EXPECT_EQ(site.UndoCount(), 0);
    const std::string before = Before();
    ASSERT_TRUE(usage.Apply({.lte = 1, .vswr = 1, .wcdma = 1, .mrc = 1}));
    EXPECT_EQ(site.UndoCount(), 1);
    EXPECT_TRUE(usage.State().mrcEnabled);
    // Switching the upgrade off takes MRC with it.
    ASSERT_TRUE(usage.SetWcdma(false));
    EXPECT_EQ(Db().CabinetSettings().mrc, 0);
    EXPECT_FALSE(usage.SetLte(true)); // already so: no step
    EXPECT_EQ(site.UndoCount(), 2);
    site.Undo(kSelectCandidate);
    ExpectUndoGives(before);
}

using UnitsPage = PageTest;

TEST_F(UnitsPage, RemovingAUnitFromTheBtsKeepsItAsUpgrade) {
    BuildCabinet();
    Trx(2).Cabling().txCombinerId = 1;
    PageUnitsController page(site, document);
    page.Select(kUnitKindTrx, 2);
    ASSERT_TRUE(page.RemoveEnabled());
    const std::string before = Before();
    ASSERT_TRUE(page.Remove());
    EXPECT_EQ(Label(), PageUnitsController::kRemoveLabel);
    page.Leave();
    ASSERT_NE(Db().FindUnit(kUnitKindTrx, 2), nullptr);
    EXPECT_TRUE(Trx(2).IsUpgrade());
    EXPECT_EQ(Trx(2).Cabling().txCombinerId, 0);
    EXPECT_EQ(Trx(2).Mark(), 0);
    ExpectUndoGives(before);
}

TEST_F(UnitsPage, RemovingAUnitTheUserAddedDeletesItWithItsCables) {
    BuildCabinet();
    ASSERT_TRUE(Db().DeleteUnit(Db().FindUnit(kUnitKindTrx, 6)));
    PageUnitsController page(site, document);
    page.Select(kUnitKindTrx, 6);
    ASSERT_TRUE(page.IsNotYetAdded());
    ASSERT_TRUE(page.AddEnabled());
    ASSERT_TRUE(page.Add());
    EXPECT_EQ(Label(), PageUnitsController::kAddLabel);
    EXPECT_FALSE(Trx(6).IsUpgrade());
    Trx(6).Cabling().txPath1 = 1;
    Trx(6).Cabling().txCombinerId = 1;
    site.CableGuy()->RecomputeCableStates(kSelectCandidate);
    auto cablesOf6 = [&] {
        int n = 0;
        for (const auto& c : Db().Cables()) {
            n += c->TrxNumber() == 6 ? 1 : 0;
        }
        return n;
    };
    ASSERT_GT(cablesOf6(), 0);

    ASSERT_TRUE(page.Remove());
    // The page still shows where it stood, so that it can be added again, until it is left.
    EXPECT_TRUE(page.IsNotYetAdded());
    page.Leave();
    EXPECT_EQ(Db().FindUnit(kUnitKindTrx, 6), nullptr);
    EXPECT_EQ(cablesOf6(), 0);
}

TEST_F(UnitsPage, AUnitNotYetAddedNeverReachesAnUndoStep) {
    BuildCabinet();
    const std::string before = Before();
    PageUnitsController page(site, document);
    page.Select(kUnitKindWbc, 8);
    ASSERT_TRUE(page.IsNotYetAdded());
    EXPECT_EQ(page.LocationText().empty(), false);
    ASSERT_TRUE(page.ChooseType(47));
    ASSERT_TRUE(page.Add());
    EXPECT_EQ(Db().FindUnit(kUnitKindWbc, 8)->TypeId(), 47);
    ExpectUndoGives(before);

    // Choosing elsewhere drops the unit again.
    page.Select(kUnitKindWbc, 9);
    page.Select(kUnitKindTrx, 1);
    EXPECT_EQ(Db().FindUnit(kUnitKindWbc, 9), nullptr);
    ExpectSameJson(Json(), before);
}

TEST_F(UnitsPage, ModifyOntoAnOccupiedSlotLeavesOneUnitThere) {
    BuildCabinet();
    Trx(1).Cabling().txPath1 = 5;
    PageUnitsController page(site, document);
    page.Select(kUnitKindWbc, 5);
    ASSERT_TRUE(page.ModifyEnabled());
    ASSERT_TRUE(combo::Offers(page.Slots(), 6));
    ASSERT_TRUE(page.ChooseType(47));
    page.ChooseSlot(6);
    const std::string before = Before();
    ASSERT_TRUE(page.Modify());
    EXPECT_EQ(Label(), PageUnitsController::kModifyLabel);
    EXPECT_EQ(Db().FindUnit(kUnitKindWbc, 5), nullptr);
    EXPECT_EQ(Db().FindUnit(kUnitKindWbc, 6)->TypeId(), 47);
    // The unit that went takes its references along.
    EXPECT_EQ(Trx(1).Cabling().txPath1, 0);
    EXPECT_EQ(page.SelectedNumber(), 6);
    ExpectUndoGives(before);
}

TEST_F(UnitsPage, ModifyToAFreeSlotMovesADduWithItsAntennas) {
    BuildCabinet();
    Db().Antenna(1)->SetConnectedCombiner(2); // DDU 1 port b
    PageUnitsController page(site, document);
    page.Select(kUnitKindDdu, 1);
    page.ChooseSlot(9);
    EXPECT_EQ(page.ConnectorChangeText(), "(Backplane-connector changes from 1 to 5)");
    ASSERT_TRUE(page.Modify());
    EXPECT_EQ(Db().FindUnit(kUnitKindDdu, 1), nullptr);
    EXPECT_EQ(Db().FindUnit(kUnitKindDdu, 9)->DisplayedNumber(), 5);
    EXPECT_EQ(Db().Antenna(1)->ConnectedCombiner(), 10);
}

TEST_F(UnitsPage, ABandEqualToTheCurrentOneRecordsNothing) {
    PageUnitsController page(site, document);
    const int band = Db().Band();
    EXPECT_FALSE(page.ChangeBand(band));
    EXPECT_FALSE(page.ChangeBand(5));
    EXPECT_EQ(site.UndoCount(), 0);
    EXPECT_EQ(document.bandChanges, 0);

    // The two combos together give the band: 1800 with some EDGE transceivers.
    EXPECT_EQ(Data(PageUnitsController::EdgeChoices()), (std::vector<int>{0, 256, 128}));
    const auto networks = Data(PageUnitsController::NetworkTypes());
    EXPECT_NE(std::find(networks.begin(), networks.end(), 3), networks.end());
    for (int network : networks) {
        EXPECT_EQ(network & ~kBandMaskBits, 0) << network;
        EXPECT_TRUE(PageUnitsController::IsOfferedBand(PageUnitsController::BandOf(network, 256)));
    }
    EXPECT_EQ(page.NetworkType(), 2);
    EXPECT_EQ(page.EdgeChoice(), 0);

    const std::string before = Before();
    ASSERT_TRUE(page.ChangeBand(3));
    EXPECT_EQ(Label(), "Change Band To 900/1800");
    EXPECT_EQ(Db().Band(), 3);
    EXPECT_EQ(document.bandChanges, 1);
    ExpectUndoGives(before);
}

TEST_F(UnitsPage, DualBandNetworksWarnWhenATypeIsChosen) {
    InstallTrxs(1);
    PageUnitsController page(site, document);
    page.ChangeBand(3);
    page.Select(kUnitKindTrx, 1);
    ASSERT_FALSE(page.Types().empty());
    ASSERT_TRUE(page.ChooseType(page.Types().front().data));
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0], PageUnitsController::kDualBandNote);
}

TEST_F(UnitsPage, TheMiniCabinetLeavesOutKindsItHasNoPlaceFor) {
    PageUnitsController page(site, document);
    const auto all = Data(page.Kinds());
    PageCabTypeController(site, document).ChooseType(kCabinetMini);
    const auto mini = Data(page.Kinds());
    EXPECT_EQ(all.front(), 0);
    EXPECT_LT(mini.size(), all.size());
    EXPECT_EQ(std::count(mini.begin(), mini.end(), kUnitKindRtc), 0);
}

} // namespace
