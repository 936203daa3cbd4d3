// A Selmo site in the document: its one view of the RX diversity pairs (picture, list, hit
// test), its menu, and the two pages that edit and show the pairs.
#include <gtest/gtest.h>

#include "DocumentTestSupport.h"
#include "app/commands/CommandIds.h"
#include "app/commands/DocumentMenu.h"
#include "app/pages/PageOptionsRXDivTARNController.h"
#include "app/pages/PageRXDivTARNController.h"
#include "app/views/ViewBaseTARN.h"
#include "app/views/ViewPageBase.h"
#include "model/SiteTARN.h"
#include "platform/SettingsKeys.h"

namespace {

constexpr SceneColour kNavy = 0x000080;
constexpr SceneColour kBlue = 0x0000FF;

struct SelmoFixture : DocumentFixture {
    CSiteTARN* site = nullptr;
    CViewBaseTARN* views = nullptr;

    explicit SelmoFixture(int transceivers = 4) {
        EXPECT_TRUE(doc->NewSiteOfType(CBTSConfigurationDoc::kSelmoBtsType));
        site = doc->SiteTARN();
        CDataBase* db = site->GetConfiguration(kSelectCandidate);
        for (int n = 1; n <= transceivers; ++n) {
            auto trx = std::make_unique<CUnitTTRX>();
            trx->SetNumber(n);
            trx->SetType(1001);
            db->AddUnit(std::move(trx));
        }
        auto power = std::make_unique<CUnitTPWR>();
        power->SetNumber(1);
        power->SetType(1);
        db->AddUnit(std::move(power));
        views = dynamic_cast<CViewBaseTARN*>(doc->AnyViewManager());
        doc->MarkConfigurationChanged(false);
    }
    CUnitTTRX* Trx(int n) const { return site->FindTrx(n); }
    int Pair(int n) const { return Trx(n)->DiversityPair(); }
    static const SSceneUnit* Scene(const SCabinetScene& scene, const CUnit* unit) {
        return scene.Find(unit);
    }
    SPoint Centre(const CUnit* unit) const {
        const SCabinetScene scene = views->BuildScene();
        const SSceneUnit* u = scene.Find(unit);
        return u != nullptr
                   ? SPoint{(u->rect.left + u->rect.right) / 2, (u->rect.top + u->rect.bottom) / 2}
                   : SPoint{-1, -1};
    }
};

std::vector<std::string> Column(const SListContent& list, std::size_t column) {
    std::vector<std::string> out;
    for (const SListRow& row : list.rows) {
        out.push_back(column < row.cells.size() ? row.cells[column] : "?");
    }
    return out;
}

} // namespace

TEST(SelmoViews, TheSiteGetsTheSelmoManagerWithViewTwelveAloneAndItsOwnMenu) {
    SelmoFixture f;
    ASSERT_NE(f.views, nullptr);
    EXPECT_EQ(f.doc->ViewManager(), nullptr) << "no Orvik manager for a Selmo site";
    EXPECT_EQ(f.views->Name(), "SelmoBTS");
    ASSERT_EQ(f.views->Views().size(), 1u);
    ASSERT_NE(f.views->ActiveView(), nullptr);
    EXPECT_EQ(f.views->ActiveView()->Type(), kViewRxCablingTARN);
    EXPECT_EQ(f.views->ActiveView()->Command(), 32784);
    EXPECT_EQ(f.doc->ActiveViewType(), kViewRxCablingTARN);
    ASSERT_EQ(f.views->BarEntries().size(), 1u);
    EXPECT_FALSE(f.views->BtsConnectionEnabled());

    // The Orvik views' commands do nothing here; the one view's is on and checked.
    EXPECT_FALSE(f.doc->OnCommand(cmd::ViewCommandOfType(kViewTxCabling)));
    EXPECT_TRUE(f.doc->IsCommandEnabled(32784));
    EXPECT_TRUE(f.doc->IsCommandChecked(32784));
    EXPECT_FALSE(f.views->ActivateView(kViewCabinetInfo));
    EXPECT_EQ(f.views->ActiveView()->Type(), kViewRxCablingTARN);

    // File, Edit, View and Help with the same ids; nothing of the wizard, the BTS or the link.
    std::vector<std::string> titles;
    for (const SCommandMenu& sub : f.doc->Commands().Menus()) {
        titles.push_back(sub.title);
    }
    EXPECT_EQ(titles, (std::vector<std::string>{"&File", "&Edit", "&View", "&Help"}));
    for (int id : {cmd::kNew, cmd::kOpen, cmd::kSave, cmd::kSaveAs, cmd::kPrint, cmd::kUndo,
                   cmd::kProperties, cmd::kOptions, cmd::kHelpTopics}) {
        EXPECT_TRUE(InMenu(f.doc->Commands(), id)) << id;
    }
    for (int id : {cmd::kWizard, cmd::kReplaceCabinet, cmd::kSend, cmd::kFetch, cmd::kConnectLocal,
                   cmd::kConnectRemote, cmd::kCopyBtsConfiguration, cmd::kBtsTab,
                   cmd::kUpdateToLatest, cmd::kPropertySheetOptions}) {
        EXPECT_FALSE(InMenu(f.doc->Commands(), id)) << id;
        EXPECT_FALSE(f.doc->IsCommandEnabled(id)) << id;
    }
    EXPECT_TRUE(f.doc->IsCommandEnabled(cmd::kSave));
    EXPECT_TRUE(f.doc->IsCommandEnabled(cmd::kPrint));
    EXPECT_TRUE(f.doc->IsCommandEnabled(cmd::kProperties));

    // Back to an Orvik site: its manager, its first view and its full menu.
    f.doc->New(false);
    ASSERT_NE(f.doc->ViewManager(), nullptr);
    EXPECT_EQ(f.doc->ActiveViewType(), kViewCabinetInfo);
    EXPECT_TRUE(InMenu(f.doc->Commands(), cmd::kWizard));
    EXPECT_TRUE(f.doc->IsCommandEnabled(cmd::kConnectLocal));
}

