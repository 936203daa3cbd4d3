// A Selmo configuration in the document: opened directly, its diversity pairs edited, undone,
// saved and saved as without losing a value, and the Orvik-only commands kept away from it.
#include "DocumentTestSupport.h"

#include "app/commands/CommandIds.h"
#include "app/wizard/WizardSheetModel.h"
#include "comms/CommsReport.h"
#include "files/AtomicFile.h"
#include "model/SiteTARN.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

const std::string kSample =
    std::string(CABRION_TEST_DATA_DIR) + "/../../docs/samples/selmo-4trx.hwc";

// The sample copied next to the test's other files, opened as a double click opens it.
struct SelmoDocument : DocumentFixture {
    std::string path = Path("selmo.hwc");
    std::unique_ptr<CSiteConfigFile> original;

    SelmoDocument() {
        std::filesystem::copy_file(kSample, path);
        original = Reread(path);
    }
    bool Open() { return doc->OpenPath(path, true); }
    CSiteTARN* Site() { return dynamic_cast<CSiteTARN*>(doc->Site()); }
    // What the user's pairing does: one undo step, then the pair.
    void Pair(int trx, int partner) {
        Site()->PushUndoStep("RX Diversity");
        ASSERT_TRUE(Site()->SetDiversityPair(trx, partner));
    }
};

} // namespace

TEST(DocumentSelmo, OpensDirectlyAndSavesBackUnchanged) {
    SelmoDocument f;
    ASSERT_TRUE(f.Open());
    ASSERT_NE(f.Site(), nullptr);
    EXPECT_TRUE(f.doc->SelmoSite());
    EXPECT_EQ(f.doc->Title(), "Selmo 2+2");
    EXPECT_EQ(f.windows.newSheets, 0);
    // No question about an update the Selmo site cannot take, no message at all.
    EXPECT_TRUE(f.windows.shown.empty());
    EXPECT_EQ(f.Site()->FindTrx(3)->DiversityPair(), 4);

    ASSERT_TRUE(f.doc->OnCommand(cmd::kSave));
    EXPECT_TRUE(f.windows.messages.empty());
    // The recent file list would open it through the list that refuses it.
    EXPECT_TRUE(f.windows.recent.empty());
    const auto saved = Reread(f.path);
    ASSERT_EQ(saved->Sites().size(), 1u);
    EXPECT_EQ(*saved->Sites()[0], *f.original->Sites()[0]);
    EXPECT_EQ(saved->WriteToString(), f.original->WriteToString());
}

TEST(DocumentSelmo, ChangedPairIsAllThatChangesAndUndoTakesItBack) {
    SelmoDocument f;
    ASSERT_TRUE(f.Open());
    f.Pair(2, 3);
    EXPECT_TRUE(f.doc->ConfigurationChanged());
    ASSERT_TRUE(f.doc->OnCommand(cmd::kSave));

    CSCFSite expected = *f.original->Sites()[0];
    auto& trxs = expected.cabinets.front().trxCablings;
    trxs[0].diversityPair = -1;
    trxs[1].diversityPair = 3;
    trxs[2].diversityPair = 2;
    trxs[3].diversityPair = -1;
    EXPECT_EQ(*Reread(f.path)->Sites()[0], expected);

    // Reopened, the file shows the new pair.
    SelmoDocument again;
    std::filesystem::copy_file(f.path, again.path,
                               std::filesystem::copy_options::overwrite_existing);
    ASSERT_TRUE(again.Open());
    EXPECT_EQ(again.Site()->FindTrx(2)->DiversityPair(), 3);
    EXPECT_EQ(again.Site()->FindTrx(1)->DiversityPair(), -1);

    // Undo brings the sample's pairs back, and saving them gives the sample again.
    ASSERT_TRUE(f.doc->IsCommandEnabled(cmd::kUndo));
    ASSERT_TRUE(f.doc->OnCommand(cmd::kUndo));
    ASSERT_NE(f.Site(), nullptr);
    EXPECT_EQ(f.Site()->FindTrx(2)->DiversityPair(), 1);
    ASSERT_TRUE(f.doc->OnCommand(cmd::kSave));
    EXPECT_EQ(*Reread(f.path)->Sites()[0], *f.original->Sites()[0]);
}

