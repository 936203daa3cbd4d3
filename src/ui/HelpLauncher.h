#pragma once
// Opens the user guide: the contents from the Help menu, and on F1 the page of what the
// engineer is looking at — the highlighted menu command while a menu is open, the window's own
// page for a dialog that names one, else the active cabinet view's page.

#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>
#include <string>

class QWidget;
class CHelpWindow;

class CHelpLauncher : public QObject {
    Q_OBJECT
public:
    // The property a window sets to the guide page that F1 opens while it is active.
    static constexpr const char* kPageProperty = "cabrionHelpPage";

    // mainWindow: the frame whose F1 shows the active view's page; viewType: that view's type.
    CHelpLauncher(QWidget* mainWindow, std::function<int()> viewType, QObject* parent = nullptr);
    ~CHelpLauncher() override;

    // The guide's folder; empty when none is installed.
    void SetFolder(const QString& folder) { m_folder = folder; }
    const QString& Folder() const { return m_folder; }

    void ShowContents();
    void ShowContext(int context);
    // F1: the page for the active window.
    void ShowForActiveWindow();
    // Shows "page.html#anchor" of the guide in the help window; says so when the guide or the
    // page is missing.
    bool Open(const std::string& page);
    // The help window, once a page was shown.
    CHelpWindow* Window() const { return m_window.get(); }

    // Hands the URL to the desktop for the help window's "Open in Browser"; replaced by tests.
    std::function<bool(const QUrl&)> opener;
    // The page of a command highlighted in an open menu; the command table's when the window
    // gives it one.
    std::function<std::string(int command)> commandPage;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_main;
    std::function<int()> m_viewType;
    QString m_folder;
    std::unique_ptr<CHelpWindow> m_window;
};
