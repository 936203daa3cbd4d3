// What the document keeps, saves and sends, through the program's own link against the simulated
// BTS and real files on disk: passive units through an Open and the update question, the
// passive units of a plan, units the Units page only shows, lines a rewrite would drop, and the
// BTS's configuration read when the link comes up.
#include <gtest/gtest.h>

#include "SimDocumentSupport.h"
#include "app/commands/CommandIds.h"
#include "app/transfer/DocumentTransfer.h"
#include "app/pages/PageUnitsController.h"
#include "comms/ConfigBlocks.h"
#include "comms/ConfigTransfer.h"
#include "comms/FirstConfigFile.h"
#include "comms/MMIServ.h"
#include "comms/SecondConfigFile.h"
#include "files/HWInfoFile.h"
#include "files/xml/XMLPlanWriter.h"
#include "model/DataBaseKODA.h"
#include "model/Strings.h"
#include "sim/SimScenario.h"
#include "sim/SimServer.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>

namespace {

bool Holds(const std::vector<std::string>& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

bool HasSerial(const CHWInfoFile& table, int group, int slot, const std::string& serial) {
    std::string s;
    std::string product;
    return table.GetSlot(group, slot, s, product) && s == serial;
}

// A configuration file holding one empty Orvik configuration.
std::string WriteOneConfiguration(const SimDocumentFixture& f, const std::string& name) {
    const std::string path = (f.dir / "sites.hwc").string();
    std::vector<std::unique_ptr<CSCFSite>> records;
    records.push_back(OrvikRecord(name));
    WriteConfigurations(path, std::move(records));
    return path;
}

bool RecordHoldsUnit(const CSCFSite& site, int typeId, int slot) {
    for (const CSCFUnit& u : site.cabinets.front().units) {
        if (u.typeId == typeId && u.slot == slot) {
            return true;
        }
    }
    return false;
}

} // namespace

// Serial numbers imported while connected stay marked through the Open of a configuration, and
// the update question sends them: a fetch afterwards gives them back.
TEST(DocumentAgainstSimulatedBts, PassiveUnitsSurviveAnOpenAndReachTheBts) {
    SimDocumentFixture f;
    const std::string configurations = WriteOneConfiguration(f, "Harbour");
    f.doc->New(false);
    ASSERT_TRUE(f.LinkUp());

    CHWInfoFile imported;
    imported.SetSlot(1, 0, "SN4711", "DJMA-1");
    const std::string hwi = (f.dir / "scanned.hwi").string();
    ASSERT_TRUE(imported.Export(hwi));
    f.doc->SetActiveViewType(CBTSConfigurationDoc::kPassiveUnitsView);
    f.windows.files.push_back(hwi);
    ASSERT_TRUE(f.doc->Open());
    ASSERT_TRUE(f.doc->PassiveChanged());

    f.doc->SetActiveViewType(1);
    ASSERT_TRUE(f.doc->OpenPath(configurations));
    EXPECT_TRUE(f.doc->PassiveChanged()) << "an Open cleared the mark of the imported units";

    f.windows.answers = {EAnswer::Yes};
    f.windows.shown.clear();
    f.doc->New(false);
    EXPECT_TRUE(Holds(f.windows.shown,
                      "The passive unit information has been changed.\nUpdate BTS with changes?"))
        << ::testing::PrintToString(f.windows.shown);
    EXPECT_TRUE(Holds(f.EventTexts(), std::string(LoadString(64089))));
    EXPECT_TRUE(Holds(f.EventTexts(), std::string(LoadString(64090))))
        << ::testing::PrintToString(f.EventTexts());

    CHWInfoFile fetched;
    ASSERT_TRUE(f.link.FetchPassive(*f.doc->SiteKODA(), fetched));
    EXPECT_TRUE(HasSerial(fetched, 1, 0, "SN4711"));
}

// A plan's passive unit objects become the document's table on Open and survive a Save.
TEST(DocumentAgainstSimulatedBts, APlanKeepsItsPassiveUnitsThroughOpenAndSave) {
    SimDocumentFixture f;
    const std::string path = (f.dir / "plan.ewb").string();
    {
        auto record = OrvikRecord("Ferry");
        CHWInfoFile passive;
        passive.SetSlot(1, 0, "SN100", "DJMA-1");
        CXML_NodeFile plan(path);
        ASSERT_TRUE(WriteXMLPlan(plan, *record, record->cabinets.front(), &passive));
    }
    ASSERT_NE(Slurp(path).find("SN100"), std::string::npos);
    f.doc->New(false);
    ASSERT_TRUE(f.doc->OpenPath(path));
    EXPECT_TRUE(HasSerial(f.doc->CandidatePassive(), 1, 0, "SN100"));
    EXPECT_FALSE(f.doc->PassiveChanged());

    f.doc->MarkConfigurationChanged(true);
    ASSERT_TRUE(f.doc->Save()) << ::testing::PrintToString(f.windows.messages);
    EXPECT_NE(Slurp(path).find("CORE_MECH_INFO"), std::string::npos);
    EXPECT_NE(Slurp(path).find("SN100"), std::string::npos);
}

// A unit the Units page only shows, or has just removed, reaches neither the file nor the BTS
// while the sheet stays open; the send logs its start.
TEST(DocumentAgainstSimulatedBts, UnitsThePageOnlyShowsAreNeitherSavedNorSent) {
    SimDocumentFixture f;
    const std::string path = WriteOneConfiguration(f, "Harbour");
    f.doc->New(false);
    ASSERT_TRUE(f.doc->OpenPath(path));
    CSiteKODA& site = *f.doc->SiteKODA();
    PageUnitsController page(site, *f.doc);

    page.Select(kUnitKindDdu, 5);
    ASSERT_TRUE(page.IsNotYetAdded());
    const int typeId = page.ChosenType();
    f.doc->MarkConfigurationChanged(true);
    ASSERT_TRUE(f.doc->Save());
    EXPECT_FALSE(RecordHoldsUnit(*Reread(path)->FindSite("Harbour"), typeId, 5));

    ASSERT_TRUE(page.Add());
    ASSERT_TRUE(f.doc->Save());
    ASSERT_TRUE(RecordHoldsUnit(*Reread(path)->FindSite("Harbour"), typeId, 5));
    ASSERT_TRUE(page.Remove());
    ASSERT_TRUE(page.IsNotYetAdded()) << "the page goes on showing the place";
    ASSERT_TRUE(f.doc->Save());
    EXPECT_FALSE(RecordHoldsUnit(*Reread(path)->FindSite("Harbour"), typeId, 5));

    ASSERT_TRUE(f.LinkUp());
    f.doc->MarkConfigurationChanged(true);
    f.windows.shown.clear();
    f.windows.duringQuestion = [&] {
        // The version question, when the levels differ, is answered as the update one.
        f.windows.answers.push_back(EAnswer::Yes);
    };
    ASSERT_TRUE(f.doc->SaveModified(true, false)) << ::testing::PrintToString(f.windows.shown);
    f.windows.duringQuestion = {};
    EXPECT_TRUE(Holds(f.EventTexts(), std::string(LoadString(64070))))
        << ::testing::PrintToString(f.EventTexts());
    // The second configuration file the BTS stored names no DDU at backplane connector 3.
    const std::vector<uint8_t>* second = nullptr;
    for (int operation = 0; operation < 256 && f.sim != nullptr; ++operation) {
        const std::vector<uint8_t>* block = f.sim->Store().Stored(operation);
        if (block != nullptr && block->size() > 20 && (*block)[0] == 'M' && (*block)[1] == 'M') {
            second = block;
        }
    }
    ASSERT_NE(second, nullptr);
    EXPECT_EQ((*second)[8 + 2 + 2], 0);
    EXPECT_EQ((*second)[8 + 8 + 2], 0);
    EXPECT_TRUE(page.IsNotYetAdded());
}

// A configuration whose file had lines the reader rejected is not rewritten without the user
// having seen them: Save refuses and leaves the file as it was; the save sheet lists them.
TEST(DocumentAgainstSimulatedBts, LinesTheReaderRejectedAreNotDroppedUnseen) {
    SimDocumentFixture f;
    const std::string path = WriteOneConfiguration(f, "Harbour");
    {
        std::string text = Slurp(path);
        text.insert(text.rfind("\\EOF"), "\\NO_SUCH_KEYWORD 1\r\n");
        std::ofstream(path, std::ios::binary) << text;
    }
    const std::string before = Slurp(path);
    f.doc->New(false);
    // The search adopts a configuration without any sheet.
    f.doc->AdoptFoundConfiguration(path, 0, "Harbour");
    ASSERT_EQ(f.doc->ConfigurationName(), "Harbour");
    f.doc->MarkConfigurationChanged(true);
    EXPECT_FALSE(f.doc->Save());
    EXPECT_EQ(Slurp(path), before);
    ASSERT_FALSE(f.windows.messages.empty());
    EXPECT_NE(f.windows.messages.back().find("use Save As"), std::string::npos);

    bool listed = false;
    f.windows.saveSheet = [&](CSaveSCFSheetModel& sheet) {
        listed =
            sheet.HasProblems() && sheet.ProblemList().Rows().front().tag == "\\NO_SUCH_KEYWORD";
        return sheet.Finish();
    };
    f.windows.answers = {EAnswer::Yes}; // overwrite "Harbour"
    ASSERT_TRUE(f.doc->SaveAs());
    EXPECT_TRUE(listed);
    EXPECT_EQ(Slurp(path).find("NO_SUCH_KEYWORD"), std::string::npos);
}

// Connection > Connect... leaves the live local link alone while the user chooses, and after a
// Cancel; a confirmed target replaces it, and confirming the BTS already connected keeps it.
TEST(DocumentAgainstSimulatedBts, ConnectKeepsTheLiveLinkUntilANewTargetIsConfirmed) {
    SimDocumentFixture f;
    SSimScenario scenario;
    scenario.bts = SSimBtsModel::Default();
    CSimServer local(scenario);
    CSimServer remote(scenario);
    std::string error;
    ASSERT_TRUE(local.OpenPty(error)) << error;
    ASSERT_TRUE(remote.ListenTcp("127.0.0.1", 0, error)) << error;
    local.Start();
    remote.Start();
    CRegistry::Instance().SetInt("ComPort", 1);
    ::setenv("CABRION_COM1", local.PtyPath().c_str(), 1);
    f.doc->New(false);
    f.doc->ConnectLocal();
    ASSERT_TRUE(f.PumpUntil([&] { return f.link.IsLinkUp(); }, 15s));
    const CBaseTransactServer* localServer = f.hub.Server();

    std::string answer; // what the user confirms; empty is Cancel
    bool upWhileAsked = false;
    f.hub.SetTargetQuery([&] {
        upWhileAsked = f.link.IsLinkUp() && f.link.ConnectionKind() == 2;
        return answer;
    });
    ASSERT_TRUE(f.doc->OnCommand(cmd::kConnectRemote));
    EXPECT_TRUE(upWhileAsked) << "the dialog opened on a dropped link";
    EXPECT_EQ(f.hub.Server(), localServer);
    EXPECT_TRUE(f.link.IsLinkUp());
    EXPECT_TRUE(f.doc->ConnectionWanted());

    answer = "HOST=127.0.0.1,TCPPORT=" + std::to_string(remote.Port()) + ",BSCID=4,BCFID=2";
    f.doc->OnCommand(cmd::kConnectRemote);
    ASSERT_TRUE(f.PumpUntil([&] { return f.link.IsLinkUp(); }));
    EXPECT_EQ(f.link.ConnectionKind(), 1);
    EXPECT_EQ(f.link.BscId(), 4);
    const CBaseTransactServer* remoteServer = f.hub.Server();
    const int clients = remote.ClientsServed();

    f.doc->ConnectRemote(); // the same BTS again, as the dialog offers it
    EXPECT_EQ(f.hub.Server(), remoteServer);
    EXPECT_TRUE(f.link.IsLinkUp());
    EXPECT_EQ(remote.ClientsServed(), clients);

    f.hub.SetTargetQuery({});
    f.hub.StopConnection();
    f.hub.Pump();
    ::unsetenv("CABRION_COM1");
}

// What the BTS holds is read when the link comes up and finished as a fetch finishes it: an
// antenna's attenuation is its value, not the class the BTS stores it as (+1.90 dB, not +0.09).
TEST(DocumentAgainstSimulatedBts, TheReadOnLinkUpGivesAntennaAttenuationsTheirValues) {
    SimDocumentFixture f;
    f.doc->New(false);
    ASSERT_TRUE(f.doc->OpenPath(std::string(CABRION_TEST_DATA_DIR) +
                                "/../../docs/samples/harbour-4x3.hwc"));
    CDataBaseKODA& db = *f.doc->SiteKODA()->GetKODA(kSelectCandidate);
    db.Antenna(1)->SetConnectedCombiner(1);
    db.Antenna(1)->SetMhaType(3);
    db.Antenna(1)->SetAttenuation(190);
    f.scenario.stored[0] = blocks::BuildFirstConfigFile(db, 31).bytes;
    f.scenario.stored[4] = blocks::BuildCrossConnectionBlock(db, 31);
    f.scenario.stored[3] = blocks::BuildSecondConfigFile(db);
    ASSERT_TRUE(f.LinkUp());
    const auto bts = [] { return dynamic_cast<CDataBaseKODA*>(CBtsConfiguration::Get()); };
    ASSERT_TRUE(f.PumpUntil([&] {
        f.doc->OnIdle();
        return bts() != nullptr && bts()->TransferStatus(2) == 1;
    }));
    EXPECT_EQ(bts()->Antenna(1)->Attenuation(), 190);
    EXPECT_EQ(bts()->Antenna(1)->ConnectedCombiner(), 1);
    const auto texts = f.EventTexts();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), std::string(LoadString(64072))), 1)
        << ::testing::PrintToString(texts);
}

