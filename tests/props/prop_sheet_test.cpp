// The property sheet over the sample: the pages each view brings, edits made through the
// widgets with their undo steps and the candidate they leave, and the selection shared with the
// views.
#include "SheetFixture.h"

#include "model/DataBaseKODA.h"
#include "model/UnitKODA.h"
#include "ui/PagePassiveWidget.h"
#include "ui/props/AntennaPage.h"
#include "ui/props/CabinetPages.h"
#include "ui/props/CablingPages.h"
#include "ui/props/InfoPages.h"
#include "ui/props/UnitsPage.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <nlohmann/json.hpp>

namespace {

QStringList TabTexts(const CViewPropSheet& sheet) {
    QStringList texts;
    for (int i = 0; i < sheet.Tabs()->count(); ++i) {
        texts << sheet.Tabs()->tabText(i);
    }
    return texts;
}

nlohmann::json Parsed(const std::string& json) {
    return nlohmann::json::parse(json);
}

const nlohmann::json& UnitIn(const nlohmann::json& j, int kind, int number) {
    for (const auto& u : j["units"]) {
        if (u["kind"] == kind && u["number"] == number) {
            return u;
        }
    }
    static const nlohmann::json none;
    return none;
}

} // namespace

TEST(PropertySheet, PagesFollowTheActiveViewAndTheTab) {
    SheetFixture f;
    ASSERT_TRUE(f.opened);
    f.ShowView(1);
    // A double click in the views opens the sheet the way Alt+Enter does.
    f.Views().Host().OpenProperties();
    CViewPropSheet* sheet = CViewPropSheet::Of(f.frame);
    ASSERT_NE(sheet, nullptr);
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_FALSE(sheet->isModal());
    EXPECT_EQ(sheet->windowTitle(), QStringLiteral("Cabinet Properties"));
    EXPECT_EQ(TabTexts(*sheet),
              (QStringList{QStringLiteral("Cabinet Type"), QStringLiteral("Cabinet Usage")}));

    f.ShowView(7);
    EXPECT_EQ(sheet->windowTitle(), QStringLiteral("All Cabling Properties"));
    EXPECT_EQ(TabTexts(*sheet), (QStringList{QStringLiteral("TX"), QStringLiteral("RX Main"),
                                             QStringLiteral("RX Diversity")}));
    sheet->Tabs()->setCurrentIndex(2);
    f.ShowView(2);
    EXPECT_EQ(sheet->windowTitle(), QStringLiteral("Cabinet Unit Properties"));
    EXPECT_EQ(TabTexts(*sheet), QStringList{QStringLiteral("Unit")});
    // Back on a view, the page that was in front comes back.
    f.ShowView(7);
    EXPECT_EQ(sheet->Tabs()->currentIndex(), 2);

    f.ShowView(10);
    EXPECT_EQ(sheet->windowTitle(), QStringLiteral("Passive Unit Properties"));
    EXPECT_EQ(TabTexts(*sheet), QStringList{QStringLiteral("Information")});
    auto* passive = sheet->CurrentPage()->findChild<CPagePassiveWidget*>();
    ASSERT_NE(passive, nullptr);
    // A passive unit row chosen in the list is shown by the page.
    passive->Controller().ChooseLocation(1);
    ASSERT_FALSE(passive->Controller().UnitTypes().empty());
    const int group = passive->Controller().UnitTypes().back().first;
    passive->Controller().ChooseLocation(0);
    f.Views().Host().ShowPassiveNode(1, group, 0);
    EXPECT_EQ(passive->Controller().Location(), 1);
    EXPECT_EQ(passive->Controller().UnitType(), group);

    f.ShowView(11);
    EXPECT_EQ(sheet->windowTitle(), QStringLiteral("Differences Properties"));
    auto& missing = f.Current<CPageDifferences>();
    EXPECT_TRUE(missing.Text(0).startsWith(QStringLiteral("Missing Units:\n")));

    // The BTS tab is there only with a configuration from the BTS; one as fetched.
    auto fetched = std::make_unique<CDataBaseKODA>();
    fetched->CopyFrom(*f.doc->SiteKODA()->GetKODA(kSelectCandidate));
    CBtsConfiguration::Set(std::move(fetched));
    // The tab commands need the tab row, which the BTS connection brings.
    f.doc->ViewManager()->SetBtsConnectionEnabled(true);
    f.doc->OnCommand(cmd::kBtsTab);
    QApplication::processEvents();
    EXPECT_EQ(sheet->windowTitle(), QStringLiteral("BTS Properties"));
    EXPECT_EQ(TabTexts(*sheet), QStringList{QStringLiteral("General")});
    auto& bts = f.Current<CPageNoInfoOnBTS>();
    EXPECT_EQ(bts.StateText(), QStringLiteral("No connection to BTS"));
    EXPECT_EQ(bts.CommentText(), QStringLiteral("-"));
    f.doc->OnCommand(cmd::kCandidateTab);
    EXPECT_EQ(sheet->windowTitle(), QStringLiteral("Differences Properties"));

    // Where the sheet stood is kept for the next run.
    sheet->close();
    EXPECT_FALSE(sheet->isVisible());
    EXPECT_EQ(f.settings.GetInt("PropWnd", "x", -1), sheet->pos().x());
    EXPECT_EQ(f.settings.GetInt("PropWnd", "y", -1), sheet->pos().y());
}

