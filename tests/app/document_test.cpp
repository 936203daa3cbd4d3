// The document without windows: new, open, save, the questions and undo.
#include "DocumentTestSupport.h"

#include "app/commands/CommandIds.h"
#include "files/AtomicFile.h"
#include "files/xml/XMLPlanWriter.h"
#include "model/DataBaseKODA.h"
#include "model/UnitsKODA.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

std::vector<std::string> Names(const std::unique_ptr<CSiteConfigFile>& f) {
    std::vector<std::string> names;
    for (const auto& s : f->Sites()) {
        names.push_back(s->name);
    }
    return names;
}

// Chooses the row of that name in the open sheet.
std::function<bool(CNewSiteSheetModel&)> PickRow(const std::string& name) {
    return [name](CNewSiteSheetModel& sheet) {
        for (size_t i = 0; i < sheet.Rows().size(); ++i) {
            if (sheet.Rows()[i].name == name) {
                sheet.Select(static_cast<int>(i));
            }
        }
        return sheet.CanFinish();
    };
}

// Saves under a new name: the add-new row, name and description typed, then finish.
std::function<bool(CSaveSCFSheetModel&)> SaveAsNamed(const std::string& name) {
    return [name](CSaveSCFSheetModel& sheet) {
        sheet.SetName(name);
        sheet.SetDescription(name + " saved");
        return sheet.Finish();
    };
}

// An edit the user could make: one more unit, as an undoable step.
void Edit(CBTSConfigurationDoc& doc) {
    auto mha = CSiteKODA::CreateUnitOfKind(kUnitKindMha);
    mha->SetNumber(7);
    doc.Site()->AddUnit(std::move(mha), true, kSelectCandidate);
}

size_t UnitCount(CBTSConfigurationDoc& doc) {
    return doc.Site()->GetConfiguration(kSelectCandidate)->Units().size();
}

TEST(Document, NewByEitherCommandMakesAnEmptyOrvikSite) {
    DocumentFixture f;
    EXPECT_FALSE(f.doc->HasSite());
    EXPECT_FALSE(f.doc->IsCommandEnabled(cmd::kSave));
    ASSERT_TRUE(f.doc->OnCommand(cmd::kNew));
    EXPECT_NE(f.doc->SiteKODA(), nullptr);
    EXPECT_EQ(f.doc->Title(), "Untitled");
    EXPECT_TRUE(f.doc->IsCommandEnabled(cmd::kSave));
    EXPECT_FALSE(f.doc->ConfigurationChanged());

    ASSERT_TRUE(f.doc->OnCommand(cmd::kFileNew));
    EXPECT_EQ(f.doc->Title(), "PUntitled");
    EXPECT_TRUE(f.doc->CandidateTabSelected());
    EXPECT_TRUE(f.windows.messages.empty());
}

TEST(Document, MenuRebuildDropsTheSimulatorAndNamesTheVersion) {
    DocumentFixture f;
    f.doc->OnCommand(cmd::kNew);
    for (int i = 0; i < 3; ++i) {
        f.doc->RebuildMenu();
        EXPECT_FALSE(InMenu(f.doc->Commands(), cmd::kSimulator));
    }
    EXPECT_EQ(f.doc->CommandText(cmd::kUpdateToLatest), "&Update To Latest (KS7 MP1.0)");
    // Every other connection command is still offered.
    EXPECT_TRUE(InMenu(f.doc->Commands(), cmd::kConnectLocal));
    EXPECT_TRUE(InMenu(f.doc->Commands(), cmd::kDisconnect));
}

TEST(Document, UndoNamesTheStepAndTellsTheMainWindow) {
    DocumentFixture f;
    f.doc->OnCommand(cmd::kNew);
    EXPECT_FALSE(f.doc->IsCommandEnabled(cmd::kUndo));
    Edit(*f.doc);
    EXPECT_TRUE(f.doc->ConfigurationChanged());
    ASSERT_TRUE(f.doc->IsCommandEnabled(cmd::kUndo));
    EXPECT_EQ(f.doc->CommandText(cmd::kUndo), "&Undo Add Unit\tCtrl + Z");
    const size_t edited = UnitCount(*f.doc);

    f.doc->OnCommand(cmd::kUndo);
    EXPECT_EQ(UnitCount(*f.doc), edited - 1);
    EXPECT_FALSE(f.doc->IsCommandEnabled(cmd::kUndo));
    EXPECT_NE(std::find(f.windows.notifications.begin(), f.windows.notifications.end(),
                        std::tuple<int, int, int>{notify::kGeneral, notify::kUndoPerformed, 0}),
              f.windows.notifications.end());
}

