// The Check and update way against the simulated BTS run in-process, as the program's simulator
// connection runs it: a file configuration, the wait for the BCF, autodetection, the cabling
// check, the passive units and the send, after which the BTS holds the candidate's blocks.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>

#include "SimDocumentSupport.h"
#include "WizardTestSupport.h"
#include "app/wizard/WizardCheckPages.h"
#include "app/wizard/WizardFlowPages.h"
#include "app/wizard/WizardReportPages.h"
#include "files/ConfigInfoKODA.h"
#include "rules/ConfigLists.h"
#include "rules/KodaConfigMaster.h"
#include "rules/SectorConfigKODAMaster.h"
#include "sim/SimConfigStore.h"

using namespace std::chrono_literals;

namespace {

// A configuration of 2+2+2 for 1800, as the simulated BTS's transceivers are.
std::unique_ptr<CSCFSite> SectorRecord(const std::string& name) {
    CBtsConfiguration::Drop();
    CSiteKODA site;
    CKodaConfigMaster grid(site);
    CSectorConfigKODAMaster sectors;
    const int index = sectors.FindByName("2+2+2");
    sectors.Select(index);
    sectors.PlaceOnGrid(index, 2, grid);
    grid.Apply(2);
    CTableVector shown;
    sectors.ShowAndApplyBand(index, 2, shown, grid);
    auto record = std::make_unique<CSCFSite>();
    record->name = name;
    CopySiteIntoRecord(site, *record);
    record->cabinets.front().configDescription = name;
    CBtsConfiguration::Drop();
    return record;
}

using SimFixture = SimDocumentFixture;

} // namespace

TEST(WizardAgainstSimulatedBts, CheckAndUpdateSendsTheFileConfiguration) {
    SimFixture f;
    const std::string path = (f.dir / "sites.hwc").string();
    std::vector<std::unique_ptr<CSCFSite>> records;
    records.push_back(SectorRecord("Harbour"));
    WriteConfigurations(path, std::move(records));
    f.settings.SetString("Settings", "SCFPath", f.dir.string());
    f.settings.SetString("Settings", "LastSCF", "sites.hwc");
    f.doc->New(false);
    f.doc->OnIdle(); // the event log
    f.doc->ConnectSimulator();
    ASSERT_TRUE(f.PumpUntil([&] { return f.link.IsLinkUp() && f.link.BcfState() == 9; }))
        << "link " << f.link.IsLinkUp() << " BCF " << f.link.BcfState();

    CWizardSheetModel sheet(*f.doc, f.windows, f.settings);
    sheet.Begin();
    CWizardWayController way(sheet);
    way.FirstDisplay();
    way.Enter();
    EXPECT_TRUE(way.SearchEnabled());
    way.Choose(wizard::kWayCheckAndUpdate);
    ASSERT_TRUE(way.Next());

    CWizardSCFController scf(sheet);
    scf.FirstDisplay();
    ASSERT_EQ(scf.Entries(), (std::vector<std::string>{"<Active Configuration>", "Harbour"}));
    scf.Select(1);
    scf.Next();
    ASSERT_EQ(f.doc->ConfigurationName(), "Harbour");

    CWizardWaitController wait(sheet);
    wait.Enter();
    EXPECT_EQ(wait.State(), CWizardWaitController::kReady);
    EXPECT_EQ(wait.Information().name, "Harbour");
    ASSERT_TRUE(wait.Next());

    CWizardCabinetController cabinet(sheet);
    cabinet.FirstDisplay();
    cabinet.Enter();

    CWizardBB2Controller bb2(sheet);
    bb2.Enter();
    EXPECT_TRUE(bb2.AutodetectEnabled());
    f.windows.answers.push_back(EAnswer::Yes);
    ASSERT_TRUE(bb2.Autodetect());
    const auto events = [&] {
        std::vector<std::string> texts;
        for (const auto& e : f.windows.events) {
            texts.push_back(e.second);
        }
        return texts;
    };
    const std::vector<std::string> log = events();
    EXPECT_EQ(std::count(log.begin(), log.end(), std::string("Operation succeeded")), 2)
        << ::testing::PrintToString(log);
    ASSERT_TRUE(f.PumpUntil([&] {
        bb2.CheckAvailability();
        return bb2.NavigationEnabled();
    }));

    CWizardCablingCheckController cabling(sheet);
    cabling.Enter();
    EXPECT_GT(cabling.Entries().size(), 4u);
    cabling.Leave();
    CWizardSimpleAntController antennas(sheet);
    antennas.Enter();
    antennas.Leave();
    CWizardPassiveController passive(sheet);
    passive.Enter();
    passive.Next();

    CWizardLastController last(sheet);
    last.Enter();
    last.SetSaveAs((f.dir / "harbour").string());
    ASSERT_TRUE(last.Finish()) << ::testing::PrintToString(f.windows.shown);
    EXPECT_TRUE(last.Sent());
    ASSERT_NE(f.sim, nullptr);
    EXPECT_NE(f.sim->Store().Stored(0), nullptr);
    EXPECT_NE(f.sim->Store().Stored(3), nullptr);
    EXPECT_FALSE(f.doc->ConfigurationChanged());
    // The report was written where the user said, without the extension typed.
    EXPECT_TRUE(std::filesystem::exists(f.dir / "harbour"));
    // What the BTS holds now was read back: the Differences no longer show what it replaced.
    CConfigInfoKODA info(f.doc->SiteKODA());
    info.SetBtsConnected(true);
    info.Recompute();
    for (const SDifferenceRow& row : info.DifferenceRows()) {
        EXPECT_TRUE(row.same || row.view == "Cabinet Units") << row.view << ": " << row.bts;
    }
}

