// The document's view manager: made with the site, told to the windows before the old one goes,
// driven by the view and tab commands, and the first to hear relayed notifications.
#include <gtest/gtest.h>

#include "DocumentTestSupport.h"
#include "app/commands/CommandIds.h"
#include "app/document/MissingInfoModel.h"
#include "app/views/CabinetScene.h"
#include "app/views/DifferenceList.h"
#include "app/views/ViewBase.h"
#include "app/views/ViewPageBase.h"
#include "app/views/ViewPagesKODA.h"
#include "files/ConfigInfoKODA.h"
#include "model/BtsConfiguration.h"
#include "model/CableGuy.h"
#include "model/DataBaseKODA.h"
#include "model/SiteKODA.h"

#include <algorithm>
#include <map>
#include <set>

namespace {

std::string Sample() {
    return std::string(CABRION_TEST_DATA_DIR) + "/../../docs/samples/harbour-4x3.hwc";
}

struct ViewsFixture : DocumentFixture {
    ViewsFixture() {
        // The document is already gone from the pointer while it is being destroyed.
        windows.currentManager = [this]() -> const void* {
            return doc ? doc->ViewManager() : nullptr;
        };
    }
    int ActiveType() const {
        const CViewPageBase* view = doc->ViewManager()->ActiveView();
        return view != nullptr ? view->Type() : 0;
    }
};

} // namespace

TEST(DocumentViews, EachNewSiteGetsItsOwnManagerAndTheWindowsLetGoOfTheOldFirst) {
    ViewsFixture f;
    EXPECT_EQ(f.doc->ViewManager(), nullptr);
    f.doc->New(false);
    ASSERT_NE(f.doc->ViewManager(), nullptr);
    EXPECT_EQ(f.ActiveType(), kViewCabinetInfo);
    ASSERT_EQ(f.windows.managers.size(), 1u);
    EXPECT_EQ(f.windows.managers[0], f.doc->ViewManager());

    ASSERT_TRUE(f.doc->OpenPath(Sample(), true)) << testing::PrintToString(f.windows.messages);
    // Told once with no manager (the old one is about to go), then with the new one.
    ASSERT_EQ(f.windows.managers.size(), 3u);
    EXPECT_EQ(f.windows.managers[1], nullptr);
    EXPECT_EQ(f.windows.managers[2], f.doc->ViewManager());
    EXPECT_EQ(f.doc->ViewManager()->Site(), f.doc->SiteKODA());
}

TEST(DocumentViews, ViewCommandsActivateViewsAndTheChoiceOutlivesOpeningAFile) {
    ViewsFixture f;
    f.doc->New(false);
    const int tx = cmd::ViewCommandOfType(kViewTxCabling);
    ASSERT_TRUE(f.doc->IsCommandEnabled(tx));
    EXPECT_FALSE(f.doc->IsCommandChecked(tx));
    ASSERT_TRUE(f.doc->OnCommand(tx));
    EXPECT_EQ(f.ActiveType(), kViewTxCabling);
    EXPECT_EQ(f.doc->ActiveViewType(), kViewTxCabling);
    EXPECT_TRUE(f.doc->IsCommandChecked(tx));
    EXPECT_FALSE(f.doc->IsCommandChecked(cmd::ViewCommandOfType(kViewCabinetInfo)));
    EXPECT_EQ(f.windows.viewCommands.back(), tx);

    ASSERT_TRUE(f.doc->OpenPath(Sample(), true));
    EXPECT_EQ(f.ActiveType(), kViewTxCabling);

    // The redraw command redraws without changing the view.
    const int redraws = f.windows.redraws;
    f.doc->RefreshViews();
    EXPECT_GT(f.windows.redraws, redraws);
    EXPECT_EQ(f.ActiveType(), kViewTxCabling);
    EXPECT_EQ(f.doc->ActiveViewType(), kViewTxCabling);
}