TEST(DocumentSelmo, SaveAsToANewFileLosesNothing) {
    SelmoDocument f;
    ASSERT_TRUE(f.Open());
    f.Pair(1, 4);
    const std::string copy = f.Path("copy.hwc");
    // The sheet starts on the document's file; Browse is what a user does for another one.
    f.windows.files.push_back(copy);
    f.windows.saveSheet = [](CSaveSCFSheetModel& sheet) {
        EXPECT_TRUE(sheet.Browse());
        sheet.SetName("Selmo copy");
        sheet.SetDescription("Pairs 1-4 for the new antennas");
        return sheet.Finish();
    };
    ASSERT_TRUE(f.doc->OnCommand(cmd::kSaveAs));
    EXPECT_TRUE(f.windows.messages.empty());
    EXPECT_EQ(f.doc->PathName(), copy);
    EXPECT_EQ(f.doc->Title(), "Selmo copy");

    const auto written = Reread(copy);
    ASSERT_EQ(written->Sites().size(), 1u);
    CSCFSite expected = *f.original->Sites()[0];
    expected.name = "Selmo copy";
    expected.cabinets.front().configDescription = "Pairs 1-4 for the new antennas";
    auto& trxs = expected.cabinets.front().trxCablings;
    trxs[0].diversityPair = 4;
    trxs[1].diversityPair = -1;
    trxs[2].diversityPair = -1;
    trxs[3].diversityPair = 1;
    EXPECT_EQ(*written->Sites()[0], expected);
    // The file it came from is as it was.
    EXPECT_EQ(*Reread(f.path)->Sites()[0], *f.original->Sites()[0]);

    // Saving again goes into the copy's record.
    ASSERT_TRUE(f.doc->OnCommand(cmd::kSave));
    EXPECT_EQ(*Reread(copy)->Sites()[0], expected);
}

// A record with TX and RX main connections that lists transceiver 3 twice: Save As shows the
// cabling the record will be written with, and a save without edits writes what was read.
TEST(DocumentSelmo, SaveAsShowsWhatIsWrittenAndAnUneditedSaveWritesWhatWasRead) {
    SelmoDocument f;
    std::string text;
    ASSERT_TRUE(ReadWholeFile(f.path, text));
    const std::string first = "\\CAB_TRX_LOG_ID           1\r\n";
    text.insert(text.find(first) + first.size(), "\\CAB_TRX_TX_CON 1\r\n\\CAB_TRX_RXM_CON 1\r\n");
    text.insert(text.find("\\TRE_EQUIPMENT_NAME"),
                "\\CAB_TRX_ID 3\r\n\\CAB_TRX_UNIT_TYPE 1\r\n\\CAB_TRX_DIV_PAIR 2\r\n");
    ASSERT_EQ(WriteFileAtomically(f.path, text), "");
    const auto read = Reread(f.path);
    ASSERT_TRUE(read->Errors().empty());
    ASSERT_TRUE(f.Open());

    std::string shown;
    f.windows.saveSheet = [&shown](CSaveSCFSheetModel& sheet) {
        shown = sheet.NewValues().cabling;
        return false;
    };
    EXPECT_FALSE(f.doc->OnCommand(cmd::kSaveAs));
    EXPECT_EQ(shown, "TX, RX Main") << "every transceiver has its pair: no RX Div";

    ASSERT_TRUE(f.doc->OnCommand(cmd::kSave));
    EXPECT_EQ(*Reread(f.path)->Sites()[0], *read->Sites()[0]);
}

TEST(DocumentSelmo, SaveAsNextToOrvikConfigurationsKeepsThem) {
    SelmoDocument f;
    const std::string shared = f.Path("shared.hwc");
    std::vector<std::unique_ptr<CSCFSite>> records;
    records.push_back(OrvikRecord("Alpha"));
    records.push_back(OrvikRecord("Selmo 2+2")); // replaced by the Selmo configuration
    WriteConfigurations(shared, std::move(records));
    const auto before = Reread(shared);
    ASSERT_TRUE(f.Open());
    f.windows.files.push_back(shared);
    f.windows.answers = {EAnswer::Yes}; // overwrite the configuration of that name
    f.windows.saveSheet = [](CSaveSCFSheetModel& sheet) {
        EXPECT_TRUE(sheet.Browse());
        sheet.SetName("Selmo 2+2");
        return sheet.Finish();
    };
    ASSERT_TRUE(f.doc->OnCommand(cmd::kSaveAs));
    const auto after = Reread(shared);
    ASSERT_EQ(after->Sites().size(), 2u);
    EXPECT_EQ(*after->Sites()[0], *before->Sites()[0]);
    EXPECT_EQ(*after->Sites()[1], *f.original->Sites()[0]);

    // Through the open sheet the Selmo row is listed but cannot be finished.
    f.windows.newSiteSheet = [](CNewSiteSheetModel& sheet) {
        sheet.Select(1);
        EXPECT_EQ(sheet.Rows().at(1).bcfType, "Not supported");
        return sheet.CanFinish();
    };
    EXPECT_FALSE(f.doc->OpenPath(shared));
}

TEST(DocumentSelmo, PlanIsRefusedAndNothingIsWritten) {
    SelmoDocument f;
    ASSERT_TRUE(f.Open());
    const std::string plan = f.Path("selmo.ewb");
    f.windows.files.push_back(plan);
    f.windows.saveSheet = [](CSaveSCFSheetModel& sheet) {
        EXPECT_TRUE(sheet.Browse());
        sheet.SetName("Selmo plan");
        return sheet.Finish();
    };
    EXPECT_FALSE(f.doc->OnCommand(cmd::kSaveAs));
    EXPECT_EQ(f.windows.messages.back(), CBTSConfigurationDoc::kSelmoNotInPlan);
    EXPECT_FALSE(std::filesystem::exists(plan));
    EXPECT_EQ(f.doc->PathName(), f.path);
}

