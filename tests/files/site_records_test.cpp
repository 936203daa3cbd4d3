#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "files/SCFSite.h"
#include "files/SiteConfigFile.h"
#include "files/SiteRecords.h"
#include "model/BtsConfiguration.h"
#include "model/FakeSiteHost.h"
#include "model/SiteKODA.h"
#include "model/SiteTARN.h"
#include "model/UnitKTrx.h"
#include "model/UnitsKODA.h"

namespace {

bool SameUnit(const CSCFUnit& a, const CSCFUnit& b) {
    return a.typeId == b.typeId && a.slot == b.slot && a.index == b.index;
}

bool SameCabling(const CSCFTrxCabling& a, const CSCFTrxCabling& b) {
    return a.trxNumber == b.trxNumber && a.logicalId == b.logicalId && a.bb2XCon == b.bb2XCon &&
           a.trxUnitTypeId == b.trxUnitTypeId && a.txCon == b.txCon && a.txPath1 == b.txPath1 &&
           a.txPath2 == b.txPath2 && a.txPath3 == b.txPath3 && a.rxMainCon == b.rxMainCon &&
           a.rxMainPath1 == b.rxMainPath1 && a.rxMainPath2 == b.rxMainPath2 &&
           a.rxDivCon == b.rxDivCon && a.rxDivPath1 == b.rxDivPath1 &&
           a.rxDivPath2 == b.rxDivPath2 && a.diversityPair == b.diversityPair;
}

bool SameAntenna(const CSCFAntenna& a, const CSCFAntenna& b) {
    return a.antennaNumber == b.antennaNumber && a.mhaType == b.mhaType &&
           a.cableAttenuation == b.cableAttenuation && a.dualBand == b.dualBand &&
           a.unitConnection == b.unitConnection && a.unit2Connection == b.unit2Connection &&
           a.cositeMha == b.cositeMha;
}

CSCFSite SampleRecord() {
    CSCFSite site;
    site.name = "North";
    site.ucSwVersion = CUcSwVersion(21);
    site.bcfClockSync = 2;
    CSCFCabinet cab;
    cab.cabinetNumber = 1;
    cab.cabinetType = 3;
    cab.lteInstalled = 1;
    cab.vswrMonitored = 1;
    cab.wcdmaUpgrade = 0;
    cab.mrcSupportWbc = 1;
    cab.configDescription = "roof, two sectors";
    cab.units = {{43, 1, 2},  {33, 1, -1}, {46, 1, -1}, {40, 1, -1}, {30, 1, -1},
                 {57, 1, -1}, {57, 2, -1}, {35, 3, -1}, {65, 2, -1}, {50, 7, -1}};
    CSCFTrxCabling t1;
    t1.trxNumber = 1;
    t1.logicalId = 5;
    t1.bb2XCon = 2;
    t1.trxUnitTypeId = 1014;
    t1.txCon = 3;
    t1.txPath1 = 1;
    t1.txPath2 = 27;
    t1.txPath3 = 4;
    t1.rxMainCon = 3;
    t1.rxMainPath1 = 1;
    t1.rxMainPath2 = 9;
    t1.rxDivCon = 4;
    t1.rxDivPath1 = 1;
    t1.rxDivPath2 = 2;
    t1.diversityPair = 2;
    CSCFTrxCabling t2;
    t2.trxNumber = 2;
    t2.logicalId = 0; // planned
    t2.bb2XCon = 1;
    t2.trxUnitTypeId = 1014;
    cab.trxCablings = {t1, t2};
    cab.antennas = {{1, 5, 250, 1, 3, 7, 1}, {2, 1, 9999, 0, 4, 0, 0}, {3, 8, -150, 0, 15, 0, 0}};
    site.cabinets.push_back(cab);
    site.tre.equipmentName = "TRE north";
    site.tre.units.push_back({1102, 1, {{1, "E1 a", "C7", 1, 0}}});
    site.tre.units.push_back({1109, 3, {}});
    return site;
}

class RecordTest : public ::testing::Test {
protected:
    void SetUp() override { CBtsConfiguration::Drop(); }
    void TearDown() override { CBtsConfiguration::Drop(); }

    CFakeSiteHost host;
    CSiteKODA site{&host, &host};
};

} // namespace

