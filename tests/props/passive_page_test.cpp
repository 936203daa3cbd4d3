// The Passive Units view and its page together over the sample, through the real widgets: the
// tree and the page follow each other, scans from a pseudo-terminal go into the page's boxes
// only while the page is shown, and the options are read again when they may have changed.
#include "SheetFixture.h"

#include "files/HWInfoFile.h"
#include "peripherals/PtyScanner.h"
#include "platform/SettingsKeys.h"
#include "ui/HelpLauncher.h"
#include "ui/HelpWindow.h"
#include "ui/PagePassiveWidget.h"
#include "ui/props/PropPage.h"
#include "ui/views/BTSConfigurationBar.h"
#include "ui/views/ContainerView.h"
#include "ui/views/ListViewOwn.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cstdlib>

namespace {

constexpr int kFanGroup = 3;
constexpr int kMha = CHWInfoFile::kMhaGroup;

// Answers every message box that comes up (No where it asks) and keeps its text.
struct BoxWatcher {
    QStringList texts;
    QTimer timer;
    BoxWatcher() {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) {
                return;
            }
            texts << box->text();
            QAbstractButton* answer = box->button(QMessageBox::No);
            (answer != nullptr ? answer : box->buttons().first())->click();
        });
        timer.start(20);
    }
};

void Click(CBTSConfigurationTreeView* tree, const SPassiveSelection& node) {
    QTreeWidgetItem* item = tree->ItemOf(node);
    ASSERT_NE(item, nullptr);
    for (QTreeWidgetItem* up = item->parent(); up != nullptr; up = up->parent()) {
        up->setExpanded(true);
    }
    tree->scrollToItem(item);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
}

QPushButton* Button(QWidget* page, const QString& text) {
    for (auto* b : page->findChildren<QPushButton*>()) {
        if (b->text() == text) {
            return b;
        }
    }
    return nullptr;
}

// Types as the keyboard does, letters beyond ASCII included.
void Type(QLineEdit* box, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, c.toUpper().unicode(), Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
    }
}

bool ShowsLabel(QWidget* page, const QString& text) {
    for (auto* l : page->findChildren<QLabel*>()) {
        if (l->text() == text) {
            return true;
        }
    }
    return false;
}

struct PassiveFixture : SheetFixture {
    BoxWatcher boxes;
    PtyScanner scanner;

    PassiveFixture() {
        ::setenv("CABRION_COM7", scanner.path.c_str(), 1);
        settings::Write(settings, settings::kPassiveUnitValidationOption, 1);
        doc->CandidatePassive().SetSlot(kFanGroup, 0, "FAN12345678", "TVFA......A1");
        ShowView(10);
    }
    ~PassiveFixture() { ::unsetenv("CABRION_COM7"); }
    CBTSConfigurationTreeView* Tree() { return frame.Container()->PassiveTree(); }
    CPagePassiveWidget* Page() {
        return CViewPropSheet::Of(frame)->CurrentPage()->findChild<CPagePassiveWidget*>();
    }
    QLineEdit* Box(PassiveField field) { return Page()->Edit(field); }
    void FocusBox(PassiveField field) {
        CViewPropSheet* sheet = CViewPropSheet::Of(frame);
        sheet->activateWindow();
        QApplication::setActiveWindow(sheet);
        Box(field)->setFocus();
        QApplication::processEvents();
    }
};

} // namespace

