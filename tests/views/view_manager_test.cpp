// The view manager's rules: the views and their bar, the selection, colours, which units each
// view shows and which cables it draws in which colour.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "app/views/ViewChoice.h"
#include "app/views/ViewPagesKODA.h"
#include "model/CabinetKODA.h"
#include "support/ViewTestHost.h"

using testsupport::SSampleViews;

namespace {

std::set<int> ShownKinds(const SCabinetScene& scene) {
    std::set<int> kinds;
    for (const SSceneUnit& u : scene.units) {
        if (u.shown) {
            kinds.insert(u.unit->Kind());
        }
    }
    return kinds;
}

const SSceneUnit* SceneUnitOf(const SCabinetScene& scene, int kind, int number) {
    for (const SSceneUnit& u : scene.units) {
        if (u.unit->Kind() == kind && u.unit->Number() == number) {
            return &u;
        }
    }
    return nullptr;
}

SPoint Centre(const SRect& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

} // namespace

TEST(ViewManager, OrvikViewsInBarOrderWithNamesLabelsAndCommands) {
    SSampleViews s;
    EXPECT_EQ(s.manager->Name(), "OrvikBTS");
    const struct {
        int type;
        const char* name;
        const char* label;
        int icon;
        int command;
    } expected[] = {
        {1, "Cabinet Information", "Cabinet\nInfo", 302, 32773},
        {2, "Cabinet Units", "Cabinet\nUnits", 303, 32774},
        {3, "BB2 - RVx Cross-connection", "BB2-RVx\nCross-conn.", 304, 32775},
        {4, "TX Cabling", "TX\nCabling", 305, 32776},
        {5, "RX Main Cabling", "RX Main\nCabling", 309, 32777},
        {6, "RX Diversity Cabling", "RX Div.\nCabling", 307, 32778},
        {7, "All Cabling", "All\nCabling", 308, 32779},
        {8, "Antenna Settings", "Antenna\nSettings", 306, 32780},
        {10, "Passive Units", "Passive\nUnits", 311, 32782},
        {11, "Differences", "Differences", 310, 32785},
    };
    ASSERT_EQ(s.manager->Views().size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const CViewPageBase& v = *s.manager->Views()[i];
        EXPECT_EQ(v.Type(), expected[i].type);
        EXPECT_EQ(v.Name(), expected[i].name);
        EXPECT_STREQ(v.BarLabel(), expected[i].label);
        EXPECT_EQ(v.IconId(), expected[i].icon);
        EXPECT_EQ(v.Command(), expected[i].command);
        EXPECT_EQ(s.manager->FindViewByCommand(expected[i].command), &v);
    }
    ASSERT_NE(s.manager->ActiveView(), nullptr);
    EXPECT_EQ(s.manager->ActiveView()->Type(), kViewCabinetInfo);
}

TEST(ViewManager, BarHasTheDifferencesButtonOnlyWithTheBtsConnection) {
    SSampleViews s;
    EXPECT_EQ(s.manager->BarEntries().size(), 10u);
    s.manager->SetBtsConnectionEnabled(false);
    const auto entries = s.manager->BarEntries();
    EXPECT_EQ(entries.size(), 9u);
    EXPECT_TRUE(std::none_of(entries.begin(), entries.end(),
                             [](const SBarEntry& e) { return e.viewType == kViewDifferences; }));

    CMemoryRegistry off;
    off.SetInt("Initialization", "EnableBTS", 0);
    CViewBaseKODA disabled(s.host, off);
    EXPECT_EQ(disabled.BarEntries().size(), 9u);
    // A remote or command-line connection counts although "EnableBTS" is 0.
    s.host.connectionWanted = true;
    EXPECT_TRUE(disabled.BtsConnectionEnabled());
    EXPECT_EQ(disabled.BarEntries().size(), 10u);
}

TEST(ViewManager, SwitchingTheConnectionOffLeavesTheDifferencesViewAndTheBtsTab) {
    SSampleViews s(true);
    s.ShowBts(true);
    ASSERT_TRUE(s.manager->ActivateView(kViewDifferences));
    s.manager->SetBtsConnectionEnabled(false);
    EXPECT_FALSE(s.manager->BtsTab());
    EXPECT_EQ(s.manager->ActiveView()->Type(), kViewCabinetInfo);
}

TEST(ViewManager, ActivatingAnUnknownTypeChangesNothing) {
    SSampleViews s;
    ASSERT_TRUE(s.manager->ActivateView(kViewTxCabling));
    const int redraws = s.host.redraws;
    EXPECT_FALSE(s.manager->ActivateView(kViewLogicalTrx));
    EXPECT_FALSE(s.manager->ActivateView(99));
    EXPECT_EQ(s.manager->ActiveView()->Type(), kViewTxCabling);
    EXPECT_EQ(s.host.redraws, redraws);
    EXPECT_TRUE(s.manager->ActivateView(kViewRedraw));
    EXPECT_EQ(s.host.redraws, redraws + 1);
    EXPECT_EQ(s.manager->ActiveView()->Type(), kViewTxCabling);
}

TEST(ViewManager, SelectionNotifiesOnceAndFollowsTheViews) {
    SSampleViews s;
    s.manager->ActivateView(kViewTxCabling);
    CUnit* trx = s.Candidate().FindUnit(kUnitKindTrx, 3);
    s.manager->SelectUnit(trx);
    s.manager->SelectUnit(trx);
    ASSERT_EQ(s.host.selections.size(), 1u);
    EXPECT_EQ(s.host.selections[0], 256 * 3 + kUnitKindTrx);
    EXPECT_EQ(s.manager->SelectedUnit(), trx);

    // The BB2 view shows transceivers: the selection stays.
    s.manager->ActivateView(kViewBB2);
    EXPECT_EQ(s.manager->SelectedUnit(), trx);
    // The antenna view does not: it is cleared, and the main window hears of it.
    s.manager->ActivateView(kViewAntenna);
    EXPECT_EQ(s.manager->SelectedUnit(), nullptr);
    EXPECT_EQ(s.host.selections.back(), 0);
}

TEST(ViewManager, ASelectedUnitThatLeftTheSiteIsNoLongerSelected) {
    SSampleViews s;
    CUnit* mc = s.Candidate().FindUnit(kUnitKindMc2, 5);
    s.manager->SelectUnit(mc);
    s.host.site->RemoveUnit(mc, kSelectCandidate);
    EXPECT_EQ(s.manager->SelectedUnit(), nullptr);
}

TEST(ViewManager, ColourTableFollowsTheSettingsAndGroupsWithoutEntryAreWhite) {
    SSampleViews s;
    EXPECT_EQ(s.manager->CableColour(kGroupTx, false), 0x008000u);
    EXPECT_EQ(s.manager->CableColour(kGroupTx, true), 0x00FF00u);
    EXPECT_EQ(s.manager->CableColour(kGroupRxMain, false), 0x800000u);
    EXPECT_EQ(s.manager->CableColour(kGroupRxDiv, true), 0x0000FFu);
    EXPECT_EQ(s.manager->CableColour(kGroupBB2, false), 0x008080u);
    EXPECT_EQ(s.manager->CableColour(kGroupAntenna, true), 0xFFFF00u);
    EXPECT_FALSE(s.manager->CableColour(4, false).has_value());
    EXPECT_FALSE(s.manager->CableColour(kGroupNone, true).has_value());
    EXPECT_EQ(s.manager->CableColourOrWhite(4, true), kSceneWhite);

    // Stored as Windows colour values: blue in the high byte.
    s.settings.SetInt("Settings", "OrvikColor3", 0x00332211);
    s.manager->SettingsChanged(s.settings);
    EXPECT_EQ(s.manager->CableColour(kGroupRxMain, false), 0x112233u);
    EXPECT_EQ(ColourToSetting(0x112233), 0x00332211);
}

TEST(ViewManager, DisplayOptionsComeFromViewSettings) {
    SSampleViews s;
    EXPECT_TRUE(s.manager->ShowWideband());
    EXPECT_FALSE(s.manager->ShowRackShelfSlot());
    EXPECT_TRUE(s.manager->ShowOnlySelectedCabling());
    s.settings.SetInt("Settings", "ViewSettings", 2);
    s.manager->SettingsChanged(s.settings);
    EXPECT_FALSE(s.manager->ShowWideband());
    EXPECT_TRUE(s.manager->ShowRackShelfSlot());
    EXPECT_FALSE(s.manager->ShowOnlySelectedCabling());
    s.manager->ActivateView(kViewCabinetUnits);
    EXPECT_EQ(s.manager->ActiveView()->PictureVariant(), 1);
    s.manager->SetViewSettings(0);
    EXPECT_EQ(s.manager->ActiveView()->PictureVariant(), 2);
}

TEST(ViewShownUnits, EachViewShowsItsKinds) {
    SSampleViews s;
    s.manager->SetViewSettings(0);
    const auto kinds = [&](int view) {
        s.manager->ActivateView(view);
        return ShownKinds(s.manager->BuildScene());
    };
    EXPECT_TRUE(kinds(kViewCabinetInfo).empty());
    EXPECT_EQ(kinds(kViewBB2), (std::set<int>{kUnitKindTrx, kUnitKindBb2}));
    EXPECT_EQ(kinds(kViewTxCabling), (std::set<int>{kUnitKindTrx, kUnitKindDdu}));
    EXPECT_EQ(kinds(kViewRxMainCabling), (std::set<int>{kUnitKindTrx, kUnitKindDdu}));
    EXPECT_EQ(kinds(kViewAntenna), (std::set<int>{kUnitKindDdu, kUnitKindMha}));
    EXPECT_TRUE(kinds(kViewPassive).empty());
    // The wideband and multicoupler units join with the option.
    s.manager->SetViewSettings(1);
    EXPECT_EQ(kinds(kViewTxCabling),
              (std::set<int>{kUnitKindTrx, kUnitKindDdu, kUnitKindWbc, kUnitKindMc2}));
    EXPECT_EQ(kinds(kViewRxDivCabling), (std::set<int>{kUnitKindTrx, kUnitKindDdu, kUnitKindMc2}));
    EXPECT_EQ(kinds(kViewAllCabling),
              (std::set<int>{kUnitKindTrx, kUnitKindDdu, kUnitKindWbc, kUnitKindMc2}));
    const std::set<int> all = kinds(kViewCabinetUnits);
    for (int k : {kUnitKindTrx, kUnitKindBb2, kUnitKindPwr, kUnitKindTre, kUnitKindBoi,
                  kUnitKindDdu, kUnitKindMc2, kUnitKindWbc, kUnitKindMha}) {
        EXPECT_TRUE(all.count(k)) << "kind " << k;
    }
}

TEST(ViewShownUnits, PlannedUnitsAreNeverDrawnAndHiddenUnitsKeepTheirPlace) {
    SSampleViews s;
    s.manager->ActivateView(kViewTxCabling);
    const SCabinetScene scene = s.manager->BuildScene();
    // MHA 7-12 are still planned: not even their place is filled.
    EXPECT_EQ(SceneUnitOf(scene, kUnitKindMha, 9), nullptr);
    // BB2s are installed but not part of TX cabling: their places are filled.
    const SSceneUnit* bb2 = SceneUnitOf(scene, kUnitKindBb2, 1);
    ASSERT_NE(bb2, nullptr);
    EXPECT_FALSE(bb2->shown);
}

TEST(ViewShownUnits, SelectedDuplexerHidesTransceiversAndShowsItsAntennas) {
    SSampleViews s;
    s.manager->ActivateView(kViewCabinetUnits);
    EXPECT_TRUE(ShownKinds(s.manager->BuildScene()).count(kUnitKindTrx));
    CUnit* ddu = s.Candidate().FindUnitByDisplayedNumber(kUnitKindDdu, 1);
    ASSERT_NE(ddu, nullptr);
    s.manager->SelectUnit(ddu);
    const SCabinetScene scene = s.manager->BuildScene();
    EXPECT_FALSE(ShownKinds(scene).count(kUnitKindTrx));
    ASSERT_FALSE(scene.cables.empty());
    for (const SSceneCable& c : scene.cables) {
        EXPECT_EQ(c.cableType, kCableAntenna);
        EXPECT_EQ(c.colour, 0xFFFF00u);
    }
}

TEST(ViewShownUnits, BoiJoinsTheViewsOnTheBtsTab) {
    SSampleViews s(true);
    s.manager->ActivateView(kViewTxCabling);
    EXPECT_FALSE(ShownKinds(s.manager->BuildScene()).count(kUnitKindBoi));
    s.ShowBts(true);
    EXPECT_TRUE(ShownKinds(s.manager->BuildScene()).count(kUnitKindBoi));
    s.manager->ActivateView(kViewCabinetInfo);
    EXPECT_EQ(ShownKinds(s.manager->BuildScene()), (std::set<int>{kUnitKindBoi}));
}

TEST(ViewDifferences, UnitsInOneConfigurationOnlyAreOutlinedOnTheBtsTab) {
    SSampleViews s(true);
    s.manager->ActivateView(kViewDifferences);
    for (const SSceneUnit& u : s.manager->BuildScene().units) {
        EXPECT_EQ(u.outline, EOutline::None);
    }
    s.ShowBts(true);
    SCabinetScene scene = s.manager->BuildScene();
    // The extra transmission unit is in the BTS only, transceiver 12 in the candidate only.
    const SSceneUnit* tre = SceneUnitOf(scene, kUnitKindTre, 4);
    const SSceneUnit* trx = SceneUnitOf(scene, kUnitKindTrx, 12);
    ASSERT_NE(tre, nullptr);
    ASSERT_NE(trx, nullptr);
    EXPECT_EQ(tre->outline, EOutline::Solid);
    EXPECT_EQ(trx->outline, EOutline::Solid);
    EXPECT_EQ(SceneUnitOf(scene, kUnitKindTrx, 1)->outline, EOutline::None);
    s.manager->SetShowPhysicalUnits(false);
    scene = s.manager->BuildScene();
    EXPECT_EQ(SceneUnitOf(scene, kUnitKindTre, 4)->outline, EOutline::Dotted);
}

TEST(ViewCables, UnselectedThenSelectedPassInTheTableColours) {
    SSampleViews s;
    s.manager->SetViewSettings(1);
    s.manager->ActivateView(kViewTxCabling);
    SCabinetScene scene = s.manager->BuildScene();
    ASSERT_FALSE(scene.cables.empty());
    for (const SSceneCable& c : scene.cables) {
        EXPECT_FALSE(c.selected);
        EXPECT_EQ(c.colour, 0x008000u);
        EXPECT_EQ(c.cableType, kCableTx);
    }
    const std::size_t all = scene.cables.size();
    s.manager->SelectUnit(s.Candidate().FindUnit(kUnitKindTrx, 1));
    scene = s.manager->BuildScene();
    const auto selected = std::count_if(scene.cables.begin(), scene.cables.end(),
                                        [](const SSceneCable& c) { return c.selected; });
    EXPECT_GT(selected, 0);
    EXPECT_EQ(scene.cables.size(), all + static_cast<std::size_t>(selected));
    // The selected cables come last, so that they lie on top.
    EXPECT_TRUE(std::is_partitioned(scene.cables.begin(), scene.cables.end(),
                                    [](const SSceneCable& c) { return !c.selected; }));
    for (const SSceneCable& c : scene.cables) {
        EXPECT_EQ(c.colour, c.selected ? 0x00FF00u : 0x008000u);
    }
    // With only the selected cabling shown the first pass is left out.
    s.manager->SetViewSettings(5);
    scene = s.manager->BuildScene();
    EXPECT_EQ(scene.cables.size(), static_cast<std::size_t>(selected));
}

TEST(ViewCables, HiddenWidebandUnitsLeaveTheDirectPathToTheCombiner) {
    SSampleViews s;
    s.manager->SetViewSettings(0);
    s.manager->ActivateView(kViewTxCabling);
    const SCabinetScene scene = s.manager->BuildScene();
    ASSERT_FALSE(scene.cables.empty());
    for (const SSceneCable& c : scene.cables) {
        EXPECT_TRUE(c.direct);
    }
    EXPECT_FALSE(scene.marks.empty());
}

TEST(ViewCables, AllCablingColoursEachCableByItsOwnKind) {
    SSampleViews s;
    s.manager->ActivateView(kViewAllCabling);
    const SCabinetScene scene = s.manager->BuildScene();
    std::set<int> types;
    for (const SSceneCable& c : scene.cables) {
        types.insert(c.cableType);
        EXPECT_EQ(c.colour, s.manager->CableColourOrWhite(c.cableType, false));
    }
    EXPECT_EQ(types, (std::set<int>{kCableTx, kCableRxMain, kCableRxDiv}));
}

TEST(ViewCables, CrossConnectionLinesDashedSolidForTheSelectedAndWhiteForAPreview) {
    SSampleViews s;
    s.manager->ActivateView(kViewBB2);
    auto* trx2 = s.Candidate().Find<CUnitKTrx>(kUnitKindTrx, 2);
    trx2->SetPreview(kPreviewLink, 5);
    s.manager->SelectUnit(s.Candidate().FindUnit(kUnitKindTrx, 1));
    const SCabinetScene scene = s.manager->BuildScene();
    int dashed = 0;
    int solid = 0;
    int preview = 0;
    for (const SSceneLine& l : scene.lines) {
        if (l.dashed) {
            ++dashed;
            EXPECT_EQ(l.colour, 0x008080u);
        } else if (l.colour == kSceneWhite) {
            ++preview;
            EXPECT_EQ(l.trx, 2);
        } else {
            ++solid;
            EXPECT_EQ(l.trx, 1);
            EXPECT_EQ(l.colour, 0x00FFFFu);
        }
    }
    EXPECT_EQ(solid, 1);
    EXPECT_EQ(preview, 1);
    EXPECT_EQ(dashed, 11);

    // A selected BB2 unit leaves every line dashed: only a selected transceiver's is solid.
    s.manager->SelectUnit(s.Candidate().FindUnit(kUnitKindBb2, 1));
    const SCabinetScene bb2 = s.manager->BuildScene();
    EXPECT_TRUE(std::all_of(bb2.lines.begin(), bb2.lines.end(), [](const SSceneLine& l) {
        return l.dashed || l.colour == kSceneWhite;
    }));
}

TEST(ViewHitTest, UnitsRowsAndStatusTexts) {
    SSampleViews s;
    s.manager->ActivateView(kViewTxCabling);
    const CCabinet& cabinet = *s.Candidate().Cabinet(0);
    CUnit* trx = s.Candidate().FindUnit(kUnitKindTrx, 4);
    const SRect r = cabinet.UnitRect(*trx, 0);
    EXPECT_EQ(s.manager->Hover(Centre(r)), trx->DisplayName() + " - Transceiver");
    EXPECT_EQ(s.manager->HoveredUnit(), trx);
    EXPECT_EQ(s.manager->HoveredRow(), -1);

    // A duplexer's lower half is its port b, inside the closing parenthesis.
    CUnit* ddu = s.Candidate().FindUnitByDisplayedNumber(kUnitKindDdu, 1);
    const SRect d = cabinet.UnitRect(*ddu, 0);
    const std::string text = s.manager->Hover({d.left + 5, d.bottom - 3});
    EXPECT_EQ(s.manager->HoveredRow(), 1);
    EXPECT_NE(text.find("(Connected to backplane-connector 1, port b)"), std::string::npos) << text;
    s.manager->Hover({d.left + 5, d.top + 3});
    EXPECT_EQ(s.manager->HoveredRow(), 0);

    // Over the cabinet but no shown unit: the cabinet; outside it: the help hint.
    EXPECT_EQ(s.manager->Hover({100, 60}), cabinet.Name());
    EXPECT_EQ(s.manager->Hover({1000, 1000}), CViewBase::kNoHelpText);
    EXPECT_EQ(s.manager->HoveredUnit(), nullptr);
}

TEST(ViewHitTest, RowsOnlyWhereTheViewTestsThem) {
    SSampleViews s;
    s.manager->ActivateView(kViewBB2);
    const CCabinet& cabinet = *s.Candidate().Cabinet(0);
    CUnit* bb2 = s.Candidate().FindUnit(kUnitKindBb2, 2);
    const SRect r = cabinet.UnitRect(*bb2, 0);
    const std::string text = s.manager->Hover({r.left + 3, r.bottom - 2});
    EXPECT_EQ(s.manager->HoveredUnit(), bb2);
    EXPECT_EQ(s.manager->HoveredRow(), 1);
    EXPECT_EQ(text, bb2->DisplayName() + " - Dual Base Band, port b");
    s.manager->ActivateView(kViewCabinetInfo);
    EXPECT_EQ(s.manager->Hover({r.left + 3, r.bottom - 2}), cabinet.Name());
}

TEST(ViewChoice, ViewsAndUnitsAsScriptsNameThem) {
    SSampleViews s;
    EXPECT_EQ(ViewChoice::ViewType(*s.manager, "4"), kViewTxCabling);
    EXPECT_EQ(ViewChoice::ViewType(*s.manager, "TX Cabling"), kViewTxCabling);
    EXPECT_EQ(ViewChoice::ViewType(*s.manager, "bb2-rvx-cross-connection"), kViewBB2);
    EXPECT_EQ(ViewChoice::ViewType(*s.manager, "9"), 0);
    EXPECT_EQ(ViewChoice::ViewType(*s.manager, ""), 0);
    int kind = 0;
    int number = 0;
    EXPECT_TRUE(ViewChoice::ParseUnit("DDU:2", kind, number));
    EXPECT_EQ(kind, kUnitKindDdu);
    EXPECT_EQ(number, 2);
    EXPECT_TRUE(ViewChoice::ParseUnit("11:4", kind, number));
    EXPECT_EQ(kind, kUnitKindMha);
    for (const char* bad : {"trx", "trx:", "trx:0", "trx:x", "13:1", "foo:1", ":3", "trx:3x"}) {
        EXPECT_FALSE(ViewChoice::ParseUnit(bad, kind, number)) << bad;
    }
}

TEST(ViewCables, AntennaViewMarksTheTransceiversOfTheSelectedDuplexer) {
    SSampleViews s;
    s.manager->ActivateView(kViewAntenna);
    EXPECT_TRUE(s.manager->BuildScene().antennaMarks.empty());
    CUnit* ddu = s.Candidate().FindUnitByDisplayedNumber(kUnitKindDdu, 1);
    s.manager->SelectUnit(ddu);
    const SCabinetScene scene = s.manager->BuildScene();
    int expected = 0;
    for (int n = 1; n <= 12; ++n) {
        const STrxCabling& c = s.Candidate().Find<CUnitKTrx>(kUnitKindTrx, n)->Cabling();
        const auto onDdu = [](int port) { return port == 1 || port == 2; };
        expected += onDdu(c.txCombinerId) || onDdu(c.rxCombinerId) || onDdu(c.rxDiversityCombiner);
    }
    EXPECT_GT(expected, 0);
    EXPECT_EQ(static_cast<int>(scene.antennaMarks.size()), expected);
    // Its antenna cables are drawn in the selected antenna colour.
    const auto selected = std::count_if(scene.cables.begin(), scene.cables.end(),
                                        [](const SSceneCable& c) { return c.selected; });
    EXPECT_EQ(selected, 2);
}

TEST(ViewStartup, PassesFetchWhatIsMissingOnceAndThenPoll) {
    SSampleViews s;
    s.host.connected = true;
    // The first pass is the update-only wizard's; nothing is there from the BTS yet.
    s.manager->StartupPass();
    EXPECT_EQ(s.host.wizardsOpened, 1);
    s.manager->StartupPass();
    EXPECT_TRUE(s.host.requestedParts.empty());

    CDataBaseKODA& bts = testsupport::MakeBtsConfiguration(*s.host.site);
    bts.SetTransferStatus(1, 0);
    bts.SetTransferStatus(2, 0);
    bts.SetTransferStatus(3, 2);
    // The BTS gives the first file; the second, read with it, never comes; it has no passive
    // information.
    s.host.onRequest = [&bts](int step) {
        bts.SetTransferStatus(step, step == 1 ? 1 : 0);
        if (step == 1) {
            bts.SetTransferStatus(2, 0);
        }
    };
    const int redraws = s.host.redraws;
    s.manager->StartupPass();
    s.manager->StartupPass();
    EXPECT_EQ(s.host.requestedParts, (std::vector<int>{1, 3}));
    EXPECT_FALSE(s.manager->BtsConfigurationComplete());
    // A part the BTS did not give is not asked for again on every pass.
    s.manager->StartupPass();
    EXPECT_EQ(s.host.requestedParts.size(), 2u);
    EXPECT_TRUE(s.manager->BtsConfigurationComplete());
    EXPECT_GT(s.host.redraws, redraws);
    EXPECT_EQ(s.host.polls, 0);

    s.manager->StartupPass();
    s.manager->StartupPass();
    EXPECT_EQ(s.host.polls, 2);
    s.host.connected = false;
    s.manager->StartupPass();
    EXPECT_EQ(s.host.polls, 2);
    EXPECT_EQ(s.host.wizardsOpened, 1);

    // A new connection brings a new configuration: its missing parts are fetched afresh.
    CBtsConfiguration::Drop();
    s.manager->StartupPass();
    CDataBaseKODA& next = testsupport::MakeBtsConfiguration(*s.host.site);
    next.SetTransferStatus(2, 0);
    s.host.onRequest = nullptr;
    s.manager->StartupPass();
    EXPECT_EQ(s.host.requestedParts.back(), 2);
    EXPECT_FALSE(s.manager->BtsConfigurationComplete());
}

TEST(ViewSettingsChanged, TellsTheDocumentWhatTheLinkMustDo) {
    SSampleViews s(true);
    s.manager->ActivateView(kViewDifferences);
    s.ShowBts(true);
    ASSERT_TRUE(s.manager->BtsTab());

    // Only the speed.
    s.settings.SetInt("Initialization", "MaxUARTSpeed", 3);
    auto effect = s.manager->SettingsChanged(s.settings);
    EXPECT_TRUE(effect.newSpeed);
    EXPECT_EQ(effect.maxSpeed, 3);
    EXPECT_FALSE(effect.reconnect || effect.disconnect);
    // The COM port wins over a speed changed with it.
    s.settings.SetInt("Initialization", "ComPort", 4);
    s.settings.SetInt("Initialization", "MaxUARTSpeed", 2);
    effect = s.manager->SettingsChanged(s.settings);
    EXPECT_TRUE(effect.reconnect);
    EXPECT_FALSE(effect.newSpeed || effect.disconnect);
    // Nothing changed: nothing to do, but the views are drawn again.
    const int redraws = s.host.redraws;
    effect = s.manager->SettingsChanged(s.settings);
    EXPECT_FALSE(effect.reconnect || effect.newSpeed || effect.disconnect);
    EXPECT_GT(s.host.redraws, redraws);

    // Switched off: no BTS tab, no Differences view or button.
    s.settings.SetInt("Initialization", "EnableBTS", 0);
    effect = s.manager->SettingsChanged(s.settings);
    EXPECT_TRUE(effect.disconnect);
    EXPECT_FALSE(s.manager->BtsTab());
    EXPECT_NE(s.manager->ActiveView()->Type(), kViewDifferences);
    EXPECT_EQ(s.manager->BarEntries().size(), 9u);
    // Switched on again: the button is back.
    s.settings.SetInt("Initialization", "EnableBTS", 1);
    effect = s.manager->SettingsChanged(s.settings);
    EXPECT_FALSE(effect.disconnect);
    EXPECT_EQ(s.manager->BarEntries().size(), 10u);
}
