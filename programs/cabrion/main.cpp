// cabrion: the desktop application.
#include "app/BTSConfigurationApp.h"
#include "app/BTSConfigurationDoc.h"
#include "app/DocumentLink.h"
#include "app/DocumentsFolder.h"
#include "app/LinkStartup.h"
#include "app/MachineSettings.h"
#include "app/OstrelHandBack.h"
#include "app/UserAccessControl.h"
#include "app/WindowsRegistry.h"
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
#include "ui/QtUserMessages.h"

#include <QApplication>
#include <QTimer>

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

} // namespace

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
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
        CBTSConfigurationDoc doc(ds);
        doc.SetConnectionWanted(app.ConnectionWanted());
        if (app.OpenSiteFileAtStart()) {
            doc.SetStartupSiteFile(app.SiteFilePath(), app.SiteNumber());
        } else if (!app.CommandLine().fileName.empty()) {
            doc.SetStartupPath(app.CommandLine().fileName);
        } else if (!app.OwnSwitches().startupPath.empty()) {
            doc.SetStartupPath(app.OwnSwitches().startupPath);
        }
        CMMIServ::Instance().SetHost(&doc);
        CDocumentClient client(doc);
        frame.AttachDocument(&doc);
        frame.canClose = [&doc] { return doc.CanClose(); };
        // A new, empty configuration is always there to start with.
        doc.New(false);

        frame.RestorePlacement();
        frame.show();

        // The document's idle passes: the first ones at once, later ones now and then.
        QTimer idle;
        QObject::connect(&idle, &QTimer::timeout, [&] {
            doc.OnIdle();
            if (doc.IdlePass() >= 2) {
                idle.setInterval(250);
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
