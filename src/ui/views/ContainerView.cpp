#include "ui/views/ContainerView.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/views/ViewBase.h"
#include "app/views/ViewHost.h"
#include "model/Site.h"
#include "paint/ViewIcons.h"
#include "ui/views/BTSConfigurationTreeView.h"
#include "ui/views/BTSConfigurationView.h"
#include "ui/views/ConfigurationTabs.h"
#include "ui/views/ListViewOwn.h"

#include <algorithm>

namespace {

const char* const kTabNames[2] = {"Configuration Candidate", "Currently in BTS"};

} // namespace

CContainerView::CContainerView(CViewBase& manager, QWidget* parent)
    : QWidget(parent), m_manager(manager) {
    setObjectName(QStringLiteral("viewContainer"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_titleStrip = new QWidget(this);
    m_titleStrip->setAutoFillBackground(true);
    m_titleStrip->setBackgroundRole(QPalette::Dark);
    auto* strip = new QHBoxLayout(m_titleStrip);
    strip->setContentsMargins(8, 2, 6, 2);
    m_title = new QLabel(m_titleStrip);
    m_title->setObjectName(QStringLiteral("viewTitle"));
    QFont titleFont = m_title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.2);
    m_title->setFont(titleFont);
    m_title->setForegroundRole(QPalette::BrightText);
    m_icon = new QLabel(m_titleStrip);
    strip->addWidget(m_title, 1);
    strip->addWidget(m_icon);
    layout->addWidget(m_titleStrip);

    auto* tabs = new CConfigurationTabs(this);
    m_tabs = tabs;
    m_tabs->setObjectName(QStringLiteral("configurationTabs"));
    m_tabs->setAccessibleName(QStringLiteral("Configuration shown"));
    m_tabs->addTab(QString::fromLatin1(kTabNames[0]));
    m_tabs->addTab(QString::fromLatin1(kTabNames[1]));
    m_tabs->setFixedHeight(kTabRowHeight);
    m_tabs->setExpanding(false);
    m_tabs->setMouseTracking(true);
    m_tabs->installEventFilter(this);
    const auto choose = [this](int index) {
        const int command = index == 1 ? kBtsCommand : kCandidateCommand;
        if (isSignalConnected(QMetaMethod::fromSignal(&CContainerView::TabCommand))) {
            emit TabCommand(command);
        } else {
            RunTabCommand(command);
        }
    };
    connect(m_tabs, &QTabBar::currentChanged, this, choose);
    connect(tabs, &CConfigurationTabs::Chosen, this, choose);
    layout->addWidget(m_tabs);

    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_left = new QStackedWidget(m_splitter);
    m_right = new QStackedWidget(m_splitter);
    m_picture = new CBTSConfigurationView(manager, m_left);
    m_tree = new CBTSConfigurationTreeView(m_left);
    connect(m_tree, &CBTSConfigurationTreeView::SelectionMade, this,
            &CContainerView::PassiveSelectionMade);
    // The node chosen in the tree, group or entry, is the one the passive units page shows.
    connect(m_tree, &CBTSConfigurationTreeView::SelectionMade, this,
            [this](const SPassiveSelection& selection) {
                m_manager.Host().ShowPassiveNode(selection.top, selection.group, selection.slot);
            });
    // The same menus as the other panes: the BTS side's on its tab, else the active view's.
    connect(m_tree, &CBTSConfigurationTreeView::ContextMenuRequested, this,
            [this](const QPoint& pos) {
                if (const int menu = m_manager.ContextMenu(); menu != 0) {
                    emit ContextMenuRequested(menu, pos);
                }
            });
    m_left->addWidget(m_picture);
    m_left->addWidget(m_tree);
    m_list = new CListViewOwn(manager, m_right);
    m_right->addWidget(m_list);

    // The Differences view shows its list above the BTS connection events.
    auto* connectionPane = new QSplitter(Qt::Vertical, m_right);
    connectionPane->setObjectName(QStringLiteral("connectionPane"));
    connectionPane->setChildrenCollapsible(false);
    m_connectionPane = connectionPane;
    m_differences = new CListViewOwn(manager, connectionPane);
    m_differences->setObjectName(QStringLiteral("differencesList"));
    m_standIn = new QTreeWidget(connectionPane);
    m_standIn->setObjectName(QStringLiteral("connectionList"));
    m_standIn->setAccessibleName(QStringLiteral("BTS connection events"));
    m_standIn->setRootIsDecorated(false);
    m_standIn->setHeaderLabels({QStringLiteral("Event Time"), QStringLiteral("Event Description")});
    m_standIn->header()->setSectionsClickable(false);
    m_connections = m_standIn;
    // 200 to 150 pixels, kept in proportion as the window grows.
    connectionPane->setStretchFactor(0, 4);
    connectionPane->setStretchFactor(1, 3);
    connectionPane->setSizes({200, 150});
    m_right->addWidget(m_connectionPane);

    m_splitter->setChildrenCollapsible(false);
    m_splitter->setSizes({kPictureWidth, 400});
    // Once the user has moved the divider, the window keeps it where it was put.
    connect(m_splitter, &QSplitter::splitterMoved, this, [this] { m_widthShared = true; });
    connect(connectionPane, &QSplitter::splitterMoved, this, [this] { m_heightShared = true; });
    layout->addWidget(m_splitter, 1);

    for (CListViewOwn* list : {m_list, m_differences}) {
        connect(list, &CListViewOwn::SelectionMade, m_picture, &CBTSConfigurationView::Refresh);
        connect(list, &CListViewOwn::ContextMenuRequested, this,
                &CContainerView::ContextMenuRequested);
    }
    connect(m_picture, &CBTSConfigurationView::StatusText, this, &CContainerView::StatusText);
    connect(m_picture, &CBTSConfigurationView::ContextMenuRequested, this,
            &CContainerView::ContextMenuRequested);
    // Of the picture and the tree only the one in front takes the focus.
    setTabOrder(m_picture, m_tree);
    setTabOrder(m_tree, m_list);
    Refresh();
}

void CContainerView::AdoptEventList(QTreeWidget* list) {
    if (list == nullptr || list == m_connections) {
        return;
    }
    auto* pane = static_cast<QSplitter*>(m_connectionPane);
    const QList<int> sizes = pane->sizes();
    pane->replaceWidget(1, list);
    list->show();
    if (m_connections == m_standIn) {
        m_standIn->deleteLater();
        m_standIn = nullptr;
    }
    m_connections = list;
    pane->setSizes(sizes);
}

QTreeWidget* CContainerView::ReleaseEventList() {
    if (m_connections == m_standIn) {
        return nullptr;
    }
    QTreeWidget* list = m_connections;
    list->hide();
    list->setParent(nullptr);
    m_connections = nullptr;
    return list;
}

void CContainerView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ShareRoom();
}

