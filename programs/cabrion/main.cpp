// cabrion: the desktop application.
#include "app/BTSConfigurationApp.h"
#include "app/LinkStartup.h"
#include "app/MachineSettings.h"
#include "app/OstrelHandBack.h"
#include "app/UserAccessControl.h"
#include "app/WindowsRegistry.h"
#include "comms/CommunicationBTS.h"
#include "platform/Registry.h"
#include "ui/MainFrame.h"
#include "ui/QtUserMessages.h"

#include <QApplication>

#include <string>
#include <vector>

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Torvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Cabrion"));

    CQtUserMessages messages;
    CWindowsRegistry::InstallAsPersistentStore();
    SetRegistryMessageSink([&messages](const std::string& text) { messages.Information(text); });

    CMachineSettings machine;
    CSystemUserGroups groups;
    CProcessLauncher launcher;
    CCommunicationBTS& link = CCommunicationBTS::Instance();
    RelayLinkThroughEventLoop(link);
    CLinkConnectionStarter connection(link);
    CSobriquetFileResolver sobriquets;
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
        StopRelayingLink(link);
        return 1;
    }

    int rc = 0;
    {
        CMainFrame frame;
        frame.show();
        rc = qapp.exec();
    }
    app.ExitInstance();
    StopRelayingLink(link);
    return rc;
}
