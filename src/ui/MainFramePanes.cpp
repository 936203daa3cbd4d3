// The main frame's panes: the view bar and the view container of the document's view manager,
// the connection event list, and the keyboard's round of the panes.
#include "ui/MainFrame.h"
#include "ui/QtText.h"

#include "app/commands/CommandIds.h"
#include "app/document/BTSConfigurationDoc.h"
#include "app/views/ViewBase.h"
#include "ui/ConnectionListView.h"
#include "ui/views/BTSConfigurationBar.h"
#include "ui/views/BTSConfigurationView.h"
#include "ui/views/ContainerView.h"
#include "ui/views/ListViewOwn.h"
#include "ui/views/PaneFocus.h"
#include "ui/views/ZoomActions.h"

#include <QApplication>
#include <QSplitter>
#include <QStatusBar>
#include <QVBoxLayout>

void CMainFrame::CreatePanes() {
    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setChildrenCollapsible(false);
    // The view bar and the container of the views; the document's view manager fills them.
    m_left = new QWidget(m_splitter);
    m_left->setAccessibleName(tr("View bar"));
    auto* barLayout = new QVBoxLayout(m_left);
    barLayout->setContentsMargins(0, 0, 0, 0);
    m_left->setMinimumWidth(75);
    m_right = new QWidget(m_splitter);
    m_right->setAccessibleName(tr("View container"));
    auto* layout = new QVBoxLayout(m_right);
    layout->setContentsMargins(0, 0, 0, 0);
    m_splitter->addWidget(m_left);
    m_splitter->addWidget(m_right);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setSizes({90, 910});
    setCentralWidget(m_splitter);
}

void CMainFrame::RunViewCommand(int /*command*/) {
    // The document's view manager has carried the command out; the windows show the result.
    RedrawViews();
    UpdateCommands();
}

void CMainFrame::ViewManagerChanged() {
    // The panes' keyboard focus goes to the new view bar.
    QWidget* focused = focusWidget();
    const bool paneFocus = focused == nullptr || m_left->isAncestorOf(focused) ||
                           m_right->isAncestorOf(focused) || focused == m_eventList;
    // The old widgets hold the old manager: they go at once, before it does. The event list
    // stays with the window.
    delete m_bar;
    m_bar = nullptr;
    if (m_container != nullptr && m_eventList != nullptr) {
        m_container->ReleaseEventList();
        m_eventList->setParent(this);
        m_eventList->hide();
    }
    delete m_container;
    m_container = nullptr;
    m_zoom->SetPicture(nullptr);
    CViewBase* manager = m_doc != nullptr ? m_doc->AnyViewManager() : nullptr;
    RebuildViewActions(manager);
    if (manager == nullptr) {
        return;
    }
    m_bar = new CBTSConfigurationBar(*manager, m_left);
    m_bar->setAccessibleName(tr("View bar"));
    m_left->layout()->addWidget(m_bar);
    connect(m_bar, &CBTSConfigurationBar::Command, this,
            [this](int command) { OnAction(command); });
    m_container = new CContainerView(*manager, m_right);
    m_zoom->SetPicture(m_container->Picture());
    static_cast<QVBoxLayout*>(m_right->layout())->insertWidget(0, m_container, 1);
    if (m_eventList != nullptr) {
        m_container->AdoptEventList(m_eventList);
    }
    connect(m_container, &CContainerView::StatusText, this,
            [this](const QString& text) { statusBar()->showMessage(text); });
    connect(m_container, &CContainerView::ContextMenuRequested, this,
            [this](int menu, const QPoint& at) { ShowContextMenu(menu, at); });
    connect(m_container, &CContainerView::TabCommand, this, [this](int command) {
        OnAction(command == CContainerView::kBtsCommand ? cmd::kBtsTab : cmd::kCandidateTab);
    });
    // The window opens (and a new configuration starts) with the keyboard on the view bar,
    // so that the first Tab goes to the tabs and the picture; focusNextPrevChild keeps the
    // order from there.
    if (QWidget* f = focusWidget(); paneFocus || f == nullptr || !f->isVisibleTo(this)) {
        m_bar->setFocus(Qt::OtherFocusReason);
    }
    // The tree follows a passive unit node that the list or the passive units page names.
    CBTSConfigurationTreeView* tree = m_container->PassiveTree();
    UnregisterNotifications(m_treeNotifications);
    m_treeNotifications = RegisterForNotifications(tree, 4, true, [tree](int m, int w, int l) {
        if (m == notify::kGeneral && w == notify::kPassiveRecordChosen) {
            tree->Select(UnpackPassiveSelection(l));
        }
    });
    m_bar->show();
    m_container->show();
}

void CMainFrame::RedrawViews() {
    if (m_bar != nullptr) {
        m_bar->Rebuild();
    }
    if (m_container != nullptr) {
        m_container->Refresh();
    }
}

void CMainFrame::ViewSelectionChanged() {
    if (m_container != nullptr) {
        m_container->FollowSelection();
    }
}

void CMainFrame::CreateEventLog() {
    if (m_eventList != nullptr) {
        return;
    }
    m_eventList = new CListViewBTSConnection(this);
    m_eventList->hide();
    if (m_container != nullptr) {
        m_container->AdoptEventList(m_eventList);
    }
}

void CMainFrame::AddEventLine(const std::string& time, const std::string& text) {
    if (m_eventList != nullptr) {
        m_eventList->AddLine(Q(time), Q(text));
    }
}

bool CMainFrame::focusNextPrevChild(bool next) {
    if (m_bar == nullptr || m_container == nullptr) {
        return QMainWindow::focusNextPrevChild(next);
    }
    const std::vector<QWidget*> order = {m_bar,
                                         m_container->Tabs(),
                                         m_container->Picture(),
                                         m_container->PassiveTree(),
                                         m_container->List(),
                                         m_container->DifferencesList(),
                                         m_container->ConnectionList()};
    QWidget* target = pane_focus::Next(order, QApplication::focusWidget(), next);
    if (target == nullptr) {
        return QMainWindow::focusNextPrevChild(next);
    }
    target->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}