TEST_F(RecordTest, BuildThenCopyKeepsEveryUnitCablingAndAntenna) {
    const CSCFSite input = SampleRecord();
    ASSERT_TRUE(BuildSiteFromRecord(site, input, 0));

    CDataBaseKODA& db = *site.GetKODA(kSelectCandidate);
    EXPECT_EQ(db.Cabinet(0)->Name(), "Orvik Midi");
    EXPECT_EQ(db.Cabinet(0)->DescriptionText(), "roof, two sectors");
    EXPECT_EQ(db.CabinetSettings(), (SCabinetSettings{2, 1, 1, 0, 2, 1}));
    EXPECT_EQ(db.SwLevel().Level(), 21);
    EXPECT_EQ(db.Band(), 1 | kEdgeAll);
    EXPECT_EQ(db.FindUnit(kUnitKindDdu, 1)->DisplayedNumber(), 2);
    EXPECT_FALSE(db.FindUnit(kUnitKindBb2, 2)->IsUpgrade());
    EXPECT_TRUE(db.FindUnit(kUnitKindBb2, 3)->IsUpgrade());
    EXPECT_EQ(db.FindUnit(kUnitKindTre, 3)->TypeId(), 1109);
    const auto* trx2 = db.Find<CUnitKTrx>(kUnitKindTrx, 2);
    EXPECT_TRUE(trx2->IsUpgrade());
    EXPECT_EQ(trx2->LogicalTrxId(), 2);
    EXPECT_EQ(db.Find<CUnitKTrx>(kUnitKindTrx, 1)->LogicalTrxId(), 5);
    // Antennas without a combiner have no attenuation.
    EXPECT_EQ(db.Antenna(3)->Attenuation(), -150);
    EXPECT_EQ(db.Antenna(4)->Attenuation(), 9999);

    CSCFSite output = input; // a save after an open fills the record it came from
    ASSERT_TRUE(CopySiteIntoRecord(site, output));
    ASSERT_EQ(output.cabinets.size(), 1u);
    const CSCFCabinet& in = input.cabinets[0];
    const CSCFCabinet& out = output.cabinets[0];
    EXPECT_EQ(out.cabinetType, 3);
    EXPECT_EQ(out.lteInstalled, 1);
    EXPECT_EQ(out.vswrMonitored, 1);
    EXPECT_EQ(out.wcdmaUpgrade, 0);
    EXPECT_EQ(out.mrcSupportWbc, 1);
    EXPECT_EQ(out.configDescription, in.configDescription);
    EXPECT_EQ(output.bcfClockSync, 2);
    EXPECT_EQ(output.siteType, 3);
    EXPECT_EQ(output.bcfType, 6);
    EXPECT_EQ(output.ucSwVersion.Level(), 21);

    for (const CSCFUnit& u : in.units) {
        EXPECT_EQ(std::count_if(out.units.begin(), out.units.end(),
                                [&](const auto& o) { return SameUnit(o, u); }),
                  1)
            << "unit " << u.typeId << " slot " << u.slot;
    }
    for (const CSCFTrxCabling& t : in.trxCablings) {
        EXPECT_EQ(std::count_if(out.trxCablings.begin(), out.trxCablings.end(),
                                [&](const auto& o) { return SameCabling(o, t); }),
                  1)
            << "TRX " << t.trxNumber;
    }
    ASSERT_EQ(out.antennas.size(), in.antennas.size());
    for (size_t i = 0; i < in.antennas.size(); ++i) {
        EXPECT_TRUE(SameAntenna(out.antennas[i], in.antennas[i])) << "antenna " << i + 1;
    }
    // TRE records stay where they were, interfaces included.
    ASSERT_EQ(output.tre.units.size(), 2u);
    EXPECT_EQ(output.tre.units[0].interfaces.size(), 1u);
    EXPECT_EQ(output.tre.units[1].typeId, 1109);

    // Saving twice does not pile up entries.
    CSCFSite again = output;
    CopySiteIntoRecord(site, again);
    EXPECT_EQ(again.cabinets[0].units.size(), out.units.size());
    EXPECT_EQ(again.cabinets[0].trxCablings.size(), out.trxCablings.size());
}