TEST(DocumentOpen, ChoosesOneConfigurationOfAFileThroughTheSheet) {
    DocumentFixture f;
    const std::string path = f.Path("two.hwc");
    std::vector<std::unique_ptr<CSCFSite>> records;
    records.push_back(OrvikRecord("Alpha"));
    records.push_back(OrvikRecord("Beta"));
    WriteConfigurations(path, std::move(records));

    f.windows.files.push_back(path);
    f.windows.newSiteSheet = PickRow("Beta");
    ASSERT_TRUE(f.doc->OnCommand(cmd::kOpen));
    EXPECT_EQ(f.windows.newSheets, 1);
    EXPECT_EQ(f.doc->Title(), "Beta");
    EXPECT_EQ(f.doc->ConfigurationName(), "Beta");
    EXPECT_EQ(f.doc->PathName(), path);
    EXPECT_EQ(f.doc->FileType(), CBTSConfigurationDoc::kSiteConfigurationFile);
    EXPECT_FALSE(f.doc->ConfigurationChanged());
    EXPECT_EQ(f.settings.GetString("Settings", "SCFPath", ""), f.dir.string());
    EXPECT_EQ(f.settings.GetString("Settings", "LastSCF", ""), "two.hwc");
    EXPECT_EQ(f.windows.recent, std::vector<std::string>{path});

    // Cancelling the sheet leaves the open configuration alone.
    f.windows.files.push_back(path);
    f.windows.newSiteSheet = [](CNewSiteSheetModel&) { return false; };
    f.doc->OnCommand(cmd::kOpen);
    EXPECT_EQ(f.doc->Title(), "Beta");
}

TEST(DocumentOpen, PlanExtensionIsRecognisedInAnyCase) {
    DocumentFixture f;
    const std::string plan = f.Path("site.EWB");
    {
        auto record = OrvikRecord("Quay");
        CXML_NodeFile file(plan);
        ASSERT_TRUE(WriteXMLPlan(file, *record, record->cabinets.front(), nullptr));
    }
    ASSERT_TRUE(f.doc->OpenPath(plan));
    EXPECT_EQ(f.windows.newSheets, 0);
    EXPECT_EQ(f.doc->FileType(), CBTSConfigurationDoc::kXmlPlan);
    EXPECT_EQ(f.doc->Title(), "Quay");

    // One character more and it is read as a configuration file, which it is not.
    const std::string longer = f.Path("site.EWBx");
    std::filesystem::copy_file(plan, longer);
    EXPECT_FALSE(f.doc->OpenPath(longer));
    EXPECT_EQ(f.doc->FileType(), CBTSConfigurationDoc::kXmlPlan);
    EXPECT_EQ(f.doc->Title(), "Quay");
    ASSERT_FALSE(f.windows.messages.empty());
    EXPECT_NE(f.windows.messages.back().find("not opened"), std::string::npos);
}

