// Action sequences on the open document that once saved something other than what the views
// showed, replayed on real files: each is the shortest form of what the action fuzz target found.
#include "DocumentTestSupport.h"

#include "app/commands/CommandIds.h"
#include "app/pages/PageCablingControllers.h"
#include "app/pages/PageUnitsController.h"
#include "model/UnitKTrx.h"
#include "model/UnitTypeRecord.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

std::string Data(const std::string& name) {
    return std::string(CABRION_TEST_DATA_DIR) + "/" + name;
}

const CSCFSite& Named(const CSiteConfigFile& file, const std::string& name) {
    for (const auto& site : file.Sites()) {
        if (site->name == name) {
            return *site;
        }
    }
    throw std::runtime_error("no configuration " + name);
}

// Opens "Harbour Edit" (900 transceivers, no transmission unit) from a copy of the edit sample
// in the fixture's folder, as the Open sheet does; the copy's path.
std::string OpenHarbourEdit(DocumentFixture& f) {
    const std::string path = f.Path("sites.hwc");
    std::filesystem::copy_file(Data("edit_site.hwc"), path);
    f.windows.newSiteSheet = [](CNewSiteSheetModel& sheet) {
        sheet.Select(0);
        return sheet.CanFinish();
    };
    return f.doc->OpenPath(path, false) ? path : std::string();
}

} // namespace

TEST(DocumentActions, SaveAsOverAnotherConfigurationLeavesNoneOfItsTreUnits) {
    DocumentFixture f;
    const std::string sites = f.Path("sites.hwc");
    const std::string other = f.Path("other.hwc");
    std::filesystem::copy_file(Data("edit_site.hwc"), sites);
    std::filesystem::copy_file(Data("full.hwc"), other);
    ASSERT_FALSE(Named(*Reread(other), "North Pier").tre.units.empty());

    // "Other Site" has no TRE unit; it replaces "North Pier", which has one.
    f.windows.newSiteSheet = [](CNewSiteSheetModel& sheet) {
        sheet.Select(1);
        return sheet.CanFinish();
    };
    ASSERT_TRUE(f.doc->OpenPath(sites, false));
    ASSERT_EQ(f.doc->ConfigurationName(), "Other Site");
    f.windows.files = {other};
    f.windows.answers = {EAnswer::Yes}; // overwrite "North Pier"
    f.windows.saveSheet = [](CSaveSCFSheetModel& sheet) {
        sheet.Browse();
        sheet.SetName("North Pier");
        return sheet.Finish();
    };
    ASSERT_TRUE(f.doc->OnCommand(cmd::kSaveAs));
    EXPECT_TRUE(Named(*Reread(other), "North Pier").tre.units.empty());

    // Opened again, it is the configuration that was saved: no TRE unit came back.
    DocumentFixture g;
    g.windows.newSiteSheet = [](CNewSiteSheetModel& sheet) {
        sheet.Select(1); // rows sort by name: "Empty Lot", "North Pier"
        return sheet.CanFinish();
    };
    ASSERT_TRUE(g.doc->OpenPath(other, false));
    ASSERT_EQ(g.doc->ConfigurationName(), "North Pier");
    EXPECT_EQ(g.doc->Site()->FindUnit(kUnitKindTre, 4, kSelectCandidate), nullptr);
}