void CContainerView::ShareRoom() {
    // The differences list over the event list, 4 to 3 (200 to 150 pixels at the smallest).
    auto* pane = static_cast<QSplitter*>(m_connectionPane);
    const int height = m_right->height() - pane->handleWidth();
    if (!m_heightShared && height > 0) {
        const int events = std::max(150, height * 3 / 7);
        pane->setSizes({std::max(0, height - events), events});
    }
    if (m_widthShared) {
        return;
    }
    const int width = this->width() - m_splitter->handleWidth();
    if (width <= 0) {
        return;
    }
    const int picture = std::max(kPictureWidth, width * 9 / 20);
    m_splitter->setSizes({picture, std::max(0, width - picture)});
}

QWidget* CContainerView::LeftPane() const {
    return m_left->currentWidget();
}

QWidget* CContainerView::RightPane() const {
    return m_right->currentWidget();
}

QString CContainerView::Title() const {
    return m_title->text();
}

void CContainerView::ArrangePanes() {
    const CViewPageBase* view = m_manager.ActiveView();
    const EPaneArrangement panes =
        view != nullptr ? view->Panes() : EPaneArrangement::PictureAndList;
    m_left->setCurrentWidget(panes == EPaneArrangement::TreeAndList
                                 ? static_cast<QWidget*>(m_tree)
                                 : static_cast<QWidget*>(m_picture));
    m_right->setCurrentWidget(panes == EPaneArrangement::PictureAndConnectionList
                                  ? m_connectionPane
                                  : static_cast<QWidget*>(m_list));
    ShareRoom();
}

void CContainerView::Refresh() {
    const CViewPageBase* view = m_manager.ActiveView();
    m_title->setText(view != nullptr ? QString::fromStdString(view->Name())
                                     : QStringLiteral("No view"));
    const int iconSize = 20;
    m_icon->setPixmap(view != nullptr ? paint::ViewIcon(view->Type()).pixmap(iconSize, iconSize)
                                      : QPixmap());
    m_tabs->setVisible(m_manager.BtsConnectionEnabled());
    {
        const QSignalBlocker block(m_tabs);
        m_tabs->setCurrentIndex(m_manager.BtsTab() ? 1 : 0);
    }
    ArrangePanes();
    if (m_left->currentWidget() == m_tree) {
        m_tree->Fill(m_manager.Host().PassiveUnits(m_manager.ShownSelector()));
    }
    m_picture->Refresh();
    m_list->Fill();
    m_differences->Fill();
}

void CContainerView::FollowSelection() {
    m_picture->Refresh();
    m_list->FollowSelection();
    m_differences->FollowSelection();
}

void CContainerView::RunTabCommand(int command) {
    if (command != kCandidateCommand && command != kBtsCommand) {
        return;
    }
    m_manager.ShowConfiguration(command == kBtsCommand ? kSelectBts : kSelectCandidate);
    Refresh();
}

bool CContainerView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_tabs && event->type() == QEvent::MouseMove) {
        const int tab = m_tabs->tabAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        if (tab >= 0) {
            emit StatusText(QStringLiteral("Shows ") + m_tabs->tabText(tab) +
                            QStringLiteral(" information in views"));
        }
    }
    return QWidget::eventFilter(watched, event);
}
