#include "ui/MainFrame.h"
#include "app/views/ViewBase.h"
#include "ui/DossierExport.h"
#include "ui/views/BTSConfigurationBar.h"
#include "ui/views/BTSConfigurationView.h"
#include "ui/views/ContainerView.h"
#include "ui/views/ListViewOwn.h"
#include "ui/views/PaneFocus.h"
#include "ui/views/ViewPrinting.h"
#include "ui/views/ZoomActions.h"

#include "app/commands/CommandIds.h"
#include "app/commands/DocumentMenu.h"
#include "app/document/BTSConfigurationDoc.h"
#include "app/settings/RecentFileList.h"
#include "app/settings/WindowPlacement.h"
#include "ui/BTSUpdateFetchWindow.h"
#include "ui/BtsMessageDlg.h"
#include "ui/ConnectionListView.h"
#include "ui/QtUserMessages.h"
#include "ui/SiteSheets.h"
#include "ui/SmallDialogs.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QInputDialog>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// "Description (*.ext)|*.ext|...|" as Qt name filters.
QString NameFilters(const std::string& filter) {
    const QStringList parts = Q(filter).split(QLatin1Char('|'), Qt::SkipEmptyParts);
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        out << parts[i];
    }
    return out.join(QStringLiteral(";;"));
}

// A registered window that gets notifications as long as it exists.
class CWindowTarget : public INotificationTarget {
public:
    CWindowTarget(QObject* window, std::function<void(int, int, int)> handler)
        : m_window(window), m_handler(std::move(handler)) {}
    bool Exists() const override { return !m_window.isNull(); }
    void Send(int m, int w, int l) override { m_handler(m, w, l); }
    void Post(int m, int w, int l) override {
        QPointer<QObject> window = m_window;
        auto handler = m_handler;
        QMetaObject::invokeMethod(
            m_window.data(),
            [window, handler, m, w, l] {
                if (window) {
                    handler(m, w, l);
                }
            },
            Qt::QueuedConnection);
    }

private:
    QPointer<QObject> m_window;
    std::function<void(int, int, int)> m_handler;
};

// Toolbar icons from the style: drawn for the screen's scale, so they stay crisp.
QIcon IconFor(const QStyle* style, int id) {
    switch (id) {
    case cmd::kNew:
        return style->standardIcon(QStyle::SP_FileIcon);
    case cmd::kOpen:
        return style->standardIcon(QStyle::SP_DialogOpenButton);
    case cmd::kSave:
        return style->standardIcon(QStyle::SP_DialogSaveButton);
    case cmd::kUndo:
        return style->standardIcon(QStyle::SP_ArrowBack);
    case cmd::kConnectLocal:
        return style->standardIcon(QStyle::SP_DriveNetIcon);
    case cmd::kDisconnect:
        return style->standardIcon(QStyle::SP_BrowserStop);
    case cmd::kCandidateTab:
        return style->standardIcon(QStyle::SP_FileDialogDetailedView);
    case cmd::kBtsTab:
        return style->standardIcon(QStyle::SP_ComputerIcon);
    case cmd::kHelpTopics:
        return style->standardIcon(QStyle::SP_DialogHelpButton);
    default:
        return {};
    }
}

} // namespace

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent) {
    setWindowIcon(QIcon::fromTheme(QStringLiteral("cabrion"),
                                   style()->standardIcon(QStyle::SP_ComputerIcon)));
    m_help = std::make_unique<CHelpLauncher>(
        this, [this] { return m_doc != nullptr ? m_doc->ActiveViewType() : 0; });
    m_zoom = new CZoomActions(this);
    CreateActions();
    CreateMenus();
    CreateToolbars();
    CreateStatusBar();
    CreatePanes();
    RefreshStatus(StatusInputs{});
    UpdateCommands();
    resize(1000, 700);
}

CMainFrame::~CMainFrame() = default;

// ---- commands --------------------------------------------------------------------------------