TEST(DocumentOpen, OlderSoftwareLevelOffersTheUpdate) {
    DocumentFixture f;
    const std::string path = f.Path("old.hwc");
    std::vector<std::unique_ptr<CSCFSite>> records;
    records.push_back(OrvikRecord("Thirty", 30, 3));
    WriteConfigurations(path, std::move(records));

    f.windows.answers = {EAnswer::No};
    ASSERT_TRUE(f.doc->OpenPath(path));
    ASSERT_FALSE(f.windows.shown.empty());
    EXPECT_NE(f.windows.shown.back().find("KS7 MP1.0"), std::string::npos);
    auto* db = f.doc->SiteKODA()->GetKODA(kSelectCandidate);
    EXPECT_EQ(db->SwLevel().Level(), 30);
    EXPECT_EQ(db->CabinetSettings().clockSync, 3);
    EXPECT_FALSE(f.doc->ConfigurationChanged());

    // Yes to the offer leads to the update's own question with its clock warning; No there
    // keeps the level.
    f.windows.answers = {EAnswer::Yes, EAnswer::No};
    ASSERT_TRUE(f.doc->OpenPath(path));
    EXPECT_NE(f.windows.shown.back().find("Clock synchronisation"), std::string::npos);
    EXPECT_EQ(f.doc->SiteKODA()->GetKODA(kSelectCandidate)->SwLevel().Level(), 30);
    f.windows.answers = {EAnswer::Yes, EAnswer::Yes};
    ASSERT_TRUE(f.doc->OpenPath(path));
    db = f.doc->SiteKODA()->GetKODA(kSelectCandidate);
    EXPECT_EQ(db->SwLevel().Level(), 31);
    EXPECT_EQ(db->CabinetSettings().clockSync, 1);
    EXPECT_TRUE(f.doc->ConfigurationChanged());

    // Offered only below the latest level: at it the update changes nothing, not even the mark.
    EXPECT_FALSE(f.doc->IsCommandEnabled(cmd::kUpdateToLatest));
    const std::string latest = f.Path("latest.hwc");
    records.clear();
    records.push_back(OrvikRecord("ThirtyOne", 31, 1));
    WriteConfigurations(latest, std::move(records));
    const size_t questions = f.windows.shown.size();
    ASSERT_TRUE(f.doc->OpenPath(latest));
    EXPECT_FALSE(f.doc->IsCommandEnabled(cmd::kUpdateToLatest));
    f.doc->UpdateToLatest(false);
    EXPECT_FALSE(f.doc->ConfigurationChanged());
    EXPECT_EQ(f.windows.shown.size(), questions);
    f.windows.answers = {EAnswer::No};
    ASSERT_TRUE(f.doc->OpenPath(path));
    EXPECT_TRUE(f.doc->IsCommandEnabled(cmd::kUpdateToLatest));
}

TEST(DocumentOpen, BadFilesLeaveTheOpenConfigurationAlone) {
    DocumentFixture f;
    const std::string good = f.Path("good.hwc");
    std::vector<std::unique_ptr<CSCFSite>> records;
    records.push_back(OrvikRecord("Keep"));
    WriteConfigurations(good, std::move(records));
    ASSERT_TRUE(f.doc->OpenPath(good, true));
    Edit(*f.doc);

    // Missing file.
    EXPECT_FALSE(f.doc->OpenPath(f.Path("missing.hwc"), true));
    // Not a configuration file.
    { std::ofstream(f.Path("notes.hwc")) << "shopping list\n"; }
    EXPECT_FALSE(f.doc->OpenPath(f.Path("notes.hwc"), true));
    // A configuration of a family the tool does not carry: taken directly it is refused by
    // type.
    const std::string other = f.Path("unknown.hwc");
    auto selmo = OrvikRecord("Unknown family");
    selmo->bcfType = 5;
    std::vector<std::unique_ptr<CSCFSite>> others;
    others.push_back(std::move(selmo));
    WriteConfigurations(other, std::move(others));
    EXPECT_FALSE(f.doc->OpenPath(other, true));
    EXPECT_EQ(f.windows.messages.back(), "Unsupported BTS type. Cannot open.");
    // Through the sheet the row is listed but cannot be finished.
    f.windows.newSiteSheet = [](CNewSiteSheetModel& sheet) {
        EXPECT_EQ(sheet.Rows().at(0).bcfType, "Not supported");
        return sheet.CanFinish();
    };
    EXPECT_FALSE(f.doc->OpenPath(other));

    EXPECT_EQ(f.windows.messages.size(), 3u);
    EXPECT_EQ(f.doc->Title(), "Keep");
    EXPECT_EQ(f.doc->PathName(), good);
    EXPECT_TRUE(f.doc->ConfigurationChanged());
    EXPECT_NE(f.doc->Site()->FindUnit(kUnitKindMha, 7, kSelectCandidate), nullptr);
}

TEST(DocumentOpen, FileOfAnotherTypeThanTheConnectedBtsIsRefused) {
    DocumentFixture f;
    f.doc->OnCommand(cmd::kNew);
    f.link.GoUp(2);
    // An Orvik site is open with the link up: a file of the other family does not fit it.
    const std::string path = f.Path("selmo.hwc");
    std::vector<std::unique_ptr<CSCFSite>> records;
    auto selmo = OrvikRecord("S");
    selmo->bcfType = 4;
    records.push_back(std::move(selmo));
    WriteConfigurations(path, std::move(records));
    EXPECT_FALSE(f.doc->OpenPath(path, true));
    EXPECT_EQ(f.windows.messages.back(), CBTSConfigurationDoc::kTypeMismatch);
    EXPECT_EQ(f.doc->Title(), "Untitled");
}

