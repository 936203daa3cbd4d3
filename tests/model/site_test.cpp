#include <gtest/gtest.h>

#include "FakeSiteHost.h"
#include "files/SCFSite.h"
#include "model/BandInformation.h"
#include "model/BtsConfiguration.h"
#include "model/CabinetKODA.h"
#include "model/SiteKODA.h"
#include "model/UnitKTrx.h"
#include "model/UnitsKODA.h"

namespace {

class SiteTest : public ::testing::Test {
protected:
    void SetUp() override { CBtsConfiguration::Drop(); }
    void TearDown() override { CBtsConfiguration::Drop(); }

    CDataBaseKODA& Candidate() { return *site.GetKODA(kSelectCandidate); }
    CUnitKTrx* Trx(int n, int selector = kSelectCandidate) {
        return dynamic_cast<CUnitKTrx*>(site.FindUnit(kUnitKindTrx, n, selector));
    }
    template <class T> T* Add(int number, int typeId = 0) {
        auto unit = std::make_unique<T>();
        if (typeId != 0) {
            unit->SetType(typeId);
        }
        unit->SetNumber(number);
        T* raw = unit.get();
        site.AddUnit(std::move(unit), false, kSelectCandidate);
        return raw;
    }

    CFakeSiteHost host;
    CSiteKODA site{&host, &host};
};

} // namespace

TEST_F(SiteTest, NewSiteStartsWithThePlannedFullCabinet) {
    CDataBaseKODA& db = Candidate();
    EXPECT_EQ(db.Cabinet(0)->Name(), "Orvik Indoor");
    EXPECT_EQ(db.Band(), 2);
    EXPECT_EQ(db.Units().size(), 31u);
    for (int n = 1; n <= 12; ++n) {
        CUnitKTrx* trx = Trx(n);
        ASSERT_NE(trx, nullptr);
        EXPECT_EQ(trx->TypeCode(), "RVDA");
        EXPECT_TRUE(trx->IsUpgrade());
        EXPECT_EQ(trx->LogicalTrxId(), n);
        EXPECT_EQ(trx->Bb2Id(), n);
        EXPECT_EQ(site.FindUnit(kUnitKindMha, n, 1)->TypeCode(), "SZDx");
    }
    EXPECT_EQ(site.FindUnit(kUnitKindBb2, 6, 1)->TypeCode(), "QD2A");
    EXPECT_FALSE(site.FindUnit(kUnitKindBoi, 1, 1)->IsUpgrade());
    EXPECT_EQ(site.UndoCount(), 0);
    // The template is the first candidate before the band was applied.
    EXPECT_EQ(site.TemplateConfiguration().FindUnit(kUnitKindTrx, 1)->TypeCode(), "RVx");
    EXPECT_EQ(site.ExternalUnit(17)->Description(), std::string("External Kettra"));
    EXPECT_EQ(site.ExternalUnit(18)->Description(), std::string("External Orvik"));
    EXPECT_EQ(site.ExternalUnit(16), nullptr);
    EXPECT_EQ(site.KindName(16), "Triple Wide Band Combiner");
    EXPECT_EQ(site.KindName(2), "");
}

TEST_F(SiteTest, SelectorResolution) {
    EXPECT_EQ(site.GetConfiguration(kSelectBts), nullptr);
    site.ResetBtsConfiguration();
    CDataBase* bts = CBtsConfiguration::Get();
    CDataBase* cand = &Candidate();
    EXPECT_EQ(site.GetConfiguration(0), cand);
    site.SetShowBts(true);
    EXPECT_EQ(site.GetConfiguration(0), bts);
    EXPECT_EQ(site.GetConfiguration(1), cand);
    site.SetForcedMode(1);
    EXPECT_EQ(site.GetConfiguration(0), cand);
    EXPECT_EQ(site.GetConfiguration(2), bts);
    site.SetForcedMode(2); // ignored while a mode is forced
    EXPECT_EQ(site.ForcedMode(), 1);
    site.ClearForcedMode();
    site.SetShowBts(false);
    site.SetForcedMode(2);
    EXPECT_EQ(site.GetConfiguration(1), bts);
}