// The TRE record carries what the tool does not edit (the interfaces): a removal undone must
// bring it back with the unit, and a removal saved must not leave it in the file.
TEST(DocumentActions, UndoneTreRemovalKeepsItsInterfaces) {
    DocumentFixture f;
    const std::string path = f.Path("full.hwc");
    std::filesystem::copy_file(Data("full.hwc"), path);
    const CSCFSiteTreUnit original = Named(*Reread(path), "North Pier").tre.units.at(0);
    ASSERT_EQ(original.slot, 4);
    ASSERT_FALSE(original.interfaces.empty());
    f.windows.newSiteSheet = [](CNewSiteSheetModel& sheet) {
        sheet.Select(1); // "North Pier"
        return sheet.CanFinish();
    };
    ASSERT_TRUE(f.doc->OpenPath(path, false));
    ASSERT_EQ(f.doc->ConfigurationName(), "North Pier");

    PageUnitsController units(*f.doc->SiteKODA(), *f.doc);
    units.Select(kUnitKindTre, 4);
    ASSERT_TRUE(units.Remove());
    units.Leave(); // the page shows the removed unit's place until it is left
    ASSERT_EQ(f.doc->Site()->FindUnit(kUnitKindTre, 4, kSelectCandidate), nullptr);
    f.doc->OnCommand(cmd::kUndo);
    ASSERT_NE(f.doc->Site()->FindUnit(kUnitKindTre, 4, kSelectCandidate), nullptr);
    ASSERT_TRUE(f.doc->OnCommand(cmd::kSave));
    EXPECT_EQ(Named(*Reread(path), "North Pier").tre.units.at(0), original);
    // Redone, saved without it, and undone again.
    f.doc->OnCommand(cmd::kRedo);
    ASSERT_TRUE(f.doc->OnCommand(cmd::kSave));
    ASSERT_TRUE(Named(*Reread(path), "North Pier").tre.units.empty());
    f.doc->OnCommand(cmd::kUndo);
    ASSERT_TRUE(f.doc->OnCommand(cmd::kSave));
    ASSERT_EQ(Named(*Reread(path), "North Pier").tre.units.size(), 1u);
    EXPECT_EQ(Named(*Reread(path), "North Pier").tre.units[0], original);

    // Removed again and saved, the unit and its record are gone.
    units.Select(kUnitKindTre, 4);
    ASSERT_TRUE(units.Remove());
    units.Leave();
    ASSERT_TRUE(f.doc->OnCommand(cmd::kSave));
    EXPECT_TRUE(Named(*Reread(path), "North Pier").tre.units.empty());
}

// An 800 band network only has EDGE transceivers, and a file is read back with the types they
// call for: a unit added after the band was chosen without the EDGE mark must be of that type,
// also when 800/1900 made every transceiver an 800 one.
TEST(DocumentActions, UnitAddedToAn800NetworkReadsBackAsAdded) {
    for (const int band : {kBand800, kBand800 | kBand1900}) {
        DocumentFixture f;
        const std::string path = OpenHarbourEdit(f);
        ASSERT_FALSE(path.empty());
        PageUnitsController units(*f.doc->SiteKODA(), *f.doc);
        units.ChangeBand(band); // "E&DGE RVx's:" None
        units.Select(kUnitKindBb2, 7);
        ASSERT_TRUE(units.Add());
        const int type = f.doc->Site()->FindUnit(kUnitKindBb2, 7, kSelectCandidate)->TypeId();
        ASSERT_TRUE(f.doc->OnCommand(cmd::kSave));

        DocumentFixture g;
        g.windows.newSiteSheet = f.windows.newSiteSheet;
        ASSERT_TRUE(g.doc->OpenPath(path, false));
        const CUnit* read = g.doc->Site()->FindUnit(kUnitKindBb2, 7, kSelectCandidate);
        ASSERT_NE(read, nullptr);
        EXPECT_EQ(read->TypeId(), type) << "band " << band;
    }
}

// A file keeps the units' types but not the network band: a dual band site whose transceivers
// are all of one band still has units of the other one (1900 masthead amplifiers and duplexers
// left by 1900 then 800/1900; a high band multicoupler chosen beside 900 transceivers), and they
// must reopen as they were rather than take the transceivers' band.
TEST(DocumentActions, DualBandSiteReopensWithTheUnitsOfBothBands) {
    for (const int dual : {kBand800 | kBand1900, kBand900 | kBand1800}) {
        DocumentFixture f;
        const std::string path = OpenHarbourEdit(f);
        ASSERT_FALSE(path.empty());
        PageUnitsController units(*f.doc->SiteKODA(), *f.doc);
        if (dual == (kBand800 | kBand1900)) {
            ASSERT_TRUE(units.ChangeBand(kBand1900));
            ASSERT_TRUE(units.ChangeBand(dual));
            // The 1900 units stay; with "EDGE RVx's" Some one transceiver becomes an 800 one.
            ASSERT_EQ(f.doc->Site()->FindUnit(kUnitKindTrx, 2, kSelectCandidate)->Band(),
                      kBand1900);
            ASSERT_TRUE(units.ChangeBand(dual | 256));
            units.Select(kUnitKindTrx, 1);
            ASSERT_TRUE(units.ChooseType(1013)); // RVTB
            ASSERT_TRUE(units.Modify());
            ASSERT_EQ(f.doc->Site()->FindUnit(kUnitKindTrx, 1, kSelectCandidate)->Band(), kBand800);
        } else {
            ASSERT_TRUE(units.ChangeBand(dual));
            units.Select(kUnitKindMc2, 4);
            ASSERT_TRUE(units.ChooseType(34)); // J2HA, 1800 and 1900
            ASSERT_TRUE(units.Add());
        }
        ASSERT_TRUE(f.doc->OnCommand(cmd::kSave));

        DocumentFixture g;
        g.windows.newSiteSheet = f.windows.newSiteSheet;
        ASSERT_TRUE(g.doc->OpenPath(path, false));
        for (const auto& unit : f.doc->SiteKODA()->GetKODA(kSelectCandidate)->Units()) {
            if (unit->IsUpgrade()) {
                continue;
            }
            const CUnit* read =
                g.doc->Site()->FindUnit(unit->Kind(), unit->Number(), kSelectCandidate);
            ASSERT_NE(read, nullptr) << unit->Kind() << "/" << unit->Number();
            EXPECT_EQ(read->TypeId(), unit->TypeId()) << unit->Kind() << "/" << unit->Number();
        }
        EXPECT_EQ(g.doc->SiteKODA()->GetKODA(kSelectCandidate)->Band() & kBandMaskBits, dual);
    }
}

