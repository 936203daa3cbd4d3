// Send rights on the program's own link, against the simulated BTS on a loopback port: a remote
// link without full control writes nothing to the BTS by any door (commands, transfer dialog,
// wizard, exit question), while fetching stays open; a local link or full control sends.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>

#include "SimDocumentSupport.h"
#include "WizardTestSupport.h"
#include "app/commands/CommandIds.h"
#include "app/link/DocumentLink.h"
#include "app/settings/MachineSettings.h"
#include "app/transfer/BTSUpdateFetchDlg.h"
#include "app/transfer/DocumentTransfer.h"
#include "app/wizard/WizardCheckPages.h"
#include "app/wizard/WizardFlowPages.h"
#include "app/wizard/WizardReportPages.h"
#include "comms/CommunicationBTS.h"
#include "comms/MMIServ.h"
#include "model/Strings.h"
#include "platform/Registry.h"
#include "sim/SimServer.h"
#include "test_support.h"

#include <QTemporaryDir>

using namespace std::chrono_literals;

namespace {

const std::string kNoRights =
    "User does not have permissions to send the configuration file to BTS.";

// The document with the program's link, a user of `accessLevel`, and a simulated BTS served
// on TCP (reached as a remote BTS) and on a pseudo-terminal (COM 1, a local one).
struct RightsFixture {
    ScriptedWindows windows;
    CMemoryRegistry settings;
    CCommunicationBTS& hub = CCommunicationBTS::Instance();
    CHubDocumentLink link{hub};
    CSimServer bts{Scenario()};
    std::unique_ptr<CBTSConfigurationDoc> doc;
    std::unique_ptr<CDocumentClient> client;
    std::filesystem::path dir;

    static SSimScenario Scenario() {
        SSimScenario s;
        s.bts = SSimBtsModel::Default();
        return s;
    }

