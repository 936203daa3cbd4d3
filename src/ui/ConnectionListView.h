#pragma once
// The connection event list and the view that holds it below the differences list.

#include <QSplitter>
#include <QTreeWidget>

// Two columns, time and text; continuation lines leave the time empty; always scrolled to the
// newest line.
class CListViewBTSConnection : public QTreeWidget {
    Q_OBJECT
public:
    // Lines beyond this are dropped from the top, so that a link left polling for days does not
    // fill the memory.
    static constexpr int kMaxLines = 5000;

    explicit CListViewBTSConnection(QWidget* parent = nullptr);
    void AddLine(const QString& time, const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void FitColumns();
};

// The differences list (filled by the differences view) above the connection event list.
class CBTSConnectionListView : public QSplitter {
    Q_OBJECT
public:
    explicit CBTSConnectionListView(QWidget* parent = nullptr);
    QTreeWidget* DifferencesList() const { return m_differences; }
    CListViewBTSConnection* ConnectionList() const { return m_connection; }

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    QTreeWidget* m_differences;
    CListViewBTSConnection* m_connection;
};
