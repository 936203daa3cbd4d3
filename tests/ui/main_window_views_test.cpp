// The main window with the sample open: the view bar and the container in its panes, the View
// menu and the bar switching views, printing and export in the File menu, and screenshots of
// the whole window for several views.
#include "app/CommandIds.h"
#include "app/DocumentTestSupport.h"
#include "app/views/ViewBase.h"
#include "model/BtsConfiguration.h"
#include "support/CabledSample.h"
#include "support/FrameDocument.h"
#include "ui/MainFrame.h"
#include "ui/views/BTSConfigurationBar.h"
#include "ui/views/BTSConfigurationView.h"
#include "ui/views/ContainerView.h"
#include "ui/views/ListViewOwn.h"

#include <gtest/gtest.h>

#include <QAction>
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