TEST_F(RecordTest, CleansCabinetValuesAndStopsAtMissingTransceiver) {
    CSCFSite record;
    CSCFCabinet cab; // all unset
    cab.cabinetType = 9;
    cab.mrcSupportWbc = 5;
    CSCFTrxCabling t13;
    t13.trxNumber = 13;
    t13.logicalId = 13;
    CSCFTrxCabling t1;
    t1.trxNumber = 1;
    t1.logicalId = 1;
    t1.trxUnitTypeId = -1; // file code without a catalogue type
    cab.trxCablings = {t13, t1};
    record.cabinets.push_back(cab);
    EXPECT_FALSE(BuildSiteFromRecord(site, record, 1));
    ASSERT_TRUE(BuildSiteFromRecord(site, record, 0));
    CDataBaseKODA& db = *site.GetKODA(kSelectCandidate);
    EXPECT_EQ(db.Cabinet(0)->Name(), "Orvik Indoor");
    EXPECT_EQ(db.CabinetSettings(), (SCabinetSettings{0, 0, 0, 0, 0, 0}));
    // Copying stopped at TRX 13: TRX 1 stays planned.
    EXPECT_TRUE(db.FindUnit(kUnitKindTrx, 1)->IsUpgrade());

    record.cabinets[0].trxCablings = {t1};
    ASSERT_TRUE(BuildSiteFromRecord(site, record, 0));
    EXPECT_FALSE(db.FindUnit(kUnitKindTrx, 1)->IsUpgrade());
    EXPECT_EQ(db.FindUnit(kUnitKindTrx, 1)->TypeCode(), "RVDA"); // kept its own type
}

TEST_F(RecordTest, CopyIntoEmptyRecord) {
    CDataBaseKODA& db = *site.GetKODA(kSelectCandidate);
    auto tre = std::make_unique<CUnitKTRE>();
    tre->SetNumber(2);
    tre->SetType(1100);
    site.AddUnit(std::move(tre), false, kSelectCandidate);
    db.Antenna(2)->SetConnectedCombiner(1);
    db.Antenna(4)->SetMhaType(3);

    CSCFSite record;
    ASSERT_TRUE(CopySiteIntoRecord(site, record));
    ASSERT_EQ(record.cabinets.size(), 1u);
    const CSCFCabinet& cab = record.cabinets[0];
    EXPECT_EQ(cab.cabinetType, 1);
    // The straight-through planned transceivers of a new site are not stored.
    EXPECT_TRUE(cab.trxCablings.empty());
    ASSERT_EQ(cab.units.size(), 1u); // the BOI
    EXPECT_EQ(cab.units[0].typeId, 1000);
    ASSERT_EQ(record.tre.units.size(), 1u);
    EXPECT_EQ(record.tre.units[0].typeId, 1100);
    EXPECT_EQ(record.tre.units[0].slot, 2);
    EXPECT_EQ(record.tre.equipmentName, "TRE Equipment");
    ASSERT_EQ(cab.antennas.size(), 2u);
    EXPECT_EQ(cab.antennas[0].antennaNumber, 2);
    EXPECT_EQ(cab.antennas[0].unitConnection, 1);
    EXPECT_EQ(cab.antennas[1].antennaNumber, 4);
    EXPECT_EQ(cab.antennas[1].mhaType, 3);

    // Once the cross-connection is no longer straight, planned transceivers are stored too.
    db.Find<CUnitKTrx>(kUnitKindTrx, 4)->SetBb2Id(5);
    CSCFSite second;
    CopySiteIntoRecord(site, second);
    ASSERT_EQ(second.cabinets[0].trxCablings.size(), 12u);
    const CSCFTrxCabling& planned = second.cabinets[0].trxCablings[3];
    EXPECT_EQ(planned.logicalId, 0);
    EXPECT_EQ(planned.bb2XCon, 5);
    EXPECT_EQ(planned.txCon, -1);
    EXPECT_EQ(planned.diversityPair, -1);
    EXPECT_EQ(planned.trxUnitTypeId, 1011);
}

TEST(Antenna, SettingsAndTexts) {
    CAntenna a;
    EXPECT_EQ(a.Attenuation(), 31);
    a.SetMhaType(5);
    EXPECT_EQ(a.MhaType(true), 2);
    EXPECT_TRUE(a.VswrMonitoring());
    EXPECT_STREQ(CAntenna::MhaTypeText(a.MhaType()), "Low gain MHA");
    a.SetMhaType(9);
    EXPECT_EQ(a.MhaType(), 5);
    a.SetAttenuation(250);
    EXPECT_EQ(a.AttenuationText(), "+2.50");
    EXPECT_EQ(CAntenna::FormatAttenuation(0), "+0.00");
    EXPECT_EQ(CAntenna::FormatAttenuation(-75), "-0.75");
    EXPECT_EQ(CAntenna::FormatAttenuation(9999), "High gain");
    a.SetCositeMha(2);
    EXPECT_EQ(a.CositeMha(), 0);
    a.SetCositeMha(1);
    EXPECT_EQ(a.CositeMha(), 1);
}

