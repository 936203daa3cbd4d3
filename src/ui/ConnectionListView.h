#pragma once
// The connection event list. The main window keeps it for the document's lifetime; the
// Differences view shows it below its list.

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
