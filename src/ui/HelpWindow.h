#pragma once
// The user guide in a window of our own, so that F1 works on a machine without a web browser:
// the page at its topic, back and forward through what was read, a search in the page, and the
// page handed to the desktop's browser when the engineer prefers it.

#include <QUrl>
#include <QWidget>

#include <functional>

class QLineEdit;
class QTextBrowser;
class QToolButton;
class QPushButton;

class CHelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit CHelpWindow(QWidget* parent = nullptr);

    // Shows `url` (a local page, with its topic as the fragment) and brings the window up.
    void Show(const QUrl& url);
    QUrl Source() const;
    // Finds the next place of the search text in the page, from the top again past the end.
    bool FindNext();

    QTextBrowser* Browser() const { return m_browser; }
    QLineEdit* SearchBox() const { return m_search; }
    QToolButton* BackButton() const { return m_back; }
    QToolButton* ForwardButton() const { return m_forward; }
    QPushButton* BrowserButton() const { return m_external; }

    // Hands the page to the desktop for "Open in Browser"; false when nothing took it.
    std::function<bool(const QUrl&)> opener;

private:
    QTextBrowser* m_browser;
    QLineEdit* m_search;
    QToolButton* m_back;
    QToolButton* m_forward;
    QPushButton* m_external;
};
