#include "ui/ConnectionListView.h"

#include <QHeaderView>
#include <QResizeEvent>

CListViewBTSConnection::CListViewBTSConnection(QWidget* parent) : QTreeWidget(parent) {
    setColumnCount(2);
    setHeaderLabels({tr("Event Time"), tr("Event Description")});
    header()->setSectionsClickable(false);
    header()->setStretchLastSection(true);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAccessibleName(tr("BTS connection events"));
    FitColumns();
}

void CListViewBTSConnection::FitColumns() {
    // A list not laid out yet is taken as 450 pixels wide.
    const int width = viewport()->width() > 0 ? viewport()->width() : 450;
    setColumnWidth(0, width / 5);
}

void CListViewBTSConnection::resizeEvent(QResizeEvent* event) {
    QTreeWidget::resizeEvent(event);
    FitColumns();
}

void CListViewBTSConnection::AddLine(const QString& time, const QString& text) {
    while (topLevelItemCount() >= kMaxLines) {
        delete takeTopLevelItem(0);
    }
    auto* item = new QTreeWidgetItem(this, {time, text});
    item->setToolTip(1, text);
    scrollToItem(item);
}