TEST(DocumentViews, TabCommandsShowTheCandidateWithoutABtsConfiguration) {
    ViewsFixture f;
    // The tab row is there only while the BTS connection is enabled.
    f.settings.SetInt("Initialization", "EnableBTS", 1);
    ASSERT_TRUE(f.doc->OpenPath(Sample(), true));
    ASSERT_TRUE(f.doc->OnCommand(cmd::kBtsTab));
    EXPECT_EQ(f.windows.viewCommands.back(), cmd::kBtsTabView);
    // Nothing has come from a BTS: the views keep showing the candidate.
    EXPECT_FALSE(f.doc->ViewManager()->BtsTab());
    EXPECT_NE(f.doc->ViewManager()->Shown(), nullptr);
    // ... and the document does not claim the BTS tab either.
    EXPECT_TRUE(f.doc->CandidateTabSelected());
    EXPECT_FALSE(f.doc->IsCommandChecked(cmd::kBtsTab));
    ASSERT_TRUE(f.doc->OnCommand(cmd::kCandidateTab));
    EXPECT_EQ(f.windows.viewCommands.back(), cmd::kCandidateTabView);
    EXPECT_TRUE(f.doc->CandidateTabSelected());
}

TEST(DocumentViews, RelayedNotificationsRedrawOnlyForWhatChangesThePicture) {
    ViewsFixture f;
    // Without a site there is no manager and nothing to do.
    f.doc->ViewNotification(notify::kConnectionState, notify::kConnectedIcon, 0);
    EXPECT_EQ(f.windows.redraws, 0);

    ASSERT_TRUE(f.doc->OpenPath(Sample(), true));
    const auto redrawsAfter = [&](int message, int wParam) {
        const int before = f.windows.redraws;
        f.doc->ViewNotification(message, wParam, 0);
        return f.windows.redraws - before;
    };
    EXPECT_GT(redrawsAfter(notify::kConnectionState, notify::kDisconnectedIcon), 0);
    EXPECT_GT(redrawsAfter(notify::kBtsNotification, 1), 0);
    EXPECT_GT(redrawsAfter(notify::kGeneral, notify::kUndoPerformed), 0);
    // Bar-code options and pane focus do not touch the picture.
    EXPECT_EQ(redrawsAfter(notify::kGeneral, 7), 0);
    EXPECT_EQ(redrawsAfter(notify::kGeneral, 10), 0);
}

TEST(DocumentViews, SelectingAUnitTellsTheWindowsAndUndoRedrawsTheViews) {
    ViewsFixture f;
    ASSERT_TRUE(f.doc->OpenPath(Sample(), true));
    CViewBaseKODA& views = *f.doc->ViewManager();
    ASSERT_TRUE(f.doc->OnCommand(cmd::ViewCommandOfType(kViewCabinetUnits)));
    const CUnit* unit = nullptr;
    for (const auto& u : f.doc->SiteKODA()->GetKODA(kSelectCandidate)->Units()) {
        if (views.ActiveView()->IsUnitShown(*u)) {
            unit = u.get();
            break;
        }
    }
    ASSERT_NE(unit, nullptr);
    views.SelectUnit(unit);
    EXPECT_EQ(f.windows.selectionChanges, 1);
    EXPECT_EQ(views.SelectedUnit(), unit);
    // Choosing the same unit again is no change.
    views.SelectUnit(unit);
    EXPECT_EQ(f.windows.selectionChanges, 1);

    auto mha = CSiteKODA::CreateUnitOfKind(kUnitKindMha);
    mha->SetNumber(12);
    f.doc->Site()->AddUnit(std::move(mha), true, kSelectCandidate);
    const int redraws = f.windows.redraws;
    ASSERT_TRUE(f.doc->OnCommand(cmd::kUndo));
    EXPECT_GT(f.windows.redraws, redraws);
}

