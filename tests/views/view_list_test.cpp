// The list pane's rows and columns of each view, "No information", sorting, and the texts of
// the Differences list.
#include <gtest/gtest.h>

#include "app/views/ViewPagesKODA.h"
#include "model/CabinetKODA.h"
#include "support/ViewTestHost.h"

using testsupport::SSampleViews;

namespace {

std::vector<std::string> FirstColumn(const SListContent& c) {
    std::vector<std::string> out;
    for (const SListRow& r : c.rows) {
        out.push_back(r.cells.empty() ? "" : r.cells[0]);
    }
    return out;
}

} // namespace

TEST(ViewList, ColumnsFollowTheWidebandOption) {
    SSampleViews s;
    const auto columns = [&](int view, int settings) {
        s.manager->SetViewSettings(settings);
        s.manager->ActivateView(view);
        return s.manager->ListContent().columns;
    };
    using V = std::vector<std::string>;
    EXPECT_EQ(columns(kViewTxCabling, 0), (V{"RVx", "TX Combiner"}));
    EXPECT_EQ(columns(kViewTxCabling, 1), (V{"RVx", "Path 1", "Path 2", "TX Combiner"}));
    EXPECT_EQ(columns(kViewRxMainCabling, 0), (V{"RVx", "RX Combiner"}));
    EXPECT_EQ(columns(kViewRxMainCabling, 1), (V{"RVx", "RX Main Multicoupler", "RX Combiner"}));
    EXPECT_EQ(columns(kViewRxDivCabling, 0), (V{"RVx", "RX Div Combiner"}));
    EXPECT_EQ(columns(kViewRxDivCabling, 1), (V{"RVx", "RX Div Multicoupler", "RX Div Combiner"}));
    // Views without a variant keep their columns.
    EXPECT_EQ(columns(kViewAllCabling, 1),
              (V{"RVx", "TX Combiner", "RX Combiner", "RX Div Combiner"}));
    EXPECT_EQ(columns(kViewCabinetUnits, 0),
              (V{"Unit Name", "Rack / Shelf / Slot", "Unit Type", "Frequency"}));
}

TEST(ViewList, TransceiverRowsCarryTheNamesOfTheUnitsTheyAreCabledTo) {
    SSampleViews s;
    auto& db = s.Candidate();
    auto* trx1 = db.Find<CUnitKTrx>(kUnitKindTrx, 1);
    const STrxCabling c = trx1->Cabling();
    s.manager->SetViewSettings(1);
    s.manager->ActivateView(kViewTxCabling);
    SListContent list = s.manager->ListContent();
    ASSERT_EQ(list.rows.size(), 12u);
    const SListRow& row = list.rows[0];
    EXPECT_EQ(row.unitKind, kUnitKindTrx);
    EXPECT_EQ(row.unitNumber, 1);
    ASSERT_EQ(row.cells.size(), 4u);
    EXPECT_EQ(row.cells[0], trx1->DisplayName());
    EXPECT_EQ(row.cells[1], db.FindUnitByDisplayedNumber(kUnitKindWbc, c.txPath1)->DisplayName());
    EXPECT_EQ(row.cells[2], c.txPath2 == 0 ? "-" : row.cells[2]);
    const CUnit* ddu = db.FindUnitByDisplayedNumber(kUnitKindDdu, (c.txCombinerId - 1) / 2 + 1);
    EXPECT_EQ(row.cells[3], ddu->DisplayName(c.txCombinerId));

    s.manager->ActivateView(kViewRxMainCabling);
    list = s.manager->ListContent();
    EXPECT_EQ(list.rows[0].cells[1],
              db.FindUnitByDisplayedNumber(kUnitKindMc2, trx1->Cabling().rxMainMulticoupler)
                  ->DisplayName());
    // A transceiver without a multicoupler shows "-".
    db.Find<CUnitKTrx>(kUnitKindTrx, 12)->Cabling().rxMainMulticoupler = 0;
    list = s.manager->ListContent();
    EXPECT_EQ(list.rows[11].cells[1], "-");

    s.manager->ActivateView(kViewBB2);
    list = s.manager->ListContent();
    EXPECT_EQ(list.rows[0].cells[1], db.FindUnit(kUnitKindBb2, 1)->DisplayName(1));
    EXPECT_EQ(list.rows[3].cells[1], db.FindUnit(kUnitKindBb2, 2)->DisplayName(4));
}

