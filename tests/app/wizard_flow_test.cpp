// The wizard's ways, the flow pages and the report pages, without a window.
#include <gtest/gtest.h>

#include <fstream>

#include "WizardTestSupport.h"
#include "app/search/DocumentSearchHost.h"
#include "app/wizard/WizardFlow.h"
#include "app/wizard/WizardFlowPages.h"
#include "app/wizard/WizardReportPages.h"

using namespace wizard;

TEST(WizardFlow, WaysWalkTheirSequencesAndStayOutsideThem) {
    // New: way page, sector configuration, RVx groups, diversity, antennas, summary.
    std::vector<int> walked{kPageWizardWay};
    for (int p = kPageWizardWay; NextPage(kWayNew, p) != p; p = NextPage(kWayNew, p)) {
        walked.push_back(NextPage(kWayNew, p));
    }
    EXPECT_EQ(walked, (std::vector<int>{kPageWizardWay, kPagePreference, kPagePreDefined,
                                        kPageDiversity, kPageAntenna, kPageNewLast}));
    // The last page and any page outside the way answer themselves.
    EXPECT_EQ(NextPage(kWayNew, kPageNewLast), kPageNewLast);
    EXPECT_EQ(NextPage(kWayNew, kPageCabinet), kPageCabinet);
    EXPECT_EQ(PreviousPage(kWaySearch, kPageSCF), kPageSCF);
    // Check and update goes through the configuration choice; update only starts waiting and
    // has nothing before that.
    EXPECT_EQ(NextPage(kWayCheckAndUpdate, kPageWizardWay), kPageSCF);
    EXPECT_EQ(NextPage(kWayCheckAndUpdate, kPageSCF), kPageWaitForBTS);
    EXPECT_EQ(PreviousPage(kWayUpdateOnly, kPageWaitForBTS), kPageWaitForBTS);
    EXPECT_EQ(Sequence(kWayUpdateOnly).back(), kPageLast);
    EXPECT_EQ(NextPage(kWaySearch, kPageWizardWay), kPageDirectory);
    EXPECT_EQ(NextPage(kWaySearch, kPageSearchResult), kPageNewLast);
    EXPECT_TRUE(Sequence(7).empty());
    EXPECT_EQ(NextPage(7, kPageWizardWay), kPageWizardWay);
}

TEST(WizardFlow, PlacementKeepsTheViewVisibleAndTheSheetInsideTheMainWindow) {
    // Room enough: 420 pixels right of the main window's left edge, 35 down.
    SShift s = PlacementShift(100, 1300, 300, 800);
    EXPECT_EQ(s.dx, 100 - 300 + 420);
    EXPECT_EQ(s.dy, 35);
    // The right edge would pass the main window's: the sheet ends where the main window ends.
    s = PlacementShift(0, 900, 0, 600);
    EXPECT_EQ(s.dx, 300);
    const SButtonState finishBack = ButtonsOf(EButtons::FinishBack);
    EXPECT_TRUE(finishBack.back && finishBack.finish && !finishBack.next);
    EXPECT_FALSE(ButtonsOf(EButtons::BackOnly).next);
}

TEST(WizardSheet, UpdateOnlyReadsAsItsWayWhateverWasStored) {
    WizardFixture f(true);
    f.sheet->SetWay(kWayNew);
    EXPECT_EQ(f.sheet->Way(), kWayUpdateOnly);
    EXPECT_EQ(f.sheet->StartPage(), kPageWaitForBTS);
    CWizardWaitController wait(*f.sheet);
    EXPECT_FALSE(wait.BackAllowed());
}

