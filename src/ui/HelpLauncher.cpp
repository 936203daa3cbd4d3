#include "ui/HelpLauncher.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QWidget>

#include "app/commands/HelpTopics.h"
#include "ui/HelpWindow.h"

CHelpLauncher::CHelpLauncher(QWidget* mainWindow, std::function<int()> viewType, QObject* parent)
    : QObject(parent), opener([](const QUrl& url) { return QDesktopServices::openUrl(url); }),
      m_main(mainWindow), m_viewType(std::move(viewType)) {
    // Application-wide, so that F1 reaches us from open menus and from every dialog.
    qApp->installEventFilter(this);
}

CHelpLauncher::~CHelpLauncher() {
    qApp->removeEventFilter(this);
}

void CHelpLauncher::ShowContents() {
    Open(help::PageForContext(0));
}

void CHelpLauncher::ShowContext(int context) {
    Open(help::PageForContext(context));
}

void CHelpLauncher::ShowForActiveWindow() {
    QWidget* window = QApplication::activeWindow();
    for (QWidget* w = window; w != nullptr; w = w->parentWidget()) {
        const QVariant page = w->property(kPageProperty);
        if (page.isValid() && !page.toString().isEmpty()) {
            Open(page.toString().toStdString());
            return;
        }
        if (w == m_main) {
            break;
        }
    }
    Open(m_viewType ? help::PageForView(m_viewType()) : help::PageForContext(0));
}

bool CHelpLauncher::Open(const std::string& page) {
    const QString text = QString::fromStdString(page);
    const QString file = text.section(QLatin1Char('#'), 0, 0);
    const QString anchor = text.section(QLatin1Char('#'), 1);
    const QString path = m_folder + QLatin1Char('/') + file;
    if (m_folder.isEmpty() || !QFileInfo::exists(path)) {
        QMessageBox::information(QApplication::activeWindow(), tr("Cabrion Help"),
                                 tr("The user guide is not installed (%1 was not found).")
                                     .arg(m_folder.isEmpty() ? file : path));
        return false;
    }
    QUrl url = QUrl::fromLocalFile(path);
    if (!anchor.isEmpty()) {
        url.setFragment(anchor);
    }
    if (!m_window) {
        // Its own top-level window, so that it stays open beside the main window and dialogs.
        m_window = std::make_unique<CHelpWindow>();
        m_window->opener = [this](const QUrl& u) { return opener(u); };
    }
    m_window->Show(url);
    return true;
}

bool CHelpLauncher::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1 ||
        static_cast<QKeyEvent*>(event)->modifiers() != Qt::NoModifier) {
        return false;
    }
    // The window system's object sees the key before the widget it goes to; act on the widget.
    // The guide's own window has no page about itself.
    if (!watched->isWidgetType() ||
        (m_window && static_cast<QWidget*>(watched)->window() == m_window.get())) {
        return false;
    }
    if (auto* menu = qobject_cast<QMenu*>(watched)) {
        QAction* action = menu->activeAction();
        const int id = action != nullptr ? action->data().toInt() : 0;
        menu->close();
        if (commandPage) {
            Open(commandPage(id));
        } else {
            ShowContext(help::CommandContext(id));
        }
        return true;
    }
    ShowForActiveWindow();
    return true;
}
