#include <gtest/gtest.h>

#include "ui/MainFrame.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>

TEST(MainFrame, OpensWithTheOfflineTitleAndClosesThroughExit) {
    auto frame = std::make_unique<CMainFrame>();
    frame->show();
    QApplication::processEvents();
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Untitled - Cabrion No connection to BTS "));
    EXPECT_EQ(frame->StatusPaneText(0), QStringLiteral("No connection to BTS "));

    const auto menus = frame->menuBar()->findChildren<QMenu*>();
    ASSERT_FALSE(menus.isEmpty());
    QStringList items;
    for (QAction* a : menus.front()->actions()) {
        if (!a->isSeparator() && a->isVisible()) {
            items << a->text();
        }
    }
    EXPECT_EQ(items, (QStringList{QStringLiteral("&New"), QStringLiteral("New from &Template..."),
                                  QStringLiteral("&Open..."), QStringLiteral("&Save"),
                                  QStringLiteral("Save &As..."), QStringLiteral("&Print..."),
                                  QStringLiteral("Print Pre&view"),
                                  QStringLiteral("&Export View..."), QStringLiteral("E&xit")}));
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
