#include "ui/HelpWindow.h"

#include <QAction>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

CHelpWindow::CHelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), m_browser(new QTextBrowser(this)), m_search(new QLineEdit(this)),
      m_back(new QToolButton(this)), m_forward(new QToolButton(this)),
      m_external(new QPushButton(tr("Open in &Browser"), this)) {
    setWindowTitle(tr("Cabrion Help"));
    resize(900, 700);

    auto* back = new QAction(tr("&Back"), this);
    back->setShortcuts(QKeySequence::Back);
    auto* forward = new QAction(tr("&Forward"), this);
    forward->setShortcuts(QKeySequence::Forward);
    m_back->setDefaultAction(back);
    m_forward->setDefaultAction(forward);
    m_back->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_forward->setToolButtonStyle(Qt::ToolButtonTextOnly);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QAction::triggered, m_browser, &QTextBrowser::backward);
    connect(forward, &QAction::triggered, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

    auto* label = new QLabel(tr("&Search:"), this);
    label->setBuddy(m_search);
    m_search->setAccessibleName(tr("Search"));
    m_search->setClearButtonEnabled(true);
    connect(m_search, &QLineEdit::returnPressed, this, [this] { FindNext(); });
    auto* find = new QAction(this);
    find->setShortcuts(QKeySequence::Find);
    connect(find, &QAction::triggered, m_search, [this] {
        m_search->setFocus();
        m_search->selectAll();
    });
    addAction(find);

    m_browser->setOpenExternalLinks(true);
    m_browser->setAccessibleName(tr("User guide"));
    connect(m_external, &QPushButton::clicked, this, [this] {
        if (!opener || !opener(Source())) {
            QMessageBox::information(
                this, windowTitle(),
                tr("No program to show %1 was found.").arg(Source().toString()));
        }
    });

    auto* bar = new QHBoxLayout;
    bar->addWidget(m_back);
    bar->addWidget(m_forward);
    bar->addSpacing(12);
    bar->addWidget(label);
    bar->addWidget(m_search, 1);
    bar->addWidget(m_external);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_browser, 1);
    setTabOrder(m_back, m_forward);
    setTabOrder(m_forward, m_search);
    setTabOrder(m_search, m_external);
    setTabOrder(m_external, m_browser);
}

void CHelpWindow::Show(const QUrl& url) {
    // Pictures and links of a page are found beside it.
    m_browser->setSearchPaths({url.adjusted(QUrl::RemoveFilename).toLocalFile()});
    m_browser->setSource(url);
    show();
    raise();
    activateWindow();
}

QUrl CHelpWindow::Source() const {
    return m_browser->source();
}

bool CHelpWindow::FindNext() {
    const QString text = m_search->text();
    if (text.isEmpty()) {
        return false;
    }
    if (m_browser->find(text)) {
        return true;
    }
    m_browser->moveCursor(QTextCursor::Start);
    return m_browser->find(text);
}