void CMainFrame::CreateActions() {
    SMenuModel menu = BaseMainMenu();
    for (const SSubMenu& sub : menu) {
        for (const SMenuItem& item : sub.items) {
            if (item.IsSeparator() || item.id == cmd::kRecentFile1) {
                continue;
            }
            std::string text;
            std::string shortcut;
            SplitMenuText(item.text, text, shortcut);
            auto* a = new QAction(Q(text), this);
            if (!shortcut.empty()) {
                a->setShortcut(QKeySequence(Q(shortcut)));
            }
            a->setIcon(IconFor(style(), item.id));
            const int id = item.id;
            a->setData(id);
            connect(a, &QAction::triggered, this, [this, id] { OnAction(id); });
            m_actions[id] = a;
        }
    }
    // F1 is context help (the help launcher's); Help Topics opens the contents, and its menu
    // entry only shows the key.
    m_actions[cmd::kHelpTopics]->setShortcut({});
    m_actions[cmd::kHelpTopics]->setText(tr("&Help Topics") + QStringLiteral("\tF1"));
    for (int id : {cmd::kToolbar, cmd::kStatusBar, cmd::kOverlapToolbar}) {
        m_actions[id]->setCheckable(true);
        m_actions[id]->setChecked(true);
    }
    // The two tabs exclude each other as well; with no tab row neither is checked.
    auto* tabs = new QActionGroup(this);
    for (int id : {cmd::kCandidateTab, cmd::kBtsTab}) {
        m_actions[id]->setCheckable(true);
        tabs->addAction(m_actions[id]);
    }
    m_viewGroup = new QActionGroup(this);

    m_actions[cmd::kNew]->setStatusTip(tr("Create a new configuration"));
    m_actions[cmd::kOpen]->setStatusTip(tr("Open a configuration file"));
    m_actions[cmd::kSave]->setStatusTip(tr("Save the configuration"));
    // Redo answers to both keys that desktops use for it.
    m_actions[cmd::kRedo]->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    m_exit = m_actions[cmd::kExit];
    m_exit->setShortcut(QKeySequence::Quit);
    for (int i = 0; i < cmd::kRecentFileCount; ++i) {
        m_recentActions[i] = new QAction(this);
        m_recentActions[i]->setVisible(false);
        connect(m_recentActions[i], &QAction::triggered, this, [this, i] { OpenRecent(i); });
    }
}

QAction* CMainFrame::Action(int id) const {
    auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

void CMainFrame::CreateMenus() {
    SMenuModel menu = BaseMainMenu();
    RebuildMainMenu(menu, CBTSConfigurationDoc::ProductVersion());
    m_exportView = new QAction(tr("&Export View..."), this);
    m_exportView->setObjectName(QStringLiteral("ExportView"));
    m_exportView->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
    m_exportView->setStatusTip(tr("Save the picture of the active view as PNG, SVG or PDF"));
    connect(m_exportView, &QAction::triggered, this, [this] {
        if (m_doc != nullptr && m_doc->AnyViewManager() != nullptr) {
            ViewPrinting::ExportView(this, *m_doc);
        }
    });
    m_exportDossier = new QAction(tr("Export Commissioning &Dossier..."), this);
    m_exportDossier->setObjectName(QStringLiteral("ExportDossier"));
    m_exportDossier->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D));
    m_exportDossier->setStatusTip(
        tr("Write the report, every view, the passive units and the differences as one PDF"));
    connect(m_exportDossier, &QAction::triggered, this, [this] {
        if (m_doc != nullptr) {
            DossierExport::Export(this, *m_doc);
        }
    });
    BuildMenuBar(menu);
}

