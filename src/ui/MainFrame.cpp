#include "ui/MainFrame.h"

#include <QAction>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent) {
    CreateMenus();
    CreateStatusBar();
    RefreshStatus(StatusInputs{});
    resize(900, 640);
}

void CMainFrame::CreateMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    // The document commands arrive with the document; until then they are shown but disabled
    // so that nothing pretends to open or save.
    const struct {
        const char* text;
        QKeySequence::StandardKey key;
    } documentCommands[] = {
        {QT_TR_NOOP("&New"), QKeySequence::New},
        {QT_TR_NOOP("&Open..."), QKeySequence::Open},
        {QT_TR_NOOP("&Save"), QKeySequence::Save},
        {QT_TR_NOOP("Save &As..."), QKeySequence::SaveAs},
    };
    for (const auto& c : documentCommands) {
        QAction* a = file->addAction(tr(c.text));
        a->setShortcut(c.key);
        a->setEnabled(false);
    }
    file->addSeparator();
    m_exit = file->addAction(tr("E&xit"));
    m_exit->setShortcut(QKeySequence::Quit);
    connect(m_exit, &QAction::triggered, this, &QWidget::close);
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    for (int i = 0; i < kPanes; ++i) {
        m_panes[i] = new QLabel(bar);
        if (i == 0) {
            bar->addWidget(m_panes[i], 1);
        } else {
            m_panes[i]->setMinimumWidth(90);
            bar->addPermanentWidget(m_panes[i]);
        }
    }
}

void CMainFrame::RefreshStatus(const StatusInputs& inputs) {
    const StatusTexts texts = BuildStatusTexts(inputs);
    setWindowTitle(QString::fromStdString(texts.title));
    m_panes[0]->setText(QString::fromStdString(texts.pane1));
    m_panes[1]->setText(QString::fromStdString(texts.pane2));
    m_panes[2]->setText(QString::fromStdString(texts.pane3));
}

QString CMainFrame::StatusPaneText(int pane) const {
    return pane >= 0 && pane < kPanes ? m_panes[pane]->text() : QString();
}
