// F1 and the Help menu: which page of the user guide opens from the main window, from an open
// menu and from a dialog; a missing guide is said, not silently ignored. Also makes the main
// window's picture for the guide.
#include "app/DocumentTestSupport.h"
#include "app/commands/CommandIds.h"
#include "app/commands/CommandTable.h"
#include "app/commands/HelpTopics.h"
#include "model/BtsConfiguration.h"
#include "support/FrameDocument.h"
#include "support/Screenshot.h"
#include "ui/BTSUpdateFetchWindow.h"
#include "ui/ConnectDialog.h"
#include "ui/DirDialog.h"
#include "ui/HelpWindow.h"
#include "ui/MainFrame.h"
#include "ui/OptionsTARNDialog.h"
#include "ui/SmallDialogs.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

namespace {

const QString kGuide =
    QString::fromUtf8(CABRION_TEST_DATA_DIR) + QStringLiteral("/../../docs/help");

struct HelpFixture {
    ScriptedLink link;
    CMemoryRegistry settings;
    CMainFrame frame;
    std::unique_ptr<CBTSConfigurationDoc> doc;
    std::vector<QUrl> opened;

    HelpFixture() {
        CBtsConfiguration::Drop();
        doc = testsupport::AttachNewDocument(frame, link, settings);
        frame.Help().SetFolder(QDir(kGuide).absolutePath());
        frame.Help().opener = [this](const QUrl& url) {
            opened.push_back(url);
            return true;
        };
        frame.UpdateCommands();
        frame.resize(1280, 800);
        frame.show();
        QApplication::setActiveWindow(&frame);
        doc->OpenPath(testsupport::SamplePath(QStringLiteral("harbour-4x3.hwc")), true);
        QApplication::processEvents();
    }
    ~HelpFixture() {
        doc.reset();
        CBtsConfiguration::Drop();
    }
    // The page the help window shows, as "page.html#anchor".
    QString Last() {
        const CHelpWindow* w = frame.Help().Window();
        return w == nullptr ? QString()
                            : w->Source().fileName() + QLatin1Char('#') + w->Source().fragment();
    }
};

} // namespace

TEST(Help, F1OpensThePageOfTheActiveViewAndHelpTopicsTheContents) {
    HelpFixture f;
    ASSERT_TRUE(f.frame.Action(cmd::kHelpTopics)->isEnabled());
    f.doc->OnCommand(cmd::ViewCommandOfType(4));
    QTest::keyClick(&f.frame, Qt::Key_F1);
    EXPECT_EQ(f.Last(), QStringLiteral("views.html#tx-cabling"));
    EXPECT_TRUE(f.opened.empty()) << "no outside browser is needed";

    f.frame.Action(cmd::kHelpTopics)->trigger();
    EXPECT_EQ(f.Last(), QStringLiteral("index.html#"));
    // The menu shows the key, but F1 is not Help Topics' shortcut: it is context help.
    EXPECT_TRUE(f.frame.Action(cmd::kHelpTopics)->shortcut().isEmpty());
    EXPECT_TRUE(f.frame.Action(cmd::kHelpTopics)->text().endsWith(QStringLiteral("\tF1")));
}

TEST(Help, F1InAnOpenMenuOpensTheHighlightedCommandsPage) {
    HelpFixture f;
    QMenu* file = nullptr;
    for (QAction* a : f.frame.menuBar()->actions()) {
        if (a->text() == QStringLiteral("&File")) {
            file = a->menu();
        }
    }
    ASSERT_NE(file, nullptr);
    file->popup(QPoint(10, 10));
    QApplication::processEvents();
    file->setActiveAction(f.frame.Action(cmd::kOpen));
    QTest::keyClick(file, Qt::Key_F1);
    EXPECT_EQ(f.Last(), QStringLiteral("files.html#open"));
    EXPECT_FALSE(file->isVisible());
}

TEST(Help, ADialogNamingItsPageGetsThatPage) {
    HelpFixture f;
    QDialog dialog(&f.frame);
    dialog.setProperty(CHelpLauncher::kPageProperty, QStringLiteral("options.html"));
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QTest::keyClick(&dialog, Qt::Key_F1);
    EXPECT_EQ(f.Last(), QStringLiteral("options.html#"));
}

TEST(Help, AMissingGuideIsSaidAndHelpTopicsIsNotOffered) {
    HelpFixture f;
    f.frame.Help().SetFolder(QString());
    f.frame.UpdateCommands();
    EXPECT_FALSE(f.frame.Action(cmd::kHelpTopics)->isEnabled());
    bool told = false;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            told = box->text().contains(QStringLiteral("not installed"));
            box->accept();
        }
    });
    QTest::keyClick(&f.frame, Qt::Key_F1);
    EXPECT_TRUE(told);
    EXPECT_EQ(f.frame.Help().Window(), nullptr);
}

