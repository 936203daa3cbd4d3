// The options dialogs over their pages: which pages a sheet carries, what the boxes show from the
// settings, that Cancel writes nothing (colours reset included), that OK writes what was chosen
// and the view manager takes it, and the reader's port conflict asked and then refused.
#include "ui/OptionsDialog.h"
#include "ui/OptionsPages.h"

#include "app/options/CableColours.h"
#include "model/Strings.h"
#include "support/Screenshot.h"
#include "support/ViewTestHost.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QPushButton>
#include <QTabWidget>

namespace {

std::vector<SerialPortEntry> Ports() {
    return {{"COM1", 1, "/dev/ttyS0"}, {"COM2", 2, "/dev/ttyS1"}, {"COM5", 5, "/dev/ttyUSB4"}};
}

QStringList TabTitles(const COptionsDialog& d) {
    QStringList titles;
    for (int i = 0; i < d.Tabs()->count(); ++i) {
        titles << d.Tabs()->tabText(i);
    }
    return titles;
}

void Shoot(QWidget& w, const char* name) {
    testsupport::Shoot(w, QStringLiteral("dialogs"), QLatin1String(name));
}

struct Fixture {
    CMemoryRegistry store;
    testsupport::CViewTestHost host;
    std::unique_ptr<CViewBaseKODA> views;
    QStringList warnings;
    QStringList questions;
    bool answer = false;
    int redraws = 0;