void CMainFrame::BuildMenuBar(const SMenuModel& model) {
    // The view actions live in the View menu that is about to go; they come back with the
    // manager's views.
    for (QAction* a : m_viewActions) {
        m_actions.erase(a->data().toInt());
        delete a;
    }
    m_viewActions.clear();
    for (QAction* a : menuBar()->actions()) {
        if (QMenu* m = a->menu()) {
            m->clear();
            m->deleteLater();
        }
    }
    menuBar()->clear();
    m_menuOf.clear();
    m_menuLayout.clear();
    for (const SSubMenu& sub : model) {
        QMenu* m = menuBar()->addMenu(Q(sub.title));
        std::vector<int> ids;
        for (const SMenuItem& item : sub.items) {
            ids.push_back(item.id);
            if (item.IsSeparator()) {
                m->addSeparator();
            } else if (item.id == cmd::kRecentFile1) {
                for (QAction* a : m_recentActions) {
                    m->addAction(a);
                }
            } else if (auto it = m_actions.find(item.id); it != m_actions.end()) {
                m->addAction(it->second);
                m_menuOf[item.id] = m;
            }
        }
        m_menuLayout.emplace_back(sub.title, std::move(ids));
        // Enable states follow the document and the link; they are brought up to date
        // whenever a menu opens.
        connect(m, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommands);
    }
    // Export View... sits with printing: it writes the same picture into a file.
    if (auto it = m_menuOf.find(cmd::kPrintPreview); it != m_menuOf.end()) {
        QMenu* file = it->second;
        const QList<QAction*> actions = file->actions();
        const qsizetype at = actions.indexOf(m_actions[cmd::kPrintPreview]);
        file->insertAction(at + 1 < actions.size() ? actions[at + 1] : nullptr, m_exportView);
        file->insertAction(at + 1 < actions.size() ? actions[at + 1] : nullptr, m_exportDossier);
    }
}

void CMainFrame::CreateToolbars() {
    m_main = addToolBar(tr("Toolbar"));
    m_main->setObjectName(QStringLiteral("MainToolbar"));
    for (int id : {cmd::kNew, cmd::kOpen, cmd::kSave, 0, cmd::kUndo, 0, cmd::kConnectLocal,
                   cmd::kDisconnect, 0, cmd::kHelpTopics}) {
        if (id == 0) {
            m_main->addSeparator();
        } else {
            m_main->addAction(m_actions[id]);
        }
    }
    m_overlap = addToolBar(tr("Overlap Toolbar"));
    m_overlap->setObjectName(QStringLiteral("OverlapToolbar"));
    m_overlap->addAction(m_actions[cmd::kCandidateTab]);
    m_overlap->addAction(m_actions[cmd::kBtsTab]);
    connect(m_overlap, &QToolBar::visibilityChanged, m_actions[cmd::kOverlapToolbar],
            &QAction::setChecked);
    connect(m_main, &QToolBar::visibilityChanged, m_actions[cmd::kToolbar], &QAction::setChecked);
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    for (int i = 0; i < kPanes; ++i) {
        m_panes[i] = new QLabel(bar);
        if (i == 0) {
            bar->addWidget(m_panes[i], 1);
        } else {
            // Wide enough for "COM 99" and "Full Control" in the window's font.
            m_panes[i]->setMinimumWidth(
                fontMetrics().horizontalAdvance(QStringLiteral("Full Control  ")));
            bar->addPermanentWidget(m_panes[i]);
        }
    }
    // A screen reader reads a label's text only when it has no name of its own: what each
    // pane is goes in its description.
    m_panes[0]->setAccessibleDescription(tr("Connection state"));
    m_panes[1]->setAccessibleDescription(tr("Connection line"));
    m_panes[2]->setAccessibleDescription(tr("Access level"));
    auto* remote = new QLabel(tr("Remote"), bar);
    remote->setObjectName(QStringLiteral("RemotePane"));
    remote->setAccessibleDescription(tr("Remote connection"));
    bar->addPermanentWidget(remote);
    remote->hide();
    m_visiblePanes = kPanes;
}

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

void CMainFrame::AttachDocument(CBTSConfigurationDoc* document) {
    m_doc = document;
    // The view manager hears every notification first, at any depth of the relay.
    m_relay.SetViewManager([this](int message, int wParam, int lParam) {
        if (m_doc != nullptr) {
            m_doc->ViewNotification(message, wParam, lParam);
        }
    });
    ViewManagerChanged();
    MenuRebuilt();
    RefreshFrame();
}

void CMainFrame::SetSettings(CRegistry* settings) {
    m_settings = settings;
    m_recent = settings ? std::make_unique<CRecentFileList>(*settings) : nullptr;
    UpdateRecentFiles();
}