// The guide's own window: F1's topic in view, back and forward, search, and the browser as a
// choice.
TEST(Help, TheHelpWindowShowsTheTopicAndGoesBackForwardAndFinds) {
    HelpFixture f;
    f.doc->OnCommand(cmd::ViewCommandOfType(8));
    QTest::keyClick(&f.frame, Qt::Key_F1);
    CHelpWindow* w = f.frame.Help().Window();
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(w->isVisible());
    w->resize(1280, 800);
    QApplication::processEvents();
    const QString page = f.Last();
    EXPECT_TRUE(page.startsWith(QStringLiteral("views.html#")) && !page.endsWith(QLatin1Char('#')))
        << page.toStdString();
    EXPECT_FALSE(w->Browser()->toPlainText().isEmpty());
    // The topic is scrolled to, not the top of the page.
    EXPECT_GT(w->Browser()->verticalScrollBar()->value(), 0);
    testsupport::Shoot(*w, QStringLiteral("help"), QStringLiteral("help_window"));

    f.frame.Help().ShowContents();
    EXPECT_EQ(f.Last(), QStringLiteral("index.html#"));
    ASSERT_TRUE(w->BackButton()->isEnabled());
    w->BackButton()->click();
    EXPECT_EQ(f.Last(), page);
    ASSERT_TRUE(w->ForwardButton()->isEnabled());
    w->ForwardButton()->click();
    EXPECT_EQ(f.Last(), QStringLiteral("index.html#"));

    w->SearchBox()->setText(QStringLiteral("cabling"));
    EXPECT_TRUE(w->FindNext());
    EXPECT_EQ(w->Browser()->textCursor().selectedText().toLower(), QStringLiteral("cabling"));
    w->SearchBox()->setText(QStringLiteral("no such words anywhere"));
    EXPECT_FALSE(w->FindNext());

    w->BrowserButton()->click();
    ASSERT_EQ(f.opened.size(), 1u);
    EXPECT_TRUE(f.opened.back().isLocalFile());
    EXPECT_EQ(f.opened.back().fileName(), QStringLiteral("index.html"));
}

// The page exists in the guide, with its anchor when it names one.
static void ExpectInGuide(const std::string& page) {
    const QString text = QString::fromStdString(page);
    QFile file(kGuide + QLatin1Char('/') + text.section(QLatin1Char('#'), 0, 0));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page;
    const QString anchor = text.section(QLatin1Char('#'), 1);
    if (!anchor.isEmpty()) {
        EXPECT_TRUE(file.readAll().contains(QStringLiteral("id=\"%1\"").arg(anchor).toUtf8()))
            << page;
    }
}

// Dialogs name their own page for F1, and that page is in the guide; the transfer window's
// Help button opens it as F1 would.
TEST(Help, DialogsNameTheirPagesAndTheTransferWindowsHelpButtonOpensIt) {
    HelpFixture f;
    COptionsTARNDialog selmoOptions(&f.frame);
    CAddCabinetSheet addCabinet(&f.frame);
    CConnectDialog connect(std::string(), &f.frame);
    CDirDialog folder(QString(), &f.frame);
    for (const QDialog* d :
         std::initializer_list<const QDialog*>{&selmoOptions, &addCabinet, &connect, &folder}) {
        const QString page = d->property(CHelpLauncher::kPageProperty).toString();
        ASSERT_FALSE(page.isEmpty()) << d->metaObject()->className();
        ExpectInGuide(page.toStdString());
    }

    CBTSUpdateFetchWindow transfer(*f.doc, 0, &f.frame);
    transfer.show();
    QApplication::setActiveWindow(&transfer);
    QPushButton* help = nullptr;
    for (QPushButton* b : transfer.findChildren<QPushButton*>()) {
        if (b->text() == QStringLiteral("Help")) {
            help = b;
        }
    }
    ASSERT_NE(help, nullptr);
    help->click();
    EXPECT_EQ(f.Last(), QStringLiteral("connecting.html#transfer"));
    ExpectInGuide("connecting.html#transfer");
}

// Every page the program can ask for exists in the guide, anchors included.
TEST(Help, EveryPageTheProgramOpensIsInTheGuide) {
    std::vector<std::string> pages;
    for (int id = 1; id < 0x10000; ++id) {
        if (const int context = help::CommandContext(id)) {
            pages.push_back(help::PageForContext(context));
        }
    }
    for (int view = 0; view <= 13; ++view) {
        pages.push_back(help::PageForView(view));
    }
    CCommandTable table;
    table.LoadTexts(BaseMainMenu());
    for (const SCommand& c : table.Commands()) {
        pages.push_back(c.helpPage);
    }
    for (const std::string& page : pages) {
        ExpectInGuide(page);
    }
}

TEST(Help, MainWindowPictureForTheGuide) {
    HelpFixture f;
    f.doc->OnCommand(cmd::ViewCommandOfType(7));
    QApplication::processEvents();
    const QString dir = QString::fromUtf8(CABRION_BINARY_DIR) + QStringLiteral("/screenshots");
    QDir().mkpath(dir);
    EXPECT_TRUE(f.frame.grab().save(dir + QStringLiteral("/main-window.png")));
}