TEST(DocumentSave, SaveAsJoinsAFileThatHoldsAnotherConfiguration) {
    DocumentFixture f;
    const std::string path = f.Path("shared.hwc");
    std::vector<std::unique_ptr<CSCFSite>> records;
    records.push_back(OrvikRecord("Alpha"));
    WriteConfigurations(path, std::move(records));

    f.doc->OnCommand(cmd::kNew);
    Edit(*f.doc);
    // The new document has no file: the define dialog names one.
    f.windows.files.push_back(path);
    f.windows.saveSheet = SaveAsNamed("Beta");
    ASSERT_TRUE(f.doc->OnCommand(cmd::kSaveAs));
    EXPECT_EQ(Names(Reread(path)), (std::vector<std::string>{"Alpha", "Beta"}));
    EXPECT_EQ(f.doc->Title(), "Beta");
    EXPECT_FALSE(f.doc->ConfigurationChanged());

    // Saving again writes into the same record.
    Edit(*f.doc);
    ASSERT_TRUE(f.doc->OnCommand(cmd::kSave));
    EXPECT_EQ(Names(Reread(path)), (std::vector<std::string>{"Alpha", "Beta"}));
    EXPECT_EQ(f.windows.saveSheets, 1);

    // Saving under an existing name asks first; No keeps the sheet open and nothing written.
    const std::string before = Slurp(path);
    f.windows.answers = {EAnswer::No};
    f.windows.saveSheet = SaveAsNamed("Alpha");
    EXPECT_FALSE(f.doc->OnCommand(cmd::kSaveAs));
    EXPECT_EQ(f.windows.shown.back(), "Do you want to overwrite the existing configuration.");
    EXPECT_EQ(Slurp(path), before);
    EXPECT_EQ(f.doc->Title(), "Beta");

    f.windows.answers = {EAnswer::Yes};
    ASSERT_TRUE(f.doc->OnCommand(cmd::kSaveAs));
    const auto after = Reread(path);
    EXPECT_EQ(Names(after), (std::vector<std::string>{"Alpha", "Beta"}));
    EXPECT_EQ(after->Sites()[0]->cabinets.front().configDescription, "Alpha saved");
    EXPECT_EQ(f.doc->Title(), "Alpha");
}

TEST(DocumentSave, SelectedRowOfAnotherNameIsNotOverwritten) {
    DocumentFixture f;
    const std::string path = f.Path("keep.hwc");
    std::vector<std::unique_ptr<CSCFSite>> records;
    records.push_back(OrvikRecord("Alpha"));
    WriteConfigurations(path, std::move(records));
    ASSERT_TRUE(f.doc->OpenPath(path, true));
    f.windows.saveSheet = [](CSaveSCFSheetModel& sheet) {
        sheet.Select(1); // Alpha
        sheet.SetName("Gamma");
        return sheet.Finish();
    };
    ASSERT_TRUE(f.doc->OnCommand(cmd::kSaveAs));
    EXPECT_EQ(Names(Reread(path)), (std::vector<std::string>{"Alpha", "Gamma"}));
}

TEST(DocumentSave, FailedWritesKeepTheDocumentAndTheFile) {
    DocumentFixture f;
    const std::string path = f.Path("disk.hwc");
    std::vector<std::unique_ptr<CSCFSite>> records;
    records.push_back(OrvikRecord("Disk"));
    WriteConfigurations(path, std::move(records));
    ASSERT_TRUE(f.doc->OpenPath(path, true));
    Edit(*f.doc);

    // Another program rewrote the file after it was opened: saving would lose its change.
    std::vector<std::unique_ptr<CSCFSite>> theirs;
    theirs.push_back(OrvikRecord("Disk"));
    theirs.push_back(OrvikRecord("Theirs"));
    WriteConfigurations(path, std::move(theirs));
    const std::string changed = Slurp(path);
    EXPECT_FALSE(f.doc->OnCommand(cmd::kSave));
    EXPECT_NE(f.windows.messages.back().find("changed by another program"), std::string::npos);
    EXPECT_EQ(Slurp(path), changed);
    EXPECT_TRUE(f.doc->ConfigurationChanged());

    // A folder nothing can be written to: the define dialog's choice fails to write.
    f.windows.saveSheet = [](CSaveSCFSheetModel& sheet) {
        EXPECT_TRUE(sheet.Browse());
        sheet.SetName("Elsewhere");
        sheet.SetDescription("somewhere unwritable");
        return sheet.Finish();
    };
    f.windows.files.push_back(std::string("/proc/cabrion-unwritable.hwc"));
    EXPECT_FALSE(f.doc->OnCommand(cmd::kSaveAs));
    EXPECT_NE(f.windows.messages.back().find("not saved"), std::string::npos);
    EXPECT_EQ(f.doc->PathName(), path);
    EXPECT_EQ(f.doc->Title(), "Disk");
    EXPECT_TRUE(f.doc->ConfigurationChanged());
}