    RightsFixture(int accessLevel, std::vector<std::string> startupNotes = {}) {
        ResetRegistryForTests();
        SetRegistryWriteAccess(false);
        CBtsConfiguration::Drop();
        dir = std::filesystem::temp_directory_path() /
              ("cabrion-send-rights-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        hub.SetLockDirectory(dir.string());
        std::string error;
        EXPECT_TRUE(bts.ListenTcp("127.0.0.1", 0, error)) << error;
        bts.Start();
        settings.SetInt("Initialization", "EnableBTS", 0);
        CBTSConfigurationDoc::SServices s;
        s.windows = &windows;
        s.link = &link;
        s.settings = &settings;
        s.documentsFolder = dir.string();
        s.clock = [] { return std::string("12:34:56"); };
        s.transferDialogs = true;
        s.accessLevel = accessLevel;
        s.startupNotes = std::move(startupNotes);
        doc = std::make_unique<CBTSConfigurationDoc>(s);
        CMMIServ::Instance().SetHost(doc.get());
        client = std::make_unique<CDocumentClient>(*doc);
        doc->New(false);
        doc->OnIdle(); // the event log
    }
    ~RightsFixture() {
        hub.StopConnection();
        hub.Pump();
        client.reset();
        CMMIServ::Instance().SetHost(nullptr);
        doc.reset();
        bts.Stop();
        CBtsConfiguration::Drop();
        ResetRegistryForTests();
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
    bool ConnectRemote() {
        if (!link.Start(1, "HOST=127.0.0.1,TCPPORT=" + std::to_string(bts.Port()) +
                               ",BSCID=4,BCFID=2")) {
            return false;
        }
        const auto end = std::chrono::steady_clock::now() + 10s;
        while (!(link.IsLinkUp() && link.SendingEnabled())) {
            if (std::chrono::steady_clock::now() > end) {
                return false;
            }
            hub.WaitAndPump(20ms);
        }
        return true;
    }
    std::vector<std::string> Events() const {
        std::vector<std::string> texts;
        for (const auto& e : windows.events) {
            texts.push_back(e.second);
        }
        return texts;
    }
    // Runs the transfer dialog's Send as its window does, even with the button disabled.
    CBTSUpdateFetchDlg Send(int mode) {
        CDocumentTransfer transfer(*doc, CMMIServ::Instance(), mode, [](int) {});
        transfer.Dialog().Refresh();
        transfer.Dialog().OnSend();
        return transfer.Dialog();
    }
};

} // namespace

TEST(SendRights, ARemoteReadOnlyUserWritesNothingToTheBtsByAnyDoor) {
    RightsFixture f(CUserAccessControl::kReadOnly);
    ASSERT_TRUE(f.ConnectRemote());
    CBTSConfigurationDoc& doc = *f.doc;

    // The window's commands: sending is off, fetching stays.
    EXPECT_FALSE(doc.IsCommandEnabled(cmd::kSend));
    EXPECT_FALSE(doc.IsCommandEnabled(cmd::kSendPassive));
    EXPECT_TRUE(doc.IsCommandEnabled(cmd::kFetch));
    EXPECT_TRUE(doc.IsCommandEnabled(cmd::kFetchPassive));
    EXPECT_FALSE(doc.OnCommand(cmd::kSend));

    // The transfer dialog says why and refuses a send that reaches it anyway.
    for (int mode : {CBTSUpdateFetchDlg::kSendConfiguration, CBTSUpdateFetchDlg::kSendPassive}) {
        f.windows.answers = {EAnswer::Yes, EAnswer::Yes, EAnswer::Yes};
        const CBTSUpdateFetchDlg dialog = f.Send(mode);
        EXPECT_FALSE(dialog.sendEnabled) << mode;
        EXPECT_EQ(dialog.comment, kNoRights) << mode;
        EXPECT_EQ(dialog.status, "") << "sending started in mode " << mode;
        EXPECT_EQ(f.bts.BlocksReceived(), 0) << mode;
    }

    // The wizard: no Check way, and the pages that write to the BTS write nothing.
    CWizardSheetModel sheet(doc, f.windows, f.settings, true);
    sheet.Begin();
    CWizardWayController way(sheet);
    way.FirstDisplay();
    EXPECT_FALSE(way.CheckEnabled());
    CWizardBB2Controller bb2(sheet);
    bb2.Enter();
    EXPECT_FALSE(bb2.AutodetectEnabled());
    f.windows.answers = {EAnswer::Yes};
    EXPECT_FALSE(bb2.Autodetect());
    CWizardPassiveController passive(sheet);
    passive.Enter();
    f.windows.files.push_back(std::string(CABRION_TEST_DATA_DIR) + "/passive.hwi");
    ASSERT_TRUE(passive.Import());
    passive.Next();
    EXPECT_TRUE(passive.InformationToSend());
    CWizardLastController last(sheet);
    last.Enter();
    f.windows.answers = {EAnswer::No};
    EXPECT_FALSE(last.Finish());
    EXPECT_EQ(f.windows.shown.back(), CWizardLastController::kNoSendRights);
    last.SetSaveAs((f.dir / "report.hwr").string());
    f.windows.answers = {EAnswer::Yes};
    EXPECT_TRUE(last.Finish());
    EXPECT_FALSE(last.Sent());
    EXPECT_TRUE(std::filesystem::exists(f.dir / "report.hwr"));

    // Leaving with changes asks about the file, not about the BTS.
    doc.MarkConfigurationChanged(true);
    f.windows.answers = {EAnswer::Cancel};
    EXPECT_FALSE(doc.CanClose());
    EXPECT_EQ(f.windows.shown.back(),
              "The configuration has been changed.\nSave changes to SUntitled?");

    f.hub.Pump();
    EXPECT_EQ(f.bts.BlocksReceived(), 0);
    const std::vector<std::string> events = f.Events();
    for (int id : {64070, 64089}) {
        EXPECT_EQ(std::count(events.begin(), events.end(), std::string(LoadString(id))), 0) << id;
    }

    // Reading is open to everyone.
    CDocumentTransfer fetch(doc, CMMIServ::Instance(), CBTSUpdateFetchDlg::kFetchConfiguration,
                            [](int) {});
    fetch.Dialog().Refresh();
    EXPECT_TRUE(fetch.Dialog().fetchEnabled);
}

TEST(SendRights, FullControlOnARemoteLinkSendsAndSoDoesALocalLink) {
    {
        RightsFixture f(CUserAccessControl::kFullControl);
        ASSERT_TRUE(f.ConnectRemote());
        EXPECT_TRUE(f.doc->IsCommandEnabled(cmd::kSend));
        EXPECT_TRUE(f.doc->IsCommandEnabled(cmd::kSendPassive));
        CWizardSheetModel sheet(*f.doc, f.windows, f.settings);
        CWizardWayController way(sheet);
        way.FirstDisplay();
        EXPECT_TRUE(way.CheckEnabled());
        f.windows.answers = {EAnswer::Yes, EAnswer::Yes, EAnswer::Yes};
        const CBTSUpdateFetchDlg dialog = f.Send(CBTSUpdateFetchDlg::kSendConfiguration);
        EXPECT_TRUE(dialog.sendEnabled);
        EXPECT_EQ(dialog.status, LoadString(164));
        EXPECT_GT(f.bts.BlocksReceived(), 0);
    }
    {
        // The same read-only user at the BTS itself, on its serial line.
        RightsFixture f(CUserAccessControl::kReadOnly);
        CSimServer local(RightsFixture::Scenario());
        std::string error;
        ASSERT_TRUE(local.OpenPty(error)) << error;
        local.Start();
        CRegistry::Instance().SetInt("ComPort", 1);
        ::setenv("CABRION_COM1", local.PtyPath().c_str(), 1);
        f.doc->ConnectLocal();
        const auto end = std::chrono::steady_clock::now() + 15s;
        while (!(f.link.IsLinkUp() && f.link.SendingEnabled()) &&
               std::chrono::steady_clock::now() < end) {
            f.hub.WaitAndPump(20ms);
        }
        ASSERT_TRUE(f.link.IsLinkUp());
        EXPECT_TRUE(f.doc->IsCommandEnabled(cmd::kSend));
        f.windows.answers = {EAnswer::Yes, EAnswer::Yes, EAnswer::Yes};
        const CBTSUpdateFetchDlg dialog = f.Send(CBTSUpdateFetchDlg::kSendConfiguration);
        EXPECT_EQ(dialog.status, LoadString(164));
        EXPECT_GT(local.BlocksReceived(), 0);
        EXPECT_EQ(f.bts.BlocksReceived(), 0);
        f.hub.StopConnection();
        f.hub.Pump();
        ::unsetenv("CABRION_COM1");
    }
}

// A machine file that users may change is not used; the document says so in its event log.
TEST(SendRights, AMachineFileUsersMayChangeIsNamedInTheEventLog) {
    QTemporaryDir home;
    const QString path = home.filePath(QStringLiteral("machine.ini"));
    WriteFile(path, "[2G_Managers]\nAccess Levels=Off\n");
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::WriteOther);
    const CMachineSettings machine(path, true);
    ASSERT_TRUE(machine.Distrusted());
    RightsFixture f(CUserAccessControl::kReadOnly, machine.Notes());
    const std::vector<std::string> events = f.Events();
    ASSERT_FALSE(events.empty());
    EXPECT_NE(events.front().find(path.toStdString()), std::string::npos) << events.front();
    EXPECT_NE(events.front().find("access checking is on"), std::string::npos);
}
