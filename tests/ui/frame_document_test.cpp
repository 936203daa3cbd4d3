// The main window with a document over a scripted link: title and status panes, menus,
// notifications, placement, the message dialog and the connection list.
#include "app/DocumentTestSupport.h"
#include "app/commands/CommandIds.h"
#include "app/pages/PageCabinetControllers.h"
#include "app/pages/PageCablingControllers.h"
#include "app/settings/RecentFileList.h"
#include "app/settings/WindowPlacement.h"
#include "comms/CommsReport.h"
#include "files/ConfigInfoKODA.h"
#include "model/CabinetKODA.h"
#include "support/FrameDocument.h"
#include "ui/BtsMessageDlg.h"
#include "ui/ConnectionListView.h"
#include "ui/MainFrame.h"
#include "ui/SiteSheets.h"
#include "ui/SmallDialogs.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QWindow>

namespace {

// Screenshots for a person to look at, in the build folder.
void Shoot(QWidget& w, const char* name) {
    const QString dir = QString::fromUtf8(CABRION_BINARY_DIR) + QStringLiteral("/screenshots");
    QDir().mkpath(dir);
    w.grab().save(dir + QLatin1Char('/') + QString::fromLatin1(name) + QStringLiteral(".png"));
}

// The frame as the program builds it, with a document whose link the test scripts.
struct FrameFixture {
    ScriptedLink link;
    CMemoryRegistry settings;
    CMainFrame frame;
    std::unique_ptr<CBTSConfigurationDoc> doc;