namespace {

bool ConnectInCommissioning(SimFixture& f) {
    f.doc->New(false);
    f.doc->OnIdle(); // the event log
    f.doc->ConnectSimulator();
    return f.PumpUntil([&] { return f.link.IsLinkUp() && f.link.BcfState() == 9; });
}

long CountOf(const ScriptedWindows& windows, const std::string& text) {
    return std::count_if(windows.events.begin(), windows.events.end(),
                         [&](const auto& e) { return e.second == text; });
}

} // namespace

TEST(WizardAgainstSimulatedBts, AFailedPassiveImportKeepsWhatTheBtsHolds) {
    SimFixture f;
    ASSERT_TRUE(ConnectInCommissioning(f));
    const std::string sent = "Passive unit information sent successfully.";
    {
        CWizardSheetModel sheet(*f.doc, f.windows, f.settings, true);
        sheet.Begin();
        CWizardPassiveController passive(sheet);
        passive.Enter();
        f.windows.files.push_back(std::string(CABRION_TEST_DATA_DIR) + "/passive.hwi");
        ASSERT_TRUE(passive.Import());
        passive.Next();
        // Logged once, by the transfer, not a second time by the page.
        EXPECT_EQ(CountOf(f.windows, sent), 1);
        EXPECT_FALSE(passive.InformationToSend());
        // Cancel on the last page says what did reach the BTS.
        CWizardLastController last(sheet);
        last.Enter();
        EXPECT_FALSE(last.Cancel());
        EXPECT_EQ(f.windows.shown.back(), CWizardLastController::kQuitAfterPassive);
    }
    // A later run fetches the three units, then the user picks a file that cannot be read.
    CWizardSheetModel sheet(*f.doc, f.windows, f.settings, true);
    sheet.Begin();
    CWizardPassiveController passive(sheet);
    passive.Enter();
    ASSERT_TRUE(passive.InformationToSend());
    ASSERT_EQ(sheet.Passive().FilledCount(), 3);
    const std::string empty = (f.dir / "empty.hwi").string();
    std::ofstream(empty).flush();
    f.windows.files.push_back(empty);
    EXPECT_FALSE(passive.Import());
    EXPECT_EQ(f.windows.messages.back(), CHWInfoFile::kImportFailed);
    EXPECT_EQ(f.windows.dialogs.back().title, "Open HW Information File");
    EXPECT_EQ(sheet.Passive().FilledCount(), 3);
    passive.Next();
    EXPECT_EQ(CountOf(f.windows, sent), 2);
    CHWInfoFile fetched;
    ASSERT_TRUE(f.link.FetchPassive(*f.doc->SiteKODA(), fetched));
    EXPECT_EQ(fetched.FilledCount(), 3);
    // The tree groups the units as the Passive Units view does, empty slots included.
    std::size_t nodes = 0;
    for (const SPassiveTreeNode& top : passive.Tree()) {
        nodes += top.children.size();
    }
    EXPECT_GT(nodes, 3u);
}

TEST(WizardAgainstSimulatedBts, EditsAfterAFinishWhoseReportFailedAreSentByTheNextFinish) {
    SimFixture f;
    ASSERT_TRUE(ConnectInCommissioning(f));
    CWizardSheetModel sheet(*f.doc, f.windows, f.settings, true);
    sheet.Begin();
    CWizardLastController last(sheet);
    last.Enter();
    last.SetSaveAs((f.dir / "no such folder" / "report.hwr").string());
    EXPECT_FALSE(last.Finish());
    EXPECT_EQ(f.windows.messages.back(), CWizardLastController::kSaveError);
    ASSERT_NE(f.sim, nullptr);
    ASSERT_NE(f.sim->Store().Stored(0), nullptr);
    const std::vector<uint8_t> first = *f.sim->Store().Stored(0);

    // Back to the cabinet page, an edit, then Next up to this page again.
    CWizardCabinetController cabinet(sheet);
    cabinet.FirstDisplay();
    cabinet.Enter();
    cabinet.SetLte(!cabinet.Lte());
    last.Enter();
    EXPECT_FALSE(last.Cancel());
    EXPECT_EQ(f.windows.shown.back(), CWizardLastController::kQuitAnyway);
    last.SetSaveAs({});
    ASSERT_TRUE(last.Finish()) << ::testing::PrintToString(f.windows.shown);
    EXPECT_NE(*f.sim->Store().Stored(0), first);
}

// The update-only way opens the BTS Connection page before the link is up: the BCF's state,
// which the BTS reports after its information, still makes the page ready. Notifications reach
// the page as they are sent, before the document has read the next message.
TEST(WizardAgainstSimulatedBts, AWaitingPageOpenedBeforeTheLinkBecomesReady) {
    SimFixture f;
    f.doc->New(false);
    f.doc->OnIdle(); // the event log
    CWizardSheetModel sheet(*f.doc, f.windows, f.settings);
    sheet.Begin();
    CWizardWaitController wait(sheet);
    wait.Enter();
    ASSERT_EQ(wait.State(), CWizardWaitController::kNoConnection);
    f.windows.relay = [&](int message, int wParam, int) { wait.OnNotification(message, wParam); };
    f.doc->ConnectSimulator();
    const bool ready = f.PumpUntil([&] { return wait.State() == CWizardWaitController::kReady; });
    f.windows.relay = {};
    EXPECT_TRUE(ready) << ::testing::PrintToString(wait.Lines());
    EXPECT_EQ(wait.Lines().back(), "You can click Next to proceed");
}