void CMainFrame::OnAction(int id) {
    switch (id) {
    case cmd::kExit:
        close();
        return;
    case cmd::kToolbar:
        m_main->setVisible(!m_main->isVisible());
        return;
    case cmd::kOverlapToolbar:
        m_overlap->setVisible(!m_overlap->isVisible());
        return;
    case cmd::kStatusBar:
        statusBar()->setVisible(!statusBar()->isVisible());
        m_actions[cmd::kStatusBar]->setChecked(statusBar()->isVisible());
        return;
    case cmd::kHelpTopics:
        m_help->ShowContents();
        return;
    case cmd::kAbout:
        QMessageBox::about(this, tr("About Cabrion"),
                           tr("Cabrion\nBTS hardware configuration for Orvik cabinets.\nVersion "
                              "%1")
                               .arg(QApplication::applicationVersion()));
        return;
    case cmd::kProperties:
        if (propertySheet) {
            propertySheet();
        }
        return;
    case cmd::kWizard:
        if (wizard) {
            wizard();
        }
        return;
    case cmd::kOptions:
    case cmd::kPropertySheetOptions:
        if (options) {
            options(id == cmd::kPropertySheetOptions);
            UpdateCommands();
        }
        return;
    case cmd::kPrint:
    case cmd::kPrintPreview:
        if (m_doc != nullptr && m_doc->AnyViewManager() != nullptr) {
            if (id == cmd::kPrint) {
                ViewPrinting::Print(this, *m_doc);
            } else {
                ViewPrinting::PrintPreview(this, *m_doc);
            }
        }
        return;
    default:
        break;
    }
    if (m_doc != nullptr) {
        m_doc->OnCommand(id);
        UpdateCommands();
    }
}

void CMainFrame::UpdateCommands() {
    if (m_exportView != nullptr) {
        // Export draws what printing draws.
        m_exportView->setEnabled(m_doc != nullptr && m_doc->IsCommandEnabled(cmd::kPrint));
    }
    if (m_exportDossier != nullptr) {
        m_exportDossier->setEnabled(m_doc != nullptr && m_doc->SiteKODA() != nullptr);
    }
    m_zoom->UpdateEnabled();
    // Whatever the last command, edit or undo did, the title's mark follows the document.
    setWindowModified(m_doc != nullptr && m_doc->Modified());
    for (auto& [id, action] : m_actions) {
        switch (id) {
        case cmd::kExit:
        case cmd::kToolbar:
        case cmd::kStatusBar:
        case cmd::kOverlapToolbar:
        case cmd::kAbout:
            action->setEnabled(true);
            continue;
        case cmd::kHelpTopics:
            action->setEnabled(!m_help->Folder().isEmpty());
            continue;
        case cmd::kOptions:
        case cmd::kPropertySheetOptions:
            action->setEnabled(static_cast<bool>(options));
            continue;
        case cmd::kWizard:
            action->setEnabled(static_cast<bool>(wizard));
            continue;
        case cmd::kProperties:
            action->setEnabled(propertySheet && m_doc && m_doc->IsCommandEnabled(id));
            continue;
        default:
            break;
        }
        if (m_doc == nullptr) {
            action->setEnabled(false);
            continue;
        }
        action->setEnabled(m_doc->IsCommandEnabled(id));
        if (action->isCheckable()) {
            action->setChecked(m_doc->IsCommandChecked(id));
        }
        if (id == cmd::kUndo || id == cmd::kRedo || id == cmd::kCopyBtsConfiguration) {
            std::string text;
            std::string shortcut;
            SplitMenuText(m_doc->CommandText(id), text, shortcut);
            action->setText(Q(text));
        }
    }
}

