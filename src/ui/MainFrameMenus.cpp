// The main frame's commands: the actions, the menu bar and the toolbars laid out as the command
// table and the toolbar layout say, the View menu's views, the context menus and the recent files.
#include "ui/MainFrame.h"
#include "ui/QtText.h"

#include "app/commands/CommandIds.h"
#include "app/commands/DocumentMenu.h"
#include "app/commands/MainToolbars.h"
#include "app/document/BTSConfigurationDoc.h"
#include "app/settings/RecentFileList.h"
#include "app/views/ViewBase.h"
#include "ui/DossierExport.h"
#include "ui/views/ViewPrinting.h"
#include "ui/views/ZoomActions.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <algorithm>

namespace {

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

void CMainFrame::CreateActions() {
    // Every command the menu has, the ones a family's menu lacks included: MenuRebuilt hides
    // those.
    for (const SCommand& command : m_ownCommands.Commands()) {
        if (!command.inMenu || command.id == cmd::kRecentFile1) {
            continue;
        }
        auto* a = new QAction(Q(command.text), this);
        if (!command.shortcut.empty()) {
            a->setShortcut(QKeySequence(Q(command.shortcut)));
        }
        a->setIcon(IconFor(style(), command.id));
        const int id = command.id;
        a->setData(id);
        connect(a, &QAction::triggered, this, [this, id] { OnAction(id); });
        m_actions[id] = a;
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
    m_ownCommands.LoadTexts(menu);
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
    BuildMenuBar(m_ownCommands.Menus());
}

void CMainFrame::BuildMenuBar(const std::vector<SCommandMenu>& menus) {
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
    m_menuLayout = menus;
    for (const SCommandMenu& sub : menus) {
        QMenu* m = menuBar()->addMenu(Q(sub.title));
        for (const int id : sub.ids) {
            if (id == 0) {
                m->addSeparator();
            } else if (id == cmd::kRecentFile1) {
                for (QAction* a : m_recentActions) {
                    m->addAction(a);
                }
            } else if (auto it = m_actions.find(id); it != m_actions.end()) {
                m->addAction(it->second);
                m_menuOf[id] = m;
            }
        }
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
    for (const SToolbarLayout& layout : MainWindowToolbars()) {
        QToolBar* bar = addToolBar(Q(layout.title));
        bar->setObjectName(Q(layout.name));
        for (const int id : layout.ids) {
            if (id == 0) {
                bar->addSeparator();
            } else if (QAction* a = Action(id)) {
                bar->addAction(a);
            }
        }
        if (QAction* toggle = Action(layout.toggle)) {
            connect(bar, &QToolBar::visibilityChanged, toggle, &QAction::setChecked);
        }
        (layout.toggle == cmd::kOverlapToolbar ? m_overlap : m_main) = bar;
    }
}

CCommandTable& CMainFrame::Commands() {
    return m_doc != nullptr ? m_doc->Commands() : m_ownCommands;
}

const CCommandTable& CMainFrame::Commands() const {
    return m_doc != nullptr ? m_doc->Commands() : m_ownCommands;
}

void CMainFrame::BindWindowCommands(CCommandTable& table) {
    // The document may outlive its window: a command of a window that is gone neither runs nor
    // is enabled.
    const QPointer<CMainFrame> self(this);
    const auto bind = [&table, self](int id, std::function<bool(CMainFrame&)> enabled,
                                     std::function<void(CMainFrame&)> handler) {
        table.Bind(
            id, [self, enabled] { return self && enabled(*self); },
            [self, handler] {
                if (self) {
                    handler(*self);
                }
                return !self.isNull();
            });
    };
    const auto always = [](CMainFrame&) { return true; };
    // What the document rules on and the window carries out.
    const auto document = [](int id) {
        return [id](CMainFrame& f) { return f.m_doc != nullptr && f.m_doc->CommandRule(id); };
    };
    bind(cmd::kExit, always, [](CMainFrame& f) { f.close(); });
    bind(cmd::kToolbar, always,
         [](CMainFrame& f) { f.m_main->setVisible(!f.m_main->isVisible()); });
    bind(cmd::kOverlapToolbar, always,
         [](CMainFrame& f) { f.m_overlap->setVisible(!f.m_overlap->isVisible()); });
    bind(cmd::kStatusBar, always, [](CMainFrame& f) {
        f.statusBar()->setVisible(!f.statusBar()->isVisible());
        f.m_actions[cmd::kStatusBar]->setChecked(f.statusBar()->isVisible());
    });
    bind(
        cmd::kHelpTopics, [](CMainFrame& f) { return !f.m_help->Folder().isEmpty(); },
        [](CMainFrame& f) { f.m_help->ShowContents(); });
    bind(cmd::kAbout, always, [](CMainFrame& f) {
        QMessageBox::about(&f, tr("About Cabrion"),
                           tr("Cabrion\nBTS hardware configuration for Orvik cabinets.\nVersion "
                              "%1")
                               .arg(QApplication::applicationVersion()));
    });
    bind(
        cmd::kProperties,
        [document](CMainFrame& f) { return f.propertySheet && document(cmd::kProperties)(f); },
        [](CMainFrame& f) {
            if (f.propertySheet) {
                f.propertySheet();
            }
        });
    bind(
        cmd::kWizard, [](CMainFrame& f) { return static_cast<bool>(f.wizard); },
        [](CMainFrame& f) {
            if (f.wizard) {
                f.wizard();
            }
        });
    for (const int id : {cmd::kOptions, cmd::kPropertySheetOptions}) {
        bind(
            id, [](CMainFrame& f) { return static_cast<bool>(f.options); },
            [id](CMainFrame& f) {
                if (f.options) {
                    f.options(id == cmd::kPropertySheetOptions);
                    f.UpdateCommands();
                }
            });
    }
    for (const int id : {cmd::kPrint, cmd::kPrintPreview}) {
        bind(id, document(id), [id](CMainFrame& f) {
            if (f.m_doc != nullptr && f.m_doc->AnyViewManager() != nullptr) {
                if (id == cmd::kPrint) {
                    ViewPrinting::Print(&f, *f.m_doc);
                } else {
                    ViewPrinting::PrintPreview(&f, *f.m_doc);
                }
            }
        });
    }
}

void CMainFrame::OnAction(int id) {
    Commands().Run(id);
    UpdateCommands();
}

void CMainFrame::UpdateCommands() {
    const CCommandTable& commands = Commands();
    if (m_exportView != nullptr) {
        // Export draws what printing draws.
        m_exportView->setEnabled(commands.IsEnabled(cmd::kPrint));
    }
    if (m_exportDossier != nullptr) {
        m_exportDossier->setEnabled(m_doc != nullptr && m_doc->SiteKODA() != nullptr);
    }
    m_zoom->UpdateEnabled();
    // Whatever the last command, edit or undo did, the title's mark follows the document.
    setWindowModified(m_doc != nullptr && m_doc->Modified());
    for (auto& [id, action] : m_actions) {
        action->setEnabled(commands.IsEnabled(id));
        const SCommand* command = commands.Find(id);
        if (action->isCheckable() && command != nullptr && command->checked) {
            action->setChecked(command->checked());
        }
        // Undo, redo and the edit command name what they act on; an action of a command the
        // menu lacks, and a view's, keeps its text.
        const std::string text = commands.Text(id);
        if (command != nullptr && !text.empty()) {
            // A key the action does not own (F1 is context help) is still shown in the menu.
            const bool shownOnly = action->shortcut().isEmpty() && !command->shortcut.empty();
            action->setText(Q(text) +
                            (shownOnly ? QLatin1Char('\t') + Q(command->shortcut) : QString()));
        }
    }
}

void CMainFrame::MenuRebuilt() {
    if (m_doc == nullptr) {
        return;
    }
    const std::vector<SCommandMenu>& menus = Commands().Menus();
    // Another family's menu has other submenus: the bar is laid out again for it.
    const bool relaid = menus != m_menuLayout;
    if (relaid) {
        BuildMenuBar(menus);
        RebuildViewActions(m_doc->AnyViewManager());
    }
    // The menus keep their actions; what the rebuilt menu no longer holds leaves its menu.
    for (auto& [id, action] : m_actions) {
        if (std::find(m_viewActions.begin(), m_viewActions.end(), action) != m_viewActions.end()) {
            continue;
        }
        const SCommand* command = Commands().Find(id);
        const bool inMenu = command != nullptr && command->inMenu;
        auto where = m_menuOf.find(id);
        if (relaid) {
            // Toolbar buttons and keys of commands the menu lacks go with them.
            action->setVisible(inMenu);
        }
        if (!inMenu) {
            if (where != m_menuOf.end()) {
                where->second->removeAction(action);
                m_menuOf.erase(where);
            }
            action->setVisible(false);
        }
    }
    // The texts come with the enable states.
    UpdateCommands();
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
