// The wizard's window over a document with a scripted link: the New way walked page by page,
// Cancel, the placement beside the main window and the update-only opening at start-up.
#include "app/WizardTestSupport.h"
#include "app/wizard/WizardFlow.h"
#include "model/Cabling.h"
#include "rules/RuleBook.h"
#include "support/FrameDocument.h"
#include "support/Screenshot.h"
#include "ui/MainFrame.h"
#include "wizard/WizardCheckWidgets.h"
#include "wizard/WizardFlowWidgets.h"
#include "wizard/WizardNewWidgets.h"
#include "wizard/WizardOpening.h"
#include "wizard/WizardPageDirectory.h"
#include "wizard/WizardSearchValidConfig.h"
#include "wizard/WizardSheet.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFontInfo>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QTreeWidget>

using namespace wizard;

namespace {

// Pictures of the pages for a person to look at.
void Shoot(QWidget& w, const QString& name) {
    testsupport::Shoot(w, QStringLiteral("wizard"), name);
}

struct SheetFixture {
    WizardLink link;
    CMemoryRegistry settings;
    CMainFrame frame;
    std::unique_ptr<CBTSConfigurationDoc> doc;

    SheetFixture() {
        CBtsConfiguration::Drop();
        settings.SetInt("Initialization", "EnableBTS", 1);
        doc = testsupport::AttachNewDocument(frame, link, settings);
        frame.setGeometry(0, 0, 1200, 800);
        frame.show();
    }
    ~SheetFixture() {
        frame.AttachDocument(nullptr);
        doc.reset();
        CBtsConfiguration::Drop();
    }
};

template <class T> T* PageOf(CWizardSheet& sheet, int id) {
    return dynamic_cast<T*>(sheet.Page(id));
}

// Every text of the list fits its column: shares give way to what the column holds.
void ExpectNothingCut(QTreeWidget* list) {
    QApplication::processEvents();
    for (int c = 0; c < list->columnCount(); ++c) {
        for (int r = 0; r < list->topLevelItemCount(); ++r) {
            const QString text = list->topLevelItem(r)->text(c);
            EXPECT_GE(list->header()->sectionSize(c), list->fontMetrics().horizontalAdvance(text))
                << text.toStdString();
        }
    }
}

void ChooseData(QComboBox* combo, int data) {
    const int index = combo->findData(data);
    ASSERT_GE(index, 0) << data;
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

} // namespace

TEST(WizardSheetWindow, NewWayWalkedPageByPage) {
    SheetFixture f;
    f.doc->New(false);
    CWizardSheet sheet(*f.doc, f.frame, f.settings, false, &f.frame);
    sheet.show();
    QApplication::processEvents();
    ASSERT_EQ(sheet.currentId(), kPageWizardWay);
    auto* way = PageOf<CWizardPageWizardWay>(sheet, kPageWizardWay);
    // Without a connection Search cannot be chosen and New is offered.
    EXPECT_FALSE(way->Radio(kWaySearch)->isEnabled());
    EXPECT_TRUE(way->Radio(kWayNew)->isChecked());
    Shoot(sheet, QStringLiteral("01-way"));
    sheet.next();
    ASSERT_EQ(sheet.currentId(), kPagePreference);

    auto* preference = PageOf<CWizardPagePreference>(sheet, kPagePreference);
    const auto found =
        preference->Configurations()->findItems(QStringLiteral("6+6 (RTC)"), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    preference->Configurations()->setCurrentItem(found.front());
    ChooseData(preference->Network(), 1);
    // Every page has its picture on the left; the lists keep their columns' shares.
    for (const int id : sheet.pageIds()) {
        EXPECT_FALSE(sheet.page(id)->pixmap(QWizard::WatermarkPixmap).isNull()) << id;
    }
    QTreeWidget* preview = preference->Preview();
    EXPECT_NEAR(preview->header()->sectionSize(0), preview->width() * 33 / 100, 1);
    EXPECT_NEAR(preview->header()->sectionSize(1), preview->width() * 27 / 100, 1);
    EXPECT_EQ(preview->headerItem()->textAlignment(2), Qt::AlignCenter);
    Shoot(sheet, QStringLiteral("02-sector-configuration"));
    sheet.next();
    ASSERT_EQ(sheet.currentId(), kPagePreDefined);
    auto* groups = PageOf<CWizardPagePreDefined>(sheet, kPagePreDefined);
    EXPECT_EQ(groups->List()->topLevelItem(0)->text(1), QStringLiteral("RTC"));
    EXPECT_EQ(groups->List()->topLevelItem(6)->text(2), QStringLiteral("2"));
    ExpectNothingCut(groups->List());
    Shoot(sheet, QStringLiteral("03-rvx-groups"));
    sheet.next();
    ASSERT_EQ(sheet.currentId(), kPageDiversity);
    auto* diversity = PageOf<CWizardPageDiversity>(sheet, kPageDiversity);
    EXPECT_TRUE(diversity->List()->topLevelItem(0)->text(1).endsWith(QStringLiteral(" div")));
    Shoot(sheet, QStringLiteral("04-diversity"));
    sheet.next();
    ASSERT_EQ(sheet.currentId(), kPageAntenna);
    auto* antennas = PageOf<CWizardPageAntenna>(sheet, kPageAntenna);
    antennas->HighGain()->click();
    EXPECT_EQ(antennas->List()->topLevelItem(0)->text(2), QStringLiteral("High gain MHA"));
    EXPECT_EQ(antennas->List()->topLevelItem(11)->text(1), QStringLiteral("None"));
    ExpectNothingCut(antennas->List());
    Shoot(sheet, QStringLiteral("05-antennas"));
    sheet.next();
    ASSERT_EQ(sheet.currentId(), kPageNewLast);
    auto* last = PageOf<CWizardPageNewLast>(sheet, kPageNewLast);
    ASSERT_EQ(last->List()->count(), 10);
    EXPECT_TRUE(last->List()->item(3)->text().startsWith(QStringLiteral("Units:")));
    EXPECT_EQ(last->List()->item(9)->text().toStdString(),
              "Antenna settings:     4 antennas with MHAs");
    EXPECT_TRUE(sheet.button(QWizard::FinishButton)->isVisible());
    Shoot(sheet, QStringLiteral("06-summary"));
    Shoot(f.frame, QStringLiteral("07-main-window-after-new"));

    // What the wizard built is wired as the rule book wants it.
    CSiteKODA& site = *f.doc->SiteKODA();
    CRuleBookKODA book;
    int position = 0;
    int cables = 0;
    for (CCabling* c = site.FirstCable(position, kSelectCandidate); c != nullptr;
         c = site.NextCable(position, kSelectCandidate), ++cables) {
        EXPECT_NE(book.CheckCable(*c->Start(), *c->End()).severity, kSeverityCritical);
    }
    EXPECT_GT(cables, 12);
    sheet.accept();
    EXPECT_EQ(sheet.result(), QDialog::Accepted);
    EXPECT_NE(site.FindUnit(kUnitKindRtc, 2, kSelectCandidate), nullptr);
    EXPECT_EQ(f.doc->CommandText(57643), "&Undo Wizard\tCtrl + Z");
}

TEST(WizardSheetWindow, CancelAfterANewRunGivesBackTheEarlierCandidate) {
    SheetFixture f;
    f.doc->New(false);
    CWizardSheet sheet(*f.doc, f.frame, f.settings, false, &f.frame);
    sheet.show();
    QApplication::processEvents();
    sheet.next();
    auto* preference = PageOf<CWizardPagePreference>(sheet, kPagePreference);
    preference->Configurations()->setCurrentItem(
        preference->Configurations()->findItems(QStringLiteral("2+2+2"), Qt::MatchExactly).front());
    sheet.next();
    ASSERT_NE(f.doc->SiteKODA()->FindUnit(kUnitKindDdu, 1, kSelectCandidate), nullptr);
    sheet.reject();
    EXPECT_EQ(f.doc->SiteKODA()->FindUnit(kUnitKindDdu, 1, kSelectCandidate), nullptr);
}

TEST(WizardSheetWindow, SitsBesideTheMainWindow) {
    SheetFixture f;
    f.doc->New(false);
    const QRect main = f.frame.frameGeometry();
    {
        // Room enough: 420 pixels in from the main window's left edge, 35 down.
        CWizardSheet sheet(*f.doc, f.frame, f.settings, false, &f.frame);
        sheet.resize(600, 500);
        sheet.move(100, 100);
        sheet.show();
        QApplication::processEvents();
        EXPECT_EQ(sheet.frameGeometry().left(), main.left() + 420);
        // 35 below where it was put; the platform may place the frame a margin off.
        EXPECT_NEAR(sheet.frameGeometry().top(), 135, 2);
        Shoot(f.frame, QStringLiteral("08-main-window-with-wizard"));
        sheet.reject();
    }
    {
        // Too wide for that: the sheet ends where the main window ends.
        CWizardSheet sheet(*f.doc, f.frame, f.settings, false, &f.frame);
        sheet.resize(900, 500);
        sheet.move(100, 100);
        sheet.show();
        QApplication::processEvents();
        EXPECT_EQ(sheet.frameGeometry().right(), main.right());
        sheet.reject();
    }
}

TEST(WizardSheetWindow, UpdateOnlyOpensOnceOnTheWaitingPageWithoutBack) {
    SheetFixture f;
    const std::string path =
        (QDir::tempPath() + QStringLiteral("/cabrion-wizard-start.hwc")).toStdString();
    std::vector<std::unique_ptr<CSCFSite>> records;
    records.push_back(OrvikRecord("Alpha"));
    records.push_back(OrvikRecord("Beta"));
    WriteConfigurations(path, std::move(records));
    f.doc->New(false);
    f.doc->SetStartupSiteFile(path, 2);
    f.doc->OnIdle();
    f.doc->OnIdle();
    ASSERT_EQ(f.doc->ConfigurationName(), "Beta");

    int shownOn = -1;
    bool backEnabled = true;
    QString firstLine;
    // Once the sheet is up and its first page entered.
    QTimer::singleShot(200, [&] {
        auto* sheet = qobject_cast<CWizardSheet*>(QApplication::activeModalWidget());
        ASSERT_NE(sheet, nullptr);
        shownOn = sheet->currentId();
        backEnabled = sheet->button(QWizard::BackButton)->isEnabled();
        auto* wait = PageOf<CWizardPageWaitForBTS>(*sheet, kPageWaitForBTS);
        firstLine = wait->Status()->item(0)->text();
        Shoot(*sheet, QStringLiteral("10-update-only-waiting"));
        sheet->reject();
    });
    EXPECT_TRUE(OpenStartupWizard(f.frame, *f.doc, f.settings));
    EXPECT_EQ(shownOn, kPageWaitForBTS);
    EXPECT_FALSE(backEnabled);
    EXPECT_EQ(firstLine, QStringLiteral("Waiting for BTS connection..."));
    // Once only.
    EXPECT_FALSE(OpenStartupWizard(f.frame, *f.doc, f.settings));
    QFile::remove(QString::fromStdString(path));
}

TEST(WizardSheetWindow, WizardCommandOpensOnTheWayPageAndSearchLeadsToTheDirectory) {
    SheetFixture f;
    f.doc->New(false);
    InstallWizard(f.frame, *f.doc, f.settings);
    QAction* command = f.frame.Action(32772);
    ASSERT_NE(command, nullptr);
    EXPECT_TRUE(command->isEnabled());
    f.link.GoUp(2);

    int firstPage = -1;
    int afterSearch = -1;
    bool searchEnabled = false;
    std::string undoText;
    QStringList subtitles;
    QTimer::singleShot(200, [&] {
        auto* sheet = qobject_cast<CWizardSheet*>(QApplication::activeModalWidget());
        ASSERT_NE(sheet, nullptr);
        firstPage = sheet->currentId();
        // A subtitle would give its page alone the header band of the wizard.
        for (const int id : sheet->pageIds()) {
            if (!sheet->page(id)->subTitle().isEmpty()) {
                subtitles << sheet->page(id)->title();
            }
        }
        undoText = f.doc->CommandText(57643);
        auto* way = PageOf<CWizardPageWizardWay>(*sheet, kPageWizardWay);
        searchEnabled = way->Radio(kWaySearch)->isEnabled();
        way->Radio(kWaySearch)->click();
        sheet->next();
        afterSearch = sheet->currentId();
        Shoot(*sheet, QStringLiteral("11-search-directory"));
        sheet->reject();
    });
    command->trigger();
    EXPECT_EQ(firstPage, kPageWizardWay);
    EXPECT_EQ(undoText, "&Undo Wizard\tCtrl + Z");
    EXPECT_TRUE(searchEnabled);
    EXPECT_EQ(afterSearch, kPageDirectory);
    EXPECT_TRUE(subtitles.isEmpty()) << subtitles.join(QStringLiteral(", ")).toStdString();
}

TEST(WizardSheetWindow, CheckAndUpdateWayWalkedPageByPage) {
    SheetFixture f;
    f.doc->New(false);
    f.link.GoUp(2);
    f.link.bcf = 9;
    CWizardSheet sheet(*f.doc, f.frame, f.settings, false, &f.frame);
    sheet.show();
    QApplication::processEvents();
    PageOf<CWizardPageWizardWay>(sheet, kPageWizardWay)->Radio(kWayCheckAndUpdate)->click();
    Shoot(sheet, QStringLiteral("20-check-way"));
    // The sheet keeps the size the user gave it, however small; pages scroll within it.
    sheet.resize(560, 400);
    QApplication::processEvents();
    const QSize size = sheet.size();
    const std::vector<std::pair<int, QString>> pages{
        {kPageSCF, QStringLiteral("21-select-configuration")},
        {kPageWaitForBTS, QStringLiteral("22-bts-connection")},
        {kPageCabinet, QStringLiteral("23-cabinet")},
        {kPageBB2XCon, QStringLiteral("24-cross-connection")},
        {kPageFastCablingCheck, QStringLiteral("25-current-cabling")},
        {kPageSimpleAnt, QStringLiteral("26-antenna-settings")},
        {kPagePassive, QStringLiteral("27-passive-units")},
        {kPageLast, QStringLiteral("28-report")}};
    for (const auto& [id, name] : pages) {
        sheet.next();
        QApplication::processEvents();
        ASSERT_EQ(sheet.currentId(), id) << name.toStdString();
        EXPECT_EQ(sheet.size(), size) << name.toStdString();
        Shoot(sheet, name);
    }
    // The passive units are listed in their groups, and the instruction says its line once.
    auto* passive = PageOf<CWizardPagePassive>(sheet, kPagePassive);
    const auto trees = passive->findChildren<QTreeWidget*>();
    ASSERT_EQ(trees.size(), 1);
    EXPECT_GT(trees.front()->topLevelItemCount(), 0);
    EXPECT_GT(trees.front()->topLevelItem(0)->childCount(), 0);
    int thenNext = 0;
    for (const QLabel* label : passive->findChildren<QLabel*>()) {
        thenNext += static_cast<int>(label->text().count(QStringLiteral("Then click Next")));
    }
    EXPECT_EQ(thenNext, 1);
    // The report page ends the way with Finish, not Next; its report is padded to columns of
    // characters, which only a fixed-pitch font keeps in line.
    auto* report = PageOf<CWizardPageLast>(sheet, kPageLast);
    for (const QLabel* label : report->findChildren<QLabel*>()) {
        EXPECT_FALSE(label->text().contains(QStringLiteral("click Next")))
            << label->text().toStdString();
    }
    const auto boxes = report->findChildren<QPlainTextEdit*>();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(QFontInfo(boxes.front()->font()).fixedPitch());
    // Not connected any more: Cancel has no question to ask.
    f.link.Stop();
    sheet.reject();
}

// The rows chosen stay selected after each choice, as the next choice still applies to them;
// and an illegal band mix is questioned with No as the answer Enter gives.
TEST(SectorAndNetworkWindow, KeepsTheSelectionAndDefaultsToNo) {
    SheetFixture f;
    CWizardSheetModel model(*f.doc, f.frame, f.settings);
    model.Begin();
    CSectorAndNetworkDlg dialog(model, model.Sectors().FindByName("2+2+2"), 1, &f.frame);
    dialog.show();
    auto* list = dialog.findChild<QTreeWidget*>();
    const QList<QComboBox*> boxes = dialog.findChildren<QComboBox*>();
    ASSERT_TRUE(list != nullptr && boxes.size() == 2);
    list->topLevelItem(0)->setSelected(true);
    list->topLevelItem(1)->setSelected(true);
    emit boxes[0]->activated(2); // sector 3
    EXPECT_EQ(list->selectedItems().size(), 2);
    EXPECT_EQ(list->topLevelItem(1)->text(1), QStringLiteral("3"));
    Shoot(dialog, QStringLiteral("sector-and-network"));

    // 900 beside 1800 and 1900 cannot live in one cabinet.
    ChooseData(boxes[1], 2);
    list->clearSelection();
    list->topLevelItem(5)->setSelected(true);
    ChooseData(boxes[1], 4);
    bool asked = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        asked = true;
        EXPECT_EQ(box->icon(), QMessageBox::Warning);
        EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::No));
        box->defaultButton()->click();
    });
    dialog.accept();
    EXPECT_TRUE(asked);
    EXPECT_TRUE(dialog.isVisible()) << "No keeps the dialog open";
}