TEST(WizardSheet, OpeningRecordsOneWizardStepThatCancelUndoes) {
    WizardFixture f;
    f.sheet->Begin();
    ASSERT_NE(f.doc->SiteKODA(), nullptr);
    EXPECT_EQ(f.doc->CommandText(57643), "&Undo Wizard\tCtrl + Z");
    const int undoSteps = f.doc->Site()->UndoCount();
    CKodaConfigMaster* grid = f.sheet->Schemes();
    ASSERT_NE(grid, nullptr);
    ASSERT_TRUE(grid->PlaceScheme(1, 7));
    grid->Apply(1);
    EXPECT_NE(f.doc->SiteKODA()->FindUnit(12, 1, kSelectCandidate), nullptr);
    EXPECT_TRUE(f.sheet->CancelRun());
    EXPECT_EQ(f.doc->SiteKODA()->FindUnit(12, 1, kSelectCandidate), nullptr);
    EXPECT_EQ(f.doc->Site()->UndoCount(), undoSteps - 1);
    // Only once.
    EXPECT_FALSE(f.sheet->CancelRun());
}

TEST(WizardWay, SearchNeedsAConnectionAndCheckNeedsSendRights) {
    WizardFixture f;
    f.sheet->Begin();
    CWizardWayController way(*f.sheet);
    way.FirstDisplay();
    way.Enter();
    // Search was stored, but there is no connection: New is offered instead.
    EXPECT_FALSE(way.SearchEnabled());
    EXPECT_EQ(way.Way(), kWayNew);
    way.Choose(kWaySearch);
    EXPECT_FALSE(way.Next());
    EXPECT_EQ(f.windows.messages.back(), CWizardWayController::kSearchNeedsConnection);

    // A remote connection without full control may not send.
    f.link.GoUp(1);
    f.doc->SetAccessLevel(0);
    CWizardWayController remote(*f.sheet);
    remote.FirstDisplay();
    remote.Enter();
    EXPECT_TRUE(remote.SearchEnabled());
    EXPECT_FALSE(remote.CheckEnabled());
    remote.Choose(kWayCheckAndUpdate);
    EXPECT_FALSE(remote.Next());
    // A local one may.
    f.link.GoUp(2);
    CWizardWayController local(*f.sheet);
    local.FirstDisplay();
    EXPECT_TRUE(local.CheckEnabled());
    local.Choose(kWaySearch);
    EXPECT_TRUE(local.Next());
    EXPECT_TRUE(f.sheet->SearchAgain());
    EXPECT_EQ(f.sheet->Way(), kWaySearch);
}

TEST(WizardWay, NewLeavesTheFileBehind) {
    WizardFixture f;
    const std::string path = f.Path("site.hwc");
    std::vector<std::unique_ptr<CSCFSite>> records;
    records.push_back(OrvikRecord("Alpha"));
    WriteConfigurations(path, std::move(records));
    ASSERT_TRUE(f.doc->OpenPath(path, true));
    f.sheet->Begin();
    CWizardWayController way(*f.sheet);
    way.FirstDisplay();
    way.Enter();
    way.Choose(kWayNew);
    ASSERT_TRUE(way.Next());
    EXPECT_EQ(f.doc->PathName(), "");
    EXPECT_EQ(f.doc->Title(), "Untitled");
    // The question names it as the title does: unnamed, not the file's configuration.
    EXPECT_EQ(f.doc->ConfigurationName(), "");
    f.doc->MarkConfigurationChanged(true);
    f.windows.answers = {EAnswer::Cancel};
    EXPECT_FALSE(f.doc->CanClose());
    EXPECT_EQ(f.windows.shown.back(),
              "The configuration has been changed.\nSave changes to SUntitled?");
}

