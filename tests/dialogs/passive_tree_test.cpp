// The passive units tree: what it lists for a table, that a refill keeps the selection and the
// groups the user closed, that a node named by the frame is selected without being told back,
// and what a screen reader hears for a place.
#include "files/HWInfoFile.h"
#include "support/Screenshot.h"
#include "support/ViewTestHost.h"
#include "ui/views/BTSConfigurationTreeView.h"
#include "ui/views/ContainerView.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QSignalSpy>
#include <QTest>

namespace {

TEST(PassiveTree, ListsEveryPlaceAndKeepsTheSelectionAcrossARefill) {
    CHWInfoFile table;
    ASSERT_EQ(table.SetSlot(CHWInfoFile::kMhaGroup, 2, "SN123", "PID-77"), 2);
    CBTSConfigurationTreeView tree;
    tree.resize(520, 600);
    tree.Fill(&table);
    ASSERT_EQ(tree.topLevelItemCount(), CHWInfoFile::kTopGroupCount);
    EXPECT_EQ(tree.topLevelItem(0)->text(0), QString::fromStdString(CHWInfoFile::TopGroupName(0)));

    const int top = CHWInfoFile::TopGroupOf(CHWInfoFile::kMhaGroup);
    const SPassiveSelection filled{top, CHWInfoFile::kMhaGroup, 2};
    QTreeWidgetItem* item = tree.ItemOf(filled);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(0), QStringLiteral("Connected to Ant. 3"));
    EXPECT_EQ(item->text(1), QStringLiteral("SN123"));
    EXPECT_EQ(item->text(2), QStringLiteral("PID-77"));
    EXPECT_EQ(
        item->data(0, Qt::AccessibleTextRole).toString(),
        QStringLiteral("Connected to Ant. 3, serial number SN123, product identifier PID-77"));
    // The group that holds a unit opens on the first fill.
    EXPECT_TRUE(item->parent()->isExpanded());
    testsupport::Shoot(tree, QStringLiteral("dialogs"), QStringLiteral("passive_tree_filled"));
    const SPassiveSelection empty{top, CHWInfoFile::kMhaGroup, 0};
    EXPECT_EQ(tree.ItemOf(empty)->data(0, Qt::AccessibleTextRole).toString(),
              QStringLiteral("Connected to Ant. 1, empty"));

    // The user picks a place, closes its group; a refill after a change keeps both.
    QSignalSpy chosen(&tree, &CBTSConfigurationTreeView::SelectionMade);
    tree.setCurrentItem(tree.ItemOf(empty));
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen[0][0].value<SPassiveSelection>(), empty);
    tree.ItemOf(empty)->parent()->setExpanded(false);
    ASSERT_EQ(table.SetSlot(CHWInfoFile::kMhaGroup, 0, "SN9", "PID-1"), 0);
    tree.Fill(&table);
    EXPECT_EQ(chosen.count(), 1) << "a refill is not a choice of the user";
    ASSERT_TRUE(tree.Selected().has_value());
    EXPECT_EQ(*tree.Selected(), empty);
    EXPECT_FALSE(tree.ItemOf(empty)->parent()->isExpanded());
    EXPECT_EQ(tree.ItemOf(empty)->text(1), QStringLiteral("SN9"));

    // Named by the frame: selected and shown, nobody told back.
    EXPECT_TRUE(tree.Select(filled));
    EXPECT_EQ(*tree.Selected(), filled);
    EXPECT_EQ(chosen.count(), 1);
    EXPECT_FALSE(tree.Select({top, CHWInfoFile::kMhaGroup, 999}));

    tree.Fill(nullptr);
    EXPECT_EQ(tree.topLevelItemCount(), 0);
}

TEST(PassiveTree, KeyboardMovesThroughThePlaces) {
    CHWInfoFile table;
    CBTSConfigurationTreeView tree;
    tree.Fill(&table);
    tree.show();
    QApplication::setActiveWindow(&tree);
    tree.setFocus();
    tree.setCurrentItem(tree.topLevelItem(0));
    QSignalSpy chosen(&tree, &CBTSConfigurationTreeView::SelectionMade);
    QTest::keyClick(&tree, Qt::Key_Down);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_TRUE(chosen[0][0].value<SPassiveSelection>().IsGroup());
    QTest::keyClick(&tree, Qt::Key_End);
    ASSERT_TRUE(tree.Selected().has_value());
    EXPECT_EQ(tree.Selected()->top, CHWInfoFile::kTopGroupCount - 1);
    tree.resize(520, 600);
    testsupport::Shoot(tree, QStringLiteral("dialogs"), QStringLiteral("passive_tree"));
}

// The Passive Units view puts the tree in front, filled from the table it shows; the tree's menu
// is the one the other panes offer.
TEST(PassiveTree, TheContainerFillsItAndOffersTheViewsMenu) {
    CMemoryRegistry store;
    testsupport::CViewTestHost host;
    CHWInfoFile table;
    ASSERT_EQ(table.SetSlot(CHWInfoFile::kMhaGroup, 0, "SN1", "P1"), 0);
    host.candidatePassive = &table;
    CViewBaseKODA views(host, store);
    ASSERT_TRUE(views.ActivateView(10));
    CContainerView container(views);
    container.Refresh();
    ASSERT_EQ(container.LeftPane(), container.PassiveTree());
    const int top = CHWInfoFile::TopGroupOf(CHWInfoFile::kMhaGroup);
    QTreeWidgetItem* item = container.PassiveTree()->ItemOf({top, CHWInfoFile::kMhaGroup, 0});
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(1), QStringLiteral("SN1"));
    // Choosing the unit in the tree shows it on the passive units page, as the list does.
    container.PassiveTree()->setCurrentItem(item);
    ASSERT_EQ(host.shownRecords.size(), 1u);
    EXPECT_EQ(host.shownRecords[0], (std::pair{CHWInfoFile::kMhaGroup, 0}));

    QSignalSpy menus(&container, &CContainerView::ContextMenuRequested);
    QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(4, 4), QPoint(4, 4));
    QApplication::sendEvent(container.PassiveTree(), &key);
    ASSERT_EQ(menus.count(), 1);
    EXPECT_EQ(menus[0][0].toInt(), views.ContextMenu());
}

} // namespace