void CMainFrame::MenuRebuilt() {
    if (m_doc == nullptr) {
        return;
    }
    const SMenuModel& menu = m_doc->Menu();
    std::vector<std::pair<std::string, std::vector<int>>> layout;
    for (const SSubMenu& sub : menu) {
        std::vector<int> ids;
        for (const SMenuItem& item : sub.items) {
            ids.push_back(item.id);
        }
        layout.emplace_back(sub.title, std::move(ids));
    }
    // Another family's menu has other submenus: the bar is laid out again for it.
    const bool relaid = layout != m_menuLayout;
    if (relaid) {
        BuildMenuBar(menu);
        RebuildViewActions(m_doc->AnyViewManager());
    }
    // The menus keep their actions; what the rebuilt menu no longer holds leaves its menu.
    for (auto& [id, action] : m_actions) {
        if (std::find(m_viewActions.begin(), m_viewActions.end(), action) != m_viewActions.end()) {
            continue;
        }
        const SMenuItem* item = FindMenuItem(menu, id);
        auto where = m_menuOf.find(id);
        if (relaid) {
            // Toolbar buttons and keys of commands the menu lacks go with them.
            action->setVisible(item != nullptr);
        }
        if (item == nullptr) {
            if (where != m_menuOf.end()) {
                where->second->removeAction(action);
                m_menuOf.erase(where);
            }
            action->setVisible(false);
            continue;
        }
        std::string text;
        std::string shortcut;
        SplitMenuText(item->text, text, shortcut);
        // A key the action does not own (F1 is context help) is still shown in the menu.
        const bool shownOnly = action->shortcut().isEmpty() && !shortcut.empty();
        action->setText(Q(text) + (shownOnly ? QLatin1Char('\t') + Q(shortcut) : QString()));
    }
    UpdateCommands();
}

// ---- title and status bar --------------------------------------------------------------------

void CMainFrame::RefreshStatus(const StatusInputs& inputs) {
    const StatusTexts texts = BuildStatusTexts(inputs);
    // The changed mark goes right after the name; a "[*]" of the name itself stays text.
    QString title = Q(texts.title);
    const QString name = Q(inputs.documentName.empty() ? "Untitled" : inputs.documentName);
    if (title.startsWith(name)) {
        QString shown = name;
        shown.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
        title = shown + QStringLiteral("[*]") + title.mid(name.size());
    }
    setWindowTitle(title);
    setWindowModified(m_doc != nullptr && m_doc->Modified());
    m_panes[0]->setText(Q(texts.pane1));
    m_panes[1]->setText(Q(texts.pane2));
    m_panes[2]->setText(Q(texts.pane3));
    ShowStatusPanes(inputs.connection == kConnectionRemote ? 4 : 3);
}

void CMainFrame::ShowStatusPanes(int count) {
    if (auto* remote = statusBar()->findChild<QLabel*>(QStringLiteral("RemotePane"))) {
        remote->setVisible(count == 4);
    }
    m_visiblePanes = count;
}

int CMainFrame::StatusPaneCount() const {
    return m_visiblePanes;
}

QString CMainFrame::StatusPaneText(int pane) const {
    return pane >= 0 && pane < kPanes ? m_panes[pane]->text() : QString();
}

void CMainFrame::RefreshFrame() {
    if (m_doc != nullptr) {
        RefreshStatus(m_doc->StatusFor(-1));
    }
    UpdateCommands();
}

// ---- notifications ---------------------------------------------------------------------------

int CMainFrame::RegisterForNotifications(QObject* window, int mask, bool send,
                                         std::function<void(int, int, int)> handler) {
    return m_relay.Register(std::make_unique<CWindowTarget>(window, std::move(handler)), mask,
                            send);
}

bool CMainFrame::UnregisterNotifications(int id) {
    return m_relay.Unregister(id);
}

void CMainFrame::Notify(int message, int wParam, int lParam) {
    m_relay.Relay(message, wParam, lParam);
    if (message == notify::kGeneral && wParam == notify::kUndoPerformed) {
        UpdateCommands();
    }
}

// ---- placement -------------------------------------------------------------------------------

bool CMainFrame::RestorePlacement() {
    if (m_settings == nullptr) {
        return false;
    }
    const QScreen* screen = this->screen() ? this->screen() : QApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 1280, 1024);
    const int icon = style()->pixelMetric(QStyle::PM_LargeIconSize);
    const auto p = ::RestorePlacement(*m_settings, area.width(), area.height(), icon, icon);
    if (!p) {
        return false;
    }
    setGeometry(QRect(QPoint(p->left, p->top), QPoint(p->right - 1, p->bottom - 1)));
    if (p->showCommand == 3) {
        setWindowState(windowState() | Qt::WindowMaximized);
    }
    return true;
}

