#pragma once
// The view container: a title strip with the active view's name and icon, the tab row that
// chooses between the configuration candidate and the one currently in BTS (only while the BTS
// connection is enabled), and the two panes of the active view.

#include "ui/views/BTSConfigurationTreeView.h"

#include <QWidget>

class CViewBase;
class CBTSConfigurationView;
class CListViewOwn;
class QLabel;
class QSplitter;
class QStackedWidget;
class QTabBar;
class QTreeWidget;

class CContainerView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTabRowHeight = 21;
    static constexpr int kPictureWidth = 335;
    static constexpr int kCandidateCommand = 32828;
    static constexpr int kBtsCommand = 32829;

    explicit CContainerView(CViewBase& manager, QWidget* parent = nullptr);

    CBTSConfigurationView* Picture() const { return m_picture; }
    CListViewOwn* List() const { return m_list; }
    CListViewOwn* DifferencesList() const { return m_differences; }
    QTabBar* Tabs() const { return m_tabs; }
    CBTSConfigurationTreeView* PassiveTree() const { return m_tree; }
    QTreeWidget* ConnectionList() const { return m_connections; }
    // The connection event list outlives the view managers, so the main window keeps it and
    // lends it to each container: it goes below the differences list, in place of the
    // container's empty stand-in, and is handed back before the container goes.
    void AdoptEventList(QTreeWidget* list);
    QTreeWidget* ReleaseEventList();
    // The panes now in front: the left one (picture or tree) and the right one (list or the
    // connection pane).
    QWidget* LeftPane() const;
    QWidget* RightPane() const;
    QString Title() const;

public slots:
    // The active view, the tab or the configuration changed.
    void Refresh();
    // The selection changed elsewhere: the picture and the lists follow.
    void FollowSelection();
    // Runs a tab command (32828, 32829).
    void RunTabCommand(int command);

signals:
    void StatusText(const QString& text);
    // A node of the passive units tree was chosen.
    void PassiveSelectionMade(const SPassiveSelection& selection);
    void ContextMenuRequested(int menuId, const QPoint& globalPos);
    // A tab was chosen; with a receiver the tab command goes through it (the document keeps
    // which tab is selected), without one the container runs it itself.
    void TabCommand(int command);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

    void resizeEvent(QResizeEvent* event) override;

private:
    void ArrangePanes();
    // The picture is taller than wide: it gets close to half of the width, and the list keeps
    // room for its columns; the differences list and the event list share the height 4 to 3.
    // Until the user moves a divider.
    void ShareRoom();
    bool m_widthShared = false;
    bool m_heightShared = false;

    CViewBase& m_manager;
    QWidget* m_titleStrip = nullptr;
    QLabel* m_title = nullptr;
    QLabel* m_icon = nullptr;
    QTabBar* m_tabs = nullptr;
    QSplitter* m_splitter = nullptr;
    QStackedWidget* m_left = nullptr;
    QStackedWidget* m_right = nullptr;
    CBTSConfigurationView* m_picture = nullptr;
    CBTSConfigurationTreeView* m_tree = nullptr;
    CListViewOwn* m_list = nullptr;
    QWidget* m_connectionPane = nullptr;
    CListViewOwn* m_differences = nullptr;
    QTreeWidget* m_connections = nullptr;
    // The stand-in shown until the main window lends its event list.
    QTreeWidget* m_standIn = nullptr;
};