TEST(PropertySheet, WithoutASiteThereIsNothingToShow) {
    SheetFixture f{QString()};
    EXPECT_FALSE(f.doc->HasSite());
    f.frame.UpdateCommands();
    EXPECT_FALSE(f.frame.Action(cmd::kProperties)->isEnabled());
    CViewPropSheet sheet(f.frame, *f.doc, f.settings);
    sheet.ShowForActiveView();
    EXPECT_EQ(sheet.windowTitle(), QStringLiteral("No Properties Available"));
    EXPECT_EQ(TabTexts(sheet), QStringList{QStringLiteral("General")});
    EXPECT_NE(qobject_cast<CPageNoInfo*>(sheet.CurrentPage()), nullptr);
}

TEST(PropertySheet, CabinetEditsAreOneUndoStepEach) {
    SheetFixture f;
    ASSERT_TRUE(f.opened);
    f.ShowView(1);
    CViewPropSheet& sheet = f.Open();
    sheet.Tabs()->setCurrentIndex(1);
    auto& usage = f.Current<CPageCabUsage>();
    ASSERT_TRUE(usage.Wcdma()->isEnabled());
    EXPECT_FALSE(usage.Mrc()->isEnabled());
    ASSERT_NE(usage.DetectedClock(), nullptr);
    EXPECT_EQ(usage.DetectedClock()->text(),
              QStringLiteral("Use detected clock sy&nchronization between BTS cabinets"));
    EXPECT_FALSE(usage.DetectedClock()->isEnabled()) << "it stores nothing";
    usage.Wcdma()->click();
    EXPECT_EQ(f.UndoText(), "&Undo Change Cabinet Usage\tCtrl + Z");
    ASSERT_TRUE(usage.Mrc()->isEnabled());
    usage.Mrc()->click();
    EXPECT_TRUE(f.doc->ConfigurationChanged());
    const std::string before = f.Json();
    EXPECT_EQ(Parsed(before)["cabinet"]["mrc"], 1);

    sheet.Tabs()->setCurrentIndex(0);
    auto& type = f.Current<CPageCabType>();
    // The Mini has no place for some of the sample's units: it asks, No by default.
    QString question;
    QMessageBox::StandardButton byDefault = QMessageBox::NoButton;
    AnswerNextQuestion(QMessageBox::Yes, &question, nullptr, &byDefault);
    type.Button(4)->click();
    EXPECT_TRUE(question.startsWith(QStringLiteral("The Mini cabinet has no place")))
        << question.toStdString();
    EXPECT_EQ(byDefault, QMessageBox::No);
    EXPECT_EQ(f.UndoText(), "&Undo Change Cabinet Type\tCtrl + Z");
    const nlohmann::json mini = Parsed(f.Json());
    EXPECT_EQ(mini["cabinet"]["type"], 6);
    EXPECT_EQ(mini["cabinet"]["wcdma"], 0);
    EXPECT_EQ(mini["cabinet"]["mrc"], 0);
    // The usage page offers no WCDMA in the Mini cabinet.
    sheet.Tabs()->setCurrentIndex(1);
    EXPECT_FALSE(f.Current<CPageCabUsage>().Wcdma()->isEnabled());

    f.doc->OnCommand(cmd::kUndo);
    QApplication::processEvents();
    EXPECT_TRUE(f.Json() == before);
    EXPECT_EQ(f.UndoText(), "&Undo Change Cabinet Usage\tCtrl + Z");
    // The pages read the candidate that undo brought back.
    EXPECT_TRUE(f.Current<CPageCabUsage>().Mrc()->isChecked());
    sheet.Tabs()->setCurrentIndex(0);
    EXPECT_TRUE(f.Current<CPageCabType>().Button(0)->isChecked());
}

