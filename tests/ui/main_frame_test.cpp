#include <gtest/gtest.h>

#include "support/FrameDocument.h"
#include "ui/MainFrame.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

// The document's questions: Enter gives the answer that sends, writes and discards nothing.
TEST(MainFrame, QuestionsDefaultToTheAnswerThatDoesNothing) {
    CMainFrame frame;
    frame.show();
    std::vector<QMessageBox::StandardButton> defaults;
    const auto pressDefault = [&defaults] {
        QTimer::singleShot(0, [&defaults] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            defaults.push_back(box->standardButton(box->defaultButton()));
            box->defaultButton()->click();
        });
    };
    pressDefault();
    EXPECT_FALSE(frame.AskYesNo("The configuration has been changed.\nUpdate BTS?", true));
    pressDefault();
    EXPECT_EQ(frame.AskYesNoCancel("The configuration has been changed.\nUpdate BTS with changes?"),
              EAnswer::Cancel);
    EXPECT_EQ(defaults, (std::vector{QMessageBox::No, QMessageBox::Cancel}));
}

TEST(MainFrame, OpensWithTheOfflineTitleAndClosesThroughExit) {
    auto frame = std::make_unique<CMainFrame>();
    frame->show();
    QApplication::processEvents();
    EXPECT_EQ(testsupport::ShownTitle(*frame),
              QStringLiteral("Untitled - Cabrion No connection to BTS "));
    EXPECT_EQ(frame->StatusPaneText(0), QStringLiteral("No connection to BTS "));

    const auto menus = frame->menuBar()->findChildren<QMenu*>();
    ASSERT_FALSE(menus.isEmpty());
    QStringList items;
    for (QAction* a : menus.front()->actions()) {
        if (!a->isSeparator() && a->isVisible()) {
            items << a->text();
        }
    }
    EXPECT_EQ(
        items,
        (QStringList{QStringLiteral("&New"), QStringLiteral("New from &Template..."),
                     QStringLiteral("&Open..."), QStringLiteral("&Save"),
                     QStringLiteral("Save &As..."), QStringLiteral("&Print..."),
                     QStringLiteral("Print Pre&view"), QStringLiteral("&Export View..."),
                     QStringLiteral("Export Commissioning &Dossier..."), QStringLiteral("E&xit")}));
    // Without a document nothing pretends to open or save.
    EXPECT_FALSE(frame->Action(57601)->isEnabled());
    EXPECT_FALSE(frame->Action(57603)->isEnabled());

    StatusInputs remote;
    remote.connection = kConnectionRemote;
    remote.accessLevel = 0;
    frame->RefreshStatus(remote);
    EXPECT_EQ(frame->StatusPaneText(2), QStringLiteral("Read Only"));

    frame->ExitAction()->trigger();
    QApplication::processEvents();
    EXPECT_FALSE(frame->isVisible());
}