TEST(SelmoViews, PairsAreCablesBetweenTheDiversityInputsInTheDiversityColours) {
    SelmoFixture f;
    f.views->SetViewSettings(0);
    ASSERT_TRUE(f.site->SetDiversityPair(1, 2));
    ASSERT_TRUE(f.site->SetDiversityPair(3, 4));
    SCabinetScene scene = f.views->BuildScene();
    ASSERT_TRUE(scene.valid);
    EXPECT_TRUE(scene.selmo);
    EXPECT_EQ(scene.cabinetName, "Selmo");
    // Four transceivers, the power supply and the interface and fan units the site starts with.
    EXPECT_EQ(scene.units.size(), 7u);
    ASSERT_EQ(scene.cables.size(), 2u) << "each pair is drawn once";
    const SSceneUnit* one = scene.Find(f.Trx(1));
    const SSceneUnit* two = scene.Find(f.Trx(2));
    ASSERT_TRUE(one && two);
    EXPECT_EQ(one->label, "OEGA 1");
    EXPECT_EQ(scene.cables[0].from.x, one->rect.left);
    EXPECT_EQ(scene.cables[0].to.y, (two->rect.top + two->rect.bottom) / 2);
    for (const SSceneCable& c : scene.cables) {
        EXPECT_EQ(c.colour, kNavy);
        EXPECT_FALSE(c.selected);
    }
    // Units never overlap: a click always means one unit.
    for (std::size_t i = 0; i < scene.units.size(); ++i) {
        for (std::size_t j = i + 1; j < scene.units.size(); ++j) {
            const SRect& a = scene.units[i].rect;
            const SRect& b = scene.units[j].rect;
            EXPECT_TRUE(a.right <= b.left || b.right <= a.left || a.bottom <= b.top ||
                        b.bottom <= a.top)
                << i << " and " << j;
        }
    }

    // The selected transceiver's pair in the selected colour, its partner marked with it.
    f.views->SelectUnit(f.Trx(2));
    scene = f.views->BuildScene();
    ASSERT_EQ(scene.cables.size(), 2u);
    EXPECT_FALSE(scene.cables[0].selected) << "unselected pass first";
    EXPECT_TRUE(scene.cables[1].selected);
    EXPECT_EQ(scene.cables[1].colour, kBlue);
    EXPECT_TRUE(scene.Find(f.Trx(1))->partner);
    EXPECT_EQ(scene.Find(f.Trx(1))->partnerColour, kBlue);
    EXPECT_FALSE(scene.Find(f.Trx(3))->partner);

    // Only the selected cabling while a unit is selected; all of it without a selection.
    f.views->SetViewSettings(f.views->ViewSettings() | 4);
    EXPECT_EQ(f.views->BuildScene().cables.size(), 1u);
    f.views->SelectUnit(nullptr);
    EXPECT_EQ(f.views->BuildScene().cables.size(), 2u);

    // A pair naming a transceiver the configuration lacks draws no cable.
    f.Trx(4)->SetDiversityPair(9);
    f.Trx(3)->SetDiversityPair(CUnitTTRX::kNoPair);
    EXPECT_EQ(f.views->BuildScene().cables.size(), 1u);
}

