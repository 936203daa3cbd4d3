#pragma once
// Cabrion's main window: menus, status bar, and the title that names the document and the
// state of the BTS link.

#include "app/StatusText.h"

#include <QMainWindow>

class QAction;
class QLabel;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(QWidget* parent = nullptr);

    // Rebuilds title and status bar; called for every connection report and on demand.
    void RefreshStatus(const StatusInputs& inputs);

    QAction* ExitAction() const { return m_exit; }
    QString StatusPaneText(int pane) const;

private:
    void CreateMenus();
    void CreateStatusBar();

    QAction* m_exit = nullptr;
    // Link state, the line it uses ("LAN", "COM n", "SIM"), and the access level of a remote link.
    static constexpr int kPanes = 3;
    QLabel* m_panes[kPanes] = {};
};