TEST(PropertySheet, TxCablingThroughTheWidgets) {
    SheetFixture f;
    ASSERT_TRUE(f.opened);
    f.ShowView(4);
    f.Open();
    auto& tx = f.Current<CPageTXCabling>();
    ASSERT_TRUE(Choose(tx.TrxBox(), 3));
    // Choosing a TRX in the page selects it in the views.
    EXPECT_EQ(f.Views().SelectedKind(), 1);
    EXPECT_EQ(f.Views().SelectedNumber(), 3);
    EXPECT_EQ(tx.Path1Box()->currentData().toInt(), 4);
    EXPECT_EQ(tx.CombinerBox()->currentData().toInt(), 2);
    // The halves are named as they are marked on the unit.
    EXPECT_EQ(tx.CombinerBox()->currentText(), QStringLiteral("HYDx 1b"));
    EXPECT_EQ(tx.CombinerBox()->itemText(tx.CombinerBox()->findData(1)), QStringLiteral("HYDx 1a"));
    EXPECT_EQ(tx.CombinerBox()->itemText(tx.CombinerBox()->findData(5)), QStringLiteral("HYDx 3a"));

    // WBC 1 feeds TRX 1 through DDU 1 half a: that combiner is proposed, not yet stored.
    ASSERT_TRUE(Choose(tx.Path1Box(), 1));
    EXPECT_EQ(tx.CombinerBox()->currentData().toInt(), 1);
    EXPECT_EQ(UnitIn(Parsed(f.Json()), 1, 3)["trx"]["txPath1"], 4);
    tx.SetButton()->click();
    EXPECT_EQ(f.UndoText(), "&Undo Set TX Cabling\tCtrl + Z");
    const nlohmann::json set = Parsed(f.Json());
    EXPECT_EQ(UnitIn(set, 1, 3)["trx"]["txPath1"], 1);
    EXPECT_EQ(UnitIn(set, 1, 3)["trx"]["txCombiner"], 1);

    // Clear All asks first; No leaves everything as it was.
    const std::string afterSet = f.Json();
    QString question;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButton byDefault = QMessageBox::NoButton;
    AnswerNextQuestion(QMessageBox::No, &question, &icon, &byDefault);
    tx.ClearAllButton()->click();
    EXPECT_EQ(question,
              QStringLiteral("Are you sure you want to clear all\nTX cabling information?"));
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_EQ(byDefault, QMessageBox::No) << "Enter must not clear everything";
    EXPECT_TRUE(f.Json() == afterSet);
    EXPECT_EQ(f.UndoText(), "&Undo Set TX Cabling\tCtrl + Z");

    AnswerNextQuestion(QMessageBox::Yes);
    tx.ClearAllButton()->click();
    EXPECT_EQ(f.UndoText(), "&Undo Clear All TX Cabling\tCtrl + Z");
    // Held by name: a range over a part of a temporary outlives the temporary.
    const nlohmann::json cleared = Parsed(f.Json());
    for (const auto& u : cleared["units"]) {
        if (u["kind"] == 1) {
            EXPECT_EQ(u["trx"]["txPath1"], 0);
            EXPECT_EQ(u["trx"]["txCombiner"], 0);
        }
    }
    EXPECT_EQ(tx.TrxBox()->currentData().toInt(), 0);
    EXPECT_FALSE(tx.SetButton()->isEnabled());

    f.doc->OnCommand(cmd::kUndo);
    EXPECT_TRUE(f.Json() == afterSet);
}

TEST(PropertySheet, PagesFollowTheSelectionOfTheViews) {
    SheetFixture f;
    ASSERT_TRUE(f.opened);
    f.ShowView(5);
    CViewPropSheet& sheet = f.Open();
    f.SelectInViews(1, 7);
    ASSERT_FALSE(sheet.isActiveWindow());
    auto& rx = f.Current<CPageRXCabling>();
    EXPECT_EQ(rx.TrxBox()->currentData().toInt(), 7);
    EXPECT_EQ(rx.MulticouplerBox()->currentData().toInt(), 4);
    EXPECT_TRUE(rx.SetButton()->isEnabled());
    // A unit that is no TRX leaves the page on "Not selected".
    f.SelectInViews(8, 1);
    EXPECT_EQ(rx.TrxBox()->currentData().toInt(), 0);
    EXPECT_FALSE(rx.SetButton()->isEnabled());

    // A sheet opened on another view shows the unit the views have selected.
    f.SelectInViews(1, 5);
    f.ShowView(6);
    EXPECT_EQ(f.Current<CPageRXDCabling>().TrxBox()->currentData().toInt(), 5);
}