TEST_F(SiteTest, RemoveKeepsPlannedUnitsAndDeletesOthersWithCables) {
    CUnitKTrx* trx = Trx(3);
    trx->SetUpgrade(false);
    trx->SetMark(4);
    site.RemoveUnit(trx, kSelectCandidate);
    ASSERT_EQ(Trx(3), trx);
    EXPECT_TRUE(trx->IsUpgrade());
    EXPECT_EQ(trx->Mark(), 0);
    EXPECT_EQ(trx->DisplayName(), "(RVDA 3)");

    CSCFSite record;
    record.tre.units.push_back({1102, 2, {}});
    record.tre.units.push_back({1100, 3, {}});
    host.record = &record;
    CUnitKTRE* tre = Add<CUnitKTRE>(2, 1102);
    CUnitKWBC* wbc = Add<CUnitKWBC>(1, 47);
    site.AddCable(std::make_unique<CCabling>(trx, kConnTxOut, 1, wbc, kConnTxIn, 1), 1);
    site.AddCable(std::make_unique<CCabling>(tre, 0, 1, wbc, 0, 1), 1);
    site.RemoveUnit(tre, kSelectCandidate);
    EXPECT_EQ(site.FindUnit(kUnitKindTre, 2, 1), nullptr);
    ASSERT_EQ(Candidate().Cables().size(), 1u);
    EXPECT_EQ(Candidate().Cables()[0]->Start(), trx);
    ASSERT_EQ(record.tre.units.size(), 1u);
    EXPECT_EQ(record.tre.units[0].slot, 3);

    // A unit the configuration does not hold is left alone.
    CUnitKWBC stranger;
    site.RemoveUnit(&stranger, kSelectCandidate);
    EXPECT_EQ(Candidate().Units().size(), 32u);
}

TEST_F(SiteTest, UndoRingKeepsNineStepsAndOverwritesTheOldest) {
    for (int i = 1; i <= 10; ++i) {
        site.PushUndoStep("Step " + std::to_string(i));
        Candidate().SetBand(i); // mark each snapshot
    }
    EXPECT_EQ(site.UndoCount(), 9);
    EXPECT_EQ(site.RingIndex(), 0); // the tenth wrapped onto the first slot
    EXPECT_EQ(Candidate().Name(), "Step 10");
    EXPECT_EQ(host.modified, 10);

    EXPECT_EQ(site.Undo(kSelectBts), 0);
    EXPECT_EQ(site.UndoCount(), 9);
    for (int i = 9; i >= 1; --i) {
        ASSERT_EQ(site.Undo(kSelectCandidate), 1);
        EXPECT_EQ(Candidate().Band(), i);
    }
    EXPECT_EQ(site.UndoCount(), 0);
    EXPECT_EQ(site.Undo(kSelectCandidate), 0);
    EXPECT_EQ(Candidate().Band(), 1); // the original first state was overwritten
    EXPECT_EQ(host.notifications.back(), kNotifyUndoPerformed);

    // Redo walks the same snapshots forward, each back in the state it was undone from.
    const std::uint64_t first = site.CandidateState();
    EXPECT_EQ(site.RedoCount(), 9);
    EXPECT_EQ(site.RedoLabel(), "Step 2");
    EXPECT_EQ(site.Redo(kSelectBts), 0);
    ASSERT_EQ(site.Redo(kSelectCandidate), 1);
    EXPECT_EQ(Candidate().Band(), 2);
    const std::uint64_t second = site.CandidateState();
    EXPECT_NE(second, first);
    site.Undo(kSelectCandidate);
    EXPECT_EQ(site.CandidateState(), first);
    site.Redo(kSelectCandidate);
    EXPECT_EQ(site.CandidateState(), second);
    // A new step, or a change in place, overwrites what lay ahead.
    site.MarkCandidateChanged();
    EXPECT_NE(site.CandidateState(), second);
    EXPECT_EQ(site.RedoCount(), 0);
    EXPECT_EQ(site.Redo(kSelectCandidate), 0);
    site.Undo(kSelectCandidate);
    site.PushUndoStep("Branch");
    EXPECT_EQ(site.RedoCount(), 0);
    EXPECT_EQ(site.RedoLabel(), "");
    EXPECT_EQ(site.UndoCount(), 1);
}

