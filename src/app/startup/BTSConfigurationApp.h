#pragma once
// The application object: decides whether this copy may save settings, finds the serial ports,
// reads the command line, starts the link it names, fixes the user's access level, and at exit
// hands back to Ostrel. It opens no window: the program does that after a successful start.

#include "app/settings/SerialPortList.h"
#include "app/startup/StartupSeams.h"
#include "platform/CommandLineInfo.h"
#include "platform/NamedLock.h"
#include "platform/OwnSwitches.h"

#include <QString>

#include <memory>
#include <string>
#include <vector>

class CMachineSettings;
class IUserGroups;
class ISobriquetResolver;

class CBTSConfigurationApp {
public:
    static constexpr const char* kSettingsLockName = "TorvaneCabrionSaveSettingsControl";
    static constexpr const char* kHelpFileName = "Cabrion.html";
    static constexpr const char* kAnotherCopyWarning =
        "Warning: Another copy of the Cabrion is running on this machine. \nYou will not be able "
        "to save settings such as default COM port";

    struct Services {
        IUserMessages* messages = nullptr;         // required
        const CMachineSettings* machine = nullptr; // required
        const IUserGroups* groups = nullptr;       // required
        IConnectionStarter* connection = nullptr;  // none: the wish to connect is only recorded
        ISobriquetResolver* sobriquets = nullptr;  // none: a sobriquet cannot be looked up
        IProcessLauncher* launcher = nullptr;      // none: no hand-back to Ostrel
        std::string lockDirectory;                 // empty: the default lock directory
        std::string deviceDirectory = "/dev";
        CSerialPortList::Probe probe = &CSerialPortList::ProbeTerminal;
    };

    explicit CBTSConfigurationApp(Services services);
    ~CBTSConfigurationApp();

    // `argv` as the program got it, program name first. False means: do not run.
    bool InitInstance(const std::vector<std::string>& argv);
    // Releases the settings lock and, when Ostrel started us, stops the link and starts Ostrel.
    void ExitInstance();

    // Also callable later, e.g. when the user plugs in an adapter.
    int EnumerateSerialPorts();
    const CSerialPortList& SerialPorts() const { return m_ports; }

    bool HoldsSettingsLock() const { return m_settingsLock && m_settingsLock->IsHeld(); }
    const CBTSCommandLineInfo& CommandLine() const { return m_cmdInfo; }
    const COwnSwitches& OwnSwitches() const { return m_own; }
    bool StartedFromOstrel() const { return m_own.startedFromOstrel; }
    bool OpenSiteFileAtStart() const { return m_own.openSiteFileAtStart; }
    void SetOpenSiteFileAtStart(bool open) { m_own.openSiteFileAtStart = open; }
    const std::string& SiteFilePath() const { return m_own.siteFilePath; }
    int SiteNumber() const { return m_own.siteNumber; }
    const std::string& Target() const { return m_parser.Target(); }
    ConnectionKind StartedConnectionKind() const { return m_startedKind; }
    const std::string& HandBackTarget() const { return m_handBackTarget; }
    bool ConnectionWanted() const { return m_connectionWanted; }
    int AccessLevel() const { return m_accessLevel; }
    const QString& HelpPath() const { return m_helpPath; }

private:
    Services m_services;
    std::unique_ptr<CNamedLock> m_settingsLock;
    CBTSCommandLineParser m_parser;
    CBTSCommandLineInfo m_cmdInfo;
    COwnSwitches m_own;
    CSerialPortList m_ports;
    ConnectionKind m_startedKind = kConnectionNone;
    std::string m_handBackTarget;
    bool m_connectionWanted = false;
    int m_accessLevel = 0;
    QString m_helpPath = QString::fromLatin1(kHelpFileName);
};
