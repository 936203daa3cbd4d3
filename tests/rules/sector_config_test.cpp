// Sector configurations: indexes, placing on the grid with diversity ports, and the
// pre-defined ones applied to a new site.
#include "RulesFixture.h"
#include "rules/ConfigLists.h"
#include "rules/RuleBook.h"
#include "rules/SectorConfigKODAMaster.h"

namespace {

class SectorConfigTest : public RulesTest {
protected:
    CSectorConfigKODAMaster sectors;
};

TEST_F(SectorConfigTest, GlobalIndexesWalkTheSources) {
    EXPECT_EQ(sectors.Count(), 17);
    EXPECT_EQ(sectors.Name(0), "< New >");
    EXPECT_EQ(sectors.Name(1), "2+2+2");
    EXPECT_EQ(sectors.Name(5), "6+6 (RTC)");
    EXPECT_EQ(sectors.Name(16), "4+4+4 (2:1 - WBT)");
    EXPECT_EQ(sectors.Name(17), "-");
    EXPECT_EQ(sectors.Name(-1), "-");
    EXPECT_EQ(sectors.Record(17), nullptr);
    EXPECT_EQ(sectors.Type(0), 15);
    EXPECT_EQ(sectors.FindByName("12 (Omni)"), 7);
    EXPECT_EQ(sectors.Scheme(17, 1), 0);
    EXPECT_FALSE(sectors.PlaceOnGrid(17, kBand1800, grid));

    CTableVector table;
    sectors.FillColumn(17, 1, table);
    EXPECT_EQ(table.cells[0][1], "-");
    sectors.FillColumn(1, 1, table);
    EXPECT_EQ(table.cells[4][1], "2");
    EXPECT_EQ(table.cells[2][1], "-");
}

TEST_F(SectorConfigTest, OwnConfigurationStartsEmptyAndCopiesOthers) {
    for (int p = 1; p <= 12; ++p) {
        EXPECT_EQ(sectors.Band(0, p), kBand900);
        EXPECT_EQ(sectors.Sector(0, p), 0);
    }
    EXPECT_EQ(sectors.Band(0, 13), 0);
    // Pre-defined configurations are read-only.
    EXPECT_FALSE(sectors.SetScheme(3, 1, 7));
    EXPECT_TRUE(sectors.SetScheme(0, 1, 7));
    EXPECT_EQ(sectors.Scheme(0, 1), 7);
    sectors.Own().SaveCopy();
    ASSERT_TRUE(sectors.CopyFrom(0, 5));
    EXPECT_EQ(sectors.Sector(0, 7), 2);
    EXPECT_EQ(sectors.Band(0, 7), 0);
    sectors.Own().RestoreCopy();
    EXPECT_EQ(sectors.Sector(0, 7), 0);
    EXPECT_EQ(sectors.Scheme(0, 1), 7);
}

TEST_F(SectorConfigTest, PlacingComputesDiversityPorts) {
    ASSERT_TRUE(sectors.PlaceOnGrid(5, kBand1800, grid)); // 6+6 (RTC)
    EXPECT_EQ(grid.SchemeAt(1), 7);
    EXPECT_EQ(grid.SchemeAt(7), 7);
    EXPECT_EQ(grid.PlaceInGroup(1), 1);
    EXPECT_EQ(grid.PlaceInGroup(7), 1);
    for (int p = 1; p <= 6; ++p) {
        EXPECT_EQ(grid.DiversityPort(p), 14) << p;
        EXPECT_EQ(grid.DiversityPort(p + 6), 16) << p;
    }

    CKodaConfigMaster omni(site);
    ASSERT_TRUE(sectors.PlaceOnGrid(7, kBand1800, omni)); // 12 (Omni)
    EXPECT_EQ(omni.DiversityPort(1), 15);
    EXPECT_EQ(omni.DiversityPort(6), 15);
    EXPECT_EQ(omni.DiversityPort(7), 13);
    EXPECT_EQ(omni.DiversityPort(12), 13);

    CKodaConfigMaster sixes(site);
    ASSERT_TRUE(sectors.PlaceOnGrid(1, kBand1800, sixes)); // 2+2+2
    EXPECT_EQ(sixes.DiversityPort(1), 2);
    EXPECT_EQ(sixes.DiversityPort(2), 2);
    EXPECT_EQ(sixes.DiversityPort(5), 6);
    EXPECT_EQ(sixes.DiversityPort(3), 0);
}

TEST_F(SectorConfigTest, DiversityChoicesListTheSectorsOtherOutputs) {
    ASSERT_TRUE(sectors.PlaceOnGrid(1, kBand1800, grid));
    grid.Apply(kBand1800);
    CChoiceVector choices;
    sectors.FillDiversityChoices(1, 1, 1, choices, 2, grid);
    ASSERT_EQ(choices.entries.size(), 1u);
    EXPECT_EQ(choices.entries[0].value, 2);
    EXPECT_EQ(choices.entries[0].text.back(), 'b');
    EXPECT_EQ(choices.selected, 0);

    sectors.FillDiversityChoices(17, 1, 1, choices, 2, grid);
    EXPECT_TRUE(choices.entries.empty());
}

TEST_F(SectorConfigTest, ShowAndApplyBandGivesTransceiversTheBand) {
    ASSERT_TRUE(sectors.PlaceOnGrid(5, kBand900, grid));
    grid.Apply(kBand900);
    CTableVector table;
    sectors.ShowAndApplyBand(5, kBand900, table, grid);
    EXPECT_EQ(grid.Trx(3)->Band(), kBand900);
    EXPECT_EQ(table.cells[2][1], "1");
    EXPECT_EQ(table.cells[8][1], "2");
    EXPECT_FALSE(table.cells[0][0].empty());
    EXPECT_FALSE(table.cells[0][2].empty());
}

// The sector dialog shows the own configuration again after every change with no band given:
// each row keeps the network the user chose for it.
TEST_F(SectorConfigTest, OwnRowsKeepTheirBandsWhenNoBandIsGiven) {
    CSectorConfigKODAOwn& own = sectors.Own();
    own.SetBand(1, kBand1800);
    own.SetBand(2, kBand900);
    own.SetSector(1, 1);
    own.SetSector(2, 1);
    CTableVector table;
    sectors.ShowAndApplyBand(0, 0, table, grid);
    EXPECT_EQ(sectors.Band(0, 1), kBand1800);
    EXPECT_EQ(sectors.Band(0, 2), kBand900);
    EXPECT_EQ(grid.Trx(1)->Band(), kBand1800);
    EXPECT_EQ(grid.Trx(2)->Band(), kBand900);
    EXPECT_EQ(table.cells[1][2], "900");

    // A band with only some transceivers EDGE is no single band either.
    sectors.ShowAndApplyBand(0, kBand900 | 0x100, table, grid);
    EXPECT_EQ(sectors.Band(0, 1), kBand1800);
    // A single band overrides every row; a dual band only the rows outside it.
    sectors.ShowAndApplyBand(0, kBand1900, table, grid);
    EXPECT_EQ(sectors.Band(0, 2), kBand1900);
    own.SetBand(2, kBand1800);
    own.SetBand(3, kBand1900 | 0x80);
    sectors.ShowAndApplyBand(0, 3, table, grid);
    EXPECT_EQ(sectors.Band(0, 2), kBand1800);
    EXPECT_EQ(sectors.Band(0, 3), kBand900 | 0x80);
}

// The name column shows the transceiver as the new band made it.
TEST_F(SectorConfigTest, PreDefinedListNamesTheTransceiverAfterItsBandChange) {
    ASSERT_TRUE(sectors.PlaceOnGrid(5, kBand900, grid));
    grid.Apply(kBand900);
    CTableVector table;
    sectors.ShowAndApplyBand(5, kBand900, table, grid);
    const std::string before = grid.Trx(3)->DisplayName();
    sectors.ShowAndApplyBand(5, kBand1800, table, grid);
    ASSERT_NE(grid.Trx(3)->DisplayName(), before);
    EXPECT_EQ(table.cells[2][0], grid.Trx(3)->DisplayName());
}

TEST_F(SectorConfigTest, AClearedGridTakesTheSameConfigurationAgain) {
    ASSERT_TRUE(sectors.PlaceOnGrid(15, kBand1800, grid)); // 3+3+3 (2:1 - WBT)
    grid.Apply(kBand1800);
    const STrxCabling first = Refs(3);
    // The transceivers' references still name the WBT inputs the schemes want.
    CKodaConfigMaster again(site);
    EXPECT_FALSE(sectors.PlaceOnGrid(15, kBand1800, again));
    CKodaConfigMaster cleared(site);
    cleared.Clear();
    EXPECT_FALSE(Has(kUnitKindWbt, 4));
    ASSERT_TRUE(sectors.PlaceOnGrid(15, kBand1800, cleared));
    cleared.Apply(kBand1800);
    EXPECT_EQ(Refs(3), first);
}

TEST_F(SectorConfigTest, OwnConfigurationFollowsTheGrid) {
    ASSERT_TRUE(sectors.SetDiversitySource(0, 1, 2));
    ASSERT_TRUE(grid.PlaceScheme(1, 3));
    sectors.TakeOwnFromGrid(grid);
    EXPECT_EQ(sectors.Scheme(0, 1), 3);
    EXPECT_EQ(sectors.Scheme(0, 2), 3);
    EXPECT_EQ(sectors.DiversitySource(0, 1), 0);

    // Only while the own configuration is the selected one.
    sectors.Select(4);
    ASSERT_TRUE(grid.PlaceScheme(5, 3));
    sectors.TakeOwnFromGrid(grid);
    EXPECT_EQ(sectors.Scheme(0, 5), 0);
}

// Every pre-defined configuration fits a new site and yields cables the rules accept. The only
// remarks are on the WBT groups that run their second TX stage into input B of the same WBT.
TEST_F(SectorConfigTest, EveryPreDefinedConfigurationCablesAsTheRulesWant) {
    const CRuleBookKODA book;
    for (int index = 1; index <= 16; ++index) {
        SCOPED_TRACE(sectors.Name(index));
        CBtsConfiguration::Drop();
        CSiteKODA fresh;
        CKodaConfigMaster g(fresh);
        ASSERT_TRUE(sectors.PlaceOnGrid(index, kBand1800, g));
        g.Apply(kBand1800);
        CDataBase& db = *fresh.GetConfiguration(kSelectCandidate);
        int withSector = 0;
        for (int p = 1; p <= 12; ++p) {
            if (sectors.Sector(index, p) == 0) {
                continue;
            }
            ++withSector;
            ASSERT_NE(g.Trx(p), nullptr) << p;
            EXPECT_FALSE(g.Trx(p)->IsUpgrade()) << p;
            EXPECT_NE(g.Trx(p)->Cabling().txCombinerId, 0) << p;
            EXPECT_NE(g.Trx(p)->Cabling().rxMainMulticoupler, 0) << p;
        }
        EXPECT_GT(withSector, 0);
        ASSERT_FALSE(db.Cables().empty());
        for (const auto& cable : db.Cables()) {
            if (cable->CableType() == kCableRxDiv) {
                continue;
            }
            const SVerdict v = book.CheckCable(*cable->Start(), *cable->End());
            if (v.code == 3) {
                EXPECT_EQ(cable->Start()->Kind(), kUnitKindWbt);
                continue;
            }
            EXPECT_EQ(v.code, 0) << cable->Start()->DisplayName() << " - "
                                 << cable->End()->DisplayName() << ": " << v.message;
        }
    }
}

} // namespace