TEST(PropertySheet, UnitPageAddsAndChangesTheBand) {
    SheetFixture f;
    ASSERT_TRUE(f.opened);
    f.ShowView(2);
    f.Open();
    auto& units = f.Current<CPageUnits>();
    EXPECT_EQ(units.Kind()->accessibleName(), QStringLiteral("Type"));
    // BB2 1 is planned (an upgrade unit); Add installs it.
    ASSERT_TRUE(Choose(units.Kind(), 3));
    ASSERT_TRUE(Choose(units.Index(), 1));
    EXPECT_EQ(f.Views().SelectedKind(), 3);
    ASSERT_TRUE(units.AddButton()->isEnabled());
    const std::string before = f.Json();
    units.AddButton()->click();
    EXPECT_EQ(f.UndoText(), "&Undo Add Unit\tCtrl + Z");
    EXPECT_EQ(UnitIn(Parsed(f.Json()), 3, 1)["upgrade"], false);
    EXPECT_TRUE(units.RemoveButton()->isEnabled());
    f.doc->OnCommand(cmd::kUndo);
    EXPECT_TRUE(f.Json() == before);

    // Undo gives the pages a new candidate: they are made again from it.
    auto& again = f.Current<CPageUnits>();
    EXPECT_EQ(again.Kind()->currentData().toInt(), 3);
    // The sample is 1800 with every TRX EDGE; the frequency it has already records nothing.
    const std::string undoBefore = f.UndoText();
    again.BandButton(1)->click();
    EXPECT_EQ(f.UndoText(), undoBefore);
    ASSERT_TRUE(Choose(again.EdgeBox(), 0));
    EXPECT_EQ(f.UndoText(), "&Undo Change Band To 1800\tCtrl + Z");
    EXPECT_EQ(Parsed(f.Json())["band"], 2);
    EXPECT_TRUE(again.BandButton(1)->isChecked());
}

TEST(PropertySheet, AntennaLossAndGainAndTheConnectionTakenFromAnother) {
    SheetFixture f;
    ASSERT_TRUE(f.opened);
    f.ShowView(8);
    f.Open();
    auto& ant = f.Current<CPageAntenna>();
    ASSERT_TRUE(Choose(ant.AntennaBox(), 5));
    const int connection = ant.ConnectionBox()->itemData(1).toInt();
    ASSERT_GT(connection, 0);
    ASSERT_TRUE(Choose(ant.ConnectionBox(), connection));
    ASSERT_TRUE(Choose(ant.MhaBox(), 3));
    ant.SetButton()->click();
    EXPECT_EQ(f.UndoText(), "&Undo Set Antenna\tCtrl + Z");

    ASSERT_TRUE(Choose(ant.AntennaBox(), 2));
    ASSERT_TRUE(Choose(ant.ConnectionBox(), connection));
    ASSERT_TRUE(Choose(ant.MhaBox(), 3));
    if (!ant.Gsm900Box()->isChecked()) {
        ant.Gsm900Box()->click();
    }
    EXPECT_EQ(ant.BaseLabel()->text(), QStringLiteral("32 dB -"));
    EXPECT_EQ(ant.TargetLabel()->text(), QStringLiteral("= 28.4 dB"));
    ASSERT_TRUE(Choose(ant.LossBox(), 700));
    EXPECT_EQ(ant.GainBox()->currentText(), QStringLiteral("+3.4"));
    ASSERT_TRUE(Choose(ant.LossBox(), 0));
    EXPECT_EQ(ant.GainBox()->currentText(), QStringLiteral("-3.6"));
    ant.SetButton()->click();
    const nlohmann::json j = Parsed(f.Json());
    EXPECT_EQ(j["antennas"][1]["connectedCombiner"], connection);
    EXPECT_EQ(j["antennas"][1]["attenuation"], -360);
    // Antenna 5 gave up the connection but keeps its MHA type.
    EXPECT_EQ(j["antennas"][4]["connectedCombiner"], 0);
    EXPECT_EQ(j["antennas"][4]["mhaType"], 3);

    // VSWR monitoring and a co-site powered MHA exclude each other.
    ant.VswrBox()->click();
    EXPECT_FALSE(ant.CositeBox()->isEnabled());

    // A connection only previewed is let go when the sheet closes.
    ASSERT_TRUE(Choose(ant.AntennaBox(), 5));
    ASSERT_TRUE(Choose(ant.ConnectionBox(), ant.ConnectionBox()->itemData(2).toInt()));
    const auto* mha =
        f.doc->SiteKODA()->GetKODA(kSelectCandidate)->Find<CUnitKODA>(kUnitKindMha, 5);
    ASSERT_NE(mha, nullptr);
    ASSERT_NE(mha->Preview(kPreviewLink), 0);
    CViewPropSheet::Of(f.frame)->hide();
    EXPECT_EQ(mha->Preview(kPreviewLink), 0);
}

