#include "ui/views/BTSConfigurationTreeView.h"

#include "app/passive/PassiveUnitTree.h"
#include "files/TextCodec.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QSignalBlocker>

#include <functional>

namespace {

// The table holds its texts as its files do, in the 8-bit code page.
QString TableText(const std::string& s) {
    return QString::fromStdString(Cp1252ToUtf8(s));
}

constexpr int kTopRole = Qt::UserRole;
constexpr int kGroupRole = Qt::UserRole + 1;
constexpr int kSlotRole = Qt::UserRole + 2;

SPassiveSelection SelectionOf(const QTreeWidgetItem* item) {
    return {item->data(0, kTopRole).toInt(), item->data(0, kGroupRole).toInt(),
            item->data(0, kSlotRole).toInt()};
}

QTreeWidgetItem* ItemFor(const SPassiveTreeNode& node) {
    auto* item = new QTreeWidgetItem;
    item->setData(0, kTopRole, node.selection.top);
    item->setData(0, kGroupRole, node.selection.group);
    item->setData(0, kSlotRole, node.selection.slot);
    item->setText(0, TableText(node.label));
    if (node.selection.IsEntry()) {
        item->setText(1, TableText(node.serialNumber));
        item->setText(2, TableText(node.productId));
        // A reader hears the place and what is in it in one line.
        const QString spoken = node.filled
                                   ? QStringLiteral("%1, serial number %2, product identifier %3")
                                         .arg(TableText(node.label), TableText(node.serialNumber),
                                              TableText(node.productId))
                                   : QStringLiteral("%1, empty").arg(TableText(node.label));
        item->setData(0, Qt::AccessibleTextRole, spoken);
        if (!node.filled) {
            item->setForeground(0, QPalette().brush(QPalette::Disabled, QPalette::Text));
        }
    } else {
        QFont bold = item->font(0);
        bold.setBold(node.selection.IsTopGroup());
        item->setFont(0, bold);
    }
    for (const SPassiveTreeNode& child : node.children) {
        item->addChild(ItemFor(child));
    }
    return item;
}

} // namespace

CBTSConfigurationTreeView::CBTSConfigurationTreeView(QWidget* parent) : QTreeWidget(parent) {
    setObjectName(QStringLiteral("passiveTree"));
    setAccessibleName(QStringLiteral("Passive units"));
    setColumnCount(3);
    setHeaderLabels({QStringLiteral("Unit"), QStringLiteral("Serial Number"),
                     QStringLiteral("Product Identifier")});
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    setRootIsDecorated(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAllColumnsShowFocus(true);
    // Tab goes on to the next pane of the window, as everywhere else.
    setTabKeyNavigation(false);
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item != nullptr && !m_filling) {
            emit SelectionMade(SelectionOf(item));
        }
    });
}

void CBTSConfigurationTreeView::Fill(const CHWInfoFile* table) {
    const std::optional<SPassiveSelection> keep = Selected();
    QSet<QString> collapsed;
    for (int i = 0; i < topLevelItemCount(); ++i) {
        QTreeWidgetItem* top = topLevelItem(i);
        for (int j = 0; j < top->childCount(); ++j) {
            if (!top->child(j)->isExpanded()) {
                collapsed.insert(top->text(0) + QLatin1Char('/') + top->child(j)->text(0));
            }
        }
    }
    const bool first = topLevelItemCount() == 0;
    m_filling = true;
    clear();
    if (table != nullptr) {
        for (const SPassiveTreeNode& node : BuildPassiveTree(*table)) {
            QTreeWidgetItem* top = ItemFor(node);
            addTopLevelItem(top);
            top->setExpanded(true);
            for (int j = 0; j < top->childCount(); ++j) {
                const QString key = top->text(0) + QLatin1Char('/') + top->child(j)->text(0);
                // A first fill opens only the groups that hold units; later fills keep what
                // the user opened or closed.
                bool anyFilled = false;
                for (int k = 0; k < top->child(j)->childCount(); ++k) {
                    anyFilled = anyFilled || !top->child(j)->child(k)->text(1).isEmpty();
                }
                top->child(j)->setExpanded(first ? anyFilled : !collapsed.contains(key));
            }
        }
    }
    if (keep) {
        if (QTreeWidgetItem* item = ItemOf(*keep)) {
            setCurrentItem(item);
        }
    }
    m_filling = false;
}

QTreeWidgetItem* CBTSConfigurationTreeView::ItemOf(const SPassiveSelection& selection) const {
    std::function<QTreeWidgetItem*(QTreeWidgetItem*)> find =
        [&](QTreeWidgetItem* item) -> QTreeWidgetItem* {
        if (SelectionOf(item) == selection) {
            return item;
        }
        for (int i = 0; i < item->childCount(); ++i) {
            if (QTreeWidgetItem* found = find(item->child(i))) {
                return found;
            }
        }
        return nullptr;
    };
    for (int i = 0; i < topLevelItemCount(); ++i) {
        if (QTreeWidgetItem* found = find(topLevelItem(i))) {
            return found;
        }
    }
    return nullptr;
}

bool CBTSConfigurationTreeView::Select(const SPassiveSelection& selection) {
    QTreeWidgetItem* item = ItemOf(selection);
    if (item == nullptr) {
        return false;
    }
    {
        // Named by the frame: it already knows, so it is not told back.
        const QSignalBlocker block(this);
        setCurrentItem(item);
    }
    scrollToItem(item);
    return true;
}

std::optional<SPassiveSelection> CBTSConfigurationTreeView::Selected() const {
    if (QTreeWidgetItem* item = currentItem()) {
        return SelectionOf(item);
    }
    return std::nullopt;
}

void CBTSConfigurationTreeView::contextMenuEvent(QContextMenuEvent* event) {
    // The entry under the pointer becomes the selection, so the menu acts on what was clicked.
    if (event->reason() == QContextMenuEvent::Mouse) {
        if (QTreeWidgetItem* item = itemAt(event->pos())) {
            if (item != currentItem()) {
                setCurrentItem(item);
            }
        }
    }
    emit ContextMenuRequested(event->globalPos());
}