TEST(SelmoViews, TheListHasOneRowPerTransceiverWithItsPair) {
    SelmoFixture f;
    f.site->SetDiversityPair(1, 3);
    f.Trx(4)->SetDiversityPair(7);
    SListContent list = f.views->ListContent();
    EXPECT_EQ(list.columns, (std::vector<std::string>{"Transceiver", "RX Diversity Pair"}));
    EXPECT_EQ(Column(list, 0), (std::vector<std::string>{"OEGA 1", "OEGA 2", "OEGA 3", "OEGA 4"}));
    EXPECT_EQ(Column(list, 1),
              (std::vector<std::string>{"OEGA 3", "-", "OEGA 1", "Transceiver 7 (missing)"}));
    ASSERT_EQ(list.rows.size(), 4u);
    EXPECT_EQ(list.rows[2].unitKind, kUnitKindTrx);
    EXPECT_EQ(list.rows[2].unitNumber, 3);

    // Untyped transceivers go by their kind; a site without any says there is nothing.
    SelmoFixture bare(0);
    EXPECT_EQ(Column(bare.views->ListContent(), 0), std::vector<std::string>{kNoInformation});
    auto trx = std::make_unique<CUnitTTRX>();
    trx->SetNumber(5);
    bare.site->GetConfiguration(kSelectCandidate)->AddUnit(std::move(trx));
    EXPECT_EQ(Column(bare.views->ListContent(), 0), std::vector<std::string>{"Transceiver 5"});
}

TEST(SelmoViews, HitTestClicksAndHoverTexts) {
    SelmoFixture f;
    f.site->SetDiversityPair(2, 3);
    const SPictureHit hit = f.views->HitTest(f.Centre(f.Trx(3)));
    EXPECT_EQ(hit.unit, f.Trx(3));
    EXPECT_EQ(f.views->Hover(f.Centre(f.Trx(3))),
              "OEGA 3 - Transceiver, RX diversity pair: OEGA 2");
    EXPECT_EQ(f.views->HoveredUnit(), f.Trx(3));
    EXPECT_EQ(f.views->Hover(f.Centre(f.Trx(1))), "OEGA 1 - Transceiver, no RX diversity pair");
    // Inside the cabinet between units, and outside it.
    EXPECT_EQ(f.views->Hover({8, 40}), "Selmo");
    EXPECT_EQ(f.views->Hover({-5, -5}), CViewBase::kNoHelpText);
    EXPECT_EQ(f.views->HoveredUnit(), nullptr);

    // Press selects; a second click on the selected unit clears it.
    f.views->MousePress(f.Centre(f.Trx(2)));
    f.views->MouseRelease();
    EXPECT_EQ(f.views->SelectedUnit(), f.Trx(2));
    f.views->MousePress(f.Centre(f.Trx(2)));
    f.views->MouseRelease();
    EXPECT_EQ(f.views->SelectedUnit(), nullptr);
    // After an undo the candidate is another object: the selection never points into the old one.
    f.views->SelectUnit(f.Trx(2));
    f.site->PushUndoStep("step");
    f.site->SetDiversityPair(1, 4);
    f.doc->Undo();
    const CUnit* selected = f.views->SelectedUnit();
    EXPECT_TRUE(selected == nullptr ||
                f.site->GetConfiguration(kSelectCandidate)->Contains(selected));
}