TEST_F(SiteTest, AddUnitWithUndoStepCanBeTakenBack) {
    host.selection = 7;
    auto wbc = std::make_unique<CUnitKWBC>();
    wbc->SetNumber(2);
    EXPECT_EQ(site.AddUnit(std::move(wbc), true, kSelectCandidate), 31);
    EXPECT_EQ(Candidate().Name(), "Add Unit");
    EXPECT_EQ(Candidate().CurrentItem(), 7);
    ASSERT_NE(site.FindUnit(kUnitKindWbc, 2, 1), nullptr);
    site.Undo(kSelectCandidate);
    EXPECT_EQ(site.FindUnit(kUnitKindWbc, 2, 1), nullptr);

    // While the BTS configuration is shown no steps are recorded.
    site.SetShowBts(true);
    site.PushUndoStep("ignored");
    EXPECT_EQ(site.UndoCount(), 0);
}

TEST_F(SiteTest, CopyConfigurationIsDeepAndRepointsCables) {
    CDataBaseKODA& src = Candidate();
    CUnitKTrx* trx = Trx(1);
    trx->Cabling().txPath1 = 2;
    CUnitKWBC* wbc = Add<CUnitKWBC>(2, 47);
    CUnitKDDU* ddu = Add<CUnitKDDU>(1, 44);
    wbc->SetOwner(ddu);
    src.AddCable(std::make_unique<CCabling>(trx, kConnTxOut, 1, wbc, kConnTxIn, 1));
    src.AddCable(std::make_unique<CCabling>(trx, kConnTxOut, 1, site.ExternalUnit(18), 0, 1));
    site.CreateLogicalUnit(kLogicalTrx, trx, kSelectCandidate);
    src.Antenna(3)->SetConnectedCombiner(2);
    src.SetCabinetSettings({1, 1, 0, 1, kCabinetMidi, 1});
    src.SetSwLevel(CUcSwVersion(20));
    src.RebuildOccupancyMaps();
    src.Cabinet(0)->SetDescriptionText("north roof");

    CDataBaseKODA copy;
    copy.CopyFrom(src);
    EXPECT_EQ(copy.Name(), "<define>");
    ASSERT_EQ(copy.Units().size(), src.Units().size());
    for (size_t i = 0; i < copy.Units().size(); ++i) {
        EXPECT_NE(copy.Units()[i].get(), src.Units()[i].get());
        EXPECT_EQ(copy.Units()[i]->TypeId(), src.Units()[i]->TypeId());
    }
    const auto* trxCopy = copy.Find<CUnitKTrx>(kUnitKindTrx, 1);
    EXPECT_EQ(trxCopy->Cabling().txPath1, 2);
    ASSERT_EQ(copy.Cables().size(), 2u);
    EXPECT_EQ(copy.Cables()[0]->Start(), trxCopy);
    EXPECT_EQ(copy.Cables()[0]->End(), copy.FindUnit(kUnitKindWbc, 2));
    EXPECT_EQ(copy.Cables()[1]->End(), site.ExternalUnit(18)); // shared, not copied
    EXPECT_EQ(copy.FindUnit(kUnitKindWbc, 2)->Owner(), copy.FindUnit(kUnitKindDdu, 1));
    EXPECT_TRUE(copy.LogicalUnits().empty());
    EXPECT_EQ(copy.Antenna(3)->ConnectedCombiner(), 2);
    EXPECT_EQ(copy.CabinetSettings(), src.CabinetSettings());
    EXPECT_EQ(copy.SwLevel().Level(), 20);
    EXPECT_EQ(copy.Band(), src.Band());
    EXPECT_EQ(copy.CombinerMap()[0], 0); // occupancy is rebuilt, not copied
    EXPECT_EQ(copy.Cabinet(0)->DescriptionText(), "north roof");

    // Deleting the source leaves the copy whole.
    site.RemoveUnit(wbc, kSelectCandidate);
    EXPECT_EQ(copy.Cables().size(), 2u);
}