    FrameFixture() {
        settings.SetInt("Initialization", "EnableBTS", 0);
        doc = testsupport::AttachNewDocument(frame, link, settings);
    }
    ~FrameFixture() { CBtsConfiguration::Drop(); }
};

QStringList MenuTexts(QMenu* menu) {
    QStringList texts;
    for (QAction* a : menu->actions()) {
        if (!a->isSeparator() && a->isVisible()) {
            texts << a->text();
        }
    }
    return texts;
}

QMenu* MenuTitled(CMainFrame& frame, const QString& title) {
    for (QAction* a : frame.menuBar()->actions()) {
        if (a->text() == title) {
            return a->menu();
        }
    }
    return nullptr;
}

TEST(MainFrameStatus, RemoteReadOnlyAndLocalPollingEdgeCases) {
    FrameFixture f;
    f.doc->SetAccessLevel(0);
    f.link.GoUp(1);
    f.link.bscId = 12;
    f.link.bcfId = 3;
    f.frame.RefreshFrame();
    EXPECT_EQ(testsupport::ShownTitle(f.frame),
              QStringLiteral("Untitled - Remote Cabrion BSC ID 12, BCF ID 3"));
    EXPECT_EQ(f.frame.StatusPaneText(0), QStringLiteral("Remote BSC ID 12, BCF ID 3"));
    EXPECT_EQ(f.frame.StatusPaneText(1), QStringLiteral("LAN"));
    EXPECT_EQ(f.frame.StatusPaneText(2), QStringLiteral("Read Only"));
    EXPECT_EQ(f.frame.StatusPaneCount(), 4);

    f.link.Stop();
    f.link.kind = 2;
    f.link.active = true;
    f.link.comPort = 2;
    f.link.speed = "9600";
    f.frame.RefreshFrame();
    EXPECT_EQ(f.frame.StatusPaneText(0), QStringLiteral("Polling Local Connection: Speed 9600"));
    EXPECT_EQ(f.frame.StatusPaneText(1), QStringLiteral("COM 2"));
    EXPECT_EQ(f.frame.StatusPaneCount(), 3);
    // A screen reader reads the panes' texts; what each pane is goes in its description.
    const QList<QLabel*> panes = f.frame.statusBar()->findChildren<QLabel*>();
    const auto spoken = [&](const QString& text) {
        for (QLabel* pane : panes) {
            if (pane->text() == text) {
                QAccessibleInterface* a = QAccessible::queryAccessibleInterface(pane);
                return a != nullptr && a->text(QAccessible::Name) == text &&
                       !a->text(QAccessible::Description).isEmpty();
            }
        }
        return false;
    };
    EXPECT_TRUE(spoken(QStringLiteral("COM 2")));
    EXPECT_TRUE(spoken(QStringLiteral("Polling Local Connection: Speed 9600")));
    EXPECT_TRUE(testsupport::ShownTitle(f.frame).endsWith(
        QStringLiteral("Polling Local Connection: Speed 9600")));

    // A report of a local start names it until the next rebuild.
    f.doc->OnReport(CCommsReport(3, 0));
    f.link.up = true;
    f.frame.RefreshFrame();
    EXPECT_EQ(f.frame.StatusPaneText(0), QStringLiteral("BTS Connected at Speed 9600"));
}

TEST(MainFrameMenus, CommandsFollowTheDocumentAndTheSimulatorIsGone) {
    FrameFixture f;
    QMenu* connection = MenuTitled(f.frame, QStringLiteral("Co&nnection"));
    ASSERT_NE(connection, nullptr);
    EXPECT_EQ(MenuTexts(connection),
              (QStringList{QStringLiteral("Connect &Locally"), QStringLiteral("Connect..."),
                           QStringLiteral("Disconnect")}));
    EXPECT_EQ(f.frame.Action(cmd::kConnectLocal)->shortcut(),
              QKeySequence(QStringLiteral("Ctrl+L")));
    EXPECT_EQ(f.frame.Action(cmd::kNew)->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    // Every menu title and command carries a mnemonic or is reached through one.
    for (QAction* top : f.frame.menuBar()->actions()) {
        EXPECT_TRUE(top->text().contains(QLatin1Char('&'))) << top->text().toStdString();
    }

    EXPECT_FALSE(f.frame.Action(cmd::kSave)->isEnabled());
    f.frame.Action(cmd::kNew)->trigger();
    EXPECT_TRUE(f.frame.Action(cmd::kSave)->isEnabled());
    EXPECT_FALSE(f.frame.Action(cmd::kUndo)->isEnabled());
    auto unit = CSiteKODA::CreateUnitOfKind(kUnitKindMha);
    unit->SetNumber(7);
    f.doc->Site()->AddUnit(std::move(unit), true, kSelectCandidate);
    f.frame.UpdateCommands();
    EXPECT_TRUE(f.frame.Action(cmd::kUndo)->isEnabled());
    EXPECT_EQ(f.frame.Action(cmd::kUndo)->text(), QStringLiteral("&Undo Add Unit"));

    // The overlap toolbar and its check mark go together.
    f.frame.show();
    QAction* overlap = f.frame.Action(cmd::kOverlapToolbar);
    EXPECT_TRUE(overlap->isChecked());
    overlap->trigger();
    QApplication::processEvents();
    EXPECT_FALSE(f.frame.OverlapToolbar()->isVisible());
    EXPECT_FALSE(overlap->isChecked());
    overlap->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(overlap->isChecked());
}

// The title marks unsaved changes after the name, as undo and redo leave them, and Redo takes
// both of its keys.
TEST(MainFrameTitle, MarksChangesAsUndoAndRedoLeaveThem) {
    FrameFixture f;
    f.frame.show();
    // Save writes into a copy: the sample stays as it is.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("harbour.hwc"));
    ASSERT_TRUE(QFile::copy(
        QString::fromStdString(testsupport::SamplePath(QStringLiteral("harbour-4x3.hwc"))), path));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    ASSERT_TRUE(f.doc->OpenPath(path.toStdString(), true));
    const QString clean = QStringLiteral("Harbour 4+4+4 - Cabrion No connection to BTS ");
    const QString marked = QStringLiteral("Harbour 4+4+4* - Cabrion No connection to BTS ");
    const auto shown = [&] {
        QApplication::processEvents();
        return f.frame.windowHandle()->title();
    };
    EXPECT_EQ(shown(), clean);
    QAction* redo = f.frame.Action(cmd::kRedo);
    ASSERT_NE(redo, nullptr);
    EXPECT_EQ(redo->shortcuts(),
              (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Y")),
                                   QKeySequence(QStringLiteral("Ctrl+Shift+Z"))}));
    EXPECT_FALSE(redo->isEnabled());

    PageTXCablingController tx(*f.doc->SiteKODA(), *f.doc);
    tx.SelectTrx(2);
    ASSERT_TRUE(tx.Clear());
    EXPECT_EQ(shown(), marked);
    f.frame.Action(cmd::kUndo)->trigger();
    EXPECT_EQ(shown(), clean);
    ASSERT_TRUE(redo->isEnabled());
    EXPECT_EQ(redo->text(), QStringLiteral("&Redo Clear TX Cabling"));
    // A picture of the Edit menu with Redo named.
    if (QMenu* edit = MenuTitled(f.frame, QStringLiteral("&Edit"))) {
        edit->popup(f.frame.mapToGlobal(QPoint(40, 30)));
        QApplication::processEvents();
        Shoot(*edit, "edit-menu-redo");
        edit->hide();
    }
    redo->trigger();
    EXPECT_EQ(shown(), marked);
    ASSERT_TRUE(f.doc->Save());
    EXPECT_EQ(shown(), clean);

    // The Mini question as the window asks it: Enter keeps the cabinet and its units.
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::No));
        Shoot(*box, "cabinet-type-drop-question");
        box->defaultButton()->click();
    });
    PageCabTypeController type(*f.doc->SiteKODA(), *f.doc);
    EXPECT_FALSE(type.ChooseType(kCabinetMini));
    EXPECT_EQ(shown(), clean);
}

