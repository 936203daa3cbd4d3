// The main window and the property sheet over a Selmo site: view 12 alone in the bar and the
// View menu, its list, the two pages that edit and show the pairs, and the options dialog of
// the family that stores nothing.
#include "SheetFixture.h"

#include "app/views/ViewBaseTARN.h"
#include "model/SiteTARN.h"
#include "paint/PictureExport.h"
#include "ui/OptionsDialog.h"
#include "ui/OptionsTARNDialog.h"
#include "ui/props/SelmoPages.h"
#include "ui/views/BTSConfigurationBar.h"
#include "ui/views/BTSConfigurationView.h"
#include "ui/views/ContainerView.h"
#include "ui/views/ListViewOwn.h"

#include <QAccessible>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QImage>
#include <QMenuBar>
#include <QPushButton>

namespace {

struct SelmoSheetFixture : SheetFixture {
    SelmoSheetFixture() : SheetFixture(QString()) {
        EXPECT_TRUE(doc->NewSiteOfType(CBTSConfigurationDoc::kSelmoBtsType));
        CDataBase* db = Site().GetConfiguration(kSelectCandidate);
        for (int n = 1; n <= 4; ++n) {
            auto trx = std::make_unique<CUnitTTRX>();
            trx->SetNumber(n);
            trx->SetType(n <= 2 ? 1001 : 1004);
            db->AddUnit(std::move(trx));
        }
        auto power = std::make_unique<CUnitTPWR>();
        power->SetNumber(1);
        power->SetType(2);
        db->AddUnit(std::move(power));
        auto transmission = std::make_unique<CUnitTTRE>();
        transmission->SetNumber(1);
        transmission->SetType(1101);
        db->AddUnit(std::move(transmission));
        Site().SetDiversityPair(1, 2);
        Site().SetDiversityPair(3, 4);
        doc->MarkConfigurationChanged(false);
        doc->RefreshViews();
        frame.UpdateCommands();
        QApplication::processEvents();
    }
    CSiteTARN& Site() { return *doc->SiteTARN(); }
    CViewBase& SelmoViews() { return *doc->AnyViewManager(); }
};

QStringList MenuTitles(CMainFrame& frame) {
    QStringList titles;
    for (QAction* a : frame.menuBar()->actions()) {
        titles << a->text();
    }
    return titles;
}

} // namespace

TEST(SelmoWindow, TheMainWindowShowsViewTwelveAloneWithItsListAndMenu) {
    SelmoSheetFixture f;
    ASSERT_NE(f.frame.Container(), nullptr);
    ASSERT_NE(f.frame.ViewBar(), nullptr);
    EXPECT_EQ(f.frame.ViewBar()->State().Entries().size(), 1u);
    EXPECT_EQ(MenuTitles(f.frame), (QStringList{QStringLiteral("&File"), QStringLiteral("&Edit"),
                                                QStringLiteral("&View"), QStringLiteral("&Help")}));
    QAction* view = f.frame.Action(32784);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->text(), QStringLiteral("RX Diversity Pairs"));
    EXPECT_TRUE(view->isChecked());
    EXPECT_FALSE(f.frame.Action(cmd::kConnectLocal)->isVisible())
        << "no link buttons for a family without a BTS connection";

    CListViewOwn* list = f.frame.Container()->List();
    ASSERT_EQ(list->topLevelItemCount(), 4);
    EXPECT_EQ(list->topLevelItem(0)->text(1), QStringLiteral("OEGA 2"));
    EXPECT_EQ(list->topLevelItem(3)->text(0), QStringLiteral("ICTG 4"));
    // Choosing a row selects its transceiver in the picture.
    list->setCurrentItem(list->topLevelItem(2));
    QApplication::processEvents();
    EXPECT_EQ(f.SelmoViews().SelectedNumber(), 3);
    const SCabinetScene& scene = f.frame.Container()->Picture()->Scene();
    EXPECT_TRUE(scene.selmo);
    EXPECT_EQ(scene.cables.size(), 1u) << "only the selected cabling, as the option stands";
    f.SelmoViews().SetViewSettings(1);
    f.SelmoViews().Redraw();
    QApplication::processEvents();
    EXPECT_EQ(f.frame.Container()->Picture()->Scene().cables.size(), 2u);
    Shoot(f.frame, QStringLiteral("selmo-main-window"));

    // Screen readers hear the units by the names written on them.
    QAccessibleInterface* access =
        QAccessible::queryAccessibleInterface(f.frame.Container()->Picture());
    ASSERT_NE(access, nullptr);
    QStringList names;
    for (int i = 0; i < access->childCount(); ++i) {
        names << access->child(i)->text(QAccessible::Name);
    }
    EXPECT_TRUE(names.contains(QStringLiteral("ICTG 3")));
    EXPECT_TRUE(names.contains(QStringLiteral("Interface 1")));

    // Export writes the same picture.
    const QString png = QDir::temp().filePath(QStringLiteral("cabrion-selmo-export.png"));
    QString error;
    ASSERT_TRUE(paint::ExportPicture(f.SelmoViews().BuildScene(), png, 1.0, &error))
        << error.toStdString();
    EXPECT_EQ(QImage(png).width(), CViewBaseTARN::kWidth);
    QFile::remove(png);

    // A double click on a transceiver selects it and opens its properties.
    const SCabinetScene now = f.SelmoViews().BuildScene();
    const SSceneUnit* four = now.Find(f.Site().FindTrx(4));
    ASSERT_NE(four, nullptr);
    f.SelmoViews().DoubleClick({four->rect.left + 5, four->rect.top + 5});
    QApplication::processEvents();
    ASSERT_NE(CViewPropSheet::Of(f.frame), nullptr);
    EXPECT_TRUE(CViewPropSheet::Of(f.frame)->isVisible());
    EXPECT_EQ(f.Current<CPageRXDivTARN>().Controller().Chosen(), 4);
    CViewPropSheet::Of(f.frame)->close();

    // An Orvik file afterwards brings the full menu and its buttons back.
    f.doc->New(false);
    QApplication::processEvents();
    EXPECT_EQ(MenuTitles(f.frame).size(), 6) << "with the BTS and Connection menus";
    EXPECT_TRUE(f.frame.Action(cmd::kConnectLocal)->isVisible());
    EXPECT_EQ(f.frame.ViewBar()->State().Entries().size(), 9u);
}