TEST(DocumentViews, LaterIdlePassesFetchTheMissingBtsPartsThroughTheLink) {
    ViewsFixture f;
    ASSERT_TRUE(f.doc->OpenPath(Sample(), true));
    f.doc->OnIdle();
    f.doc->OnIdle();
    // The manager's first pass (the update-only wizard's) and one with nothing from the BTS.
    f.doc->OnIdle();
    f.doc->OnIdle();
    EXPECT_EQ(f.doc->ViewManager()->StartupPasses(), 2);
    EXPECT_TRUE(f.link.fetchedParts.empty());

    f.link.GoUp(2);
    auto bts = std::make_unique<CDataBaseKODA>();
    bts->CopyFrom(*f.doc->SiteKODA()->GetKODA(kSelectCandidate));
    bts->SetTransferStatus(1, 1);
    bts->SetTransferStatus(2, 0);
    bts->SetTransferStatus(3, 0);
    CBtsConfiguration::Set(std::move(bts));
    f.doc->OnIdle();
    f.doc->OnIdle();
    f.doc->OnIdle();
    EXPECT_EQ(f.link.fetchedParts, (std::vector<int>{2, 3}));
    EXPECT_TRUE(f.doc->ViewManager()->BtsConfigurationComplete());
}

TEST(DocumentViews, ChangedOptionsMoveTheLinkAndTheTabs) {
    ViewsFixture f;
    f.settings.SetInt("Initialization", "EnableBTS", 1);
    ASSERT_TRUE(f.doc->OpenPath(Sample(), true));
    f.link.GoUp(2);
    f.doc->ConnectLocal();
    const size_t starts = f.link.starts.size();

    f.settings.SetInt("Initialization", "MaxUARTSpeed", 3);
    f.doc->SettingsChanged();
    EXPECT_EQ(f.link.maxSpeeds, (std::vector<int>{3}));
    EXPECT_EQ(f.link.starts.size(), starts);

    f.settings.SetInt("Initialization", "ComPort", 2);
    f.doc->SettingsChanged();
    ASSERT_EQ(f.link.starts.size(), starts + 1);
    EXPECT_EQ(f.link.starts.back().first, 2);

    auto bts = std::make_unique<CDataBaseKODA>();
    bts->CopyFrom(*f.doc->SiteKODA()->GetKODA(kSelectCandidate));
    CBtsConfiguration::Set(std::move(bts));
    ASSERT_TRUE(f.doc->OnCommand(cmd::kBtsTab));
    ASSERT_FALSE(f.doc->CandidateTabSelected());
    const int stops = f.link.stops;
    const int redraws = f.windows.redraws;
    f.settings.SetInt("Initialization", "EnableBTS", 0);
    f.doc->SettingsChanged();
    EXPECT_GT(f.link.stops, stops);
    EXPECT_TRUE(f.doc->CandidateTabSelected());
    EXPECT_FALSE(f.doc->ViewManager()->BtsTab());
    EXPECT_EQ(f.doc->ViewManager()->BarEntries().size(), 9u);
    // The windows are told, so that the bar and the tab row follow.
    EXPECT_GT(f.windows.redraws, redraws);
}

// Records that disagree with their MHA (as a file may hold them) are put right when the Antenna
// Settings view is shown, also when it is shown again.
TEST(DocumentViews, TheAntennaViewBringsTheRecordsInStepWithTheirMhas) {
    ViewsFixture f;
    ASSERT_TRUE(f.doc->OpenPath(Sample(), true));
    CDataBaseKODA& db = *f.doc->SiteKODA()->GetKODA(kSelectCandidate);
    CUnit* mha = db.FindUnit(kUnitKindMha, 1);
    ASSERT_NE(mha, nullptr);
    const auto disagree = [&] {
        mha->SetType(53); // low gain
        mha->SetUpgrade(false);
        db.Antenna(1)->SetMhaType(3);
        db.Antenna(1)->SetAttenuation(190);
    };
    const int antennaView = f.doc->ViewManager()->FindView(8)->Command();
    disagree();
    ASSERT_TRUE(f.doc->OnCommand(antennaView));
    EXPECT_EQ(db.Antenna(1)->MhaType(), 2);
    EXPECT_EQ(db.Antenna(1)->Attenuation(), 9999);
    ASSERT_TRUE(f.doc->OnCommand(f.doc->ViewManager()->FindView(1)->Command()));
    disagree();
    ASSERT_TRUE(f.doc->OnCommand(antennaView));
    EXPECT_EQ(db.Antenna(1)->MhaType(), 2);
}

