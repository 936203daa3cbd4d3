// The main frame itself: what it is made of, the document it carries, the title and status
// bar, the relay of notifications between windows, and the window's placement.
#include "ui/MainFrame.h"
#include "ui/QtText.h"

#include "app/commands/CommandIds.h"
#include "app/commands/DocumentMenu.h"
#include "app/commands/HelpTopics.h"
#include "app/document/BTSConfigurationDoc.h"
#include "app/settings/RecentFileList.h"
#include "app/settings/WindowPlacement.h"
#include "ui/views/ZoomActions.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>

namespace {

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

} // namespace

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent) {
    setWindowIcon(QIcon::fromTheme(QStringLiteral("cabrion"),
                                   style()->standardIcon(QStyle::SP_ComputerIcon)));
    m_help = std::make_unique<CHelpLauncher>(
        this, [this] { return m_doc != nullptr ? m_doc->ActiveViewType() : 0; });
    m_help->commandPage = [this](int id) {
        const SCommand* command = Commands().Find(id);
        return command != nullptr ? command->helpPage
                                  : help::PageForContext(help::CommandContext(id));
    };
    m_zoom = new CZoomActions(this);
    // The actions are made for every command of the full menu; the menu bar shows the rebuilt
    // one.
    m_ownCommands.LoadTexts(BaseMainMenu());
    CreateActions();
    CreateMenus();
    BindWindowCommands(m_ownCommands);
    CreateToolbars();
    CreateStatusBar();
    CreatePanes();
    RefreshStatus(StatusInputs{});
    UpdateCommands();
    resize(1000, 700);
}

CMainFrame::~CMainFrame() = default;

// ---- document and settings -------------------------------------------------------------------

void CMainFrame::AttachDocument(CBTSConfigurationDoc* document) {
    m_doc = document;
    if (m_doc != nullptr) {
        BindWindowCommands(m_doc->Commands());
    }
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

// ---- title and status bar --------------------------------------------------------------------

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

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (canClose && !canClose()) {
        event->ignore();
        return;
    }
    SavePlacement();
    m_relay.Clear();
    QMainWindow::closeEvent(event);
}