// Whichever way the wizard went, Cancel leaves the title, the configuration and the file Save
// writes into agreeing with the candidate it gives back.
TEST(WizardCancel, GivesBackWhatTheTitleNamesAndWhatSaveWritesInto) {
    WizardFixture f;
    const std::string path = f.Path("two.hwc");
    std::vector<std::unique_ptr<CSCFSite>> records;
    records.push_back(OrvikRecord("Alpha", 31, 1));
    records.push_back(OrvikRecord("Beta", 31, 0));
    WriteConfigurations(path, std::move(records));
    f.windows.newSiteSheet = [](CNewSiteSheetModel& sheet) {
        for (std::size_t i = 0; i < sheet.Rows().size(); ++i) {
            if (sheet.Rows()[i].name == "Beta") {
                sheet.Select(static_cast<int>(i));
            }
        }
        return sheet.CanFinish();
    };
    ASSERT_TRUE(f.doc->OpenPath(path));
    ASSERT_EQ(f.doc->Title(), "Beta");
    const auto clock = [&] {
        return f.doc->SiteKODA()->GetKODA(kSelectCandidate)->CabinetSettings().clockSync;
    };
    const auto expectBeta = [&](const char* way) {
        SCOPED_TRACE(way);
        EXPECT_EQ(f.doc->Title(), "Beta");
        EXPECT_EQ(f.doc->ConfigurationName(), "Beta");
        EXPECT_EQ(f.doc->PathName(), path);
        ASSERT_NE(f.doc->SiteRecord(), nullptr);
        EXPECT_EQ(f.doc->SiteRecord()->name, "Beta");
        EXPECT_EQ(clock(), 0);
        EXPECT_FALSE(f.doc->ConfigurationChanged());
        // Save writes Beta's candidate into Beta; Alpha keeps its own clock.
        ASSERT_TRUE(f.doc->Save());
        auto saved = Reread(path);
        ASSERT_EQ(saved->Sites().size(), 2u);
        EXPECT_EQ(saved->Sites()[0]->name, "Alpha");
        EXPECT_EQ(saved->Sites()[0]->bcfClockSync, 1);
    };

    f.sheet->Begin();
    CWizardSCFController scf(*f.sheet);
    scf.FirstDisplay();
    ASSERT_EQ(scf.Entries(), (std::vector<std::string>{"<Active Configuration>", "Alpha", "Beta"}));
    scf.Select(1);
    scf.Next();
    ASSERT_EQ(f.doc->Title(), "Alpha");
    ASSERT_EQ(clock(), 1);
    ASSERT_TRUE(f.sheet->CancelRun());
    expectBeta("configuration of the file");

    CWizardSheetModel fresh(*f.doc, f.windows, f.settings);
    fresh.Begin();
    CWizardWayController way(fresh);
    way.FirstDisplay();
    way.Choose(kWayNew);
    ASSERT_TRUE(way.Next());
    ASSERT_EQ(f.doc->Title(), "Untitled");
    ASSERT_TRUE(fresh.CancelRun());
    expectBeta("new configuration");

    CWizardSheetModel search(*f.doc, f.windows, f.settings);
    search.Begin();
    CDocumentSearchHost host(*f.doc);
    const SFoundConfiguration found{path, "Alpha", 0, nullptr};
    host.SetCurrentRecord(&found);
    host.MarkConfigurationChanged();
    ASSERT_EQ(f.doc->Title(), "Alpha");
    ASSERT_TRUE(search.CancelRun());
    expectBeta("found configuration");
}

TEST(WizardSCF, ListsOnlyOrvikConfigurationsOfTheUsableKinds) {
    WizardFixture f;
    const std::string path = f.Path("mixed.hwc");
    std::vector<std::unique_ptr<CSCFSite>> records;
    records.push_back(OrvikRecord("Alpha"));
    records.back()->description = "Alpha by the harbour";
    auto selmo = OrvikRecord("Selmo");
    selmo->bcfType = 4;
    records.push_back(std::move(selmo));
    records.push_back(OrvikRecord("Beta"));
    WriteConfigurations(path, std::move(records));
    f.settings.SetString("Settings", "SCFPath", f.dir.string());
    f.settings.SetString("Settings", "LastSCF", "mixed.hwc");

    // Without a site there is no active configuration to offer.
    CWizardSCFController scf(*f.sheet);
    scf.FirstDisplay();
    EXPECT_EQ(scf.PathText(), f.dir.string() + "\\mixed.hwc");
    EXPECT_EQ(scf.Entries(), (std::vector<std::string>{"Alpha", "Beta"}));
    // Described as the open dialog describes it: by the site description, not the cabinet's.
    EXPECT_EQ(scf.Description(), "Alpha by the harbour");
    scf.Select(1);
    EXPECT_EQ(scf.Description(), "No description available");

    f.sheet->Begin();
    scf.RebuildList();
    EXPECT_EQ(scf.Entries(), (std::vector<std::string>{"<Active Configuration>", "Alpha", "Beta"}));
    EXPECT_EQ(scf.Description(), "Currently active configuration");
    EXPECT_EQ(scf.Buttons(), EButtons::BackNext);
    scf.Select(5);
    EXPECT_EQ(scf.Description(), "No information available");
    EXPECT_EQ(scf.Buttons(), EButtons::BackOnly);

    // Choosing a file's configuration makes it the document's, and the report's.
    scf.Select(2);
    scf.Next();
    EXPECT_EQ(f.doc->ConfigurationName(), "Beta");
    EXPECT_EQ(f.doc->PathName(), path);
    EXPECT_EQ(f.sheet->ReportName(), "Beta");
    EXPECT_EQ(f.sheet->ReportPath(), path);
    ASSERT_NE(f.sheet->Schemes(), nullptr);
    EXPECT_EQ(&f.sheet->Schemes()->Site(), f.doc->Site());

    // Cancel gives back the candidate the wizard was opened on.
    CDataBaseKODA& loaded = *f.doc->SiteKODA()->GetKODA(kSelectCandidate);
    loaded.Antenna(1)->SetConnectedCombiner(5);
    EXPECT_EQ(f.doc->CommandText(57643), "&Undo Wizard\tCtrl + Z");
    ASSERT_TRUE(f.sheet->CancelRun());
    EXPECT_EQ(f.doc->SiteKODA()->GetKODA(kSelectCandidate)->Antenna(1)->ConnectedCombiner(), 0);
}