void CMainFrame::ApplyFirstPlacement() {
    const QScreen* screen = this->screen() ? this->screen() : QApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 1024);
    const SWindowPlacement p = FirstPlacement(area.left(), area.top(), area.width(), area.height());
    resize(p.right - p.left, p.bottom - p.top);
    move(p.left, p.top);
}

void CMainFrame::SavePlacement() {
    if (m_settings == nullptr) {
        return;
    }
    const QRect normal = normalGeometry().isValid() ? normalGeometry() : geometry();
    SWindowPlacement p;
    p.flags = 0;
    p.showCommand = isMaximized() ? 3 : isMinimized() ? 2 : 1;
    p.left = normal.left();
    p.top = normal.top();
    p.right = normal.right() + 1;
    p.bottom = normal.bottom() + 1;
    ::SavePlacement(*m_settings, p);
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

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (canClose && !canClose()) {
        event->ignore();
        return;
    }
    SavePlacement();
    m_relay.Clear();
    QMainWindow::closeEvent(event);
}

// ---- the document's questions and sheets -----------------------------------------------------

void CMainFrame::Message(const std::string& text) {
    QMessageBox::warning(this, QApplication::applicationName(), Q(text));
}

bool CMainFrame::AskYesNo(const std::string& text, bool question) {
    return AskQuestion(this, QApplication::applicationName(), Q(text),
                       question ? QMessageBox::Question : QMessageBox::Warning) == QMessageBox::Yes;
}

EAnswer CMainFrame::AskYesNoCancel(const std::string& text) {
    switch (
        AskQuestion(this, QApplication::applicationName(), Q(text), QMessageBox::Warning, true)) {
    case QMessageBox::Yes:
        return EAnswer::Yes;
    case QMessageBox::No:
        return EAnswer::No;
    default:
        return EAnswer::Cancel;
    }
}

std::optional<std::string> CMainFrame::ChooseFile(const SFileDialog& d) {
    const QString start =
        d.fileName.empty() ? Q(d.directory) : Q(d.directory) + QLatin1Char('/') + Q(d.fileName);
    const QString path =
        d.mustExist
            ? QFileDialog::getOpenFileName(this, Q(d.title), start, NameFilters(d.filter))
            : QFileDialog::getSaveFileName(
                  this, Q(d.title), start, NameFilters(d.filter), nullptr,
                  d.confirmOverwrite ? QFileDialog::Options()
                                     : QFileDialog::Options(QFileDialog::DontConfirmOverwrite));
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return path.toStdString();
}

std::optional<std::size_t> CMainFrame::ChoosePlanSite(const std::vector<std::string>& names) {
    QStringList items;
    for (const std::string& n : names) {
        items << Q(n);
    }
    bool ok = false;
    const QString chosen =
        QInputDialog::getItem(this, tr("Select Site"), tr("&Site:"), items, 0, false, &ok);
    if (!ok) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(items.indexOf(chosen));
}

bool CMainFrame::RunNewSiteSheet(CNewSiteSheetModel& sheet) {
    CNewSiteSheet dialog(sheet, this);
    return dialog.exec() == QDialog::Accepted;
}

bool CMainFrame::RunSaveSheet(CSaveSCFSheetModel& sheet) {
    CSaveSCFSheet dialog(sheet, this);
    return dialog.exec() == QDialog::Accepted;
}

void CMainFrame::ShowBtsMessage(const std::string& message, const std::string& details) {
    CBtsMessageDlg dialog(Q(message), Q(details), !details.empty(), this);
    dialog.exec();
}