// The tab commands need the tab row. The Differences view's two display commands become usable
// once drawing the BTS side met a unit that only one configuration has, and the choice reaches
// the outline the views draw.
TEST(DocumentViews, TabCommandsNeedTheTabRowAndTheUnitChoiceFollowsDrawnDifferences) {
    ViewsFixture f;
    ASSERT_TRUE(f.doc->OpenPath(Sample(), true));
    EXPECT_FALSE(f.doc->IsCommandEnabled(cmd::kBtsTab));
    EXPECT_FALSE(f.doc->IsCommandEnabled(cmd::kCandidateTab));
    f.settings.SetInt("Initialization", "EnableBTS", 1);
    f.doc->SettingsChanged();
    EXPECT_TRUE(f.doc->IsCommandEnabled(cmd::kBtsTab));
    EXPECT_TRUE(f.doc->IsCommandEnabled(cmd::kCandidateTab));

    f.link.GoUp(2);
    auto bts = std::make_unique<CDataBaseKODA>();
    bts->CopyFrom(*f.doc->SiteKODA()->GetKODA(kSelectCandidate));
    ASSERT_TRUE(bts->DeleteUnit(bts->FindUnit(kUnitKindTrx, 12)));
    CBtsConfiguration::Set(std::move(bts));
    ASSERT_TRUE(f.doc->OnCommand(cmd::kBtsTab));
    ASSERT_TRUE(f.doc->OnCommand(cmd::ViewCommandOfType(kViewDifferences)));
    EXPECT_FALSE(f.doc->IsCommandEnabled(cmd::kShowFileUnits));
    (void)f.doc->ViewManager()->BuildScene();
    EXPECT_TRUE(f.doc->IsCommandEnabled(cmd::kShowFileUnits));
    EXPECT_FALSE(f.doc->IsCommandEnabled(cmd::kShowPhysicalUnits));

    const auto outlines = [&] {
        std::set<EOutline> seen;
        for (const SSceneUnit& u : f.doc->ViewManager()->BuildScene().units) {
            seen.insert(u.outline);
        }
        return seen;
    };
    EXPECT_TRUE(outlines().count(EOutline::Solid));
    ASSERT_TRUE(f.doc->OnCommand(cmd::kShowFileUnits));
    EXPECT_TRUE(outlines().count(EOutline::Dotted));
    EXPECT_FALSE(outlines().count(EOutline::Solid));
    EXPECT_TRUE(f.doc->IsCommandEnabled(cmd::kShowPhysicalUnits));
    CBtsConfiguration::Drop();
}