TEST(DocumentQuestions, FileModeAsksToSaveAndCancelStops) {
    DocumentFixture f;
    f.doc->OnCommand(cmd::kNew);
    Edit(*f.doc);
    f.windows.answers = {EAnswer::Cancel};
    EXPECT_FALSE(f.doc->CanClose());
    EXPECT_EQ(f.windows.shown.back(),
              "The configuration has been changed.\nSave changes to SUntitled?");
    EXPECT_TRUE(f.doc->ConfigurationChanged());

    // New asks the same; Cancel keeps the edited site.
    f.windows.answers = {EAnswer::Cancel};
    f.doc->OnCommand(cmd::kNew);
    EXPECT_NE(f.doc->Site()->FindUnit(kUnitKindMha, 7, kSelectCandidate), nullptr);

    f.windows.answers = {EAnswer::No};
    EXPECT_TRUE(f.doc->CanClose());
    EXPECT_FALSE(f.doc->ConfigurationChanged());
}

TEST(DocumentQuestions, ReadOnlyRemoteConnectionKeepsTheFileQuestions) {
    DocumentFixture f;
    f.doc->OnCommand(cmd::kNew);
    Edit(*f.doc);
    f.link.GoUp(1);
    f.doc->SetAccessLevel(0);
    f.windows.answers = {EAnswer::Cancel};
    EXPECT_FALSE(f.doc->CanClose());
    EXPECT_EQ(f.windows.shown.back(),
              "The configuration has been changed.\nSave changes to SUntitled?");

    f.doc->SetAccessLevel(1);
    f.windows.answers = {EAnswer::Cancel};
    EXPECT_FALSE(f.doc->CanClose());
    EXPECT_EQ(f.windows.shown.back(),
              "The configuration has been changed.\nUpdate BTS with changes?");
}

TEST(DocumentQuestions, BtsModeSendsOrExplainsWhyNot) {
    DocumentFixture f;
    f.doc->OnCommand(cmd::kNew);
    f.link.GoUp(2);

    Edit(*f.doc);
    f.windows.answers = {EAnswer::Yes};
    EXPECT_TRUE(f.doc->CanClose());
    EXPECT_EQ(f.link.sends, 1);
    EXPECT_FALSE(f.doc->ConfigurationChanged());

    Edit(*f.doc);
    f.link.sendSucceeds = false;
    f.windows.answers = {EAnswer::Yes};
    EXPECT_FALSE(f.doc->CanClose());
    EXPECT_EQ(f.windows.messages.back(), "BTS update failed.");
    EXPECT_TRUE(f.doc->ConfigurationChanged());

    f.link.sendingEnabled = false;
    f.windows.answers = {EAnswer::Yes, EAnswer::No};
    EXPECT_FALSE(f.doc->CanClose());
    EXPECT_EQ(f.windows.shown.back(), CBTSConfigurationDoc::kNotInState);

    // The link goes while the question is open: nothing is sent and the candidate stays.
    f.link.sendingEnabled = true;
    f.link.sendSucceeds = true;
    f.windows.duringQuestion = [&] { f.link.Stop(); };
    f.windows.answers = {EAnswer::Yes, EAnswer::No};
    const int sends = f.link.sends;
    EXPECT_FALSE(f.doc->CanClose());
    EXPECT_EQ(f.link.sends, sends);
    EXPECT_TRUE(f.doc->ConfigurationChanged());
    EXPECT_NE(f.doc->Site()->FindUnit(kUnitKindMha, 7, kSelectCandidate), nullptr);
}