TEST(MainFrameRelay, NotificationsNestSixDeepThenReachOnlyTheViewManager) {
    FrameFixture f;
    int viewManager = 0;
    f.frame.Relay().SetViewManager([&](int, int, int) { ++viewManager; });
    QObject window;
    int delivered = 0;
    // A window that answers every notification with another one.
    const int id = f.frame.RegisterForNotifications(&window, 4, true, [&](int m, int w, int l) {
        ++delivered;
        f.frame.Notify(m, w, l);
    });
    f.frame.Notify(notify::kGeneral, 10, 3);
    EXPECT_EQ(delivered, 6);
    EXPECT_EQ(viewManager, 7);
    EXPECT_EQ(f.frame.Relay().Depth(), 0);
    EXPECT_TRUE(f.frame.Relay().Find(id)->delivered);

    // Another mask is not told; a window that is gone is skipped but stays registered.
    const int other = f.frame.RegisterForNotifications(&window, 1, true, [&](int, int, int) {});
    EXPECT_FALSE(f.frame.Relay().Find(other)->delivered);
    {
        QObject gone;
        f.frame.RegisterForNotifications(&gone, 4, true, [&](int, int, int) { ADD_FAILURE(); });
    }
    EXPECT_TRUE(f.frame.UnregisterNotifications(id));
    f.frame.Notify(notify::kGeneral, 4, 0);
    EXPECT_EQ(f.frame.Relay().Count(), 2u);
    EXPECT_FALSE(f.frame.UnregisterNotifications(id));
}

TEST(MainFramePlacement, RestoresClampedAndMissingValuesLeaveTheDefault) {
    FrameFixture f;
    const QRect before = f.frame.geometry();
    f.settings.SetInt("MainWnd", "x", 100);
    f.settings.SetInt("MainWnd", "y", 80);
    f.settings.SetInt("MainWnd", "cx", 900);
    EXPECT_FALSE(f.frame.RestorePlacement()); // "cy" is missing
    EXPECT_EQ(f.frame.geometry(), before);

    f.settings.SetInt("MainWnd", "cy", 700);
    ASSERT_TRUE(f.frame.RestorePlacement());
    EXPECT_EQ(f.frame.geometry().topLeft(), QPoint(100, 80));
    EXPECT_EQ(f.frame.geometry().size(), QSize(800, 620));

    // Saved from a wider screen: pulled back to the screen's edge less an icon.
    CMemoryRegistry wide;
    wide.SetInt("MainWnd", "x", 5000);
    wide.SetInt("MainWnd", "y", 10);
    wide.SetInt("MainWnd", "cx", 5800);
    wide.SetInt("MainWnd", "cy", 600);
    const auto p = RestorePlacement(wide, 1280, 1024, 32, 32);
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(p->left, 1248);
    EXPECT_EQ(p->top, 10);

    f.frame.SavePlacement();
    EXPECT_EQ(f.settings.GetInt("MainWnd", "x", -1), 100);
    EXPECT_EQ(f.settings.GetInt("MainWnd", "cx", -1), 900);
}

