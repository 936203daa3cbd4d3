#pragma once
// Cabrion's main window: the menus and toolbars of the document's commands, the title and
// status bar that name the document and the state of the BTS link, the view bar and view
// container, the connection event list, and the relay of notifications between windows. It is
// the document's window side: the document asks its questions and runs its sheets through it.

#include "app/commands/CommandTable.h"
#include "app/document/DocumentWindows.h"
#include "app/document/StatusText.h"
#include "app/link/NotificationRelay.h"
#include "ui/HelpLauncher.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class CBTSConfigurationDoc;
class CListViewBTSConnection;
class CBTSConfigurationBar;
class CContainerView;
class CZoomActions;
class CViewBase;
class CRecentFileList;
class CRegistry;
class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QPoint;
class QSplitter;
class QToolBar;

class CMainFrame : public QMainWindow, public IDocumentWindows {
    Q_OBJECT
public:
    explicit CMainFrame(QWidget* parent = nullptr);
    ~CMainFrame() override;

    // The document whose commands the menus carry; the frame does not own it.
    void AttachDocument(CBTSConfigurationDoc* document);
    // Where the placement and the recent files are kept; none keeps them for this run only.
    void SetSettings(CRegistry* settings);

    // Rebuilds title and status bar; called for every connection report and on demand.
    void RefreshStatus(const StatusInputs& inputs);
    // Enable states, check marks and texts of every command, from the command table.
    void UpdateCommands();

    QAction* ExitAction() const { return m_exit; }
    QAction* ExportViewAction() const { return m_exportView; }
    QAction* ExportDossierAction() const { return m_exportDossier; }
    CZoomActions& Zoom() const { return *m_zoom; }
    QAction* Action(int id) const;
    // The commands the menus, keys and buttons run: the document's table with the window's
    // commands bound into it, or the window's own while it carries no document.
    CCommandTable& Commands();
    const CCommandTable& Commands() const;
    QString StatusPaneText(int pane) const;
    int StatusPaneCount() const;
    QToolBar* OverlapToolbar() const { return m_overlap; }
    // The connection event list; nullptr until the document's first idle pass.
    CListViewBTSConnection* EventList() const { return m_eventList; }
    QWidget* ViewBarPane() const { return m_left; }
    QWidget* ContainerPane() const { return m_right; }
    // The document's view bar and view container; nullptr while it has no view manager.
    CBTSConfigurationBar* ViewBar() const { return m_bar; }
    CContainerView* Container() const { return m_container; }
    CNotificationRelay& Relay() { return m_relay; }
    CHelpLauncher& Help() { return *m_help; }

    // Placement: restored at start-up (false when nothing usable was stored), saved at close.
    bool RestorePlacement();
    // With nothing restored: the first start's size, centred on the screen's available area.
    void ApplyFirstPlacement();
    void SavePlacement();

    // Windows that want notifications; the handler runs while the window exists.
    int RegisterForNotifications(QObject* window, int mask, bool send,
                                 std::function<void(int, int, int)> handler);
    bool UnregisterNotifications(int id);

    // Filled by the property sheet and the wizard when they exist.
    std::function<void()> propertySheet;
    std::function<void()> wizard;
    // The options dialogs: every page, or the File menu's with the local connection only.
    std::function<void(bool fileMenu)> options;
    // The window asked to close: answers whether it may (the document's questions).
    std::function<bool()> canClose;

    // IDocumentWindows
    void Message(const std::string& text) override;
    bool AskYesNo(const std::string& text, bool question) override;
    EAnswer AskYesNoCancel(const std::string& text) override;
    std::optional<std::string> ChooseFile(const SFileDialog& dialog) override;
    std::optional<std::size_t> ChoosePlanSite(const std::vector<std::string>& names) override;
    bool RunNewSiteSheet(CNewSiteSheetModel& sheet) override;
    bool RunSaveSheet(CSaveSCFSheetModel& sheet) override;
    void ShowBtsMessage(const std::string& message, const std::string& details) override;
    void RefreshFrame() override;
    void MenuRebuilt() override;
    void RunViewCommand(int command) override;
    void Notify(int message, int wParam, int lParam) override;
    void CreateEventLog() override;
    void AddEventLine(const std::string& time, const std::string& text) override;
    void AddRecentFile(const std::string& path) override;
    void SetWaitCursor(bool on) override;
    void RunAddCabinetSheet() override;
    void ViewManagerChanged() override;
    void RedrawViews() override;
    void ViewSelectionChanged() override;
    void OpenProperties() override;
    bool RunTransferDialog(int mode) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    // Tab goes round the panes: view bar, tabs, picture or tree, list or differences and
    // events.
    bool focusNextPrevChild(bool next) override;

private:
    void CreateActions();
    void CreateMenus();
    // Lays the menu bar out as the table's submenus have it; the actions stay, only their menus
    // change.
    void BuildMenuBar(const std::vector<SCommandMenu>& menus);
    void CreateToolbars();
    void CreateStatusBar();
    void CreatePanes();
    // The window's own commands and those it carries out for the document (printing, the
    // property sheet, the options dialogs).
    void BindWindowCommands(CCommandTable& table);
    void OnAction(int id);
    void UpdateRecentFiles();
    void OpenRecent(int index);
    void ShowStatusPanes(int count);
    void RebuildViewActions(const CViewBase* manager);
    // The views' right-click menus: the BTS tab's, or the view's own with "&Properties...".
    static constexpr int kBtsTabMenu = 362;
    void ShowContextMenu(int menuId, const QPoint& globalPos);

    CBTSConfigurationDoc* m_doc = nullptr;
    CRegistry* m_settings = nullptr;
    std::unique_ptr<CRecentFileList> m_recent;
    // The commands of a window without a document: its own, and the texts of every command.
    CCommandTable m_ownCommands;
    std::map<int, QAction*> m_actions;
    std::map<int, QMenu*> m_menuOf;
    // The submenus and ids the menu bar was laid out for: the Selmo menu has fewer.
    std::vector<SCommandMenu> m_menuLayout;
    QAction* m_exit = nullptr;
    QAction* m_exportView = nullptr;
    QAction* m_exportDossier = nullptr;
    QAction* m_recentActions[4] = {};
    QToolBar* m_main = nullptr;
    QToolBar* m_overlap = nullptr;
    QSplitter* m_splitter = nullptr;
    QWidget* m_left = nullptr;
    QWidget* m_right = nullptr;
    CListViewBTSConnection* m_eventList = nullptr;
    CBTSConfigurationBar* m_bar = nullptr;
    CContainerView* m_container = nullptr;
    int m_treeNotifications = -1;
    // The View menu's commands of the document's views; they change with the manager.
    std::vector<QAction*> m_viewActions;
    // One view is shown at a time: the View menu marks it as a radio item.
    QActionGroup* m_viewGroup = nullptr;
    CZoomActions* m_zoom = nullptr;
    CNotificationRelay m_relay;
    std::unique_ptr<CHelpLauncher> m_help;
    int m_waitDepth = 0;
    // Link state, the line it uses ("LAN", "COM n", "SIM"), and the access level of a remote
    // link.
    static constexpr int kPanes = 3;
    QLabel* m_panes[kPanes] = {};
    int m_visiblePanes = 2;
};