TEST(ViewList, CabinetInformationAndUnitsAndAntennas) {
    SSampleViews s;
    s.manager->ActivateView(kViewCabinetInfo);
    SListContent list = s.manager->ListContent();
    EXPECT_EQ(FirstColumn(list),
              (std::vector<std::string>{"Cabinet Type", "Clock Sync Used", "LTE Installed",
                                        "WCDMA Upgrade", "UC SW Version"}));
    EXPECT_EQ(list.rows[0].cells[1], "Indoor");
    EXPECT_EQ(list.rows[0].unitKind, 0);

    s.manager->ActivateView(kViewCabinetUnits);
    list = s.manager->ListContent();
    const CUnit* mc = s.Candidate().FindUnit(kUnitKindMc2, 3);
    const auto it = std::find_if(list.rows.begin(), list.rows.end(),
                                 [mc](const SListRow& r) { return r.Names(mc); });
    ASSERT_NE(it, list.rows.end());
    EXPECT_EQ(it->cells[1], "4 /  2 /  3");
    EXPECT_EQ(it->cells[3], "1800/1900");
    const CUnit* power = s.Candidate().FindUnit(kUnitKindPwr, 1);
    const auto pwr = std::find_if(list.rows.begin(), list.rows.end(),
                                  [power](const SListRow& r) { return r.Names(power); });
    ASSERT_NE(pwr, list.rows.end());
    EXPECT_EQ(pwr->cells[3], "-");
    for (const SListRow& r : list.rows) {
        EXPECT_FALSE(s.Candidate().FindUnit(r.unitKind, r.unitNumber)->IsUpgrade());
    }

    s.manager->ActivateView(kViewAntenna);
    list = s.manager->ListContent();
    ASSERT_GE(list.rows.size(), 6u);
    EXPECT_EQ(list.rows[0].cells[0], "Antenna 1");
    // The sample's records say low gain, its MHAs are high gain ones: the view shows the records
    // as they follow their MHAs, and keeps a high gain MHA's attenuation.
    EXPECT_EQ(list.rows[0].cells[2], "High gain MHA");
    EXPECT_EQ(list.rows[0].cells[3], "+1.75");
    EXPECT_EQ(list.rows[2].cells[2], "High gain MHA");
    EXPECT_EQ(list.rows[0].unitKind, kUnitKindMha);
}

TEST(ViewList, EmptyListShowsNoInformation) {
    SSampleViews s;
    s.manager->ActivateView(kViewPassive);
    SListContent list = s.manager->ListContent();
    ASSERT_EQ(list.rows.size(), 1u);
    EXPECT_EQ(list.rows[0].cells, (std::vector<std::string>{"No information"}));
    EXPECT_EQ(list.rows[0].unitKind, 0);

    CHWInfoFile passive;
    passive.SetSlot(5, 0, "SN0001", "PROD-1");
    s.host.candidatePassive = &passive;
    list = s.manager->ListContent();
    ASSERT_EQ(list.rows.size(), 1u);
    EXPECT_EQ(list.rows[0].cells[1], "SN0001");
    EXPECT_EQ(list.rows[0].passiveGroup, 5);
}

TEST(ViewList, HeaderClicksSortAndReverse) {
    SSampleViews s;
    s.manager->ActivateView(kViewBB2);
    s.manager->Sorting().HeaderClicked(0);
    std::vector<std::string> names = FirstColumn(s.manager->ListContent());
    // Numbers inside names sort by value.
    const auto* trx9 = s.Candidate().FindUnit(kUnitKindTrx, 9);
    const auto* trx10 = s.Candidate().FindUnit(kUnitKindTrx, 10);
    EXPECT_LT(std::find(names.begin(), names.end(), trx9->DisplayName()),
              std::find(names.begin(), names.end(), trx10->DisplayName()));
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end(), [](const auto& a, const auto& b) {
        return CompareNatural(a, b) < 0;
    }));
    s.manager->Sorting().HeaderClicked(0);
    std::vector<std::string> reversed = FirstColumn(s.manager->ListContent());
    std::reverse(reversed.begin(), reversed.end());
    EXPECT_EQ(reversed, names);
    // Another header starts ascending again.
    s.manager->Sorting().HeaderClicked(1);
    EXPECT_TRUE(s.manager->Sorting().Ascending());
    EXPECT_EQ(s.manager->Sorting().Column(), 1);
}