TEST(SelmoWindow, TheSheetShowsTheTwoPagesAndPairsThroughThem) {
    SelmoSheetFixture f;
    CViewPropSheet& sheet = f.Open();
    EXPECT_EQ(sheet.windowTitle(), QStringLiteral(" Properties"));
    ASSERT_EQ(sheet.Tabs()->count(), 2);
    EXPECT_EQ(sheet.Tabs()->tabText(0), QStringLiteral("RX Diversity"));
    EXPECT_EQ(sheet.Tabs()->tabText(1), QStringLiteral("Options"));
    auto& page = f.Current<CPageRXDivTARN>();
    EXPECT_EQ(page.TrxBox()->accessibleName(), QStringLiteral("Transceiver"));
    EXPECT_EQ(page.PartnerBox()->accessibleName(), QStringLiteral("Pair with"));
    EXPECT_FALSE(page.SetButton()->isEnabled());

    ASSERT_TRUE(Choose(page.TrxBox(), 1));
    EXPECT_EQ(f.SelmoViews().SelectedNumber(), 1);
    EXPECT_EQ(page.PartnerBox()->count(), 4) << "\"-\" and the three others";
    ASSERT_TRUE(Choose(page.PartnerBox(), 4));
    ASSERT_TRUE(page.SetButton()->isEnabled());
    page.SetButton()->click();
    QApplication::processEvents();
    EXPECT_EQ(f.Site().FindTrx(1)->DiversityPair(), 4);
    EXPECT_FALSE(f.Site().FindTrx(2)->HasDiversityPair());
    EXPECT_EQ(f.UndoText(), "&Undo Set RX Diversity Pair\tCtrl + Z");
    EXPECT_TRUE(f.doc->ConfigurationChanged());
    CListViewOwn* list = f.frame.Container()->List();
    EXPECT_EQ(list->topLevelItem(0)->text(1), QStringLiteral("ICTG 4"))
        << "the list follows the edit";
    Shoot(sheet, QStringLiteral("selmo-rx-diversity"));

    // Undo in the main window gives the pair back; the page shows it when shown again.
    f.frame.Action(cmd::kUndo)->trigger();
    QApplication::processEvents();
    EXPECT_EQ(f.Site().FindTrx(1)->DiversityPair(), 2);

    sheet.Tabs()->setCurrentIndex(1);
    auto& options = f.Current<CPageOptionsRXDivTARN>();
    const bool before = options.OnlySelectedBox()->isChecked();
    options.OnlySelectedBox()->click();
    EXPECT_EQ(f.SelmoViews().ShowOnlySelectedCabling(), !before);
    EXPECT_EQ((f.settings.GetInt("Settings", "ViewSettings", 5) & 4) != 0, !before);
    Shoot(sheet, QStringLiteral("selmo-options"));
}

TEST(SelmoWindow, TheOptionsCommandOpensCableColoringWhichStoresNothing) {
    SelmoSheetFixture f;
    f.settings.SetInt("Settings", "ViewSettings", 1);
    QString title;
    bool hadReset = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<COptionsTARNDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            ADD_FAILURE() << "no Selmo options dialog";
            return;
        }
        title = dialog->windowTitle();
        hadReset = dialog->ResetButton()->text() == QStringLiteral("Reset Colors") &&
                   dialog->ColourFrame() != nullptr;
        Shoot(*dialog, QStringLiteral("selmo-cable-coloring"));
        dialog->ResetButton()->click();
        dialog->Buttons()->button(QDialogButtonBox::Ok)->click();
    });
    InstallOptions(f.frame, *f.doc, f.settings, {});
    f.frame.UpdateCommands();
    f.frame.Action(cmd::kOptions)->trigger();
    EXPECT_EQ(title, QStringLiteral("Cable Coloring"));
    EXPECT_TRUE(hadReset);
    EXPECT_EQ(f.settings.GetInt("Settings", "ViewSettings", -1), 1);
    EXPECT_EQ(f.settings.GetInt("Settings", "OrvikColor5", -1), -1);
    EXPECT_FALSE(f.doc->ConfigurationChanged());
}