TEST(WizardSCF, AFileOfAnotherFamilyLeavesOnlyTheActiveConfiguration) {
    WizardFixture f;
    const std::string path = f.Path("selmo.hwc");
    std::vector<std::unique_ptr<CSCFSite>> records;
    for (const char* name : {"S1", "S2"}) {
        auto r = OrvikRecord(name);
        r->bcfType = 4;
        records.push_back(std::move(r));
    }
    WriteConfigurations(path, std::move(records));
    f.sheet->Begin();
    CWizardSCFController scf(*f.sheet);
    scf.FirstDisplay();
    f.windows.files.push_back(path);
    ASSERT_TRUE(scf.Browse());
    EXPECT_EQ(f.settings.GetString("Settings", "LastSCF", ""), "selmo.hwc");
    EXPECT_EQ(scf.Entries(), (std::vector<std::string>{"<Active Configuration>"}));
    scf.Next();
    EXPECT_EQ(f.sheet->ReportName(), "");
}

TEST(WizardWait, ReadinessFollowsTheLinkAndActsOnlyOnAChangedBcfState) {
    WizardFixture f;
    f.sheet->Begin();
    CWizardWaitController wait(*f.sheet);
    wait.Enter();
    EXPECT_EQ(wait.State(), CWizardWaitController::kNoConnection);
    EXPECT_EQ(wait.Lines(), (std::vector<std::string>{"Waiting for BTS connection..."}));

    f.link.GoUp(2);
    wait.ConnectionEstablished();
    wait.InformationReceived();
    f.link.bcf = 9;
    wait.CheckBcfState();
    f.link.bcf = 0;
    wait.CheckBcfState();
    wait.CheckBcfState();
    EXPECT_EQ(wait.State(), CWizardWaitController::kReady);
    EXPECT_EQ(wait.Lines(),
              (std::vector<std::string>{
                  "Waiting for BTS connection...", "- Connection established",
                  "Waiting for initial information...", "- Information received",
                  "Waiting for BCF commissioning state...", "- BCF is in the Commissioning state",
                  "You can click Next to proceed"}));
    // Back in Commissioning on a ready page: said again, with its status line.
    f.link.bcf = 9;
    wait.CheckBcfState();
    EXPECT_EQ(std::vector<std::string>(wait.Lines().end() - 2, wait.Lines().end()),
              (std::vector<std::string>{"- BCF is in the Commissioning state",
                                        "You can click Next to proceed"}));

    // The link drops: the list starts again, and Next asks before going on.
    f.link.Stop();
    wait.ConnectionLost();
    EXPECT_EQ(wait.Lines(),
              (std::vector<std::string>{"- BTS Connection lost", "Waiting for BTS connection..."}));
    EXPECT_FALSE(wait.Next());
    EXPECT_EQ(f.windows.shown.back(), CWizardWaitController::kNotEstablished);
    f.windows.answers.push_back(EAnswer::Yes);
    EXPECT_TRUE(wait.Next());
}