// The twelve-transceiver candidate against the six-transceiver sample in the BTS: below its
// views the Differences list says what differs, every "Not same" view has rows and no "OK" view
// has any; each row points at its unit, also at a place that only the candidate has; and the
// units matched by the names the user sees are not called missing.
TEST(DocumentViews, DifferencesListWhatDiffersAndPointAtTheUnits) {
    ViewsFixture f;
    const std::string samples = std::string(CABRION_TEST_DATA_DIR) + "/../../docs/samples/";
    ASSERT_TRUE(f.doc->OpenPath(samples + "chapel-2x3.hwc", true));
    auto bts = std::make_unique<CDataBaseKODA>();
    bts->CopyFrom(*f.doc->SiteKODA()->GetKODA(kSelectCandidate));
    for (int step = 1; step <= 3; ++step) {
        bts->SetTransferStatus(step, 1);
    }
    ASSERT_TRUE(f.doc->OpenPath(Sample(), true));
    f.settings.SetInt("Initialization", "EnableBTS", 1);
    f.doc->SettingsChanged();
    f.link.GoUp(2);
    CBtsConfiguration::Set(std::move(bts));
    CSiteKODA& site = *f.doc->SiteKODA();
    site.CableGuy()->RebuildCables(kSelectBts, 0);
    ASSERT_TRUE(f.doc->OnCommand(cmd::ViewCommandOfType(kViewDifferences)));
    CViewBase& views = *f.doc->ViewManager();
    views.Sorting().HeaderClicked(0); // the views sort among themselves, the rows below them

    const SListContent list = views.ListContent();
    const std::size_t viewRows = CConfigInfoKODA::DifferenceViews().size();
    ASSERT_GT(list.rows.size(), viewRows + 1);
    EXPECT_EQ(list.rows[viewRows].cells[0], CViewDifferences::kDetailColumns[0]);
    std::map<std::string, int> rowsOfView;
    std::map<std::string, const SListRow*> byItem;
    for (std::size_t i = viewRows + 1; i < list.rows.size(); ++i) {
        const SListRow& r = list.rows[i];
        ++rowsOfView[r.cells[3]];
        byItem[r.cells[3] + ": " + r.cells[0]] = &r;
    }
    for (std::size_t i = 0; i < viewRows; ++i) {
        const auto& cells = list.rows[i].cells;
        EXPECT_NE(cells[3], "Not compared") << cells[0];
        EXPECT_EQ(cells[3] == "Not same", rowsOfView[cells[0]] > 0) << cells[0];
    }
    ASSERT_TRUE(byItem.count("TX Cabling: RVDB 2"));
    EXPECT_EQ(byItem["TX Cabling: RVDB 2"]->cells[1], "HYDx 1a via GEDA 1");
    EXPECT_EQ(byItem["TX Cabling: RVDB 2"]->cells[2], "HYDx 1b");
    ASSERT_TRUE(byItem.count("Cabinet Units: RVDB 12"));
    EXPECT_EQ(byItem["Cabinet Units: RVDB 12"]->cells[2], "-");
    ASSERT_TRUE(byItem.count("Cabinet Units: HYDx 1"));
    EXPECT_EQ(byItem["Cabinet Units: HYDx 1"]->cells[2], "HYDx Sub band A/B (number 1)");

    // Both have HYDx 1, 3 and 5 under other numbers: nothing is missing, nor outlined.
    CConfigInfoKODA info(&site);
    EXPECT_EQ(MissingInformationSections(info)[0].text, "OK");
    const CUnit* candidateTrx12 = site.GetKODA(kSelectCandidate)->FindUnit(kUnitKindTrx, 12);
    EXPECT_EQ(views.RowUnit(*byItem["TX Cabling: RVDB 2"]),
              site.GetKODA(kSelectCandidate)->FindUnit(kUnitKindTrx, 2));

    ASSERT_TRUE(f.doc->OnCommand(cmd::kBtsTab));
    const SListContent btsList = views.ListContent();
    const auto trx12 = std::find_if(btsList.rows.begin(), btsList.rows.end(), [](const auto& r) {
        return r.cells[0] == "RVDB 12" && r.cells[3] == "Cabinet Units";
    });
    ASSERT_NE(trx12, btsList.rows.end());
    // Only the candidate has it: the row points at the place the BTS tab outlines.
    ASSERT_EQ(views.RowUnit(*trx12), candidateTrx12);
    views.SelectUnit(views.RowUnit(*trx12));
    EXPECT_EQ(views.SelectedOrOutlined(), candidateTrx12);
    bool ghostSelected = false;
    for (const SSceneUnit& u : views.BuildScene().units) {
        ghostSelected = ghostSelected ||
                        (u.unit == candidateTrx12 && u.selected && u.outline != EOutline::None);
        EXPECT_FALSE(u.unit->Kind() == kUnitKindDdu && u.outline != EOutline::None)
            << u.unit->DisplayName();
    }
    EXPECT_TRUE(ghostSelected);
    CBtsConfiguration::Drop();
}
