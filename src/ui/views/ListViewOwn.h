#pragma once
// The list pane: the rows of the active view, sorted by the clicked header, with the row of
// the selected unit selected; choosing a row selects its unit in the views.

#include <QTreeWidget>

#include <vector>

#include "app/views/ViewList.h"

class CViewBase;

class CListViewOwn : public QTreeWidget {
    Q_OBJECT
public:
    static constexpr int kMaxColumnWidth = 120;

    explicit CListViewOwn(CViewBase& manager, QWidget* parent = nullptr);

    // Removes everything and fills the list of the active view again.
    void Fill();
    // Selects the row of the selected unit and no other.
    void FollowSelection();
    const SListContent& Content() const { return m_content; }

signals:
    // The user chose a row (or none): the views follow.
    void SelectionMade();
    void ContextMenuRequested(int menuId, const QPoint& globalPos);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Refits the columns to the pane from the widths measured when the list was filled.
    void FitColumns();
    void RowChosen();
    void HeaderClicked(int column);

    CViewBase& m_manager;
    SListContent m_content;
    std::vector<int> m_headingWidths;
    std::vector<int> m_textWidths;
    bool m_filling = false;
};
