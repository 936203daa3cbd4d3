// cabrion: the desktop application.
#include "app/commands/HelpTopics.h"
#include "app/document/BTSConfigurationDoc.h"
#include "app/link/DocumentLink.h"
#include "app/settings/DocumentsFolder.h"
#include "app/settings/MachineSettings.h"
#include "app/settings/UserAccessControl.h"
#include "app/settings/WindowsRegistry.h"
#include "app/startup/BTSConfigurationApp.h"
#include "app/startup/LinkStartup.h"
#include "app/startup/OstrelHandBack.h"
#include "cabrion_version.h"
#include "comms/CommsClient.h"
#include "comms/CommunicationBTS.h"
#include "comms/HwScenario.h"
#include "comms/MMIServ.h"
#include "comms/SobriquetFile.h"
#include "platform/Registry.h"
#include "sim/SIMTransactServer.h"
#include "ui/ConnectDialog.h"
#include "ui/MainFrame.h"
#include "ui/OptionsDialog.h"
#include "ui/QtUserMessages.h"
#include "ui/props/ViewPropSheet.h"
#include "wizard/WizardOpening.h"

#include <QApplication>
#include <QFileInfo>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// The document and the main window hear of every report; uplink messages go to the document.
class CDocumentClient : public CCommsClient {
public:
    explicit CDocumentClient(CBTSConfigurationDoc& doc) : m_doc(doc) {}
    void OnReport(const CCommsReport& report) override { m_doc.OnReport(report); }
    void OnUplinkMessage(std::span<const uint8_t> message) override {
        m_doc.OnUplinkMessage(message);
    }

private:
    CBTSConfigurationDoc& m_doc;
};

constexpr const char* kUsage =
    R"(Usage: cabrion [FILE]
       cabrion -SCF="FILE" [-SNR=N]      (also -SCF=FILE or -SCF FILE)
       cabrion -target TARGET | -sobriquet NAME

Cabrion describes the hardware of one Orvik base transceiver station: cabinet, units, TX and
RX cabling, antennas, masthead amplifiers, cross-connection and passive units. It opens, checks
and saves site configuration files (.hwc, .sdf), configuration plans (.ewb), reports (.hwr) and
HW information files (.hwi), and fetches and sends configurations over a serial line or a
remote link.

Arguments:
  FILE                 open this configuration file (.hwc, .sdf or .ewb)
  -SCF="FILE"          open FILE and start the wizard in update-only mode; the quotes
                       may be left out (-SCF=FILE) or the file given apart (-SCF FILE)
  -SNR=N               with -SCF: the configuration number N of the file
  -target TARGET       connect at start-up, e.g. "HOST=bsc1,TCPPORT=4001,BSCID=1,BCFID=7"
  -sobriquet NAME      connect at start-up to the target stored under NAME
  --help               show this text and exit
  --version            show the version and exit

Settings are kept in ~/.config/Torvane/Cabrion.ini. The user guide opens with F1.
See also: cabrion-cli(1), cabrion-btssim(1).
)";

