// The main window connected to the in-process simulated BTS through the program's own link:
// where the connection event list sits, how much room the cabinet picture gets, and pictures of
// the connected window at the sizes engineers' screens have.
#include "app/commands/CommandIds.h"
#include "app/document/BTSConfigurationDoc.h"
#include "app/link/DocumentLink.h"
#include "app/views/ViewBase.h"
#include "comms/CommsClient.h"
#include "comms/CommunicationBTS.h"
#include "comms/MMIServ.h"
#include "model/BtsConfiguration.h"
#include "platform/MemoryRegistry.h"
#include "platform/Registry.h"
#include "sim/SIMTransactServer.h"
#include "support/FrameDocument.h"
#include "support/Screenshot.h"
#include "support/SimWindow.h"
#include "ui/ConnectionListView.h"
#include "ui/MainFrame.h"
#include "ui/views/BTSConfigurationView.h"
#include "ui/views/ContainerView.h"
#include "ui/views/ListViewOwn.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTabBar>

#include <chrono>
#include <filesystem>
#include <functional>

namespace {

using namespace std::chrono_literals;

struct ConnectedWindow : testsupport::SimWindow {
    ConnectedWindow() : SimWindow("cabrion-connected-window") {
        frame.show();
        opened = doc->OpenPath(testsupport::SamplePath(QStringLiteral("harbour-4x3.hwc")), true);
        doc->OnIdle();
        doc->ConnectSimulator();
        connected = PumpUntil([&] { return link.IsLinkUp() && link.BcfState() >= 0; }, false,
                              std::chrono::seconds(10));
    }
    void ShowView(int type) {
        frame.Action(cmd::ViewCommandOfType(type))->trigger();
        QApplication::processEvents();
    }
    void Resize(int width, int height) {
        frame.resize(width, height);
        QApplication::processEvents();
    }

    bool opened = false;
    bool connected = false;
};

} // namespace

// Connected, a view's picture has the height below the tab row to itself; only the Differences
// view shows the event list, in place of its list pane and below the differences list, and the
// list keeps what the link logged across views.
TEST(ConnectedWindow, EventListSitsInTheDifferencesViewAndThePictureKeepsItsPane) {
    ConnectedWindow w;
    ASSERT_TRUE(w.opened);
    ASSERT_TRUE(w.connected);
    CListViewBTSConnection* events = w.frame.EventList();
    ASSERT_NE(events, nullptr);
    ASSERT_GT(events->topLevelItemCount(), 0);
    const int logged = events->topLevelItemCount();

    for (const QSize size : {QSize(1280, 800), QSize(1920, 1080)}) {
        w.Resize(size.width(), size.height());
        w.ShowView(kViewCabinetUnits);
        CContainerView* c = w.frame.Container();
        ASSERT_NE(c, nullptr);
        EXPECT_TRUE(c->Tabs()->isVisible());
        EXPECT_FALSE(events->isVisible());
        const int below = c->height() - c->Tabs()->geometry().bottom();
        EXPECT_GE(c->Picture()->height(), below - 4) << size.width();
        // The picture is taller than wide: it gets close to half of the width, not a strip.
        EXPECT_GE(c->Picture()->width() * 100 / c->width(), 40) << size.width();
        EXPECT_LE(c->Picture()->width() * 100 / c->width(), 60) << size.width();
        testsupport::Shoot(
            w.frame, QStringLiteral("ui"),
            QStringLiteral("connected-units-%1x%2").arg(size.width()).arg(size.height()));

        w.ShowView(kViewDifferences);
        EXPECT_TRUE(events->isVisible());
        EXPECT_EQ(c->ConnectionList(), events);
        EXPECT_TRUE(c->RightPane()->isAncestorOf(events));
        EXPECT_TRUE(c->RightPane()->isAncestorOf(c->DifferencesList()));
        EXPECT_LT(c->DifferencesList()->geometry().top(), events->geometry().top());
        // Both lists have rows' worth of room, the differences list the larger share.
        EXPECT_GE(events->height(), 120);
        EXPECT_GT(c->DifferencesList()->height(), events->height());
        testsupport::Shoot(
            w.frame, QStringLiteral("ui"),
            QStringLiteral("connected-differences-%1x%2").arg(size.width()).arg(size.height()));
    }

    // A new configuration brings new view widgets; the event list and its lines stay.
    w.doc->New(false);
    QApplication::processEvents();
    EXPECT_EQ(w.frame.EventList(), events);
    EXPECT_GE(events->topLevelItemCount(), logged);
    w.ShowView(kViewDifferences);
    EXPECT_EQ(w.frame.Container()->ConnectionList(), events);
    EXPECT_TRUE(events->isVisible());
}