TEST_F(SiteTest, SetBandRespectsDualBandAndForce) {
    CUnitKDDU* ddu = Add<CUnitKDDU>(1, 44);
    site.SetBand(3, kSelectCandidate, false);
    EXPECT_EQ(Candidate().Band(), 3);
    EXPECT_EQ(Trx(1)->TypeCode(), "RVDA");
    EXPECT_EQ(ddu->TypeId(), 44);

    site.SetBand(3, kSelectCandidate, true);
    EXPECT_EQ(Candidate().Band(), 3);
    // RVDA and HYDx serve 1800, which is part of 3: they keep their types.
    EXPECT_EQ(Trx(1)->TypeCode(), "RVDA");
    site.SetBand(4, kSelectCandidate, false);
    EXPECT_EQ(Trx(1)->TypeCode(), "RVPA");
    EXPECT_EQ(ddu->TypeId(), 45);
    site.SetBand(3, kSelectCandidate, true);
    EXPECT_EQ(Trx(1)->TypeCode(), "RVGA"); // 1900 units take the primary band 900
    EXPECT_EQ(ddu->TypeId(), 43);

    site.SetBand(65535, kSelectCandidate, true);
    EXPECT_EQ(Candidate().Band(), 3);
    site.SetBand(1 | kEdgeAll, kSelectCandidate, false);
    EXPECT_EQ(Trx(1)->TypeCode(), "RVGB");
    EXPECT_EQ(site.FindUnit(kUnitKindBb2, 1, 1)->TypeCode(), "QD2E");

    // 800 transceivers are EDGE ones whatever the marks: the base band follows them, as it does
    // when a file with them is read back.
    site.SetBand(kBand900, kSelectCandidate, false);
    EXPECT_EQ(site.FindUnit(kUnitKindBb2, 1, 1)->TypeCode(), "QD2A");
    site.SetBand(kBand800 | kBand1900, kSelectCandidate, true);
    EXPECT_TRUE(Trx(1)->IsEdge());
    EXPECT_EQ(site.FindUnit(kUnitKindBb2, 1, 1)->TypeCode(), "QD2E");
}

TEST_F(SiteTest, OccupancyAndPlacesFree) {
    CUnitKRTC* rtc = Add<CUnitKRTC>(1);
    Add<CUnitKMC6>(3);
    CUnitKDDU* upgradeDdu = Add<CUnitKDDU>(9);
    upgradeDdu->SetUpgrade(true);
    site.RebuildOccupancyMaps(kSelectCandidate);
    const auto& comb = Candidate().CombinerMap();
    EXPECT_EQ(comb[0], kUnitKindRtc);
    EXPECT_EQ(comb[5], 255);
    EXPECT_EQ(comb[6], 0);
    EXPECT_EQ(comb[8], 0); // upgrade units take no place
    const auto& mc = Candidate().MulticouplerMap();
    EXPECT_EQ(mc[8], kUnitKindMc6);
    EXPECT_EQ(mc[13], 255);

    CUnitKDDU ddu;
    ddu.SetNumber(3);
    EXPECT_FALSE(site.PlacesFree(kSelectCandidate, ddu, nullptr));
    EXPECT_TRUE(site.PlacesFree(kSelectCandidate, ddu, rtc));
    ddu.SetNumber(7);
    EXPECT_TRUE(site.PlacesFree(kSelectCandidate, ddu, nullptr));
    CUnitKMC2 mc2;
    mc2.SetNumber(9);
    EXPECT_FALSE(site.PlacesFree(kSelectCandidate, mc2, nullptr));
    mc2.SetNumber(7);
    EXPECT_TRUE(site.PlacesFree(kSelectCandidate, mc2, nullptr));
    CUnitKTrx trx;
    EXPECT_TRUE(site.PlacesFree(kSelectCandidate, trx, nullptr));
}