// Answered before Qt starts, so that they work without a display.
bool AnswersInformationRequest(int argc, char** argv, int& rc) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--help" || a == "-h") {
            std::fputs(kUsage, stdout);
            rc = 0;
            return true;
        }
        if (a == "--version") {
            std::printf("cabrion %s\n", CABRION_VERSION);
            rc = 0;
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (int rc = 0; AnswersInformationRequest(argc, argv, rc)) {
        return rc;
    }
    QApplication qapp(argc, argv);
    CMessageEcho echo;
    qapp.installEventFilter(&echo);
    QCoreApplication::setOrganizationName(QStringLiteral("Torvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Cabrion"));
    QCoreApplication::setApplicationVersion(QStringLiteral(CABRION_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("cabrion"));

    CQtUserMessages messages;
    CWindowsRegistry::InstallAsPersistentStore();
    SetRegistryMessageSink([&messages](const std::string& text) { messages.Information(text); });

    CCommunicationBTS& hub = CCommunicationBTS::Instance();
    hub.SetSimulatorFactory([](const CConnectParams& params, CCommunicationBTS& h) {
        SSimScenario scenario;
        scenario.bts = SSimBtsModel::Default();
        return std::make_unique<CSIMTransactServer>(params, h, scenario);
    });

    CMachineSettings machine;
    CSystemUserGroups groups;
    CProcessLauncher launcher;
    CLinkConnectionStarter connection(hub);
    CSobriquetFileResolver sobriquets;
    RelayLinkThroughEventLoop(hub);
    CBTSConfigurationApp::Services services;
    services.messages = &messages;
    services.machine = &machine;
    services.groups = &groups;
    services.launcher = &launcher;
    services.connection = &connection;
    services.sobriquets = &sobriquets;
    CBTSConfigurationApp app(services);

    // Qt has taken its own options out of argv by now.
    const std::vector<std::string> args(argv, argv + argc);
    if (!app.InitInstance(args)) {
        StopRelayingLink(hub);
        return 1;
    }

    int rc = 0;
    {
        CMainFrame frame;
        frame.SetSettings(&CRegistry::Instance());
        frame.Help().SetFolder(QString::fromStdString(
            help::GuideFolder(QCoreApplication::applicationDirPath().toStdString(),
                              std::getenv("CABRION_HELP_DIR"), CABRION_SOURCE_HELP_DIR)));
        frame.UpdateCommands();
        hub.SetMessageSink([&frame](const std::string& text) { frame.Message(text); });
        // "Connect..." without a target asks for one; the last one given is offered again.
        std::string lastTarget;
        hub.SetTargetQuery([&frame, &lastTarget]() -> std::string {
            std::string target = CConnectDialog::Ask(&frame, sobriquet::DefaultPath(), lastTarget);
            if (!target.empty()) {
                lastTarget = target;
            }
            return target;
        });

        CHubDocumentLink link(hub);
        CBTSConfigurationDoc::SServices ds;
        ds.windows = &frame;
        ds.link = &link;
        ds.settings = &CRegistry::Instance();
        ds.documentsFolder = DocumentsFolder();
        ds.startedFromOstrel = app.StartedFromOstrel();
        ds.transferDialogs = true;
        ds.accessLevel = app.AccessLevel();
        // Installed next to the program's data; a build run from its tree has the samples.
        const QString installed =
            QCoreApplication::applicationDirPath() + QStringLiteral("/../share/cabrion/Configs");
        ds.templatesFolder = QFileInfo(installed).isDir()
                                 ? QFileInfo(installed).canonicalFilePath().toStdString()
                                 : std::string(CABRION_SOURCE_TEMPLATES_DIR);
        ds.startupNotes = machine.Notes();
        CBTSConfigurationDoc doc(ds);
        doc.SetConnectionWanted(app.ConnectionWanted());
        if (app.OpenSiteFileAtStart()) {
            doc.SetStartupSiteFile(app.SiteFilePath(), app.SiteNumber());
        } else if (!app.CommandLine().fileName.empty()) {
            // Only a file the user names opens: the start-up path of the own switches is the
            // program's own (or a switch's value) and is used by nothing.
            doc.SetStartupPath(app.CommandLine().fileName);
        }
        CMMIServ::Instance().SetHost(&doc);
        CDocumentClient client(doc);
        frame.AttachDocument(&doc);
        frame.canClose = [&doc] { return doc.CanClose(); };
        CViewPropSheet::Install(frame, doc, CRegistry::Instance());
        InstallWizard(frame, doc, CRegistry::Instance());
        InstallOptions(frame, doc, CRegistry::Instance(), app.SerialPorts().Entries());
        // A new, empty configuration is always there to start with.
        doc.New(false);

        if (!frame.RestorePlacement()) {
            frame.ApplyFirstPlacement();
        }
        frame.show();

        // The document's idle passes: the first ones at once, later ones now and then.
        QTimer idle;
        QObject::connect(&idle, &QTimer::timeout, [&] {
            doc.OnIdle();
            if (doc.IdlePass() >= 2) {
                idle.setInterval(250);
                OpenStartupWizard(frame, doc, CRegistry::Instance());
            }
        });
        idle.start(0);
        QTimer scenario;
        QObject::connect(&scenario, &QTimer::timeout, [] {
            // Not while a transfer waits for its reply: the link takes one request at a time.
            if (!CMMIServ::Instance().InExchange()) {
                CMMIServ::Instance().HwScenario().Tick();
            }
        });
        scenario.start(100);

        rc = qapp.exec();
        idle.stop();
        scenario.stop();
        StopRelayingLink(hub);
        hub.SetMessageSink({});
        hub.SetTargetQuery({});
        CMMIServ::Instance().SetHost(nullptr);
    }
    app.ExitInstance();
    return rc;
}
