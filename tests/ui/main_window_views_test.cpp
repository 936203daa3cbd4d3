// The main window with the sample open: the view bar and the container in its panes, the View
// menu and the bar switching views, printing and export in the File menu, and screenshots of
// the whole window for several views.
#include "app/DocumentTestSupport.h"
#include "app/commands/CommandIds.h"
#include "app/views/ViewBase.h"
#include "model/BtsConfiguration.h"
#include "support/CabledSample.h"
#include "support/FrameDocument.h"
#include "ui/ConnectionListView.h"
#include "ui/MainFrame.h"
#include "ui/views/BTSConfigurationBar.h"
#include "ui/views/BTSConfigurationView.h"
#include "ui/views/ContainerView.h"
#include "ui/views/ListViewOwn.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTest>

namespace {

struct WindowFixture {
    ScriptedLink link;
    CMemoryRegistry settings;
    CMainFrame frame;
    std::unique_ptr<CBTSConfigurationDoc> doc;

    explicit WindowFixture(bool btsEnabled) {
        CBtsConfiguration::Drop();
        settings.SetInt("Initialization", "EnableBTS", btsEnabled ? 1 : 0);
        doc = testsupport::AttachNewDocument(frame, link, settings);
        frame.resize(1280, 800);
        frame.show();
        const std::string sample = testsupport::SamplePath(QStringLiteral("harbour-4x3.hwc"));
        opened = doc->OpenPath(sample, true);
        QApplication::processEvents();
    }
    ~WindowFixture() {
        doc.reset();
        CBtsConfiguration::Drop();
    }
    QImage Picture() const { return frame.Container()->Picture()->grab().toImage(); }

    bool opened = false;
};

void Shoot(QWidget& w, const QString& name) {
    const QString dir = QString::fromUtf8(CABRION_BINARY_DIR) + QStringLiteral("/screenshots");
    QDir().mkpath(dir);
    w.grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

QAction* FileMenuAction(CMainFrame& frame, const QString& text) {
    for (QAction* menu : frame.menuBar()->actions()) {
        if (menu->text() != QStringLiteral("&File")) {
            continue;
        }
        for (QAction* a : menu->menu()->actions()) {
            if (a->text().startsWith(text)) {
                return a;
            }
        }
    }
    return nullptr;
}

} // namespace

TEST(MainWindowViews, SampleShowsTheBarAndCabinetInformationAndViewsChangeThePicture) {
    WindowFixture f(false);
    ASSERT_TRUE(f.opened);
    ASSERT_NE(f.frame.ViewBar(), nullptr);
    ASSERT_NE(f.frame.Container(), nullptr);
    EXPECT_TRUE(f.frame.ViewBar()->isVisible());
    EXPECT_TRUE(f.frame.ViewBarPane()->isAncestorOf(f.frame.ViewBar()));
    EXPECT_TRUE(f.frame.ContainerPane()->isAncestorOf(f.frame.Container()));
    EXPECT_EQ(f.frame.ViewBar()->State().Count(), 9);
    EXPECT_FALSE(f.frame.Container()->Tabs()->isVisible());
    EXPECT_EQ(f.frame.Container()->Title(), QStringLiteral("Cabinet Information"));
    EXPECT_TRUE(f.frame.Action(cmd::ViewCommandOfType(kViewCabinetInfo))->isChecked());

    const QImage info = f.Picture();
    // The View menu's command switches the view; the picture and the title follow.
    f.frame.Action(cmd::ViewCommandOfType(kViewTxCabling))->trigger();
    QApplication::processEvents();
    EXPECT_EQ(f.frame.Container()->Title(), QStringLiteral("TX Cabling"));
    EXPECT_TRUE(f.frame.Action(cmd::ViewCommandOfType(kViewTxCabling))->isChecked());
    EXPECT_FALSE(f.frame.Action(cmd::ViewCommandOfType(kViewCabinetInfo))->isChecked());
    EXPECT_NE(f.Picture(), info);

    // A click on the bar's first button goes back.
    const QRect first = f.frame.ViewBar()->ButtonRect(0);
    QTest::mouseClick(f.frame.ViewBar(), Qt::LeftButton, {}, first.center());
    EXPECT_EQ(f.doc->ActiveViewType(), kViewCabinetInfo);
    EXPECT_EQ(f.frame.Container()->Title(), QStringLiteral("Cabinet Information"));
}

TEST(MainWindowViews, BtsConnectionEnabledGivesTenButtonsAndTheTabsGoThroughTheDocument) {
    WindowFixture f(true);
    ASSERT_TRUE(f.opened);
    EXPECT_EQ(f.frame.ViewBar()->State().Count(), 10);
    QTabBar* tabs = f.frame.Container()->Tabs();
    EXPECT_TRUE(tabs->isVisible());

    // Nothing has come from the BTS yet: the candidate stays, and every part of the window
    // says so, the tab row, the menu and the document alike.
    tabs->setCurrentIndex(1);
    QApplication::processEvents();
    EXPECT_TRUE(f.doc->CandidateTabSelected());
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_TRUE(f.frame.Action(cmd::kCandidateTab)->isChecked());
    EXPECT_FALSE(f.frame.Action(cmd::kBtsTab)->isChecked());
    f.frame.Action(cmd::kBtsTab)->trigger();
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_FALSE(f.frame.Action(cmd::kBtsTab)->isChecked());
    EXPECT_EQ(f.doc->CommandText(cmd::kCopyBtsConfiguration), "&Current BTS Configuration");

    // With a configuration from the BTS the tab shows it.
    testsupport::MakeBtsConfiguration(*f.doc->SiteKODA());
    tabs->setCurrentIndex(1);
    EXPECT_FALSE(f.doc->CandidateTabSelected());
    EXPECT_TRUE(f.doc->ViewManager()->BtsTab());
    EXPECT_EQ(tabs->currentIndex(), 1);
    EXPECT_TRUE(f.frame.Action(cmd::kBtsTab)->isChecked());
    f.frame.Action(cmd::kCandidateTab)->trigger();
    EXPECT_TRUE(f.doc->CandidateTabSelected());
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_FALSE(f.doc->ViewManager()->BtsTab());
}

TEST(MainWindowViews, NewSiteReplacesTheWidgetsAndSelectionFollowsBetweenPanes) {
    WindowFixture f(false);
    ASSERT_TRUE(f.opened);
    f.frame.Action(cmd::ViewCommandOfType(kViewCabinetUnits))->trigger();
    CViewBaseKODA& views = *f.doc->ViewManager();
    const CUnit* unit = nullptr;
    for (const auto& u : f.doc->SiteKODA()->GetKODA(kSelectCandidate)->Units()) {
        if (views.ActiveView()->IsUnitShown(*u)) {
            unit = u.get();
            break;
        }
    }
    ASSERT_NE(unit, nullptr);
    CListViewOwn* list = f.frame.Container()->List();
    EXPECT_TRUE(list->selectedItems().isEmpty());
    views.SelectUnit(unit);
    EXPECT_FALSE(list->selectedItems().isEmpty());

    // Tab goes from the bar to the picture and on to the list.
    f.frame.activateWindow();
    f.frame.ViewBar()->setFocus();
    QTest::keyClick(f.frame.ViewBar(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), f.frame.Container()->Picture());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), list);

    // A new configuration brings a new manager; the old widgets are gone, not left dangling.
    f.doc->New(false);
    QApplication::processEvents();
    ASSERT_NE(f.frame.Container(), nullptr);
    EXPECT_EQ(f.frame.Container()->Title(), QStringLiteral("Cabinet Units"));
    EXPECT_EQ(f.frame.ViewBarPane()->findChildren<CBTSConfigurationBar*>().size(), 1);
    EXPECT_EQ(f.frame.ContainerPane()->findChildren<CContainerView*>().size(), 1);
}