TEST_F(SiteTest, ReleaseCablingAndIdleCombiners) {
    CUnitKDDU* ddu = Add<CUnitKDDU>(3); // backplane connector 2: ports 3 and 4
    CUnitKWBC* wbc = Add<CUnitKWBC>(1);
    CUnitKWBT* wbt = Add<CUnitKWBT>(1);
    CUnitKMC6* mc6 = Add<CUnitKMC6>(1);
    Add<CUnitKMC2>(1);
    Add<CUnitKWBC>(2);
    Candidate().Antenna(1)->SetConnectedCombiner(3);
    Candidate().Antenna(2)->SetConnectedCombiner(4);
    Candidate().Antenna(3)->SetConnectedCombiner(5);
    Trx(1)->Cabling().txPath1 = 1;
    Trx(1)->Cabling().txPath2 = 26; // WBT 1 input B
    Trx(2)->Cabling().rxDiversityPath2 = 7;

    site.RemoveOrMarkIdleCombiners(1, kSelectCandidate);
    EXPECT_FALSE(wbc->IsIdle());
    EXPECT_FALSE(wbt->IsIdle());
    EXPECT_FALSE(mc6->IsIdle());
    EXPECT_TRUE(site.FindUnit(kUnitKindMc2, 1, 1)->IsIdle());
    EXPECT_TRUE(site.FindUnit(kUnitKindWbc, 2, 1)->IsIdle());
    // Antennas without a combiner lose their MHA.
    EXPECT_EQ(Candidate().Antenna(4)->MhaType(), 1);
    EXPECT_TRUE(site.FindUnit(kUnitKindMha, 4, 1)->IsUpgrade());
    site.RemoveOrMarkIdleCombiners(0, kSelectCandidate);
    EXPECT_EQ(site.FindUnit(kUnitKindWbc, 2, 1), nullptr);
    EXPECT_EQ(site.FindUnit(kUnitKindMc2, 1, 1), nullptr);

    site.ReleaseUnitCabling(*ddu);
    EXPECT_EQ(Candidate().Antenna(1)->ConnectedCombiner(), 0);
    EXPECT_EQ(Candidate().Antenna(2)->ConnectedCombiner(), 0);
    EXPECT_EQ(Candidate().Antenna(3)->ConnectedCombiner(), 5);
    site.ReleaseUnitCabling(*wbt);
    EXPECT_EQ(Trx(1)->Cabling().txPath2, 0);
    EXPECT_EQ(Trx(1)->Cabling().txPath1, 1);
    site.ReleaseUnitCabling(*mc6);
    EXPECT_EQ(Trx(2)->Cabling().rxDiversityPath2, 0);
    Trx(1)->Cabling().diversityPair = 2;
    site.ReleaseUnitCabling(*Trx(1));
    EXPECT_EQ(Trx(1)->Cabling().txPath1, 0);
    EXPECT_EQ(Trx(1)->Cabling().diversityPair, 2);

    Candidate().Antenna(5)->SetConnectedCombiner(1);
    Candidate().Antenna(6)->SetConnectedCombiner(6);
    site.MoveDduCabling(kUnitKindDdu, 1, 3);
    EXPECT_EQ(Candidate().Antenna(5)->ConnectedCombiner(), 5);
    EXPECT_EQ(Candidate().Antenna(6)->ConnectedCombiner(), 0);
}