TEST(PassiveUnitsView, TreeAndPageFollowEachOther) {
    PassiveFixture f;
    ASSERT_TRUE(f.opened);
    ASSERT_EQ(f.frame.Container()->LeftPane(), f.Tree());
    // Tab goes bar, tree, list, as in the other views.
    f.frame.activateWindow();
    QApplication::setActiveWindow(&f.frame);
    f.frame.ViewBar()->setFocus();
    QTest::keyClick(f.frame.ViewBar(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), f.Tree());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), f.frame.Container()->List());

    // What the tree shows when the sheet opens is where the page starts: a unit can be added
    // to the chosen group at once.
    Click(f.Tree(), {0, kMha, -1});
    CViewPropSheet& sheet = f.Open();
    ASSERT_NE(f.Page(), nullptr);
    EXPECT_EQ(f.Page()->Controller().Selection(), (SPassiveSelection{0, kMha, -1}));
    QTest::keyClicks(f.Box(PassiveField::Serial), QStringLiteral("MH123456789"));
    QTest::keyClicks(f.Box(PassiveField::ItemCode), QStringLiteral("SZA1"));
    QTest::keyClicks(f.Box(PassiveField::Revision), QStringLiteral("B"));
    Button(f.Page(), QStringLiteral("&Add"))->click();
    EXPECT_TRUE(f.boxes.texts.isEmpty()) << f.boxes.texts.join(QLatin1Char('|')).toStdString();
    std::string serial, product;
    ASSERT_TRUE(f.doc->CandidatePassive().GetSlot(kMha, 0, serial, product));
    EXPECT_EQ(product, "SZA1.........B");
    EXPECT_EQ(f.Tree()->ItemOf({0, kMha, 0})->text(1), QStringLiteral("MH123456789"));

    // From the filled fan to the MHA group: Delete asks about the group and, told No, leaves
    // the fan where it is.
    Click(f.Tree(), {0, kFanGroup, 0});
    EXPECT_EQ(f.Box(PassiveField::Serial)->text(), QStringLiteral("FAN12345678"));
    Click(f.Tree(), {0, kMha, -1});
    EXPECT_EQ(f.Page()->Controller().Selection(), (SPassiveSelection{0, kMha, -1}));
    Button(f.Page(), QStringLiteral("&Delete"))->click();
    ASSERT_EQ(f.boxes.texts.size(), 1);
    EXPECT_EQ(f.boxes.texts[0], QStringLiteral("Are you sure you want to delete all items\n"
                                               "belongin to (MHA) Mast Head Amplifier."));
    EXPECT_EQ(f.doc->CandidatePassive().FilledCount(), 2);

    // The page's location and unit type select their nodes in the tree; a node the frame
    // names (a list row) is selected there and shown on the page.
    auto* location = f.Page()->findChild<QComboBox*>();
    location->setCurrentIndex(2);
    emit location->activated(2);
    EXPECT_EQ(f.Tree()->Selected(), (SPassiveSelection{2, 0, -1}));
    ASSERT_TRUE(Choose(f.Page()->findChildren<QComboBox*>()[1], 16));
    EXPECT_EQ(f.Tree()->Selected(), (SPassiveSelection{2, 16, -1}));
    f.Views().Host().ShowPassiveNode(0, kFanGroup, 0);
    EXPECT_EQ(f.Tree()->Selected(), (SPassiveSelection{0, kFanGroup, 0}));
    EXPECT_EQ(f.Page()->Controller().Selection(), (SPassiveSelection{0, kFanGroup, 0}));

    // Help opens the page's part of the guide.
    f.frame.Help().SetFolder(QString::fromUtf8(CABRION_TEST_DATA_DIR "/../../docs/help"));
    QPushButton* help = Button(f.Page(), QStringLiteral("&Help"));
    ASSERT_NE(help, nullptr);
    help->click();
    ASSERT_NE(f.frame.Help().Window(), nullptr);
    EXPECT_EQ(f.frame.Help().Window()->Source().fileName(), QStringLiteral("passive-units.html"));
    sheet.close();
}