TEST(ViewList, NaturalComparison) {
    EXPECT_LT(CompareNatural("RVGA 2", "RVGA 10"), 0);
    EXPECT_GT(CompareNatural("RVGA 10", "RVGA 9"), 0);
    EXPECT_EQ(CompareNatural("a007", "A7"), 0);
    EXPECT_LT(CompareNatural("HYGA 1", "HYGA 1 a"), 0);
    EXPECT_LT(CompareNatural("", "x"), 0);
}

TEST(ViewList, ColumnsFitThePaneCuttingTheWidestTextsFirst) {
    // Room for every text: each column as wide as its texts, never below its least.
    EXPECT_EQ(FitColumnWidths(600, {100, 100, 100}, {150, 60, 200}),
              (std::vector<int>{150, 100, 200}));
    // Too little room: the two widest give way alike, the others stay whole, the last column
    // ends at the pane's edge.
    EXPECT_EQ(FitColumnWidths(650, {120, 150, 120, 120}, {170, 230, 230, 90}),
              (std::vector<int>{170, 180, 180, 120}));
    // Least widths alone wider than the pane: those, and the list scrolls.
    EXPECT_EQ(FitColumnWidths(200, {120, 150}, {300, 300}), (std::vector<int>{120, 150}));
    EXPECT_TRUE(FitColumnWidths(100, {}, {}).empty());
}

TEST(ViewList, DifferencesRowsWithSummariesAndComparison) {
    SSampleViews s(true);
    s.manager->ActivateView(kViewDifferences);
    SListContent list = s.manager->ListContent();
    EXPECT_EQ(list.columns, (std::vector<std::string>{"View", "Configuration Candidate",
                                                      "Currently in BTS", "Compared"}));
    ASSERT_FALSE(list.rows.empty());
    bool unitsNotCompared = false;
    for (const SListRow& r : list.rows) {
        ASSERT_GE(r.cells.size(), 4u);
        if (r.cells[0] == "Cabinet Units") {
            // Offline the BTS says nothing of its units: no verdict either way.
            unitsNotCompared = r.cells[3] == "Not compared";
            EXPECT_EQ(r.cells[2], "-");
        }
    }
    EXPECT_TRUE(unitsNotCompared);
    EXPECT_EQ(s.manager->FindView(kViewTxCabling)->ComparedText(),
              s.manager->FindView(kViewTxCabling)->ComparedText());
}

TEST(ViewList, SummaryTextsOfTheViews) {
    SSampleViews s(true);
    EXPECT_EQ(s.manager->FindView(kViewBB2)->SummaryText(kSelectCandidate), "Straight through");
    const std::string units = s.manager->FindView(kViewCabinetUnits)->SummaryText(kSelectCandidate);
    EXPECT_EQ(units.rfind("12 RVx / ", 0), 0u) << units;
    EXPECT_NE(units.find(" cabling units"), std::string::npos) << units;
    // Without a connection the BTS has nothing to say about its units.
    EXPECT_EQ(s.manager->FindView(kViewCabinetUnits)->SummaryText(kSelectBts), "-");
    s.host.connected = true;
    EXPECT_EQ(s.manager->FindView(kViewCabinetUnits)->SummaryText(kSelectBts).rfind("11 RVx / ", 0),
              0u);
}

TEST(ViewMenus, GeneralMenuOnTheCandidateTabAndTheBtsMenuOnTheBtsTab) {
    SSampleViews s(true);
    EXPECT_EQ(s.manager->ContextMenu(), 364);
    s.ShowBts(true);
    EXPECT_EQ(s.manager->ContextMenu(), 362);
}

TEST(ViewTabs, SelectionFollowsToTheSameUnitOrIsCleared) {
    SSampleViews s(true);
    s.manager->ActivateView(kViewTxCabling);
    s.manager->SelectUnit(s.Candidate().FindUnit(kUnitKindTrx, 2));
    s.ShowBts(true);
    CUnit* inBts = s.manager->SelectedUnit();
    ASSERT_NE(inBts, nullptr);
    EXPECT_EQ(inBts, CBtsConfiguration::Get()->FindUnit(kUnitKindTrx, 2));
    s.ShowBts(false);
    s.manager->SelectUnit(s.Candidate().FindUnit(kUnitKindTrx, 12));
    s.ShowBts(true);
    EXPECT_EQ(s.manager->SelectedUnit(), nullptr);
}
