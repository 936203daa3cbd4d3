// What clicks in the picture and keys on the view bar do, without windows.
#include <gtest/gtest.h>

#include "app/views/PictureZoom.h"
#include "app/views/ViewBarState.h"
#include "model/CabinetKODA.h"
#include "support/ViewTestHost.h"

using testsupport::SSampleViews;

namespace {

SPoint CentreOf(SSampleViews& s, const CUnit& unit) {
    const SRect r = s.Candidate().Cabinet(0)->UnitRect(unit, 0);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

} // namespace

TEST(PictureClicks, PressSelectsAndTheSecondClickOnTheSelectedUnitDeselects) {
    SSampleViews s;
    s.manager->ActivateView(kViewTxCabling);
    CUnit* a = s.Candidate().FindUnit(kUnitKindTrx, 1);
    CUnit* b = s.Candidate().FindUnit(kUnitKindTrx, 2);
    s.manager->MousePress(CentreOf(s, *a));
    EXPECT_EQ(s.manager->SelectedUnit(), a);
    s.manager->MouseRelease();
    EXPECT_EQ(s.manager->SelectedUnit(), a);
    // Another unit takes the selection over.
    s.manager->MousePress(CentreOf(s, *b));
    s.manager->MouseRelease();
    EXPECT_EQ(s.manager->SelectedUnit(), b);
    s.manager->MousePress(CentreOf(s, *b));
    s.manager->MouseRelease();
    EXPECT_EQ(s.manager->SelectedUnit(), nullptr);
    // A click on nothing clears nothing further and selects nothing.
    s.manager->MousePress({1000, 1000});
    s.manager->MouseRelease();
    EXPECT_EQ(s.manager->SelectedUnit(), nullptr);
    // A release without a press (the press went to a menu) does nothing.
    s.manager->SelectUnit(a);
    s.manager->Hover(CentreOf(s, *a));
    s.manager->MouseRelease();
    EXPECT_EQ(s.manager->SelectedUnit(), a);
}

TEST(PictureClicks, RightClickSelectsButNeverDeselectsAndDoubleClickOpensProperties) {
    SSampleViews s;
    s.manager->ActivateView(kViewTxCabling);
    CUnit* a = s.Candidate().FindUnit(kUnitKindTrx, 4);
    EXPECT_EQ(s.manager->ContextClick(CentreOf(s, *a)), 364);
    EXPECT_EQ(s.manager->SelectedUnit(), a);
    EXPECT_EQ(s.manager->ContextClick(CentreOf(s, *a)), 364);
    EXPECT_EQ(s.manager->SelectedUnit(), a);
    s.manager->MouseRelease();
    EXPECT_EQ(s.manager->SelectedUnit(), a);

    CUnit* b = s.Candidate().FindUnit(kUnitKindTrx, 6);
    s.manager->DoubleClick(CentreOf(s, *b));
    EXPECT_EQ(s.manager->SelectedUnit(), b);
    EXPECT_EQ(s.host.propertiesOpened, 1);
    // Beside the units the pages open too, for no unit: Cabinet Information has none at all.
    s.manager->ActivateView(kViewCabinetInfo);
    s.manager->DoubleClick({1000, 1000});
    EXPECT_EQ(s.manager->SelectedUnit(), nullptr);
    EXPECT_EQ(s.host.propertiesOpened, 2);
}

TEST(PictureTabs, ShowingTheBtsConfigurationNeedsOne) {
    SSampleViews s;
    s.manager->ShowConfiguration(kSelectBts);
    EXPECT_FALSE(s.manager->BtsTab());
    testsupport::MakeBtsConfiguration(*s.host.site);
    s.manager->ShowConfiguration(kSelectBts);
    EXPECT_TRUE(s.manager->BtsTab());
    EXPECT_EQ(s.manager->ShownSelector(), kSelectBts);
    s.manager->ShowConfiguration(kSelectCandidate);
    EXPECT_FALSE(s.manager->BtsTab());
}

TEST(ViewBarState, KeysWrapAroundAndGiveTheCommand) {
    SSampleViews s;
    CViewBarState bar;
    bar.SetEntries(s.manager->BarEntries());
    using K = CViewBarState::EKey;
    EXPECT_EQ(bar.Key(K::Left), 32785);
    EXPECT_EQ(bar.FocusIndex(), 9);
    EXPECT_EQ(bar.Key(K::Right), 32773);
    EXPECT_EQ(bar.Key(K::Down), 32774);
    EXPECT_EQ(bar.Key(K::Up), 32773);
    EXPECT_EQ(bar.Key(K::PageDown), 32785);
    EXPECT_EQ(bar.Key(K::Home), 32773);
    EXPECT_EQ(bar.Key(K::Other), 0);
    EXPECT_EQ(bar.FocusIndex(), 0);
    EXPECT_EQ(bar.Key(K::Down), 32774);
    EXPECT_EQ(bar.Key(K::Activate), 32774);
    EXPECT_EQ(bar.FocusIndex(), 1);
    bar.Key(K::Home);
    // Fewer buttons keep the focus inside the bar.
    bar.SetFocusIndex(9);
    s.manager->SetBtsConnectionEnabled(false);
    bar.SetEntries(s.manager->BarEntries());
    EXPECT_EQ(bar.FocusIndex(), 8);
    EXPECT_EQ(bar.Key(K::Right), 32773);
}

TEST(ViewBarState, ClickNeedsPressAndReleaseOnOneButton) {
    SSampleViews s;
    CViewBarState bar;
    bar.SetEntries(s.manager->BarEntries());
    bar.Press(2);
    EXPECT_EQ(bar.Release(3), 0);
    bar.Press(2);
    EXPECT_EQ(bar.Release(2), 32775);
    EXPECT_EQ(bar.FocusIndex(), 2);
    EXPECT_EQ(bar.Release(2), 0);
    bar.Press(-1);
    EXPECT_EQ(bar.Release(-1), 0);
}

TEST(ViewBarState, ScrollsOnlyWhenTheButtonsDoNotFit) {
    SSampleViews s;
    CViewBarState bar;
    bar.SetEntries(s.manager->BarEntries());
    const int tall = 10 * CViewBarState::kButtonHeight;
    EXPECT_FALSE(bar.NeedsScrolling(tall));
    bar.ScrollBy(3, tall);
    EXPECT_EQ(bar.FirstVisible(), 0);
    const int shortBar = 3 * CViewBarState::kButtonHeight;
    bar.ScrollBy(100, shortBar);
    EXPECT_EQ(bar.FirstVisible(), 7);
    bar.ScrollBy(-2, shortBar);
    EXPECT_EQ(bar.FirstVisible(), 5);
    bar.SetFocusIndex(1);
    bar.KeepFocusVisible(shortBar);
    EXPECT_EQ(bar.FirstVisible(), 1);
    bar.SetFocusIndex(9);
    bar.KeepFocusVisible(shortBar);
    EXPECT_EQ(bar.FirstVisible(), 7);
}

TEST(PictureZoom, StepsFromTheFitWithinLimitsAndFitFollowsThePaneAgain) {
    CPictureZoom zoom;
    EXPECT_TRUE(zoom.Fitted());
    EXPECT_DOUBLE_EQ(zoom.Scale(1.6), 1.6);
    EXPECT_FALSE(zoom.Fit());
    // The first step starts from what the pane showed; after it the pane no longer decides.
    EXPECT_TRUE(zoom.ZoomIn(1.6));
    EXPECT_DOUBLE_EQ(zoom.Scale(3.0), 2.0);
    EXPECT_TRUE(zoom.ZoomOut(3.0));
    EXPECT_DOUBLE_EQ(zoom.Scale(3.0), 1.6);
    EXPECT_FALSE(zoom.Fitted());
    // The limits hold, and a step that cannot be taken is no change.
    for (int i = 0; i < 20; ++i) {
        zoom.ZoomIn(1.0);
    }
    EXPECT_DOUBLE_EQ(zoom.Scale(1.0), CPictureZoom::kMaxScale);
    EXPECT_FALSE(zoom.CanZoomIn(1.0));
    EXPECT_FALSE(zoom.ZoomIn(1.0));
    for (int i = 0; i < 20; ++i) {
        zoom.ZoomOut(1.0);
    }
    EXPECT_DOUBLE_EQ(zoom.Scale(1.0), CPictureZoom::kMinScale);
    EXPECT_FALSE(zoom.ZoomOut(1.0));
    EXPECT_TRUE(zoom.CanZoomIn(1.0));
    EXPECT_TRUE(zoom.Fit());
    EXPECT_DOUBLE_EQ(zoom.Scale(2.5), 2.5);
    // A pane that fits at the limit already offers no step beyond it.
    EXPECT_FALSE(zoom.CanZoomIn(CPictureZoom::kMaxScale));
    EXPECT_FALSE(zoom.ZoomIn(CPictureZoom::kMaxScale));
    EXPECT_TRUE(zoom.Fitted());
}

TEST(PictureZoom, WheelNotchesAndTheirFractionsAddUpPerDirection) {
    CPictureZoom zoom;
    EXPECT_FALSE(zoom.Wheel(60, 1.0));
    EXPECT_TRUE(zoom.Fitted());
    EXPECT_TRUE(zoom.Wheel(60, 1.0));
    EXPECT_DOUBLE_EQ(zoom.Scale(1.0), 1.25);
    // Half a notch one way and then the other is no zoom at all.
    EXPECT_FALSE(zoom.Wheel(60, 1.0));
    EXPECT_FALSE(zoom.Wheel(-60, 1.0));
    EXPECT_FALSE(zoom.Wheel(60, 1.0));
    EXPECT_DOUBLE_EQ(zoom.Scale(1.0), 1.25);
    EXPECT_TRUE(zoom.Wheel(-2 * CPictureZoom::kNotch, 1.0));
    EXPECT_DOUBLE_EQ(zoom.Scale(1.0), 0.8);
}