TEST(MainWindowViews, KeyboardGoesRoundThePanesInOrderAndShowsWhereItIs) {
    WindowFixture f(true);
    ASSERT_TRUE(f.opened);
    // The event list is made on the first idle pass and outlives the views: a configuration
    // opened after it brings views that were made later.
    f.doc->OnIdle();
    ASSERT_NE(f.frame.EventList(), nullptr);
    ASSERT_TRUE(f.doc->OpenPath(testsupport::SamplePath(QStringLiteral("harbour-4x3.hwc")), true));
    QApplication::processEvents();
    f.frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.frame));
    CBTSConfigurationBar* bar = f.frame.ViewBar();
    CContainerView* c = f.frame.Container();
    EXPECT_EQ(QApplication::focusWidget(), bar);

    // The drawn bar and tab row show where the keyboard is, without a key having moved it.
    const auto focusShows = [&](QWidget* w) {
        w->setFocus(Qt::OtherFocusReason);
        const QImage focused = w->grab().toImage();
        c->List()->setFocus(Qt::OtherFocusReason);
        return focused != w->grab().toImage();
    };
    EXPECT_TRUE(focusShows(bar));
    EXPECT_TRUE(focusShows(c->Tabs()));
    EXPECT_TRUE(focusShows(c->Picture()));
    bar->setFocus(Qt::OtherFocusReason);

    const auto walk = [](int steps, bool back) {
        std::vector<QWidget*> seen;
        for (int i = 0; i < steps; ++i) {
            QTest::keyClick(QApplication::focusWidget(), back ? Qt::Key_Backtab : Qt::Key_Tab,
                            back ? Qt::ShiftModifier : Qt::NoModifier);
            seen.push_back(QApplication::focusWidget());
        }
        return seen;
    };
    EXPECT_EQ(walk(4, false), (std::vector<QWidget*>{c->Tabs(), c->Picture(), c->List(), bar}));
    // The Differences view: the differences list and the event list take the list's place.
    f.frame.Action(cmd::ViewCommandOfType(kViewDifferences))->trigger();
    QApplication::processEvents();
    QWidget* events = f.frame.EventList();
    EXPECT_EQ(walk(5, false),
              (std::vector<QWidget*>{c->Tabs(), c->Picture(), c->DifferencesList(), events, bar}));
    EXPECT_EQ(walk(2, true), (std::vector<QWidget*>{events, c->DifferencesList()}));
    // The passive units tree stands in for the picture.
    f.frame.Action(cmd::ViewCommandOfType(kViewPassive))->trigger();
    QApplication::processEvents();
    bar->setFocus(Qt::OtherFocusReason);
    EXPECT_EQ(walk(2, false), (std::vector<QWidget*>{c->Tabs(), c->PassiveTree()}));

    // The views are radio items of one exclusive group, and exactly one is checked.
    const QAction* first = f.frame.Action(cmd::ViewCommandOfType(kViewCabinetInfo));
    ASSERT_NE(first->actionGroup(), nullptr);
    EXPECT_TRUE(first->actionGroup()->isExclusive());
    int checked = 0;
    for (const auto& view : f.doc->ViewManager()->Views()) {
        const QAction* a = f.frame.Action(view->Command());
        EXPECT_EQ(a->actionGroup(), first->actionGroup()) << view->Name();
        checked += a->isChecked() ? 1 : 0;
    }
    EXPECT_EQ(checked, 1);
    EXPECT_TRUE(f.frame.Action(cmd::ViewCommandOfType(kViewPassive))->isChecked());
}