TEST_F(RecordTest, SaveAddsARecordOnlyWhenItCanBeFilled) {
    const std::string path = ::testing::TempDir() + "/model_save_test.hwc";
    CSiteConfigFile file;
    site.SetText("North");
    CSaveResult result = SaveSite(site, file, host.record, path);
    ASSERT_TRUE(result.ok) << result.error;
    ASSERT_EQ(file.Sites().size(), 1u);
    EXPECT_EQ(host.record, file.Sites()[0].get());
    EXPECT_EQ(host.record->cabinets[0].units.size(), 1u);
    CSiteConfigFile reread(path);
    ASSERT_EQ(reread.Sites().size(), 1u);
    EXPECT_EQ(reread.Sites()[0]->name, "North");
    std::remove(path.c_str());

    // A site that cannot store itself leaves the file as it was: a second interface unit has
    // no line in the file and would be lost.
    CSiteTARN selmo(&host, &host);
    auto vif = std::make_unique<CUnitTVIF>();
    vif->SetNumber(2);
    selmo.GetConfiguration(kSelectCandidate)->AddUnit(std::move(vif));
    host.record = nullptr;
    CSiteConfigFile other;
    EXPECT_FALSE(SaveSite(selmo, other, host.record, path).ok);
    EXPECT_TRUE(other.Sites().empty());
    EXPECT_EQ(host.record, nullptr);
    EXPECT_EQ(selmo.KindName(15), "Outer Units");
    EXPECT_EQ(selmo.Cabinet(0, kSelectCandidate)->Name(), "Selmo");
    EXPECT_EQ(selmo.GetConfiguration(kSelectCandidate)->Units().size(), 3u);
}

TEST_F(RecordTest, ConfigurationSurvivesAFileRoundTrip) {
    const std::string path = ::testing::TempDir() + "/model_roundtrip_test.hwc";
    CSiteConfigFile file;
    auto sample = std::make_unique<CSCFSite>(SampleRecord());
    CSCFSite& record = file.AddSite(std::move(sample));
    host.record = &record;
    ASSERT_TRUE(BuildSiteFromRecord(site, record, 0));
    ASSERT_TRUE(SaveSite(site, file, host.record, path).ok);

    CSiteConfigFile reread(path);
    std::remove(path.c_str());
    ASSERT_EQ(reread.Sites().size(), 1u);
    EXPECT_FALSE(reread.HasErrors());
    CFakeSiteHost otherHost;
    CSiteKODA other(&otherHost, &otherHost);
    ASSERT_TRUE(BuildSiteFromRecord(other, *reread.Sites()[0], 0));

    const CDataBase& a = *site.GetConfiguration(kSelectCandidate);
    const CDataBase& b = *other.GetConfiguration(kSelectCandidate);
    ASSERT_EQ(a.Units().size(), b.Units().size());
    for (const auto& unit : a.Units()) {
        const CUnit* twin = b.FindUnit(unit->Kind(), unit->Number());
        ASSERT_NE(twin, nullptr) << unit->DisplayName();
        EXPECT_EQ(twin->TypeId(), unit->TypeId()) << unit->DisplayName();
        EXPECT_EQ(twin->DisplayedNumber(), unit->DisplayedNumber()) << unit->DisplayName();
        EXPECT_EQ(twin->IsUpgrade(), unit->IsUpgrade()) << unit->DisplayName();
        if (const auto* trx = dynamic_cast<const CUnitKTrx*>(unit.get())) {
            const auto* t = static_cast<const CUnitKTrx*>(twin);
            EXPECT_EQ(t->Cabling(), trx->Cabling()) << trx->DisplayName();
            EXPECT_EQ(t->Bb2Id(), trx->Bb2Id());
            EXPECT_EQ(t->LogicalTrxId(), trx->LogicalTrxId());
        }
    }
    const auto& ka = static_cast<const CDataBaseKODA&>(a);
    const auto& kb = static_cast<const CDataBaseKODA&>(b);
    for (int n = 1; n <= 12; ++n) {
        EXPECT_EQ(*ka.Antenna(n), *kb.Antenna(n)) << "antenna " << n;
    }
    EXPECT_EQ(ka.CabinetSettings(), kb.CabinetSettings());
    EXPECT_EQ(kb.Cabinet(0)->DescriptionText(), "roof, two sectors");
}