TEST(BtsMessageDialog, CollapsedSizesAndTheDetailsButton) {
    CBtsMessageDlg plain(QStringLiteral("Cannot Open Connection to BTS."), QString(), false);
    EXPECT_EQ(plain.size(), QSize(360, 165));
    EXPECT_FALSE(plain.DetailsButton()->isEnabled());
    plain.Toggle();
    EXPECT_EQ(plain.size(), QSize(360, 165));

    CBtsMessageDlg detailed(QStringLiteral("Cannot Open Connection to BTS."),
                            QStringLiteral("The port /dev/ttyS0 does not answer."), true);
    EXPECT_EQ(detailed.size(), QSize(480, 165));
    EXPECT_EQ(detailed.DetailsButton()->text(), QStringLiteral("&Details >>"));
    detailed.DetailsButton()->click();
    EXPECT_TRUE(detailed.Expanded());
    EXPECT_EQ(detailed.size(), QSize(480, 360));
    EXPECT_EQ(detailed.DetailsButton()->text(), QStringLiteral("&No Details <<"));
    Shoot(detailed, "bts-message-expanded");
    detailed.DetailsButton()->click();
    EXPECT_EQ(detailed.size(), QSize(480, 165));
    Shoot(plain, "bts-message-plain");
}

TEST(ConnectionList, LinesScrollToTheEndAndContinuationsHaveNoTime) {
    FrameFixture f;
    EXPECT_EQ(f.frame.EventList(), nullptr);
    f.doc->OnIdle();
    ASSERT_NE(f.frame.EventList(), nullptr);
    CListViewBTSConnection* list = f.frame.EventList();
    EXPECT_EQ(list->headerItem()->text(0), QStringLiteral("Event Time"));
    EXPECT_EQ(list->headerItem()->text(1), QStringLiteral("Event Description"));
    EXPECT_FALSE(list->header()->sectionsClickable());
    f.doc->LogEvent("BTS Connected");
    f.doc->LogContinuation("second line");
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_FALSE(list->topLevelItem(0)->text(0).isEmpty());
    EXPECT_TRUE(list->topLevelItem(1)->text(0).isEmpty());
    EXPECT_EQ(list->topLevelItem(1)->text(1), QStringLiteral("second line"));
    // The list is shown in the Differences view, which needs the BTS connection enabled.
    f.doc->New(false);
    f.settings.SetInt("Initialization", "EnableBTS", 1);
    f.doc->SettingsChanged();
    f.frame.show();
    f.frame.Action(cmd::kDifferencesView)->trigger();
    QApplication::processEvents();
    ASSERT_TRUE(list->isVisible());
    list->resize(500, 200);
    QApplication::processEvents();
    EXPECT_EQ(list->columnWidth(0), list->viewport()->width() / 5);
}

TEST(Screenshots, MainWindowAndSheetsWithASample) {
    FrameFixture f;
    const std::string sample =
        QDir(QString::fromUtf8(CABRION_TEST_DATA_DIR) + QStringLiteral("/../../docs/samples"))
            .filePath(QStringLiteral("harbour-4x3.hwc"))
            .toStdString();
    f.frame.resize(1100, 700);
    f.frame.show();
    f.doc->OnIdle();
    ASSERT_TRUE(f.doc->OpenPath(sample, true));
    f.doc->LogEvent("Starting Local Connection");
    f.doc->LogEvent("Received message: Orvik BTS reported.");
    QApplication::processEvents();
    EXPECT_EQ(testsupport::ShownTitle(f.frame),
              QStringLiteral("Harbour 4+4+4 - Cabrion No connection to BTS "));
    Shoot(f.frame, "main-window");

    CNewSiteSheetModel open = CNewSiteSheetModel::ForFile(sample);
    CNewSiteSheet openSheet(open);
    EXPECT_EQ(openSheet.FinishButton()->text(), QStringLiteral("Open"));
    EXPECT_TRUE(openSheet.FinishButton()->isEnabled());
    openSheet.show();
    QApplication::processEvents();
    Shoot(openSheet, "open-sheet");

    CSaveSCFSheetModel::SInputs in;
    in.path = sample;
    in.configurationName = "Harbour 4+4+4";
    in.settings = &f.settings;
    CSaveSCFSheetModel save(in, f.frame);
    CSaveSCFSheet saveSheet(save);
    EXPECT_EQ(saveSheet.List()->count(), 2);
    EXPECT_EQ(saveSheet.NameEdit()->text(), QStringLiteral("Harbour 4+4+4"));
    // Typing goes to the model, counter included.
    saveSheet.NameEdit()->clear();
    saveSheet.NameEdit()->insert(QStringLiteral("Harbour B"));
    EXPECT_EQ(save.Name(), "Harbour B");
    saveSheet.show();
    QApplication::processEvents();
    Shoot(saveSheet, "save-sheet");
}

} // namespace