TEST(WizardWait, RelayedNotificationsDriveTheStates) {
    WizardFixture f;
    f.sheet->Begin();
    CWizardWaitController wait(*f.sheet);
    wait.Enter();
    f.link.GoUp(2);
    wait.OnNotification(3054, 2);
    EXPECT_EQ(wait.State(), CWizardWaitController::kWaitingInfo);
    wait.OnNotification(3055, 1);
    EXPECT_EQ(wait.State(), CWizardWaitController::kWaitingBcf);
    f.link.bcf = 3;
    wait.OnNotification(3055, 3);
    EXPECT_EQ(wait.State(), CWizardWaitController::kReady);
    EXPECT_EQ(wait.Lines()[wait.Lines().size() - 2], "- BCF has passed the Commissioning state");
    // A second report of the objects does not take a ready BTS back.
    wait.OnNotification(3055, 1);
    EXPECT_EQ(wait.State(), CWizardWaitController::kReady);
    f.link.Stop();
    wait.OnNotification(3054, 1);
    EXPECT_EQ(wait.State(), CWizardWaitController::kNoConnection);
    EXPECT_EQ(wait.Lines().front(), "- BTS Connection lost");
}

TEST(WizardWait, ADisabledConnectionIsOfferedAndAWrongBcfStateQuestioned) {
    WizardFixture f;
    f.settings.SetInt("Initialization", "EnableBTS", 0);
    f.sheet->Begin();
    f.windows.answers.push_back(EAnswer::Yes);
    CWizardWaitController wait(*f.sheet);
    wait.Enter();
    EXPECT_EQ(f.windows.shown.back(), CWizardWaitController::kActivateQuestion);
    EXPECT_EQ(f.settings.GetInt("Initialization", "EnableBTS", 0), 1);
    ASSERT_FALSE(f.link.starts.empty());
    EXPECT_EQ(f.link.starts.back().first, 2);

    f.link.GoUp(2);
    f.link.bcf = 5;
    CWizardWaitController second(*f.sheet);
    second.Enter();
    EXPECT_EQ(second.State(), CWizardWaitController::kWaitingBcf);
    EXPECT_FALSE(second.Next());
    EXPECT_EQ(f.windows.shown.back(), CWizardWaitController::kIncorrectBcf);
    EXPECT_EQ(second.Information().name, "Not defined");
}

TEST(WizardNewLast, PluralsOfTheSummaryLines) {
    CWizardNewLastController::SCounts one;
    one.network = "900";
    one.trxUnits = 1;
    one.cablingUnits = 1;
    one.trxWithCabling = {1, 0, 0};
    one.cables = {1, 0, 0};
    auto lines = CWizardNewLastController::SummaryLines(one);
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[0], "New configuration consists of:");
    EXPECT_EQ(lines[2], "Network type: \t900");
    EXPECT_EQ(lines[3], "Units: \t\t1 RVx through 1 cabling unit");
    EXPECT_EQ(lines[5], "TX cabling: \t1 RVx with 1 cable");
    EXPECT_EQ(lines[6], "RX main cabling: \tNone");
    EXPECT_EQ(lines[7], "RX div cabling: \tNone");
    EXPECT_EQ(lines[9], "Antenna settings: \tNone");

    CWizardNewLastController::SCounts two = one;
    two.trxUnits = 2;
    two.cablingUnits = 3;
    two.trxWithCabling = {2, 2, 2};
    two.cables = {4, 4, 4};
    two.antennas = 2;
    two.mhas = 1;
    two.vswr = true;
    lines = CWizardNewLastController::SummaryLines(two);
    EXPECT_EQ(lines[3], "Units: \t\t2 RVxs through 3 cabling units");
    EXPECT_EQ(lines[5], "TX cabling: \t2 RVxs  with 4 cables ");
    EXPECT_EQ(lines[7], "RX div cabling: \t2 RVxs  with 4 cables ");
    EXPECT_EQ(lines[9], "Antenna settings: \t2 antennas with MHA and VSWR monitoring");
    two.mhas = 0;
    EXPECT_EQ(CWizardNewLastController::SummaryLines(two)[9],
              "Antenna settings: \t2 antennas with VSWR monitoring");
}