// Every transmission unit type the Units page offers is one a configuration file can hold: a
// unit of a type the file has no code for was left out of the save without a word.
TEST(DocumentActions, EveryOfferedTransmissionTypeIsSaved) {
    DocumentFixture f;
    const std::string path = OpenHarbourEdit(f);
    ASSERT_FALSE(path.empty());
    PageUnitsController units(*f.doc->SiteKODA(), *f.doc);
    units.Select(kUnitKindTre, 1);
    const ComboItems types = units.Types();
    ASSERT_FALSE(types.empty());
    for (const auto& type : types) {
        units.Select(kUnitKindTre, 1);
        ASSERT_TRUE(units.ChooseType(type.data));
        if (f.doc->Site()->FindUnit(kUnitKindTre, 1, kSelectCandidate)->IsShownOnly()) {
            ASSERT_TRUE(units.Add());
        } else {
            ASSERT_TRUE(units.Modify());
        }
        units.Leave();
        ASSERT_TRUE(f.doc->OnCommand(cmd::kSave));
        DocumentFixture g;
        g.windows.newSiteSheet = f.windows.newSiteSheet;
        ASSERT_TRUE(g.doc->OpenPath(path, false));
        const CUnit* read = g.doc->Site()->FindUnit(kUnitKindTre, 1, kSelectCandidate);
        ASSERT_NE(read, nullptr) << type.text;
        EXPECT_EQ(read->TypeId(), type.data) << type.text;
    }
}

// A step recorded by another page while the Units page showed the place of a unit it had just
// removed held that place's stand-in. Undone into, the stand-in belonged to no page any more:
// the views drew it with the cables of every transceiver that still named it, and the save left
// it and them out.
TEST(DocumentActions, UndoIntoAStepTakenWhileAPlaceWasShownBringsBackNoStandIn) {
    DocumentFixture f;
    const std::string path = OpenHarbourEdit(f);
    ASSERT_FALSE(path.empty());
    const auto cablesTo = [](CSiteKODA& site, int kind, int number) {
        int n = 0;
        for (const auto& cable : site.GetKODA(kSelectCandidate)->Cables()) {
            for (const CUnit* end : {cable->Start(), cable->End()}) {
                n += end != nullptr && end->Kind() == kind && end->Number() == number;
            }
        }
        return n;
    };
    CSiteKODA& site = *f.doc->SiteKODA();
    ASSERT_GT(cablesTo(site, kUnitKindDdu, 1), 0);
    PageUnitsController units(site, *f.doc);
    PageRXCablingController rx(site, *f.doc);
    units.Select(kUnitKindDdu, 1);
    ASSERT_TRUE(units.Remove());
    ASSERT_TRUE(site.FindUnit(kUnitKindDdu, 1, kSelectCandidate)->IsShownOnly());
    f.windows.answers = {EAnswer::Yes};
    ASSERT_TRUE(rx.ClearAll());
    f.doc->OnCommand(cmd::kUndo);

    EXPECT_EQ(site.FindUnit(kUnitKindDdu, 1, kSelectCandidate), nullptr);
    EXPECT_EQ(cablesTo(site, kUnitKindDdu, 1), 0);
    const size_t shown = site.GetKODA(kSelectCandidate)->Cables().size();
    ASSERT_TRUE(f.doc->OnCommand(cmd::kSave));
    DocumentFixture g;
    g.windows.newSiteSheet = f.windows.newSiteSheet;
    ASSERT_TRUE(g.doc->OpenPath(path, false));
    EXPECT_EQ(g.doc->SiteKODA()->GetKODA(kSelectCandidate)->Cables().size(), shown);
}