TEST_F(SiteTest, BtsReportsBuildTheBtsConfiguration) {
    site.SetBand(4, kSelectCandidate, false);
    site.UnitReportedByBts(4, 3, nullptr);
    CDataBase* bts = CBtsConfiguration::Get();
    ASSERT_NE(bts, nullptr);
    EXPECT_EQ(bts->Band(), 4);
    CUnit* trx = bts->FindUnit(kUnitKindTrx, 3);
    ASSERT_NE(trx, nullptr);
    EXPECT_FALSE(trx->IsUpgrade());
    EXPECT_EQ(trx->TypeCode(), "RVPA");
    ASSERT_NE(bts->FindLogicalUnit(kLogicalTrx, kUnitKindTrx, 3), nullptr);
    EXPECT_FALSE(site.ShowsBts());

    site.UnitReportedByBts(13, 5, nullptr); // DDU at backplane connector 3
    CUnit* ddu = bts->FindUnitByDisplayedNumber(kUnitKindDdu, 3);
    ASSERT_NE(ddu, nullptr);
    EXPECT_EQ(ddu->Number(), 5);
    site.UnitReportedByBts(13, 6, nullptr); // the same DDU again
    EXPECT_EQ(bts->Units().size(), 32u);
    site.UnitReportedByBts(12, 0, nullptr); // number 0 creates nothing
    EXPECT_EQ(bts->Units().size(), 32u);
    site.UnitReportedByBts(99, 1, nullptr);
    EXPECT_EQ(bts->Units().size(), 32u);

    site.UnitReportedByBts(0, 0, nullptr);
    EXPECT_NE(CBtsConfiguration::Get(), bts);
    EXPECT_EQ(CBtsConfiguration::Get()->FindUnitByDisplayedNumber(kUnitKindDdu, 3), nullptr);
}

TEST_F(SiteTest, EditBtsConfigurationIsAnUndoableEdit) {
    EXPECT_FALSE(site.EditBtsConfiguration());
    site.UnitReportedByBts(4, 1, nullptr);
    CUnit* btsTrx = CBtsConfiguration::Get()->FindUnit(kUnitKindTrx, 1);
    btsTrx->SetType(1010);
    site.SetShowBts(true);
    ASSERT_TRUE(site.EditBtsConfiguration());
    EXPECT_EQ(site.UndoCount(), 1);
    EXPECT_EQ(Trx(1)->TypeCode(), "RVGA");
    EXPECT_EQ(Candidate().Band(), 1); // collected from the transceivers in use
    EXPECT_EQ(host.passiveResets, 1);
    site.Undo(kSelectCandidate);
    EXPECT_EQ(Trx(1)->TypeCode(), "RVDA");
}

TEST_F(SiteTest, DownloadAsksWhenSoftwareLevelsDiffer) {
    site.ResetBtsConfiguration();
    site.Download(false);
    EXPECT_EQ(host.downloads, 1);
    EXPECT_TRUE(host.questions.empty());

    auto* bts = dynamic_cast<CDataBaseKODA*>(CBtsConfiguration::Get());
    bts->SetSwLevel(CUcSwVersion(20));
    bts->SetTransferPending(2, true);
    host.answers = {false};
    site.Download(true);
    ASSERT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(host.questions[0],
              "Configuration version (KS7 MP1.0) is not same as BTS version (KS6). Still "
              "Download?");
    EXPECT_EQ(host.downloads, 1);
    EXPECT_FALSE(bts->TransferPending(2));
    host.answers = {true};
    site.Download(true);
    EXPECT_EQ(host.downloads, 2);

    site.SetTransferStatus(1, 5);
    EXPECT_EQ(bts->TransferStatus(1), 5);
    EXPECT_EQ(host.notifications.back(), kNotifyTransferStatusChanged);
}