TEST(WizardLast, ReportNameGetsItsExtensionOnlyWhenItHasNone) {
    WizardFixture f;
    f.sheet->Begin();
    CWizardLastController last(*f.sheet);
    f.windows.files.push_back(f.Path("site report"));
    ASSERT_TRUE(last.Browse());
    // A fresh install starts in the documents folder, and the dialog asks before overwriting.
    ASSERT_EQ(f.windows.dialogs.size(), 1u);
    EXPECT_EQ(f.windows.dialogs[0].directory, f.dir.string());
    EXPECT_TRUE(f.windows.dialogs[0].confirmOverwrite);
    CWizardSCFController scf(*f.sheet);
    scf.FirstDisplay();
    EXPECT_FALSE(scf.Browse());
    ASSERT_EQ(f.windows.dialogs.size(), 2u);
    EXPECT_EQ(f.windows.dialogs[1].directory, f.dir.string());
    EXPECT_EQ(last.SaveAs(), f.Path("site report.hwr"));
    EXPECT_EQ(f.settings.GetString("Settings", "DefaultReportDir", ""), f.dir.string());
    f.windows.files.push_back(f.Path("site.txt"));
    ASSERT_TRUE(last.Browse());
    EXPECT_EQ(last.SaveAs(), f.Path("site.txt"));
}

TEST(WizardLast, AFailedSendKeepsTheWizardOpenAndTheReportUnwritten) {
    WizardFixture f;
    f.sheet->Begin();
    f.link.GoUp(2);
    CWizardLastController last(*f.sheet);
    last.Enter();
    EXPECT_FALSE(last.Lines().empty());
    EXPECT_EQ(last.Buttons(), EButtons::FinishBack);
    last.SetSaveAs(f.Path("report.hwr"));
    // What the connected BTS holds, for its tab to show after the failed send.
    auto held = std::make_unique<CDataBaseKODA>();
    held->CopyFrom(*f.doc->SiteKODA()->GetKODA(kSelectCandidate));
    CBtsConfiguration::Set(std::move(held));
    f.link.sendSucceeds = false;
    EXPECT_FALSE(last.Finish());
    EXPECT_EQ(f.windows.messages.back(), "BTS update failed.");
    EXPECT_FALSE(std::filesystem::exists(f.Path("report.hwr")));
    EXPECT_FALSE(f.doc->CandidateTabSelected());
    // Cancel while connected and not sent asks first.
    EXPECT_FALSE(last.Cancel());
    EXPECT_EQ(f.windows.shown.back(), CWizardLastController::kQuitAnyway);

    f.link.sendSucceeds = true;
    EXPECT_TRUE(last.Finish());
    EXPECT_EQ(f.link.sends, 2);
    EXPECT_TRUE(std::filesystem::exists(f.Path("report.hwr")));
    // Written once more: asks before overwriting, and No keeps the wizard open without
    // sending again.
    EXPECT_FALSE(last.Finish());
    EXPECT_EQ(f.windows.shown.back(), CWizardLastController::kOverwrite);
    EXPECT_EQ(f.link.sends, 2);
}

TEST(WizardLast, WithoutAConnectionTheUserDecidesAndAnUnwritableReportIsReported) {
    WizardFixture f;
    f.sheet->Begin();
    CWizardLastController last(*f.sheet);
    last.Enter();
    EXPECT_FALSE(last.Finish());
    EXPECT_EQ(f.windows.shown.back(), CWizardLastController::kNoConnection);
    last.SetSaveAs(f.Path("no such folder/report.hwr"));
    f.windows.answers.push_back(EAnswer::Yes);
    EXPECT_FALSE(last.Finish());
    EXPECT_EQ(f.windows.messages.back(), CWizardLastController::kSaveError);
    EXPECT_EQ(f.link.sends, 0);
    EXPECT_TRUE(last.Cancel());
}