TEST(SelmoPages, RxDiversityPageOffersTheOtherTransceiversAndPairsThemInOneUndoStep) {
    SelmoFixture f;
    f.site->SetDiversityPair(1, 2);
    f.site->SetDiversityPair(3, 4);
    PageRXDivTARNController page(*f.site, *f.doc);
    EXPECT_EQ(page.Trxs().size(), 5u);
    EXPECT_EQ(page.Trxs()[0], (SComboItem{"Not selected", 0}));
    EXPECT_EQ(page.Chosen(), 0);
    EXPECT_FALSE(page.CanSet(3));
    EXPECT_FALSE(page.CanClear());

    page.Choose(1);
    EXPECT_EQ(f.views->SelectedNumber(), 1) << "choosing in the page selects in the views";
    const ComboItems partners = page.Partners();
    ASSERT_EQ(partners.size(), 4u);
    EXPECT_EQ(partners[0], (SComboItem{"-", 0}));
    EXPECT_EQ(partners[1], (SComboItem{"OEGA 2", 2}));
    EXPECT_EQ(partners[3], (SComboItem{"OEGA 4", 4})) << "itself left out";
    EXPECT_EQ(page.Partner(), 2);

    // Pairing with what it already has records nothing.
    const int steps = f.site->UndoCount();
    EXPECT_FALSE(page.Set(2));
    EXPECT_FALSE(page.Set(1));
    EXPECT_FALSE(page.Set(9));
    EXPECT_EQ(f.site->UndoCount(), steps);
    EXPECT_FALSE(f.doc->ConfigurationChanged());

    ASSERT_TRUE(page.Set(3));
    EXPECT_EQ(f.doc->CommandText(cmd::kUndo), "&Undo Set RX Diversity Pair\tCtrl + Z");
    EXPECT_EQ(f.site->UndoCount(), steps + 1);
    EXPECT_TRUE(f.doc->ConfigurationChanged());
    EXPECT_EQ(f.Pair(1), 3);
    EXPECT_EQ(f.Pair(3), 1);
    EXPECT_FALSE(f.Trx(2)->HasDiversityPair()) << "former partners are left alone";
    EXPECT_FALSE(f.Trx(4)->HasDiversityPair());

    ASSERT_TRUE(page.Clear());
    EXPECT_EQ(f.doc->CommandText(cmd::kUndo), "&Undo Clear RX Diversity Pair\tCtrl + Z");
    EXPECT_FALSE(f.Trx(1)->HasDiversityPair());
    EXPECT_FALSE(f.Trx(3)->HasDiversityPair());
    EXPECT_FALSE(page.CanClear());

    // Undo gives back each step in turn.
    f.doc->Undo();
    EXPECT_EQ(f.Pair(1), 3);
    f.doc->Undo();
    EXPECT_EQ(f.Pair(1), 2);
    EXPECT_EQ(f.Pair(4), 3);

    ASSERT_TRUE(page.ClearAll());
    EXPECT_EQ(f.doc->CommandText(cmd::kUndo), "&Undo Clear All RX Diversity Pairs\tCtrl + Z");
    for (int n = 1; n <= 4; ++n) {
        EXPECT_FALSE(f.Trx(n)->HasDiversityPair()) << n;
    }
    EXPECT_FALSE(page.CanClearAll());
    EXPECT_FALSE(page.ClearAll());
}

TEST(SelmoPages, OneSidedPairsFromAFileCanBeMadeWholeOrCleared) {
    SelmoFixture f;
    f.Trx(1)->SetDiversityPair(2); // 2 does not name 1
    f.Trx(3)->SetDiversityPair(8); // names a transceiver the site lacks
    PageRXDivTARNController page(*f.site, *f.doc);
    page.Follow(kUnitKindTrx, 1);
    EXPECT_EQ(page.Chosen(), 1);
    EXPECT_TRUE(page.CanSet(2));
    ASSERT_TRUE(page.Set(2));
    EXPECT_EQ(f.Pair(2), 1);
    page.Follow(kUnitKindTrx, 3);
    EXPECT_EQ(page.Partner(), 0);
    EXPECT_TRUE(page.CanClear());
    ASSERT_TRUE(page.Clear());
    EXPECT_FALSE(f.Trx(3)->HasDiversityPair());
    // A unit of another kind leaves the page on none.
    page.Follow(kUnitKindPwr, 1);
    EXPECT_EQ(page.Chosen(), 0);
}

TEST(SelmoPages, OptionsPageStoresOnlySelectedCablingAndKeepsTheOtherBits) {
    SelmoFixture f;
    settings::Write(f.settings, settings::kViewSettings, 3);
    f.views->SetViewSettings(3);
    PageOptionsRXDivTARNController options(f.settings, f.views);
    EXPECT_FALSE(options.OnlySelectedCabling());
    const int refreshes = f.windows.viewCommands.size();
    ASSERT_TRUE(options.SetOnlySelectedCabling(true));
    EXPECT_EQ(settings::Read(f.settings, settings::kViewSettings), 7);
    EXPECT_TRUE(f.views->ShowOnlySelectedCabling());
    EXPECT_TRUE(f.views->ShowWideband()) << "the Orvik options stay as they were";
    EXPECT_GE(static_cast<int>(f.windows.viewCommands.size()), refreshes);
    EXPECT_FALSE(options.SetOnlySelectedCabling(true));
    ASSERT_TRUE(options.SetOnlySelectedCabling(false));
    EXPECT_EQ(settings::Read(f.settings, settings::kViewSettings), 3);
    EXPECT_FALSE(f.doc->ConfigurationChanged()) << "a display option is no edit";

    // A new Selmo manager reads the stored option.
    settings::Write(f.settings, settings::kViewSettings, 4);
    ASSERT_TRUE(f.doc->NewSiteOfType(CBTSConfigurationDoc::kSelmoBtsType));
    EXPECT_TRUE(f.doc->AnyViewManager()->ShowOnlySelectedCabling());
}
