// The view windows offscreen: the bar's buttons and keys, the container's tabs and panes, the
// picture's clicks and the list's rows, sorting and selection.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QWheelEvent>

#include "app/views/ViewPagesKODA.h"
#include "paint/CabinetPainter.h"
#include "support/Screenshot.h"
#include "support/ViewTestHost.h"
#include "ui/views/BTSConfigurationBar.h"
#include "ui/views/BTSConfigurationView.h"
#include "ui/views/ContainerView.h"
#include "ui/views/ListViewOwn.h"

using testsupport::SSampleViews;

namespace {

// The bar and the container side by side, as the main window places them.
struct SViewWindows {
    explicit SViewWindows(bool withBts = false) : s(withBts) {
        auto* layout = new QHBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        bar = new CBTSConfigurationBar(*s.manager, &window);
        container = new CContainerView(*s.manager, &window);
        layout->addWidget(bar);
        layout->addWidget(container, 1);
        QObject::connect(bar, &CBTSConfigurationBar::Command, container, &CContainerView::Refresh);
        s.host.onSelection = [this] { container->FollowSelection(); };
        window.resize(1000, 720);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QPoint UnitCentre(const CUnit& unit) {
        const SRect r = s.manager->Shown()->Cabinet(0)->UnitRect(unit, 0);
        return container->Picture()->FromPicture({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    }
    QWidget* PictureViewport() { return container->Picture()->viewport(); }

    SSampleViews s;
    QWidget window;
    CBTSConfigurationBar* bar = nullptr;
    CContainerView* container = nullptr;
};

std::vector<QString> ColumnTexts(const CListViewOwn& list, int column) {
    std::vector<QString> out;
    for (int i = 0; i < list.topLevelItemCount(); ++i) {
        out.push_back(list.topLevelItem(i)->text(column));
    }
    return out;
}

void ClickHeader(CListViewOwn& list, int column) {
    QHeaderView* header = list.header();
    const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
}

} // namespace

TEST(ViewBar, NineButtonsWithoutTheBtsConnectionAndTenWithIt) {
    SViewWindows w;
    EXPECT_EQ(w.bar->State().Count(), 10);
    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(w.bar);
    ASSERT_NE(access, nullptr);
    EXPECT_EQ(access->childCount(), 10);
    EXPECT_EQ(access->child(3)->text(QAccessible::Name), QStringLiteral("TX Cabling"));
    w.s.manager->SetBtsConnectionEnabled(false);
    w.bar->Rebuild();
    EXPECT_EQ(w.bar->State().Count(), 9);
    EXPECT_EQ(access->childCount(), 9);
}

TEST(ViewBar, KeysWrapAroundAndAClickRunsTheCommandOfOneButton) {
    SViewWindows w;
    w.bar->setFocus();
    QSignalSpy commands(w.bar, &CBTSConfigurationBar::Command);
    QTest::keyClick(w.bar, Qt::Key_Up);
    EXPECT_EQ(w.s.manager->ActiveView()->Type(), kViewDifferences);
    QTest::keyClick(w.bar, Qt::Key_Down);
    EXPECT_EQ(w.s.manager->ActiveView()->Type(), kViewCabinetInfo);
    QTest::keyClick(w.bar, Qt::Key_End);
    EXPECT_EQ(w.s.manager->ActiveView()->Type(), kViewDifferences);
    QTest::keyClick(w.bar, Qt::Key_PageUp);
    EXPECT_EQ(w.s.manager->ActiveView()->Type(), kViewCabinetInfo);
    ASSERT_EQ(commands.count(), 4);
    EXPECT_EQ(commands.at(0).at(0).toInt(), 32785);

    QTest::mouseClick(w.bar, Qt::LeftButton, {}, w.bar->ButtonRect(3).center());
    EXPECT_EQ(w.s.manager->ActiveView()->Type(), kViewTxCabling);
    EXPECT_EQ(w.container->Title(), QStringLiteral("TX Cabling"));
    // Pressed on one button and released on another: nothing runs.
    QTest::mousePress(w.bar, Qt::LeftButton, {}, w.bar->ButtonRect(1).center());
    QTest::mouseRelease(w.bar, Qt::LeftButton, {}, w.bar->ButtonRect(2).center());
    EXPECT_EQ(w.s.manager->ActiveView()->Type(), kViewTxCabling);
}

TEST(ViewBar, ScrollsWhenTheButtonsDoNotFit) {
    SViewWindows w;
    w.bar->setFixedHeight(200);
    QApplication::processEvents();
    EXPECT_TRUE(w.bar->State().NeedsScrolling(w.bar->height()));
    w.bar->setFocus();
    QTest::keyClick(w.bar, Qt::Key_End);
    EXPECT_GT(w.bar->State().FirstVisible(), 0);
    EXPECT_TRUE(w.bar->rect().contains(w.bar->ButtonRect(w.bar->State().FocusIndex()).center()));
}

TEST(ViewContainer, NoTabRowWhileTheConnectionIsDisabled) {
    SViewWindows w(true);
    EXPECT_TRUE(w.container->Tabs()->isVisibleTo(w.container));
    EXPECT_EQ(w.container->Tabs()->height(), CContainerView::kTabRowHeight);
    w.s.manager->SetBtsConnectionEnabled(false);
    w.container->Refresh();
    EXPECT_FALSE(w.container->Tabs()->isVisibleTo(w.container));
}

TEST(ViewContainer, TabsChooseTheConfigurationAndTellWhatTheyShow) {
    SViewWindows w(true);
    QSignalSpy status(w.container, &CContainerView::StatusText);
    QTabBar* tabs = w.container->Tabs();
    QTest::mouseMove(tabs, tabs->tabRect(1).center());
    ASSERT_FALSE(status.isEmpty());
    EXPECT_EQ(status.last().at(0).toString(),
              QStringLiteral("Shows Currently in BTS information in views"));
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    EXPECT_TRUE(w.s.manager->BtsTab());
    tabs->setFocus();
    QTest::keyClick(tabs, Qt::Key_Left);
    EXPECT_FALSE(w.s.manager->BtsTab());
}

TEST(ViewContainer, PassiveAndDifferencesViewsSwapTheirPanes) {
    SViewWindows w(true);
    EXPECT_EQ(w.container->LeftPane(), w.container->Picture());
    EXPECT_EQ(w.container->RightPane(), w.container->List());
    w.s.manager->ActivateView(kViewPassive);
    w.container->Refresh();
    EXPECT_EQ(w.container->LeftPane(), w.container->PassiveTree());
    EXPECT_EQ(w.container->RightPane(), w.container->List());
    w.s.manager->ActivateView(kViewDifferences);
    w.container->Refresh();
    EXPECT_EQ(w.container->LeftPane(), w.container->Picture());
    EXPECT_TRUE(w.container->RightPane()->isAncestorOf(w.container->DifferencesList()));
    EXPECT_TRUE(w.container->RightPane()->isAncestorOf(w.container->ConnectionList()));
    EXPECT_EQ(w.container->DifferencesList()->Content().columns.size(), 4u);
}

TEST(ViewPicture, ASecondClickDeselectsAndARightClickDoesNot) {
    SViewWindows w;
    w.s.manager->ActivateView(kViewTxCabling);
    w.container->Refresh();
    CUnit* trx = w.s.Candidate().FindUnit(kUnitKindTrx, 5);
    const QPoint at = w.UnitCentre(*trx);
    QTest::mouseClick(w.PictureViewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(w.s.manager->SelectedUnit(), trx);
    QTest::mouseClick(w.PictureViewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(w.s.manager->SelectedUnit(), nullptr);
    QTest::mouseClick(w.PictureViewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(w.s.manager->SelectedUnit(), trx);

    QSignalSpy menus(w.container->Picture(), &CBTSConfigurationView::ContextMenuRequested);
    QContextMenuEvent right(QContextMenuEvent::Mouse, at, w.PictureViewport()->mapToGlobal(at));
    QApplication::sendEvent(w.PictureViewport(), &right);
    EXPECT_EQ(w.s.manager->SelectedUnit(), trx);
    ASSERT_EQ(menus.count(), 1);
    EXPECT_EQ(menus.at(0).at(0).toInt(), 364);

    // The list follows the picture.
    const auto selected = w.container->List()->selectedItems();
    ASSERT_EQ(selected.size(), 1);
    EXPECT_EQ(selected[0]->text(0), QString::fromStdString(trx->DisplayName()));

    QTest::mouseDClick(w.PictureViewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(w.s.host.propertiesOpened, 1);
}

TEST(ViewPicture, HoverTellsTheStatusBarAndUnitsAreAccessible) {
    SViewWindows w;
    w.s.manager->ActivateView(kViewCabinetUnits);
    w.container->Refresh();
    QSignalSpy status(w.container, &CContainerView::StatusText);
    CUnit* trx = w.s.Candidate().FindUnit(kUnitKindTrx, 2);
    QTest::mouseMove(w.PictureViewport(), w.UnitCentre(*trx));
    ASSERT_FALSE(status.isEmpty());
    EXPECT_EQ(status.last().at(0).toString(),
              QString::fromStdString(trx->DisplayName()) + QStringLiteral(" - Transceiver"));
    QTest::mouseMove(w.PictureViewport(), QPoint(2, 2));
    EXPECT_EQ(status.last().at(0).toString(), QStringLiteral("For Help, press F1"));

    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(w.container->Picture());
    ASSERT_NE(access, nullptr);
    const auto& units = w.container->Picture()->Scene().units;
    ASSERT_EQ(access->childCount(), static_cast<int>(units.size()));
    bool found = false;
    for (int i = 0; i < access->childCount(); ++i) {
        found = found || access->child(i)->text(QAccessible::Name) ==
                             QString::fromStdString(trx->DisplayName());
    }
    EXPECT_TRUE(found);
}

TEST(ViewPicture, FillsItsPaneAndHitTestingFollowsTheScale) {
    SViewWindows w;
    w.s.manager->ActivateView(kViewCabinetUnits);
    w.container->Refresh();
    CBTSConfigurationView* picture = w.container->Picture();
    QSignalSpy status(w.container, &CContainerView::StatusText);
    CUnit* trx = w.s.Candidate().FindUnit(kUnitKindTrx, 7);
    const QString trxText =
        QString::fromStdString(trx->DisplayName()) + QStringLiteral(" - Transceiver");

    // A tall pane: the picture grows to it, keeps its proportions and needs no scrolling.
    w.window.resize(1400, 1100);
    QApplication::processEvents();
    const qreal scale = picture->Scale();
    EXPECT_GT(scale, 1.5);
    const QRect drawn = picture->FromPictureRect(picture->Scene().bounds);
    EXPECT_TRUE(picture->viewport()->rect().contains(drawn));
    const QSize natural = CCabinetPainter::PictureSize(picture->Scene());
    EXPECT_NEAR(qreal(drawn.width()) / drawn.height(), qreal(natural.width()) / natural.height(),
                0.02);
    EXPECT_EQ(picture->verticalScrollBar()->maximum(), 0);
    // The window shows the picture where and as it is painted whole, although the pane paints
    // into the window's image at its own place in it (the focus marks at the edges aside).
    {
        const QPoint pane = picture->viewport()->mapTo(&w.window, QPoint());
        QImage whole(w.window.size(), QImage::Format_RGB32);
        whole.fill(picture->palette().color(QPalette::Base));
        QPainter p(&whole);
        p.translate(pane + picture->PictureOrigin());
        p.scale(scale, scale);
        CCabinetPainter::Paint(p, picture->Scene());
        p.end();
        const QRect inside = drawn.adjusted(3, 3, -3, -3).translated(pane);
        const QImage shown = w.window.grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_TRUE(shown.copy(inside) == whole.copy(inside));
    }

    // The pointer over the unit where it is drawn now names it, at its edges too.
    ASSERT_NE(picture->Scene().Find(trx), nullptr);
    const SRect r = picture->Scene().Find(trx)->rect;
    const QRect unit = picture->FromPictureRect(r);
    for (const QPoint at :
         {unit.center(), unit.topLeft() + QPoint(1, 1), unit.bottomRight() - QPoint(1, 1)}) {
        QTest::mouseMove(picture->viewport(), at);
        ASSERT_FALSE(status.isEmpty());
        EXPECT_EQ(status.last().at(0).toString(), trxText);
    }
    QTest::mouseClick(picture->viewport(), Qt::LeftButton, {}, unit.center());
    EXPECT_EQ(w.s.manager->SelectedUnit(), trx);

    // A pane too small to read the names in: the picture keeps its legible size and scrolls.
    w.window.resize(500, 300);
    QApplication::processEvents();
    EXPECT_DOUBLE_EQ(picture->Scale(), CBTSConfigurationView::kMinScale);
    EXPECT_GT(picture->verticalScrollBar()->maximum(), 0);
    picture->verticalScrollBar()->setValue(picture->verticalScrollBar()->maximum());
    const QRect scrolled = picture->FromPictureRect(r);
    QTest::mouseMove(picture->viewport(), scrolled.center());
    EXPECT_EQ(status.last().at(0).toString(), trxText);
}

TEST(ViewPicture, CtrlWheelZoomsAboutThePointerAndFitReturnsToThePane) {
    SViewWindows w;
    w.s.manager->ActivateView(kViewCabinetUnits);
    w.container->Refresh();
    CBTSConfigurationView* picture = w.container->Picture();
    QSignalSpy zoomed(picture, &CBTSConfigurationView::ZoomChanged);
    const qreal fit = picture->Scale();
    CUnit* trx = w.s.Candidate().FindUnit(kUnitKindTrx, 7);
    ASSERT_NE(picture->Scene().Find(trx), nullptr);
    const QPoint at = picture->FromPictureRect(picture->Scene().Find(trx)->rect).center();
    const SPoint under = picture->ToPicture(at);
    const auto wheel = [&](int delta, Qt::KeyboardModifiers mods) {
        QWheelEvent e(at, picture->viewport()->mapToGlobal(at), {}, {0, delta}, Qt::NoButton, mods,
                      Qt::NoScrollPhase, false);
        QApplication::sendEvent(picture->viewport(), &e);
    };
    // Without Ctrl the wheel scrolls, as in any pane.
    wheel(120, Qt::NoModifier);
    EXPECT_DOUBLE_EQ(picture->Scale(), fit);
    EXPECT_TRUE(zoomed.isEmpty());

    wheel(2 * 120, Qt::ControlModifier);
    EXPECT_NEAR(picture->Scale(), fit * CPictureZoom::kStep * CPictureZoom::kStep, 1e-9);
    EXPECT_EQ(zoomed.size(), 1);
    const SPoint still = picture->ToPicture(at);
    EXPECT_NEAR(still.x, under.x, 1);
    EXPECT_NEAR(still.y, under.y, 1);
    EXPECT_GT(picture->verticalScrollBar()->maximum(), 0);
    // The zoom holds while the pane changes size; fitting follows the pane again.
    w.window.resize(1200, 900);
    QApplication::processEvents();
    EXPECT_NEAR(picture->Scale(), fit * CPictureZoom::kStep * CPictureZoom::kStep, 1e-9);
    picture->FitPicture();
    EXPECT_TRUE(picture->Zoom().Fitted());
    const qreal refit = picture->Scale();
    picture->ZoomOut();
    EXPECT_NEAR(picture->Scale(), refit / CPictureZoom::kStep, 1e-9);
    EXPECT_EQ(zoomed.size(), 3);
}

TEST(ViewList, RowsNoInformationSortingAndSelection) {
    SViewWindows w;
    CListViewOwn& list = *w.container->List();
    w.s.manager->ActivateView(kViewPassive);
    w.container->Refresh();
    ASSERT_EQ(list.topLevelItemCount(), 1);
    EXPECT_EQ(list.topLevelItem(0)->text(0), QStringLiteral("No information"));

    w.s.manager->ActivateView(kViewTxCabling);
    w.s.manager->SetViewSettings(0);
    w.container->Refresh();
    EXPECT_EQ(list.columnCount(), 2);
    EXPECT_LE(list.columnWidth(0), CListViewOwn::kMaxColumnWidth);
    w.s.manager->SetViewSettings(1);
    w.container->Refresh();
    EXPECT_EQ(list.columnCount(), 4);
    ASSERT_EQ(list.topLevelItemCount(), 12);

    // No heading or text is cut, however narrow the share of the pane.
    w.s.manager->ActivateView(kViewRxMainCabling);
    w.container->Refresh();
    ASSERT_EQ(list.headerItem()->text(1), QStringLiteral("RX Main Multicoupler"));
    for (int c = 0; c < list.columnCount(); ++c) {
        const QFontMetrics fm(list.header()->font());
        EXPECT_GE(list.columnWidth(c), fm.horizontalAdvance(list.headerItem()->text(c)) + 8) << c;
        for (const QString& text : ColumnTexts(list, c)) {
            EXPECT_GE(list.columnWidth(c), list.fontMetrics().horizontalAdvance(text))
                << text.toStdString();
        }
    }
    w.s.manager->ActivateView(kViewTxCabling);
    w.container->Refresh();

    ClickHeader(list, 3);
    const std::vector<QString> ascending = ColumnTexts(list, 3);
    EXPECT_TRUE(
        std::is_sorted(ascending.begin(), ascending.end(), [](const QString& a, const QString& b) {
            return CompareNatural(a.toStdString(), b.toStdString()) < 0;
        }));
    ClickHeader(list, 3);
    std::vector<QString> descending = ColumnTexts(list, 3);
    std::reverse(descending.begin(), descending.end());
    EXPECT_EQ(ColumnTexts(list, 3).front(), ascending.back());
    EXPECT_EQ(list.header()->sortIndicatorOrder(), Qt::DescendingOrder);

    // Choosing a row selects its unit; Enter opens the properties.
    QTreeWidgetItem* row = list.topLevelItem(0);
    list.setCurrentItem(row);
    const CUnit* selected = w.s.manager->SelectedUnit();
    ASSERT_NE(selected, nullptr);
    EXPECT_EQ(QString::fromStdString(selected->DisplayName()), row->text(0));
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Return);
    EXPECT_EQ(w.s.host.propertiesOpened, 1);
}

TEST(ViewScreens, TheViewWindowsAsTheEngineerSeesThem) {
    SViewWindows w(true);
    const QString dir =
        QString::fromUtf8(CABRION_BINARY_DIR) + QStringLiteral("/screenshots/windows");
    QDir().mkpath(dir);
    w.s.manager->SetViewSettings(1);
    for (int view : {kViewCabinetUnits, kViewAllCabling, kViewDifferences}) {
        w.s.manager->ActivateView(view);
        if (view == kViewDifferences) {
            w.container->RunTabCommand(CContainerView::kBtsCommand);
        }
        w.s.manager->SelectUnit(w.s.manager->Shown()->FindUnit(kUnitKindTrx, 3));
        w.container->Refresh();
        w.bar->update();
        QApplication::processEvents();
        EXPECT_TRUE(w.window.grab().save(QStringLiteral("%1/views-%2.png").arg(dir).arg(view)));
    }
}

// The differences below the per-view rows lead to their units, both ways: choosing the row of
// a transceiver only the candidate has lights its outlined place on the BTS tab, and clicking
// that place chooses its rows.
TEST(ViewContainer, DifferenceRowsAndOutlinedPlacesChooseEachOther) {
    SViewWindows w(true);
    w.s.host.connected = true;
    w.s.manager->ActivateView(kViewDifferences);
    w.container->RunTabCommand(CContainerView::kBtsCommand);
    ASSERT_TRUE(w.s.manager->BtsTab());
    const CUnit* trx12 = w.s.Candidate().FindUnit(kUnitKindTrx, 12);
    const QString name = QString::fromStdString(trx12->DisplayName());
    CListViewOwn& list = *w.container->DifferencesList();
    QTreeWidgetItem* row = nullptr;
    for (int i = 0; i < list.topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = list.topLevelItem(i);
        if (item->text(0) == name && item->text(3) == QStringLiteral("Cabinet Units")) {
            row = item;
        }
    }
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->text(2), QStringLiteral("-"));
    list.setCurrentItem(row);
    EXPECT_EQ(w.s.manager->SelectedOrOutlined(), trx12);
    EXPECT_TRUE(row->isSelected()) << "the row stays chosen when the selection is followed";

    for (const QSize size : {QSize(1280, 800), QSize(1920, 1080), QSize(1280, 800)}) {
        w.window.resize(size);
        QApplication::processEvents();
        // The columns refit to the pane as the window changes: the last one in sight at 1280
        // pixels, every text whole at 1920.
        int total = 0;
        for (int c = 0; c < list.columnCount(); ++c) {
            total += list.columnWidth(c);
            if (size.width() == 1920) {
                for (const QString& text : ColumnTexts(list, c)) {
                    EXPECT_GE(list.columnWidth(c), list.fontMetrics().horizontalAdvance(text))
                        << text.toStdString();
                }
            }
        }
        EXPECT_LE(total, list.viewport()->width()) << size.width();
        testsupport::Shoot(
            w.window, QStringLiteral("views"),
            QStringLiteral("differences-detail-%1x%2").arg(size.width()).arg(size.height()));
    }

    w.s.manager->SelectUnit(nullptr);
    w.container->FollowSelection();
    EXPECT_FALSE(row->isSelected());
    QTest::mouseClick(w.PictureViewport(), Qt::LeftButton, {}, w.UnitCentre(*trx12));
    EXPECT_EQ(w.s.manager->SelectedOrOutlined(), trx12);
    EXPECT_TRUE(row->isSelected());
}