namespace {

// The Open sheet's parse problems sort by a click on their header, again reversed; the page's
// "Open Add dialog" and "Refresh" are there, disabled, as they do nothing yet.
TEST(SiteSheets, ParseProblemsSortByTheirHeader) {
    DocumentFixture f;
    std::vector<std::unique_ptr<CSCFSite>> records;
    records.push_back(OrvikRecord("Only"));
    WriteConfigurations(f.Path("p.hwc"), std::move(records));
    std::string text;
    ASSERT_TRUE(ReadWholeFile(f.Path("p.hwc"), text));
    text.insert(text.rfind("\\EOF"), "\\ZZ_UNKNOWN 1\r\n\\AA_UNKNOWN 2\r\n");
    ASSERT_EQ(WriteFileAtomically(f.Path("p.hwc"), text), "");
    CNewSiteSheetModel model = CNewSiteSheetModel::ForFile(f.Path("p.hwc"));
    CNewSiteSheet sheet(model);
    QTreeWidget* problems = sheet.Problems();
    ASSERT_NE(problems, nullptr);
    ASSERT_EQ(problems->topLevelItemCount(), 2);
    EXPECT_TRUE(problems->header()->sectionsClickable());
    emit problems->header()->sectionClicked(2);
    EXPECT_EQ(problems->topLevelItem(0)->text(2), QStringLiteral("\\AA_UNKNOWN"));
    emit problems->header()->sectionClicked(2);
    EXPECT_EQ(problems->topLevelItem(0)->text(2), QStringLiteral("\\ZZ_UNKNOWN"));
    EXPECT_EQ(problems->header()->sortIndicatorOrder(), Qt::DescendingOrder);
    for (const char* name : {"Open Add dialog", "Refresh"}) {
        QPushButton* button = nullptr;
        for (QPushButton* b : sheet.findChildren<QPushButton*>()) {
            button = b->text() == QLatin1String(name) ? b : button;
        }
        ASSERT_NE(button, nullptr) << name;
        EXPECT_FALSE(button->isEnabled());
    }
}

TEST(SmallDialogs, MissingInformationShowsOkForCompleteListsAndCabinetSheetIsInert) {
    CSiteKODA site;
    CConfigInfoKODA info(&site);
    info.Recompute();
    const auto sections = MissingInformationSections(info);
    EXPECT_EQ(sections[0].heading, "Missing Units:\n");
    EXPECT_EQ(sections[3].heading, "Missing Antenna Settings for:\n");
    for (const auto& s : sections) {
        EXPECT_FALSE(s.text.empty());
    }
    CSendMissingInfoDlg dialog(sections);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Missing Information"));
    dialog.show();
    QApplication::processEvents();
    Shoot(dialog, "missing-information");

    CAddCabinetSheet cabinet;
    ASSERT_EQ(cabinet.List()->topLevelItemCount(), 1);
    EXPECT_EQ(cabinet.List()->topLevelItem(0)->text(0), QStringLiteral("Under construction"));
    cabinet.show();
    QApplication::processEvents();
    Shoot(cabinet, "add-cabinet");
}

} // namespace