    std::unique_ptr<COptionsDialog> Open(OptionsSheetKind kind, SActiveConnection connection = {}) {
        views = std::make_unique<CViewBaseKODA>(host, store);
        SOptionsContext context;
        context.connection = connection;
        context.viewManager = views.get();
        context.redrawViews = [this] { ++redraws; };
        auto d = std::make_unique<COptionsDialog>(kind, store, Ports(), context);
        d->warn = [this](const std::string& t) { warnings << QString::fromStdString(t); };
        d->ask = [this](const std::string& t) {
            questions << QString::fromStdString(t);
            return answer;
        };
        d->show();
        QApplication::processEvents(); // the first page reads its settings
        return d;
    }
};

TEST(OptionsDialog, SheetsCarryTheirPagesAndShowTheStoredChoices) {
    Fixture f;
    f.store.SetInt("Initialization", "MaxUARTSpeed", 5);
    f.store.SetInt("Initialization", "ComPort", 2);
    f.store.SetInt("Settings", "ViewSettings", 5);
    auto d = f.Open(OptionsSheetKind::Site);
    EXPECT_EQ(TabTitles(*d),
              (QStringList{QStringLiteral("LMP"), QStringLiteral("Display"),
                           QStringLiteral("Cable Colours"), QStringLiteral("Bar Code Reader")}));
    EXPECT_EQ(d->ConnectionPage()->SpeedBox()->currentText(), QStringLiteral("115 200 bps"));
    EXPECT_EQ(d->ConnectionPage()->PortBox()->currentText(), QStringLiteral("COM2 (/dev/ttyS1)"));
    EXPECT_TRUE(d->DisplayPage()->WidebandBox()->isChecked());
    EXPECT_TRUE(d->DisplayPage()->OnlySelectedBox()->isChecked());
    EXPECT_FALSE(d->DisplayPage()->RackShelfSlotBox()->isChecked());
    d->resize(560, 420);
    Shoot(*d, "options_lmp");
    d->Tabs()->setCurrentWidget(d->DisplayPage());
    Shoot(*d, "options_display");

    // A stored speed of 0 chooses nothing rather than the first speed.
    f.store.SetInt("Initialization", "MaxUARTSpeed", 0);
    auto again = f.Open(OptionsSheetKind::NoBTS);
    EXPECT_EQ(TabTitles(*again), QStringList{QStringLiteral("LMP")});
    EXPECT_EQ(again->ConnectionPage()->SpeedBox()->currentIndex(), -1);

    // A remote connection has no local line to set up.
    auto remote = f.Open(OptionsSheetKind::Site, {SActiveConnection::kRemote, 0});
    EXPECT_FALSE(TabTitles(*remote).contains(QStringLiteral("LMP")));
    EXPECT_EQ(remote->ConnectionPage(), nullptr);
}

TEST(OptionsDialog, ColoursReachTheSettingsOnlyThroughOk) {
    Fixture f;
    f.store.SetInt("Settings", "OrvikColor1", 0x123456);
    auto d = f.Open(OptionsSheetKind::Site);
    COptionsCableColoursPage* page = d->ColoursPage();
    ASSERT_NE(page, nullptr);
    d->Tabs()->setCurrentWidget(page);
    page->ResetButton()->click();
    d->Buttons()->button(QDialogButtonBox::Cancel)->click();
    EXPECT_EQ(f.store.GetInt("Settings", "OrvikColor1", -1), 0x123456);
    EXPECT_EQ(f.store.GetInt("Settings", "OrvikColor2", -1), -1);

    auto ok = f.Open(OptionsSheetKind::Site);
    page = ok->ColoursPage();
    ok->Tabs()->setCurrentWidget(page);
    QString title;
    page->choose = [&](const QColor& current, const QString& t) -> std::optional<QColor> {
        title = t;
        EXPECT_EQ(current, QColor(0x56, 0x34, 0x12)) << "the swatch starts from the stored colour";
        return QColor(10, 20, 30);
    };
    page->Swatch(COptionsCableColoringKODA::UnselectedIndex(0))->click();
    EXPECT_EQ(title, QStringLiteral("TX Cabling - Unselected"));
    // A cancelled chooser changes nothing.
    page->choose = [](const QColor&, const QString&) { return std::optional<QColor>(); };
    page->Swatch(COptionsCableColoringKODA::SelectedIndex(4))->click();
    ok->resize(560, 420);
    Shoot(*ok, "options_colours");
    // A new top speed chosen in the same sheet: applying the colours must leave it for the
    // document, which tells the link when the sheet has closed.
    emit ok->ConnectionPage()->SpeedBox()->activated(1);
    ok->Buttons()->button(QDialogButtonBox::Ok)->click();
    EXPECT_TRUE(f.views->SettingsChanged(f.store).newSpeed);
    EXPECT_EQ(f.store.GetInt("Settings", "OrvikColor1", -1),
              static_cast<int>(COptionsCableColoringKODA::Rgb(10, 20, 30)));
    EXPECT_EQ(f.store.GetInt("Settings", "OrvikColor10", -1),
              static_cast<int>(COptionsCableColoringKODA::DefaultColour(9)));
    EXPECT_EQ(f.views->CableColourOrWhite(kGroupTx, false), 0x0A141Eu)
        << "the views take the colour";
    EXPECT_GT(f.redraws, 0);
}

// The reader is ticked on the port of the running local connection: 154 is asked; No keeps it
// ticked, and Apply then refuses it with 156 and writes it unticked.
TEST(OptionsDialog, ReaderOnTheLocalConnectionsPortIsAskedAboutThenRefused) {
    Fixture f;
    f.store.SetInt("Initialization", "EnableBTS", 1);
    f.store.SetInt("Initialization", "UARTPort", 2);
    f.store.SetInt("Initialization", "UARTEnable", 0);
    auto d = f.Open(OptionsSheetKind::Site, {SActiveConnection::kLocal, 2});
    d->Tabs()->setCurrentWidget(d->ReaderPage());
    COptionsBarCodeReaderPage* page = d->ReaderPage();
    EXPECT_FALSE(page->EnableBox()->isChecked());
    EXPECT_FALSE(page->PortBox()->isEnabled());
    EXPECT_EQ(page->PortBox()->currentText(), QStringLiteral("COM2 (/dev/ttyS1)"));
    f.answer = false;
    page->EnableBox()->click();
    ASSERT_EQ(f.questions.size(), 1);
    EXPECT_EQ(f.questions[0].toStdString(), std::string(LoadString(154)));
    EXPECT_TRUE(page->EnableBox()->isChecked());
    EXPECT_TRUE(page->PortBox()->isEnabled());
    d->resize(560, 420);
    Shoot(*d, "options_reader");
    d->Buttons()->button(QDialogButtonBox::Apply)->click();
    ASSERT_EQ(f.warnings.size(), 1);
    EXPECT_EQ(f.warnings[0].toStdString(), std::string(LoadString(156)));
    EXPECT_FALSE(page->EnableBox()->isChecked());
    EXPECT_EQ(f.store.GetInt("Initialization", "UARTEnable", -1), 0);
    EXPECT_EQ(f.store.GetInt("Initialization", "EnableBTS", -1), 1);
}

} // namespace