// An antenna line whose masthead amplifier was removed keeps an MHA that is not installed, and
// a file does not store its type. It decided the band of the duplexer it feeds all the same: on
// reopen the placeholder's default type turned the 1900 duplexer of an 800/1900 site into an
// 1800 one.
TEST(DocumentActions, RemovedMastheadAmplifierLeavesItsDuplexerAsSaved) {
    DocumentFixture f;
    const std::string path = OpenHarbourEdit(f);
    ASSERT_FALSE(path.empty());
    PageUnitsController units(*f.doc->SiteKODA(), *f.doc);
    ASSERT_TRUE(units.ChangeBand(kBand1900));
    ASSERT_TRUE(units.ChangeBand(kBand800 | kBand1900));
    units.Select(kUnitKindMha, 1);
    ASSERT_TRUE(units.Remove());
    units.Leave();
    const int type = f.doc->Site()->FindUnit(kUnitKindDdu, 1, kSelectCandidate)->TypeId();
    ASSERT_TRUE(f.doc->OnCommand(cmd::kSave));

    DocumentFixture g;
    g.windows.newSiteSheet = f.windows.newSiteSheet;
    ASSERT_TRUE(g.doc->OpenPath(path, false));
    EXPECT_EQ(g.doc->Site()->FindUnit(kUnitKindDdu, 1, kSelectCandidate)->TypeId(), type);
}

// The RX Main Cabling page keeps its transceiver while the Units page removes it: Set then wrote
// the page's choices into the transceiver left in its place, which is not installed and is
// stored by its place alone, so the views drew a cable the file could not keep.
TEST(DocumentActions, CablingPageTakesNoCablingForATransceiverRemovedMeanwhile) {
    DocumentFixture f;
    ASSERT_FALSE(OpenHarbourEdit(f).empty());
    CSiteKODA& site = *f.doc->SiteKODA();
    PageRXCablingController rx(site, *f.doc);
    PageUnitsController units(site, *f.doc);
    rx.SelectTrx(1);
    ASSERT_FALSE(rx.Combiners().empty());
    rx.ChooseCombiner(rx.Combiners().back().data);
    units.Select(kUnitKindTrx, 1);
    ASSERT_TRUE(units.Remove());
    const auto* trx = site.GetKODA(kSelectCandidate)->Find<CUnitKTrx>(kUnitKindTrx, 1);
    ASSERT_TRUE(trx->IsUpgrade());

    EXPECT_FALSE(rx.Enabled());
    EXPECT_FALSE(rx.Set());
    EXPECT_EQ(trx->Cabling().rxCombinerId, 0);
}

// An 1800 amplifier made its duplexer an 1800 one; moved to an antenna of no duplexer, it left
// the duplexer at 1800 in the window, while the file reopened it as the 900 one its transceivers
// need.
TEST(DocumentActions, DuplexerFollowsItsTransceiversAgainWhenAnAmplifierMovesAway) {
    DocumentFixture f;
    const std::string path = OpenHarbourEdit(f);
    ASSERT_FALSE(path.empty());
    PageUnitsController units(*f.doc->SiteKODA(), *f.doc);
    auto duplexer = [](DocumentFixture& d) {
        return d.doc->Site()->FindUnit(kUnitKindDdu, 3, kSelectCandidate)->TypeId();
    };
    ASSERT_TRUE(units.ChangeBand(kBand900 | kBand1800));
    units.Select(kUnitKindMha, 5);
    ASSERT_TRUE(units.ChooseType(51));
    ASSERT_TRUE(units.Modify());
    ASSERT_EQ(duplexer(f), 44);
    units.ChooseSlot(12);
    ASSERT_TRUE(units.Modify());
    EXPECT_EQ(duplexer(f), 43);
    units.Leave();
    ASSERT_TRUE(f.doc->OnCommand(cmd::kSave));

    DocumentFixture g;
    g.windows.newSiteSheet = f.windows.newSiteSheet;
    ASSERT_TRUE(g.doc->OpenPath(path, false));
    EXPECT_EQ(duplexer(g), 43);
}