TEST(DocumentSelmo, OrvikOnlyCommandsAreOffOrRefused) {
    SelmoDocument f;
    ASSERT_TRUE(f.Open());
    for (int id :
         {cmd::kUpdateToLatest, cmd::kReplaceCabinet, cmd::kBtsTab, cmd::kCopyBtsConfiguration,
          cmd::kConnectLocal, cmd::kConnectRemote, cmd::kSimulator, cmd::kSend, cmd::kFetch,
          cmd::kSendPassive, cmd::kFetchPassive}) {
        EXPECT_FALSE(f.doc->IsCommandEnabled(id)) << id;
        EXPECT_FALSE(f.doc->OnCommand(id)) << id;
    }
    // Without a BTS there is no tab row either.
    EXPECT_FALSE(f.doc->IsCommandEnabled(cmd::kCandidateTab));
    for (int id : {cmd::kSave, cmd::kSaveAs, cmd::kProperties, cmd::kOptions}) {
        EXPECT_TRUE(f.doc->IsCommandEnabled(id)) << id;
    }
    // Called directly, the Orvik-only paths say why or do nothing.
    f.doc->UpdateToLatest(false);
    f.doc->CopyBtsConfiguration();
    EXPECT_EQ(f.windows.messages.back(), CBTSConfigurationDoc::kSelmoNoConnection);
    f.doc->SelectTab(true);
    EXPECT_FALSE(f.doc->IsCommandChecked(cmd::kBtsTab));
    f.doc->ConnectLocal();
    EXPECT_TRUE(f.link.starts.empty());
    f.doc->OnIdle();
    f.doc->OnIdle();
    f.doc->OnIdle();
    EXPECT_NE(f.Site(), nullptr);
    EXPECT_EQ(f.Site()->GetConfiguration(kSelectCandidate)->SwLevel().Level(), 20);

    // A link started before the file was opened still reports; the Selmo site stays as it is.
    f.link.GoUp(2);
    f.doc->OnReport(CCommsReport(CCommsReport::kConnected, CCommsReport::kNone));
    f.doc->EnsureBtsSite();
    const uint8_t bytes[] = {1, 0, 0, 0};
    EXPECT_NO_THROW(f.doc->OnUplinkMessage(bytes));
    EXPECT_FALSE(f.doc->IsCommandEnabled(cmd::kCopyBtsConfiguration));
    EXPECT_FALSE(f.doc->IsCommandEnabled(cmd::kSend));
    // The next idle pass stops it, as the Selmo menu offers no Disconnect.
    EXPECT_FALSE(f.doc->IsCommandEnabled(cmd::kDisconnect));
    f.doc->OnIdle();
    EXPECT_FALSE(f.link.IsLinkUp());
    EXPECT_EQ(f.link.ConnectionKind(), 0);
    f.doc->OnReport(CCommsReport(CCommsReport::kNoConnection, CCommsReport::kNone));
    EXPECT_EQ(f.Site()->FindTrx(1)->DiversityPair(), 2);
}

TEST(DocumentSelmo, WizardStartsFromANewOrvikConfiguration) {
    SelmoDocument f;
    ASSERT_TRUE(f.Open());
    f.Pair(1, 3);
    // Unsaved pairs are offered for saving first; Cancel keeps them.
    f.windows.answers = {EAnswer::Cancel};
    {
        CWizardSheetModel wizard(*f.doc, f.windows, f.settings);
        wizard.Begin();
        EXPECT_EQ(f.windows.messages.back(), CWizardSheetModel::kSelmoStartsNew);
        EXPECT_TRUE(f.doc->SelmoSite());
        EXPECT_EQ(wizard.Site(), nullptr);
        EXPECT_EQ(wizard.Schemes(), nullptr);
    }
    f.windows.answers = {EAnswer::No};
    CWizardSheetModel wizard(*f.doc, f.windows, f.settings);
    wizard.Begin();
    EXPECT_FALSE(f.doc->SelmoSite());
    EXPECT_NE(wizard.Site(), nullptr);
    // The Selmo file was not touched.
    EXPECT_EQ(*Reread(f.path)->Sites()[0], *f.original->Sites()[0]);
}

TEST(DocumentSelmo, StartupFileOfASelmoConfigurationOpensWithoutTheWizard) {
    SelmoDocument f;
    f.doc->SetStartupSiteFile(f.path, 1);
    f.doc->OnIdle();
    f.doc->OnIdle();
    ASSERT_NE(f.Site(), nullptr);
    EXPECT_FALSE(f.doc->OpenSiteFileAtStart());
    EXPECT_EQ(f.doc->Title(), "Selmo 2+2");
}