// Alt+N is Next on every page: a control of a page that also claims N takes the key, and the
// user stays on the page.
TEST(WizardSheetWindow, NoPageTakesAltNFromNext) {
    SheetFixture f;
    f.doc->New(false);
    CWizardSheet sheet(*f.doc, f.frame, f.settings, false, &f.frame);
    const auto mnemonic = [](const QString& text) {
        const qsizetype at = QString(text).replace(QStringLiteral("&&"), QString()).indexOf('&');
        return at >= 0 && at + 1 < text.size() ? text.at(at + 1).toLower() : QChar();
    };
    QStringList clashes;
    for (const int id : sheet.pageIds()) {
        for (const QAbstractButton* b : sheet.page(id)->findChildren<QAbstractButton*>()) {
            if (mnemonic(b->text()) == QLatin1Char('n')) {
                clashes << sheet.page(id)->title() + QStringLiteral(": ") + b->text();
            }
        }
        for (const QLabel* l : sheet.page(id)->findChildren<QLabel*>()) {
            if (l->buddy() != nullptr && mnemonic(l->text()) == QLatin1Char('n')) {
                clashes << sheet.page(id)->title() + QStringLiteral(": ") + l->text();
            }
        }
    }
    EXPECT_TRUE(clashes.isEmpty()) << clashes.join(QStringLiteral("; ")).toStdString();
}