TEST(PropertySheet, CrossConnectionOnlyPreviewsUntilReset) {
    SheetFixture f;
    ASSERT_TRUE(f.opened);
    f.ShowView(3);
    f.Open();
    auto& xcon = f.Current<CPageBB2Xcon>();
    const std::string before = f.Json();
    const std::string undo = f.UndoText();
    ASSERT_TRUE(Choose(xcon.TrxBox(), 1));
    EXPECT_EQ(xcon.HalfBox()->currentText(), QStringLiteral("(QD2E 1a)"));
    ASSERT_TRUE(Choose(xcon.HalfBox(), 4));
    EXPECT_EQ(xcon.HalfBox()->currentData().toInt(), 4);
    EXPECT_TRUE(f.Json() == before);
    EXPECT_EQ(f.UndoText(), undo);
    EXPECT_FALSE(xcon.ResetButton()->isEnabled());
}

TEST(PropertySheet, MiniCabinetNarrowsWhatThePagesOffer) {
    SheetFixture f;
    ASSERT_TRUE(f.opened);
    f.ShowView(1);
    CViewPropSheet& sheet = f.Open();
    // At this SW level there is no LMU to choose.
    sheet.Tabs()->setCurrentIndex(1);
    auto& usage = f.Current<CPageCabUsage>();
    EXPECT_TRUE(usage.ClockButton(1)->isVisible());
    EXPECT_FALSE(usage.ClockButton(2)->isVisible());
    EXPECT_FALSE(usage.ClockButton(3)->isVisible());

    sheet.Tabs()->setCurrentIndex(0);
    AnswerNextQuestion(QMessageBox::Yes);
    f.Current<CPageCabType>().Button(4)->click();
    f.ShowView(4);
    auto& tx = f.Current<CPageTXCabling>();
    ASSERT_TRUE(Choose(tx.TrxBox(), 1));
    // DDU 1-3 halves and no RTC.
    for (int i = 0; i < tx.CombinerBox()->count(); ++i) {
        EXPECT_LE(tx.CombinerBox()->itemData(i).toInt(), 6) << i;
    }
    EXPECT_FALSE(Choose(tx.CombinerBox(), 13));
}

TEST(PropertySheet, RemovingATransceiverKeepsItPlannedWithoutCables) {
    SheetFixture f;
    ASSERT_TRUE(f.opened);
    f.ShowView(2);
    f.SelectInViews(1, 12);
    f.Open();
    auto& units = f.Current<CPageUnits>();
    EXPECT_EQ(units.Kind()->currentData().toInt(), 1);
    EXPECT_EQ(units.Index()->currentData().toInt(), 12);
    EXPECT_EQ(units.Location()->text(), QStringLiteral("5 /  2 / 12"));
    const std::string before = f.Json();
    ASSERT_TRUE(units.RemoveButton()->isEnabled());
    units.RemoveButton()->click();
    EXPECT_EQ(f.UndoText(), "&Undo Remove Unit\tCtrl + Z");
    // A transceiver of the configuration stays as a planned unit, without its cables.
    const nlohmann::json after = Parsed(f.Json());
    EXPECT_EQ(UnitIn(after, 1, 12)["upgrade"], true);
    for (const auto& cable : after["cables"]) {
        EXPECT_NE(cable["trx"], 12);
    }
    f.doc->OnCommand(cmd::kUndo);
    EXPECT_TRUE(f.Json() == before);
}