// What a send stores and its read-back gives back compares the same: a new candidate's
// unconnected antennas, whose attenuations the BTS keeps only in classes, and a site of EDGE
// transceivers that the BTS reports as EDGE ones.
TEST(DocumentAgainstSimulatedBts, ASendAndItsReadBackCompareTheSame) {
    const std::string samples = std::string(CABRION_TEST_DATA_DIR) + "/../../docs/samples/";
    for (const bool harbour : {false, true}) {
        SimDocumentFixture f;
        f.doc->New(false);
        if (harbour) {
            std::string error;
            ASSERT_TRUE(LoadSimScenario(samples + "harbour-4x3-bts.json", f.scenario, error))
                << error;
            ASSERT_TRUE(f.doc->OpenPath(samples + "harbour-4x3.hwc"));
        }
        ASSERT_TRUE(f.LinkUp());
        f.windows.duringQuestion = [&] { f.windows.answers.push_back(EAnswer::Yes); };
        CDocumentTransfer transfer(*f.doc, CMMIServ::Instance(),
                                   CBTSUpdateFetchDlg::kSendConfiguration, [](int) {});
        ASSERT_TRUE(transfer.Dialog().Start());
        transfer.Dialog().OnSend();
        ASSERT_EQ(transfer.Dialog().status, "Send successful");
        transfer.Info().SetBtsConnected(true);
        transfer.Info().Recompute();
        for (const SDifferenceRow& row : transfer.Info().DifferenceRows()) {
            if (row.view == "Antenna Settings" || (harbour && row.view == "Cabinet Units")) {
                EXPECT_TRUE(row.same)
                    << harbour << " " << row.view << ": " << row.candidate << " / " << row.bts;
            }
        }
    }
}