TEST(PassiveUnitsView, TheReaderFillsThePageOnlyWhileItIsShown) {
    PassiveFixture f;
    ASSERT_TRUE(f.opened);
    settings::Write(f.settings, settings::kUARTEnable, 1);
    settings::Write(f.settings, settings::kUARTPort, 7);
    Click(f.Tree(), {0, kMha, 1});
    CViewPropSheet& sheet = f.Open();
    ASSERT_TRUE(f.Page()->ReaderRunning());

    // Serial number, then the product identifier into its composed box.
    f.FocusBox(PassiveField::Serial);
    ASSERT_TRUE(f.scanner.Send("ZX123456789\r\n"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.Box(PassiveField::Product)->hasFocus(); }, 3000));
    EXPECT_EQ(f.Box(PassiveField::Serial)->text(), QStringLiteral("ZX123456789"));
    ASSERT_TRUE(f.scanner.Send("KRC1........R2\r\n"));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return f.Box(PassiveField::ItemCode)->text() == QStringLiteral("KRC1"); }, 3000));
    // and the focus goes on, as after every scan.
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.Box(PassiveField::ItemCode)->hasFocus(); }, 3000));
    EXPECT_EQ(f.Box(PassiveField::Revision)->text(), QStringLiteral(".R2"));
    EXPECT_EQ(f.Box(PassiveField::Product)->text(), QStringLiteral("KRC1........R2"));
    EXPECT_TRUE(f.boxes.texts.isEmpty()) << f.boxes.texts.join(QLatin1Char('|')).toStdString();
    Shoot(sheet, QStringLiteral("passive-scanned"));
    Button(f.Page(), QStringLiteral("&Add"))->click();
    std::string serial, product;
    ASSERT_TRUE(f.doc->CandidatePassive().GetSlot(kMha, 1, serial, product));
    EXPECT_EQ(serial, "ZX123456789");
    EXPECT_EQ(product, "KRC1........R2");

    // An identifier the parts cannot make is refused aloud, and the box keeps the focus.
    f.FocusBox(PassiveField::Product);
    ASSERT_TRUE(f.scanner.Send("KRC1234567R1AB\r"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !f.boxes.texts.isEmpty(); }, 3000));
    EXPECT_TRUE(f.boxes.texts[0].contains(QStringLiteral("Item Code")));
    EXPECT_EQ(f.Box(PassiveField::Product)->text(), QStringLiteral("KRC1........R2"));
    EXPECT_EQ(sheet.focusWidget(), f.Box(PassiveField::Product));

    // Another view: the page is away and so is the reader; a scan does not reach a box of
    // another window.
    CPagePassiveWidget* page = f.Page();
    f.ShowView(2);
    EXPECT_FALSE(page->ReaderRunning());
    QLineEdit elsewhere;
    elsewhere.show();
    QApplication::setActiveWindow(&elsewhere);
    elsewhere.setFocus();
    ASSERT_TRUE(f.scanner.Send("LOST1234567\r"));
    QTest::qWait(1000);
    EXPECT_TRUE(elsewhere.text().isEmpty());
    f.ShowView(10);
    EXPECT_TRUE(page->ReaderRunning());
    sheet.close();
    EXPECT_FALSE(page->ReaderRunning());

    // Without validation, set while the sheet was closed: characters of the code page count
    // one each, and are stored as the files hold them.
    settings::Write(f.settings, settings::kPassiveUnitValidationOption, 0);
    settings::Write(f.settings, settings::kUARTEnable, 0);
    f.Open();
    EXPECT_FALSE(f.Box(PassiveField::Product)->isReadOnly());
    EXPECT_FALSE(f.Box(PassiveField::ItemCode)->isVisible());
    Click(f.Tree(), {0, kMha, 2});
    Type(f.Box(PassiveField::Serial), QStringLiteral("ABCDEFGHIJ\u00c4"));
    Type(f.Box(PassiveField::Product), QStringLiteral("PRODUCT-\u00e91234."));
    EXPECT_TRUE(ShowsLabel(f.Page(), QStringLiteral("11 / 11")));
    EXPECT_TRUE(ShowsLabel(f.Page(), QStringLiteral("14 / 14")));
    Button(f.Page(), QStringLiteral("&Add"))->click();
    EXPECT_EQ(f.boxes.texts.size(), 1) << f.boxes.texts.join(QLatin1Char('|')).toStdString();
    ASSERT_TRUE(f.doc->CandidatePassive().GetSlot(kMha, 2, serial, product));
    EXPECT_EQ(serial, "ABCDEFGHIJ\xC4");
    EXPECT_EQ(f.Tree()->ItemOf({0, kMha, 2})->text(1), QStringLiteral("ABCDEFGHIJ\u00c4"));
    EXPECT_EQ(f.frame.Container()
                  ->List()
                  ->findItems(QStringLiteral("ABCDEFGHIJ\u00c4"), Qt::MatchExactly, 1)
                  .size(),
              1);
}

// Applying the reader options restarts the page's reader once, so an open failure is told once.
TEST(PassiveUnitsView, AppliedReaderOptionsTellAnOpenFailureOnce) {
    PassiveFixture f;
    ASSERT_TRUE(f.opened);
    f.Open();
    ::setenv("CABRION_COM8", "/nonexistent/tty", 1);
    settings::Write(f.settings, settings::kUARTEnable, 1);
    settings::Write(f.settings, settings::kUARTPort, 8);
    RestartPassiveReaders();
    ::unsetenv("CABRION_COM8");
    QTest::qWait(200);
    ASSERT_EQ(f.boxes.texts.size(), 1) << f.boxes.texts.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(f.boxes.texts[0].contains(QStringLiteral("Cannot initalize COM Port")));
}