TEST_F(SiteTest, SmallSiteOperations) {
    EXPECT_EQ(site.TypeNameById(44, 3, false), "HYDx 2");
    EXPECT_EQ(site.TypeNameById(1016, 4, true), "(RVPB 4)");
    EXPECT_EQ(site.TypeNameById(4711, 1, false), "");
    EXPECT_EQ(site.CreateCombinerUnit(kUnitKindWbc, 1, 1), nullptr);
    CUnit* rtc = site.CreateCombinerUnit(kUnitKindRtc, 2, 1);
    ASSERT_NE(rtc, nullptr);
    EXPECT_EQ(site.FindUnit(kUnitKindRtc, 2, 1), rtc);
    EXPECT_EQ(site.CatalogueRow(68), nullptr);
    ASSERT_NE(site.CatalogueRow(0), nullptr);

    CUnit* trx = Trx(5);
    CLogicalUnit* a = site.LogicalUnitFor(kLogicalTrx, *trx, 1);
    CLogicalUnit* b = site.CreateLogicalUnit(kLogicalTrx, trx, 1);
    EXPECT_EQ(a, b);
    EXPECT_EQ(Candidate().LogicalUnits().size(), 1u);

    // Free connectors skip the ones cables already use.
    auto owned = std::make_unique<CUnitKMC6>();
    owned->SetNumber(1);
    CUnitKMC6* mc6 = owned.get();
    site.AddUnit(std::move(owned), false, 1);
    site.AddCable(std::make_unique<CCabling>(mc6, kConnRxMainOut, 1, trx, kConnRxMainIn, 1), 1);
    site.AddCable(std::make_unique<CCabling>(mc6, kConnRxMainOut, 2, trx, kConnRxMainIn, 1), 1);
    CCabling* occupied = nullptr;
    EXPECT_EQ(site.FreeConnector(0, *mc6, kConnRxMainOut, -1, 1, &occupied), 3);
    EXPECT_EQ(site.FreeConnector(0, *mc6, kConnRxMainOut, 2, 1, &occupied), -1);
    EXPECT_NE(occupied, nullptr);
    EXPECT_EQ(site.FreeConnector(0, *mc6, kConnRxMainOut, 7, 1, &occupied), -1);
    EXPECT_EQ(site.FreeConnector(1, *trx, kConnRxMainIn, -1, 1, &occupied), -1);

    site.SetCabinet(9, 1, 1, 0, 6, 1, kSelectCandidate);
    EXPECT_EQ(Candidate().Cabinet(0)->Name(), "Orvik Mini");
    EXPECT_EQ(Candidate().SummaryLine(),
              "Mini, Clock Sync. is LMU is Master in chain, LTE is in use, MRC support with WBC "
              "in use");
    site.SetCabinet(0, 0, 0, 0, 4, 0, kSelectCandidate); // no class: only the settings
    EXPECT_EQ(Candidate().Cabinet(0)->Name(), "Orvik Mini");
    EXPECT_EQ(Candidate().CabinetSettings().cabinetType, 4);
}

TEST_F(SiteTest, CollectingBandsSettlesOpenTransceivers) {
    auto trx = std::make_unique<CUnitKTrx>();
    trx->SetNumber(13); // only 1-12 count
    site.AddUnit(std::move(trx), false, kSelectCandidate);
    Trx(1)->SetType(900);
    Trx(1)->SetUpgrade(false);
    Trx(2)->SetType(1011);
    Trx(2)->SetUpgrade(false);
    CBandInformation info;
    EXPECT_EQ(site.CollectBand(kSelectCandidate, false, &info), 3);
    EXPECT_EQ(info.BandText(), "900/1800");
    EXPECT_EQ(Trx(1)->TypeCode(), "RVGA");
    Trx(2)->SetType(1016);
    EXPECT_EQ(site.CollectBand(kSelectCandidate, false), 0); // 900 with 1900 is illegal
}
