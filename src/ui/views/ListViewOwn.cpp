#include "ui/views/ListViewOwn.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>

#include <algorithm>

#include "app/views/ViewBase.h"
#include "app/views/ViewHost.h"
#include "files/HWInfoFile.h"
#include "model/DataBaseKODA.h"

CListViewOwn::CListViewOwn(CViewBase& manager, QWidget* parent)
    : QTreeWidget(parent), m_manager(manager) {
    setObjectName(QStringLiteral("viewList"));
    setAccessibleName(QStringLiteral("View list"));
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false);
    header()->setSectionsClickable(true);
    header()->setStretchLastSection(false);
    connect(header(), &QHeaderView::sectionClicked, this, &CListViewOwn::HeaderClicked);
    connect(this, &QTreeWidget::itemSelectionChanged, this, &CListViewOwn::RowChosen);
    connect(this, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem*, int) { m_manager.Host().OpenProperties(); });
}

void CListViewOwn::Fill() {
    m_filling = true;
    clear();
    m_content = m_manager.ListContent();
    QStringList labels;
    for (const std::string& c : m_content.columns) {
        labels << QString::fromStdString(c);
    }
    setColumnCount(std::max<int>(1, static_cast<int>(labels.size())));
    setHeaderLabels(labels);
    const CListSortState& sorting = m_manager.Sorting();
    header()->setSortIndicatorShown(sorting.Column() >= 0);
    if (sorting.Column() >= 0) {
        header()->setSortIndicator(sorting.Column(),
                                   sorting.Ascending() ? Qt::AscendingOrder : Qt::DescendingOrder);
    }
    QList<QTreeWidgetItem*> items;
    for (std::size_t i = 0; i < m_content.rows.size(); ++i) {
        QStringList cells;
        for (const std::string& c : m_content.rows[i].cells) {
            cells << QString::fromStdString(c);
        }
        auto* item = new QTreeWidgetItem(cells);
        item->setData(0, Qt::UserRole, static_cast<int>(i));
        // Columns are kept narrow; the whole text is a hover away.
        for (int c = 0; c < cells.size(); ++c) {
            item->setToolTip(c, cells[c]);
        }
        if (m_content.rows[i].heading) {
            item->setFlags(item->flags() & ~Qt::ItemIsSelectable);
            QFont bold = font();
            bold.setBold(true);
            for (int c = 0; c < cells.size(); ++c) {
                item->setFont(c, bold);
                item->setBackground(c, palette().alternateBase());
            }
        }
        items << item;
    }
    addTopLevelItems(items);
    m_headingWidths.clear();
    m_textWidths.clear();
    for (int i = 0; i < std::max(1, columnCount()); ++i) {
        m_headingWidths.push_back(header()->sectionSizeHint(i));
        m_textWidths.push_back(sizeHintForColumn(i));
    }
    FitColumns();
    m_filling = false;
    FollowSelection();
}

void CListViewOwn::FitColumns() {
    // Shares of the pane, at most 120 pixels each, never narrower than the heading ("RX Main
    // Multicoupler" must not read "RX Main Multicouple"); texts too long for the pane are cut
    // before the last column is pushed out of sight, and read whole in their tool tips.
    const int count = static_cast<int>(m_headingWidths.size());
    if (count == 0) {
        return;
    }
    const int share = std::min(kMaxColumnWidth, viewport()->width() / count);
    std::vector<int> least;
    for (const int heading : m_headingWidths) {
        least.push_back(std::max({40, share, heading}));
    }
    const std::vector<int> widths = FitColumnWidths(viewport()->width(), least, m_textWidths);
    for (int i = 0; i < count && i < columnCount(); ++i) {
        setColumnWidth(i, widths[static_cast<std::size_t>(i)]);
    }
}

void CListViewOwn::resizeEvent(QResizeEvent* event) {
    QTreeWidget::resizeEvent(event);
    FitColumns();
}

void CListViewOwn::FollowSelection() {
    const QSignalBlocker block(this);
    const CUnit* selected = m_manager.SelectedOrOutlined();
    clearSelection();
    for (int i = 0; i < topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = topLevelItem(i);
        const int row = item->data(0, Qt::UserRole).toInt();
        if (m_content.rows[row].Names(selected)) {
            item->setSelected(true);
            setCurrentItem(item, 0, QItemSelectionModel::NoUpdate);
            scrollToItem(item);
        }
    }
    viewport()->update();
}

void CListViewOwn::RowChosen() {
    if (m_filling) {
        return;
    }
    const QList<QTreeWidgetItem*> chosen = selectedItems();
    const CUnit* unit = nullptr;
    if (!chosen.isEmpty()) {
        const SListRow& row = m_content.rows[chosen.first()->data(0, Qt::UserRole).toInt()];
        if (row.unitKind != 0) {
            unit = m_manager.RowUnit(row);
        } else if (row.passiveGroup >= 0) {
            m_manager.Host().ShowPassiveNode(CHWInfoFile::TopGroupOf(row.passiveGroup),
                                             row.passiveGroup, row.passiveSlot);
        }
    }
    m_manager.SelectUnit(unit);
    emit SelectionMade();
}

void CListViewOwn::HeaderClicked(int column) {
    m_manager.Sorting().HeaderClicked(column);
    Fill();
}

void CListViewOwn::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !selectedItems().isEmpty()) {
        m_manager.Host().OpenProperties();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void CListViewOwn::mousePressEvent(QMouseEvent* event) {
    // A click beside the rows clears the selection.
    if (itemAt(event->position().toPoint()) == nullptr) {
        clearSelection();
        return;
    }
    QTreeWidget::mousePressEvent(event);
}

void CListViewOwn::contextMenuEvent(QContextMenuEvent* event) {
    if (const int menu = m_manager.ContextMenu(); menu != 0) {
        emit ContextMenuRequested(menu, event->globalPos());
    }
}