TEST(Document, CopyBtsConfigurationAsksAboutUnsavedEdits) {
    DocumentFixture f;
    f.doc->OnCommand(cmd::kNew);
    EXPECT_FALSE(f.doc->IsCommandEnabled(cmd::kCopyBtsConfiguration));
    f.link.GoUp(2);
    // Nothing fetched yet.
    f.doc->OnCommand(cmd::kCopyBtsConfiguration);
    EXPECT_EQ(f.windows.messages.back(), "Operation failed.");

    f.doc->Site()->ResetBtsConfiguration();
    const size_t bts = UnitCount(*f.doc);
    Edit(*f.doc);
    const size_t edited = UnitCount(*f.doc);
    f.windows.answers = {EAnswer::No};
    f.doc->OnCommand(cmd::kCopyBtsConfiguration);
    EXPECT_EQ(f.windows.shown.back(),
              "The Edit tab contains some unsaved information.\nContinue anyway?");
    EXPECT_EQ(UnitCount(*f.doc), edited);

    f.windows.answers = {EAnswer::Yes};
    f.doc->OnCommand(cmd::kCopyBtsConfiguration);
    EXPECT_EQ(UnitCount(*f.doc), bts);
    EXPECT_FALSE(f.doc->ConfigurationChanged());
    // The candidate it replaced can be had back.
    EXPECT_TRUE(f.doc->IsCommandEnabled(cmd::kUndo));
}

} // namespace

// After New and Open the site-loaded step runs: a wanted local link whose thread has ended
// starts again, an unwanted one is disabled. An Orvik site comes with its rule book.
TEST(DocumentSiteLoaded, NewAndOpenRestartAWantedLinkAndDisableAnUnwantedOne) {
    DocumentFixture f;
    f.doc->SetConnectionWanted(true);
    f.link.kind = 2;
    f.link.active = false;
    f.doc->New(false);
    ASSERT_EQ(f.link.starts.size(), 1u);
    EXPECT_EQ(f.link.starts[0].first, 2);
    EXPECT_NE(dynamic_cast<const CRuleBookKODA*>(f.doc->RuleBook()), nullptr);

    f.doc->SetConnectionWanted(false);
    const std::string path = f.Path("loaded.hwc");
    std::vector<std::unique_ptr<CSCFSite>> records;
    records.push_back(OrvikRecord("Loaded"));
    WriteConfigurations(path, std::move(records));
    const int stops = f.link.stops;
    ASSERT_TRUE(f.doc->OpenPath(path, true));
    EXPECT_GT(f.link.stops, stops);
}

// "New from Template..." offers the empty row and every template; with the relative "Configs"
// missing the installed templates stand in. A template gives an unnamed configuration, so that
// Save asks where it goes and the template stays as it is.
TEST(DocumentNew, FromTemplateOffersTheInstalledTemplatesAndLeavesThemAlone) {
    DocumentFixture f;
    std::filesystem::create_directories(f.Path("installed-templates"));
    const std::string path = f.Path("installed-templates/t.hwc");
    std::vector<std::unique_ptr<CSCFSite>> records;
    records.push_back(OrvikRecord("One"));
    records.push_back(OrvikRecord("Two"));
    WriteConfigurations(path, std::move(records));
    EXPECT_EQ(f.doc->TemplatesFolder(), f.Path("installed-templates"));
    EXPECT_TRUE(f.doc->IsCommandEnabled(cmd::kNewFromTemplate));

    std::vector<std::string> offered;
    f.windows.newSiteSheet = [&](CNewSiteSheetModel& sheet) {
        EXPECT_TRUE(sheet.Creating());
        for (size_t i = 0; i < sheet.Rows().size(); ++i) {
            offered.push_back(sheet.Rows()[i].name);
            if (sheet.Rows()[i].name == "Two") {
                sheet.Select(static_cast<int>(i));
            }
        }
        return sheet.CanFinish();
    };
    ASSERT_TRUE(f.doc->OnCommand(cmd::kNewFromTemplate));
    EXPECT_EQ(offered.size(), 3u);
    EXPECT_EQ(f.doc->Title(), "Two");
    EXPECT_EQ(f.doc->PathName(), "");
    f.doc->MarkConfigurationChanged(true);
    f.windows.answers = {EAnswer::Cancel};
    EXPECT_FALSE(f.doc->CanClose());
    EXPECT_EQ(f.windows.shown.back(), "The configuration has been changed.\nSave changes to Two?");
    f.windows.saveSheet = [](CSaveSCFSheetModel&) { return false; };
    EXPECT_FALSE(f.doc->Save());
    EXPECT_EQ(f.windows.saveSheets, 1);
}