TEST(MainWindowViews, FileMenuOffersPrintingAndExportWithShortcuts) {
    WindowFixture f(false);
    ASSERT_TRUE(f.opened);
    f.frame.UpdateCommands();
    QAction* print = FileMenuAction(f.frame, QStringLiteral("&Print..."));
    QAction* preview = FileMenuAction(f.frame, QStringLiteral("Print Pre&view"));
    QAction* exportView = FileMenuAction(f.frame, QStringLiteral("&Export View..."));
    ASSERT_NE(print, nullptr);
    ASSERT_NE(preview, nullptr);
    ASSERT_NE(exportView, nullptr);
    EXPECT_TRUE(print->isEnabled());
    EXPECT_TRUE(preview->isEnabled());
    EXPECT_TRUE(exportView->isEnabled());
    EXPECT_FALSE(exportView->shortcut().isEmpty());
}

TEST(Screenshots, MainWindowWithTheSampleInSeveralViews) {
    WindowFixture f(true);
    ASSERT_TRUE(f.opened);
    const struct {
        int type;
        const char* name;
    } views[] = {{kViewCabinetInfo, "window-cabinet-info"},
                 {kViewCabinetUnits, "window-cabinet-units"},
                 {kViewTxCabling, "window-tx-cabling"},
                 {kViewAllCabling, "window-all-cabling"},
                 {kViewAntenna, "window-antenna"}};
    for (const auto& v : views) {
        f.frame.Action(cmd::ViewCommandOfType(v.type))->trigger();
        QApplication::processEvents();
        Shoot(f.frame, QString::fromLatin1(v.name));
    }
}

TEST(Screenshots, KeyboardFocusAndZoomAtTwoSizes) {
    WindowFixture f(true);
    ASSERT_TRUE(f.opened);
    f.frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.frame));
    for (const QSize size : {QSize(1280, 800), QSize(1920, 1080)}) {
        const QString at = QStringLiteral("-%1x%2").arg(size.width()).arg(size.height());
        f.frame.resize(size);
        f.frame.Action(cmd::ViewCommandOfType(kViewTxCabling))->trigger();
        QApplication::processEvents();
        f.frame.ViewBar()->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        Shoot(f.frame, QStringLiteral("keyboard-bar") + at);
        f.frame.Container()->Tabs()->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        Shoot(f.frame, QStringLiteral("keyboard-tabs") + at);
        // The window's keys reach the picture whichever pane has the keyboard.
        CBTSConfigurationView* picture = f.frame.Container()->Picture();
        const qreal fit = picture->Scale();
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Equal, Qt::ControlModifier);
        }
        EXPECT_NEAR(picture->Scale(), fit * 1.25 * 1.25 * 1.25, 1e-9);
        picture->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        Shoot(f.frame, QStringLiteral("zoomed") + at);
        QTest::keyClick(picture, Qt::Key_0, Qt::ControlModifier | Qt::AltModifier);
        EXPECT_TRUE(picture->Zoom().Fitted());
    }
}