void CMainFrame::RunAddCabinetSheet() {
    CAddCabinetSheet sheet(this);
    sheet.exec();
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

void CMainFrame::RebuildViewActions(const CViewBase* manager) {
    for (QAction* a : m_viewActions) {
        m_actions.erase(a->data().toInt());
        delete a;
    }
    m_viewActions.clear();
    QMenu* view = m_menuOf[cmd::kToolbar];
    if (manager == nullptr || view == nullptr) {
        return;
    }
    // The views of the family head the View menu, Ctrl+1 ... Ctrl+0 in bar order.
    QAction* before = view->actions().isEmpty() ? nullptr : view->actions().first();
    int index = 0;
    for (const auto& page : manager->Views()) {
        const int id = page->Command();
        auto* a = new QAction(Q(page->Name()), this);
        a->setData(id);
        a->setCheckable(true);
        m_viewGroup->addAction(a);
        if (index < 10) {
            a->setShortcut(QKeySequence(Qt::CTRL | (Qt::Key_1 + (index == 9 ? -1 : index))));
        }
        ++index;
        connect(a, &QAction::triggered, this, [this, id] { OnAction(id); });
        view->insertAction(before, a);
        m_actions[id] = a;
        m_viewActions.push_back(a);
    }
    QAction* separator = view->insertSeparator(before);
    separator->setData(0);
    m_viewActions.push_back(separator);
    m_zoom->InsertInto(view, before);
    UpdateCommands();
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

void CMainFrame::ShowContextMenu(int menuId, const QPoint& globalPos) {
    // The menus carry the commands' own actions, so they are enabled and named as in the
    // main menu.
    QMenu menu(this);
    const std::vector<int> ids = menuId == kBtsTabMenu
                                     ? std::vector<int>{cmd::kCopyBtsConfiguration, cmd::kOptions}
                                     : std::vector<int>{cmd::kProperties};
    UpdateCommands();
    for (int id : ids) {
        if (QAction* a = Action(id)) {
            menu.addAction(a);
        }
    }
    if (!menu.isEmpty()) {
        menu.exec(globalPos);
    }
}

void CMainFrame::OpenProperties() {
    if (propertySheet) {
        propertySheet();
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

void CMainFrame::SetWaitCursor(bool on) {
    if (on) {
        if (m_waitDepth++ == 0) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
        }
    } else if (m_waitDepth > 0 && --m_waitDepth == 0) {
        QApplication::restoreOverrideCursor();
    }
}

// ---- recent files ----------------------------------------------------------------------------

void CMainFrame::AddRecentFile(const std::string& path) {
    if (m_recent) {
        m_recent->Add(path);
        UpdateRecentFiles();
    }
}

void CMainFrame::UpdateRecentFiles() {
    const std::vector<std::string> files =
        m_recent ? m_recent->Files() : std::vector<std::string>{};
    const std::vector<std::string> names =
        m_recent ? m_recent->ShownNames() : std::vector<std::string>{};
    for (int i = 0; i < cmd::kRecentFileCount; ++i) {
        QAction* a = m_recentActions[i];
        if (i < static_cast<int>(files.size())) {
            const QString path = Q(files[i]);
            // An '&' in a file name is part of the name, not a mnemonic.
            QString name = Q(names[i]);
            name.replace(QLatin1Char('&'), QStringLiteral("&&"));
            a->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
            a->setToolTip(path);
            a->setStatusTip(path);
            a->setVisible(true);
        } else {
            a->setVisible(false);
        }
    }
}

void CMainFrame::OpenRecent(int index) {
    if (!m_recent || m_doc == nullptr || index >= static_cast<int>(m_recent->Files().size())) {
        return;
    }
    const std::string path = m_recent->Files()[index];
    if (!QFileInfo::exists(Q(path))) {
        Message("The file " + path + " no longer exists.");
        m_recent->Remove(path);
        UpdateRecentFiles();
        return;
    }
    if (m_doc->SaveModified(true, false)) {
        m_doc->OpenPath(path);
    }
    UpdateCommands();
}

bool CMainFrame::RunTransferDialog(int mode) {
    if (m_doc == nullptr) {
        return false;
    }
    CBTSUpdateFetchWindow window(*m_doc, mode, this);
    const bool ran = window.Run();
    UpdateCommands();
    return ran;
}
